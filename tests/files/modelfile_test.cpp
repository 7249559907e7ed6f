#include <gtest/gtest.h>

#include "files/modelfile.h"
#include "files/modelsnapshot.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "test_files.h"

namespace ubic::test {
namespace {

const std::string kHeader = "<?xml version=\"1.0\"?>";

std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name,
                                              const std::vector<std::string>& values) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (const std::string& value : values) scale->AddValue(value);
  attribute->SetScale(std::move(scale));
  return attribute;
}

TUbicFunction& AddFunction(TUbicAttribute& attribute) {
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  TUbicFunction& result = *function;
  attribute.SetFunct(std::move(function));
  return result;
}

class ModelFile : public ::testing::Test {
 protected:
  std::vector<std::string> Saved(TUbicModel& model) {
    SaveToFile(model, File());
    return ReadTextLines(File());
  }
  std::unique_ptr<TUbicModel> Loaded(const std::vector<std::string>& lines) {
    WriteBytes(File(), JoinLines(lines));
    auto model = std::make_unique<TUbicModel>();
    LoadFromFile(*model, File());
    return model;
  }
  std::string File() const { return Folder.File("model.ubm"); }

  TTempFolder Folder;
};

TEST_F(ModelFile, WritesTheDocumentedLayout) {
  TUbicModel empty;
  EXPECT_EQ(Saved(empty), (std::vector<std::string>{kHeader, "<Ubic/>"}));
  EXPECT_EQ(ReadBytes(File()), kHeader + "\r\n<Ubic/>\r\n");

  TUbicModel model;
  model.AddOption("Car A");
  auto price = MakeAttribute("Price", {"low", "high"});
  price->AddInput(MakeAttribute("Cost", {"cheap", "expensive"}));
  TUbicFunction& function = AddFunction(*price);
  for (int r = 0; r < 2; ++r) {
    function.SetRuleValue(r, r);
    function.SetRuleEntered(r, true);
  }
  price->Input(0)->SetOptionText(0, "1");
  price->SetOptionText(0, "1");
  // Only the second value of each scale is marked: good.
  for (TUbicAttribute* a : {price.get(), price->Input(0)}) {
    a->Scale()->ClearThresholds();
    a->Scale()->SetGoodThreshold(1);
  }
  model.Root()->AddInput(std::move(price));
  EXPECT_EQ(Saved(model), (std::vector<std::string>{kHeader,
                                                    "<Ubic>",
                                                    "  <OPTION>Car A</OPTION>",
                                                    "  <ATTRIBUTE>",
                                                    "    <NAME>Price</NAME>",
                                                    "    <SCALE>",
                                                    "      <SCALEVALUE>",
                                                    "        <NAME>low</NAME>",
                                                    "      </SCALEVALUE>",
                                                    "      <SCALEVALUE>",
                                                    "        <NAME>high</NAME>",
                                                    "        <GROUP>GOOD</GROUP>",
                                                    "      </SCALEVALUE>",
                                                    "    </SCALE>",
                                                    "    <FUNCTION>",
                                                    "      <LOW>01</LOW>",
                                                    "    </FUNCTION>",
                                                    "    <OPTION>1</OPTION>",
                                                    "    <ATTRIBUTE>",
                                                    "      <NAME>Cost</NAME>",
                                                    "      <SCALE>",
                                                    "        <SCALEVALUE>",
                                                    "          <NAME>cheap</NAME>",
                                                    "        </SCALEVALUE>",
                                                    "        <SCALEVALUE>",
                                                    "          <NAME>expensive</NAME>",
                                                    "          <GROUP>GOOD</GROUP>",
                                                    "        </SCALEVALUE>",
                                                    "      </SCALE>",
                                                    "      <OPTION>1</OPTION>",
                                                    "    </ATTRIBUTE>",
                                                    "  </ATTRIBUTE>",
                                                    "</Ubic>"}));
}

