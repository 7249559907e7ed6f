#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace ubic {

// An error in the structure of a KVX file; the message tells the line around which it was found.
class EKvxError : public std::runtime_error {
 public:
  // Text is the complete description of the error; Line goes into the common prefix.
  EKvxError(int line, const std::string& text);
};

// Reads a KVX interchange file record by record. A record starts with a line whose first
// character is a blank; its first five characters, trimmed, name its section, and every following
// line that does not start with a blank continues it. A record is cut into items: whole lines, or
// words separated by blanks. An item's first character is its tag, the rest its value.
class TKvxParser {
 public:
  explicit TKvxParser(const std::vector<std::string>& lines);
  TKvxParser(const TKvxParser&) = delete;
  TKvxParser& operator=(const TKvxParser&) = delete;

  // No line left.
  bool Eof() const;
  // Reads the next record; false, with the section "EOF" and no items, at the end of the input.
  // A section name that is not a known one or the beginning of one raises EKvxError.
  bool Next();
  const std::string& Section() const { return FSection; }
  // The number of lines consumed.
  int LineIndex() const { return FLineIndex; }

  int ItemCount() const { return static_cast<int>(FRecordItems.size()); }
  // '\0' for an empty item and beyond the items.
  char ItemTag(int i) const;
  // Empty beyond the items.
  std::string ItemValue(int i) const;
  // The value as a signed decimal integer; raises EConvertError when it is none.
  int ItemInt(int i) const;

  // Raises EKvxError about the record just read.
  [[noreturn]] void Error(const std::string& text) const;

 private:
  const std::string& TakeLine();
  void AddWords(std::string text);
  bool IsWholeItem(const std::string& line) const;

  const std::vector<std::string>& FLines;
  int FLineIndex = 0;
  std::vector<std::string> FRecordItems;
  std::string FSection;
};

}  // namespace ubic
