#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "foundation/checkedint.h"
#include "model/attribute.h"
#include "model/function.h"
#include "model_builders.h"

namespace ubic {
namespace {

using test::MakeAttribute;
using Texts = std::vector<std::string>;

// An attribute with a 3-value scale over inputs of 2 and 3 values, and its function.
class FunctionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FAttribute = MakeAttribute("y", 3);
    FAttribute->AddInput(MakeAttribute("a", 2));
    FAttribute->AddInput(MakeAttribute("b", 3));
    FFunction = std::make_unique<TUbicFunction>();
    FFunction->Initialize(FAttribute.get());
  }

  TUbicFunction& F() { return *FFunction; }
  Texts Rules() const { return FFunction->Rules().Strings(); }
  TUbicDiscreteScale& InputScale(int input) { return *FAttribute->Input(input)->DiscreteScale(); }
  TUbicDiscreteScale& OutputScale() { return *FAttribute->DiscreteScale(); }
  void Enter(int rule, int value) {
    F().SetRuleValue(rule, value);
    F().SetRuleEntered(rule, true);
  }

  std::unique_ptr<TUbicAttribute> FAttribute;
  std::unique_ptr<TUbicFunction> FFunction;
};

const Texts kUndefinedTable = {"0002-", "0102-", "0202-", "1002-", "1102-", "1202-"};

TEST_F(FunctionTest, InitializeBuildsTheUndefinedTable) {
  EXPECT_EQ(F().Attribute(), FAttribute.get());
  EXPECT_EQ(F().InputCount(), 2);
  EXPECT_EQ(Rules(), kUndefinedTable);
  EXPECT_EQ(F().RuleCount(), FAttribute->RuleCount());
  EXPECT_EQ(F().EnteredCount(), 0);
  EXPECT_EQ(F().Weights(), (floatarray{50.0, 50.0}));
  EXPECT_FALSE(F().UseWeights());
  EXPECT_EQ(F().RuleInput(1, 5), 2);
  EXPECT_EQ(F().RuleHigh(5), 2);
  EXPECT_THROW(F().RuleInput(2, 0), EListError);
  EXPECT_THROW(F().RuleLow(6), EListError);

  F().Recompute();
  EXPECT_EQ(Rules(), kUndefinedTable);
  EXPECT_EQ(F().Determinedness(), 0.0);
  EXPECT_EQ(F().StatisticsText(), "Rules: 0/6 (0.00%), determined: 0.00%");

  // Three inputs share the weights equally.
  FAttribute->AddInput(MakeAttribute("c", 2));
  F().Initialize(FAttribute.get());
  EXPECT_EQ(F().RuleCount(), 12);
  ASSERT_EQ(F().Weights().size(), 3u);
  EXPECT_DOUBLE_EQ(F().Weights()[0], F().Weights()[2]);
  EXPECT_DOUBLE_EQ(std::accumulate(F().Weights().begin(), F().Weights().end(), 0.0), 100.0);
}

TEST_F(FunctionTest, InitializeRefusesAttributesThatCannotHaveAFunction) {
  auto basic = MakeAttribute("basic", 3);
  F().Initialize(basic.get());
  EXPECT_EQ(F().RuleCount(), 0);
  EXPECT_EQ(F().Attribute(), nullptr);
  EXPECT_EQ(F().InputCount(), 0);

  auto narrowInput = MakeAttribute("narrow", 3);
  narrowInput->AddInput(MakeAttribute("one", 1));
  EXPECT_FALSE(narrowInput->CanHaveFunction());
  F().Initialize(narrowInput.get());
  EXPECT_EQ(F().RuleCount(), 0);
  EXPECT_EQ(F().Attribute(), nullptr);

  auto noScale = std::make_unique<TUbicAttribute>("no scale");
  noScale->AddInput(MakeAttribute("in", 2));
  F().Initialize(noScale.get());
  EXPECT_EQ(F().RuleCount(), 0);

  F().Initialize(FAttribute.get());
  F().Initialize(nullptr);
  EXPECT_EQ(F().RuleCount(), 0);
  EXPECT_EQ(F().Attribute(), nullptr);
}