TEST_F(ModelFile, RoundTripKeepsEverything) {
  TUbicModel model;
  model.AddOption("first");
  model.AddOption("second & third");
  auto top = MakeAttribute("", {"a", "b", "c"});
  top->SetDescription("two\r\nlines");
  top->DiscreteScale()->SetOrder(TScaleOrder::Descending);
  top->DiscreteScale()->ResetThresholds();
  top->DiscreteScale()->SetValueDescription(1, " padded ");
  top->AddInput(
      MakeAttribute("x", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
  top->AddInput(MakeAttribute("y", {"no", "yes"}));
  top->Input(1)->DiscreteScale()->SetOrder(TScaleOrder::None);
  TUbicFunction& function = AddFunction(*top);
  function.SetRuleValue(25, 2);
  function.SetRuleEntered(25, true);
  function.SetWeights({100.0 / 3, 100.0 / 3, 100.0 / 3});
  function.SetUseWeights(true);
  top->Input(0)->SetOptionText(1, "<");
  top->Input(1)->SetOptionText(0, "01");
  model.Root()->AddInput(std::move(top));

  const std::vector<std::string> lines = Saved(model);
  const std::string text = JoinLines(lines);
  EXPECT_NE(text.find("<ORDER>DESC</ORDER>"), std::string::npos);
  EXPECT_NE(text.find("<ORDER>NONE</ORDER>"), std::string::npos);
  EXPECT_NE(text.find("<OPTION/>"), std::string::npos);
  EXPECT_NE(text.find("<OPTION>&lt;</OPTION>"), std::string::npos);
  EXPECT_NE(text.find("<WEIGHTS>33.3333333333333;33.3333333333333;33.3333333333333</WEIGHTS>"),
            std::string::npos);
  EXPECT_EQ(text.find("<NAME></NAME>"), std::string::npos);

  const std::unique_ptr<TUbicModel> back = Loaded(lines);
  EXPECT_TRUE(back->NeedsEvaluation());
  const TUbicAttribute& read = *back->FirstAttribute();
  EXPECT_EQ(read.GetName(), "");
  EXPECT_EQ(read.GetDescription(), "two\r\nlines");
  EXPECT_EQ(read.DiscreteScale()->ValueDescription(1), " padded ");
  EXPECT_TRUE(read.Scale()->IsGood(0));
  EXPECT_TRUE(read.Scale()->IsBad(2));
  EXPECT_EQ(read.Input(0)->OptionValues().Strings(), (std::vector<std::string>{"", "<"}));
  EXPECT_EQ(read.Input(0)->OptionValue(1), 12);
  EXPECT_EQ(read.Funct()->Rules()[25], function.Rules()[25]);
  EXPECT_EQ(read.Funct()->Rules().Strings(), function.Rules().Strings());
  EXPECT_TRUE(read.Funct()->UseWeights());
  EXPECT_EQ(Saved(*back), lines);
}

TEST_F(ModelFile, StoredTableKeptByteForByte) {
  // Top over x and y of three values each: (0,0) = a and (2,2) = c entered, weights in use.
  TUbicModel model;
  auto top = MakeAttribute("Top", {"a", "b", "c"});
  top->AddInput(MakeAttribute("x", {"0", "1", "2"}));
  top->AddInput(MakeAttribute("y", {"0", "1", "2"}));
  TUbicFunction& function = AddFunction(*top);
  function.EnterRule(0, 0, 0);
  function.EnterRule(8, 2, 2);
  function.ApplyWeights({50, 50}, true);
  model.Root()->AddInput(std::move(top));
  std::string text = JoinLines(Saved(model));
  const std::string completed = "<LOW>001012122</LOW>";
  ASSERT_NE(text.find(completed), std::string::npos) << text;
  // Every computed rule stored as c, which completion would never give (0,1): the file's table
  // is what the model takes, and what it writes again.
  text.replace(text.find(completed), completed.size(), "<LOW>022222222</LOW>");
  WriteBytes(File(), text);
  TUbicModel read;
  LoadFromFile(read, File());
  EXPECT_EQ(read.FirstAttribute()->Funct()->RuleLow(1), 2);
  EXPECT_TRUE(read.FirstAttribute()->Funct()->UseWeights());
  const std::string again = Folder.File("again.ubm");
  SaveToFile(read, again);
  EXPECT_EQ(ReadBytes(again), text);
}

TEST_F(ModelFile, RuleTextsAsWritten) {
  TUbicModel model;
  std::vector<std::string> thirteen;
  for (int v = 0; v < 13; ++v) thirteen.push_back("v" + std::to_string(v));
  auto top = MakeAttribute("T", thirteen);
  top->AddInput(MakeAttribute("A", {"a0", "a1"}));
  top->AddInput(MakeAttribute("B", {"b0", "b1"}));
  TUbicFunction& function = AddFunction(*top);
  function.SetRuleValue(0, 12);
  function.SetRuleEntered(0, true);
  model.Root()->AddInput(std::move(top));
  const std::string text = JoinLines(Saved(model));
  EXPECT_NE(text.find("<LOW>&lt;000</LOW>"), std::string::npos) << text;
  EXPECT_NE(text.find("<HIGH>&lt;&lt;&lt;&lt;</HIGH>"), std::string::npos) << text;
  EXPECT_NE(text.find("<ENTERED>+---</ENTERED>"), std::string::npos) << text;
  const auto back = Loaded(ReadTextLines(File()));
  EXPECT_EQ(back->FirstAttribute()->Funct()->RuleLow(0), 12);
}

TEST_F(ModelFile, FunctionTextsFillTheTable) {
  const std::vector<std::string> head = {kHeader, "<Ubic>", "<ATTRIBUTE><NAME>T</NAME>",
                                         "<SCALE><SCALEVALUE/><SCALEVALUE/><SCALEVALUE/></SCALE>"};
  const std::vector<std::string> tail = {
      "<ATTRIBUTE><SCALE><SCALEVALUE/><SCALEVALUE/></SCALE></ATTRIBUTE>",
      "<ATTRIBUTE><SCALE><SCALEVALUE/><SCALEVALUE/></SCALE></ATTRIBUTE>", "</ATTRIBUTE></Ubic>"};
  auto load = [&](const std::string& function) {
    std::vector<std::string> lines = head;
    lines.push_back(function);
    lines.insert(lines.end(), tail.begin(), tail.end());
    return Loaded(lines);
  };
  auto model = load("<FUNCTION><LOW>0122</LOW><LOW>0120</LOW><ENTERED>+-</ENTERED></FUNCTION>");
  const TUbicFunction* f = model->FirstAttribute()->Funct();
  EXPECT_EQ(f->Rules().Strings(), (std::vector<std::string>{"0000+", "0111-", "1022+", "1100+"}));

  model = load("<FUNCTION><LOW>01</LOW><HIGH>2</HIGH><WEIGHTS>70;30</WEIGHTS></FUNCTION>");
  f = model->FirstAttribute()->Funct();
  EXPECT_EQ(f->Rules().Strings(), (std::vector<std::string>{"0002+", "0111+", "1002-", "1102-"}));
  EXPECT_EQ(f->Weights(), (floatarray{70, 30}));

  try {
    load("<FUNCTION><LOW>0</LOW><WEIGHTS>50;x</WEIGHTS></FUNCTION>");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
  }
}

TEST_F(ModelFile, ScaleOrdersAndGroups) {
  auto model = Loaded(
      {kHeader, "<Ubic><ATTRIBUTE><SCALE><ORDER>asc</ORDER>",
       "<SCALEVALUE><GROUP>GOOD</GROUP></SCALEVALUE><SCALEVALUE/>", "</SCALE></ATTRIBUTE>",
       "<ATTRIBUTE><SCALE><ORDER>DESC</ORDER>", "<SCALEVALUE><GROUP>GOOD</GROUP></SCALEVALUE>",
       "<SCALEVALUE><GROUP>GOOD</GROUP></SCALEVALUE><SCALEVALUE/>",
       "<SCALEVALUE><GROUP>BAD</GROUP></SCALEVALUE>", "<SCALEVALUE><GROUP>BAD</GROUP></SCALEVALUE>",
       "</SCALE></ATTRIBUTE></Ubic>"});
  const TUbicScale& ascending = *model->Root()->Input(0)->Scale();
  EXPECT_EQ(ascending.Order(), TScaleOrder::Ascending);
  // A good first value makes every value good on an ascending scale.
  EXPECT_TRUE(ascending.IsGood(0));
  EXPECT_TRUE(ascending.IsGood(1));
  const TUbicScale& descending = *model->Root()->Input(1)->Scale();
  EXPECT_EQ(descending.ScaleText(), "- (+);(+);;(-);(-)");
}

TEST_F(ModelFile, FunctionOfAnAttributeThatCannotHaveOne) {
  const std::vector<std::string> lines = {kHeader,
                                          "<Ubic>",
                                          "  <ATTRIBUTE>",
                                          "    <NAME>Lone</NAME>",
                                          "    <SCALE>",
                                          "      <SCALEVALUE/>",
                                          "      <SCALEVALUE/>",
                                          "    </SCALE>",
                                          "    <FUNCTION>",
                                          "      <LOW/>",
                                          "    </FUNCTION>",
                                          "    <OPTION/>",
                                          "  </ATTRIBUTE>",
                                          "</Ubic>"};
  auto model = Loaded(
      {kHeader, "<Ubic><ATTRIBUTE><NAME>Lone</NAME>", "<SCALE><SCALEVALUE/><SCALEVALUE/></SCALE>",
       "<FUNCTION><LOW>0101</LOW></FUNCTION><OPTION>1</OPTION>", "</ATTRIBUTE></Ubic>"});
  const TUbicFunction& function = *model->FirstAttribute()->Funct();
  EXPECT_EQ(function.Attribute(), nullptr);
  EXPECT_EQ(function.RuleCount(), 0);
  EXPECT_EQ(function.Determinedness(), 0);
  EXPECT_EQ(function.StatisticsText(), "Rules: 0/0 (0.00%), determined: 0.00%");
  EXPECT_EQ(function.Evaluate(std::vector<std::string>{}), "");
  TStrList boxes;
  function.CompactRules(0, boxes);
  EXPECT_EQ(boxes.Count(), 0);
  model->FirstAttribute()->SetOptionText(0, "");
  EXPECT_EQ(Saved(*model), lines);
  EXPECT_EQ(Saved(*Loaded(lines)), lines);
}

TEST_F(ModelFile, RefusesHugeTablesAndForeignDocuments) {
  std::string scale = "<SCALE>";
  for (int v = 0; v < 101; ++v) scale += "<SCALEVALUE/>";
  scale += "</SCALE>";
  const std::string input = "<ATTRIBUTE>" + scale + "</ATTRIBUTE>";
  try {
    Loaded({kHeader, "<Ubic><ATTRIBUTE><NAME>Huge</NAME>" + scale, input, input, input,
            "<FUNCTION><LOW>0</LOW></FUNCTION></ATTRIBUTE></Ubic>"});
    FAIL() << "no error";
  } catch (const EUbicError& e) {
    EXPECT_STREQ(e.what(),
                 "The newly created table would consist of 1030301 rules, which is too much. You "
                 "have to rearrange the tree below the attribute Huge: reduce the number of "
                 "descendants and/or their scale sizes .");
  }
  // Two tables within the bound each, and beyond it together.
  std::string big = "<ATTRIBUTE><NAME>Big</NAME><SCALE><SCALEVALUE/><SCALEVALUE/></SCALE>";
  for (const int values : {100, 100, 61}) {
    big += "<ATTRIBUTE><SCALE>";
    for (int v = 0; v < values; ++v) big += "<SCALEVALUE/>";
    big += "</SCALE></ATTRIBUTE>";
  }
  big += "<FUNCTION/></ATTRIBUTE>";
  try {
    Loaded({kHeader, "<Ubic>" + big + big + "</Ubic>"});
    FAIL() << "no error";
  } catch (const EUbicError& e) {
    EXPECT_STREQ(e.what(),
                 "The rule tables of the file would consist of more than 1000000 rules together, "
                 "which is too much.");
  }
  for (const std::vector<std::string>& lines :
       {std::vector<std::string>{kHeader, "<Model/>"}, std::vector<std::string>{kHeader}}) {
    try {
      Loaded(lines);
      FAIL() << "no error";
    } catch (const EUbicError& e) {
      EXPECT_EQ(e.what(), "Unknown file format: \"" + File() + "\"");
    }
  }
}

TEST_F(ModelFile, RefusesAttributesNestedBeyondTheBound) {
  std::vector<std::string> lines{kHeader, "<Ubic>"};
  for (int level = 1; level <= kMaxReadLevel; ++level) lines.push_back("<ATTRIBUTE>");
  for (int level = 1; level <= kMaxReadLevel; ++level) lines.push_back("</ATTRIBUTE>");
  lines.push_back("</Ubic>");
  EXPECT_EQ(Loaded(lines)->Statistics().Attributes, kMaxReadLevel);
  lines.insert(lines.begin() + 2, "<ATTRIBUTE><NAME>top</NAME>");
  lines.insert(lines.end() - 1, "</ATTRIBUTE>");
  try {
    Loaded(lines);
    FAIL() << "no error";
  } catch (const EUbicError& e) {
    EXPECT_EQ(e.what(),
              Format("The attribute \"\" is nested deeper than %d levels", kMaxReadLevel));
  }
}

TEST_F(ModelFile, ElementsInAnyOrderAndUnknownOnesIgnored) {
  auto model = Loaded({kHeader, "<Ubic>", "<ATTRIBUTE><NAME>A</NAME><COLOUR>red</COLOUR>",
                       "<OPTION>0</OPTION><OPTION/><OPTION>1</OPTION></ATTRIBUTE>",
                       "<OPTION>o1</OPTION><EXTRA/><OPTION>o2</OPTION>", "</Ubic>"});
  EXPECT_EQ(model->Options().Strings(), (std::vector<std::string>{"o1", "o2"}));
  EXPECT_EQ(model->FirstAttribute()->OptionValues().Strings(),
            (std::vector<std::string>{"0", "", "1"}));
}

}  // namespace
}  // namespace ubic::test

