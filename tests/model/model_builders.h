#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "model/attribute.h"
#include "model/function.h"
#include "model/model.h"
#include "model/scale.h"

namespace ubic::test {

// A scale with values named "v0", "v1", ... and the thresholds that AddValue leaves.
inline std::unique_ptr<TUbicDiscreteScale> MakeScale(int count,
                                                     TScaleOrder order = TScaleOrder::Ascending) {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  scale->SetOrder(order);
  for (int i = 0; i < count; ++i) scale->AddValue("v" + std::to_string(i));
  return scale;
}

inline std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name, int values,
                                                     TScaleOrder order = TScaleOrder::Ascending) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  attribute->SetScale(MakeScale(values, order));
  return attribute;
}

// Top = min(X, Y) on three ascending values, except that both at their best give only v1 when
// Capped; a basic top-level attribute B of two values; one option, "first": X 1, Y 2, B 0.
struct TMinModel {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicAttribute* X;
  TUbicAttribute* Y;
  TUbicAttribute* B;

  explicit TMinModel(bool capped = false) {
    auto top = MakeAttribute("Top", 3);
    top->AddInput(MakeAttribute("X", 3));
    top->AddInput(MakeAttribute("Y", 3));
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(top.get());
    for (int x = 0; x < 3; ++x) {
      for (int y = 0; y < 3; ++y) {
        const int value = capped ? std::min({x, y, 1}) : std::min(x, y);
        function->SetRuleValue(x * 3 + y, value);
        function->SetRuleEntered(x * 3 + y, true);
      }
    }
    top->SetFunct(std::move(function));
    Top = top.get();
    X = Top->Input(0);
    Y = Top->Input(1);
    Model.Root()->AddInput(std::move(top));
    Model.Root()->AddInput(MakeAttribute("B", 2));
    B = Model.Root()->Input(1);
    Model.AddOption("first");
    X->SetOptionText(0, "1");
    Y->SetOptionText(0, "2");
    B->SetOptionText(0, "0");
  }
};

}  // namespace ubic::test
