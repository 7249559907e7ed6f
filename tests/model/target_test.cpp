#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "foundation/checkedint.h"
#include "model/target.h"
#include "model_builders.h"
#include "random_model.h"

namespace ubic {

// Solutions as a failing comparison shows them: "X3: 1->2 (1)".
void PrintTo(const TTargetSolution& solution, std::ostream* os) {
  for (const TBasicChange& c : solution.Changes) {
    *os << c.Attribute->GetName() << ": \"" << c.From << "\"->" << c.To << " (" << c.Steps << ") ";
  }
}

namespace test {
namespace {

// The questions of the tests below: at most 20 solutions for the first option.
struct TTargetModel : TMinModel {
  using TMinModel::TMinModel;

  TTargetAnswer Ask(const TUbicAttribute* attribute, TTargetDirection direction, int value) const {
    return FindTargetChanges({0, attribute, direction, value, 20});
  }
};

TEST(TargetAnalysis, FewestChangesInOrderOfSteps) {
  TTargetModel model;
  TTargetAnswer answer = model.Ask(model.Top, TTargetDirection::AtLeast, 2);
  ASSERT_EQ(answer.Outcome, TTargetOutcome::Reachable);
  EXPECT_EQ(answer.ChangeCount, 1);
  // X to v2 reaches it; Y is at v2 already.
  ASSERT_EQ(answer.Solutions.size(), 1U);
  EXPECT_EQ(answer.Solutions[0].Changes, (std::vector<TBasicChange>{{model.X, "1", 2, 1}}));

  answer = model.Ask(model.Top, TTargetDirection::AtMost, 0);
  ASSERT_EQ(answer.Solutions.size(), 2U);
  EXPECT_EQ(answer.Solutions[0].Changes, (std::vector<TBasicChange>{{model.X, "1", 0, 1}}));
  EXPECT_EQ(answer.Solutions[1].Changes, (std::vector<TBasicChange>{{model.Y, "2", 0, 2}}));
  EXPECT_EQ(answer.Solutions[1].Steps, 2);

  EXPECT_EQ(model.Ask(model.Top, TTargetDirection::AtLeast, 1).Outcome, TTargetOutcome::Reached);
  EXPECT_EQ(model.Ask(model.B, TTargetDirection::AtLeast, 1).Solutions[0].Changes,
            (std::vector<TBasicChange>{{model.B, "0", 1, 1}}));

  // From X = v0 both must rise: v2 for each; going to v2 on X alone is not enough.
  model.X->SetOptionText(0, "0");
  model.Y->SetOptionText(0, "0");
  answer = model.Ask(model.Top, TTargetDirection::AtLeast, 1);
  EXPECT_EQ(answer.ChangeCount, 2);
  // v1 and v2 on each: only both at v1 moves no further than needed.
  ASSERT_EQ(answer.Solutions.size(), 1U);
  EXPECT_EQ(answer.Solutions[0].Steps, 2);
  EXPECT_EQ(answer.More, 0);
}

TEST(TargetAnalysis, SetsAndUndefinedValuesCountAsTheyEvaluate) {
  TTargetModel model;
  // X in {v1, v2} makes Top {v1, v2}: every value must reach v2, so X must become v2, a value
  // it already spans (no steps).
  model.X->SetOptionText(0, "12");
  TTargetAnswer answer = model.Ask(model.Top, TTargetDirection::AtLeast, 2);
  ASSERT_EQ(answer.Solutions.size(), 1U);
  EXPECT_EQ(answer.Solutions[0].Changes, (std::vector<TBasicChange>{{model.X, "12", 2, 0}}));
  EXPECT_EQ(model.Ask(model.Top, TTargetDirection::AtLeast, 1).Outcome, TTargetOutcome::Reached);

  // An undefined X is any value: Top could be v0.
  model.X->SetOptionText(0, "");
  EXPECT_EQ(model.Ask(model.Top, TTargetDirection::AtLeast, 1).ChangeCount, 1);
  EXPECT_EQ(model.Ask(model.Top, TTargetDirection::AtLeast, 0).Outcome, TTargetOutcome::Reached);
}

TEST(TargetAnalysis, SaysWhenNothingReachesIt) {
  TTargetModel capped(true);
  const TTargetAnswer answer = capped.Ask(capped.Top, TTargetDirection::AtLeast, 2);
  EXPECT_EQ(answer.Outcome, TTargetOutcome::Unreachable);
  EXPECT_TRUE(answer.Solutions.empty());
  // The limit only cuts the list.
  TTargetAnswer limited = FindTargetChanges({0, capped.Top, TTargetDirection::AtMost, 0, 1});
  EXPECT_EQ(limited.Solutions.size(), 1U);
  EXPECT_EQ(limited.More, 1);
}

// Groups of four basic attributes of four values, all unknown, under one top: a group is v1 when
// each of its attributes is at least v2, and the top when every group is. Every attribute must
// be fixed, to v2 or v3, so there are 16 ** Groups solutions.
struct TCountlessModel {
  TUbicModel Model;
  TUbicAttribute* Top = nullptr;

