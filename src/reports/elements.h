#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "aligned.h"
#include "boxes.h"
#include "drawing.h"
#include "fonts.h"

namespace ubic {

class TFormatter;
class TReport;

// How FontSize and FontStyle change the element's own font.
enum TFontOp : std::uint8_t { foAdd = 0, foRemove = 1, foSet = 2 };

// Base of all report elements: a node of the device-independent description of a report. An
// element knows its owner, its wanted size and its own font and pen; what it does not set it
// inherits from its owner.
class TRpt : public TAligned {
 public:
  // Owner is nil only for a report.
  explicit TRpt(TRpt* owner);

  TRpt* Owner() const { return FOwner; }

  // The topmost element reached through the owners, if that is a report; otherwise nil.
  virtual TReport* Report();
  // The formatter laying out the report this element belongs to; nil when there is none.
  virtual TFormatter* Formatter() const;

  virtual const std::optional<TFont>& GetOwnFont() const { return FFont; }
  // Keeps a copy of Font; nullopt returns to the inherited font.
  virtual void SetFont(const std::optional<TFont>& font) { FFont = font; }
  // The element's own font, else its owner's effective font; nil when no element has one.
  virtual const TFont* GetFont() const;
  virtual const std::optional<TPen>& GetOwnPen() const { return FPen; }
  virtual void SetPen(const std::optional<TPen>& pen) { FPen = pen; }
  virtual const TPen* GetPen() const;

  virtual const TSizeSpec& GetWidth() const { return FWidth; }
  virtual void SetWidth(const TSizeSpec& value) { FWidth = value; }
  virtual const TSizeSpec& GetHeight() const { return FHeight; }
  virtual void SetHeight(const TSizeSpec& value) { FHeight = value; }
  virtual bool WidthIsRelative() const { return GetWidth().IsRelative(); }
  virtual bool HeightIsRelative() const { return GetHeight().IsRelative(); }

  // A new, unmeasured box of the element's kind.
  virtual std::unique_ptr<TBox> CreateBox() = 0;
  // A box sized and measured for the formatter in use.
  virtual std::unique_ptr<TBox> MakeBox();
  virtual std::unique_ptr<TBox> MakeBoxWidth(int width);

  // Gives the element a copy of its effective font to change; raises EReportError when it has
  // none to copy.
  void CheckFont();
  void FontSize(TFontOp op, int points);
  void FontStyle(TFontOp op, TFontStyles styles);
  void SetBold(bool on);
  void FontColor(TColor color);

  // The formatter; raises EReportError when the element belongs to no formatter.
  TFormatter& CheckedFormatter() const;

 private:
  friend class TRptGroup;

  TRpt* FOwner;
  TSizeSpec FWidth{1.0F, suRelative};
  TSizeSpec FHeight{1.0F, suLines};
  std::optional<TFont> FFont;
  std::optional<TPen> FPen;
};

// A leaf with an empty box: spacers and fills.
class TRptElement : public TRpt {
 public:
  using TRpt::TRpt;
  std::unique_ptr<TBox> CreateBox() override;
};

// An end point of a horizontal rule. The begin liner of a linked pair draws the rule from its own
// box to its partner's box.
class TRptLiner : public TRptElement {
 public:
  // Sits at the bottom of its line unless told otherwise.
  explicit TRptLiner(TRpt* owner);
  ~TRptLiner() override;

  TRptLiner* Partner() const { return FPartner; }
  // Unlinks the old partner and links both ways; nil only unlinks.
  virtual void SetPartner(TRptLiner* liner);
  int LineCount() const { return FLineCount; }
  void SetLineCount(int value) { FLineCount = value; }
  virtual const TSizeSpec& GetLineWidth() const { return FLineWidth; }
  virtual void SetLineWidth(const TSizeSpec& value) { FLineWidth = value; }
  // The box made last, while it lives.
  TLinerBox* Box() const { return FBox; }

  std::unique_ptr<TBox> CreateBox() override;

 private:
  friend class TLinerBox;

  TRptLiner* FPartner = nullptr;
  int FLineCount = 1;
  TSizeSpec FLineWidth{1.0F, suUnits};
  TLinerBox* FBox = nullptr;
};

class TRptLinerBegin : public TRptLiner {
 public:
  using TRptLiner::TRptLiner;
};

class TRptLinerEnd : public TRptLiner {
 public:
  using TRptLiner::TRptLiner;
};

class TRptText : public TRptElement {
 public:
  explicit TRptText(TRpt* owner, const std::string& text = {});

  // The text as stored; GetText is what is shown.
  const std::string& Text() const { return FText; }
  virtual std::string GetText() const { return FText; }
  virtual void SetText(const std::string& text) { FText = text; }
  // Whether the text is cut at the edges of its box.
  bool Clip() const { return FClip; }
  void SetClip(bool value) { FClip = value; }

  std::unique_ptr<TBox> CreateBox() override;

 private:
  std::string FText;
  bool FClip = false;
};

// A text expanded when it is shown: the page number, the report's title, the current section or
// table, the date and time of formatting (see macros.h).
class TRptMacro : public TRptText {
 public:
  explicit TRptMacro(TRpt* owner, const std::string& text = {});
  // Stores the macro trimmed and in upper case.
  void SetText(const std::string& text) override;
  std::string GetText() const override;
};

// The prefix of a tree row, drawn as lines or characters (see treechars.h). It fills the height
// of its line so that the lines of adjacent rows meet.
class TRptTree : public TRptText {
 public:
  explicit TRptTree(TRpt* owner, const std::string& prefix = {});
  std::unique_ptr<TBox> CreateBox() override;
};

// A table column. Its box, kept from the last column layout, holds the column's position and
// width.
class TRptField : public TRptText {
 public:
  using TRptText::TRptText;
  TBox* Box() const { return FBox.get(); }
  // Takes Box over, freeing the old one.
  virtual void SetBox(std::unique_ptr<TBox> box);

 private:
  std::unique_ptr<TBox> FBox;
};

// A picture drawn by a callback into the room its box gets.
class TRptDraw : public TRptElement {
 public:
  TRptDraw(TRpt* owner, TDrawCallback callback, std::unique_ptr<TParam> param);

  const TDrawCallback& Callback() const { return FCallback; }
  void SetCallback(TDrawCallback callback) { FCallback = std::move(callback); }
  const TParam* Param() const { return FParam.get(); }
  void SetParam(std::unique_ptr<TParam> param) { FParam = std::move(param); }

  std::unique_ptr<TBox> CreateBox() override;

 private:
  TDrawCallback FCallback;
  std::unique_ptr<TParam> FParam;
};

}  // namespace ubic
