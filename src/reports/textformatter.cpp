#include "textformatter.h"

#include <algorithm>
#include <climits>

#include "foundation/checkedint.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "reporterror.h"
#include "treechars.h"

namespace ubic {
namespace {

constexpr char kSingleRule = '\xC4';
constexpr char kDoubleRule = '\xCD';
constexpr std::string_view kPicturePlaceholder = "*Graphic*";
constexpr std::string_view kAbortedLine = "*** ABORTED ***";

// Lays a report out exactly as the text formatter does but leaves out tree prefixes and rules.
// Where its pages differ from the text formatter's, a character is part of a tree or a rule.
class TTextOnlyFormatter : public TTextFormatter {
 public:
  using TTextFormatter::TTextFormatter;
  void DrawTree(const TRect&, const std::string&) override {}
  void DrawLiner(const TRect&, const TRect&, int) override {}
};

// The Unicode character of a code-page-437 box-drawing code that trees and rules are made of.
char32_t BoxCharacter(char code) {
  switch (code) {
    case kTreeVertical:
      return U'\u2502';
    case kTreeBranch:
      return U'\u251C';
    case kTreeLastBranch:
      return U'\u2514';
    case kTreeHorizontal:
      return U'\u2500';
    case kDoubleRule:
      return U'\u2550';
    default:
      return Cp1250ToUnicode(static_cast<unsigned char>(code));
  }
}

std::string Utf8Line(const std::string& full, const std::string& textOnly) {
  std::string line;
  for (std::size_t i = 0; i < full.size(); ++i) {
    const char textChar = i < textOnly.size() ? textOnly[i] : ' ';
    AppendUtf8(line, full[i] != textChar ? BoxCharacter(full[i])
                                         : Cp1250ToUnicode(static_cast<unsigned char>(full[i])));
  }
  return line;
}

bool Drawable(const TRect& rect, std::string_view text) {
  return rect.Top >= 0 && rect.Top <= rect.Bottom && !text.empty();
}

// Whether a character shows on the page: neither a blank nor a control character.
bool IsInk(char c) {
  return static_cast<unsigned char>(c) > ' ' && c != '\x7F';
}

}  // namespace

// --- TTextPage ---

TTextPage::TTextPage(int width)
    : TStrList(false, false, TDuplicates::Accept),
      FWidth(std::max(0, width)),
      FBlank(static_cast<std::size_t>(FWidth), ' ') {}

int TTextPage::LineLimit(long long wanted) const {
  const long long limit = FWidth > 0 ? std::min<long long>(wanted, FWidth) : wanted;
  return static_cast<int>(std::clamp<long long>(limit, 0, INT_MAX));
}

void TTextPage::MakeRoom(const TRect& rect) {
  while (Count() <= rect.Bottom) Add(FBlank);
  if (rect.Top < 0) return;
  const int length = LineLimit(static_cast<long long>(rect.Right) + 1);
  const std::string& line = Get(rect.Top);
  if (static_cast<int>(line.size()) < length) {
    Put(rect.Top, line + std::string(static_cast<std::size_t>(length) - line.size(), ' '));
  }
}

void TTextPage::VisibleRun(int row, int column, long long length, int firstVisible, int lastVisible,
                           long long& from, long long& to) const {
  from = 0;
  to = 0;
  if (row < 0 || row >= Count()) return;
  const long long lineEnd = static_cast<long long>(Get(row).size()) - 1;
  const long long first = std::max<long long>({0, firstVisible, column});
  const long long last = std::min<long long>({lineEnd, lastVisible, column + length - 1});
  if (first > last) return;
  from = first - column;
  to = last - column + 1;
}

template <class Replace>
void TTextPage::ReplaceRun(int row, int column, long long length, int firstVisible, int lastVisible,
                           Replace replace) {
  long long from = 0;
  long long to = 0;
  VisibleRun(row, column, length, firstVisible, lastVisible, from, to);
  if (from >= to) return;
  std::string line = Get(row);
  replace(line, static_cast<std::size_t>(column + from), static_cast<std::size_t>(from),
          static_cast<std::size_t>(to - from));
  Put(row, line);
}

template <class Inked>
void TTextPage::NoteCut(int row, int column, long long length, int firstVisible, int lastVisible,
                        Inked inked) {
  if (FWidth <= 0 || row < 0 || row >= Count()) return;
  const long long first = std::max<long long>({FWidth, firstVisible, column});
  const long long last = std::min<long long>(lastVisible, column + length - 1);
  if (first <= last && inked(first - column, last - column + 1)) FCutRows.insert(row);
}

void TTextPage::Write(int row, int column, std::string_view text, int firstVisible,
                      int lastVisible) {
  NoteCut(row, column, static_cast<long long>(text.size()), firstVisible, lastVisible,
          [text](long long from, long long to) {
            const std::string_view beyond =
                text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
            return std::any_of(beyond.begin(), beyond.end(), IsInk);
          });
  ReplaceRun(row, column, static_cast<long long>(text.size()), firstVisible, lastVisible,
             [text](std::string& line, std::size_t position, std::size_t from, std::size_t count) {
               line.replace(position, count, BlankControls(std::string(text.substr(from, count))));
             });
}

void TTextPage::Fill(int row, int column, long long count, char c, int firstVisible,
                     int lastVisible) {
  NoteCut(row, column, count, firstVisible, lastVisible,
          [c](long long, long long) { return IsInk(c); });
  ReplaceRun(row, column, count, firstVisible, lastVisible,
             [c](std::string& line, std::size_t position, std::size_t, std::size_t length) {
               line.replace(position, length, length, c);
             });
}

void TTextPage::StripTrailingBlanks() {
  for (int i = 0; i < Count(); ++i) {
    const std::string& line = Get(i);
    const std::size_t end = line.find_last_not_of(' ');
    const std::size_t length = end == std::string::npos ? 0 : end + 1;
    if (length < line.size()) Put(i, line.substr(0, length));
  }
}

// --- TTextFormatter ---

TTextFormatter::TTextFormatter(TReport* report, const TPoint& pageSize, const TPoint& origin)
    : TFormatter(report, origin, pageSize) {}

TTextPage& TTextFormatter::CurrentPage() {
  if (FPages.empty()) throw EReportError("TTextFormatter: no page to draw on");
  return *FPages.back();
}

void TTextFormatter::BeginFormat() {
  TFormatter::BeginFormat();
  FPages.clear();
}

void TTextFormatter::NewPage() {
  TFormatter::NewPage();
  FPages.push_back(std::make_unique<TTextPage>(CheckedAdd(Origin().X, PageSize().X)));
}

void TTextFormatter::EndPage() {
  TFormatter::EndPage();
  CurrentPage().StripTrailingBlanks();
}

int TTextFormatter::TextWidth(const std::string& text) {
  if (text.size() > static_cast<std::size_t>(INT_MAX)) throw EIntOverflow();
  return static_cast<int>(text.size());
}

int TTextFormatter::TextHeight(const std::string&) {
  return 1;
}

int TTextFormatter::TreeWidth(const std::string& prefix) {
  return CheckedMultiply(TextWidth(prefix), TreeIndent());
}

int TTextFormatter::SpecToUnits(const TSizeSpec& spec) {
  const auto value = static_cast<double>(spec.Value);
  switch (spec.Kind) {
    case suRelative:
      return -1;
    case suMillimetres:
      return RoundHalfToEven(value * 0.3937007874015748);
    case suInches:
      return RoundHalfToEven(value * 10.0);
    case suPoints:
      return RoundHalfToEven(value * 0.1383700013837);
    default:
      return RoundHalfToEven(value);
  }
}

void TTextFormatter::DrawText(const TRect& rect, const std::string& text) {
  if (!Drawable(rect, text)) return;
  TTextPage& page = CurrentPage();
  page.MakeRoom(rect);
  page.Write(rect.Top, rect.Left, text, 0, INT_MAX);
}

void TTextFormatter::DrawTextClipped(const TRect& rect, const TRect& clipRect,
                                     const std::string& text) {
  if (!Drawable(rect, text) || rect.Top < clipRect.Top || rect.Top > clipRect.Bottom) return;
  TTextPage& page = CurrentPage();
  page.MakeRoom(rect);
  page.Write(rect.Top, rect.Left, text, clipRect.Left, clipRect.Right);
}

void TTextFormatter::DrawTree(const TRect& rect, const std::string& prefix) {
  DrawText(rect, TreeText(TreeCharSet(), TreeIndent(), prefix));
}

void TTextFormatter::DrawLiner(const TRect& beginRect, const TRect& endRect, int count) {
  if (beginRect.Top != endRect.Top || beginRect.Left > endRect.Right || beginRect.Top < 0) return;
  TTextPage& page = CurrentPage();
  // The rule makes room for its whole length: it is drawn before the texts of its line.
  page.MakeRoom({beginRect.Left, beginRect.Top, endRect.Right, beginRect.Bottom});
  const long long length = static_cast<long long>(endRect.Right) - beginRect.Left + 1;
  page.Fill(beginRect.Top, beginRect.Left, length, count < 2 ? kSingleRule : kDoubleRule, 0,
            INT_MAX);
}

void TTextFormatter::DrawPicture(const TRect& rect, const TDrawCallback&, const TParam*) {
  DrawTextClipped(rect, rect, std::string(kPicturePlaceholder));
}

int TTextFormatter::CutLineCount() const {
  int count = 0;
  for (const auto& page : FPages) count = CheckedAdd(count, page->CutLineCount());
  return count;
}

int TTextFormatter::WidestLine() const {
  std::size_t widest = 0;
  for (const auto& page : FPages) {
    for (int i = 0; i < page->Count(); ++i) widest = std::max(widest, page->Get(i).size());
  }
  if (widest > static_cast<std::size_t>(INT_MAX)) throw EIntOverflow();
  return static_cast<int>(widest);
}

template <class Line>
std::string TTextFormatter::JoinPages(std::string_view lineEnd, Line line) const {
  std::string text;
  bool first = true;
  for (std::size_t p = 0; p < FPages.size(); ++p) {
    const TTextPage& page = *FPages[p];
    if (page.Empty()) continue;
    if (!first) text += '\f';
    first = false;
    for (int i = 0; i < Origin().Y; ++i) text += lineEnd;
    for (int i = 0; i < page.Count(); ++i) {
      text += line(p, i);
      text += lineEnd;
    }
  }
  if (Aborted()) {
    text += kAbortedLine;
    text += lineEnd;
  }
  return text;
}

std::string TTextFormatter::PagesText(std::string_view lineEnd) const {
  return JoinPages(lineEnd, [this](std::size_t p, int i) { return FPages[p]->Get(i); });
}

std::string TTextFormatter::Utf8PagesText(std::string_view lineEnd) {
  TTextOnlyFormatter textOnly(&Report(), PageSize(), Origin());
  textOnly.SetClock([time = StartTime()] { return time; });
  textOnly.SetDateFormats(DateFormats());
  textOnly.SetTreeCharSet(TreeCharSet());
  textOnly.SetTreeIndent(TreeIndent());
  textOnly.SetFromPage(FromPage());
  textOnly.SetToPage(ToPage());
  textOnly.SetFirstPageNumber(FirstPageNumber());
  textOnly.Execute();
  return JoinPages(lineEnd, [this, &textOnly](std::size_t p, int i) {
    const std::string& full = FPages[p]->Get(i);
    const int page = static_cast<int>(p);
    const bool laidOut = page < textOnly.PageCount() && i < textOnly.Page(page).Count();
    return Utf8Line(full, laidOut ? textOnly.Page(page).Get(i) : std::string());
  });
}

void TTextFormatter::WritePages(const std::string& fileName) const {
  WriteFileSafely(fileName, PagesText());
}

}  // namespace ubic
