#include <gtest/gtest.h>

#include <random>

#include "model/model.h"
#include "model_builders.h"

namespace ubic::test {
namespace {

// Top with two inputs of three values and a three-value scale, below a model's root.
struct TTwoInputs {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicFunction* Function;

  TTwoInputs() {
    auto top = MakeAttribute("Top", 3);
    top->AddInput(MakeAttribute("X", 3));
    top->AddInput(MakeAttribute("Y", 3));
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(top.get());
    Function = function.get();
    top->SetFunct(std::move(function));
    Top = top.get();
    Model.Root()->AddInput(std::move(top));
  }

  // Enters the rule for X = x, Y = y.
  void Enter(int x, int y, int low, int high) {
    const int rule = x * 3 + y;
    Function->SetRuleLow(rule, low);
    Function->SetRuleHigh(rule, high);
    Function->SetRuleEntered(rule, true);
  }
};

TEST(Evaluation, ValueSetsSelectTheUnionOfMatchingRules) {
  TTwoInputs m;
  m.Enter(1, 0, 0, 0);
  m.Enter(1, 2, 2, 2);
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"1", "02"}), "02");
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"1", "0"}), "0");
  m.Enter(1, 2, 1, 2);
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"1", "02"}), "");
  // A computed rule that is still undefined makes the result undefined.
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"0", "0"}), "");
  // A code outside the input's scale matches no rule.
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"1", "7"}), "");
}

TEST(Evaluation, AnyValueMatchesEveryRule) {
  TTwoInputs m;
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 3; ++y) m.Enter(x, y, 1, 1);
  }
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"*", ""}), "1");
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"2", "*"}), "1");
  m.Enter(2, 2, 2, 2);
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"", "12"}), "12");
}

TEST(Evaluation, EvaluateAllWorksBottomUp) {
  TTwoInputs m;
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 3; ++y) m.Enter(x, y, std::min(x, y), std::min(x, y));
  }
  // Y becomes an aggregate without a function: its values are undefined, and Top's value is the
  // union over every Y.
  TUbicAttribute* y = m.Top->Input(1);
  y->AddInput(MakeAttribute("Z", 2));
  y->SetOptionText(0, "2");
  m.Model.AddOption("a");
  m.Model.AddOption("b");
  m.Top->Input(0)->SetOptionValue(0, 1);
  m.Top->Input(0)->SetOptionValue(1, 0);
  m.Model.Changed();
  m.Model.EvaluateAll();
  EXPECT_FALSE(m.Model.NeedsEvaluation());
  EXPECT_EQ(y->OptionValues().Strings(), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(m.Top->OptionText(0), "01");
  EXPECT_EQ(m.Top->OptionText(1), "0");
  EXPECT_EQ(y->Input(0)->OptionValues().Count(), 2);
}

TEST(Evaluation, RuleEditsAndInputMovesAreSeen) {
  TTwoInputs m;
  m.Enter(2, 0, 1, 1);
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"2", "0"}), "1");
  m.Function->SetRuleValue(6, 2);
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"2", "0"}), "2");
  // Moving the inputs rearranges the rules: the rule for X = 2, Y = 0 is now the one for
  // Y = 0, X = 2, still entered.
  m.Function->SetWeights({70, 30});
  m.Top->MoveInputUp(1);
  EXPECT_EQ(m.Top->Input(0)->GetName(), "Y");
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"0", "2"}), "2");
  EXPECT_EQ(m.Function->Evaluate(std::vector<std::string>{"2", "0"}), "");
  EXPECT_EQ(m.Function->Rules()[2], "0222+");
  EXPECT_EQ(m.Function->Weights(), (floatarray{30, 70}));
}

// Random tables and inputs: evaluation by index must give exactly what the rule scan gives.
TEST(Evaluation, AgreesWithTheRuleScan) {
  std::mt19937 random(2024);
  auto pick = [&random](int n) { return static_cast<int>(random() % n); };
  for (int round = 0; round < 200; ++round) {
    const int outputs = 2 + pick(4);
    auto top = MakeAttribute("Top", outputs);
    const int n = 1 + pick(3);
    std::vector<int> counts;
    for (int i = 0; i < n; ++i) {
      counts.push_back(2 + pick(4));
      top->AddInput(MakeAttribute("I", counts.back()));
    }
    TUbicFunction function;
    function.Initialize(top.get());
    for (int r = 0; r < function.RuleCount(); ++r) {
      const int low = pick(outputs);
      function.SetRuleLow(r, low);
      function.SetRuleHigh(r, pick(4) == 0 ? low - 1 : low + pick(outputs - low));
    }
    if (pick(5) == 0 && n > 1) top->MoveInputUp(n - 1);
    for (int trial = 0; trial < 50; ++trial) {
      std::vector<std::string> texts;
      for (int i = 0; i < n; ++i) {
        const int count = top->Input(i)->Scale()->Count();
        switch (pick(6)) {
          case 0:
            texts.emplace_back("");
            break;
          case 1:
            texts.emplace_back("*");
            break;
          case 2:
            texts.push_back(std::string(1, char('0' + pick(count + 2))));
            break;
          case 3:
            texts.push_back({char('0' + pick(count)), char('0' + pick(count))});
            break;
          default:
            texts.push_back(std::string(1, char('0' + pick(count))));
            break;
        }
      }
      const std::vector<std::string_view> views(texts.begin(), texts.end());
      ASSERT_EQ(function.Evaluate(texts), function.EvaluateByRuleScan(views))
          << "round " << round << " rules " << function.Rules().Text();
    }
  }
}