TEST_F(FunctionTest, MonotonicityBoundsComputedRules) {
  Enter(0, 0);  // (0,0)
  Enter(5, 2);  // (1,2)
  Enter(4, 1);  // (1,1)
  EXPECT_TRUE(F().IsConsistent());
  F().Recompute();
  // (0,2) and (1,1) are incomparable, so only (1,2) bounds (0,2) from above.
  EXPECT_EQ(Rules(), (Texts{"0000+", "0101-", "0202-", "1001-", "1111+", "1222+"}));
  EXPECT_EQ(F().EnteredCount(), 3);
  EXPECT_NEAR(F().Determinedness(), 4.0 / 6.0, 1e-12);
  EXPECT_EQ(F().StatisticsText(), "Rules: 3/6 (50.00%), determined: 66.67%");

  // Clearing computed rules keeps the entered ones.
  F().ClearUndefined();
  EXPECT_EQ(Rules(), (Texts{"0000+", "0102-", "0202-", "1002-", "1111+", "1222+"}));
  F().ClearRule(5);
  EXPECT_EQ(F().Rules()[5], "1202-");
}

TEST_F(FunctionTest, InconsistentRulesLeaveComputedRulesUndefined) {
  Enter(0, 1);  // (0,0)
  F().Recompute();
  EXPECT_EQ(Rules(), (Texts{"0011+", "0112-", "0212-", "1012-", "1112-", "1212-"}));

  Enter(4, 0);  // (1,1) better in every input, but worse in value
  EXPECT_FALSE(F().IsConsistent());
  F().Recompute();
  EXPECT_EQ(Rules(), (Texts{"0011+", "0102-", "0202-", "1002-", "1100+", "1202-"}));

  // An entered interval must not lie partly below the interval of a dominated rule either.
  F().SetRuleValue(4, 1);
  F().SetRuleHigh(0, 2);
  EXPECT_FALSE(F().IsConsistent());
}

TEST_F(FunctionTest, ContradictionFoundDuringCompletionUndoesThePass) {
  // IsConsistent is bypassed: (0,0) gets [0,0] from (0,1) and (1,2) before (0,2) meets the
  // contradiction between (0,1) = 2 and (1,2) = 0.
  Enter(1, 2);
  Enter(5, 0);
  F().CompleteByMonotonicity();
  EXPECT_EQ(Rules(), (Texts{"0002-", "0122+", "0202-", "1002-", "1102-", "1200+"}));
}

TEST_F(FunctionTest, UnorderedAttributeScaleIgnoresEnteredRules) {
  OutputScale().SetOrder(TScaleOrder::None);
  Enter(0, 2);
  Enter(4, 0);
  EXPECT_TRUE(F().IsConsistent());
  F().Recompute();
  EXPECT_EQ(Rules(), (Texts{"0022+", "0102-", "0202-", "1002-", "1100+", "1202-"}));
}

TEST_F(FunctionTest, DescendingAttributeScaleReversesTheBounds) {
  OutputScale().SetOrder(TScaleOrder::Descending);
  F().Recompute();
  EXPECT_EQ(Rules(), kUndefinedTable);
  Enter(0, 2);
  F().Recompute();
  EXPECT_EQ(Rules(), (Texts{"0022+", "0102-", "0202-", "1002-", "1102-", "1202-"}));
  Enter(5, 0);
  F().Recompute();
  EXPECT_EQ(F().Rules()[1], "0102-");

  // On a descending scale better inputs lead to lower indices.
  F().ClearRule(0);
  F().ClearRule(5);
  Enter(0, 1);
  Enter(2, 1);
  EXPECT_TRUE(F().IsConsistent());
  F().Recompute();
  EXPECT_EQ(Rules(), (Texts{"0011+", "0111-", "0211+", "1001-", "1101-", "1201-"}));

  // What is consistent on an ascending scale is not on a descending one.
  Enter(0, 0);
  Enter(5, 2);
  EXPECT_FALSE(F().IsConsistent());
  OutputScale().SetOrder(TScaleOrder::Ascending);
  EXPECT_TRUE(F().IsConsistent());
}

