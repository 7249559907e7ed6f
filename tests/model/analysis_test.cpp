#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "model/model.h"
#include "model/valuecode.h"
#include "model_builders.h"

namespace ubic::test {
namespace {

// An attribute with an output scale of Outputs values and inputs of the given sizes, with a
// fresh function; Rule(inputs) gives the value of each rule, or -1 to leave it undefined.
struct TTable {
  std::unique_ptr<TUbicAttribute> Attribute;
  TUbicFunction* Function;

  TTable(int outputs, const std::vector<int>& inputs,
         const std::function<int(const std::vector<int>&)>& rule) {
    Attribute = MakeAttribute("Top", outputs);
    for (const int count : inputs) Attribute->AddInput(MakeAttribute("I", count));
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(Attribute.get());
    Function = function.get();
    Attribute->SetFunct(std::move(function));
    for (int r = 0; r < Function->RuleCount(); ++r) {
      std::vector<int> values;
      for (std::size_t i = 0; i < inputs.size(); ++i) values.push_back(Function->RuleInput(i, r));
      const int value = rule(values);
      if (value < 0) continue;
      Function->SetRuleValue(r, value);
      Function->SetRuleEntered(r, true);
    }
  }
};

TEST(Weights, RegressionOfTheRules) {
  TTable first(3, {3, 3}, [](const std::vector<int>& x) { return x[0]; });
  const TLocalWeights firstWeights = first.Function->CalcWeights(true);
  ASSERT_EQ(firstWeights.Local.size(), 2u);
  EXPECT_NEAR(firstWeights.Local[0], 100, 1e-9);
  EXPECT_NEAR(firstWeights.Local[1], 0, 1e-9);
  EXPECT_NEAR(firstWeights.Normalised[0], 100, 1e-9);
  EXPECT_NEAR(firstWeights.Normalised[1], 0, 1e-9);

  TTable mean(3, {3, 3}, [](const std::vector<int>& x) { return (x[0] + x[1] + 1) / 2; });
  const TLocalWeights meanWeights = mean.Function->CalcWeights(true);
  ASSERT_EQ(meanWeights.Local.size(), 2u);
  EXPECT_NEAR(meanWeights.Local[0], 50, 1e-9);
  EXPECT_NEAR(meanWeights.Local[1], 50, 1e-9);

  // Normalising by scale size: equal slopes, inputs of 2 and 4 values.
  TTable sizes(5, {2, 4}, [](const std::vector<int>& x) { return x[0] + x[1]; });
  const TLocalWeights sizeWeights = sizes.Function->CalcWeights(true);
  EXPECT_NEAR(sizeWeights.Local[0], 50, 1e-9);
  EXPECT_NEAR(sizeWeights.Normalised[0], 100.0 / 3, 1e-9);
}

TEST(Weights, SingularSystemsGiveZeros) {
  // Only the rules with the first input at 0 are entered: it never varies.
  TTable table(3, {3, 3}, [](const std::vector<int>& x) { return x[0] == 0 ? x[1] : -1; });
  const TLocalWeights entered = table.Function->CalcWeights(false);
  EXPECT_EQ(entered.Local, (floatarray{0, 0}));
  EXPECT_EQ(entered.Normalised, (floatarray{0, 0}));

  // The same with an input fixed at a value other than 0.
  TTable fixed(3, {3, 3}, [](const std::vector<int>& x) { return x[0] == 1 ? x[1] : -1; });
  EXPECT_EQ(fixed.Function->CalcWeights(false).Local, (floatarray{0, 0}));
}

TEST(Approximation, ValuesRoundHalfToEvenWithinTheScale) {
  // Entered: input 0 gives [0, 0] and input 1 gives [0, 1]: the midpoints rise by a half.
  TTable table(5, {8}, [](const std::vector<int>& x) { return x[0] <= 1 ? 0 : -1; });
  table.Function->SetRuleHigh(1, 1);
  table.Function->CalcApproximation(false);
  EXPECT_DOUBLE_EQ(table.Function->Approx(3), 1.5);
  EXPECT_EQ(table.Function->ApproxValue(3), 2);
  EXPECT_DOUBLE_EQ(table.Function->Approx(5), 2.5);
  EXPECT_EQ(table.Function->ApproxValue(5), 2);
  EXPECT_EQ(table.Function->ApproxValue(7), 4);

  TTable falling(3, {3}, [](const std::vector<int>& x) { return x[0] == 2 ? 1 : 0; });
  falling.Function->CalcApproximation(true);
  EXPECT_LT(falling.Function->Approx(0), 0);
  EXPECT_EQ(falling.Function->ApproxValue(0), 0);

  TTable steep(3, {6}, [](const std::vector<int>& x) { return x[0] <= 1 ? x[0] : -1; });
  steep.Function->CalcApproximation(false);
  EXPECT_DOUBLE_EQ(steep.Function->Approx(5), 5);
  EXPECT_EQ(steep.Function->ApproxValue(5), 2);
}

TEST(Approximation, FillsComputedRulesWithinTheirIntervals) {
  TTable table(5, {5, 5}, [](const std::vector<int>& x) {
    return (x[0] == 0 && x[1] == 0)   ? 0
           : (x[0] == 4 && x[1] == 4) ? 4
           : (x[0] == 2 && x[1] == 2) ? 2
                                      : -1;
  });
  table.Function->SetWeights({50, 50});
  table.Function->CalcApproximation(false);
  table.Function->SetUseWeights(true);
  table.Function->Recompute();
  EXPECT_DOUBLE_EQ(table.Function->ScaleFactor(), 0.01);
  for (int r = 0; r < table.Function->RuleCount(); ++r) {
    const int sum = table.Function->RuleInput(0, r) + table.Function->RuleInput(1, r);
    EXPECT_EQ(table.Function->RuleLow(r), table.Function->RuleHigh(r));
    // (2, 0) lies below the entered (2, 2) = 2 and above (0, 0) = 0: its approximation 1 fits.
    if (r == 10) {
      EXPECT_EQ(table.Function->RuleLow(r), 1);
    }
    EXPECT_LE(table.Function->RuleLow(r), (sum + 1) / 2 + 1);
  }

  // With all rules on one point the approximation fails quietly and fills nothing; the weights
  // stay in use for entries to come.
  TTable flat(3, {3}, [](const std::vector<int>& x) { return x[0] == 1 ? 1 : -1; });
  flat.Function->SetUseWeights(true);
  EXPECT_FALSE(flat.Function->CalcApproximation(false));
  EXPECT_TRUE(flat.Function->UseWeights());
  EXPECT_EQ(flat.Function->ScaleFactor(), 0);
  EXPECT_EQ(flat.Function->ScaleOffset(), 0);
  flat.Function->Recompute();
  EXPECT_EQ(flat.Function->Rules().Strings(), (std::vector<std::string>{"001-", "111+", "212-"}));
}

// The exhaustive expansion without any memory, straight from the rule table.
class TLiteralCompactRules {
 public:
  TLiteralCompactRules(const TUbicFunction& f, int value) : F(f), V(value) {}

