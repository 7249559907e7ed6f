#include <gtest/gtest.h>

#include "files/kvxfile.h"
#include "files/modelfile.h"
#include "model/ubicstr.h"
#include "test_models.h"

namespace ubic::test {
namespace {

const std::string kHead = " KIV I1.5| DKB m|";
// A with the input B, both of two values.
const std::string kTwoAttributes = " ATT a|L1 I1| DOM D+|Nx|Ny| ATT b|L2 I2| DOM D+|Nx|Ny|";

// A DOM record of N neutral values.
std::string NeutralScale(int n) {
  std::string text = " DOM D+|";
  for (int i = 0; i < n; ++i) text += "N|";
  return text;
}

// Price (low, mid, high) from Cost (descending: cheap, dear) and Age (unordered: new, old,
// ancient), two options, not evaluated since the last change.
std::unique_ptr<TUbicModel> CarModel() {
  auto model = std::make_unique<TUbicModel>();
  model->AddOption("Car A");
  model->AddOption("Car\nB");
  auto price = MakeAttribute("Price", {"low", "mid", "high"});
  price->SetDescription("Total\r\ncost");
  price->AddInput(MakeAttribute("Cost", {"cheap", "dear"}, TScaleOrder::Descending));
  price->AddInput(MakeAttribute("Age", {"new", "old", "ancient"}, TScaleOrder::None));
  price->Input(1)->DiscreteScale()->SetValueDescription(1, "over\r5 years");
  TUbicFunction& function = AddFunction(*price);
  // Table order, the first input most significant: (0,0) (0,1) (0,2) (1,0) (1,1) (1,2).
  const int values[6][3] = {{0, 0, 1}, {0, 1, 0}, {1, 1, 1}, {1, 1, 1}, {1, 2, 0}, {2, 2, 1}};
  for (int r = 0; r < 6; ++r) SetRule(function, r, values[r][0], values[r][1], values[r][2] != 0);
  function.SetUseWeights(true);
  price->Input(0)->SetOptionText(0, "1");
  price->Input(0)->SetOptionText(1, "01");
  price->Input(1)->SetOptionText(0, "2");
  price->SetOptionText(0, "1");
  price->SetOptionText(1, "02");
  model->Root()->AddInput(std::move(price));
  model->Changed();
  return model;
}

class Kvx : public ::testing::Test {
 protected:
  std::string File() const { return Folder.File("model.kvx"); }
  std::vector<std::string> Saved(TUbicModel& model) {
    SaveToKvxFile(model, File());
    return ReadTextLines(File());
  }
  std::unique_ptr<TUbicModel> Loaded(const std::vector<std::string>& lines,
                                     std::string* remarks = nullptr) {
    WriteBytes(File(), JoinLines(lines));
    auto model = std::make_unique<TUbicModel>();
    const std::string text = LoadFromKvxFile(*model, File());
    if (remarks != nullptr) *remarks = text;
    return model;
  }
  std::string LoadError(const std::string& text) {
    try {
      Loaded(Lines(text));
    } catch (const std::exception& e) {
      return e.what();
    }
    return "no error";
  }

