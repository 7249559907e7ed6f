#include "csv.h"

#include <algorithm>
#include <utility>

namespace ubic {

TCsvReader::TCsvReader(std::string text) : FText(std::move(text)) {
  SkipByteOrderMark();
}

TCsvReader::TCsvReader(std::istream& stream, std::size_t blockSize)
    : FStream(&stream), FBlockSize(std::max<std::size_t>(blockSize, 4)) {
  // The first block holds the whole mark: it is longer than the mark unless the file is shorter.
  More();
  SkipByteOrderMark();
}

void TCsvReader::SkipByteOrderMark() {
  if (FText.rfind("\xEF\xBB\xBF", 0) == 0) FPosition = 3;
}

bool TCsvReader::More() {
  if (FPosition < FText.size()) return true;
  if (FStream == nullptr) return false;
  FText.resize(FBlockSize);
  FStream->read(FText.data(), static_cast<std::streamsize>(FBlockSize));
  if (FStream->bad()) throw ECsvError("Cannot read the file");
  FText.resize(static_cast<std::size_t>(FStream->gcount()));
  FPosition = 0;
  return !FText.empty();
}

std::size_t TCsvReader::RunEnd(bool quoted) const {
  const char* text = FText.data();
  std::size_t end = FPosition;
  if (quoted) {
    while (end < FText.size() && text[end] != '"') ++end;
  } else {
    while (end < FText.size() && text[end] != ',' && text[end] != '"' && text[end] != '\r' &&
           text[end] != '\n') {
      ++end;
    }
  }
  return end;
}

bool TCsvReader::Next(std::vector<std::string>& fields) {
  if (!More()) {
    fields.clear();
    return false;
  }
  FRecordLine = FLine;
  // The strings of the last record are filled again: a large file makes few allocations.
  std::size_t count = 0;
  auto nextField = [&fields, &count]() -> std::string& {
    if (count == fields.size()) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    return field;
  };
  std::string* field = &nextField();
  bool quoted = false;
  for (;;) {
    if (!More()) {
      if (quoted) throw ECsvError("Unterminated quoted field");
      break;
    }
    // The plain characters up to the next one that means something, in one piece.
    const std::size_t end = RunEnd(quoted);
    if (quoted) FLine += static_cast<int>(std::count(&FText[FPosition], FText.data() + end, '\n'));
    field->append(FText, FPosition, end - FPosition);
    FPosition = end;
    if (FPosition == FText.size()) continue;
    const char c = FText[FPosition++];
    if (quoted) {
      // A doubled quote stands for one; a single quote ends the quoted part.
      if (More() && FText[FPosition] == '"') {
        *field += '"';
        ++FPosition;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      field = &nextField();
    } else if (c == '\n' || (c == '\r' && More() && FText[FPosition] == '\n')) {
      if (c == '\r') ++FPosition;
      ++FLine;
      break;
    } else {
      *field += c;
    }
  }
  fields.resize(count);
  return true;
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
  std::vector<std::string> written;
  written.reserve(fields.size());
  for (const std::string& field : fields) written.push_back(CsvField(field));
  return JoinCsvFields(written);
}

std::string JoinCsvFields(const std::vector<std::string>& fields) {
  std::size_t size = fields.size() + 1;
  for (const std::string& field : fields) size += field.size();
  std::string record;
  record.reserve(size);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    record += fields[i];
  }
  return record + '\n';
}

}  // namespace ubic
