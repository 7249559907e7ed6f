#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ubic {

// A file that breaks the CSV rules; the message says where.
class ECsvError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads comma-separated records: fields may be quoted, with doubled quotes inside and line breaks
// kept; records end at LF or CR LF; a byte-order mark at the start is skipped. The text is given
// whole or read from a stream a block at a time, so that a file of any size takes little memory.
class TCsvReader {
 public:
  explicit TCsvReader(std::string text);
  // Reads Stream in blocks of BlockSize bytes (4 at least); a failed read raises ECsvError.
  explicit TCsvReader(std::istream& stream, std::size_t blockSize = 1 << 16);

  // Before the first record: the fields are separated by what the first record that is not empty
  // holds most of outside quotes, a comma, a semicolon or a tab (a comma when it holds none).
  // Spreadsheets set to a decimal comma write semicolons.
  void FindSeparator() { FFindSeparator = true; }

  // The next record, false at the end of the text. An unterminated quoted field raises
  // ECsvError; RecordLine then tells where its record starts. The views are valid until the
  // next call.
  bool Next(std::vector<std::string_view>& fields);
  // The 1-based line on which the record last returned starts.
  int RecordLine() const { return FRecordLine; }

 private:
  // Reads the next block after what is left of the text; false at the end of the stream.
  bool ReadBlock();
  void SkipByteOrderMark();
  // The end of the record at Position: its LF outside quotes, or the end of the text. Quotes
  // tells whether the record has any.
  std::size_t RecordEnd(bool& quotes);
  // The fields of a record that has quotes, unquoted into texts of their own.
  void Unquote(std::string_view record, std::vector<std::string_view>& fields);

  char FSeparator = ',';
  bool FFindSeparator = false;
  std::istream* FStream = nullptr;
  std::size_t FBlockSize = 0;
  std::string FText;
  std::size_t FPosition = 0;
  int FLine = 1;
  int FRecordLine = 0;
  std::vector<std::string> FUnquoted;
};

// A field as written: quoted only when it holds a comma, a quote, CR or LF (quotes doubled).
std::string CsvField(const std::string& text);
// Fields joined by commas, ended by "\n".
std::string CsvRecord(const std::vector<std::string>& fields);
// Fields already written as CsvField writes them, joined by commas, ended by "\n".
std::string JoinCsvFields(const std::vector<std::string>& fields);

}  // namespace ubic