  std::vector<std::string> Run() {
    const int n = F.InputCount();
    std::set<std::string> seeds;
    for (int r = 0; r < F.RuleCount(); ++r) {
      if (F.RuleEntered(r) && F.RuleLow(r) <= V && V <= F.RuleHigh(r)) {
        seeds.insert(F.Rules()[r].substr(0, n));
      }
    }
    while (!seeds.empty()) {
      const std::string seed = *seeds.begin();
      Expand(seed, seed);
      for (auto it = seeds.begin(); it != seeds.end();) {
        it = InAnyBox(*it) ? seeds.erase(it) : std::next(it);
      }
    }
    return Boxes;
  }

 private:
  bool InAnyBox(const std::string& p) const {
    for (const std::string& box : Boxes) {
      bool inside = true;
      for (std::size_t i = 0; i < p.size(); ++i)
        inside &= box[i] <= p[i] && p[i] <= box[p.size() + i];
      if (inside) return true;
    }
    return false;
  }

  bool Expand(const std::string& lo, const std::string& hi) {
    for (int r = 0; r < F.RuleCount(); ++r) {
      bool inside = true;
      for (std::size_t i = 0; i < lo.size(); ++i) {
        const char c = F.Rules()[r][i];
        inside &= lo[i] <= c && c <= hi[i];
      }
      if (inside && !(F.RuleLow(r) <= V && V <= F.RuleHigh(r))) return false;
    }
    bool extendable = false;
    for (std::size_t i = 0; i < lo.size(); ++i) {
      if (hi[i] - '0' < F.Attribute()->Input(i)->Scale()->Count() - 1) {
        std::string higher = hi;
        ++higher[i];
        extendable = Expand(lo, higher) || extendable;
      }
    }
    for (std::size_t i = 0; i < lo.size(); ++i) {
      if (lo[i] > '0') {
        std::string lower = lo;
        --lower[i];
        extendable = Expand(lower, hi) || extendable;
      }
    }
    const std::string box = lo + hi;
    if (!extendable && std::find(Boxes.begin(), Boxes.end(), box) == Boxes.end()) {
      Boxes.push_back(box);
    }
    return true;
  }

