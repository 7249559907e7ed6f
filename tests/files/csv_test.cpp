#include <gtest/gtest.h>

#include "files/csv.h"

namespace ubic {
namespace {

std::vector<std::vector<std::string>> ReadAll(const std::string& text, std::vector<int>* lines) {
  TCsvReader reader(text);
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> fields;
  while (reader.Next(fields)) {
    records.push_back(fields);
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

}  // namespace
}  // namespace ubic
