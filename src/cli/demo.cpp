// Builds a small decision model in code, evaluates its options and prints the model: a stand-in
// for the command-line tool until the model files can be read.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "foundation/cp1250.h"
#include "foundation/utils.h"
#include "model/model.h"

using namespace ubic;

namespace {

std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name,
                                              const std::vector<std::string>& values,
                                              TScaleOrder order = TScaleOrder::Ascending) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  auto scale = std::make_unique<TUbicDiscreteScale>();
  scale->SetOrder(order);
  for (const std::string& value : values) scale->AddValue(value);
  attribute->SetScale(std::move(scale));
  return attribute;
}

void Print(const std::string& text) { std::printf("%s\n", Cp1250ToUtf8(text).c_str()); }

std::string ValueNames(const TUbicAttribute& attribute, const std::string& valueSet) {
  const TUbicDiscreteScale* scale = attribute.DiscreteScale();
  if (valueSet.empty()) return "undefined";
  std::string names;
  for (const char code : valueSet) {
    const int index = code - '0';
    if (!names.empty()) names += "/";
    names += index >= 0 && index < scale->Count() ? scale->ValueName(index) : "?";
  }
  return names;
}

void PrintRules(const TUbicAttribute& attribute) {
  const TUbicFunction& f = *attribute.Funct();
  Print("Rules of " + attribute.GetName() + ": " + f.StatisticsText());
  for (int r = 0; r < f.RuleCount(); ++r) {
    std::string line = "  ";
    for (int i = 0; i < f.InputCount(); ++i) {
      line += Format("%-10s", attribute.Input(i)->DiscreteScale()->ValueName(f.RuleInput(i, r)));
    }
    std::string result;
    for (int v = f.RuleLow(r); v <= f.RuleHigh(r); ++v) result += static_cast<char>('0' + v);
    line += "-> " + ValueNames(attribute, result) + (f.RuleEntered(r) ? "" : "  (computed)");
    Print(line);
  }
}

}  // namespace

int main() {
  TUbicModel model;
  auto car = MakeAttribute("Car", {"unacceptable", "acceptable", "good", "excellent"});
  car->AddInput(MakeAttribute("Price", {"high", "medium", "low"}));
  car->AddInput(MakeAttribute("Safety", {"poor", "adequate", "high"}));
  TUbicAttribute* carPtr = car.get();
  model.Root()->AddInput(std::move(car));

  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(carPtr);
  // The user's rules; the others follow by monotonicity.
  const std::vector<std::pair<int, int>> entered = {{0, 0}, {1, 2}, {1, 4}, {2, 5}, {0, 6}, {3, 8}};
  for (const auto& [value, rule] : entered) {
    function->SetRuleValue(rule, value);
    function->SetRuleEntered(rule, true);
  }
  function->Recompute();
  carPtr->SetFunct(std::move(function));

  const std::vector<std::pair<std::string, std::pair<int, int>>> options = {
      {"Family estate", {1, 2}}, {"City hatchback", {2, 1}}, {"Sports coupe", {0, 2}}};
  for (const auto& [name, values] : options) {
    const int k = model.AddOption(name);
    carPtr->Input(0)->SetOptionValue(k, values.first);
    carPtr->Input(1)->SetOptionValue(k, values.second);
  }
  model.EvaluateAll();

  Print("Model: " + model.DisplayName());
  Print(model.Statistics().Text());
  Print("");
  for (const TUbicAttribute* attribute : {carPtr, carPtr->Input(0), carPtr->Input(1)}) {
    Print("Scale of " + attribute->GetName() + ": " + attribute->Scale()->ScaleText());
  }
  Print("");
  PrintRules(*carPtr);
  carPtr->Funct()->CalcWeights(true);
  Print("Weights: " + FloatArrayToText(carPtr->Funct()->LocalWeights()));
  Print("");
  Print("Evaluation:");
  for (int k = 0; k < model.OptionCount(); ++k) {
    Print(Format("  %-16s %s", model.Options()[k], ValueNames(*carPtr, carPtr->OptionText(k))));
  }
  return 0;
}
