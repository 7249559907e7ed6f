#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/model_builders.h"

namespace ubic::test {

// A model whose first top-level attribute "Top" (3 values: v0 bad, v2 good) has the inputs
// "A" (3 values), "B" (4 values) and "C" (3 values), and five options named "o1" to "o5".
struct TChartModel {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicAttribute* A;
  TUbicAttribute* B;
  TUbicAttribute* C;

  TChartModel() {
    auto top = MakeAttribute("Top", 3);
    A = AddInput(*top, "A", 3);
    B = AddInput(*top, "B", 4);
    C = AddInput(*top, "C", 3);
    Top = top.get();
    Model.Root()->AddInput(std::move(top));
    for (int k = 1; k <= 5; ++k) Model.AddOption("o" + std::to_string(k));
  }

  static TUbicAttribute* AddInput(TUbicAttribute& parent, const std::string& name, int values) {
    auto input = MakeAttribute(name, values);
    TUbicAttribute* result = input.get();
    parent.AddInput(std::move(input));
    return result;
  }

  // Texts of one option on Top, A, B and C.
  void Set(int option, const std::string& top, const std::string& a, const std::string& b,
           const std::string& c) {
    Top->SetOptionText(option, top);
    A->SetOptionText(option, a);
    B->SetOptionText(option, b);
    C->SetOptionText(option, c);
  }

  void ShowOnly(const std::vector<int>& options) {
    for (int k = 0; k < Model.OptionCount(); ++k) Model.SetOptionSelected(k, false);
    for (int k : options) Model.SetOptionSelected(k, true);
  }
};

}  // namespace ubic::test
