#include <gtest/gtest.h>

#include <algorithm>
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

// The value-set texts of an attribute's options.
std::vector<std::string> Texts(const TUbicModel& model, const std::string& attribute) {
  return model.FindAttribute(attribute)->OptionValues().Strings();
}

// What a spreadsheet set to a decimal comma writes: semicolons, a set quoted because it holds one,
// blank lines a hand left around; a tab-separated file reads the same. Each row has one field for
// each of the header's.
TEST(OptionImport, TheHeaderTellsTheSeparator) {
  for (const std::string separator : {";", "\t"}) {
    const std::unique_ptr<TUbicModel> model = Car();
    std::string csv =
        "\nName;Safety;Price;Comfort\r\n"
        "\"Van; used\";\"low;high\";over 35000;basic\r\n"
        "\r\n"
        "Mixed,2;medium;*;\r\n\n";
    for (char& c : csv) {
      if (c == ';' && separator == "\t") c = '\t';
    }
    if (separator == "\t") csv.replace(csv.find("low\thigh"), 8, "low;high");
    ReplaceOptions(*model, csv, "in.csv");
    ASSERT_EQ(model->OptionCount(), 2) << separator;
    EXPECT_EQ(model->Options()[0], separator == ";" ? "Van; used" : "Van\t used");
    EXPECT_EQ(model->Options()[1], "Mixed,2");
    EXPECT_EQ(Texts(*model, "Safety"), (std::vector<std::string>{"02", "1"}));
    EXPECT_EQ(Texts(*model, "Price"), (std::vector<std::string>{"3", ""}));
    EXPECT_EQ(Texts(*model, "Comfort"), (std::vector<std::string>{"0", ""}));
  }
  // A comma file whose header holds a semicolon too stays a comma file.
  const std::unique_ptr<TUbicModel> model = Car();
  ReplaceOptions(*model, "Name;x,Safety,Price\na;b,high,over 35000\n", "in.csv");
  EXPECT_EQ(model->Options()[0], "a;b");
  EXPECT_EQ(Texts(*model, "Safety"), (std::vector<std::string>{"2"}));
  try {
    ReplaceOptions(*model, "Name;Safety;Price\na;high;low;\nb;high\n", "in.csv");
    FAIL();
  } catch (const EOptionsFileError& e) {
    EXPECT_STREQ(e.what(), "The row has 4 fields, the header 3 (in.csv line 2)");
  }
  try {
    ReplaceOptions(*model, "Name,Safety,Price\n\"a\nb\",high,up to 15000\nc,high\n", "in.csv");
    FAIL();
  } catch (const EOptionsFileError& e) {
    EXPECT_STREQ(e.what(), "The row has 2 fields, the header 3 (in.csv line 4)");
  }
}

std::string ImportError(TUbicModel& model, const std::string& csv) {
  try {
    ReplaceOptions(model, csv, "in.csv");
  } catch (const EOptionsFileError& e) {
    return e.what();
  }
  return "no error";
}

// Names are matched exactly first, then regardless of blanks around them and letter case, unless
// that leaves a choice between names spelled differently.
TEST(OptionImport, NamesMatchLooselyWhenThatIsClear) {
  TUbicModel model;
  model.Root()->AddInput(MakeAttribute("Quality", {"Normal", "High", "HIGH"}));
  model.Root()->AddInput(MakeAttribute("Price", {"low", "high"}));
  model.Root()->AddInput(MakeAttribute("PRICE", {"low", "high"}));
  model.Root()->AddInput(MakeAttribute("Size", {"small", "large"}));
  model.Root()->AddInput(MakeAttribute("Size", {"small", "large"}));
  ReplaceOptions(model,
                 "x, quality ,PRICE,size,Price,SIZE\n"
                 "a,normal , high,small;LARGE ,low,large\n"
                 "b, NORMAL;HIGH,LOW,large,high,small\n",
                 "in.csv");
  // "HIGH" is spelled like a value: there is no choice to make.
  EXPECT_EQ(Texts(model, "Quality"), (std::vector<std::string>{"0", "02"}));
  std::vector<TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);
  EXPECT_EQ(basic[1]->OptionValues().Strings(), (std::vector<std::string>{"0", "1"}));
  EXPECT_EQ(basic[2]->OptionValues().Strings(), (std::vector<std::string>{"1", "0"}));
  EXPECT_EQ(basic[3]->OptionValues().Strings(), (std::vector<std::string>{"01", "1"}));
  EXPECT_EQ(basic[4]->OptionValues().Strings(), (std::vector<std::string>{"1", "0"}));

  EXPECT_EQ(ImportError(model, "x,Quality\na,high\n"),
            "Ambiguous attribute value \"Quality\": \"high\" could be \"High\", \"HIGH\" (in.csv "
            "line 2)");
  EXPECT_EQ(ImportError(model, "x,price\n"),
            "Ambiguous attribute \"price\" could be \"Price\", \"PRICE\" (in.csv line 1)");
  EXPECT_EQ(ImportError(model, "x,Size,size,SIZE\n"),
            "Attribute \"SIZE\" has a column already (in.csv line 1)");
  EXPECT_EQ(ImportError(model, "x,Quality\na,normal;top\n"),
            "Unknown attribute value \"Quality\": \"top\" (in.csv line 2)");
}

