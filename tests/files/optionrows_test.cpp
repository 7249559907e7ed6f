#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "files/csv.h"
#include "files/evaluationtable.h"
#include "files/optionscsv.h"
#include "foundation/cp1250.h"
#include "model/random_model.h"
#include "model/valuecode.h"
#include "test_models.h"

namespace ubic::test {
namespace {

using TRecords = std::vector<std::vector<std::string>>;

TRecords ReadRecords(const std::string& text) {
  TCsvReader reader(text);
  TRecords records;
  std::vector<std::string_view> fields;
  while (reader.Next(fields)) records.emplace_back(fields.begin(), fields.end());
  return records;
}

// A random tree of up to three levels whose aggregates have random tables, some without one;
// value names that CSV must quote, one beyond ASCII, and one alike another but for a blank.
class TCsvRandomModel : public TRandomModel {
 public:
  explicit TCsvRandomModel(unsigned seed)
      : TRandomModel(seed, {.ValueNames = {"lo", "a,b", "q\"",
                                           "\x9A"
                                           "e",
                                           " lo"}}) {}

  // A header naming the basic attributes, then options whose cells hold a value, a set, "*" or
  // nothing.
  std::string OptionsText(int count) {
    std::string text = CsvRecord(Header());
    for (int k = 0; k < count; ++k) {
      std::vector<std::string> row{"option " + std::to_string(k) + (Pick(5) == 0 ? ",\"x\"" : "")};
      for (const TUbicAttribute* basic : Basics) row.push_back(Cell(*basic));
      text += CsvRecord(row);
    }
    return text;
  }

 private:
  std::vector<std::string> Header() const {
    std::vector<std::string> header{"Option"};
    for (const TUbicAttribute* basic : Basics) header.push_back(basic->GetName());
    return header;
  }

  std::string Cell(const TUbicAttribute& basic) {
    const TUbicDiscreteScale& scale = *basic.DiscreteScale();
    auto name = [&](int v) { return Cp1250ToUtf8(scale.ValueName(v)); };
    switch (Pick(8)) {
      case 0:
        return "";
      case 1:
        return "*";
      case 2:
        return name(Pick(scale.Count())) + ";" + name(Pick(scale.Count()));
      default:
        return name(Pick(scale.Count()));
    }
  }
};

// The rows layout, read in parts of a few options, gives every option the values that the column
// layout of the whole file gives it, and so does the column layout's CSV.
TEST(OptionRows, AgreeWithTheColumnLayout) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    TCsvRandomModel random(seed);
    const std::string options = random.OptionsText(1 + static_cast<int>(seed * 7 % 40));
    ReplaceOptions(random.Model, options, "options.csv");
    random.Model.EvaluateAll();
    TRecords columns;
    EvaluationRows(random.Model, false,
                   [&columns](const TTableRow& row) { columns.push_back(row); });
    // The export of the column layout as CSV holds the same texts.
    std::string csv;
    EvaluationCsv(random.Model, [&csv](const std::string& record) { csv += record; });
    EXPECT_EQ(ReadRecords(csv), columns) << seed;

    std::istringstream stream(options);
    TOptionsFileReader reader(random.Model, stream, "options.csv", 3);
    TOptionRowsWriter writer(random.Model, true);
    std::string text;
    while (reader.ReadOptions()) {
      random.Model.EvaluateAll();
      writer.AppendRows(text);
    }
    const TRecords rows = ReadRecords(text);

    ASSERT_EQ(rows.size(), columns[0].size()) << seed;
    ASSERT_EQ(rows[0].size(), columns.size()) << seed;
    EXPECT_EQ(rows[0][0], "Option");
    for (std::size_t k = 0; k < rows.size(); ++k) {
      for (std::size_t a = 0; a < columns.size(); ++a) {
        if (k == 0 && a == 0) continue;
        EXPECT_EQ(rows[k][a], columns[a][k])
            << "seed " << seed << " option " << k << " column " << a;
      }
    }
  }
}

// The basic attributes' values of every option, and the options' names.
std::vector<std::vector<std::string>> BasicValues(const TCsvRandomModel& random) {
  std::vector<std::vector<std::string>> values{random.Model.Options().Strings()};
  for (const TUbicAttribute* basic : random.Basics) {
    std::vector<std::string>& texts = values.emplace_back();
    for (int k = 0; k < random.Model.OptionCount(); ++k) texts.push_back(basic->OptionText(k));
  }
  return values;
}

// Whatever the names hold (separators, quotes, letters beyond ASCII, a blank that alone tells two
// values apart), and with the attributes all named alike, every set of values written reads back
// as it was.
TEST(OptionExport, ReadsBackAsItWasWritten) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    TCsvRandomModel random(seed);
    if (seed % 2 == 0) {
      for (TUbicAttribute* basic : random.Basics) basic->SetName("Same");
    }
    for (int k = static_cast<int>(seed % 9); k >= 0; --k) {
      random.Model.AddOption("option \"" + std::to_string(k) + "\", " + "\x9A");
    }
    // Every set of values, the empty one too.
    std::mt19937 pick(seed);
    for (TUbicAttribute* basic : random.Basics) {
      const int count = basic->DiscreteScale()->Count();
      for (int k = 0; k < random.Model.OptionCount(); ++k) {
        const unsigned set = pick() % (1u << count);
        std::string codes;
        for (int v = 0; v < count; ++v) {
          if ((set >> v & 1u) != 0) codes += ValueCode(v);
        }
        basic->SetOptionText(k, codes);
      }
    }
    const auto before = BasicValues(random);
    std::string csv;
    OptionsCsv(random.Model, [&csv](const std::string& record) { csv += record; });
    ReplaceOptions(random.Model, csv, "out.csv");
    EXPECT_EQ(BasicValues(random), before) << "seed " << seed << "\n" << csv;
  }
}

// In plain text the columns are as wide as the header and the first part need; a wider text in
// a later part pushes the rest of its line.
TEST(OptionRows, PlainColumnsFollowTheFirstPart) {
  TUbicModel model;
  auto top = MakeAttribute("Top", {"no", "yes"});
  top->AddInput(MakeAttribute("In", {"a", "bbbbbb"}));
  TUbicFunction& function = AddFunction(*top);
  SetRule(function, 0, 0, 0, true);
  SetRule(function, 1, 1, 1, true);
  model.Root()->AddInput(std::move(top));
  TUbicAttribute& in = *model.FindAttribute("In");
  TOptionRowsWriter writer(model, false);
  std::string text;
  model.AddOption("first\t1");
  in.SetOptionText(0, "0");
  model.EvaluateAll();
  writer.AppendRows(text);
  model.ClearOptions();
  model.AddOption("second option");
  in.SetOptionText(0, "01");
  model.EvaluateAll();
  writer.AppendRows(text);
  EXPECT_EQ(text,
            "Option   Top  In\n"
            "first 1  no   a\n"
            "second option  *    a;bbbbbb\n");
}

}  // namespace
}  // namespace ubic::test
