#include <gtest/gtest.h>

#include <bitset>
#include <random>
#include <sstream>
#include <string>

#include "files/modelio.h"
#include "files/optionscsv.h"
#include "files/sensitivitytable.h"
#include "model/valuecode.h"
#include "test_models.h"

namespace ubic::test {
namespace {

std::unique_ptr<TUbicModel> Car() {
  return OpenModel(std::string(UBIC_EXAMPLES_DIR) + "/car.ubm").Model;
}

// Everything about the options: names, selection and every attribute's values.
std::string OptionState(const TUbicModel& model) {
  std::string state = model.OptionSelection();
  for (int k = 0; k < model.OptionCount(); ++k) state += "|" + model.Options()[k];
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (const TUbicAttribute* attribute : attributes) {
    state += "\n" + attribute->GetName() + ":";
    for (int k = 0; k < attribute->OptionValues().Count(); ++k) {
      state += attribute->OptionValues()[k] + ",";
    }
  }
  return state;
}

TEST(OptionImport, AFailingFileLeavesTheOptionsAsTheyWere) {
  const std::unique_ptr<TUbicModel> model = Car();
  model->EvaluateAll();
  model->SetOptionSelected(1, false);
  const std::string before = OptionState(*model);
  // The first error is met after the first option was read in; the second in the header.
  for (const char* csv : {"x,Safety\na,high\nb,top\n", "x,Nothing\na,high\n"}) {
    std::istringstream stream(csv);
    EXPECT_THROW(ImportOptions(*model, stream, "in.csv"), EOptionsFileError) << csv;
    EXPECT_EQ(OptionState(*model), before) << csv;
  }
  std::istringstream good("x,Safety\na,high\n");
  ImportOptions(*model, good, "in.csv");
  EXPECT_EQ(model->OptionCount(), 1);
  EXPECT_EQ(model->Options()[0], "a");
  const TUbicAttribute* safety = model->FindAttribute("Safety");
  EXPECT_EQ(safety->DiscreteScale()->ValueName(safety->OptionValue(0)), "high");
}

// Reading a file whole before the model takes it, a failing file leaves the model untouched even
// without the snapshot that importing takes.
TEST(OptionImport, ReplacingFailsBeforeTheModelChanges) {
  const std::unique_ptr<TUbicModel> model = Car();
  model->EvaluateAll();
  const std::string before = OptionState(*model);
  EXPECT_THROW(ReplaceOptions(*model, "x,Safety\na,high\nb,top\n", "in.csv"), EOptionsFileError);
  EXPECT_EQ(OptionState(*model), before);
}

// More different cells than a column remembers: each option still gets the set of its own cell,
// however its names are ordered or repeated.
TEST(OptionImport, ManyDifferentCellsOfAColumn) {
  std::unique_ptr<TUbicModel> model = std::make_unique<TUbicModel>();
  const std::vector<std::string> names{"a", "b", "c", "d", "e", "f", "g", "h"};
  model->Root()->AddInput(MakeAttribute("X", names));
  std::mt19937 random(7);
  std::string csv = "Option,X\n";
  std::vector<std::string> expected;
  for (int k = 0; k < 600; ++k) {
    std::string cell;
    std::bitset<8> set;
    for (int n = 1 + static_cast<int>(random() % 5); n > 0; --n) {
      const std::size_t v = random() % names.size();
      cell += (cell.empty() ? "" : ";") + names[v];
      set.set(v);
    }
    csv += "o" + std::to_string(k) + "," + cell + "\n";
    std::string codes;
    for (std::size_t v = 0; v < names.size(); ++v) {
      if (set.test(v)) codes += ValueCode(static_cast<int>(v));
    }
    expected.push_back(codes);
  }
  ReplaceOptions(*model, csv, "in.csv");
  EXPECT_EQ(model->FindAttribute("X")->OptionValues().Strings(), expected);
}

TEST(SensitivityTable, RowsPerOptionAfterItsValuesAsTheyAre) {
  const std::unique_ptr<TUbicModel> model = Car();
  std::vector<TTableRow> rows;
  SensitivityRows(*model, {0}, [&rows](const TTableRow& row) { rows.push_back(row); });
  ASSERT_GE(rows.size(), 3U);
  EXPECT_EQ(rows[0], (TTableRow{"Option", "Attribute", "From", "To", "CAR"}));
  EXPECT_EQ(rows[1], (TTableRow{"Compact Hatchback", "", "", "", "good"}));
  for (std::size_t r = 2; r < rows.size(); ++r) {
    EXPECT_EQ(rows[r][0], "Compact Hatchback");
    EXPECT_NE(rows[r][2], rows[r][3]) << r;
    EXPECT_NE(model->FindAttribute(rows[r][1]), nullptr) << rows[r][1];
  }
}

}  // namespace
}  // namespace ubic::test
