#include "paragraph.h"

#include <cctype>
#include <climits>

#include "formatter.h"
#include "foundation/checkedint.h"
#include "reporterror.h"

namespace ubic {
namespace {

bool IsBlank(char c) {
  return c == ' ';
}

}  // namespace

TRptParagraph::TRptParagraph(TRpt* owner)
    : TRptVerticalGroup(owner), FRuns(std::make_unique<TRptLine>(this)) {
  // A paragraph is a cell's or a section's text; pages may break between its lines.
  SetKeep(kKeepNone);
}

std::vector<TRptParagraph::TPieces> TRptParagraph::Words() const {
  std::vector<TPieces> words;
  bool afterBlank = true;
  char previous = ' ';
  for (int i = 0; i < FRuns->Count(); ++i) {
    auto* run = dynamic_cast<TRptText*>(FRuns->GetItem(i));
    if (run == nullptr) throw EReportError("TRptParagraph: only texts can be runs");
    for (const char c : run->GetText()) {
      // An abbreviation's point before a letter is a place to break too ("Glob.norm.").
      const bool afterPoint = previous == '.' && std::isalpha(static_cast<unsigned char>(c));
      if (words.empty() || (afterBlank && !IsBlank(c)) || afterPoint) words.emplace_back();
      afterBlank = IsBlank(c);
      previous = c;
      TPieces& word = words.back();
      if (word.empty() || word.back().Run != run) word.push_back({run, {}});
      word.back().Text += c;
    }
  }
  return words;
}

namespace {

template <class Piece>
void Append(std::vector<Piece>& to, const std::vector<Piece>& from) {
  for (const Piece& piece : from) {
    if (!to.empty() && to.back().Run == piece.Run) {
      to.back().Text += piece.Text;
    } else {
      to.push_back(piece);
    }
  }
}

// Pieces without the blanks at their end, which take no room at the end of a line.
template <class Piece>
std::vector<Piece> TrimEnd(std::vector<Piece> pieces) {
  while (!pieces.empty()) {
    std::string& text = pieces.back().Text;
    while (!text.empty() && IsBlank(text.back())) text.pop_back();
    if (!text.empty()) break;
    pieces.pop_back();
  }
  return pieces;
}

// The first Count characters of Pieces, and what remains after them.
template <class Piece>
std::vector<Piece> SplitOff(std::vector<Piece>& pieces, std::size_t count) {
  std::vector<Piece> head;
  while (count > 0 && !pieces.empty()) {
    Piece& first = pieces.front();
    const std::size_t taken = std::min(count, first.Text.size());
    head.push_back({first.Run, first.Text.substr(0, taken)});
    first.Text.erase(0, taken);
    if (first.Text.empty()) pieces.erase(pieces.begin());
    count -= taken;
  }
  return head;
}

template <class Piece>
std::vector<Piece> Head(std::vector<Piece> pieces, std::size_t count) {
  return SplitOff(pieces, count);
}

template <class Piece>
std::size_t CharacterCount(const std::vector<Piece>& pieces) {
  std::size_t count = 0;
  for (const Piece& piece : pieces) count += piece.Text.size();
  return count;
}

}  // namespace

int TRptParagraph::Width(const TPieces& pieces) const {
  TFormatter& formatter = CheckedFormatter();
  int width = 0;
  for (const TPiece& piece : pieces) {
    // The run's own font, inherited through the paragraph as the lines made from it inherit it.
    const TCurrentElement current(formatter, piece.Run);
    width = CheckedAdd(width, formatter.TextWidth(piece.Text));
  }
  return width;
}

std::vector<TRptParagraph::TPieces> TRptParagraph::BreakLines(int width) const {
  std::vector<TPieces> lines;
  TPieces line;
  for (const TPieces& word : Words()) {
    TPieces candidate = line;
    Append(candidate, word);
    if (line.empty() || Width(TrimEnd(candidate)) <= width) {
      line = std::move(candidate);
    } else {
      lines.push_back(TrimEnd(std::move(line)));
      line = word;
    }
    // A word wider than a whole line keeps as many characters on each line as fit, one at least.
    while (CharacterCount(TrimEnd(line)) > 1 && Width(TrimEnd(line)) > width) {
      std::size_t fit = 1;
      while (Width(Head(line, fit + 1)) <= width) ++fit;
      lines.push_back(SplitOff(line, fit));
    }
  }
  if (!line.empty() || lines.empty()) lines.push_back(TrimEnd(std::move(line)));
  return lines;
}

void TRptParagraph::MakeLines(const std::vector<TPieces>& lines) {
  Clear();
  for (const TPieces& pieces : lines) {
    TRptLine& line = *AddLine();
    // The lines sit in the paragraph as the runs' line would: at its right for right-aligned runs.
    line.CopyAlignment(*FRuns);
    line.SetFont(FRuns->GetOwnFont());
    line.SetPen(FRuns->GetOwnPen());
    if (pieces.empty()) line.AddText("");
    for (const TPiece& piece : pieces) {
      TRptText& text = *line.AddText(piece.Text);
      text.CopyAlignment(*piece.Run);
      text.SetFont(piece.Run->GetOwnFont());
      text.SetPen(piece.Run->GetOwnPen());
    }
  }
}

int TRptParagraph::WidestWord() {
  int widest = 0;
  for (const TPieces& word : Words()) widest = std::max(widest, Width(TrimEnd(word)));
  return widest;
}

std::unique_ptr<TBox> TRptParagraph::MakeBox() {
  MakeLines(BreakLines(INT_MAX));
  return TRptVerticalGroup::MakeBox();
}

std::unique_ptr<TBox> TRptParagraph::MakeBoxWidth(int width) {
  MakeLines(BreakLines(width > 0 ? width : INT_MAX));
  return TRptVerticalGroup::MakeBoxWidth(width);
}

}  // namespace ubic
