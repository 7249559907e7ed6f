#include <gtest/gtest.h>

#include <sstream>

#include "files/csv.h"

namespace ubic {
namespace {

std::vector<std::vector<std::string>> ReadAll(const std::string& text, std::vector<int>* lines) {
  TCsvReader reader(text);
  std::vector<std::vector<std::string>> records;
  std::vector<std::string_view> fields;
  while (reader.Next(fields)) {
    records.emplace_back(fields.begin(), fields.end());
    if (lines != nullptr) lines->push_back(reader.RecordLine());
  }
  return records;
}

TEST(Csv, ReadsQuotedFieldsAndLineBreaks) {
  std::vector<int> lines;
  const auto records = ReadAll("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",\nlast", &lines);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
  EXPECT_EQ(records[1], (std::vector<std::string>{"two\nlines", ""}));
  EXPECT_EQ(records[2], (std::vector<std::string>{"last"}));
  EXPECT_EQ(lines, (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(ReadAll("\xEF\xBB\xBFx\n", nullptr)[0][0], "x");
  EXPECT_TRUE(ReadAll("", nullptr).empty());
  EXPECT_THROW(ReadAll("a,\"open\n", nullptr), ECsvError);
}

TEST(Csv, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvRecord({"plain", "a,b", "q\"q", "cr\r", ""}),
            "plain,\"a,b\",\"q\"\"q\",\"cr\r\",\n");
  // What is written reads back the same.
  const std::vector<std::string> fields{"x\ny", "\"", ",", "z"};
  EXPECT_EQ(ReadAll(CsvRecord(fields), nullptr)[0], fields);
}

// A stream read in blocks of any size gives what the whole text gives: every boundary falls
// somewhere inside a quoted field, between the quotes of a doubled quote, between CR and LF, and
// inside the byte-order mark.
TEST(Csv, StreamsInBlocksOfAnySize) {
  const std::string text =
      "\xEF\xBB\xBFname,\"a \"\"quoted\"\" one\",x\r\n"
      "\"two\nline,s\",\"\",\r\n"
      "plain,cr\ralone,\"\"\"\"\n"
      "last,\"q\"";
  std::vector<int> expectedLines;
  const auto expected = ReadAll(text, &expectedLines);
  ASSERT_EQ(expected.size(), 4u);
  EXPECT_EQ(expected[1], (std::vector<std::string>{"two\nline,s", "", ""}));
  for (std::size_t block = 4; block <= text.size() + 1; ++block) {
    std::istringstream stream(text);
    TCsvReader reader(stream, block);
    std::vector<std::string_view> fields;
    for (std::size_t r = 0; r < expected.size(); ++r) {
      ASSERT_TRUE(reader.Next(fields)) << block;
      EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.end()), expected[r])
          << "block " << block << " record " << r;
      EXPECT_EQ(reader.RecordLine(), expectedLines[r]) << block;
    }
    EXPECT_FALSE(reader.Next(fields));
  }
  std::istringstream open("a\n\"never closed\nb,c\n");
  TCsvReader reader(open, 4);
  std::vector<std::string_view> fields;
  ASSERT_TRUE(reader.Next(fields));
  EXPECT_THROW(reader.Next(fields), ECsvError);
  EXPECT_EQ(reader.RecordLine(), 2);
}

}  // namespace
}  // namespace ubic
