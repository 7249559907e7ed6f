#include "document/edits.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/modelfile.h"
#include "files/subtree.h"
#include "model/consistency.h"
#include "test_models.h"

namespace ubic::test {
namespace {

class EditsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string remarks;
    Document = TUbicDocument::Open(std::string(UBIC_EXAMPLES_DIR) + "/car.ubm", remarks);
  }

  const TUbicModel& Model() { return Document->Model(); }
  const TUbicAttribute& Find(const char* name) {
    const TUbicAttribute* attribute = Model().FindAttribute(name);
    if (attribute == nullptr) throw std::logic_error(name);
    return *attribute;
  }
  // The first basic attribute whose parent has a function.
  const TUbicAttribute& BasicUnderFunction() {
    for (const TUbicAttribute* attribute : PreOrderAttributes(Model())) {
      if (attribute->IsBasic() && attribute->Parent()->Funct() != nullptr) return *attribute;
    }
    throw std::logic_error("no such attribute");
  }

  std::unique_ptr<TUbicDocument> Document;
};

TEST_F(EditsTest, AnAttributeThatGetsInputsLosesItsFunctionAndItsValues) {
  const TUbicAttribute& basic = BasicUnderFunction();
  const std::vector<int> parentPath = AttributePath(basic.Parent());
  ASSERT_GT(basic.OptionValues().Count(), 0);
  Document->Run(edits::AddAttribute(basic));
  const TUbicAttribute& grown = *AttributeAt(Model(), AttributePath(&basic));
  EXPECT_EQ(grown.InputCount(), 1);
  // Evaluated without a function: every result undefined.
  for (int k = 0; k < Model().OptionCount(); ++k) EXPECT_EQ(grown.OptionText(k), "");
  // The parent's inputs are unchanged, so its function stays.
  EXPECT_NE(AttributeAt(Model(), parentPath)->Funct(), nullptr);

  const TUbicAttribute& other = BasicUnderFunction();
  const TUbicAttribute* parent = other.Parent();
  Document->Run(edits::DeleteAttribute(other));
  EXPECT_EQ(parent->Funct(), nullptr);
  EXPECT_EQ(Document->History().UndoName(), "Delete attribute");
}

TEST_F(EditsTest, AnAttributeAddedUnderTheRootIsTopLevelAndUndoable) {
  const int before = Model().Root()->InputCount();
  Document->Run(edits::AddAttribute(*Model().Root()));
  ASSERT_EQ(Model().Root()->InputCount(), before + 1);
  EXPECT_TRUE(Model().Root()->Input(before)->IsBasic());
  EXPECT_EQ(Document->History().UndoName(), "Add attribute");
  Document->Undo();
  EXPECT_EQ(Model().Root()->InputCount(), before);
}

TEST_F(EditsTest, DraggingDropsBothFunctionsAndRefusesACycle) {
  const TUbicAttribute& basic = BasicUnderFunction();
  const TUbicAttribute* from = basic.Parent();
  const TUbicAttribute& onto = *Model().FirstAttribute();
  ASSERT_NE(onto.Funct(), nullptr);
  const int inputs = onto.InputCount();
  Document->Run(edits::DragAttribute(basic, &onto));
  EXPECT_EQ(onto.InputCount(), inputs + 1);
  EXPECT_EQ(onto.Funct(), nullptr);
  EXPECT_EQ(from->Funct(), nullptr);
  const std::string before = ModelFileText(Model());
  EXPECT_THROW(Document->Run(edits::DragAttribute(onto, onto.Input(0))), std::logic_error);
  EXPECT_EQ(ModelFileText(Model()), before);
}

