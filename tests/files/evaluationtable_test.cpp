#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/evaluationtable.h"
#include "test_models.h"

namespace ubic::test {
namespace {

// A root with one aggregate "T" over a basic "A" whose first value has an empty name; one option
// holding both of A's values.
std::unique_ptr<TUbicModel> EmptyNameModel() {
  auto model = std::make_unique<TUbicModel>();
  auto top = MakeAttribute("T\tab", {"lo", "hi"});
  top->AddInput(MakeAttribute("A", {"", "x"}));
  model->Root()->AddInput(std::move(top));
  const int k = model->AddOption("first\x1B[2J");
  model->FindAttribute("A")->SetOptionText(k, "01");
  return model;
}

std::vector<TTableRow> Rows(const TUbicModel& model, bool indent) {
  std::vector<TTableRow> rows;
  EvaluationRows(model, indent, [&rows](const TTableRow& row) { rows.push_back(row); });
  return rows;
}

TEST(EvaluationTable, RowsHoldExactTexts) {
  const auto model = EmptyNameModel();
  const std::vector<TTableRow> expected = {
      {"Attribute", "first\x1B[2J"}, {"T\tab", "*"}, {"A", ";x"}};
  EXPECT_EQ(Rows(*model, false), expected);
  EXPECT_EQ(Rows(*model, true)[2][0], "  A");
}

TEST(EvaluationTable, AlignedTableBlanksControlCharacters) {
  const auto model = EmptyNameModel();
  EXPECT_EQ(AlignedTable(Rows(*model, true)),
            "Attribute  first [2J\n"
            "T ab       *\n"
            "  A        ;x\n");
  // Columns are as wide as their widest text in characters, not bytes.
  EXPECT_EQ(AlignedTable({{"\xC5\xBE", "b"}, {"ab", "c"}}), "\xC5\xBE   b\nab  c\n");
}

}  // namespace
}  // namespace ubic::test

namespace ubic::test {
namespace {

// Names that CSV must quote make their cells quoted, in the rows and in the columns alike; the
// texts of other attributes pass as they are. A has no function: every value of its scale.
TEST(EvaluationTable, MethodResultsAsCsvCells) {
  TUbicModel model;
  auto top = MakeAttribute("T", {"lo", "hi"});
  top->AddInput(MakeAttribute("A", {"a,b", "c"}));
  model.Root()->AddInput(std::move(top));
  model.AddOption("first");
  model.AddOption("second");
  model.FindAttribute("A")->SetOptionWeighted(1, {"1", {2.0}});

  TMethodResults rowCells(model, TEvaluationMethod::Prob, true);
  rowCells.Evaluate();
  TOptionRowsWriter writer(model, true, &rowCells);
  std::string rows;
  writer.AppendRows(rows);
  EXPECT_EQ(rows,
            "Option (prob),T,A\n"
            "first,lo=0.5;hi=0.5,\"a,b=0.5;c=0.5\"\n"
            "second,lo=0.5;hi=0.5,c=1\n");

  TMethodResults plain(model, TEvaluationMethod::Fuzzy);
  plain.Evaluate();
  std::string columns;
  EvaluationCsv(
      model, [&columns](const std::string& record) { columns += record; }, &plain);
  EXPECT_EQ(columns,
            "Attribute (fuzzy),first,second\n"
            "T,lo=1;hi=1,lo=1;hi=1\n"
            "A,\"a,b=1;c=1\",c=1\n");
}

}  // namespace
}  // namespace ubic::test