namespace ubic::test {
namespace {

TEST_F(ModelFile, WeightsInElementsOfTheirOwn) {
  TUbicModel model;
  for (const char* name : {"A", "B", "C"}) model.AddOption(name);
  auto support = MakeAttribute("Support", {"poor", "adequate", "good"});
  support->SetOptionText(0, "2");
  support->SetOptionWeighted(1, ParseWeights(support->Scale(), "good=0.7;adequate=0.3", "B", ""));
  model.Root()->AddInput(std::move(support));
  const std::vector<std::string> lines = Saved(model);
  // The plain value stays where every reader looks for it; the weights follow in their order.
  const std::vector<std::string> options(lines.end() - 6, lines.end() - 1);
  EXPECT_EQ(options,
            (std::vector<std::string>{
                "    <OPTION>2</OPTION>", "    <OPTION>12</OPTION>", "    <OPTIONWEIGHTS/>",
                "    <OPTIONWEIGHTS>0.3;0.7</OPTIONWEIGHTS>", "  </ATTRIBUTE>"}));
  const auto loaded = Loaded(lines);
  const TUbicAttribute& read = *loaded->Root()->Input(0);
  EXPECT_EQ(read.OptionText(1), "12");
  EXPECT_EQ(*read.OptionWeightsOf(1), (std::vector<double>{0.3, 0.7}));
  EXPECT_FALSE(read.OptionWeightsOf(0));
  EXPECT_EQ(Saved(*loaded), lines);

  // Weights that do not fit their value text are a plain value's.
  std::vector<std::string> changed = lines;
  std::replace(changed.begin(), changed.end(), std::string("    <OPTION>12</OPTION>"),
               std::string("    <OPTION>1</OPTION>"));
  EXPECT_FALSE(Loaded(changed)->Root()->Input(0)->HasOptionWeights());

  // Undo's image of the model holds the weights too.
  const TModelSnapshot before(*loaded);
  loaded->Root()->Input(0)->SetOptionText(1, "12");
  EXPECT_FALSE(TModelSnapshot(*loaded).SameFileAs(before));
  before.Restore(*loaded);
  EXPECT_EQ(*loaded->Root()->Input(0)->OptionWeightsOf(1), (std::vector<double>{0.3, 0.7}));
}

}  // namespace
}  // namespace ubic::test