  const TUbicFunction& F;
  int V;
  std::vector<std::string> Boxes;
};

TEST(CompactRules, SimpleTables) {
  TTable uniform(3, {3, 2, 4}, [](const std::vector<int>&) { return 1; });
  TStrList boxes;
  boxes.Add("stale");
  uniform.Function->CompactRules(1, boxes);
  EXPECT_EQ(boxes.Strings(), (std::vector<std::string>{"000213"}));
  uniform.Function->CompactRules(0, boxes);
  EXPECT_EQ(boxes.Count(), 0);

  TTable minimum(3, {3, 3}, [](const std::vector<int>& x) { return std::min(x[0], x[1]); });
  minimum.Function->CompactRules(0, boxes);
  EXPECT_EQ(boxes.Strings(), (std::vector<std::string>{"0020", "0002"}));
  minimum.Function->CompactRules(2, boxes);
  EXPECT_EQ(boxes.Strings(), (std::vector<std::string>{"2222"}));

  TUbicFunction detached;
  detached.CompactRules(0, boxes);
  EXPECT_EQ(boxes.Count(), 0);
}

TEST(CompactRules, AgreeWithTheExhaustiveExpansion) {
  std::mt19937 random(99);
  for (int round = 0; round < 60; ++round) {
    std::vector<int> inputs;
    const int n = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < n; ++i) inputs.push_back(2 + static_cast<int>(random() % 3));
    TTable table(3, inputs, [&random](const std::vector<int>&) {
      const int pick = static_cast<int>(random() % 5);
      return pick < 3 ? pick : -1;
    });
    // Computed intervals make some boxes inadmissible although no entered rule forbids them.
    table.Function->Recompute();
    if (round % 4 == 0 && n > 1) table.Attribute->MoveInputUp(1);
    TStrList boxes;
    for (int v = 0; v < 3; ++v) {
      EXPECT_TRUE(table.Function->CompactRules(v, boxes));
      EXPECT_EQ(boxes.Strings(), TLiteralCompactRules(*table.Function, v).Run())
          << "round " << round << " value " << v;
    }
  }
}

// Every box around a seed in the middle of an undefined table admits the value: far too many to
// visit. The search stops within its budget and keeps what it found, which is maximal.
TEST(CompactRules, StopWithinTheirBudgetOnAHugeOpenTable) {
  TTable open(2, {kMaxScaleValues, kMaxScaleValues},
              [](const std::vector<int>& x) { return x[0] == 100 && x[1] == 100 ? 0 : -1; });
  TStrList boxes;
  EXPECT_FALSE(open.Function->CompactRules(0, boxes));
  const std::string last(2, ValueCode(kMaxScaleValues - 1));
  EXPECT_EQ(boxes.Strings(), (std::vector<std::string>{"00" + last}));
  // No entered rule admits the other value: nothing to search.
  EXPECT_TRUE(open.Function->CompactRules(1, boxes));
  EXPECT_EQ(boxes.Count(), 0);
}

}  // namespace
}  // namespace ubic::test
