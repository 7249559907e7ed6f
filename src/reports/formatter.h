#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aligned.h"
#include "boxes.h"
#include "datetimeformat.h"
#include "drawing.h"
#include "fonts.h"
#include "foundation/object.h"
#include "geometry.h"
#include "layoutrandom.h"
#include "treechars.h"

namespace ubic {

class TReport;
class TRpt;
class TRptGroup;
class TRptSection;
class TRptTable;

// Lays out one report for one kind of device and cuts it into pages. The base keeps the stack of
// elements being measured or drawn (which decides the current font and pen), runs the
// formatting pass, breaks pages by the groups' keep rules and builds every page from the page
// header, the running header, the body boxes and the page footer.
//
// A formatter for a device implements the measuring and drawing operations (TextWidth to
// DrawPicture) in its device units, and may override SetFont, SetPen, BeginFormat, NewPage and
// EndPage to manage its pages. Its measuring and drawing operations call UseCurrentFont or
// UseCurrentPen first, which select the current element's effective font or pen through SetFont
// and SetPen only when it changed; a formatter that switches to another drawing surface calls
// ForgetDeviceState so that the next operation selects them afresh.
//
// The report must outlive its formatter.
class TFormatter : public TObject {
 public:
  // (sender, pages started, boxes on the current page, boxes of the report, boxes placed)
  using TPageEvent = std::function<void(TFormatter& sender, int pageNo, int boxesOnPage,
                                        int totalBoxes, int boxesDone)>;
  using TClock = std::function<TDateTime()>;

  // Origin is the device position of the page body (the left and top margins). A page width of 0
  // or less imposes no width; a page height below 1 makes one endless page.
  TFormatter(TReport* report, const TPoint& origin, const TPoint& pageSize);
  ~TFormatter() override;

  TReport& Report() const { return *FReport; }
  const TPoint& Origin() const { return FOrigin; }
  const TPoint& PageSize() const { return FPageSize; }

  // The time shown by the date and time macros: the clock's time when the formatter was made and
  // when formatting starts. The system clock unless another is set.
  const TDateTime& StartTime() const { return FStartTime; }
  void SetClock(TClock clock);
  // The user's locale's formats unless others are set.
  const TDateFormats& DateFormats() const { return FDateFormats; }
  void SetDateFormats(const TDateFormats& formats) { FDateFormats = formats; }

  int TreeCharSet() const { return FTreeCharSet; }
  void SetTreeCharSet(int value) { FTreeCharSet = value; }
  // Device columns per prefix character; never below 0.
  int TreeIndent() const { return FTreeIndent; }
  void SetTreeIndent(int value);
  // Pages outside FromPage..ToPage are laid out but not drawn; ToPage below 1 means no limit.
  int FromPage() const { return FFromPage; }
  void SetFromPage(int value) { FFromPage = value; }
  int ToPage() const { return FToPage; }
  void SetToPage(int value) { FToPage = value; }
  // The number the first page carries.
  int FirstPageNumber() const { return FFirstPageNumber; }
  void SetFirstPageNumber(int value) { FFirstPageNumber = value; }

  // The current line height, computed from the current font when undetermined.
  int LineHeight();
  int PageNo() const { return FPageNo; }
  TRptSection* CurrentSection() const {
    return FContexts.empty() ? nullptr : FContexts.back().Section;
  }
  TRptTable* CurrentTable() const { return FContexts.empty() ? nullptr : FContexts.back().Table; }
  TRptGroup* PageHeaderGroup() const { return FPageHeaderGroup; }
  TRptGroup* PageFooterGroup() const { return FPageFooterGroup; }
  TRptGroup* RunningHeaderGroup() const {
    return FContexts.empty() ? nullptr : FContexts.back().RunningHeader;
  }
  // Height still free on the current page.
  int Remaining() const { return FRemaining; }
  int TotalBoxes() const { return FTotalBoxes; }
  int BoxesDone() const { return FBoxesDone; }
  int BoxesOnPage() const { return FBoxesOnPage; }
  bool Aborted() const { return FAborted; }
  bool Formatting() const { return FFormatting; }
  void SetOnNewPage(TPageEvent handler) { FOnNewPage = std::move(handler); }
  void SetOnProgress(TPageEvent handler) { FOnProgress = std::move(handler); }

  // The element whose font and pen are in use; raises EReportError when the stack is empty.
  TRpt& Current() const;
  int StackDepth() const { return static_cast<int>(FStack.size()); }
  // Chooses the fill boxes that get the leftover units of spare space; seeded afresh by every
  // run, so that a report always lays out the same.
  TLayoutRandom& LayoutRandom() { return FLayoutRandom; }

