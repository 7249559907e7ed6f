#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model.h"

namespace ubic {

// The option's value on every attribute, evaluated bottom-up without touching the model.
class TScratchEvaluation {
 public:
  TScratchEvaluation(const TUbicModel& model, int option) : FOption(option) {
    for (int i = 0; i < model.Root()->InputCount(); ++i) Evaluate(*model.Root()->Input(i));
  }

  const std::string& Value(const TUbicAttribute& attribute) const { return FValues.at(&attribute); }

  // The value of the top-level ancestor of Basic (or of Basic itself) when Basic has Text.
  std::string Propagate(const TUbicAttribute& basic, std::string text) const {
    const TUbicAttribute* changed = &basic;
    while (changed->Level() > 1) {
      const TUbicAttribute& parent = *changed->Parent();
      text = Aggregate(parent, changed, text);
      if (text == Value(parent)) return Value(TopLevelOf(parent));
      changed = &parent;
    }
    return text;
  }

  static const TUbicAttribute& TopLevelOf(const TUbicAttribute& attribute) {
    const TUbicAttribute* top = &attribute;
    while (top->Level() > 1) top = top->Parent();
    return *top;
  }

  // Attribute's function on its inputs' values, Changed's taken as Text instead.
  std::string Aggregate(const TUbicAttribute& attribute, const TUbicAttribute* changed,
                        const std::string& text) const {
    if (attribute.Scale() == nullptr || attribute.Funct() == nullptr) return {};
    std::vector<std::string_view> inputs;
    for (int i = 0; i < attribute.InputCount(); ++i) {
      const TUbicAttribute* input = attribute.Input(i);
      inputs.emplace_back(input == changed ? text : Value(*input));
    }
    return attribute.Funct()->Evaluate(inputs);
  }

 private:
  void Evaluate(const TUbicAttribute& attribute) {
    for (int i = 0; i < attribute.InputCount(); ++i) Evaluate(*attribute.Input(i));
    FValues[&attribute] =
        attribute.IsBasic() ? attribute.OptionText(FOption) : Aggregate(attribute, nullptr, {});
  }

  int FOption;
  std::unordered_map<const TUbicAttribute*, std::string> FValues;
};

}  // namespace ubic
