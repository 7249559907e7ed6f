#include "attribute.h"

#include <stdexcept>
#include <unordered_set>

#include "foundation/checkedint.h"
#include "foundation/utils.h"
#include "ubicstr.h"
#include "valuecode.h"

namespace ubic {
namespace {

bool HasScaleOfTwoOrMore(const TUbicAttribute& attribute) {
  return attribute.Scale() != nullptr && attribute.Scale()->Count() >= 2;
}

}  // namespace

TUbicAttribute* TUbicAttributeList::Items(int index) const {
  return CheckedCast<TUbicAttribute>(Get(index));
}

void TUbicAttributeList::PutItem(int index, TUbicAttribute* attribute) {
  Put(index, attribute);
}

TUbicAttribute::TUbicAttribute(const std::string& name, const std::string& description) {
  SetName(name);
  SetDescription(description);
}

TUbicAttribute::~TUbicAttribute() {
  FInputs.reset();
  FFunct.reset();
  FScale.reset();
  FOptionValues.Clear();
  FOptionWeights.Clear();
  Unregister();
}

TUbicAttribute* TUbicAttribute::Input(int index) {
  if (!FInputs) ListIndexError(index);
  return FInputs->Items(index);
}

const TUbicAttribute* TUbicAttribute::Input(int index) const {
  if (!FInputs) ListIndexError(index);
  return FInputs->Items(index);
}

void TUbicAttribute::AddInput(std::unique_ptr<TUbicAttribute> input) {
  if (!input) return;
  if (!FInputs) FInputs = std::make_unique<TUbicAttributeList>();
  TUbicAttribute* added = input.get();
  FInputs->AddOwned(std::move(input));
  added->FParent = this;
}

TUbicDiscreteScale* TUbicAttribute::DiscreteScale() {
  return dynamic_cast<TUbicDiscreteScale*>(FScale.get());
}

const TUbicDiscreteScale* TUbicAttribute::DiscreteScale() const {
  return dynamic_cast<const TUbicDiscreteScale*>(FScale.get());
}

void TUbicAttribute::SetScale(std::unique_ptr<TUbicScale> scale) {
  FScale = std::move(scale);
}

void TUbicAttribute::SetFunct(std::unique_ptr<TUbicFunction> function) {
  FFunct = std::move(function);
}

bool TUbicAttribute::CanHaveFunction() const {
  if (!HasScaleOfTwoOrMore(*this) || IsBasic()) return false;
  for (int i = 0; i < InputCount(); ++i) {
    if (!HasScaleOfTwoOrMore(*Input(i))) return false;
  }
  return true;
}

int TUbicAttribute::RuleCount() const {
  if (!CanHaveFunction()) return -1;
  int count = 1;
  for (int i = 0; i < InputCount(); ++i) count = CheckedMultiply(count, Input(i)->Scale()->Count());
  return count;
}

void TUbicAttribute::ForEachOwned(const std::function<void(const TUbicObject*)>& visit) const {
  for (int i = 0; i < InputCount(); ++i) visit(Input(i));
  if (FScale) visit(FScale.get());
  if (FFunct) visit(FFunct.get());
}

}  // namespace ubic

