#include "xml.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "excerpt.h"
#include "foundation/textfile.h"
#include "foundation/translation.h"
#include "foundation/utils.h"

// The reader's complaints, told after the line where it stopped.
namespace ubic::ubicstr {

constexpr const char* XmlErrorAtLine = UBIC_TEXT("Error reading XML around line %d: %s");
constexpr const char* XmlTextForTag = UBIC_TEXT("A tag expected instead of text \"%s\"");
constexpr const char* XmlUnterminatedTag = UBIC_TEXT("Unterminated tag \"%s\"");
constexpr const char* XmlTooDeep = UBIC_TEXT("Elements nested deeper than %d levels");
constexpr const char* XmlMissingEndTag = UBIC_TEXT("Missing tag \"</%s>\"");
constexpr const char* XmlWrongEndTag =
    UBIC_TEXT("Expecting terminating tag \"</%s>\" instead of \"</%s>\"");
constexpr const char* XmlBadHeader = UBIC_TEXT("Missing or unrecognized XML header");
constexpr const char* XmlEndTagFirst = UBIC_TEXT("Expecting an opening tag instead of \"</%s>\"");

}  // namespace ubic::ubicstr

namespace ubic {

std::string XmlHeader = kDefaultXmlHeader;

namespace {

struct TEntity {
  char Character;
  std::string_view Text;
};

// In this order: "&" is escaped first and unescaped last.
constexpr std::array<TEntity, 9> kEntities = {{
    {'&', "&amp;"},
    {'<', "&lt;"},
    {'>', "&gt;"},
    {'\'', "&apos;"},
    {'"', "&quot;"},
    {'\r', "&cr;"},
    {'\n', "&lf;"},
    {' ', "&nbsp;"},
    {'\t', "&tab;"},
}};

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";

// The scanner: consumes the input one line at a time, so that errors can tell their line.
class TXmlParser {
 public:
  explicit TXmlParser(const std::vector<std::string>& lines) : FLines(lines) {}

  bool Eof = false;
  std::string TagName;
  std::vector<std::string> TagAttributes;
  bool SelfClosing = false;
  bool Closing = false;

  [[noreturn]] void Error(std::string_view text) const {
    throw EXmlError(
        Format(ubicstr::XmlErrorAtLine, static_cast<int>(FLineIndex) + 1, std::string(text)));
  }

  std::string ReadTag() {
    ClearTag();
    std::size_t lt = FindInBuffer('<', FStart);
    if (lt == std::string::npos) {
      Eof = true;
      return {};
    }
    const std::string_view before = std::string_view(FBuffer).substr(FStart, lt - FStart);
    if (!Trim(std::string(before)).empty()) {
      Error(Format(ubicstr::XmlTextForTag, ContentExcerpt(before)));
    }
    FStart = lt;
    const std::size_t gt = FindInBuffer('>', lt);
    if (gt == std::string::npos) Error(Format(ubicstr::XmlUnterminatedTag, ContentExcerpt(Rest())));
    std::string tag = FBuffer.substr(lt, gt - lt + 1);
    Consume(gt + 1);
    return tag;
  }

  std::string ReadText() {
    std::size_t lt = FBuffer.find('<', FStart);
    if (lt != std::string::npos) {
      std::string text = FBuffer.substr(FStart, lt - FStart);
      Consume(lt);
      return text;
    }
    if (FStart == FBuffer.size() && !ReadLine()) {
      Eof = true;
      return {};
    }
    lt = FindInBuffer('<', FStart);
    if (lt == std::string::npos) return Trim(Rest());
    std::string text = Trim(FBuffer.substr(FStart, lt - FStart));
    Consume(lt);
    return text;
  }

  void ParseTag(const std::string& tag) {
    ClearTag();
    if (Eof || tag.size() < 2 || tag.front() != '<' || tag.back() != '>') return;
    std::string text = tag.substr(1, tag.size() - 2);
    if (!text.empty() && text.front() == '/') {
      Closing = true;
      text.erase(0, 1);
    } else if (!text.empty() && text.back() == '/') {
      SelfClosing = true;
      text.pop_back();
    }
    const std::size_t space = text.find(' ');
    if (space == std::string::npos) {
      TagName = text;
      return;
    }
    TagName = text.substr(0, space);
    std::string rest = Trim(text.substr(space + 1));
    while (!rest.empty()) TagAttributes.push_back(ExtractAttribute(rest));
  }

 private:
  void ClearTag() {
    TagName.clear();
    TagAttributes.clear();
    SelfClosing = Closing = false;
  }

  std::string Rest() const { return FBuffer.substr(FStart); }

