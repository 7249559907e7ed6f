// The edits of a rule table as the editors and the scripts make them: the completed table follows
// from the entered rules, the weights and UseWeights, whatever the order in which they came.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/attribute.h"
#include "model/function.h"
#include "model_builders.h"

namespace ubic {
namespace {

using test::MakeAttribute;
using Texts = std::vector<std::string>;

// What a table is to end up with: entered intervals (low -1 for an open rule) and weights.
struct TTarget {
  std::vector<int> Low;
  std::vector<int> High;
  floatarray Weights;
  bool UseWeights = false;
};

// One step of the editors or a script.
struct TStep {
  enum { Enter, Clear, Weigh } Kind = Enter;
  int Rule = 0;
  int Low = 0;
  int High = 0;
  floatarray Weights;
  bool UseWeights = false;
};

class TRandomTables {
 public:
  explicit TRandomTables(unsigned seed) : FRandom(seed) {}

  int Pick(int n) { return static_cast<int>(FRandom() % static_cast<unsigned>(n)); }

  // An attribute of 2 to 4 values, ascending or descending, over 2 or 3 ascending inputs of 2 to
  // 4 values.
  std::unique_ptr<TUbicAttribute> Attribute() {
    auto attribute = MakeAttribute("y", 2 + Pick(3),
                                   Pick(2) == 0 ? TScaleOrder::Ascending : TScaleOrder::Descending);
    for (int i = 2 + Pick(2); i > 0; --i) attribute->AddInput(MakeAttribute("x", 2 + Pick(3)));
    return attribute;
  }

  floatarray Weights(int inputs) {
    floatarray weights;
    for (int i = 0; i < inputs; ++i) weights.push_back(Pick(101));
    return weights;
  }

  // About a third of the rules entered, with values that may well conflict.
  TTarget Target(const TUbicFunction& function, int values) {
    TTarget target{{}, {}, Weights(function.InputCount()), Pick(4) != 0};
    for (int r = 0; r < function.RuleCount(); ++r) {
      const bool entered = Pick(3) == 0;
      const int low = Pick(values);
      target.Low.push_back(entered ? low : -1);
      target.High.push_back(entered ? low + (Pick(4) == 0 ? Pick(values - low) : 0) : -1);
    }
    return target;
  }

  // Steps that end in Target: every rule on its own track (entered wrongly, cleared, entered for
  // a while), the weights on theirs (others applied first), the tracks interleaved at random.
  std::vector<TStep> Script(const TTarget& target, int values) {
    std::vector<std::vector<TStep>> tracks;
    const int rules = static_cast<int>(target.Low.size());
    for (int r = 0; r < rules; ++r) {
      std::vector<TStep> track;
      for (int k = Pick(3); k > 0; --k) {
        const int low = Pick(values);
        track.push_back({TStep::Enter, r, low, low, {}, false});
        if (Pick(2) == 0) track.push_back({TStep::Clear, r, 0, 0, {}, false});
      }
      if (target.Low[r] >= 0) {
        track.push_back({TStep::Enter, r, target.Low[r], target.High[r], {}, false});
      } else if (!track.empty()) {
        track.push_back({TStep::Clear, r, 0, 0, {}, false});
      }
      tracks.push_back(std::move(track));
    }
    std::vector<TStep> weights;
    for (int k = Pick(3); k > 0; --k) {
      weights.push_back({TStep::Weigh, 0, 0, 0, Weights(int(target.Weights.size())), Pick(2) == 0});
    }
    weights.push_back({TStep::Weigh, 0, 0, 0, target.Weights, target.UseWeights});
    tracks.push_back(std::move(weights));

    std::vector<TStep> script;
    for (;;) {
      std::vector<std::vector<TStep>*> left;
      for (auto& track : tracks) {
        if (!track.empty()) left.push_back(&track);
      }
      if (left.empty()) return script;
      std::vector<TStep>& track = *left[Pick(static_cast<int>(left.size()))];
      script.push_back(track.front());
      track.erase(track.begin());
    }
  }