// The functions a tree edit is said to delete before it runs are exactly those it deletes, for
// every attribute of the tree and every kind of tree edit.
TEST_F(EditsTest, WhatATreeEditDeletesIsKnownBeforeItRuns) {
  using TLost = std::vector<const TUbicAttribute*>;
  // Runs Edit and returns the attributes left in the tree that lost their function to it.
  const auto lostBy = [this](const TEdit& edit) {
    std::vector<const TUbicAttribute*> withFunction = PreOrderAttributes(Model());
    std::erase_if(withFunction, [](const TUbicAttribute* a) { return a->Funct() == nullptr; });
    Document->Run(edit);
    const std::vector<const TUbicAttribute*> left = PreOrderAttributes(Model());
    TLost lost;
    for (const TUbicAttribute* attribute : withFunction) {
      if (std::find(left.begin(), left.end(), attribute) != left.end() &&
          attribute->Funct() == nullptr) {
        lost.push_back(attribute);
      }
    }
    std::sort(lost.begin(), lost.end());
    return lost;
  };
  // The attributes named, each once, in the order of the lost ones' addresses.
  const auto once = [](TLost attributes) {
    std::sort(attributes.begin(), attributes.end());
    attributes.erase(std::unique(attributes.begin(), attributes.end()), attributes.end());
    return attributes;
  };
  const std::size_t count = PreOrderAttributes(Model()).size();
  const auto subtree = DuplicateSubtree(*Model().FirstAttribute()->Input(0));
  int dragsWithTwoFunctions = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const auto at = [&] { return PreOrderAttributes(Model())[i]; };
    SCOPED_TRACE(at()->GetName());
    TLost expected = once(edits::FunctionsLostByAdding(*at()));
    EXPECT_EQ(lostBy(edits::AddAttribute(*at())), expected);
    Document->Undo();
    expected = once(edits::FunctionsLostByAdding(*at()));
    EXPECT_EQ(lostBy(edits::PasteAttribute(*at(), *subtree)), expected);
    Document->Undo();
    expected = once(edits::FunctionsLostByDeleting(*at()));
    EXPECT_EQ(lostBy(edits::DeleteAttribute(*at())), expected);
    Document->Undo();
    expected = once(edits::FunctionsLostByCutting(*at()));
    EXPECT_EQ(lostBy(edits::CutAttribute(*at())), expected);
    Document->Undo();
    for (std::size_t j = 0; j <= count; ++j) {
      // Index Count stands for the top level.
      const auto onto = [&] { return j < count ? PreOrderAttributes(Model())[j] : nullptr; };
      if (!edits::CanDrag(*at(), onto())) continue;
      const TLost said = edits::FunctionsLostByDragging(*at(), onto());
      if (said.size() == 2) ++dragsWithTwoFunctions;
      EXPECT_EQ(lostBy(edits::DragAttribute(*at(), onto())), once(said));
      Document->Undo();
    }
  }
  EXPECT_GT(dragsWithTwoFunctions, 0);
}

TEST_F(EditsTest, ADragNeverMakesACycle) {
  const TUbicAttribute& top = *Model().FirstAttribute();
  const TUbicAttribute& input = *top.Input(0);
  EXPECT_FALSE(edits::CanDrag(top, &top));
  EXPECT_FALSE(edits::CanDrag(top, &input));
  EXPECT_TRUE(edits::CanDrag(input, &top));
  EXPECT_TRUE(edits::CanDrag(input, nullptr));
  EXPECT_FALSE(edits::CanDrag(*Model().Root(), nullptr));
}

// A script adds a named attribute in one step, which one Undo takes back.
TEST_F(EditsTest, AnAttributeIsAddedWithItsNameInOneStep) {
  const TUbicAttribute& top = *Model().FirstAttribute();
  Document->Run(edits::AddAttribute(*Model().Root(), "Colour"));
  EXPECT_EQ(Model().Root()->Input(Model().Root()->InputCount() - 1)->GetName(), "Colour");
  Document->Run(edits::AddAttribute(top));
  EXPECT_EQ(top.Input(top.InputCount() - 1)->GetName(), "New");
  Document->Undo();
  Document->Undo();
  EXPECT_EQ(Model().FindAttribute("Colour"), nullptr);
  EXPECT_FALSE(Document->History().CanUndo());
}

TEST_F(EditsTest, DeletingAScaleTakesWhatDependsOnIt) {
  const TUbicAttribute& basic = BasicUnderFunction();
  const TUbicAttribute* parent = basic.Parent();
  Document->Run(edits::ChooseScale(basic, nullptr));
  EXPECT_EQ(basic.Scale(), nullptr);
  for (int k = 0; k < Model().OptionCount(); ++k) EXPECT_EQ(basic.OptionText(k), "") << k;
  EXPECT_EQ(parent->Funct(), nullptr);
}