  explicit TCountlessModel(int groups) {
    auto top = MakeAttribute("Top", 2);
    for (int g = 0; g < groups; ++g) {
      auto group = MakeAttribute("G" + std::to_string(g), 2);
      for (int b = 0; b < 4; ++b) group->AddInput(MakeAttribute("B" + std::to_string(b), 4));
      SetAllAtLeast(*group, 2);
      top->AddInput(std::move(group));
    }
    SetAllAtLeast(*top, 1);
    Top = top.get();
    Model.Root()->AddInput(std::move(top));
    Model.AddOption("unknown");
    std::vector<TUbicAttribute*> basics;
    Model.Root()->CollectBasicAttributes(basics);
    for (TUbicAttribute* basic : basics) basic->SetOptionText(0, "*");
  }

  // v1 where every input is at least Least, v0 elsewhere.
  static void SetAllAtLeast(TUbicAttribute& attribute, int least) {
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(&attribute);
    for (int r = 0; r < function->RuleCount(); ++r) {
      bool all = true;
      for (int i = 0; i < attribute.InputCount(); ++i)
        all = all && function->RuleInput(i, r) >= least;
      function->SetRuleValue(r, all ? 1 : 0);
      function->SetRuleEntered(r, true);
    }
    attribute.SetFunct(std::move(function));
  }
};

std::vector<int> NewValues(const TTargetSolution& solution) {
  std::vector<int> values;
  for (const TBasicChange& change : solution.Changes) values.push_back(change.To);
  return values;
}

TEST(TargetAnalysis, CountsAndListsTheFirstOfCountlessSolutions) {
  const TCountlessModel model(7);
  const TTargetAnswer answer = FindTargetChanges({0, model.Top, TTargetDirection::AtLeast, 1, 3});
  EXPECT_EQ(answer.ChangeCount, 28);
  EXPECT_EQ(answer.More, (1 << 28) - 3);
  // The same attributes every time and no steps from unknown values: the values decide, the
  // last attribute's first.
  ASSERT_EQ(answer.Solutions.size(), 3U);
  std::vector<int> values(28, 2);
  EXPECT_EQ(NewValues(answer.Solutions[0]), values);
  values[27] = 3;
  EXPECT_EQ(NewValues(answer.Solutions[1]), values);
  values[26] = 3;
  values[27] = 2;
  EXPECT_EQ(NewValues(answer.Solutions[2]), values);
  EXPECT_EQ(answer.Solutions[2].Changes[26].From, "*");

  // 2 ** 32 solutions: More cannot hold the rest, which raises instead of wrapping.
  const TCountlessModel wider(8);
  EXPECT_THROW(FindTargetChanges({0, wider.Top, TTargetDirection::AtLeast, 1, 3}), EIntOverflow);
}

// The exhaustive search the analysis must agree with: every combination of kept and changed
// basic values below the attribute, evaluated as the model evaluates.
class TExhaustiveTarget {
 public:
  explicit TExhaustiveTarget(const TTargetQuestion& question) : FQuestion(question) {
    std::vector<const TUbicAttribute*> basics;
    question.Attribute->CollectBasicAttributes(basics);
    std::vector<const TUbicAttribute*> all(basics.begin(), basics.end());
    if (question.Attribute->IsBasic()) all.push_back(question.Attribute);
    // Without a scale a value cannot be changed.
    for (const TUbicAttribute* basic : all) {
      if (basic->Scale() != nullptr) FBasics.push_back(basic);
    }
  }