  TTempFolder Folder;
};

TEST_F(Kvx, WritesTheDocumentedRecords) {
  const std::unique_ptr<TUbicModel> model = CarModel();
  const std::vector<std::string> rules = model->FirstAttribute()->Funct()->Rules().Strings();
  SaveToKvxFile(*model, File());
  EXPECT_EQ(ReadBytes(File()),
            JoinLines(Lines(" KIV I1.5| DKB Price|DPrice|T1 t2 A3 a1 b2 v3 G1 O2 o4|"
                            "PP- UDU MC* ME* MD*|=4000|"
                            " ATT Price|DTotal cost|L1 I1| DOM D+|Blow|Nmid|Ghigh|"
                            " ATT Cost|L2 I2| DOM D-|Gcheap|Bdear|"
                            " ATT Age|L2 I3| DOM D~|Nnew|Nold|Dover 5 years|Nancient|"
                            " GRP| FNC DI I1|S6 d0.833333 MC* ME* MD*|R1 R2 r1:2 r2:3 R2 R3|"
                            " OPT Car A| VAL * G1 I0| VAL E G1 I1|V2| VAL G1 I2|V2| VAL G1 I3|V3|"
                            " OPT Car B| VAL * G1 I0| VAL E G1 I1|V1 V3| VAL G1 I2|V1 V2|"
                            " VAL * G1 I3")));
  // The table is back in its own order, and the model otherwise untouched.
  EXPECT_EQ(model->FirstAttribute()->Funct()->Rules().Strings(), rules);
}

TEST_F(Kvx, AnyValueIsWrittenAsUndefined) {
  const std::unique_ptr<TUbicModel> undefined = CarModel();
  const std::unique_ptr<TUbicModel> any = CarModel();
  any->FirstAttribute()->Input(1)->SetOptionText(1, "*");
  const std::vector<std::string> expected = Saved(*undefined);
  ASSERT_EQ(expected.back(), " VAL * G1 I3");
  EXPECT_EQ(Saved(*any), expected);
}

TEST_F(Kvx, RoundTripThroughTheOwnFormat) {
  const std::unique_ptr<TUbicModel> original = CarModel();
  // The export names each loss that the comparison below undoes.
  EXPECT_EQ(SaveToKvxFile(*original, File()),
            Format(ubicstr::KvxOptionNameBreaks, "Car B") +
                Format(ubicstr::KvxAttributeTextBreaks, "Price") +
                Format(ubicstr::KvxValueTextBreaks, "Age") +
                Format(ubicstr::ExportWeights, "Price", "KVX") +
                Format(ubicstr::ExportUndefinedValues, "Age", "KVX") +
                Format(ubicstr::KvxFirstValueSet, "Car B", "Cost"));
  auto model = std::make_unique<TUbicModel>();
  EXPECT_EQ(LoadFromKvxFile(*model, File()), ubicstr::DistributedOptionValues);
  EXPECT_EQ(model->GetName(), "Price");
  EXPECT_EQ(model->GetDescription(), "Price");
  // The import keeps the flags of a new model.
  EXPECT_FALSE(model->NeedsEvaluation());
  // Everything the own format holds survives but for these: line breaks become blanks, the
  // weights are lost, and an empty value and the first set of a basic attribute come back as "*".
  TUbicAttribute& expected = *original->FirstAttribute();
  expected.SetDescription("Total cost");
  expected.Input(1)->DiscreteScale()->SetValueDescription(1, "over 5 years");
  original->SetOptionName(1, "Car B");
  expected.Funct()->SetUseWeights(false);
  expected.Input(0)->SetOptionText(1, "*");
  expected.Input(1)->SetOptionText(1, "*");
  EXPECT_EQ(OwnFormat(*model, Folder), OwnFormat(*original, Folder));
}

// Each loss is remarked on once per attribute, option or model; a model without its own name or
// description loses nothing when the file fills them in.
TEST_F(Kvx, ExportRemarksWhatTheFileCannotCarry) {
  const std::unique_ptr<TUbicModel> model = CarModel();
  TUbicAttribute& price = *model->FirstAttribute();
  TUbicAttribute& cost = *price.Input(0);
  TUbicAttribute& age = *price.Input(1);
  price.SetDescription("Total cost");
  age.DiscreteScale()->SetValueDescription(1, "over 5 years");
  model->SetOptionName(1, "Car B");
  price.Funct()->SetUseWeights(false);
  cost.SetOptionText(1, "0");
  age.SetOptionText(1, "*");
  EXPECT_EQ(SaveToKvxFile(*model, File()), "");

  model->SetDescription("Line\nbreak");
  EXPECT_EQ(SaveToKvxFile(*model, File()), ubicstr::KvxModelTextBreaks);
  model->SetDescription("");
  cost.SetName("Co\r\nst");
  EXPECT_EQ(SaveToKvxFile(*model, File()), Format(ubicstr::KvxAttributeTextBreaks, "Co  st"));
  cost.SetName("Cost");
  // Only the first set of a basic attribute in the file's order is lost; later ones and those of
  // aggregate attributes read back.
  age.SetOptionText(0, "01");
  cost.SetOptionText(1, "01");
  price.SetOptionText(1, "12");
  EXPECT_EQ(SaveToKvxFile(*model, File()), Format(ubicstr::KvxFirstValueSet, "Car A", "Age"));
  age.SetOptionText(0, "2");
  cost.SetOptionText(1, "0");
  model->AddOption("Car C");
  cost.SetOptionText(2, "1");
  price.Funct()->SetUseWeights(true);
  EXPECT_EQ(SaveToKvxFile(*model, File()),
            Format(ubicstr::ExportWeights, "Price", "KVX") +
                Format(ubicstr::ExportUndefinedValues, "Age", "KVX"));
  price.Funct()->SetUseWeights(false);
  EXPECT_EQ(SaveToKvxFile(*model, File()), Format(ubicstr::ExportUndefinedValues, "Age", "KVX"));
}

TEST_F(Kvx, CountsLineAndModelRecord) {
  TUbicModel model;
  for (const char* option : {"o1", "o2", "o3"}) model.AddOption(option);
  auto top = MakeAttribute("Top", {"a", "b"});
  auto middle = MakeAttribute("Middle", {"a", "b", "c", "d"});
  middle->AddInput(MakeAttribute("D", {"x", "y"}));
  middle->AddInput(MakeAttribute("E", {"x", "y"}));
  top->AddInput(std::move(middle));
  top->AddInput(MakeAttribute("C", {"x", "y", "z"}));
  model.Root()->AddInput(std::move(top));
  std::vector<std::string> lines = Saved(model);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 6),
            Lines(" DKB Top|DTop|T1 t2 A5 a2 b3 v4 G1 O3 o6|PP- UDU MC* ME* MD*|=4000"));
  model.SetName("Mine");
  model.SetDescription("Line\none");
  lines = Saved(model);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 3),
            Lines(" DKB Mine|DLine one"));
  EXPECT_EQ(Loaded(lines)->GetDescription(), "Line one");

  // Options without attributes: the fixed value record is all there is, and it reads back.
  TUbicModel options;
  options.AddOption("only");
  EXPECT_EQ(Saved(options), Lines(" KIV I1.5| DKB |D|T0 t0 A0 a0 b0 v0 G1 O1 o1|"
                                  "PP- UDU MC* ME* MD*|=4000| GRP| OPT only| VAL * G1 I0"));
  EXPECT_EQ(Loaded(ReadTextLines(File()))->Options().Strings(), std::vector<std::string>{"only"});
}

