#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aligned.h"
#include "foundation/objlist.h"
#include "geometry.h"

namespace ubic {

class TFormatter;
class TRpt;
class TRptDraw;
class TRptLiner;
class TRptText;

// A rectangle of a laid-out report in the device units of the formatter in use. Boxes are made
// by elements, measured from their content, composed into groups, placed on pages by the
// formatter and drawn through it.
class TBox : public TAligned {
 public:
  // Takes the alignment from Owner, and its keep rule when Owner is a group. A box without an
  // owner raises EReportError.
  explicit TBox(TRpt* owner);

  TRpt* Owner() const { return FOwner; }
  // Relative to the parent group until the page is positioned, absolute afterwards.
  const TPoint& Pos() const { return FPos; }
  void SetPos(int dir, int value) { FPos[dir] = value; }
  // -1 in a direction means not yet determined.
  const TPoint& Size() const { return FSize; }
  void SetSize(const TPoint& value) { FSize = value; }
  void SetSize(int dir, int value) { FSize[dir] = value; }
  // The natural size of the content.
  const TPoint& Extent() const { return FExtent; }
  int Keep() const { return FKeep; }

  // Where the content starts inside the box, by the content alignment.
  int ContentOffset(int dir) const;
  TRect BoxRect() const;
  TRect ContentRect() const;
  // Draws with the owner as the formatter's current element.
  void DrawBox();

  // Boxes in this subtree, the box itself included.
  virtual int BoxCount() const { return 1; }
  virtual void Measure() { SetExtent({}); }
  virtual void MeasureBounds() { Measure(); }
  virtual void SetPosition(const TPoint& pos) { FPos = pos; }
  // Size from the owner's wanted width and height, then the content, then sizes relative to it.
  virtual void Layout();
  virtual void LayoutWidth(int width);
  virtual void Draw() {}

 protected:
  void SetExtent(const TPoint& value) { FExtent = value; }
  TFormatter& Formatter() const;
  // Sizes still undetermined whose wanted size is relative: the extent times the wanted factor.
  void ResolveRelativeSizes();

 private:
  TRpt* FOwner;
  TPoint FPos;
  TPoint FSize;
  TPoint FExtent;
  int FKeep = 0;
};

// A piece of its element's text: Length characters from the 1-based Start; a negative Length
// runs to the end of the text. A box made while pages are being built (a page header, footer or
// running header) keeps the text it was measured with, so that a macro in it shows the page and
// the section it was made for; a body box, made before, shows its element's text when drawn.
class TTextBox : public TBox {
 public:
  explicit TTextBox(TRptText* owner);

  int Start() const { return FStart; }
  void SetStart(int value) { FStart = value; }
  int Length() const { return FLength; }
  void SetLength(int value) { FLength = value; }

  void Measure() override;
  void Draw() override;
  virtual std::string GetText() const;

 protected:
  TRptText& TextOwner() const { return *FTextOwner; }

 private:
  TRptText* FTextOwner;
  int FStart = 1;
  int FLength = -1;
  std::optional<std::string> FMadeText;
};

// A tree-structure prefix, drawn as lines or characters by the formatter.
class TTreeBox : public TTextBox {
 public:
  using TTextBox::TTextBox;
  void Measure() override;
  void Draw() override;
};

// An end point of a horizontal rule; the box of the begin liner draws the rule.
class TLinerBox : public TBox {
 public:
  explicit TLinerBox(TRptLiner* owner);
  ~TLinerBox() override;
  void Measure() override;
  void Draw() override;

 private:
  friend class TRptLiner;

  // Nil once the liner is gone.
  TRptLiner* FLiner;
};

// A picture drawn by its element's callback.
class TDrawBox : public TBox {
 public:
  explicit TDrawBox(TRptDraw* owner);
  void Measure() override { SetExtent(Size()); }
  void Draw() override;

 private:
  TRptDraw* FDraw;
};

// A box of child boxes stacked along its main direction.
class TBoxGroup : public TBox {
 public:
  int BoxCount() const override;
  // Along the main direction the children's sizes add up; across it the widest content counts.
  void Measure() override;
  // The extent of the children's boxes as they are positioned.
  void MeasureBounds() override;
  // Turns the children's relative positions into absolute ones.
  void SetPosition(const TPoint& pos) override;
  void Layout() override;
  void LayoutWidth(int width) override;
  void Draw() override;

  virtual int Count() const { return FBoxes.Count(); }
  // Nil for a child taken out with Extract.
  virtual TBox* GetBox(int index) const;
  // Replaces child Index, freeing the old one.
  virtual void SetBox(int index, std::unique_ptr<TBox> box);
  virtual bool IsVertical() const = 0;
  virtual void ResetPositions();
  // Shares the spare space along the main direction among the fill children.
  virtual void DistributeSpace();
  virtual void AlignCross();
  // Packs the children along the main direction, the run placed by the content alignment.
  virtual void StackBoxes();
  virtual void Add(std::unique_ptr<TBox> box);
  virtual void Insert(int index, std::unique_ptr<TBox> box);
  // Takes child Index out of the group, leaving an empty place.
  std::unique_ptr<TBox> Extract(int index);

  int MainDir() const { return IsVertical() ? kVertical : kHorizontal; }
  int CrossDir() const { return IsVertical() ? kHorizontal : kVertical; }

 protected:
  TBoxGroup(TRpt* owner, bool ownsBoxes);
  // Adds a box that stays owned elsewhere; for groups that do not own their boxes.
  void AddReference(TBox& box) { FBoxes.Add(&box); }
  void ClearBoxes() { FBoxes.Clear(); }
  void Arrange();

 private:
  template <class Visit>
  void ForEachBox(Visit visit) const;
  void GiveOneUnitEach(const std::vector<TBox*>& fills, int units);

  TObjList FBoxes;
};

class THorizontalBox : public TBoxGroup {
 public:
  explicit THorizontalBox(TRpt* owner) : TBoxGroup(owner, true) {}
  bool IsVertical() const override { return false; }
};

class TVerticalBox : public TBoxGroup {
 public:
  explicit TVerticalBox(TRpt* owner) : TBoxGroup(owner, true) {}
  bool IsVertical() const override { return true; }

 protected:
  TVerticalBox(TRpt* owner, bool ownsBoxes) : TBoxGroup(owner, ownsBoxes) {}
};

// One page's content: the page header, the running header, the boxes placed by the formatter and
// the page footer. The boxes stay owned by their groups or by the formatter.
class TPageBox : public TVerticalBox {
 public:
  explicit TPageBox(TRpt* owner) : TVerticalBox(owner, false) {}

  // A page owns nothing: these raise EReportError.
  void Add(std::unique_ptr<TBox> box) override;
  void Insert(int index, std::unique_ptr<TBox> box) override;
  void SetBox(int index, std::unique_ptr<TBox> box) override;
  void Add(TBox& box) { AddReference(box); }
  void ForgetBoxes() { ClearBoxes(); }

  // Forgets the boxes of the last page and takes the new page's body rectangle. A size of -1
  // in a direction lets the page take the size of its content.
  virtual void StartPage(const TPoint& origin, const TPoint& size);
  // Lays out the page, fill boxes sharing its spare height, positions it and draws it.
  virtual void FinishPage();
};

}  // namespace ubic