  void Consume(std::size_t position) {
    FStart = position;
    // Consumed text is dropped in bulk, never a character at a time, so reading stays linear.
    if (FStart == FBuffer.size()) {
      FBuffer.clear();
      FStart = 0;
    } else if (FStart > 4096 && FStart > FBuffer.size() / 2) {
      FBuffer.erase(0, FStart);
      FStart = 0;
    }
  }

  bool ReadLine() {
    if (FLineIndex >= FLines.size()) return false;
    const std::string line = Trim(FLines[FLineIndex++]);
    if (FStart == FBuffer.size()) {
      FBuffer = line;
      FStart = 0;
    } else {
      FBuffer.append(1, ' ').append(line);
    }
    return true;
  }

  // The position of C at or after From, taking lines until it appears; npos at the end of input.
  std::size_t FindInBuffer(char c, std::size_t from) {
    for (;;) {
      const std::size_t found = FBuffer.find(c, from);
      if (found != std::string::npos) return found;
      // An empty buffer is always cleared, so the new line starts right here in either case.
      from = FBuffer.size();
      if (!ReadLine()) return std::string::npos;
    }
  }

  static std::string ExtractAttribute(std::string& s) {
    bool equalsSeen = false;
    bool inQuotes = false;
    std::size_t end = s.size();
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (!equalsSeen) {
        equalsSeen = s[i] == '=';
      } else if (s[i] == '"') {
        inQuotes = !inQuotes;
      } else if (s[i] == ' ' && !inQuotes) {
        end = i;
        break;
      }
    }
    if (!equalsSeen) return std::exchange(s, std::string()) + "=";
    std::string attribute = s.substr(0, end);
    attribute.erase(std::remove(attribute.begin(), attribute.end(), '"'), attribute.end());
    s = Trim(s.substr(end));
    return attribute;
  }

  const std::vector<std::string>& FLines;
  std::size_t FLineIndex = 0;
  std::string FBuffer;
  std::size_t FStart = 0;
};

void ReadElement(TXmlParser& parser, TXmlItem& item, int depth) {
  if (depth > XmlMaxDepth) parser.Error(Format(ubicstr::XmlTooDeep, XmlMaxDepth));
  item.Name = parser.TagName;
  for (const std::string& attribute : parser.TagAttributes) {
    item.AddAttribute(TextBefore(attribute, "="), XmlUnescape(TextAfter(attribute, "=")));
  }
  if (parser.SelfClosing) return;
  std::string text;
  for (;;) {
    text = parser.ReadText();
    parser.ParseTag(parser.ReadTag());
    if (parser.Eof) parser.Error(Format(ubicstr::XmlMissingEndTag, ContentExcerpt(item.Name)));
    if (parser.Closing) {
      if (parser.TagName == item.Name) break;
      parser.Error(Format(ubicstr::XmlWrongEndTag, ContentExcerpt(item.Name),
                          ContentExcerpt(parser.TagName)));
    }
    if (!text.empty()) item.AddItem(std::string(), XmlUnescape(text));
    ReadElement(parser, *item.AddItem(std::make_unique<TXmlItem>()), depth + 1);
  }
  item.Text = XmlUnescape(text);
}

// Appends Item as lines, each ended by CR LF, to Text: one string grown in place, which writing a
// large model to compare it with its file needs to be quick.
void AppendItem(const TXmlItem& item, int indent, std::string& text) {
  static const std::string blanks(kBlanks);
  text.append(indent, ' ');
  if (item.Name.empty()) {
    text.append(XmlEscapeText(item.Text)).append(kLineEnd);
    return;
  }
  text.append("<").append(item.Name);
  for (int i = 0; i < item.AttributeCount(); ++i) {
    const TXmlItem& attribute = *item.Attribute(i);
    text.append(" ").append(attribute.Name).append("=\"");
    text.append(XmlEscape(attribute.Text, blanks)).append("\"");
  }
  if (!item.HasItems()) {
    if (item.Text.empty()) {
      text.append("/>");
    } else {
      text.append(">").append(XmlEscape(item.Text, blanks));
      text.append("</").append(item.Name).append(">");
    }
    text.append(kLineEnd);
    return;
  }
  text.append(">").append(kLineEnd);
  for (int i = 0; i < item.ItemCount(); ++i) AppendItem(*item.Item(i), indent + XmlIndent, text);
  if (!item.Text.empty()) {
    text.append(indent + XmlIndent, ' ').append(XmlEscapeText(item.Text)).append(kLineEnd);
  }
  text.append(indent, ' ').append("</").append(item.Name).append(">").append(kLineEnd);
}

}  // namespace