 private:
  std::mt19937 FRandom;
};

// Runs Script on Function, carrying the table now and then over to a copy, as the rule editor
// and the scripts each edit a copy of the model's function.
void RunScript(const std::vector<TStep>& script, std::unique_ptr<TUbicFunction>& function,
               std::mt19937& random) {
  for (const TStep& step : script) {
    if (random() % 2 == 0) {
      auto copy = std::make_unique<TUbicFunction>();
      copy->Assign(*function);
      function = std::move(copy);
    }
    switch (step.Kind) {
      case TStep::Enter:
        function->EnterRule(step.Rule, step.Low, step.High);
        break;
      case TStep::Clear:
        function->ClearEnteredRule(step.Rule);
        break;
      case TStep::Weigh:
        function->ApplyWeights(step.Weights, step.UseWeights);
        break;
    }
  }
}

TEST(RuleEdits, TableFollowsTheEntriesAndWeightsWhateverTheirOrder) {
  int weighed = 0;
  for (unsigned seed = 0; seed < 200; ++seed) {
    TRandomTables random(seed);
    const std::unique_ptr<TUbicAttribute> attribute = random.Attribute();
    const int values = attribute->Scale()->Count();
    auto expected = std::make_unique<TUbicFunction>();
    expected->Initialize(attribute.get());
    const TTarget target = random.Target(*expected, values);
    // The table made at once: the target's rules entered, its weights set, one completion.
    for (int r = 0; r < expected->RuleCount(); ++r) {
      if (target.Low[r] < 0) continue;
      expected->SetRuleLow(r, target.Low[r]);
      expected->SetRuleHigh(r, target.High[r]);
      expected->SetRuleEntered(r, true);
    }
    expected->SetWeights(target.Weights);
    expected->SetUseWeights(target.UseWeights);
    expected->Recompute();
    weighed += expected->WeightsFillOpenRules() ? 1 : 0;

    std::mt19937 copies(seed);
    for (int order = 0; order < 2; ++order) {
      auto function = std::make_unique<TUbicFunction>();
      function->Initialize(attribute.get());
      RunScript(random.Script(target, values), function, copies);
      ASSERT_EQ(function->Rules().Strings(), expected->Rules().Strings())
          << "seed " << seed << ", order " << order;
      EXPECT_EQ(function->UseWeights(), target.UseWeights) << "seed " << seed;
    }
  }
  // Most tables have their open rules filled by the weights, or the test would show little.
  EXPECT_GT(weighed, 100);
}

// Top (3 values) over a (2 values) and b (3 values): rule a * 3 + b.
class WeighedTable : public ::testing::Test {
 protected:
  void SetUp() override {
    FAttribute = MakeAttribute("y", 3);
    FAttribute->AddInput(MakeAttribute("a", 2));
    FAttribute->AddInput(MakeAttribute("b", 3));
    F.Initialize(FAttribute.get());
  }

  Texts Rules() const { return F.Rules().Strings(); }

  std::unique_ptr<TUbicAttribute> FAttribute;
  TUbicFunction F;
};

TEST_F(WeighedTable, WeightsWaitForEntriesOfTwoWeightedSums) {
  // Applied before any entry: kept, though there is nothing yet to fit a line to.
  F.ApplyWeights({0, 100}, true);
  EXPECT_TRUE(F.UseWeights());
  EXPECT_FALSE(F.WeightsFillOpenRules());
  EXPECT_EQ(Rules(), (Texts{"0002-", "0102-", "0202-", "1002-", "1102-", "1202-"}));

  // (0,1) and (1,1) have the same weighted sum: still no line, so monotonicity alone.
  F.EnterRule(1, 1, 1);
  F.EnterRule(4, 1, 1);
  EXPECT_FALSE(F.WeightsFillOpenRules());
  EXPECT_EQ(Rules(), (Texts{"0001-", "0111+", "0212-", "1001-", "1111+", "1212-"}));

  // (0,0) = 0 gives the line: b decides, within the bounds of the entries.
  F.EnterRule(0, 0, 0);
  EXPECT_TRUE(F.WeightsFillOpenRules());
  EXPECT_EQ(Rules(), (Texts{"0000+", "0111+", "0222-", "1000-", "1111+", "1222-"}));

  // Cleared again: back to monotonicity, the weights still in use.
  F.ClearEnteredRule(0);
  EXPECT_TRUE(F.UseWeights());
  EXPECT_EQ(Rules(), (Texts{"0001-", "0111+", "0212-", "1001-", "1111+", "1212-"}));

  F.ApplyWeights({0, 100}, false);
  EXPECT_FALSE(F.WeightsFillOpenRules());
  EXPECT_EQ(F.Weights(), (floatarray{0, 100}));
}

TEST_F(WeighedTable, ConflictingEntriesLeaveTheOpenRulesToTheWeights) {
  // (1,2) = 0 below (0,0) = 2: no completion by monotonicity.
  F.EnterRule(0, 2, 2);
  F.EnterRule(5, 0, 0);
  EXPECT_EQ(Rules(), (Texts{"0022+", "0102-", "0202-", "1002-", "1102-", "1200+"}));
  // With the weights every open rule follows the falling line through the two: 2 - y / 75.
  F.ApplyWeights({50, 50}, true);
  EXPECT_TRUE(F.WeightsFillOpenRules());
  EXPECT_EQ(Rules(), (Texts{"0022+", "0111-", "0211-", "1011-", "1111-", "1200+"}));
}

}  // namespace
}  // namespace ubic