  // Unset when the search would be too long for a test.
  std::optional<std::vector<TTargetSolution>> Solutions() {
    long long space = 1;
    for (const TUbicAttribute* basic : FBasics) space *= 1 + basic->Scale()->Count();
    if (space > 20'000) return std::nullopt;
    Search(0);
    std::vector<TTargetSolution> kept;
    for (const TTargetSolution& s : FFound) {
      if (s.Changes.size() != FFewest) continue;
      const bool further = std::any_of(FFound.begin(), FFound.end(), [&](const auto& o) {
        return !(o == s) && o.Changes.size() == FFewest && NoFurther(o, s);
      });
      if (!further) kept.push_back(s);
    }
    std::sort(kept.begin(), kept.end(),
              [this](const auto& a, const auto& b) { return Key(a) < Key(b); });
    return kept;
  }

 private:
  void Search(std::size_t b) {
    if (b == FBasics.size()) {
      if (FChanges.size() <= FFewest && Reaches()) {
        FFewest = FChanges.size();
        FFound.push_back({FChanges, 0});
        for (const TBasicChange& c : FChanges) FFound.back().Steps += c.Steps;
      }
      return;
    }
    Search(b + 1);
    const TUbicAttribute* basic = FBasics[b];
    const std::string from = basic->OptionText(FQuestion.Option);
    for (int to = 0; to < basic->Scale()->Count(); ++to) {
      if (from.size() == 1 && from[0] == ValueCode(to)) continue;
      FValues[basic] = std::string(1, ValueCode(to));
      FChanges.push_back({basic, from, to, Steps(*basic, from, to)});
      Search(b + 1);
      FChanges.pop_back();
      FValues.erase(basic);
    }
  }

  static int Steps(const TUbicAttribute& basic, const std::string& from, int to) {
    int low = basic.Scale()->Count();
    int high = -1;
    for (const char c : from) {
      low = std::min(low, ValueIndexOf(c));
      high = std::max(high, ValueIndexOf(c));
    }
    if (high < 0 || from == "*") return 0;
    return to < low ? low - to : to > high ? to - high : 0;
  }

  static std::pair<int, int> Span(const TBasicChange& c) {
    if (c.From.empty() || c.From == "*") return {0, c.Attribute->Scale()->Count() - 1};
    return {ValueIndexOf(c.From.front()), ValueIndexOf(c.From.back())};
  }

  // Whether A is B with every changed value nearer to (or as far from) where it was.
  static bool NoFurther(const TTargetSolution& a, const TTargetSolution& b) {
    for (std::size_t i = 0; i < a.Changes.size(); ++i) {
      if (a.Changes[i].Attribute != b.Changes[i].Attribute) return false;
      const auto [low, high] = Span(b.Changes[i]);
      const int from = std::clamp(b.Changes[i].To, low, high);
      const int to = b.Changes[i].To;
      if (a.Changes[i].To < std::min(from, to) || a.Changes[i].To > std::max(from, to))
        return false;
    }
    return true;
  }

  std::vector<int> Key(const TTargetSolution& s) const {
    std::vector<int> key{s.Steps};
    for (const auto& c : s.Changes) {
      key.push_back(static_cast<int>(std::find(FBasics.begin(), FBasics.end(), c.Attribute) -
                                     FBasics.begin()));
    }
    for (const auto& c : s.Changes) key.push_back(c.To);
    return key;
  }

  std::string Value(const TUbicAttribute& attribute) const {
    if (attribute.IsBasic()) {
      const auto changed = FValues.find(&attribute);
      return changed != FValues.end() ? changed->second : attribute.OptionText(FQuestion.Option);
    }
    if (attribute.Scale() == nullptr || attribute.Funct() == nullptr) return {};
    std::vector<std::string> inputs;
    for (int i = 0; i < attribute.InputCount(); ++i) inputs.push_back(Value(*attribute.Input(i)));
    return attribute.Funct()->Evaluate(inputs);
  }

  bool Reaches() const {
    const TUbicScale& scale = *FQuestion.Attribute->Scale();
    std::string result = Value(*FQuestion.Attribute);
    if (result.empty() || result == "*") {
      result.clear();
      for (int v = 0; v < scale.Count(); ++v) result += ValueCode(v);
    }
    return std::all_of(result.begin(), result.end(), [&](char code) {
      return MeetsTarget(scale, FQuestion.Direction, FQuestion.Value, ValueIndexOf(code));
    });
  }

  TTargetQuestion FQuestion;
  std::vector<const TUbicAttribute*> FBasics;
  std::map<const TUbicAttribute*, std::string> FValues;
  std::vector<TBasicChange> FChanges;
  std::size_t FFewest = SIZE_MAX;
  std::vector<TTargetSolution> FFound;
};

// Small random models of varied scales, small enough for an exhaustive search.
TRandomModelShape SmallVariedShape() {
  TRandomModelShape shape;
  shape.TopLevel = 2;
  shape.Depth = 3;
  shape.Inputs = 3;
  shape.ValueNames = {"a", "b", "c", "d"};
  shape.Varied = true;
  return shape;
}

TEST(TargetAnalysis, AgreesWithAnExhaustiveSearch) {
  const TRandomModelShape shape = SmallVariedShape();
  std::map<TTargetOutcome, int> outcomes;
  int compared = 0;
  for (unsigned seed = 0; seed < 400; ++seed) {
    TRandomModel random(seed, shape);
    std::vector<TUbicAttribute*> attributes;
    random.Model.Root()->CollectAttributes(attributes);
    for (int k = 0; k < random.Model.OptionCount(); ++k) {
      for (const TUbicAttribute* attribute : attributes) {
        if (attribute->Scale() == nullptr || attribute->Level() > 2) continue;
        for (int v = 0; v < attribute->Scale()->Count(); ++v) {
          for (const auto direction : {TTargetDirection::AtLeast, TTargetDirection::AtMost}) {
            const TTargetQuestion question{k, attribute, direction, v, 1'000'000};
            const auto expected = TExhaustiveTarget(question).Solutions();
            if (!expected) continue;
            const TTargetAnswer answer = FindTargetChanges(question);
            ++outcomes[answer.Outcome];
            ++compared;
            const std::string where = "seed " + std::to_string(seed) + " option " +
                                      std::to_string(k) + " " + attribute->GetName() + " " +
                                      std::to_string(v);
            if (expected->empty()) {
              EXPECT_EQ(answer.Outcome, TTargetOutcome::Unreachable) << where;
            } else if (expected->front().Changes.empty()) {
              EXPECT_EQ(answer.Outcome, TTargetOutcome::Reached) << where;
            } else {
              ASSERT_EQ(answer.Solutions, *expected) << where;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(compared, 2000);
  EXPECT_GT(outcomes[TTargetOutcome::Unreachable], 50);
  EXPECT_GT(outcomes[TTargetOutcome::Reached], 50);
  EXPECT_GT(outcomes[TTargetOutcome::Reachable], 500);
}

// Solutions beyond the limit are only counted, and with most values unknown there are many.
TEST(TargetAnalysis, CountsWhatItDoesNotListAsAnExhaustiveSearchDoes) {
  const TRandomModelShape shape = SmallVariedShape();
  int counted = 0;
  for (unsigned seed = 0; seed < 300; ++seed) {
    TRandomModel random(seed, shape);
    for (TUbicAttribute* basic : random.Basics) {
      for (int k = 0; k < random.Model.OptionCount(); ++k) {
        if ((seed + k + basic->GetName().size()) % 4 != 0) basic->SetOptionText(k, "*");
      }
    }
    std::vector<TUbicAttribute*> attributes;
    random.Model.Root()->CollectAttributes(attributes);
    for (int k = 0; k < random.Model.OptionCount(); ++k) {
      for (const TUbicAttribute* attribute : attributes) {
        if (attribute->Scale() == nullptr || attribute->IsBasic()) continue;
        for (int v = 0; v < attribute->Scale()->Count(); ++v) {
          for (const auto direction : {TTargetDirection::AtLeast, TTargetDirection::AtMost}) {
            const TTargetQuestion question{k, attribute, direction, v, 2};
            const auto expected = TExhaustiveTarget(question).Solutions();
            if (!expected || expected->empty() || expected->front().Changes.empty()) continue;
            const TTargetAnswer answer = FindTargetChanges(question);
            const std::string where = "seed " + std::to_string(seed) + " option " +
                                      std::to_string(k) + " " + attribute->GetName() + " " +
                                      std::to_string(v);
            ASSERT_EQ(answer.ChangeCount, static_cast<int>(expected->front().Changes.size()))
                << where;
            const std::size_t listed = std::min<std::size_t>(2, expected->size());
            EXPECT_EQ(answer.Solutions,
                      std::vector<TTargetSolution>(expected->begin(), expected->begin() + listed))
                << where;
            EXPECT_EQ(answer.More, static_cast<int>(expected->size() - listed)) << where;
            counted += answer.More > 0 ? 1 : 0;
          }
        }
      }
    }
  }
  EXPECT_GT(counted, 300);
}

}  // namespace
}  // namespace test
}  // namespace ubic
