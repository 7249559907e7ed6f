#include <gtest/gtest.h>

#include "files/jkivfile.h"
#include "files/xml.h"
#include "test_models.h"

namespace ubic::test {
namespace {

std::string NarrowedRemark(const std::string& attribute) {
  return "The function of \"" + attribute +
         "\" has rules with an interval of values, of which the jKIV file keeps only the lowest "
         "value.\r";
}

std::string ComputedRemark(const std::string& attribute) {
  return "The function of \"" + attribute +
         "\" has computed rules, which the jKIV file can not tell from entered ones; they will "
         "read back as entered.\r";
}

std::string OffScaleRemark(const std::string& attribute) {
  return "The function of \"" + attribute +
         "\" has rules with a value not on its scale, which the jKIV file can not name; they will "
         "read back undefined.\r";
}

std::string WeightsRemark(const std::string& attribute) {
  return "The function of \"" + attribute +
         "\" uses weights, which the jKIV file can not hold; it will read back without them.\r";
}

std::string LeftOutRemark(const std::string& attribute) {
  return "The attribute \"" + attribute +
         "\" has a function although its inputs or its scale allow no rules, which the jKIV file "
         "can not hold; it is left out.\r";
}

std::string UndefinedRemark(const std::string& attribute) {
  return "The attribute \"" + attribute +
         "\" has options without a value, which the jKIV file writes as any value (\"*\").\r";
}

std::string AnyValueRemark(const std::string& option, const std::string& attribute) {
  return "The option \"" + option + "\" has for \"" + attribute +
         "\" a value the jKIV file can not hold (a set of values or none of its scale); the "
         "file says \"*\".\r";
}

const std::string kScaleXY =
    "<SCALE><NAME>S</NAME><SCALEVALUE><NAME>x</NAME></SCALEVALUE>"
    "<SCALEVALUE><NAME>y</NAME></SCALEVALUE></SCALE>";
// A with the input B, both on the scale S.
const std::string kTwoAttributes =
    "<ATTRIBUTE><NAME>A</NAME><SCALE>S</SCALE><FUNCTION>A</FUNCTION></ATTRIBUTE>"
    "<ATTRIBUTE><NAME>B</NAME><PARENT>A</PARENT><SCALE>S</SCALE><FUNCTION>B</FUNCTION>"
    "</ATTRIBUTE>";

class Jkiv : public ::testing::Test {
 protected:
  std::string File() const { return Folder.File("model.xml"); }
  std::unique_ptr<TUbicModel> Loaded(const std::vector<std::string>& lines) {
    WriteBytes(File(), JoinLines(lines));
    auto model = std::make_unique<TUbicModel>();
    LoadFromJkivFile(*model, File());
    EXPECT_EQ(XmlHeader, kDefaultXmlHeader);
    return model;
  }
  std::unique_ptr<TUbicModel> ExportedAndLoaded(TUbicModel& model,
                                                const std::string& remarks = {}) {
    EXPECT_EQ(SaveToJkivFile(model, File()), remarks);
    return Loaded(ReadTextLines(File()));
  }
  std::string LoadError(const std::vector<std::string>& lines) {
    std::string message = "no error";
    try {
      Loaded(lines);
    } catch (const std::exception& e) {
      message = e.what();
    }
    EXPECT_EQ(XmlHeader, kDefaultXmlHeader);
    return message;
  }

