#include <gtest/gtest.h>

#include <map>
#include <random>

#include "model/distributionevaluator.h"
#include "model/valuecode.h"
#include "model_builders.h"
#include "random_model.h"

namespace ubic {
namespace {

// X and Y of values lo, hi under Top of bad, ok, good: (lo,lo) bad, (lo,hi) bad:ok, (hi,lo) ok,
// (hi,hi) good.
struct TTwoInputs {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicAttribute* X;
  TUbicAttribute* Y;

  TTwoInputs() {
    auto top = std::make_unique<TUbicAttribute>("Top");
    auto scale = std::make_unique<TUbicDiscreteScale>();
    for (const char* name : {"bad", "ok", "good"}) scale->AddValue(name);
    top->SetScale(std::move(scale));
    for (const char* name : {"X", "Y"}) {
      auto input = std::make_unique<TUbicAttribute>(name);
      auto inputScale = std::make_unique<TUbicDiscreteScale>();
      inputScale->AddValue("lo");
      inputScale->AddValue("hi");
      input->SetScale(std::move(inputScale));
      top->AddInput(std::move(input));
    }
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(top.get());
    const int lows[] = {0, 0, 1, 2};
    const int highs[] = {0, 1, 1, 2};
    for (int r = 0; r < 4; ++r) {
      function->SetRuleLow(r, lows[r]);
      function->SetRuleHigh(r, highs[r]);
    }
    top->SetFunct(std::move(function));
    Top = top.get();
    X = top->Input(0);
    Y = top->Input(1);
    Model.Root()->AddInput(std::move(top));
    Model.AddOption("first");
  }

