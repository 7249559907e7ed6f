#include <gtest/gtest.h>

#include "model/explain.h"
#include "model_builders.h"

namespace ubic::test {
namespace {

// Top(X, Y) on three ascending values with the entered rules (0,0) = 0, (1,1) = 1 and (2,2) = 2,
// the others completed; X's v2 is good and v0 bad, and so are Y's.
struct TExplainModel {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicAttribute* X;
  TUbicAttribute* Y;

  TExplainModel() {
    auto top = MakeAttribute("Top", 3);
    top->AddInput(MakeAttribute("X", 3));
    top->AddInput(MakeAttribute("Y", 3));
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(top.get());
    for (const int v : {0, 1, 2}) {
      function->SetRuleValue(v * 4, v);
      function->SetRuleEntered(v * 4, true);
    }
    function->Recompute();
    top->SetFunct(std::move(function));
    Top = top.get();
    X = Top->Input(0);
    Y = Top->Input(1);
    X->Scale()->ResetThresholds();
    Y->Scale()->ResetThresholds();
    Model.Root()->AddInput(std::move(top));
    Model.AddOption("single");
    Model.AddOption("set");
    X->SetOptionText(0, "2");
    Y->SetOptionText(0, "1");
    X->SetOptionText(1, "12");
    Y->SetOptionText(1, "0");
  }
};

TEST(Explanation, DecidingRulesAndHowTheyCame) {
  TExplainModel model;
  TExplanation single = ExplainOption(model.Model, 0);
  ASSERT_EQ(single.Aggregates.size(), 1U);
  const TAggregateExplanation& top = single.Aggregates[0];
  EXPECT_EQ(top.Attribute, model.Top);
  EXPECT_EQ(top.Value, "12");
  EXPECT_EQ(top.InputValues, (std::vector<std::string>{"2", "1"}));
  // (2,1) is completed: at least (1,1)'s v1, at most (2,2)'s v2.
  ASSERT_EQ(top.Rules.size(), 1U);
  EXPECT_EQ(top.Rules[0].Rule, 7);
  EXPECT_EQ(top.Rules[0].Origin, TRuleOrigin::Monotonicity);
  EXPECT_EQ(top.Rules[0].From, (std::vector<int>{4, 8}));

  // Sets match several rules: (1,0) and (2,0), which nothing bounds from above.
  const TExplanation set = ExplainOption(model.Model, 1);
  ASSERT_EQ(set.Aggregates[0].Rules.size(), 2U);
  EXPECT_EQ(set.Aggregates[0].Rules[0].Rule, 3);
  EXPECT_EQ(set.Aggregates[0].Rules[1].Origin, TRuleOrigin::Undefined);
  EXPECT_EQ(set.Aggregates[0].Value, "");

  model.Top->Funct()->SetUseWeights(true);
  EXPECT_EQ(ExplainOption(model.Model, 0).Aggregates[0].Rules[0].Origin, TRuleOrigin::Weights);
  model.Y->SetOptionText(0, "2");
  EXPECT_EQ(ExplainOption(model.Model, 0).Aggregates[0].Rules[0].Origin, TRuleOrigin::Entered);
}

TEST(Explanation, SourcesOfCompletedRulesOnADescendingScale) {
  // Top runs from its best value v0 down to v2; its inputs ascend. Entered: (0,0) = v2,
  // (1,1) = v1 and (2,2) = v0: better inputs give better, lower values.
  TUbicModel model;
  auto top = MakeAttribute("Top", 3, TScaleOrder::Descending);
  top->AddInput(MakeAttribute("X", 3));
  top->AddInput(MakeAttribute("Y", 3));
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(top.get());
  for (const int v : {0, 1, 2}) function->EnterRule(v * 4, 2 - v, 2 - v);
  top->SetFunct(std::move(function));
  TUbicAttribute* x = top->Input(0);
  TUbicAttribute* y = top->Input(1);
  model.Root()->AddInput(std::move(top));
  model.AddOption("(2,1)");
  model.AddOption("(0,1)");
  x->SetOptionText(0, "2");
  y->SetOptionText(0, "1");
  x->SetOptionText(1, "0");
  y->SetOptionText(1, "1");

  // (2,1) is v0:v1: its low end v0 from the better (2,2), its high end v1 from the worse (1,1).
  const TExplanation high = ExplainOption(model, 0);
  ASSERT_EQ(high.Aggregates[0].Rules.size(), 1U);
  EXPECT_EQ(high.Aggregates[0].Rules[0].Rule, 7);
  EXPECT_EQ(high.Aggregates[0].Rules[0].From, (std::vector<int>{8, 4}));
  EXPECT_EQ(RuleOriginText(high.Aggregates[0].Rules[0]),
            "rule 8, completed by monotonicity from rules 9 and 5");
  // (0,1) is v1:v2: its low end from the better (1,1), its high end from the worse (0,0).
  const TExplanation low = ExplainOption(model, 1);
  ASSERT_EQ(low.Aggregates[0].Rules.size(), 1U);
  EXPECT_EQ(low.Aggregates[0].Rules[0].Rule, 1);
  EXPECT_EQ(low.Aggregates[0].Rules[0].From, (std::vector<int>{4, 0}));
}

TEST(Explanation, StrongAndWeakPoints) {
  TExplainModel model;
  const TExplanation single = ExplainOption(model.Model, 0);
  EXPECT_EQ(single.Strong, std::vector<const TUbicAttribute*>{model.X});
  EXPECT_TRUE(single.Weak.empty());
  // X one down gives (1,1) = v1; Y down gives the undefined (2,0), up the entered (2,2) = v2.
  const std::vector<TInputStep>& steps = single.Aggregates[0].Steps;
  ASSERT_EQ(steps.size(), 3U);
  EXPECT_EQ(steps[0].Input, 0);
  EXPECT_EQ(steps[0].To, 1);
  EXPECT_EQ(steps[0].Result, "1");
  EXPECT_EQ(steps[1].Result, "");
  EXPECT_EQ(steps[2].Result, "2");

  // A set is neither strong nor weak, and gives no steps.
  const TExplanation set = ExplainOption(model.Model, 1);
  EXPECT_TRUE(set.Strong.empty());
  EXPECT_EQ(set.Weak, std::vector<const TUbicAttribute*>{model.Y});
  ASSERT_EQ(set.Aggregates[0].Steps.size(), 1U);
  EXPECT_EQ(set.Aggregates[0].Steps[0].Input, 1);
  // The model is left as it was.
  EXPECT_EQ(model.Top->OptionText(0), "");
}

}  // namespace
}  // namespace ubic::test