  TTempFolder Folder;
};

TEST_F(Jkiv, WritesTheFlatLayoutWithoutHeader) {
  TUbicModel model;
  model.SetName("Cars");
  model.AddOption("Car A");
  auto price = MakeAttribute("Price", {"low", "high"});
  price->AddInput(MakeAttribute("Cost", {"low", "high"}));
  TUbicFunction& function = AddFunction(*price);
  SetRule(function, 0, 1, 1, true);
  SetRule(function, 1, 0, 1, false);
  price->Input(0)->SetOptionText(0, "1");
  price->SetOptionText(0, "0");
  model.Root()->AddInput(std::move(price));
  EXPECT_EQ(SaveToJkivFile(model, File()), NarrowedRemark("Price") + ComputedRemark("Price"));
  EXPECT_EQ(XmlHeader, kDefaultXmlHeader);
  // No header line; indented as the XML writer does it for every file.
  const std::vector<std::string> lines = ReadTextLines(File());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
            Lines("<MODEL>|  <NAME>Cars</NAME>|  <SCALE>"));
  std::string elements;
  for (const std::string& line : lines) elements += Trim(line);
  EXPECT_EQ(elements,
            "<MODEL><NAME>Cars</NAME>"
            "<SCALE><NAME>Price</NAME><ORDERED>YES</ORDERED><ORDER>ASC</ORDER>"
            "<SCALEVALUE><NAME>low</NAME><GROUP>BAD</GROUP></SCALEVALUE>"
            "<SCALEVALUE><NAME>high</NAME><GROUP>GOOD</GROUP></SCALEVALUE></SCALE>"
            "<ATTRIBUTE><NAME>Price</NAME><SCALE>Price</SCALE><FUNCTION>Price</FUNCTION>"
            "</ATTRIBUTE><ATTRIBUTE><NAME>Cost</NAME><PARENT>Price</PARENT><SCALE>Price</SCALE>"
            "<FUNCTION>Cost</FUNCTION></ATTRIBUTE>"
            "<FUNCTION><NAME>Price</NAME><ATTRLIST>Cost</ATTRLIST>"
            "<RULE><CONDITION>low</CONDITION><RESULT>high</RESULT></RULE>"
            "<RULE><CONDITION>high</CONDITION><RESULT>low</RESULT></RULE></FUNCTION>"
            "<OPTION><NAME>Car A</NAME><OPTIONVALUE><ATTRIBUTE>Cost</ATTRIBUTE>"
            "<VALUE>high</VALUE></OPTIONVALUE></OPTION></MODEL>");

