#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/objlist.h"

namespace ubic {

// Every error while reading XML; the message tells the line around which it was found.
class EXmlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TXmlItem;

class TXmlItemList : public TObjList {
 public:
  TXmlItemList() : TObjList(true) {}
  TXmlItem* Items(int index) const;
  // The list's own search for an item stays available beside the search by name.
  using TObjList::Find;
  // The first entry with exactly this name; nil if none.
  TXmlItem* Find(const std::string& name) const;
};

// An element: its name, attributes, child elements and character content. A text-only node
// has an empty name. Attributes are items too: the name and the unescaped value as Text.
class TXmlItem : public TObject {
 public:
  explicit TXmlItem(const std::string& name = {}, const std::string& text = {});

  std::string Name;
  std::string Text;

  void AddAttribute(const std::string& name, const std::string& value);
  // The parent takes Item over.
  TXmlItem* AddItem(std::unique_ptr<TXmlItem> item);
  TXmlItem* AddItem(const std::string& name, const std::string& text = {});

  int AttributeCount() const { return FAttributes ? FAttributes->Count() : 0; }
  // Nil when Index is out of range.
  TXmlItem* Attribute(int index) const;
  int ItemCount() const { return FItems ? FItems->Count() : 0; }
  bool HasItems() const { return FItems != nullptr; }
  TXmlItem* Item(int index) const;
  TXmlItem* FindItem(const std::string& name) const;
  // The text of FindItem(Name), empty when there is none.
  std::string ItemText(const std::string& name) const;

 private:
  std::unique_ptr<TXmlItemList> FAttributes;
  std::unique_ptr<TXmlItemList> FItems;
};

// Whether two element trees are the same: names, texts, attributes and children alike, so that
// the writer writes them alike.
bool SameXml(const TXmlItem& one, const TXmlItem& other);

// The header line the writer writes first and the reader requires first, unless it is empty.
// The foreign format that has none empties it for the duration of its reads and writes and then
// sets it back to the default.
inline constexpr const char* kDefaultXmlHeader = "<?xml version=\"1.0\"?>";
extern std::string XmlHeader;
// Spaces added per nesting level by the writer.
inline constexpr int XmlIndent = 2;
// Elements nested deeper than this are refused, so that no file can exhaust the stack.
inline constexpr int XmlMaxDepth = 1000;

// Fills the empty item Root with the document element of Lines.
void ReadXml(TXmlItem& root, const std::vector<std::string>& lines);
void LoadXmlFromFile(TXmlItem& root, const std::string& fileName);
// The document as the writer writes it: lines ended by CR LF, or the lines alone.
std::string XmlText(const TXmlItem& root);
void WriteXml(const TXmlItem& root, std::vector<std::string>& lines);

std::string XmlEscape(const std::string& text, const std::string& keep);
std::string XmlUnescape(const std::string& text);
// Escapes a text that stands on a line of its own: blanks inside stay, blanks at the ends
// become entities so that the reader's trimming cannot remove them.
std::string XmlEscapeText(const std::string& text);

}  // namespace ubic
