#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace ubic {

// A file that breaks the CSV rules; the message says where.
class ECsvError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads comma-separated records: fields may be quoted, with doubled quotes inside and line breaks
// kept; records end at LF or CR LF; a byte-order mark at the start is skipped.
class TCsvReader {
 public:
  explicit TCsvReader(std::string text);

  // The next record, false at the end of the text. An unterminated quoted field raises
  // ECsvError; RecordLine then tells where its record starts.
  bool Next(std::vector<std::string>& fields);
  // The 1-based line on which the record last returned starts.
  int RecordLine() const { return FRecordLine; }

 private:
  std::string FText;
  std::size_t FPosition = 0;
  int FLine = 1;
  int FRecordLine = 0;
};

// A field as written: quoted only when it holds a comma, a quote, CR or LF (quotes doubled).
std::string CsvField(const std::string& text);
// Fields joined by commas, ended by "\n".
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace ubic
