#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "elements.h"
#include "foundation/objlist.h"

namespace ubic {

class TBoxGroup;
class TRptLine;
class TRptParagraph;
class TRptSection;
class TRptTable;

// An element with children, laid out side by side or one below the other.
class TRptGroup : public TRpt {
 public:
  // Called before the box of item Index of Count is made; for progress display.
  using TItemEvent = std::function<void(TRptGroup& sender, int index, int count)>;

  // Keep rules: how the formatter may break the group's box across pages. A positive Keep N
  // keeps the first N children together.
  static constexpr int kKeepNewPage = -2;
  static constexpr int kKeepWhole = -1;
  static constexpr int kKeepNone = 0;

  explicit TRptGroup(TRpt* owner);

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }
  int Keep() const { return FKeep; }
  void SetKeep(int value) { FKeep = value; }
  // The rule begun in this group and not yet ended.
  TRptLiner* OpenLiner() const { return FOpenLiner; }
  int SectionCounter() const { return FSectionCounter; }
  void SetOnItem(TItemEvent handler) { FOnItem = std::move(handler); }

  virtual bool IsVertical() const = 0;
  virtual int Count() const { return FItems.Count(); }
  virtual TRpt* GetItem(int index) const;
  // Makes the group Item's owner and replaces item Index, freeing the old one.
  virtual void SetItem(int index, std::unique_ptr<TRpt> item);
  virtual void BeginGroup() {}
  virtual void EndGroup() {}
  // Makes the group Item's owner and appends it.
  virtual void Add(std::unique_ptr<TRpt> item);
  // Frees every item; the sections added afterwards are numbered from 1 again.
  virtual void Clear();

  std::unique_ptr<TBox> CreateBox() override;
  // Ends an open rule first, so that a rule left open ends after the last item.
  std::unique_ptr<TBox> MakeBox() override;
  std::unique_ptr<TBox> MakeBoxWidth(int width) override;

  TRptText* AddText(const std::string& text);
  TRptMacro* AddMacro(const std::string& text);
  TRptTree* AddTree(const std::string& prefix);
  // Takes all spare width of a line, pushing what follows to the right.
  TRptElement* AddFill();
  TRptDraw* AddDraw(TDrawCallback callback, std::unique_ptr<TParam> param);
  // Ends an open rule, then begins one whose liners sit at VPos in their line.
  TRptLiner* BeginRule(TContentAlign vpos);
  // The end liner of the open rule, or nil when no rule was open.
  TRptLiner* EndRule();
  TRptLine* AddLine();
  // A line holding one blank.
  TRptLine* AddEmptyLine();
  // Vertical space of Factor times one text line.
  TRptLine* AddSpace(float factor);
  // Numbered after the sections added to this group before.
  TRptSection* AddSection(const std::string& title);
  // Numbered after the tables of the whole report.
  TRptTable* AddTable(const std::string& title);
  // Text that breaks into lines at the width of the group, when the group is vertical.
  TRptParagraph* AddParagraph();

 protected:
  // Creates an element of class T with this group as owner and appends it.
  template <class T, class... Args>
  T* AddNew(Args&&... args) {
    auto item = std::make_unique<T>(this, std::forward<Args>(args)...);
    T* result = item.get();
    Add(std::move(item));
    return result;
  }
  // The group box of the items; items of a vertical group get Width when it is given.
  std::unique_ptr<TBoxGroup> MakeItemsBox(const std::optional<int>& width);

 private:
  std::unique_ptr<TBoxGroup> NewGroupBox();

  std::string FTitle;
  TObjList FItems{true};
  int FKeep = kKeepWhole;
  TRptLiner* FOpenLiner = nullptr;
  int FSectionCounter = 0;
  TItemEvent FOnItem;
};

// Children side by side. While its box is made, the formatter's line height follows the group's
// font, so that sizes in lines mean lines of this group's text.
class TRptHorizontalGroup : public TRptGroup {
 public:
  using TRptGroup::TRptGroup;
  bool IsVertical() const override { return false; }
  void BeginGroup() override;
  void EndGroup() override;
};

class TRptVerticalGroup : public TRptGroup {
 public:
  using TRptGroup::TRptGroup;
  bool IsVertical() const override { return true; }
};

// A group whose direction is a flag; vertical unless told otherwise.
class TRptHVGroup : public TRptGroup {
 public:
  using TRptGroup::TRptGroup;
  bool IsVertical() const override { return FVertical; }
  void SetVertical(bool value) { FVertical = value; }

 private:
  bool FVertical = true;
};

// A line of a report: texts and other items side by side.
class TRptLine : public TRptHorizontalGroup {
 public:
  using TRptHorizontalGroup::TRptHorizontalGroup;
};

// A numbered part of a report with a running header repeated on the pages it continues on.
class TRptSection : public TRptVerticalGroup {
 public:
  explicit TRptSection(TRpt* owner, const std::string& title = {});

  TRptHVGroup& RunningHeader() const { return *FRunningHeader; }
  int Number() const { return FNumber; }
  void SetNumber(int value) { FNumber = value; }
  // The number preceded by those of the enclosing sections, outermost first: "2.3".
  virtual std::string GetNumbers() const;

 private:
  std::unique_ptr<TRptHVGroup> FRunningHeader;
  int FNumber = 0;
};

}  // namespace ubic
