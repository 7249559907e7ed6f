#pragma once

#include <memory>
#include <random>
#include <string>

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

}  // namespace ubic::bench