TEST_F(Kvx, TwelveRulesToALineAndAnySplitReadsBack) {
  TUbicModel model;
  model.Root()->AddInput(MakeAttribute("R", {"no", "yes"}));
  model.FirstAttribute()->AddInput(MakeAttribute("D", {"0", "1", "2", "3", "4", "5", "6"}));
  model.FirstAttribute()->AddInput(MakeAttribute("E", {"x", "y"}));
  TUbicFunction& function = AddFunction(*model.FirstAttribute());
  std::vector<std::string> lines = Saved(model);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            Lines(" FNC DI I1|S14 d0.000000 MC* ME* MD*|"
                  "r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2|r1:2 r1:2"));

  SetRule(function, 13, 1, 1, true);
  lines = Saved(model);
  lines.erase(lines.end() - 2, lines.end());
  lines.insert(lines.end(),
               {"r1:2 r1:2 r1:2", "", "r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2 r1:2", "r1:2 r1:2 R2"});
  EXPECT_EQ(Loaded(lines)->FirstAttribute()->Funct()->Rules().Strings(),
            function.Rules().Strings());

  // An empty table still has its line.
  TUbicModel lone;
  lone.Root()->AddInput(MakeAttribute("Lone", {"a", "b"}));
  AddFunction(*lone.FirstAttribute());
  lines = Saved(lone);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{" FNC DI I1", "S0 d0.000000 MC* ME* MD*", ""}));
  EXPECT_EQ(Loaded(lines)->FirstAttribute()->Funct()->RuleCount(), 0);
}

// An own file may hold any code in a rule; whatever is written reads back.
TEST_F(Kvx, RuleCodesBelowTheFirstValueReadBack) {
  TUbicModel model;
  model.Root()->AddInput(MakeAttribute("R", {"no", "yes"}));
  model.FirstAttribute()->AddInput(MakeAttribute("D", {"x", "y"}));
  TUbicFunction& function = AddFunction(*model.FirstAttribute());
  function.SetRules({"0\x01,+", "1/\xff-"});
  const std::vector<std::string> lines = Saved(model);
  EXPECT_EQ(lines.back(), "R-46:-3 r0:208");
  EXPECT_EQ(Loaded(lines)->FirstAttribute()->Funct()->Rules().Strings(),
            function.Rules().Strings());
}