namespace ubic {

int TUbicAttribute::Level() const {
  int level = 0;
  for (const TUbicAttribute* a = FParent; a != nullptr; a = a->FParent) ++level;
  return level;
}

bool TUbicAttribute::HasAncestor(const TUbicAttribute* attribute) const {
  for (const TUbicAttribute* a = FParent; a != nullptr; a = a->FParent) {
    if (a == attribute) return true;
  }
  return false;
}

int TUbicAttribute::IndexOfInput(const TUbicAttribute* attribute) const {
  return FInputs ? FInputs->IndexOf(attribute) : -1;
}

void TUbicAttribute::ReleaseEmptyInputs() {
  if (FInputs && FInputs->Count() == 0) FInputs.reset();
}

void TUbicAttribute::DeleteInput(TUbicAttribute* input) {
  if (!FInputs) return;
  FInputs->Remove(input);
  ReleaseEmptyInputs();
}

std::unique_ptr<TUbicAttribute> TUbicAttribute::ExtractInput(TUbicAttribute* input) {
  if (!FInputs) return nullptr;
  std::unique_ptr<TUbicAttribute> extracted(
      static_cast<TUbicAttribute*>(FInputs->ExtractAndDeleteObject(input)));
  ReleaseEmptyInputs();
  return extracted;
}

void TUbicAttribute::ExchangeInputs(int index1, int index2) {
  if (!FInputs) ListIndexError(index1);
  FInputs->Exchange(index1, index2);
  // The rules follow, or every rule would be read with its values under the wrong inputs.
  if (FFunct && FFunct->RuleCount() > 0) FFunct->ExchangeInputs(index1, index2);
}

void TUbicAttribute::MoveInputUp(int index) {
  ExchangeInputs(index - 1, index);
}

void TUbicAttribute::MoveInputDown(int index) {
  ExchangeInputs(index, index + 1);
}

void TUbicAttribute::DeleteSubtree() {
  FFunct.reset();
  FInputs.reset();
}

void TUbicAttribute::AttachInput(std::unique_ptr<TUbicAttribute> input) {
  if (!input) return;
  FFunct.reset();
  if (IsBasic()) ClearOptionValues();
  AddInput(std::move(input));
}

std::unique_ptr<TUbicAttribute> TUbicAttribute::DetachInput(TUbicAttribute* input) {
  FFunct.reset();
  return ExtractInput(input);
}

void TUbicAttribute::DeleteScale() {
  FScale.reset();
  FFunct.reset();
  ClearOptionValues();
  if (FParent != nullptr) {
    FParent->FFunct.reset();
    FParent->ClearOptionValues();
  }
}

namespace {

// Attribute is TUbicAttribute or const TUbicAttribute: the list holds what the caller may do.
template <typename Attribute>
void CollectPreOrder(Attribute& top, std::vector<Attribute*>& list,
                     const TUbicAttribute::TFilter& filter) {
  list.clear();
  std::unordered_set<const TUbicAttribute*> collected;
  // Pre-order with an explicit stack, so that a deep tree cannot exhaust the call stack.
  std::vector<Attribute*> pending;
  for (int i = top.InputCount() - 1; i >= 0; --i) pending.push_back(top.Input(i));
  while (!pending.empty()) {
    Attribute* attribute = pending.back();
    pending.pop_back();
    if (collected.count(attribute) != 0) continue;
    if (!filter || filter(*attribute)) {
      list.push_back(attribute);
      collected.insert(attribute);
    }
    for (int i = attribute->InputCount() - 1; i >= 0; --i) pending.push_back(attribute->Input(i));
  }
}

bool IsBasicAttribute(const TUbicAttribute& attribute) {
  return attribute.IsBasic();
}

}  // namespace

void TUbicAttribute::CollectAttributes(std::vector<TUbicAttribute*>& list, const TFilter& filter) {
  CollectPreOrder(*this, list, filter);
}

void TUbicAttribute::CollectAttributes(std::vector<const TUbicAttribute*>& list,
                                       const TFilter& filter) const {
  CollectPreOrder(*this, list, filter);
}

void TUbicAttribute::CollectBasicAttributes(std::vector<TUbicAttribute*>& list) {
  CollectAttributes(list, IsBasicAttribute);
}

void TUbicAttribute::CollectBasicAttributes(std::vector<const TUbicAttribute*>& list) const {
  CollectAttributes(list, IsBasicAttribute);
}

bool TUbicAttribute::AffectsFunction() const {
  return FFunct != nullptr || (FParent != nullptr && FParent->FFunct != nullptr);
}

bool TUbicAttribute::InputsAscending() const {
  if (!CanHaveFunction()) return false;
  for (int i = 0; i < InputCount(); ++i) {
    if (Input(i)->Scale()->Order() != TScaleOrder::Ascending) return false;
  }
  return true;
}

void TUbicAttribute::InsertScaleValue(int k, const std::string& name,
                                      const std::string& description) {
  TUbicDiscreteScale* scale = DiscreteScale();
  if (scale == nullptr) throw std::logic_error("InsertScaleValue: the attribute has no scale");
  scale->InsertValue(k, name, description);
  ShiftValuesUp(k);
  if (FFunct) FFunct->InsertOutputValue(k);
  if (FParent != nullptr && FParent->FFunct) {
    FParent->FFunct->InsertInputValue(FParent->IndexOfInput(this), k);
  }
}

void TUbicAttribute::DeleteScaleValue(int k) {
  TUbicDiscreteScale* scale = DiscreteScale();
  if (scale == nullptr) throw std::logic_error("DeleteScaleValue: the attribute has no scale");
  scale->DeleteValue(k);
  RemoveValue(k);
  if (FFunct) FFunct->DeleteOutputValue(k);
  if (FParent != nullptr && FParent->FFunct) {
    FParent->FFunct->DeleteInputValue(FParent->IndexOfInput(this), k);
  }
}

std::string TUbicAttribute::OptionText(int k) const {
  return k >= 0 && k < FOptionValues.Count() ? FOptionValues[k] : std::string();
}

void TUbicAttribute::SetOptionText(int k, const std::string& text) {
  if (k < 0) ListIndexError(k);
  if (k < FOptionWeights.Count()) FOptionWeights.Put(k, std::string());
  if (k < FOptionValues.Count()) {
    FOptionValues.Put(k, text);
  } else if (!text.empty()) {
    FOptionValues.BeginUpdate();
    while (FOptionValues.Count() < k) FOptionValues.Add(std::string());
    FOptionValues.Add(text);
    FOptionValues.EndUpdate();
  }
}

void TUbicAttribute::TakeOptionTexts(int first, TStrList& texts) {
  if (first >= FOptionValues.Count()) {
    FOptionValues.Grow(first);
    FOptionValues.MoveItemsFrom(texts);
    return;
  }
  for (int i = 0; i < texts.Count(); ++i) SetOptionText(CheckedAdd(first, i), texts[i]);
  texts.Clear();
}

void TUbicAttribute::TakeOptionWeights(int first, TStrList& fields) {
  if (first >= FOptionWeights.Count()) {
    FOptionWeights.Grow(first);
    FOptionWeights.MoveItemsFrom(fields);
    return;
  }
  for (int i = 0; i < fields.Count(); ++i) {
    const int k = CheckedAdd(first, i);
    if (k < FOptionWeights.Count()) {
      FOptionWeights.Put(k, fields[i]);
    } else if (!fields[i].empty()) {
      FOptionWeights.Grow(k);
      FOptionWeights.Add(fields[i]);
    }
  }
  fields.Clear();
}

std::optional<std::vector<double>> TUbicAttribute::OptionWeightsOf(int k) const {
  if (k < 0 || k >= FOptionWeights.Count() || FOptionWeights[k].empty()) return {};
  const std::string text = OptionText(k);
  if (text == "*") return {};
  return ParseWeightsField(FOptionWeights[k], text.size());
}

bool TUbicAttribute::HasOptionWeights() const {
  for (int k = 0; k < FOptionWeights.Count(); ++k) {
    if (OptionWeightsOf(k)) return true;
  }
  return false;
}

void TUbicAttribute::SetOptionWeighted(int k, const TWeightedValue& value) {
  SetOptionText(k, value.Codes);
  FOptionWeights.Grow(CheckedAdd(k, 1));
  FOptionWeights.Put(k, WeightsField(value.Weights));
}

void TUbicAttribute::ClearOptionValues() {
  FOptionValues.Clear();
  FOptionWeights.Clear();
}

int TUbicAttribute::OptionValue(int k) const {
  const std::string text = OptionText(k);
  if (text.empty() || !FScale) return -1;
  const int index = ValueIndexOf(text[0]);
  return index >= 0 && index < FScale->Count() ? index : -1;
}

void TUbicAttribute::SetOptionValue(int k, int index) {
  const bool valid = FScale && index >= 0 && index < FScale->Count();
  SetOptionText(k, valid ? std::string(1, ValueCode(index)) : std::string());
}

void TUbicAttribute::InsertOption(int k) {
  if (k >= 0 && k <= FOptionValues.Count()) FOptionValues.Insert(k, std::string());
  if (k >= 0 && k < FOptionWeights.Count()) FOptionWeights.Insert(k, std::string());
}

void TUbicAttribute::DeleteOption(int k) {
  if (k >= 0 && k < FOptionValues.Count()) FOptionValues.Delete(k);
  if (k >= 0 && k < FOptionWeights.Count()) FOptionWeights.Delete(k);
}

void TUbicAttribute::ShiftValuesUp(int k) {
  for (int i = 0; i < FOptionValues.Count(); ++i) {
    std::string text = FOptionValues[i];
    for (char& c : text) {
      const int index = ValueIndexOf(c);
      // A code already at the top cannot be a value of the scale; it stays as it is.
      if (index >= k && index + 1 < kMaxScaleValues) c = ValueCode(index + 1);
    }
    FOptionValues.Put(i, text);
  }
}

void TUbicAttribute::RemoveValue(int k) {
  for (int i = 0; i < FOptionValues.Count(); ++i) {
    std::optional<std::vector<double>> weights = OptionWeightsOf(i);
    std::vector<double> kept;
    std::string text;
    const std::string& codes = FOptionValues[i];
    for (std::size_t c = 0; c < codes.size(); ++c) {
      const int index = ValueIndexOf(codes[c]);
      if (index == k) continue;
      text += index > k ? ValueCode(index - 1) : codes[c];
      if (weights) kept.push_back((*weights)[c]);
    }
    FOptionValues.Put(i, text);
    // The weights of the values left stay theirs; without a value left there is nothing to weigh.
    if (weights) FOptionWeights.Put(i, text.empty() ? std::string() : WeightsField(kept));
  }
}

void TUbicAttribute::EvaluateAggregate(int k, std::vector<std::string_view>& inputTexts) {
  if (!FScale || !FFunct) {
    SetOptionText(k, std::string());
    return;
  }
  inputTexts.clear();
  for (int i = 0; i < InputCount(); ++i) {
    const TStrList& values = Input(i)->FOptionValues;
    inputTexts.push_back(k < values.Count() ? std::string_view(values[k]) : std::string_view());
  }
  SetOptionText(k, EvaluateInputs(inputTexts));
}

std::string TUbicAttribute::EvaluateInputs(std::span<const std::string_view> inputTexts) const {
  if (!FScale || !FFunct) return {};
  return FFunct->Evaluate(inputTexts);
}

void TUbicAttribute::EvaluateOption(int k) {
  if (IsBasic()) return;
  std::vector<std::string_view> inputTexts;
  EvaluateAggregate(k, inputTexts);
}

void TUbicAttribute::EvaluateAll(int n) {
  for (int i = 0; i < InputCount(); ++i) Input(i)->EvaluateAll(n);
  FOptionValues.Grow(n);
  if (IsBasic()) return;
  if (!FScale || !FFunct) {
    FOptionValues.UpdateRange(0, n, [](int, std::string& text) { text.clear(); });
    return;
  }
  std::vector<const TStrList*> inputs;
  for (int i = 0; i < InputCount(); ++i) inputs.push_back(&Input(i)->FOptionValues);
  FFunct->EvaluateOptions(inputs, n, FOptionValues);
}

int TUbicAttribute::ValueIndex(const TUbicAttribute* attribute, const std::string& name) {
  const TUbicDiscreteScale* scale = attribute != nullptr ? attribute->DiscreteScale() : nullptr;
  if (scale == nullptr) throw EUbicError(Format(ubicstr::UnknownAttributeValue, "NULL", name));
  for (int i = 0; i < scale->Count(); ++i) {
    if (scale->ValueName(i) == name) return i;
  }
  throw EUbicError(Format(ubicstr::UnknownAttributeValue, attribute->GetName(), name));
}

}  // namespace ubic