  // The shared scale comes back as a copy for each attribute.
  const std::unique_ptr<TUbicModel> back = Loaded(ReadTextLines(File()));
  const TUbicAttribute& read = *back->FirstAttribute();
  EXPECT_NE(read.Scale(), read.Input(0)->Scale());
  EXPECT_TRUE(read.Scale()->IsEqual(*read.Input(0)->Scale()));
}

// Car (descending: good, fair, poor) from Price (eleven values) and Comfort (unordered).
std::unique_ptr<TUbicModel> ShopModel() {
  auto model = std::make_unique<TUbicModel>();
  model->SetName("Cars");
  model->SetDescription("Which car to buy");
  model->AddOption("A");
  model->AddOption("B");
  auto car = MakeAttribute("Car", {"good", "fair", "poor"}, TScaleOrder::Descending);
  car->SetDescription("Overall");
  car->DiscreteScale()->SetValueDescription(1, "so-so");
  car->AddInput(MakeAttribute("Price", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  car->AddInput(MakeAttribute("Comfort", {"plain", "soft"}, TScaleOrder::None));
  TUbicFunction& function = AddFunction(*car);
  for (int r = 0; r < function.RuleCount(); ++r) SetRule(function, r, r % 3, r % 3, true);
  SetRule(function, 5, 0, 2, false);
  // A damaged rule whose value is not on the scale.
  SetRule(function, 0, 7, 7, true);
  function.SetUseWeights(true);
  car->Input(0)->SetOptionText(0, ":");
  car->Input(1)->SetOptionText(0, "1");
  car->Input(1)->SetOptionText(1, "01");
  // A function of a basic attribute, as an own file may hold it: an empty table.
  AddFunction(*car->Input(0));
  model->Root()->AddInput(std::move(car));
  return model;
}

// Each loss is remarked on once, whatever the number of rules or values it concerns; a rule left
// out, which reads back undefined, is remarked on as such and neither as an interval nor as a
// computed rule.
TEST_F(Jkiv, ExportRemarksWhatTheFileCannotCarry) {
  TUbicModel model;
  model.AddOption("First");
  model.AddOption("Second");
  auto top = MakeAttribute("Top", {"lo", "mid", "hi"});
  top->AddInput(MakeAttribute("A", {"x", "y"}));
  top->AddInput(MakeAttribute("B", {"x", "y"}));
  TUbicFunction& function = AddFunction(*top);
  for (int r = 0; r < function.RuleCount(); ++r) SetRule(function, r, r % 3, r % 3, true);
  TUbicAttribute& a = *top->Input(0);
  TUbicAttribute& b = *top->Input(1);
  model.Root()->AddInput(std::move(top));
  a.SetOptionText(0, "1");
  a.SetOptionText(1, "0");
  b.SetOptionText(0, "0");
  b.SetOptionText(1, "*");
  EXPECT_EQ(SaveToJkivFile(model, File()), "");
  SetRule(function, 3, 7, 7, false);
  EXPECT_EQ(SaveToJkivFile(model, File()), OffScaleRemark("Top"));
  SetRule(function, 3, 0, 0, true);

  SetRule(function, 1, 1, 2, true);
  SetRule(function, 2, 0, 1, true);
  EXPECT_EQ(SaveToJkivFile(model, File()), NarrowedRemark("Top"));
  SetRule(function, 2, 2, 2, false);
  EXPECT_EQ(SaveToJkivFile(model, File()), NarrowedRemark("Top") + ComputedRemark("Top"));

  SetRule(function, 1, 1, 1, true);
  SetRule(function, 2, 2, 2, true);
  function.SetUseWeights(true);
  EXPECT_EQ(SaveToJkivFile(model, File()), WeightsRemark("Top"));
  function.SetUseWeights(false);

  a.SetOptionText(0, "01");
  b.SetOptionText(1, "5");
  EXPECT_EQ(SaveToJkivFile(model, File()),
            AnyValueRemark("First", "A") + AnyValueRemark("Second", "B"));
  a.SetOptionText(0, "1");
  b.SetOptionText(1, "*");
  b.SetOptionText(0, "");
  model.AddOption("Third");
  EXPECT_EQ(SaveToJkivFile(model, File()), UndefinedRemark("A") + UndefinedRemark("B"));
}

TEST_F(Jkiv, RoundTripThroughTheOwnFormat) {
  const std::unique_ptr<TUbicModel> original = ShopModel();
  const std::unique_ptr<TUbicModel> model = ExportedAndLoaded(
      *original, OffScaleRemark("Car") + NarrowedRemark("Car") + ComputedRemark("Car") +
                     WeightsRemark("Car") + LeftOutRemark("Price") + UndefinedRemark("Price") +
                     AnyValueRemark("B", "Comfort"));
  const std::string file = ReadBytes(File());
  EXPECT_NE(file.find("<VALUE>10</VALUE>"), std::string::npos);
  EXPECT_EQ(file.find("<FUNCTION>\r\n    <NAME>Price</NAME>"), std::string::npos);
  EXPECT_EQ(model->GetName(), "Cars");
  EXPECT_EQ(model->GetDescription(), "Which car to buy");
  EXPECT_TRUE(model->NeedsEvaluation());
  EXPECT_EQ(model->FirstAttribute()->Input(0)->OptionValue(0), 10);

  // Everything the own format holds survives but for these: an undefined value and a value set
  // come back as any value, every rule comes back entered with its low value (a damaged one
  // undefined), the weights are lost, and so is the empty table of an attribute that cannot have
  // one.
  TUbicAttribute& expected = *original->FirstAttribute();
  expected.Input(0)->SetOptionText(1, "*");
  expected.Input(1)->SetOptionText(1, "*");
  SetRule(*expected.Funct(), 5, 0, 0, true);
  SetRule(*expected.Funct(), 0, 0, 2, false);
  expected.Funct()->SetUseWeights(false);
  expected.Input(0)->SetFunct(nullptr);
  EXPECT_EQ(OwnFormat(*model, Folder), OwnFormat(*original, Folder));
}

TEST_F(Jkiv, ReadsInDocumentOrderAndLinksByName) {
  const std::unique_ptr<TUbicModel> model = Loaded(
      {"<MODEL>",
       "<NAME>Hand</NAME><DESCRIPTION>made</DESCRIPTION><UNKNOWN/>",
       "<SCALE><NAME>S</NAME><ORDERED>NO</ORDERED><ORDER>DESC</ORDER>",
       "<SCALEVALUE><NAME>x</NAME><GROUP>GOOD</GROUP></SCALEVALUE>",
       "<SCALEVALUE><NAME>y</NAME><DESCRIPTION>why</DESCRIPTION></SCALEVALUE>",
       "<SCALEVALUE><NAME>z</NAME><GROUP>BAD</GROUP></SCALEVALUE></SCALE>",
       "<SCALE><NAME>T</NAME><ORDERED>YES</ORDERED>",
       "<SCALEVALUE><NAME>p</NAME></SCALEVALUE><SCALEVALUE><NAME>q</NAME></SCALEVALUE></SCALE>",
       "<ATTRIBUTE><NAME>A</NAME><SCALE>S</SCALE><FUNCTION>Price</FUNCTION></ATTRIBUTE>",
       "<ATTRIBUTE><NAME>X</NAME><SCALE>T</SCALE></ATTRIBUTE>",
       "<ATTRIBUTE><NAME>X</NAME><PARENT>A</PARENT><SCALE>T</SCALE></ATTRIBUTE>",
       "<ATTRIBUTE><NAME>B</NAME><PARENT>X</PARENT><SCALE>T</SCALE></ATTRIBUTE>",
       "<ATTRIBUTE><NAME>C</NAME><PARENT>nobody</PARENT><SCALE>nothing</SCALE></ATTRIBUTE>",
       "<FUNCTION><NAME>PRICE</NAME><ATTRLIST>X;extra</ATTRLIST>",
       "<RULE><CONDITION>q;extra</CONDITION><RESULT>z</RESULT></RULE></FUNCTION>",
       "<OPTION><NAME>o1</NAME>",
       "<OPTIONVALUE><ATTRIBUTE>B</ATTRIBUTE><VALUE>q</VALUE></OPTIONVALUE>",
       "<OPTIONVALUE><ATTRIBUTE>gone</ATTRIBUTE><VALUE>*</VALUE></OPTIONVALUE>",
       "<OPTIONVALUE><ATTRIBUTE>B</ATTRIBUTE><VALUE></VALUE></OPTIONVALUE></OPTION>",
       "<OPTION><NAME>o2</NAME>",
       "<OPTIONVALUE><ATTRIBUTE>C</ATTRIBUTE><VALUE>*</VALUE></OPTIONVALUE></OPTION>",
       "</MODEL>"});
  EXPECT_EQ(model->GetName(), "Hand");
  EXPECT_EQ(model->GetDescription(), "made");
  // Of the two attributes X, the one under A comes first in the tree and takes B.
  const TUbicAttribute& a = *model->Root()->Input(0);
  ASSERT_EQ(model->Root()->InputCount(), 3);
  EXPECT_EQ(a.Input(0)->GetName(), "X");
  EXPECT_EQ(a.Input(0)->Input(0)->GetName(), "B");
  EXPECT_EQ(model->Root()->Input(1)->InputCount(), 0);
  // Unknown parent and scale: a top-level attribute without a scale.
  EXPECT_EQ(model->Root()->Input(2)->GetName(), "C");
  EXPECT_EQ(model->Root()->Input(2)->Scale(), nullptr);

  EXPECT_EQ(a.Scale()->Order(), TScaleOrder::Descending);
  EXPECT_EQ(Groups(*a.Scale()), "GNB");
  EXPECT_EQ(a.DiscreteScale()->ValueDescription(1), "why");
  EXPECT_EQ(a.Input(0)->Scale()->Order(), TScaleOrder::Ascending);
  EXPECT_EQ(Groups(*a.Input(0)->Scale()), "NN");
  // The function named in other letter case is found.
  EXPECT_EQ(a.Funct()->Rules().Strings(), (std::vector<std::string>{"002-", "122+"}));
  // A missing value moves the later ones forward; "*" of an unknown attribute goes nowhere.
  EXPECT_EQ(a.Input(0)->Input(0)->OptionValues().Strings(), std::vector<std::string>{"1"});
  EXPECT_EQ(model->Root()->Input(2)->OptionValues().Strings(), std::vector<std::string>{"*"});
  EXPECT_EQ(model->Options().Strings(), (std::vector<std::string>{"o1", "o2"}));
}

TEST_F(Jkiv, EveryGroupingSurvivesExportAndImport) {
  const std::unique_ptr<TUbicModel> model = GroupingModel();
  ExpectSameGroups(*model, *ExportedAndLoaded(*model));
}

TEST_F(Jkiv, RefusesMalformedFiles) {
  auto withFunction = [](const std::string& function) {
    return std::vector<std::string>{"<MODEL>", kScaleXY, kTwoAttributes, function, "</MODEL>"};
  };
  auto withOption = [](const std::string& value) {
    return std::vector<std::string>{
        "<MODEL>", kScaleXY, kTwoAttributes,
        "<OPTION><NAME>o</NAME><OPTIONVALUE>" + value + "</OPTIONVALUE></OPTION>", "</MODEL>"};
  };
  std::string huge = "<MODEL><SCALE><NAME>H</NAME>";
  for (int v = 0; v < 101; ++v) {
    huge += "<SCALEVALUE><NAME>" + std::to_string(v) + "</NAME></SCALEVALUE>";
  }
  huge += "</SCALE><ATTRIBUTE><NAME>T</NAME><SCALE>H</SCALE><FUNCTION>T</FUNCTION></ATTRIBUTE>";
  for (const char* input : {"a", "b", "c"}) {
    huge += "<ATTRIBUTE><NAME>" + std::string(input) +
            "</NAME><PARENT>T</PARENT><SCALE>H</SCALE></ATTRIBUTE>";
  }
  huge += "<FUNCTION><NAME>T</NAME><ATTRLIST>a;b;c</ATTRLIST></FUNCTION></MODEL>";

  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"<Model/>"}, "Unknown file format: \"" + File() + "\""},
      {{"<?xml version=\"1.0\"?>", "<MODEL/>"},
       "Error reading XML around line 3: Missing tag \"</?xml>\""},
      {withFunction("<FUNCTION><NAME>Q</NAME></FUNCTION>"), "Unknown function \"Q\""},
      {withFunction("<FUNCTION><NAME>a</NAME><ATTRLIST>C;B</ATTRLIST></FUNCTION>"),
       "Unacceptable list of function parameters \"a\": \"C;B\""},
      {withFunction("<FUNCTION><NAME>B</NAME></FUNCTION>"), "Function \"B\" can not be built"},
      {withFunction("<FUNCTION><NAME>A</NAME><ATTRLIST>B</ATTRLIST></FUNCTION><ATTRIBUTE><NAME>C"
                    "</NAME><PARENT>A</PARENT><SCALE>S</SCALE></ATTRIBUTE>"),
       "The attribute \"C\" comes after the function of its parent \"A\""},
      {withFunction("<FUNCTION><NAME>A</NAME><ATTRLIST>B</ATTRLIST><RULE><CONDITION>x"
                    "</CONDITION><RESULT>zz</RESULT></RULE></FUNCTION>"),
       "Unknown attribute value \"A\": \"zz\""},
      {withFunction("<FUNCTION><NAME>A</NAME><ATTRLIST>B</ATTRLIST><RULE><CONDITION>zz"
                    "</CONDITION><RESULT>x</RESULT></RULE></FUNCTION>"),
       "Unknown attribute value \"B\": \"zz\""},
      {withOption("<ATTRIBUTE>Q</ATTRIBUTE><VALUE>x</VALUE>"),
       "Unknown attribute value \"NULL\": \"x\""},
      {withOption("<ATTRIBUTE>B</ATTRIBUTE><VALUE>zz</VALUE>"),
       "Unknown attribute value \"B\": \"zz\""},
      {{huge},
       "The newly created table would consist of 1030301 rules, which is too much. You have to "
       "rearrange the tree below the attribute T: reduce the number of descendants and/or their "
       "scale sizes ."},
  };
  for (const auto& [lines, message] : cases) EXPECT_EQ(LoadError(lines), message) << lines[0];