// Inserting and deleting values keeps the option values and both functions in step; the names
// come from the editor's scale.
TEST_F(EditsTest, AScaleEditKeepsValuesAndRulesInStep) {
  const TUbicAttribute& basic = BasicUnderFunction();
  const TUbicAttribute* parent = basic.Parent();
  const int input = parent->IndexOfInput(&basic);
  Document->Run(edits::SetOptionValue(basic, 0, "0"));
  Document->Run(edits::SetOptionValue(basic, 1, "1"));
  const int count = basic.Scale()->Count();
  const int rules = parent->Funct()->RuleCount();

  auto result = std::make_shared<TUbicDiscreteScale>();
  result->Assign(*basic.Scale());
  result->InsertValue(0, "lowest");
  result->InsertValue(0, "gone");
  result->DeleteValue(0);
  edits::TScaleChange change{{{true, 0}, {true, 0}, {false, 0}}, result, true};
  Document->Run(edits::EditScale(basic, change));

  EXPECT_EQ(basic.Scale()->Count(), count + 1);
  EXPECT_EQ(basic.DiscreteScale()->ValueName(0), "lowest");
  EXPECT_EQ(basic.OptionText(0), "1");
  EXPECT_EQ(basic.OptionText(1), "2");
  EXPECT_EQ(parent->Funct()->RuleCount(), rules / count * (count + 1));
  EXPECT_EQ(parent->Funct()->InputCount(), parent->InputCount());
  EXPECT_EQ(Model().LastScale(), basic.Scale());
  // The parent's rules still read the attribute's values where they were.
  EXPECT_EQ(parent->Funct()->RuleInput(input, 0), 0);
}

// Before the scale editor deletes a value it learns what holds it, counting through the values
// it inserted and deleted so far.
TEST_F(EditsTest, WhatDeletingAValueTakesIsKnownBeforeItRuns) {
  const TUbicAttribute& basic = BasicUnderFunction();
  const TUbicAttribute& parent = *basic.Parent();
  const int input = parent.IndexOfInput(&basic);
  ASSERT_GE(basic.Scale()->Count(), 3);
  ASSERT_GE(Model().OptionCount(), 3);
  for (int k = 0; k < Model().OptionCount(); ++k) {
    Document->Run(edits::SetOptionValue(basic, k, k == 0 ? "0" : k == 1 ? "01" : "*"));
  }
  // The parent's entered rules: two on value 0 of this input, one on value 1.
  TUbicFunction rules;
  rules.Initialize(basic.Parent());
  for (int value : {0, 0, 1}) {
    int r = 0;
    while (rules.RuleInput(input, r) != value || rules.RuleEntered(r)) ++r;
    rules.EnterRule(r, 0, 0);
  }
  Document->Run(edits::SetFunction(parent, rules));

  using TUse = edits::TValueUse;
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {}, 0), (TUse{2, 2}));
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {}, 1), (TUse{1, 1}));
  const int last = basic.Scale()->Count() - 1;
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {}, last), (TUse{0, 0})) << "\"*\" keeps";
  // A value inserted before: it holds nothing, and the old ones moved up by one.
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {{true, 1}}, 1), (TUse{0, 0}));
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {{true, 1}}, 2), (TUse{1, 1}));
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {{true, 1}}, 0), (TUse{2, 2}));
  // Value 0 deleted before: the old value 1 is first now.
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {{false, 0}}, 0), (TUse{1, 1}));
  EXPECT_EQ(edits::UseLostByDeletingValue(basic, {{true, 0}, {false, 0}}, 0), (TUse{2, 2}));

  // An aggregate attribute's own rules count where their interval holds the value; its option
  // values are evaluated, not entered, and count for nothing.
  const TUbicAttribute& top = *Model().FirstAttribute();
  ASSERT_EQ(top.Parent()->Funct(), nullptr);
  ASSERT_GE(top.Scale()->Count(), 3);
  TUbicFunction own;
  own.Initialize(Model().FirstAttribute());
  own.EnterRule(0, 0, 1);
  own.EnterRule(1, 1, 2);
  Document->Run(edits::SetFunction(top, own));
  ASSERT_FALSE(top.OptionText(0).empty());
  EXPECT_EQ(edits::UseLostByDeletingValue(top, {}, 0), (TUse{0, 1}));
  EXPECT_EQ(edits::UseLostByDeletingValue(top, {}, 1), (TUse{0, 2}));
  EXPECT_EQ(edits::UseLostByDeletingValue(top, {}, 2), (TUse{0, 1}));
}

// Neither edit gives an attribute a scale that the scale editor would not confirm.
TEST_F(EditsTest, ScalesWithoutDistinctValueNamesAreRefused) {
  const TUbicAttribute& basic = BasicUnderFunction();
  const std::string before = ModelFileText(Model());
  TUbicDiscreteScale same;
  same.AddValue("yes");
  same.AddValue(" Yes");
  EXPECT_THROW(edits::ChooseScale(basic, &same), EUbicError);
  TUbicDiscreteScale single;
  single.AddValue("only");
  EXPECT_THROW(edits::ChooseScale(basic, &single), EUbicError);

  auto unnamed = std::make_shared<TUbicDiscreteScale>();
  unnamed->Assign(*basic.Scale());
  unnamed->InsertValue(1, "");
  const edits::TScaleChange change{{{true, 1}}, unnamed, false};
  EXPECT_THROW(edits::EditScale(basic, change), EUbicError);
  EXPECT_EQ(ModelFileText(Model()), before);

  unnamed->SetValueName(1, "between");
  Document->Run(edits::EditScale(basic, change));
  EXPECT_EQ(basic.DiscreteScale()->ValueName(1), "between");
}

