#include <gtest/gtest.h>

#include <random>

#include "model/conflicts.h"
#include "model_builders.h"

namespace ubic::test {
namespace {

// Car from Price (high, low: cheaper is better) and Support (1 year, 3 years), two values each.
struct TCarModel {
  TUbicModel Model;
  TUbicAttribute* Car;
  TUbicFunction* Function;

  explicit TCarModel(TScaleOrder carOrder = TScaleOrder::Ascending,
                     TScaleOrder supportOrder = TScaleOrder::Ascending) {
    auto car = MakeAttribute("Car", 3, carOrder);
    car->AddInput(MakeAttribute("Price", 2));
    car->AddInput(MakeAttribute("Support", 2, supportOrder));
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(car.get());
    Function = function.get();
    car->SetFunct(std::move(function));
    Car = car.get();
    Model.Root()->AddInput(std::move(car));
  }

  // Rules are numbered price * 2 + support.
  void Enter(int rule, int low, int high) {
    Function->SetRuleLow(rule, low);
    Function->SetRuleHigh(rule, high);
    Function->SetRuleEntered(rule, true);
  }
};

TEST(RuleConflicts, PairsOrderedAgainstTheirInputs) {
  TCarModel car;
  car.Enter(0, 2, 2);  // high price, 1 year: good
  car.Enter(1, 0, 0);  // high price, 3 years: bad, though at least as good in every input
  car.Enter(3, 1, 1);  // low price, 3 years: medium, below the first rule too
  const std::vector<TRuleConflict> conflicts = RuleConflicts(*car.Function);
  const std::vector<TRuleConflict> expected{{0, 1, 2}, {0, 3, 3}};
  EXPECT_EQ(conflicts, expected);
  EXPECT_EQ(ConflictingRules(conflicts), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(ConflictPartners(conflicts, 0), (std::vector<int>{1, 3}));
  EXPECT_EQ(ConflictPartners(conflicts, 3), std::vector<int>{0});
  EXPECT_TRUE(ConflictPartners(conflicts, 2).empty());
  EXPECT_EQ(RuleText(*car.Function, 1), "v0; v1 -> v0");
  EXPECT_EQ(ConflictText(*car.Function, conflicts[1]),
            "v1; v1 -> v1, though better than v0; v0 -> v2 in Price, Support");

  // An interval must lie at or above at both ends: [1, 2] above [2, 2] does not.
  TCarModel intervals;
  intervals.Enter(0, 2, 2);
  intervals.Enter(2, 1, 2);
  EXPECT_EQ(RuleConflicts(*intervals.Function), (std::vector<TRuleConflict>{{0, 2, 1}}));
  intervals.Enter(2, 2, 2);
  EXPECT_TRUE(RuleConflicts(*intervals.Function).empty());
}

TEST(RuleConflicts, FollowTheScalesOrders) {
  // On a descending Car scale the first value is the best: the better inputs must not go up.
  TCarModel descending(TScaleOrder::Descending);
  descending.Enter(0, 0, 0);
  descending.Enter(1, 2, 2);
  EXPECT_EQ(RuleConflicts(*descending.Function), (std::vector<TRuleConflict>{{0, 1, 2}}));
  descending.Enter(1, 0, 0);
  descending.Enter(0, 1, 1);
  EXPECT_TRUE(RuleConflicts(*descending.Function).empty());

  // A descending Support makes 3 years the worse value: rule 1 is now below rule 0.
  TCarModel support(TScaleOrder::Ascending, TScaleOrder::Descending);
  support.Enter(0, 2, 2);
  support.Enter(1, 0, 0);
  EXPECT_TRUE(RuleConflicts(*support.Function).empty());
  support.Enter(2, 0, 0);  // low price and 1 year: better than rule 0 yet worse
  EXPECT_EQ(RuleConflicts(*support.Function), (std::vector<TRuleConflict>{{0, 2, 1}}));

  // Without an order nothing is comparable, and an unordered attribute scale allows anything.
  TCarModel unorderedInput(TScaleOrder::Ascending, TScaleOrder::None);
  unorderedInput.Enter(0, 2, 2);
  unorderedInput.Enter(1, 0, 0);
  EXPECT_TRUE(RuleConflicts(*unorderedInput.Function).empty());
  unorderedInput.Enter(3, 0, 0);  // same Support as rule 1, better price: still ordered
  unorderedInput.Enter(1, 1, 1);
  EXPECT_EQ(RuleConflicts(*unorderedInput.Function), (std::vector<TRuleConflict>{{1, 3, 1}}));
  TCarModel unorderedOutput(TScaleOrder::None);
  unorderedOutput.Enter(0, 2, 2);
  unorderedOutput.Enter(1, 0, 0);
  EXPECT_TRUE(RuleConflicts(*unorderedOutput.Function).empty());
}

// Every pair of entered rules that CompareRules orders, checked as completion requires.
std::vector<TRuleConflict> PairwiseConflicts(const TUbicFunction& function) {
  std::vector<TRuleConflict> conflicts;
  const TUbicScale* scale = function.Attribute()->Scale();
  if (!scale->IsOrdered()) return conflicts;
  const int sign = scale->Order() == TScaleOrder::Ascending ? 1 : -1;
  for (int w = 0; w < function.RuleCount(); ++w) {
    for (int b = 0; b < function.RuleCount(); ++b) {
      if (!function.RuleEntered(w) || !function.RuleEntered(b)) continue;
      if (function.CompareRules(w, b) != rcWorse) continue;
      const bool above = (function.RuleLow(b) - function.RuleLow(w)) * sign >= 0 &&
                         (function.RuleHigh(b) - function.RuleHigh(w)) * sign >= 0;
      if (above) continue;
      TRuleConflict conflict{w, b, 0};
      for (int i = 0; i < function.InputCount(); ++i) {
        if (function.RuleInput(i, w) != function.RuleInput(i, b)) conflict.Inputs |= 1U << i;
      }
      conflicts.push_back(conflict);
    }
  }
  return conflicts;
}

TEST(RuleConflicts, AgreeWithAPairwiseSearchOnRandomFunctions) {
  std::mt19937 random(25);
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  int withConflicts = 0;
  for (int trial = 0; trial < 300; ++trial) {
    auto top = MakeAttribute("Top", 2 + pick(4), static_cast<TScaleOrder>(pick(3)));
    for (int i = 1 + pick(4); i > 0; --i) {
      top->AddInput(MakeAttribute("X", 2 + pick(3), static_cast<TScaleOrder>(pick(3))));
    }
    TUbicFunction function;
    function.Initialize(top.get());
    const int count = top->Scale()->Count();
    for (int r = 0; r < function.RuleCount(); ++r) {
      if (pick(3) == 0) continue;
      const int low = pick(count);
      function.SetRuleLow(r, low);
      function.SetRuleHigh(r, low + pick(std::min(2, count - low)));
      function.SetRuleEntered(r, true);
    }
    const std::vector<TRuleConflict> conflicts = RuleConflicts(function);
    ASSERT_EQ(conflicts, PairwiseConflicts(function)) << "trial " << trial;
    EXPECT_EQ(conflicts.empty(), function.IsConsistent()) << "trial " << trial;
    withConflicts += conflicts.empty() ? 0 : 1;
  }
  // The trials must try both outcomes to prove anything.
  EXPECT_GT(withConflicts, 50);
  EXPECT_LT(withConflicts, 250);
}

TEST(ModelGaps, NameWhatIsMissing) {
  TCarModel car;
  car.Model.Root()->AddInput(std::make_unique<TUbicAttribute>("Colour"));
  car.Model.AddOption("first");
  car.Model.AddOption("second");
  car.Car->Input(0)->SetOptionValue(0, 1);
  car.Car->Input(0)->SetOptionText(1, "*");
  car.Car->Input(1)->SetOptionValue(1, 0);
  std::vector<TModelGap> gaps = ModelGaps(car.Model);
  ASSERT_EQ(gaps.size(), 2U);
  EXPECT_EQ(gaps[0].Kind, TModelGapKind::MissingValues);
  EXPECT_EQ(gaps[0].Attribute, car.Car->Input(1));
  EXPECT_EQ(gaps[0].Options, std::vector<int>{0});
  EXPECT_EQ(gaps[1].Kind, TModelGapKind::NoScale);
  EXPECT_EQ(gaps[1].Attribute->GetName(), "Colour");

  car.Car->SetFunct(nullptr);
  gaps = ModelGaps(car.Model);
  ASSERT_EQ(gaps.size(), 3U);
  EXPECT_EQ(gaps[0].Kind, TModelGapKind::NoFunction);
  EXPECT_EQ(gaps[0].Attribute, car.Car);
}

// A file may hold value names the editors refuse; the check names the attribute.
TEST(ModelGaps, NameScalesWhoseValueNamesCanNotStand) {
  TCarModel car;
  TUbicAttribute* first = car.Car->Input(0);
  first->DiscreteScale()->SetValueName(1, first->DiscreteScale()->ValueName(0) + " ");
  TUbicAttribute* last = car.Car->Input(car.Car->InputCount() - 1);
  last->DiscreteScale()->SetValueName(0, "");
  const std::vector<TModelGap> gaps = ModelGaps(car.Model);
  ASSERT_EQ(gaps.size(), 2U);
  EXPECT_EQ(gaps[0].Kind, TModelGapKind::ValueNames);
  EXPECT_EQ(gaps[0].Attribute, first);
  EXPECT_EQ(gaps[0].Problem, first->DiscreteScale()->ValueNamesProblem());
  EXPECT_EQ(gaps[1].Kind, TModelGapKind::ValueNames);
  EXPECT_EQ(gaps[1].Attribute, last);
  EXPECT_EQ(gaps[1].Problem, "Value 1 has no name");
}

}  // namespace
}  // namespace ubic::test
