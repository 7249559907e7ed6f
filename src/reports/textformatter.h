#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "formatter.h"
#include "foundation/strlist.h"

namespace ubic {

// One page of fixed-width text, one string per line. Lines are Width characters long until the
// page is finished, so that text beyond the page's right edge is cut; a page of width 0 has
// lines as long as the text written into them. Lines are added as far down as text is written.
class TTextPage : public TStrList {
 public:
  explicit TTextPage(int width);

  int Width() const { return FWidth; }
  const std::string& Blank() const { return FBlank; }

  // Lines exist down to Rect's bottom row and the line of its top row reaches its right edge
  // (within the page's width).
  void MakeRoom(const TRect& rect);
  // Writes Text into line Row from Column on, character over character. Characters before
  // column 0, beyond the line's end or outside FirstVisible..LastVisible are dropped, and so is
  // a row above the page or below its last line. A control character (a tab, a form feed, an
  // escape) is written as a blank, so that it can neither shift columns nor break pages.
  void Write(int row, int column, std::string_view text, int firstVisible, int lastVisible);
  // Writes Count copies of C the same way.
  void Fill(int row, int column, long long count, char c, int firstVisible, int lastVisible);
  void StripTrailingBlanks();
  // The lines of which Write or Fill dropped something but blanks beyond the page's right edge.
  int CutLineCount() const { return static_cast<int>(FCutRows.size()); }

 private:
  int LineLimit(long long wanted) const;
  // The columns of a run of Length characters from Column that land on line Row, as a range
  // [From, To) of positions in the run; empty when none does.
  void VisibleRun(int row, int column, long long length, int firstVisible, int lastVisible,
                  long long& from, long long& to) const;
  // Replaces the visible part of such a run on line Row: Replace(line, position, from, count)
  // puts the run's characters From to From + Count at Position of the line.
  template <class Replace>
  void ReplaceRun(int row, int column, long long length, int firstVisible, int lastVisible,
                  Replace replace);
  // Notes line Row as cut when the run of Length characters from Column reaches beyond the right
  // edge within FirstVisible..LastVisible and Inked(from, to) tells that the run's positions
  // [From, To) there hold more than blanks.
  template <class Inked>
  void NoteCut(int row, int column, long long length, int firstVisible, int lastVisible,
               Inked inked);

  int FWidth;
  std::string FBlank;
  std::set<int> FCutRows;
};

// Renders a report into pages of fixed-width characters: one device unit is one character
// across and one line down, 10 of each to the inch.
class TTextFormatter : public TFormatter {
 public:
  TTextFormatter(TReport* report, const TPoint& pageSize, const TPoint& origin = {});

  int PageCount() const { return static_cast<int>(FPages.size()); }
  const TTextPage& Page(int index) const { return *FPages.at(static_cast<std::size_t>(index)); }

  void BeginFormat() override;
  void NewPage() override;
  void EndPage() override;

  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  int TreeWidth(const std::string& prefix) override;
  int SpecToUnits(const TSizeSpec& spec) override;
  void DrawText(const TRect& rect, const std::string& text) override;
  void DrawTextClipped(const TRect& rect, const TRect& clipRect, const std::string& text) override;
  void DrawTree(const TRect& rect, const std::string& prefix) override;
  // Single rules in 0xC4, double ones in 0xCD (code page 437).
  void DrawLiner(const TRect& beginRect, const TRect& endRect, int count) override;
  // The text formatter has no canvas: pictures show as "*Graphic*".
  void DrawPicture(const TRect& rect, const TDrawCallback& callback, const TParam* param) override;

  // The pages as a text file holds them: a form feed between pages with lines, Origin.y empty
  // lines before each page's lines, every line ended by LineEnd, and "*** ABORTED ***" last
  // after an aborted run.
  std::string PagesText(std::string_view lineEnd = "\r\n") const;
  // The pages laid out as PagesText does, as UTF-8: trees and rules in Unicode box-drawing
  // characters, all else read as Windows-1250. The report is laid out once more, with this
  // formatter's settings, to tell the trees and rules from the text.
  std::string Utf8PagesText(std::string_view lineEnd = "\n");
  // PagesText written to FileName; a failure raises EFileError and leaves the old file as it
  // was.
  void WritePages(const std::string& fileName) const;
  // The number of lines cut at the right edge of their page, over all pages.
  int CutLineCount() const;
  // The length of the longest line of all pages.
  int WidestLine() const;

 private:
  TTextPage& CurrentPage();
  // The non-empty pages, a form feed between them, each line turned into text by
  // Line(page index, line index) and ended by LineEnd, with the lines of the origin and the
  // aborted line.
  template <class Line>
  std::string JoinPages(std::string_view lineEnd, Line line) const;

  std::vector<std::unique_ptr<TTextPage>> FPages;
};

}  // namespace ubic