// A rule read from a file may reach below the first value: every code from Low to High counts,
// and such a result is not the whole scale.
TEST(Evaluation, IntervalsBelowTheFirstValueAreKept) {
  TTwoInputs m;
  m.Function->SetRuleCodes(0, '/', '1');
  m.Function->SetRuleCodes(1, '/', '2');
  m.Function->SetRuleCodes(2, '-', '/');
  for (const bool scan : {false, true}) {
    auto evaluate = [&](std::vector<std::string> texts) {
      const std::vector<std::string_view> views(texts.begin(), texts.end());
      return scan ? m.Function->EvaluateByRuleScan(views) : m.Function->Evaluate(texts);
    };
    EXPECT_EQ(evaluate({"0", "0"}), "/01");
    EXPECT_EQ(evaluate({"0", "1"}), "/012");
    EXPECT_EQ(evaluate({"0", "2"}), "-./");
    EXPECT_EQ(evaluate({"0", "01"}), "/012");
  }
  m.Model.AddOption("a");
  m.Top->Input(0)->SetOptionValue(0, 0);
  m.Top->Input(1)->SetOptionValue(0, 1);
  m.Model.EvaluateAll();
  EXPECT_EQ(m.Top->OptionText(0), "/012");
}

// Random trees of random tables, options with sets, undefined and foreign codes: evaluating all
// options at once gives, option by option, what matching every rule gives.
TEST(Evaluation, EvaluateAllAgreesWithTheRuleScanOptionByOption) {
  std::mt19937 random(77);
  auto pick = [&random](int n) { return static_cast<int>(random() % n); };
  for (int round = 0; round < 40; ++round) {
    TUbicModel model;
    std::vector<TUbicAttribute*> aggregates;
    std::vector<TUbicAttribute*> basics;
    // Top over 1 to 3 inputs, each basic or an aggregate over basics.
    auto top = MakeAttribute("Top", 2 + pick(3));
    for (int i = 1 + pick(3); i > 0; --i) {
      auto input = MakeAttribute("I", 2 + pick(3));
      if (pick(2) == 0) {
        for (int j = 1 + pick(2); j > 0; --j) input->AddInput(MakeAttribute("B", 2 + pick(3)));
      }
      top->AddInput(std::move(input));
    }
    aggregates.push_back(top.get());
    model.Root()->AddInput(std::move(top));
    std::vector<TUbicAttribute*> all;
    model.Root()->CollectAttributes(all);
    for (TUbicAttribute* a : all) {
      if (a->IsBasic()) {
        basics.push_back(a);
      } else if (a != aggregates[0]) {
        aggregates.push_back(a);
      }
    }
    for (TUbicAttribute* a : aggregates) {
      if (pick(8) == 0) continue;  // no function: undefined
      auto function = std::make_unique<TUbicFunction>();
      function->Initialize(a);
      const int outputs = a->Scale()->Count();
      for (int r = 0; r < function->RuleCount(); ++r) {
        // From one below the first value up, and up to one below Low (an empty interval).
        const int low = pick(outputs + 1) - 1;
        const int high = low + pick(outputs - low + 1) - 1;
        function->SetRuleCodes(r, char('0' + low), char('0' + high));
      }
      if (pick(6) == 0) function->SortRules(true);  // no longer found by index
      a->SetFunct(std::move(function));
    }
    const int options = 1 + pick(60);
    for (int k = 0; k < options; ++k) model.AddOption("o");
    for (TUbicAttribute* b : basics) {
      const int count = b->Scale()->Count();
      // Some lists stop early: the missing entries are undefined.
      for (int k = pick(options + 1) - 1; k >= 0; --k) {
        const char texts[][3] = {"",
                                 "*",
                                 {char('0' + pick(count + 2))},
                                 {char('0' + pick(count)), char('0' + pick(count))}};
        const int kind = pick(8);
        b->SetOptionText(k, kind < 4 ? texts[kind] : std::string(1, char('0' + pick(count))));
      }
    }
    model.EvaluateAll();
    // Bottom-up, so that every aggregate's inputs hold their evaluated values already.
    for (auto a = aggregates.rbegin(); a != aggregates.rend(); ++a) {
      for (int k = 0; k < options; ++k) {
        std::string expected;
        if ((*a)->Funct() != nullptr) {
          std::vector<std::string> texts;
          for (int i = 0; i < (*a)->InputCount(); ++i)
            texts.push_back((*a)->Input(i)->OptionText(k));
          const std::vector<std::string_view> views(texts.begin(), texts.end());
          expected = (*a)->Funct()->EvaluateByRuleScan(views);
        }
        ASSERT_EQ((*a)->OptionText(k), expected) << "round " << round << " option " << k;
      }
      EXPECT_EQ((*a)->OptionValues().Count(), options);
    }
  }
}

