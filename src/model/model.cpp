#include "model.h"

#include <algorithm>
#include <utility>

#include "foundation/utils.h"
#include "ubicstr.h"

namespace ubic {

std::string TModelStatistics::Text() const {
  return Format(ubicstr::ModelStatistics, Attributes, Basic, Complex, Scales, Functions, Options);
}

TUbicModel::TUbicModel() {
  ResetTree();
}

TUbicModel::~TUbicModel() {
  FRoot.reset();
  FOptions.Clear();
  Unregister();
}

void TUbicModel::ForEachOwned(const std::function<void(const TUbicObject*)>& visit) const {
  if (FRoot) visit(FRoot.get());
}

void TUbicModel::ResetTree() {
  FRoot.reset();
  FRoot = std::make_unique<TUbicAttribute>(Translated(ubicstr::RootName));
}

TUbicAttribute* TUbicModel::FirstAttribute() {
  return FRoot->InputCount() > 0 ? FRoot->Input(0) : nullptr;
}

const TUbicAttribute* TUbicModel::FirstAttribute() const {
  return FRoot->InputCount() > 0 ? FRoot->Input(0) : nullptr;
}

std::string TUbicModel::DisplayName() const {
  const TUbicAttribute* first = FirstAttribute();
  return first != nullptr ? first->GetName() : std::string();
}

TUbicScale* TUbicModel::LastScale() {
  if (!std::as_const(*this).LastScale()) FLastScale = nullptr;
  return FLastScale;
}

const TUbicScale* TUbicModel::LastScale() const {
  return FLastScale != nullptr && GlobalObjects().Contains(FLastScale) ? FLastScale : nullptr;
}

std::unique_ptr<TUbicAttribute> TUbicModel::NewAttribute() {
  auto attribute = std::make_unique<TUbicAttribute>(Translated(ubicstr::NewAttributeName));
  if (const TUbicScale* last = LastScale()) {
    auto scale = std::make_unique<TUbicDiscreteScale>();
    scale->Assign(*last);
    attribute->SetScale(std::move(scale));
  }
  return attribute;
}

std::vector<TUbicAttribute*> TUbicModel::AllAttributes() {
  std::vector<TUbicAttribute*> attributes;
  FRoot->CollectAttributes(attributes);
  return attributes;
}

std::vector<const TUbicAttribute*> TUbicModel::AllAttributes() const {
  std::vector<const TUbicAttribute*> attributes;
  std::as_const(*FRoot).CollectAttributes(attributes);
  return attributes;
}

TUbicAttribute* TUbicModel::FindAttribute(const std::string& name) {
  return const_cast<TUbicAttribute*>(std::as_const(*this).FindAttribute(name));
}

const TUbicAttribute* TUbicModel::FindAttribute(const std::string& name) const {
  for (const TUbicAttribute* attribute : AllAttributes()) {
    if (attribute->GetName() == name) return attribute;
  }
  return nullptr;
}

int TUbicModel::AddOption(const std::string& name) {
  return FOptions.Add(name);
}

void TUbicModel::InsertOption(int k, const std::string& name) {
  FOptions.Insert(k, name);
  for (TUbicAttribute* attribute : AllAttributes()) attribute->InsertOption(k);
  if (static_cast<int>(FOptionSelection.size()) >= k + 1) FOptionSelection.insert(k, 1, '1');
}

void TUbicModel::DeleteOption(int k) {
  FOptions.Delete(k);
  for (TUbicAttribute* attribute : AllAttributes()) attribute->DeleteOption(k);
  if (static_cast<int>(FOptionSelection.size()) >= k + 1) FOptionSelection.erase(k, 1);
}

void TUbicModel::ClearOptions() {
  FOptions.Clear();
  for (TUbicAttribute* attribute : AllAttributes()) attribute->ClearOptionValues();
  FOptionSelection.clear();
}

bool TUbicModel::OptionSelected(int k) const {
  return k < 0 || k >= static_cast<int>(FOptionSelection.size()) || FOptionSelection[k] != '0';
}

void TUbicModel::SetOptionSelected(int k, bool selected) {
  if (k < 0) ListIndexError(k);
  if (static_cast<int>(FOptionSelection.size()) < k + 1) FOptionSelection.resize(k + 1, '1');
  FOptionSelection[k] = selected ? '1' : '0';
}

void TUbicModel::EvaluateAll() {
  FRoot->EvaluateAll(OptionCount());
  FNeedsEvaluation = false;
}

TModelStatistics TUbicModel::Statistics() const {
  TModelStatistics statistics;
  statistics.Options = OptionCount();
  // Counted straight down the tree, without the bookkeeping of a list in order: the status bar
  // asks after every change, and an attribute has one parent, so none is met twice.
  std::vector<const TUbicAttribute*> pending;
  const auto addInputs = [&pending](const TUbicAttribute& attribute) {
    for (int i = 0; i < attribute.InputCount(); ++i) pending.push_back(attribute.Input(i));
  };
  addInputs(*FRoot);
  while (!pending.empty()) {
    const TUbicAttribute* attribute = pending.back();
    pending.pop_back();
    addInputs(*attribute);
    ++statistics.Attributes;
    ++(attribute->IsBasic() ? statistics.Basic : statistics.Complex);
    if (attribute->Scale() != nullptr) ++statistics.Scales;
    if (attribute->Funct() != nullptr) ++statistics.Functions;
  }
  return statistics;
}

std::vector<TScaleChoice> TUbicModel::ScaleChoices(const TUbicAttribute* startAttribute,
                                                   const TUbicScale* filterScale) const {
  std::vector<TScaleChoice> choices{{Translated(ubicstr::UndefinedScale), nullptr}};
  auto visit = [&](const TUbicAttribute* attribute) {
    const TUbicScale* scale = attribute->Scale();
    if (scale == nullptr || (filterScale != nullptr && !filterScale->SameKind(*scale))) return;
    // A scale that no attribute may take (read from a file) is offered only where it is.
    const TUbicDiscreteScale* discrete = attribute->DiscreteScale();
    if (attribute != startAttribute && discrete != nullptr &&
        !discrete->AcceptanceProblem().empty()) {
      return;
    }
    std::string text = scale->ScaleText();
    for (const TScaleChoice& choice : choices) {
      if (choice.Text == text) return;
    }
    choices.push_back({std::move(text), scale});
  };
  if (startAttribute != nullptr) {
    visit(startAttribute);
    std::vector<const TUbicAttribute*> subtree;
    startAttribute->CollectAttributes(subtree);
    for (const TUbicAttribute* attribute : subtree) visit(attribute);
  }
  for (const TUbicAttribute* attribute : AllAttributes()) visit(attribute);
  return choices;
}

std::vector<TScaleChoice> TUbicModel::DistinctScales() const {
  std::vector<TScaleChoice> scales;
  for (const TUbicAttribute* attribute : AllAttributes()) {
    const TUbicScale* scale = attribute->Scale();
    if (scale == nullptr) continue;
    auto equal = [scale](const TScaleChoice& known) { return known.Scale->IsEqual(*scale); };
    if (std::none_of(scales.begin(), scales.end(), equal)) {
      scales.push_back({attribute->GetName(), scale});
    }
  }
  return scales;
}

}  // namespace ubic