  // Select a font or pen into the device (nil: the device's default).
  virtual void SetFont(const TFont* font);
  virtual void SetPen(const TPen* pen);
  virtual void ComputeLineHeight();
  virtual void ResetLineHeight();
  virtual void Push(TRpt* element);
  virtual void Pop();
  // The current section and table, the running header, the page header and footer from the
  // stack: the innermost section or table decides the running header.
  virtual void UpdateContext();
  virtual std::unique_ptr<TBox> MakeGroupBox(TRptGroup& group);
  virtual std::unique_ptr<TBox> MakeReportBox();
  virtual void BeginFormat();
  virtual void EndFormat();
  virtual bool PageInRange(int page) const;
  virtual void NewPage();
  virtual void EndPage();
  // Starts a new page unless the current one holds no body box yet.
  virtual void PageBreak();
  virtual bool Fits(int height) const;
  // Only vertical groups are split; lines never.
  virtual bool CanSplit(const TBox& box) const;
  // Whether Box should be placed whole; may start a new page first, by the box's keep rule: -2
  // always, -1 when the box does not fit, 0 never for a group that may be split, and N when its
  // first N children do not fit (the rest of such a group may then go on to the next pages).
  virtual bool EnsureRoom(TBox& box);
  // Places Box on the current page, or its children one by one when it is split.
  virtual void Place(TBox& box);

  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual int TreeWidth(const std::string& prefix) = 0;
  // A wanted size in device units, rounded halves to even; -1 for a relative one.
  virtual int SpecToUnits(const TSizeSpec& spec) = 0;
  virtual void DrawText(const TRect& rect, const std::string& text) = 0;
  virtual void DrawTextClipped(const TRect& rect, const TRect& clipRect,
                               const std::string& text) = 0;
  virtual void DrawTree(const TRect& rect, const std::string& prefix) = 0;
  // A rule from the begin liner's content to the end liner's, Count lines thick.
  virtual void DrawLiner(const TRect& beginRect, const TRect& endRect, int count) = 0;
  virtual void DrawPicture(const TRect& rect, const TDrawCallback& callback,
                           const TParam* param) = 0;

  // The whole formatting run: the report's box, then its pages.
  virtual void Execute();
  // Stops placing at the next box; callable from the notifications.
  virtual void Abort() { FAborted = true; }

 protected:
  void UseCurrentFont();
  void UseCurrentPen();
  void ForgetDeviceState();
  void SetOrigin(const TPoint& value) { FOrigin = value; }
  void SetPageSize(const TPoint& value) { FPageSize = value; }
  TPageBox& PageBox() const { return *FPageBox; }

 private:
  void AddHeaderBox(TRptGroup* group, std::unique_ptr<TBox>& box, bool addToPage);
  void Notify(const TPageEvent& handler);
  int HeightOfFirst(const TBox& box, int count) const;
  // Frees the header and footer boxes and lets go of the page's boxes.
  void DropPageBoxes();
  // After a failed run: no context, no open page, no boxes of the run.
  void AbandonRun();

  TReport* FReport;
  TPoint FOrigin;
  TPoint FPageSize;
  TClock FClock;
  TDateTime FStartTime;
  TDateFormats FDateFormats;
  int FTreeCharSet = tcBoxDrawing;
  int FTreeIndent = 2;
  int FFromPage = 1;
  int FToPage = -1;
  int FFirstPageNumber = 1;
  int FLineHeight = -1;
  std::vector<TRpt*> FStack;
  bool FFontValid = false;
  bool FPenValid = false;
  // What the device has selected, to notice a change that the stack rules miss.
  const TFont* FSelectedFont = nullptr;
  const TPen* FSelectedPen = nullptr;
  std::unique_ptr<TPageBox> FPageBox;
  int FPageNo = 0;
  // What each element of the stack makes current, from the bottom up to it; kept from one
  // UpdateContext to the next, so that pushing or popping one element costs one step.
  struct TStackContext {
    const TRpt* Element = nullptr;
    TRptSection* Section = nullptr;
    TRptTable* Table = nullptr;
    TRptGroup* RunningHeader = nullptr;
    TReport* Report = nullptr;
  };
  std::vector<TStackContext> FContexts;
  TRptGroup* FPageHeaderGroup = nullptr;
  TRptGroup* FPageFooterGroup = nullptr;
  std::unique_ptr<TBox> FHeaderBox;
  std::unique_ptr<TBox> FFooterBox;
  std::unique_ptr<TBox> FRunningBox;
  int FRemaining = 0;
  int FTotalBoxes = 0;
  int FBoxesDone = 0;
  int FBoxesOnPage = 0;
  bool FAborted = false;
  bool FFormatting = false;
  TPageEvent FOnNewPage;
  TPageEvent FOnProgress;
  TLayoutRandom FLayoutRandom;
};

// Makes an element the formatter's current one for the lifetime of the scope.
class TCurrentElement {
 public:
  TCurrentElement(TFormatter& formatter, TRpt* element) : FFormatter(formatter) {
    FFormatter.Push(element);
  }
  TCurrentElement(const TCurrentElement&) = delete;
  TCurrentElement& operator=(const TCurrentElement&) = delete;
  ~TCurrentElement() { FFormatter.Pop(); }

 private:
  TFormatter& FFormatter;
};

}  // namespace ubic
