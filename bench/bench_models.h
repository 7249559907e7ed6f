#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/model.h"

namespace ubic::bench {

// An attribute with an ascending scale of Count values named v0, v1, ...
inline std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name, int count) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (int v = 0; v < count; ++v) scale->AddValue("v" + std::to_string(v));
  attribute->SetScale(std::move(scale));
  return attribute;
}

// Gives Attribute a function whose every rule is entered with the value Rule(r).
template <class Rule>
TUbicFunction* FillFunction(TUbicAttribute& attribute, Rule rule) {
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  for (int r = 0; r < function->RuleCount(); ++r) {
    function->SetRuleValue(r, rule(*function, r));
    function->SetRuleEntered(r, true);
  }
  TUbicFunction* result = function.get();
  attribute.SetFunct(std::move(function));
  return result;
}

// Groups of four basic attributes under aggregates with a full rule table, below one top.
inline void BuildReportModel(TUbicModel& model, int attributes) {
  auto top = MakeAttribute("Top", 3);
  int count = 1;
  for (int g = 0; count + 5 <= attributes; ++g, count += 5) {
    auto group = MakeAttribute("Group " + std::to_string(g), 3);
    for (int b = 0; b < 4; ++b) group->AddInput(MakeAttribute("Basic " + std::to_string(b), 3));
    FillFunction(*group, [](const TUbicFunction& f, int r) {
      return (f.RuleInput(0, r) + f.RuleInput(1, r) + f.RuleInput(2, r) + f.RuleInput(3, r)) / 4;
    });
    top->AddInput(std::move(group));
  }
  model.Root()->AddInput(std::move(top));
  std::vector<TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);
  for (int k = 0; k < 50; ++k) {
    model.AddOption("Option " + std::to_string(k));
    for (std::size_t b = 0; b < basic.size(); ++b) basic[b]->SetOptionValue(k, (k + b) % 3);
  }
  model.EvaluateAll();
}

// A model of one top attribute over Groups aggregates of Basics basic attributes each; every basic
// attribute has a value for every one of Options options.
inline std::unique_ptr<TUbicModel> GroupedModel(int groups, int basics, int options) {
  auto model = std::make_unique<TUbicModel>();
  auto top = MakeAttribute("Top", 4);
  for (int g = 0; g < groups; ++g) {
    auto group = MakeAttribute("Group " + std::to_string(g), 3);
    for (int b = 0; b < basics; ++b) {
      auto basic = MakeAttribute("Basic " + std::to_string(b), 3);
      for (int k = 0; k < options; ++k) basic->SetOptionValue(k, (k + b) % 3);
      group->AddInput(std::move(basic));
    }
    top->AddInput(std::move(group));
  }
  model->Root()->AddInput(std::move(top));
  for (int k = 0; k < options; ++k) model->AddOption("Option " + std::to_string(k));
  return model;
}

}  // namespace ubic::bench
