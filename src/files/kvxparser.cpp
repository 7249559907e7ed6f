#include "kvxparser.h"

#include <string_view>

#include "excerpt.h"
#include "foundation/checkedint.h"
#include "foundation/translation.h"
#include "foundation/utils.h"

namespace ubic::ubicstr {

constexpr const char* KvxErrorAtLine = UBIC_TEXT("Error reading KVX around line %d: %s");
constexpr const char* KvxUnknownSection = UBIC_TEXT("Unrecognized section \"%s\"");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

// A section name is accepted when a backslash followed by it occurs in the list, so that any
// leading part of a known name passes too, the empty name included.
constexpr std::string_view kSections = "\\KIV\\DKB\\ATT\\DOM\\GRP\\FNC\\OPT\\VAL\\RPT";
// Sections whose first text is one item: a name rather than words.
constexpr std::string_view kWholeTextSections = "\\DKB\\ATT\\GRP\\OPT";
constexpr std::size_t kSectionWidth = 5;

bool Lists(std::string_view sections, const std::string& section) {
  return sections.find("\\" + section) != std::string_view::npos;
}

bool StartsRecord(const std::string& line) {
  return !line.empty() && line[0] == ' ';
}

}  // namespace

EKvxError::EKvxError(int line, const std::string& text)
    : std::runtime_error(Format(ubicstr::KvxErrorAtLine, line, text)) {}

TKvxParser::TKvxParser(const std::vector<std::string>& lines) : FLines(lines) {}

bool TKvxParser::Eof() const {
  return static_cast<std::size_t>(FLineIndex) >= FLines.size();
}

const std::string& TKvxParser::TakeLine() {
  const std::string& line = FLines[FLineIndex];
  FLineIndex = CheckedAdd(FLineIndex, 1);
  return line;
}

bool TKvxParser::Next() {
  FRecordItems.clear();
  if (Eof()) {
    FSection = "EOF";
    return false;
  }
  const std::string& line = TakeLine();
  FSection = Trim(line.substr(0, kSectionWidth));
  const std::string rest = line.size() > kSectionWidth ? line.substr(kSectionWidth) : std::string();
  if (!Lists(kSections, FSection))
    Error(Format(ubicstr::KvxUnknownSection, ContentExcerpt(FSection)));
  if (Lists(kWholeTextSections, FSection)) {
    // The blank before the name is its tag.
    FRecordItems.push_back(" " + rest);
  } else {
    AddWords(rest);
  }
  while (!Eof() && !StartsRecord(FLines[FLineIndex])) {
    const std::string& next = TakeLine();
    if (IsWholeItem(next)) {
      FRecordItems.push_back(next);
    } else {
      AddWords(next);
    }
  }
  return true;
}

bool TKvxParser::IsWholeItem(const std::string& line) const {
  if (line.empty()) return false;
  // Descriptions and value names may hold blanks of their own.
  if (FSection == "DKB" || FSection == "ATT") return line[0] == 'D';
  return FSection == "DOM" && std::string_view("BDGN").find(line[0]) != std::string_view::npos;
}

void TKvxParser::AddWords(std::string text) {
  // A text of blanks only still gives one, empty item.
  std::string word;
  do {
    SplitWord(text, word);
    FRecordItems.push_back(word);
  } while (!text.empty());
}

char TKvxParser::ItemTag(int i) const {
  if (i < 0 || i >= ItemCount() || FRecordItems[i].empty()) return '\0';
  return FRecordItems[i][0];
}

std::string TKvxParser::ItemValue(int i) const {
  if (i < 0 || i >= ItemCount() || FRecordItems[i].empty()) return {};
  return FRecordItems[i].substr(1);
}

int TKvxParser::ItemInt(int i) const {
  return TextToInt(ItemValue(i));
}

void TKvxParser::Error(const std::string& text) const {
  throw EKvxError(FLineIndex - 1, text);
}

}  // namespace ubic