// Values that come from elsewhere are kept only where the model can hold them.
TEST_F(EditsTest, PastedAndChosenValuesFitTheModel) {
  const auto copied = DuplicateSubtree(*Model().FirstAttribute());
  ASSERT_GT(copied->Input(0)->OptionValues().Count(), 1);
  Document->Run(edits::DeleteOption(0));
  Document->Run(edits::PasteAttribute(*Model().FirstAttribute(), *copied));
  EXPECT_EQ(ConsistencyErrors(Model()), std::vector<std::string>{});

  const TUbicAttribute* high = nullptr;
  for (const TUbicAttribute* attribute : PreOrderAttributes(Model())) {
    if (attribute->IsBasic() && attribute->OptionValue(0) >= 2) high = attribute;
  }
  ASSERT_TRUE(high);
  // Only a scale that no function depends on can be swapped for one of another size.
  Document->Run(edits::DeleteFunction(*high->Parent()));
  TUbicDiscreteScale two;
  two.AddValue("no");
  two.AddValue("yes");
  Document->Run(edits::ChooseScale(*high, &two));
  EXPECT_EQ(high->OptionText(0), "");
  EXPECT_EQ(ConsistencyErrors(Model()), std::vector<std::string>{});

  Document->Run(edits::ChooseScale(*high, nullptr));
  std::vector<const TUbicAttribute*> basic;
  Model().Root()->CollectBasicAttributes(basic);
  std::vector<std::string> option{"pasted"};
  for (const TUbicAttribute* attribute : basic) option.push_back(attribute == high ? "1" : "0");
  Document->Run(edits::PasteOption(0, option));
  EXPECT_EQ(high->OptionText(0), "") << "an attribute without a scale holds no value";
  EXPECT_EQ(ConsistencyErrors(Model()), std::vector<std::string>{});
}

TEST_F(EditsTest, ImportedOptionsReplaceOrJoin) {
  const int existing = Model().OptionCount();
  std::vector<const TUbicAttribute*> basic;
  Model().Root()->CollectBasicAttributes(basic);
  std::string csv = "Option";
  for (const TUbicAttribute* attribute : basic) csv += "," + attribute->GetName();
  csv += "\r\nImported";
  for (const TUbicAttribute* attribute : basic)
    csv += "," + attribute->DiscreteScale()->ValueName(0);
  csv += "\r\n";
  std::istringstream stream(csv);
  const edits::TImportedOptions imported = edits::ReadOptionsFile(Model(), stream, "in.csv");
  ASSERT_EQ(imported.Names, std::vector<std::string>{"Imported"});

  Document->Run(edits::ImportOptions(imported, false));
  EXPECT_EQ(Model().OptionCount(), existing + 1);
  EXPECT_EQ(Model().Options()[existing], "Imported");
  EXPECT_EQ(basic[0]->OptionText(existing), "0");
  Document->Undo();
  Document->Run(edits::ImportOptions(imported, true));
  EXPECT_EQ(Model().OptionCount(), 1);
  EXPECT_EQ(Model().Options()[0], "Imported");

  std::istringstream broken("Option,Nowhere\r\nx,y\r\n");
  const std::string before = ModelFileText(Model());
  EXPECT_ANY_THROW(edits::ReadOptionsFile(Model(), broken, "broken.csv"));
  EXPECT_EQ(ModelFileText(Model()), before);
}

TEST_F(EditsTest, TypedTextsAreOneStepPerField) {
  const TUbicAttribute& first = *Model().FirstAttribute();
  for (const char* name : {"C", "Ca", "Car!"}) Document->Run(edits::RenameAttribute(first, name));
  Document->Run(edits::RenameOption(0, "A"));
  Document->Run(edits::RenameOption(0, "AB"));
  Document->Run(edits::RenameOption(1, "Z"));
  Document->Undo();
  Document->Undo();
  EXPECT_EQ(Model().Options()[0] != "AB", true);
  Document->Undo();
  EXPECT_NE(Model().FirstAttribute()->GetName(), "Car!");
  EXPECT_FALSE(Document->History().CanUndo());
}

}  // namespace
}  // namespace ubic::test
