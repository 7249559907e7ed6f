#pragma once

#include <memory>
#include <string>
#include <vector>

#include "groups.h"

namespace ubic {

// Text that breaks into lines at the width it is laid out at. Its runs, texts with fonts of their
// own, are written into Runs as into a line, whose alignment the lines take; each layout at a
// width makes the lines anew, breaking after blanks and between an abbreviation's point and a
// letter, and a word wider than the whole width is broken between its characters, so that
// nothing reaches past the width and nothing is lost. Laid out without a width, it is one line.
class TRptParagraph : public TRptVerticalGroup {
 public:
  explicit TRptParagraph(TRpt* owner);

  // The runs, never printed themselves; only texts belong here.
  TRptLine& Runs() const { return *FRuns; }
  // The width of the widest word: the narrowest the paragraph gets without breaking a word.
  int WidestWord();

  std::unique_ptr<TBox> MakeBox() override;
  std::unique_ptr<TBox> MakeBoxWidth(int width) override;

 private:
  // A piece of the text of one run.
  struct TPiece {
    TRptText* Run;
    std::string Text;
  };
  using TPieces = std::vector<TPiece>;

  // The words, each with the blanks that follow it; a word may span runs.
  std::vector<TPieces> Words() const;
  int Width(const TPieces& pieces) const;
  std::vector<TPieces> BreakLines(int width) const;
  void MakeLines(const std::vector<TPieces>& lines);

  std::unique_ptr<TRptLine> FRuns;
};

}  // namespace ubic
