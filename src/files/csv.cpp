#include "csv.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include "foundation/translation.h"

namespace ubic::ubicstr {

constexpr const char* CsvCannotRead = UBIC_TEXT("Cannot read the file");
constexpr const char* CsvUnterminatedQuote = UBIC_TEXT("Unterminated quoted field");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

// The separator a record holds most of outside quotes; ties go to the earlier in the list.
char MostUsedSeparator(std::string_view record) {
  constexpr char kSeparators[] = {',', ';', '\t'};
  int counts[std::size(kSeparators)] = {};
  bool quoted = false;
  for (const char c : record) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    for (std::size_t s = 0; s < std::size(kSeparators); ++s) counts[s] += c == kSeparators[s];
  }
  return kSeparators[std::max_element(std::begin(counts), std::end(counts)) - std::begin(counts)];
}

}  // namespace

TCsvReader::TCsvReader(std::string text) : FText(std::move(text)) {
  SkipByteOrderMark();
}

TCsvReader::TCsvReader(std::istream& stream, std::size_t blockSize)
    : FStream(&stream), FBlockSize(std::max<std::size_t>(blockSize, 4)) {
  // The first block holds the whole mark: it is longer than the mark unless the file is shorter.
  ReadBlock();
  SkipByteOrderMark();
}

void TCsvReader::SkipByteOrderMark() {
  if (FText.rfind("\xEF\xBB\xBF", 0) == 0) FPosition = 3;
}

bool TCsvReader::ReadBlock() {
  if (FStream == nullptr) return false;
  // Only the record being read is still needed.
  FText.erase(0, FPosition);
  FPosition = 0;
  const std::size_t kept = FText.size();
  FText.resize(kept + FBlockSize);
  FStream->read(FText.data() + kept, static_cast<std::streamsize>(FBlockSize));
  if (FStream->bad()) throw ECsvError(Utf8Message(ubicstr::CsvCannotRead));
  FText.resize(kept + static_cast<std::size_t>(FStream->gcount()));
  return FText.size() > kept;
}

std::size_t TCsvReader::RecordEnd(bool& quotes) {
  // Offsets from the record's start, which a new block moves.
  std::size_t scanned = 0;
  bool quoted = false;
  for (;;) {
    const char* begin = FText.data() + FPosition + scanned;
    const char* last = FText.data() + FText.size();
    // A line break inside quotes belongs to the field.
    const auto* lineEnd =
        quoted ? nullptr : static_cast<const char*>(std::memchr(begin, '\n', last - begin));
    const char* stop = lineEnd != nullptr ? lineEnd : last;
    if (const auto* quote = static_cast<const char*>(std::memchr(begin, '"', stop - begin))) {
      quotes = true;
      quoted = !quoted;
      scanned = static_cast<std::size_t>(quote + 1 - (FText.data() + FPosition));
    } else if (lineEnd != nullptr) {
      return static_cast<std::size_t>(lineEnd - FText.data());
    } else {
      scanned = FText.size() - FPosition;
      if (!ReadBlock()) {
        if (quoted) throw ECsvError(Utf8Message(ubicstr::CsvUnterminatedQuote));
        return FText.size();
      }
    }
  }
}

bool TCsvReader::Next(std::vector<std::string_view>& fields) {
  fields.clear();
  if (FPosition == FText.size() && !ReadBlock()) return false;
  FRecordLine = FLine;
  bool quotes = false;
  const std::size_t end = RecordEnd(quotes);
  std::string_view record(FText.data() + FPosition, end - FPosition);
  const bool lineEnds = end < FText.size();
  FPosition = lineEnds ? end + 1 : end;
  ++FLine;
  if (lineEnds && !record.empty() && record.back() == '\r') record.remove_suffix(1);
  if (FFindSeparator && !record.empty()) {
    FSeparator = MostUsedSeparator(record);
    FFindSeparator = false;
  }
  if (quotes) {
    FLine += static_cast<int>(std::count(record.begin(), record.end(), '\n'));
    Unquote(record, fields);
    return true;
  }
  for (;;) {
    const std::size_t separator = record.find(FSeparator);
    fields.push_back(record.substr(0, separator));
    if (separator == std::string_view::npos) return true;
    record.remove_prefix(separator + 1);
  }
}

void TCsvReader::Unquote(std::string_view record, std::vector<std::string_view>& fields) {
  std::size_t count = 0;
  auto nextField = [this, &count]() -> std::string& {
    if (count == FUnquoted.size()) FUnquoted.emplace_back();
    std::string& field = FUnquoted[count++];
    field.clear();
    return field;
  };
  std::string* field = &nextField();
  bool quoted = false;
  for (std::size_t i = 0; i < record.size(); ++i) {
    const char c = record[i];
    if (quoted && c == '"') {
      // A doubled quote stands for one; a single quote ends the quoted part.
      if (i + 1 < record.size() && record[i + 1] == '"') {
        *field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (!quoted && c == '"') {
      quoted = true;
    } else if (!quoted && c == FSeparator) {
      field = &nextField();
    } else {
      *field += c;
    }
  }
  for (std::size_t i = 0; i < count; ++i) fields.emplace_back(FUnquoted[i]);
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
