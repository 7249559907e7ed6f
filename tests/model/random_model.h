#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/valuecode.h"

namespace ubic::test {

// What random models look like.
struct TRandomModelShape {
  // Up to this many top-level attributes, levels below the root and inputs of an aggregate.
  int TopLevel = 1;
  int Depth = 3;
  int Inputs = 3;
  // A scale has 2 to all of these values, named so.
  std::vector<std::string> ValueNames{"lo", "mid", "hi"};
  // One aggregate in this many has no function.
  int WithoutFunction = 6;
  // Besides: scales of every order with bad and good values, attributes without a scale or with
  // a single value, descriptions, rules partly entered, and options with values and a selection.
  bool Varied = false;
};

// Random models for tests that look at many of them: a tree of attributes named X0, X1, ... in
// pre-order, with scales and functions on the attributes that can have them.
class TRandomModel {
 public:
  TRandomModel(unsigned seed, TRandomModelShape shape) : FRandom(seed), FShape(std::move(shape)) {
    for (int i = 1 + Pick(FShape.TopLevel); i > 0; --i) Model.Root()->AddInput(Subtree(1));
    std::vector<TUbicAttribute*> all;
    Model.Root()->CollectAttributes(all);
    for (TUbicAttribute* attribute : all) {
      if (attribute->IsBasic()) {
        Basics.push_back(attribute);
      } else if (attribute->CanHaveFunction() && Pick(FShape.WithoutFunction) != 0) {
        AddRandomFunction(*attribute);
      }
    }
    if (FShape.Varied) AddOptions();
    Model.EvaluateAll();
  }

  TUbicModel Model;
  std::vector<TUbicAttribute*> Basics;

 protected:
  int Pick(int n) { return n > 0 ? static_cast<int>(FRandom() % static_cast<unsigned>(n)) : 0; }

 private:
  std::unique_ptr<TUbicAttribute> Subtree(int level) {
    auto attribute = std::make_unique<TUbicAttribute>("X" + std::to_string(FAttributes++));
    if (FShape.Varied && Pick(3) == 0) attribute->SetDescription("about " + attribute->GetName());
    if (!FShape.Varied || Pick(8) != 0) attribute->SetScale(RandomScale());
    // Top-level attributes are aggregates, so that every model has a function to evaluate.
    if (level < FShape.Depth && (level == 1 || Pick(2) == 0)) {
      for (int i = 1 + Pick(FShape.Inputs); i > 0; --i) attribute->AddInput(Subtree(level + 1));
    }
    return attribute;
  }

  std::unique_ptr<TUbicDiscreteScale> RandomScale() {
    const int names = static_cast<int>(FShape.ValueNames.size());
    const int count = FShape.Varied && Pick(10) == 0 ? 1 : 2 + Pick(names - 1);
    auto scale = std::make_unique<TUbicDiscreteScale>();
    for (int v = 0; v < count; ++v) scale->AddValue(FShape.ValueNames[v]);
    if (FShape.Varied) {
      scale->SetOrder(static_cast<TScaleOrder>(Pick(3)));
      scale->ClearThresholds();
      if (scale->IsOrdered() && Pick(2) == 0) scale->ResetThresholds();
    }
    return scale;
  }

  void AddRandomFunction(TUbicAttribute& attribute) {
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(&attribute);
    const int count = attribute.Scale()->Count();
    for (int r = 0; r < function->RuleCount(); ++r) {
      if (FShape.Varied && Pick(2) == 0) continue;
      const int low = Pick(count);
      function->SetRuleLow(r, low);
      function->SetRuleHigh(r, low + Pick(count - low));
      function->SetRuleEntered(r, true);
    }
    if (FShape.Varied) function->Recompute();
    attribute.SetFunct(std::move(function));
  }

  void AddOptions() {
    for (int k = Pick(5); k > 0; --k) Model.AddOption("option " + std::to_string(k));
    for (TUbicAttribute* basic : Basics) {
      const int count = basic->Scale() ? basic->Scale()->Count() : 0;
      for (int k = 0; k < Model.OptionCount(); ++k) {
        const int choice = Pick(count + 2);
        if (choice == count) basic->SetOptionText(k, "*");
        if (choice < count) basic->SetOptionValue(k, choice);
        if (choice + 1 < count && Pick(4) == 0) {
          basic->SetOptionText(k, {ValueCode(choice), ValueCode(choice + 1)});
        }
      }
    }
    for (int k = 0; k < Model.OptionCount(); ++k) Model.SetOptionSelected(k, Pick(3) != 0);
  }

  std::mt19937 FRandom;
  TRandomModelShape FShape;
  int FAttributes = 0;
};

}  // namespace ubic::test
