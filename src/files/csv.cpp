#include "csv.h"

#include <utility>

namespace ubic {

TCsvReader::TCsvReader(std::string text) : FText(std::move(text)) {
  if (FText.rfind("\xEF\xBB\xBF", 0) == 0) FPosition = 3;
}

bool TCsvReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  if (FPosition >= FText.size()) return false;
  FRecordLine = FLine;
  std::string field;
  bool quoted = false;
  for (;;) {
    if (FPosition >= FText.size()) {
      if (quoted) {
        throw ECsvError("Unterminated quoted field");
      }
      fields.push_back(std::move(field));
      return true;
    }
    const char c = FText[FPosition++];
    if (quoted) {
      if (c == '"' && FPosition < FText.size() && FText[FPosition] == '"') {
        field += '"';
        ++FPosition;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++FLine;
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.push_back(std::move(field));
      field.clear();
    } else if (c == '\n' || (c == '\r' && FPosition < FText.size() && FText[FPosition] == '\n')) {
      if (c == '\r') ++FPosition;
      ++FLine;
      fields.push_back(std::move(field));
      return true;
    } else {
      field += c;
    }
  }
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    record += CsvField(fields[i]);
  }
  return record + "\n";
}

}  // namespace ubic