// Export options writes what Import options reads: one row per option under the basic attributes.
// Edited in a spreadsheet set to semicolons, with names typed in other letter case, the file still
// reads back to the options as they were.
TEST(OptionExport, ReadsBackAfterASpreadsheetEditedIt) {
  const std::unique_ptr<TUbicModel> model = Car();
  model->EvaluateAll();
  const std::string before = OptionState(*model);
  std::string csv;
  OptionsCsv(*model, [&csv](const std::string& record) { csv += record; });
  EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
            "Option,Price,Running costs,Safety,Comfort,Boot size\n"
            "Compact Hatchback,up to 15000,low,high,basic,small\n");
  ASSERT_NE(csv.find("\nUsed SUV,up to 15000,high,medium;high,comfortable,large\n"),
            std::string::npos);

  csv.replace(csv.find("medium;high"), 11, "@");
  std::replace(csv.begin(), csv.end(), ',', ';');
  csv.replace(csv.find("@"), 1, "\"Medium ; HIGH\"");
  csv.replace(csv.find(";basic;"), 7, "; Basic;");
  csv.insert(0, "\xEF\xBB\xBF");
  ReplaceOptions(*model, csv, "edited.csv");
  model->EvaluateAll();
  EXPECT_EQ(OptionState(*model), before);
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

namespace ubic::test {
namespace {

// Support (poor, adequate, good) and Price (low, high), both basic.
std::unique_ptr<TUbicModel> TwoBasics() {
  auto model = std::make_unique<TUbicModel>();
  model->Root()->AddInput(MakeAttribute("Support", {"poor", "adequate", "good"}));
  model->Root()->AddInput(MakeAttribute("Price", {"low", "high"}));
  return model;
}

std::string WeightsOf(const TUbicAttribute& attribute, int k) {
  const auto weights = attribute.OptionWeightsOf(k);
  return weights ? WeightsText(attribute.Scale(), {attribute.OptionText(k), *weights})
                 : "plain " + attribute.OptionText(k);
}

TEST(OptionsFileWeights, ReadWholeOrInPartsAndWrittenBack) {
  const std::string csv =
      "Option,Support,Price\n"
      "a,good=0.7;ADEQUATE=0.3,low\n"
      "b,poor,high=1;low=0\n"
      "c,good=0.7;adequate=0.3,*\n";
  for (const int part : {0, 1, 2}) {
    const auto model = TwoBasics();
    if (part == 0) {
      ReplaceOptions(*model, csv, "in.csv");
    } else {
      TOptionsFileReader reader(*model, csv, "in.csv", part);
      ASSERT_TRUE(reader.ReadOptions());
      if (part == 1) {
        // The middle option of the file, alone in its part.
        ASSERT_TRUE(reader.ReadOptions());
        EXPECT_EQ(WeightsOf(*model->Root()->Input(0), 0), "plain 0");
        EXPECT_EQ(WeightsOf(*model->Root()->Input(1), 0), "high=1");
        continue;
      }
      EXPECT_EQ(model->OptionCount(), 2);
    }
    const TUbicAttribute& support = *model->Root()->Input(0);
    const TUbicAttribute& price = *model->Root()->Input(1);
    EXPECT_EQ(WeightsOf(support, 0), "adequate=0.3;good=0.7") << part;
    EXPECT_EQ(WeightsOf(support, 1), "plain 0") << part;
    EXPECT_EQ(WeightsOf(price, 0), "plain 0") << part;
    EXPECT_EQ(WeightsOf(price, 1), "high=1") << part;
    if (part != 0) continue;
    EXPECT_EQ(WeightsOf(support, 2), "adequate=0.3;good=0.7");
    std::string written;
    OptionsCsv(*model, [&written](const std::string& record) { written += record; });
    EXPECT_EQ(written,
              "Option,Support,Price\n"
              "a,adequate=0.3;good=0.7,low\n"
              "b,poor,high=1\n"
              "c,adequate=0.3;good=0.7,*\n");
  }
}

TEST(OptionsFileWeights, BadWeightsNameTheOptionAndChangeNothing) {
  const auto model = TwoBasics();
  std::istringstream good("Option,Support\na,good=2;poor=1\n");
  ImportOptions(*model, good, "in.csv");
  const auto failure = [&](const std::string& cell) {
    std::istringstream stream("Option,Support\nfine,poor\nbad one,\"" + cell + "\"\n");
    try {
      ImportOptions(*model, stream, "in.csv");
    } catch (const EOptionsFileError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(failure("good=1;best=2"),
            "Option \"bad one\", attribute \"Support\": unknown value "
            "\"best\" in \"good=1;best=2\" (in.csv line 3)");
  EXPECT_NE(failure("good=-1").find("the weight \"-1\" is not a non-negative number"),
            std::string::npos);
  EXPECT_NE(failure("good=0").find("all weights are zero"), std::string::npos);
  EXPECT_NE(failure("good=1;Good=1").find("named twice"), std::string::npos);
  EXPECT_EQ(model->OptionCount(), 1);
  EXPECT_EQ(WeightsOf(*model->Root()->Input(0), 0), "poor=1;good=2");
}

}  // namespace
}  // namespace ubic::test