  std::string ResultText(TEvaluationMethod method) {
    TDistributionEvaluator evaluator(*Model.Root(), method);
    evaluator.Evaluate(0);
    std::string text;
    AppendDistributionText(text, ValueNames(Top->Scale()), evaluator.Weights(0).data(), 3);
    return text;
  }
};

TEST(Distribution, HandCheckedMethods) {
  TTwoInputs model;
  model.X->SetOptionWeighted(0, ParseWeights(model.X->Scale(), "hi=4; lo = 1", "first", "X"));
  model.Y->SetOptionText(0, "01");
  EXPECT_EQ(model.ResultText(TEvaluationMethod::Prob), "bad=0.15;ok=0.45;good=0.4");
  EXPECT_EQ(model.ResultText(TEvaluationMethod::Fuzzy), "bad=0.25;ok=1;good=1");
  // Sets see both inputs as sets, whose union is every value: undefined, as always.
  model.Model.EvaluateAll();
  EXPECT_EQ(model.Top->OptionText(0), "");

  // A zero weight leaves its value out of the set; "*" and undefined give every value.
  model.X->SetOptionWeighted(0, ParseWeights(model.X->Scale(), "lo=0;hi=0.5", "first", "X"));
  EXPECT_EQ(model.X->OptionText(0), "1");
  model.Y->SetOptionText(0, "*");
  EXPECT_EQ(model.ResultText(TEvaluationMethod::Prob), "ok=0.5;good=0.5");
  model.Y->SetOptionText(0, "");
  EXPECT_EQ(model.ResultText(TEvaluationMethod::Fuzzy), "ok=1;good=1");
  model.Model.EvaluateAll();
  EXPECT_EQ(model.Top->OptionText(0), "12");

  // Thirds round to four decimals.
  model.X->SetOptionText(0, "0");
  model.Y->SetOptionWeighted(0, ParseWeights(model.Y->Scale(), "lo=2;hi=1", "first", "Y"));
  EXPECT_EQ(model.ResultText(TEvaluationMethod::Prob), "bad=0.8333;ok=0.1667");
}

TEST(Distribution, WeightsFollowTheirValues) {
  TTwoInputs model;
  model.Model.AddOption("second");
  TUbicAttribute& x = *model.X;
  x.SetOptionWeighted(1, ParseWeights(x.Scale(), "lo=0.2;hi=0.8", "second", "X"));
  EXPECT_EQ(WeightsText(x.Scale(), {x.OptionText(1), *x.OptionWeightsOf(1)}), "lo=0.2;hi=0.8");
  EXPECT_FALSE(x.OptionWeightsOf(0));
  model.Model.InsertOption(0, "new");
  EXPECT_FALSE(x.OptionWeightsOf(1));
  EXPECT_EQ(*x.OptionWeightsOf(2), (std::vector<double>{0.2, 0.8}));
  model.Model.DeleteOption(1);
  EXPECT_EQ(*x.OptionWeightsOf(1), (std::vector<double>{0.2, 0.8}));
  // A value inserted before both moves their codes, not their weights.
  x.InsertScaleValue(0, "none");
  EXPECT_EQ(WeightsText(x.Scale(), {x.OptionText(1), *x.OptionWeightsOf(1)}), "lo=0.2;hi=0.8");
  x.DeleteScaleValue(1);
  EXPECT_EQ(WeightsText(x.Scale(), {x.OptionText(1), *x.OptionWeightsOf(1)}), "hi=0.8");
  // A plain value typed over a distribution is plain.
  x.SetOptionText(1, "12");
  EXPECT_FALSE(x.OptionWeightsOf(1));
  EXPECT_FALSE(x.HasOptionWeights());
}

TEST(Distribution, BadWeightsAreNamed) {
  TTwoInputs model;
  const auto error = [&](const std::string& text) {
    try {
      ParseWeights(model.X->Scale(), text, "first", "X");
    } catch (const EUbicError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(error("lo=0.5;mid=0.5"),
            "Option \"first\", attribute \"X\": unknown value \"mid\" in \"lo=0.5;mid=0.5\"");
  EXPECT_EQ(error("lo=-1;hi=2"),
            "Option \"first\", attribute \"X\": the weight \"-1\" is not a "
            "non-negative number in \"lo=-1;hi=2\"");
  EXPECT_NE(error("lo=much").find("the weight \"much\" is not"), std::string::npos);
  EXPECT_NE(error("lo=1e999").find("is not a non-negative number"), std::string::npos);
  EXPECT_NE(error("lo=0;hi=0").find("all weights are zero"), std::string::npos);
  EXPECT_NE(error("lo=1;hi=1;lo=2").find("the value \"lo\" is named twice"), std::string::npos);
  EXPECT_NE(error("lo=1;hi").find("the value \"hi\" has no weight"), std::string::npos);
  EXPECT_EQ(model.X->OptionText(0), "");
}

// Each aggregate's distribution as the definitions say it: every combination of its inputs'
// values, zero weights included, finds its rules by their input values.
std::vector<double> BruteForce(const TUbicAttribute& attribute, int k, TEvaluationMethod method) {
  const bool prob = method == TEvaluationMethod::Prob;
  const int count = attribute.Scale() ? attribute.Scale()->Count() : 0;
  std::vector<double> out(count, 0.0);
  const auto normalised = [&](std::vector<double> weights) {
    double total = 0;
    for (const double w : weights) total = prob ? total + w : std::max(total, w);
    for (double& w : weights) w /= total;
    return weights;
  };
  if (attribute.IsBasic()) {
    const std::string text = attribute.OptionText(k);
    const auto weights = attribute.OptionWeightsOf(k);
    if (text.empty() || text == "*") return normalised(std::vector<double>(count, 1.0));
    for (std::size_t c = 0; c < text.size(); ++c) {
      out[ValueIndexOf(text[c])] = weights ? (*weights)[c] : 1.0;
    }
    return normalised(out);
  }
  const TUbicFunction* function = attribute.Funct();
  if (function == nullptr) return normalised(std::vector<double>(count, 1.0));
  std::vector<std::vector<double>> inputs;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    inputs.push_back(BruteForce(*attribute.Input(i), k, method));
  }
  std::map<std::vector<int>, std::pair<int, int>> rules;
  for (int r = 0; r < function->RuleCount(); ++r) {
    std::vector<int> values;
    for (int i = 0; i < attribute.InputCount(); ++i) values.push_back(function->RuleInput(i, r));
    rules[values] = {function->RuleLow(r), function->RuleHigh(r)};
  }
  std::vector<int> values(inputs.size(), 0);
  while (true) {
    double weight = 1;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      weight = prob ? weight * inputs[i][values[i]] : std::min(weight, inputs[i][values[i]]);
    }
    const auto [low, high] = rules.at(values);
    for (int v = low; v <= high; ++v) {
      out[v] = prob ? out[v] + weight / (high - low + 1) : std::max(out[v], weight);
    }
    std::size_t i = inputs.size();
    while (i > 0 && ++values[i - 1] == static_cast<int>(inputs[i - 1].size())) values[--i] = 0;
    if (i == 0) break;
  }
  return out;
}

TEST(Distribution, ProductMatchesBruteForce) {
  int compared = 0;
  for (unsigned seed = 0; seed < 60; ++seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    test::TRandomModelShape shape;
    shape.Depth = 2 + pick(4);
    shape.Inputs = 2 + pick(3);
    shape.ValueNames = {"a", "b", "c", "d", "e"};
    shape.ValueNames.resize(static_cast<std::size_t>(2 + pick(4)));
    test::TRandomModel random_model(seed, shape);
    TUbicModel& model = random_model.Model;
    for (int k = 0; k < 3; ++k) model.AddOption("option " + std::to_string(k));
    for (TUbicAttribute* basic : random_model.Basics) {
      const int count = basic->Scale()->Count();
      for (int k = 0; k < 3; ++k) {
        const int kind = pick(5);
        if (kind == 0) basic->SetOptionText(k, "*");
        if (kind == 1) basic->SetOptionText(k, std::string(1, ValueCode(pick(count))) + "");
        if (kind >= 3) {
          TWeightedValue value;
          for (int v = 0; v < count; ++v) {
            if (pick(3) == 0 && !(v == count - 1 && value.Codes.empty())) continue;
            value.Codes += ValueCode(v);
            value.Weights.push_back(0.01 + pick(1000) / 100.0);
          }
          basic->SetOptionWeighted(k, value);
        }
      }
    }
    for (const TEvaluationMethod method : {TEvaluationMethod::Prob, TEvaluationMethod::Fuzzy}) {
      TDistributionEvaluator evaluator(*model.Root(), method);
      for (int k = 0; k < 3; ++k) {
        evaluator.Evaluate(k);
        for (std::size_t a = 0; a < evaluator.Attributes().size(); ++a) {
          const std::vector<double> expected = BruteForce(*evaluator.Attributes()[a], k, method);
          const auto actual = evaluator.Weights(a);
          ASSERT_EQ(actual.size(), expected.size());
          for (std::size_t v = 0; v < expected.size(); ++v) {
            ASSERT_NEAR(actual[v], expected[v], 1e-9)
                << "seed " << seed << " method " << EvaluationMethodName(method) << " option " << k
                << " attribute " << evaluator.Attributes()[a]->GetName();
          }
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace ubic