  // A chain of parents as deep as an own file can nest attributes, and one more.
  std::vector<std::string> chain = {"<MODEL>", "<ATTRIBUTE><NAME>a0</NAME></ATTRIBUTE>"};
  for (int i = 1; i < kMaxReadLevel; ++i) {
    chain.push_back(
        Format("<ATTRIBUTE><NAME>a%d</NAME><PARENT>a%d</PARENT></ATTRIBUTE>", i, i - 1));
  }
  chain.push_back("</MODEL>");
  EXPECT_EQ(LoadError(chain), "no error");
  chain.back() =
      Format("<ATTRIBUTE><NAME>deeper</NAME><PARENT>a%d</PARENT></ATTRIBUTE>", kMaxReadLevel - 1);
  chain.push_back("</MODEL>");
  EXPECT_EQ(LoadError(chain),
            Format("The attribute \"deeper\" is nested deeper than %d levels", kMaxReadLevel));
}

TEST_F(Jkiv, ExportRenamesWhatTheFileCannotLinkAndReadsBackTheSameTree) {
  TUbicModel model;
  model.AddOption("o");
  auto top = MakeAttribute("Dup", {"", "v", "v", "x;y", ""});
  auto same = MakeAttribute("dup", {"lo;w", "hi"});
  same->AddInput(std::make_unique<TUbicAttribute>("a;b"));
  top->AddInput(std::move(same));
  top->AddInput(MakeAttribute("", {"p", "p"}));
  SetRule(AddFunction(*top), 3, 2, 2, true);
  top->Input(1)->SetOptionText(0, "1");
  model.Root()->AddInput(std::move(top));
  EXPECT_EQ(SaveToJkivFile(model, File()),
            "More than one attribute is named \"dup\" (letter case aside), which the jKIV file "
            "can not tell apart; the file calls one of them \"dup (2)\".\r"
            "The attribute name \"a;b\" contains \";\", which the jKIV file uses to separate "
            "names; the file calls the attribute \"a,b\".\r"
            "An attribute has an empty name, which the jKIV file can not refer to; the file calls "
            "it \"Unnamed\".\r"
            "The scale \"Dup\" has a value with an empty name, which the jKIV file can not refer "
            "to; the file calls it \"Unnamed\".\r"
            "The scale \"Dup\" has more than one value named \"v\", which the jKIV file can not "
            "tell apart; the file calls one of them \"v (2)\".\r"
            "The scale \"Dup\" has the value name \"x;y\", which contains \";\", the separator "
            "of names in the jKIV file; the file calls the value \"x,y\".\r"
            "The scale \"Dup\" has a value with an empty name, which the jKIV file can not refer "
            "to; the file calls it \"Unnamed (2)\".\r"
            "The scale \"dup (2)\" has the value name \"lo;w\", which contains \";\", the "
            "separator of names in the jKIV file; the file calls the value \"lo,w\".\r"
            "The scale \"Unnamed\" has more than one value named \"p\", which the jKIV file can "
            "not tell apart; the file calls one of them \"p (2)\".\r" +
                NarrowedRemark("Dup") + ComputedRemark("Dup") + UndefinedRemark("a;b"));

  // The renamed file links every element as the model does.
  const std::unique_ptr<TUbicModel> back = Loaded(ReadTextLines(File()));
  const TUbicAttribute& dup = *back->FirstAttribute();
  ASSERT_EQ(dup.InputCount(), 2);
  EXPECT_EQ(dup.Input(0)->GetName(), "dup (2)");
  EXPECT_EQ(dup.Input(1)->GetName(), "Unnamed");
  ASSERT_EQ(dup.Input(0)->InputCount(), 1);
  EXPECT_EQ(dup.Input(0)->Input(0)->GetName(), "a,b");
  EXPECT_EQ(dup.DiscreteScale()->ValueName(4), "Unnamed (2)");
  EXPECT_EQ(dup.Funct()->Rules()[3], "1122+");
  EXPECT_EQ(dup.Input(1)->OptionText(0), "1");
  EXPECT_EQ(dup.Input(0)->Input(0)->OptionText(0), "*");

  EXPECT_THROW(SaveToJkivFile(model, Folder.File("missing/model.xml")), EFileError);
  EXPECT_EQ(XmlHeader, kDefaultXmlHeader);
}

}  // namespace
}  // namespace ubic::test
