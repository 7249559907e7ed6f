#pragma once

#include <string>

namespace ubic {

// Tree prefixes are built from five codes of the code-page-437 box-drawing set, one per column
// of the tree. Formatters draw them as lines or map them to characters of a character set.
inline constexpr char kTreeEmpty = '-';
inline constexpr char kTreeVertical = '\xB3';
inline constexpr char kTreeBranch = '\xC3';
inline constexpr char kTreeLastBranch = '\xC0';
inline constexpr char kTreeHorizontal = '\xC4';

// The character sets of tree prefixes drawn as characters.
enum TTreeCharSet : int {
  tcBlank = 0,
  // The code-page-437 box-drawing characters themselves.
  tcBoxDrawing = 1,
  // Plain ASCII: "|", "+" and "-".
  tcAscii = 2,
  tcDots = 3,
  tcDotsAndEmpty = 4,
  tcBars = 5,
};

// The character that draws prefix code C in the character set; anything that is not a prefix
// code, and any code in a set outside 0 to 5, is a blank.
char MapTreeChar(int charSet, char c);

// The prefix as characters, each prefix code followed by Indent - 1 pad characters: the
// horizontal line after a branch, so that the branch reaches its row's text, and blanks
// otherwise.
std::string TreeText(int charSet, int indent, const std::string& prefix);

}  // namespace ubic