// Saving lists the rules in the file's order without reordering the model's table.
TEST_F(Kvx, SavingLeavesATableInItsOwnOrder) {
  TUbicModel model;
  model.Root()->AddInput(MakeAttribute("R", {"no", "yes"}));
  model.FirstAttribute()->AddInput(MakeAttribute("D", {"x", "y"}));
  model.FirstAttribute()->AddInput(MakeAttribute("E", {"x", "y"}));
  TUbicFunction& function = AddFunction(*model.FirstAttribute());
  const std::vector<std::string> rules{"1111+", "0000-", "1000+", "0101-"};
  function.SetRules(rules);
  EXPECT_EQ(Saved(model).back(), "r1 R1 r1:2 R2");
  EXPECT_EQ(function.Rules().Strings(), rules);
}

TEST_F(Kvx, ReadsLevelsGroupsAndRuleItems) {
  std::unique_ptr<TUbicModel> model =
      Loaded(Lines(kHead + " ATT A|D first|L1 I1| DOM D+|Blow|Dworst|Nmid|Ghigh|Ghigher|"
                           " ATT B|L3 I2| DOM D|N x|Ny| ATT C|I3"));
  const TUbicAttribute& a = *model->FirstAttribute();
  EXPECT_EQ(a.GetDescription(), " first");
  EXPECT_EQ(Groups(*a.Scale()), "BNGG");
  EXPECT_EQ(a.DiscreteScale()->ValueDescription(0), "worst");
  // L3 after a level-1 attribute makes a child of it; no level makes a sibling.
  ASSERT_EQ(a.InputCount(), 2);
  EXPECT_EQ(a.Input(0)->GetName(), "B");
  EXPECT_EQ(a.Input(0)->DiscreteScale()->ValueName(0), " x");
  EXPECT_EQ(a.Input(0)->Scale()->Order(), TScaleOrder::Ascending);
  EXPECT_EQ(a.Input(1)->GetName(), "C");

  model = Loaded(Lines(kHead + " ATT A|L1 I1| DOM D+|N|N|N| ATT B|L2 I2| DOM D-|N|N|"
                               " GRP| FNC DI I1|S2|R2 r1:3"));
  EXPECT_EQ(model->FirstAttribute()->Funct()->Rules().Strings(),
            (std::vector<std::string>{"011+", "102-"}));
}

TEST_F(Kvx, RemarksOnGroupsAndDistributedValues) {
  // A has 4 rules; the second group's would have set them all.
  std::string remarks;
  const std::unique_ptr<TUbicModel> model = Loaded(
      Lines(kHead + kTwoAttributes + " ATT c|L2 I3| DOM D+|Nx|Ny|" +
            " GRP| FNC DI I1|R1 R2 R2 R2| GRP| FNC DI I1|R1 R1 R1 R1| GRP|"
            " OPT o| VAL * G1 I0| VAL G1 I2|V1 V2| VAL G1 I3|V1 V2| VAL E * G1 I1| VAL G2 I2|V1"),
      &remarks);
  EXPECT_EQ(remarks, std::string(ubicstr::MoreThanOneGroup) + ubicstr::DistributedOptionValues);
  const TUbicAttribute& a = *model->FirstAttribute();
  EXPECT_EQ(a.Funct()->Rules().Strings(),
            (std::vector<std::string>{"0000+", "0111+", "1011+", "1111+"}));
  EXPECT_EQ(a.OptionValues().Strings(), std::vector<std::string>{"*"});
  EXPECT_EQ(a.Input(0)->OptionValues().Strings(), std::vector<std::string>{"*"});
  EXPECT_EQ(a.Input(1)->OptionValues().Strings(), std::vector<std::string>{"01"});
}

TEST_F(Kvx, EveryGroupingSurvivesExportAndImport) {
  const std::unique_ptr<TUbicModel> model = GroupingModel();
  EXPECT_EQ(model->FindAttribute("2:GGNBB")->Scale()->Order(), TScaleOrder::Descending);
  EXPECT_NE(model->FindAttribute("2:GNN"), nullptr);
  ExpectSameGroups(*model, *Loaded(Saved(*model)));
}