TXmlItem* TXmlItemList::Items(int index) const {
  return static_cast<TXmlItem*>(Get(index));
}

TXmlItem* TXmlItemList::Find(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->Name == name) return Items(i);
  }
  return nullptr;
}

TXmlItem::TXmlItem(const std::string& name, const std::string& text) : Name(name), Text(text) {}

void TXmlItem::AddAttribute(const std::string& name, const std::string& value) {
  if (!FAttributes) FAttributes = std::make_unique<TXmlItemList>();
  FAttributes->AddOwned(std::make_unique<TXmlItem>(name, value));
}

TXmlItem* TXmlItem::AddItem(std::unique_ptr<TXmlItem> item) {
  if (!FItems) FItems = std::make_unique<TXmlItemList>();
  return FItems->Items(FItems->AddOwned(std::move(item)));
}

TXmlItem* TXmlItem::AddItem(const std::string& name, const std::string& text) {
  return AddItem(std::make_unique<TXmlItem>(name, text));
}

TXmlItem* TXmlItem::Attribute(int index) const {
  return index >= 0 && index < AttributeCount() ? FAttributes->Items(index) : nullptr;
}

TXmlItem* TXmlItem::Item(int index) const {
  return index >= 0 && index < ItemCount() ? FItems->Items(index) : nullptr;
}

TXmlItem* TXmlItem::FindItem(const std::string& name) const {
  return FItems ? FItems->Find(name) : nullptr;
}

std::string TXmlItem::ItemText(const std::string& name) const {
  const TXmlItem* item = FindItem(name);
  return item != nullptr ? item->Text : std::string();
}

void ReadXml(TXmlItem& root, const std::vector<std::string>& lines) {
  TXmlParser parser(lines);
  if (!XmlHeader.empty()) {
    const std::string header = parser.ReadTag();
    if (parser.Eof || header != XmlHeader) parser.Error(Translated(ubicstr::XmlBadHeader));
  }
  parser.ParseTag(parser.ReadTag());
  if (parser.Eof) return;
  if (parser.Closing) {
    parser.Error(Format(ubicstr::XmlEndTagFirst, ContentExcerpt(parser.TagName)));
  }
  ReadElement(parser, root, 1);
}

void LoadXmlFromFile(TXmlItem& root, const std::string& fileName) {
  ReadXml(root, ReadTextLines(fileName));
}

std::string XmlText(const TXmlItem& root) {
  std::string text;
  if (!XmlHeader.empty()) text.append(XmlHeader).append(kLineEnd);
  AppendItem(root, 0, text);
  return text;
}

void WriteXml(const TXmlItem& root, std::vector<std::string>& lines) {
  lines.clear();
  const std::string text = XmlText(root);
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find(kLineEnd, start);
    lines.push_back(text.substr(start, end - start));
    start = end + kLineEnd.size();
  }
}

bool SameXml(const TXmlItem& one, const TXmlItem& other) {
  if (one.Name != other.Name || one.Text != other.Text || one.HasItems() != other.HasItems() ||
      one.AttributeCount() != other.AttributeCount() || one.ItemCount() != other.ItemCount()) {
    return false;
  }
  for (int i = 0; i < one.AttributeCount(); ++i) {
    if (!SameXml(*one.Attribute(i), *other.Attribute(i))) return false;
  }
  for (int i = 0; i < one.ItemCount(); ++i) {
    if (!SameXml(*one.Item(i), *other.Item(i))) return false;
  }
  return true;
}

std::string XmlEscape(const std::string& text, const std::string& keep) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    const auto entity = std::find_if(kEntities.begin(), kEntities.end(),
                                     [c](const TEntity& e) { return e.Character == c; });
    if (entity == kEntities.end() || keep.find(c) != std::string::npos) {
      result += c;
    } else {
      result += entity->Text;
    }
  }
  return result;
}

std::string XmlUnescape(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const TEntity* match = nullptr;
    if (text[i] == '&') {
      for (const TEntity& entity : kEntities) {
        if (text.compare(i, entity.Text.size(), entity.Text) == 0) match = &entity;
      }
    }
    if (match != nullptr) {
      result += match->Character;
      i += match->Text.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

std::string XmlEscapeText(const std::string& text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return XmlEscape(text, {});
  const std::size_t last = text.find_last_not_of(kBlanks);
  return XmlEscape(text.substr(0, first), {}) +
         XmlEscape(text.substr(first, last - first + 1), std::string(kBlanks)) +
         XmlEscape(text.substr(last + 1), {});
}

}  // namespace ubic