TEST_F(FunctionTest, CompareRulesFollowsTheInputScales) {
  EXPECT_EQ(F().CompareRules(0, 0), rcSame);
  EXPECT_EQ(F().CompareRules(4, 0), rcBetter);        // (1,1) vs (0,0)
  EXPECT_EQ(F().CompareRules(0, 4), rcWorse);         // (0,0) vs (1,1)
  EXPECT_EQ(F().CompareRules(5, 3), rcBetter);        // (1,2) vs (1,0)
  EXPECT_EQ(F().CompareRules(3, 1), rcIncomparable);  // (1,0) vs (0,1)
  EXPECT_EQ(F().CompareRules(2, 3), rcIncomparable);  // (0,2) vs (1,0)

  InputScale(0).SetOrder(TScaleOrder::Descending);
  EXPECT_EQ(F().CompareRules(3, 0), rcWorse);  // (1,0) vs (0,0)
  EXPECT_EQ(F().CompareRules(3, 2), rcWorse);  // (1,0) vs (0,2)

  InputScale(1).SetOrder(TScaleOrder::None);
  EXPECT_EQ(F().CompareRules(0, 1), rcIncomparable);  // (0,0) vs (0,1)
  EXPECT_EQ(F().CompareRules(4, 1), rcWorse);         // (1,1) vs (0,1): b is equal
}

TEST_F(FunctionTest, InputValuesFollowTheInputScale) {
  Enter(0, 0);
  Enter(5, 2);
  InputScale(0).InsertValue(1, "new");
  F().InsertInputValue(0, 1);
  EXPECT_EQ(Rules(), (Texts{"0000+", "0102-", "0202-", "1002-", "1102-", "1202-", "2002-", "2102-",
                            "2222+"}));
  EXPECT_EQ(F().RuleCount(), FAttribute->RuleCount());

  InputScale(0).DeleteValue(1);
  F().DeleteInputValue(0, 1);
  EXPECT_EQ(Rules(), (Texts{"0000+", "0102-", "0202-", "1002-", "1102-", "1222+"}));

  // Deleting the first value of b drops every (x,0) rule and renumbers the rest.
  InputScale(1).DeleteValue(0);
  F().DeleteInputValue(1, 0);
  EXPECT_EQ(Rules(), (Texts{"0002-", "0102-", "1002-", "1122+"}));

  // The new rules are recomputed from the entered ones.
  InputScale(1).AddValue("top");
  F().InsertInputValue(1, 2);
  EXPECT_EQ(Rules(), (Texts{"0002-", "0102-", "0202-", "1002-", "1122+", "1222-"}));
}

TEST_F(FunctionTest, OutputValuesShiftTheIntervals) {
  Enter(0, 0);
  F().SetRuleLow(1, 1);
  F().SetRuleHigh(1, 2);
  Enter(2, 1);
  OutputScale().InsertValue(1, "new");
  F().InsertOutputValue(1);
  EXPECT_EQ(Rules(), (Texts{"0000+", "0123-", "0222+", "1003-", "1103-", "1203-"}));
  OutputScale().DeleteValue(1);
  F().DeleteOutputValue(1);
  EXPECT_EQ(Rules(), (Texts{"0000+", "0112-", "0211+", "1002-", "1102-", "1202-"}));

  // A rule whose interval was exactly the deleted value is left empty, High below Low.
  OutputScale().DeleteValue(1);
  F().DeleteOutputValue(1);
  EXPECT_EQ(Rules(), (Texts{"0000+", "0111-", "0210+", "1001-", "1101-", "1201-"}));
  EXPECT_EQ(F().RuleLow(2), 1);
  EXPECT_EQ(F().RuleHigh(2), 0);
  OutputScale().DeleteValue(0);
  F().DeleteOutputValue(0);
  EXPECT_EQ(F().Rules()[0], "000/+");
  EXPECT_EQ(F().RuleHigh(0), -1);
}