TEST_F(Kvx, RefusesMalformedFiles) {
  const std::string unknown = "Unknown file format: \"" + File() + "\"";
  const std::string line = "Error reading KVX around line ";
  std::string huge = kHead + " ATT a|L1 I1|" + NeutralScale(101);
  for (const char* input : {" ATT b|L2 I2|", " ATT c|L2 I3|", " ATT d|L2 I4|"}) {
    huge += input + NeutralScale(101);
  }
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", unknown},
      {" DKB m", unknown},
      {" KIV I1.5| FNC x", unknown},
      {"KIV I1.5", line + "0: Unrecognized section \"KIV I\""},
      {kHead + " ATT a|L1 I1| XYZ", line + "4: Unrecognized section \"XYZ\""},
      {kHead + " ATT a|LX I1", "'X' is not a valid integer value"},
      {kHead + " ATT a|L1 I1| GRP| OPT o| VAL G1 I9|V1", "List index out of bounds (9)"},
      {kHead + " ATT a|L1 I1| GRP| OPT o| VAL G1 I1|V300", "List index out of bounds (299)"},
      {kHead + kTwoAttributes + " GRP| FNC DI I1|R1 R1 R1", "List index out of bounds (2)"},
      {kHead + kTwoAttributes + " GRP| FNC DI I1|R1 R1:", "'' is not a valid integer value"},
      {kHead + " ATT a|L1 I1| ATT b|L1 I3| GRP| FNC DI I2",
       line + "7: No attribute has the number 2"},
      {kHead + " ATT a|L1 I1| GRP| FNC DI I0", line + "5: No attribute has the number 0"},
      {kHead + " ATT a|L1 I1000001", line + "3: Attribute number 1000001 is larger than 1000000"},
      {kHead + " ATT a|I1", line + "3: Attribute level 0 is not between 1 and 996"},
      {kHead + " ATT a|L1 I1| ATT b|L-1 I2",
       line + "5: Attribute level -1 is not between 1 and 996"},
      {huge + " GRP| FNC DI I1",
       "The newly created table would consist of 1030301 rules, which is too much. You have to "
       "rearrange the tree below the attribute a: reduce the number of descendants and/or their "
       "scale sizes ."},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(LoadError(text), message) << text;
}

TEST_F(Kvx, AFailedRecordLeavesTheTableInItsOwnOrder) {
  WriteBytes(File(), JoinLines(Lines(kHead + kTwoAttributes + " ATT c|L2 I3| DOM D+|Nx|Ny|Nz|" +
                                     " GRP| FNC DI I1|R1 R2 R1 R1 R1 R1 R1")));
  TUbicModel model;
  EXPECT_THROW(LoadFromKvxFile(model, File()), EListError);
  // In the file's order the second rule is (2,1); in the table's own order it is the fourth.
  EXPECT_EQ(model.FirstAttribute()->Funct()->Rules().Strings(),
            (std::vector<std::string>{"0000+", "0100+", "0200+", "1011+", "1100+", "1200+"}));
}

// Each table stays within the bound, but the file builds them over and over.
TEST_F(Kvx, RefusesTablesBeyondTheBoundTogether) {
  std::string text = kHead + " ATT A|L1 I1| DOM D+|N|N|";
  for (const int values : {100, 100, 61}) {
    text += " ATT|L2| DOM D+|";
    for (int v = 0; v < values; ++v) text += "N|";
  }
  EXPECT_EQ(LoadError(text + " GRP| FNC DI I1| FNC DI I1"),
            "The rule tables of the file would consist of more than 1000000 rules together, which "
            "is too much.");
}

TEST_F(Kvx, LevelsAreBoundedByTheOwnFormatsDepth) {
  std::string text = kHead;
  for (int level = 1; level <= kMaxReadLevel; ++level) {
    text += Format(" ATT a|L%d I%d| DOM D+|Nlow|Nhigh|", level, level);
  }
  const std::unique_ptr<TUbicModel> deep = Loaded(Lines(text));
  std::vector<TUbicAttribute*> chain;
  deep->Root()->CollectAttributes(chain);
  EXPECT_EQ(chain.back()->Level(), kMaxReadLevel);
  // The deepest tree a KVX file can hold is one the own format holds too.
  SaveToFile(*deep, Folder.File("deep.ubm"));
  TUbicModel own;
  LoadFromFile(own, Folder.File("deep.ubm"));
  EXPECT_EQ(own.Statistics(), deep->Statistics());

  const int lines = 2 + 5 * kMaxReadLevel + 2;
  EXPECT_EQ(LoadError(text + Format(" ATT a|L%d I%d", kMaxReadLevel + 1, kMaxReadLevel + 1)),
            Format("Error reading KVX around line %d: Attribute level %d is not between 1 and %d",
                   lines - 1, kMaxReadLevel + 1, kMaxReadLevel));
}

}  // namespace
}  // namespace ubic::test