TEST(OptionValues, TextsAndValues) {
  auto a = MakeAttribute("A", 3);
  a->SetOptionText(0, "1");
  a->SetOptionText(1, "2");
  a->SetOptionText(5, "1");
  EXPECT_EQ(a->OptionValues().Strings(), (std::vector<std::string>{"1", "2", "", "", "", "1"}));
  a->SetOptionText(9, "");
  EXPECT_EQ(a->OptionValues().Count(), 6);
  EXPECT_EQ(a->OptionText(42), "");
  EXPECT_EQ(a->OptionValue(1), 2);
  a->SetOptionText(2, "*");
  a->SetOptionText(3, "3");
  EXPECT_EQ(a->OptionValue(2), -1);
  EXPECT_EQ(a->OptionValue(3), -1);
  EXPECT_EQ(a->OptionValue(4), -1);
  a->SetOptionValue(4, 7);
  EXPECT_EQ(a->OptionText(4), "");
  a->SetOptionValue(4, 0);
  EXPECT_EQ(a->OptionText(4), "0");

  a->InsertOption(0);
  a->InsertOption(7);
  a->InsertOption(99);
  a->DeleteOption(99);
  EXPECT_EQ(a->OptionValues().Strings(),
            (std::vector<std::string>{"", "1", "2", "*", "3", "0", "1", ""}));
  a->DeleteOption(0);
  EXPECT_EQ(a->OptionText(0), "1");
}

TEST(OptionValues, TakenFromAnotherList) {
  auto a = MakeAttribute("A", 3);
  TStrList texts;
  texts.AddStrings({"2", "01", ""});
  a->TakeOptionTexts(0, texts);
  EXPECT_EQ(a->OptionValues().Strings(), (std::vector<std::string>{"2", "01", ""}));
  EXPECT_TRUE(texts.Empty());
  // Later options follow those there, undefined ones between them.
  texts.AddStrings({"1"});
  a->TakeOptionTexts(4, texts);
  EXPECT_EQ(a->OptionValues().Strings(), (std::vector<std::string>{"2", "01", "", "", "1"}));
  // Options the attribute has take the new texts in their places.
  texts.AddStrings({"0", "2"});
  a->TakeOptionTexts(1, texts);
  EXPECT_EQ(a->OptionValues().Strings(), (std::vector<std::string>{"2", "0", "2", "", "1"}));
  EXPECT_TRUE(texts.Empty());
}

TEST(OptionValues, FollowScaleEdits) {
  auto a = MakeAttribute("A", 3);
  a->SetOptionText(0, "012");
  a->SetOptionText(1, "2");
  a->SetOptionText(2, "*");
  a->RemoveValue(1);
  EXPECT_EQ(a->OptionValues().Strings(), (std::vector<std::string>{"01", "1", "*"}));
  a->ShiftValuesUp(1);
  EXPECT_EQ(a->OptionValues().Strings(), (std::vector<std::string>{"02", "2", "*"}));
}

TEST(OptionValues, ValueIndexByName) {
  auto a = MakeAttribute("A", 3);
  EXPECT_EQ(TUbicAttribute::ValueIndex(a.get(), "v2"), 2);
  try {
    TUbicAttribute::ValueIndex(a.get(), "V2");
    FAIL() << "no error";
  } catch (const EUbicError& e) {
    EXPECT_STREQ(e.what(), "Unknown attribute value \"A\": \"V2\"");
  }
  try {
    TUbicAttribute::ValueIndex(nullptr, "v0");
    FAIL() << "no error";
  } catch (const EUbicError& e) {
    EXPECT_STREQ(e.what(), "Unknown attribute value \"NULL\": \"v0\"");
  }
}

TEST(ModelOptions, InsertDeleteAndSelection) {
  TTwoInputs m;
  m.Model.AddOption("a");
  m.Model.AddOption("b");
  TUbicAttribute* x = m.Top->Input(0);
  x->SetOptionText(0, "0");
  x->SetOptionText(1, "1");
  m.Model.SetOptionSelection("10");
  m.Model.InsertOption(0, "new");
  EXPECT_EQ(m.Model.Options().Strings(), (std::vector<std::string>{"new", "a", "b"}));
  EXPECT_EQ(m.Model.OptionSelection(), "110");
  EXPECT_EQ(x->OptionValues().Strings(), (std::vector<std::string>{"", "0", "1"}));
  m.Model.DeleteOption(2);
  EXPECT_EQ(m.Model.OptionSelection(), "11");
  EXPECT_EQ(x->OptionValues().Strings(), (std::vector<std::string>{"", "0"}));

  m.Model.SetOptionSelection("");
  m.Model.InsertOption(0, "first");
  EXPECT_EQ(m.Model.OptionSelection(), "");
  EXPECT_TRUE(m.Model.OptionSelected(5));
  m.Model.SetOptionSelected(3, false);
  EXPECT_EQ(m.Model.OptionSelection(), "1110");
  EXPECT_FALSE(m.Model.OptionSelected(3));
}

}  // namespace
}  // namespace ubic::test
