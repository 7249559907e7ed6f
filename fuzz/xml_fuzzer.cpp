// The XML reader, with the writer as its check: a tree that was read and written again must read
// back the same, as far as the writer can express it.

#include <string>
#include <vector>

#include "files/xml.h"
#include "fuzzcheck.h"

namespace ubic::fuzz {
namespace {

// Characters below the blank other than tab, CR and LF: the reader trims them off the ends of a
// line, and the writer has no entity for them.
bool IsBareControl(char c) {
  return static_cast<unsigned char>(c) < ' ' && c != '\t' && c != '\r' && c != '\n';
}

// A text the writer puts on a line of its own reads back only without such characters at its
// ends.
bool FitsOwnLine(const std::string& text) {
  return text.empty() || (!IsBareControl(text.front()) && !IsBareControl(text.back()));
}

// A nameless child is written as a line of text. It reads back as the same child only where the
// reader makes one: from a text that is not empty, directly before a child element.
bool ExpressibleText(const TXmlItem& parent, int index) {
  const TXmlItem& child = *parent.Item(index);
  const TXmlItem* next = parent.Item(index + 1);
  return !child.HasItems() && child.AttributeCount() == 0 && !child.Text.empty() &&
         FitsOwnLine(child.Text) && next != nullptr && !next->Name.empty();
}

// The reader trims what precedes an attribute's name and takes quotes in it for those of the
// value.
bool ExpressibleAttributeName(const std::string& name) {
  return name.find('"') == std::string::npos &&
         (name.empty() || static_cast<unsigned char>(name.front()) > ' ');
}

// Whether the writer can express Item so that it reads back the same: a name ending in "/" is
// written as a self-closing tag, and texts of elements with children stand on lines of their own.
bool Expressible(const TXmlItem& item) {
  if (item.Name.empty() || item.Name.back() == '/') return false;
  if (item.HasItems() && !FitsOwnLine(item.Text)) return false;
  for (int i = 0; i < item.AttributeCount(); ++i) {
    if (!ExpressibleAttributeName(item.Attribute(i)->Name)) return false;
  }
  for (int i = 0; i < item.ItemCount(); ++i) {
    const TXmlItem& child = *item.Item(i);
    if (child.Name.empty() ? !ExpressibleText(item, i) : !Expressible(child)) return false;
  }
  return true;
}

bool SameItems(const TXmlItem& a, const TXmlItem& b) {
  if (a.Name != b.Name || a.Text != b.Text || a.AttributeCount() != b.AttributeCount() ||
      a.ItemCount() != b.ItemCount() || a.HasItems() != b.HasItems()) {
    return false;
  }
  for (int i = 0; i < a.AttributeCount(); ++i) {
    if (a.Attribute(i)->Name != b.Attribute(i)->Name ||
        a.Attribute(i)->Text != b.Attribute(i)->Text) {
      return false;
    }
  }
  for (int i = 0; i < a.ItemCount(); ++i) {
    if (!SameItems(*a.Item(i), *b.Item(i))) return false;
  }
  return true;
}

}  // namespace
}  // namespace ubic::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ubic;
  TXmlItem root;
  const std::string file = fuzz::WriteScratch("input.xml", fuzz::Bytes(data, size));
  if (!fuzz::Accepted([&] { LoadXmlFromFile(root, file); })) return 0;
  std::vector<std::string> lines;
  WriteXml(root, lines);
  TXmlItem back;
  const bool readBack = fuzz::Accepted([&] { ReadXml(back, lines); });
  if (fuzz::Expressible(root) && !(readBack && fuzz::SameItems(root, back))) {
    fuzz::Fail("a tree written and read again changed");
  }
  return 0;
}
