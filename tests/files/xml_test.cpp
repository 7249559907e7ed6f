#include <gtest/gtest.h>

#include "files/excerpt.h"
#include "files/xml.h"

namespace ubic {
namespace {

const std::string kHeader = "<?xml version=\"1.0\"?>";

std::unique_ptr<TXmlItem> Read(const std::vector<std::string>& lines) {
  auto root = std::make_unique<TXmlItem>();
  ReadXml(*root, lines);
  return root;
}

std::string ReadError(const std::vector<std::string>& lines) {
  try {
    Read(lines);
  } catch (const EXmlError& e) {
    return e.what();
  }
  return "no error";
}

std::vector<std::string> Write(const TXmlItem& root) {
  std::vector<std::string> lines;
  WriteXml(root, lines);
  return lines;
}

TEST(XmlWriter, IndentsOneElementPerLine) {
  TXmlItem root("Ubic");
  root.AddItem("OPTION", "Car A");
  root.AddItem("ATTRIBUTE")->AddItem("NAME", "Price & cost");
  EXPECT_EQ(Write(root), (std::vector<std::string>{
                             kHeader, "<Ubic>", "  <OPTION>Car A</OPTION>", "  <ATTRIBUTE>",
                             "    <NAME>Price &amp; cost</NAME>", "  </ATTRIBUTE>", "</Ubic>"}));
  TXmlItem empty("EMPTY");
  empty.AddAttribute("a", "1 < 2");
  empty.AddAttribute("b", "x\"y");
  EXPECT_EQ(Write(empty).back(), "<EMPTY a=\"1 &lt; 2\" b=\"x&quot;y\"/>");
}

TEST(XmlWriter, KeepsBlanksThroughARoundTrip) {
  TXmlItem root("R");
  root.AddItem("T", "  two blanks  ");
  root.AddItem("L", "line\r\nbreak\ttab");
  root.Text = "  own text  ";
  const std::vector<std::string> lines = Write(root);
  EXPECT_EQ(lines[2], "  <T>  two blanks  </T>");
  EXPECT_EQ(lines[3], "  <L>line&cr;&lf;break\ttab</L>");
  EXPECT_EQ(lines[4], "  &nbsp;&nbsp;own text&nbsp;&nbsp;");
  const std::unique_ptr<TXmlItem> read = Read(lines);
  const TXmlItem& back = *read;
  EXPECT_EQ(back.ItemText("T"), "  two blanks  ");
  EXPECT_EQ(back.ItemText("L"), "line\r\nbreak\ttab");
  EXPECT_EQ(back.Text, "  own text  ");
  EXPECT_EQ(Write(back), lines);
}

TEST(XmlEscaping, EntitiesOfTheTable) {
  EXPECT_EQ(XmlEscape("a&b<c>'\"\r\n \t", ""), "a&amp;b&lt;c&gt;&apos;&quot;&cr;&lf;&nbsp;&tab;");
  EXPECT_EQ(XmlEscape("a & b", " "), "a &amp; b");
  EXPECT_EQ(XmlEscapeText(" \t"), "&nbsp;&tab;");
  EXPECT_EQ(XmlEscapeText("\ta b "), "&tab;a b&nbsp;");
  EXPECT_EQ(XmlUnescape("&amp;lt;"), "&lt;");
  EXPECT_EQ(XmlUnescape("&#60;&copy;&lt"), "&#60;&copy;&lt");
  EXPECT_EQ(XmlUnescape("&lt;&nbsp;&tab;&apos;"), "< \t'");
}

TEST(XmlReader, TagsAttributesAndText) {
  const std::unique_ptr<TXmlItem> read =
      Read({kHeader, "<R>", "<A/>", "<B />", "<C></C>", "<D x=\"1\" y=\"two words\"/>",
            "<E x = \"1\" y=\"2\"/>", "<F> padded </F>", "<G>", "  on its own line  ", "</G>",
            "before<H/>after", "</R>", "ignored <junk"});
  const TXmlItem& root = *read;
  ASSERT_EQ(root.Name, "R");
  for (const char* name : {"A", "B", "C"}) {
    ASSERT_NE(root.FindItem(name), nullptr) << name;
    EXPECT_EQ(root.ItemText(name), "");
    EXPECT_FALSE(root.FindItem(name)->HasItems());
  }
  const TXmlItem& d = *root.FindItem("D");
  ASSERT_EQ(d.AttributeCount(), 2);
  EXPECT_EQ(d.Attribute(1)->Name, "y");
  EXPECT_EQ(d.Attribute(1)->Text, "two words");
  EXPECT_EQ(d.Attribute(2), nullptr);
  // Blanks around "=" are not understood: the first attribute is lost in a strange name.
  const TXmlItem& e = *root.FindItem("E");
  ASSERT_EQ(e.AttributeCount(), 2);
  EXPECT_EQ(e.Attribute(0)->Name, "x ");
  EXPECT_EQ(e.Attribute(0)->Text, "");
  EXPECT_EQ(e.Attribute(1)->Name, "1 y");
  EXPECT_EQ(root.ItemText("F"), " padded ");
  EXPECT_EQ(root.ItemText("G"), "on its own line");
  // Text before a child becomes a nameless child; only the last text is the element's own.
  EXPECT_EQ(root.Item(root.ItemCount() - 2)->Name, "");
  EXPECT_EQ(root.Item(root.ItemCount() - 2)->Text, "before");
  EXPECT_EQ(root.Text, "after");
}

TEST(XmlReader, ErrorsTellTheirLine) {
  EXPECT_EQ(ReadError({"<R/>"}),
            "Error reading XML around line 2: Missing or unrecognized XML header");
  EXPECT_EQ(ReadError({}), "Error reading XML around line 1: Missing or unrecognized XML header");
  EXPECT_EQ(ReadError({kHeader, "text <R/>"}),
            "Error reading XML around line 3: A tag expected instead of text \"text \"");
  EXPECT_EQ(ReadError({kHeader, "<R", "a=\"1\""}),
            "Error reading XML around line 4: Unterminated tag \"<R a=\"1\"\"");
  EXPECT_EQ(ReadError({kHeader, "</R>"}),
            "Error reading XML around line 3: Expecting an opening tag instead of \"</R>\"");
  EXPECT_EQ(ReadError({kHeader, "<R>", "<A>", "</B>", "</R>"}),
            "Error reading XML around line 5: Expecting terminating tag \"</A>\" instead of "
            "\"</B>\"");
  EXPECT_EQ(ReadError({kHeader, "<R>", "<A>x</A>"}),
            "Error reading XML around line 4: Missing tag \"</R>\"");
  EXPECT_EQ(Read({kHeader})->Name, "");
}

TEST(XmlReader, ContentQuotedInAnErrorIsShortAndPrintable) {
  // The quote ends at the first control code or code that Windows-1250 leaves unassigned;
  // letters beyond ASCII are text, and a tab reads as a blank.
  EXPECT_EQ(ContentExcerpt("a\tb\xE8\xFF\x9Ac\x81d"), "a b\xE8\xFF\x9Ac...");
  EXPECT_EQ(ContentExcerpt("line\r\nnext"), "line...");
  EXPECT_EQ(ContentExcerpt(std::string("\0x", 2)), "...");
  EXPECT_EQ(ContentExcerpt(std::string(40, 'x')), std::string(40, 'x'));
  EXPECT_EQ(ContentExcerpt(std::string(41, 'x')), std::string(40, 'x') + "...");
  EXPECT_EQ(ContentExcerpt("abc\x01", 3), "abc...");
  EXPECT_EQ(ContentExcerpt(""), "");

  // Text before the first "<" is quoted up to the first byte that is no text.
  EXPECT_EQ(ReadError({kHeader, "Dear reader,\x02\x03 <x>"}),
            "Error reading XML around line 3: A tag expected instead of text \"Dear reader,...\"");
}

TEST(XmlReader, BinaryDataIsToldFromText) {
  const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
  EXPECT_TRUE(HoldsBinaryData(png));
  // Without NUL bytes it is text: a name may hold any other byte.
  std::string text(62, 'a');
  text[10] = '\x1F';
  text[40] = '\x81';
  EXPECT_FALSE(HoldsBinaryData(text));
  EXPECT_FALSE(HoldsBinaryData(" KIV I1.5\r\n\tDKB\f\x1A \xE8rka"));
  EXPECT_FALSE(HoldsBinaryData(""));
}

TEST(XmlReader, RefusesNestingBeyondTheBound) {
  std::vector<std::string> lines{kHeader};
  for (int i = 0; i < XmlMaxDepth; ++i) lines.push_back("<N>");
  for (int i = 0; i < XmlMaxDepth; ++i) lines.push_back("</N>");
  EXPECT_EQ(Read(lines)->Name, "N");
  lines.insert(lines.begin() + 1, "<N>");
  lines.push_back("</N>");
  EXPECT_EQ(ReadError(lines), "Error reading XML around line " + std::to_string(XmlMaxDepth + 3) +
                                  ": Elements nested deeper than 1000 levels");
}

TEST(XmlReader, ReadsWithoutAHeaderWhenNoneIsSet) {
  const std::string saved = XmlHeader;
  XmlHeader.clear();
  const std::unique_ptr<TXmlItem> root = Read({"<MODEL><NAME>m</NAME></MODEL>"});
  std::vector<std::string> lines;
  WriteXml(*root, lines);
  XmlHeader = saved;
  EXPECT_EQ(root->ItemText("NAME"), "m");
  EXPECT_EQ(lines.front(), "<MODEL>");
}

}  // namespace
}  // namespace ubic