TEST_F(FunctionTest, SortRulesSwitchesBetweenTheTwoOrders) {
  Enter(3, 1);
  F().SortRules(true);
  EXPECT_EQ(Rules(), (Texts{"0002-", "1011+", "0102-", "1102-", "0202-", "1202-"}));
  F().SortRules(false);
  EXPECT_EQ(Rules(), (Texts{"0002-", "0102-", "0202-", "1011+", "1102-", "1202-"}));
  // A table that no longer fits its inputs' scales is sorted by its codes all the same.
  InputScale(1).DeleteValue(2);
  F().SetRules({"0202-", "1102-", "0002-", "1011+", "0102-", "1202-"});
  F().SortRules(true);
  EXPECT_EQ(Rules(), (Texts{"0002-", "1011+", "0102-", "1102-", "0202-", "1202-"}));
  F().SortRules(false);
  EXPECT_EQ(Rules(), (Texts{"0002-", "0102-", "0202-", "1011+", "1102-", "1202-"}));
}

TEST(FunctionOrder, ScalesOfMoreThanTenValuesKeepCodeOrder) {
  auto attribute = MakeAttribute("y", 2);
  attribute->AddInput(MakeAttribute("wide", 12));
  attribute->AddInput(MakeAttribute("narrow", 2));
  TUbicFunction function;
  function.Initialize(attribute.get());
  ASSERT_EQ(function.RuleCount(), 24);
  auto inCodeOrder = [&function] {
    for (int r = 0; r < function.RuleCount(); ++r) {
      if (function.RuleInput(0, r) != r / 2 || function.RuleInput(1, r) != r % 2) return false;
    }
    return true;
  };
  EXPECT_TRUE(inCodeOrder());
  EXPECT_EQ(function.Rules()[20], ":001-");
  function.SortRules(true);
  EXPECT_EQ(function.Rules()[1], "1001-");
  function.SortRules(false);
  EXPECT_TRUE(inCodeOrder());

  attribute->Input(1)->DiscreteScale()->InsertValue(1, "mid");
  function.InsertInputValue(1, 1);
  ASSERT_EQ(function.RuleCount(), 36);
  EXPECT_EQ(function.Rules()[33], ";001-");
  EXPECT_EQ(function.RuleInput(0, 35), 11);
  EXPECT_EQ(function.RuleInput(1, 34), 1);
}

TEST(FunctionOrder, RuleCountOverflowRaises) {
  auto attribute = MakeAttribute("huge", 2);
  for (int i = 0; i < 8; ++i) attribute->AddInput(MakeAttribute("in", 208));
  EXPECT_TRUE(attribute->CanHaveFunction());
  EXPECT_THROW(attribute->RuleCount(), EIntOverflow);
}

TEST(FunctionOrder, TableSizeLimits) {
  EXPECT_EQ(CheckTableSize(200), TTableSize::Acceptable);
  EXPECT_EQ(CheckTableSize(201), TTableSize::VeryLarge);
  EXPECT_EQ(CheckTableSize(1000), TTableSize::VeryLarge);
  EXPECT_EQ(CheckTableSize(1001), TTableSize::TooLarge);
  EXPECT_EQ(TableTooLargeText(1001, "Car"),
            "The newly created table would consist of 1001 rules, which is too much. You have to "
            "rearrange the tree below the attribute Car: reduce the number of descendants and/or "
            "their scale sizes .");
  EXPECT_EQ(TableVeryLargeText(201, "Car"),
            "You are about to create a table consisting of 201 rules, which is very large. You "
            "should rearrange the tree below the attribute Car: reduce the number of descendants "
            "and/or their scale sizes .\r\rDo you still want to create the large table?");
}

TEST_F(FunctionTest, AssignCopiesRulesAndWeights) {
  Enter(4, 1);
  F().SetWeights({30.0, 70.0});
  F().SetUseWeights(true);
  auto copy = std::make_unique<TUbicFunction>();
  copy->Assign(F());
  EXPECT_EQ(copy->Attribute(), FAttribute.get());
  EXPECT_EQ(copy->Rules().Strings(), Rules());
  EXPECT_EQ(copy->Weights(), (floatarray{30.0, 70.0}));
  EXPECT_TRUE(copy->UseWeights());

  // The copy is independent of the original.
  copy->ClearRule(4);
  EXPECT_TRUE(F().RuleEntered(4));
  EXPECT_FALSE(copy->RuleEntered(4));
}

}  // namespace
}  // namespace ubic
