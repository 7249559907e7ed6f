#include "scale.h"

#include <algorithm>
#include <vector>

#include "foundation/textcompare.h"
#include "foundation/ubicutl.h"
#include "foundation/utils.h"
#include "ubicstr.h"
#include "valuecode.h"

namespace ubic {

TUbicScaleValue::TUbicScaleValue(const std::string& name, const std::string& description) {
  SetName(name);
  SetDescription(description);
}

TUbicScaleValue::~TUbicScaleValue() {
  Unregister();
}

double TUbicScale::BadThreshold() const {
  switch (FOrder) {
    case TScaleOrder::Ascending:
      return FLowThreshold;
    case TScaleOrder::Descending:
      return FHighThreshold;
    case TScaleOrder::None:
      break;
  }
  return LowIndex() - 1e-100;
}

double TUbicScale::GoodThreshold() const {
  switch (FOrder) {
    case TScaleOrder::Ascending:
      return FHighThreshold;
    case TScaleOrder::Descending:
      return FLowThreshold;
    case TScaleOrder::None:
      break;
  }
  return HighIndex() + 1e-100;
}

void TUbicScale::SetBadThreshold(double value) {
  if (FOrder == TScaleOrder::Descending) {
    FHighThreshold = value;
    if (FLowThreshold > FHighThreshold) FLowThreshold = value;
  } else {
    FLowThreshold = value;
    if (FLowThreshold > FHighThreshold) FHighThreshold = value;
  }
}

void TUbicScale::SetGoodThreshold(double value) {
  if (FOrder == TScaleOrder::Descending) {
    FLowThreshold = value;
    if (FLowThreshold > FHighThreshold) FHighThreshold = value;
  } else {
    FHighThreshold = value;
    if (FLowThreshold > FHighThreshold) FLowThreshold = value;
  }
}

std::string TUbicScale::ScaleText() const {
  std::string text = GetName();
  if (FOrder == TScaleOrder::Ascending) text += '+';
  if (FOrder == TScaleOrder::Descending) text += '-';
  return text;
}

bool TUbicScale::SameKind(const TUbicScale& other) const {
  return FOrder == other.FOrder && Count() == other.Count() &&
         FloatEqual(LowBound(), other.LowBound()) && FloatEqual(HighBound(), other.HighBound());
}

bool TUbicScale::IsEqual(const TUbicScale& other) const {
  return SameKind(other) && FloatEqual(FLowThreshold, other.FLowThreshold) &&
         FloatEqual(FHighThreshold, other.FHighThreshold);
}

void TUbicScale::Assign(const TUbicScale& other) {
  FOrder = other.FOrder;
  FLowThreshold = other.FLowThreshold;
  FHighThreshold = other.FHighThreshold;
}

bool TUbicScale::IsBad(double x) const {
  if (FOrder == TScaleOrder::None) return false;
  const double bad = BadThreshold();
  return FloatEqual(x, bad) || (FOrder == TScaleOrder::Ascending ? x < bad : x > bad);
}

bool TUbicScale::IsGood(double x) const {
  if (FOrder == TScaleOrder::None) return false;
  const double good = GoodThreshold();
  return FloatEqual(x, good) || (FOrder == TScaleOrder::Ascending ? x > good : x < good);
}

void TUbicScale::ChangeOrder(TScaleOrder value) {
  if (value == FOrder) return;
  FOrder = value;
  ResetThresholds();
}

void TUbicScale::SetValueClass(int index, TValueClass valueClass) {
  switch (valueClass) {
    case TValueClass::Bad:
      SetBadThreshold(index);
      break;
    case TValueClass::Good:
      SetGoodThreshold(index);
      break;
    case TValueClass::Neutral:
      // Each threshold moves half a step past the value, unless it already lies beyond it.
      if (FOrder == TScaleOrder::Ascending) {
        SetBadThreshold(std::min(BadThreshold(), index - 0.5));
        SetGoodThreshold(std::max(GoodThreshold(), index + 0.5));
      } else {
        SetBadThreshold(std::max(BadThreshold(), index + 0.5));
        SetGoodThreshold(std::min(GoodThreshold(), index - 0.5));
      }
      break;
  }
}

void TUbicScale::ResetThresholds() {
  if (IsOrdered() && Count() > 1) {
    FLowThreshold = LowIndex() + 0.5;
    FHighThreshold = HighIndex() - 0.5;
  } else {
    ClearThresholds();
  }
}

void TUbicScale::ClearThresholds() {
  FLowThreshold = kNoLowThreshold;
  FHighThreshold = kNoHighThreshold;
}

void TUbicScale::AdjustAfterInsert(int k) {
  if (!IsOrdered() || Count() <= 2) {
    ResetThresholds();
    return;
  }
  if (k <= FLowThreshold) FLowThreshold += 1;
  if (k >= HighIndex() || k <= FHighThreshold) FHighThreshold += 1;
}

void TUbicScale::AdjustAfterDelete(int k) {
  if (!IsOrdered() || Count() < 2) {
    ResetThresholds();
    return;
  }
  if (k < FLowThreshold) FLowThreshold -= 1;
  if (k > HighIndex() || k < FHighThreshold) FHighThreshold -= 1;
}

TUbicDiscreteScale::TUbicDiscreteScale() = default;

TUbicDiscreteScale::~TUbicDiscreteScale() {
  FValues.Clear();
  Unregister();
}

void TUbicDiscreteScale::ForEachOwned(const std::function<void(const TUbicObject*)>& visit) const {
  for (int i = 0; i < FValues.Count(); ++i) visit(FValues.Items(i));
}

std::string TUbicDiscreteScale::ScaleText() const {
  std::string text = TUbicScale::ScaleText();
  if (!text.empty()) text += ' ';
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) text += ubicstr::ScaleValueSeparator;
    text += ValueName(i);
    if (IsBad(i)) {
      text += "(-)";
    } else if (IsGood(i)) {
      text += "(+)";
    }
  }
  return text;
}

bool TUbicDiscreteScale::IsEqual(const TUbicScale& other) const {
  const auto* discrete = dynamic_cast<const TUbicDiscreteScale*>(&other);
  if (discrete == nullptr || !TUbicScale::IsEqual(other)) return false;
  for (int i = 0; i < Count(); ++i) {
    if (ValueName(i) != discrete->ValueName(i) ||
        ValueDescription(i) != discrete->ValueDescription(i)) {
      return false;
    }
  }
  return true;
}

void TUbicDiscreteScale::Assign(const TUbicScale& other) {
  TUbicScale::Assign(other);
  // The values are appended as they are: the thresholds just copied already fit them.
  if (const auto* discrete = dynamic_cast<const TUbicDiscreteScale*>(&other)) {
    for (int i = 0; i < discrete->Count(); ++i) {
      AppendValue(discrete->ValueName(i), discrete->ValueDescription(i));
    }
  }
}

const std::string& TUbicDiscreteScale::ValueDescription(int index) const {
  return FValues.Items(index)->GetDescription();
}

void TUbicDiscreteScale::SetValueName(int index, const std::string& text) {
  FValues.Items(index)->SetName(text);
}

void TUbicDiscreteScale::SetValueDescription(int index, const std::string& text) {
  FValues.Items(index)->SetDescription(text);
}

void TUbicDiscreteScale::CheckRoomForValue() const {
  if (Count() >= kMaxScaleValues) {
    throw EUbicError(Format(ubicstr::TooManyScaleValues, GetName(), kMaxScaleValues));
  }
}

int TUbicDiscreteScale::AppendValue(const std::string& name, const std::string& description) {
  CheckRoomForValue();
  return FValues.AddOwned(std::make_unique<TUbicScaleValue>(name, description));
}

void TUbicDiscreteScale::AddValue(const std::string& name, const std::string& description) {
  AdjustAfterInsert(AppendValue(name, description));
}

void TUbicDiscreteScale::InsertValue(int index, const std::string& name,
                                     const std::string& description) {
  if (index == Count()) {
    AddValue(name, description);
    return;
  }
  if (index < 0 || index > Count()) ListIndexError(index);
  CheckRoomForValue();
  auto value = std::make_unique<TUbicScaleValue>(name, description);
  FValues.Insert(index, value.get());
  value.release();
  AdjustAfterInsert(index);
}

void TUbicDiscreteScale::DeleteValue(int index) {
  FValues.Delete(index);
  AdjustAfterDelete(index);
}

void TUbicDiscreteScale::MoveValueUp(int index) {
  FValues.Move(index, index - 1);
}

void TUbicDiscreteScale::MoveValueDown(int index) {
  FValues.Move(index, index + 1);
}

std::string TUbicDiscreteScale::ValueNamesProblem() const {
  std::vector<std::string> trimmed;
  trimmed.reserve(Count());
  for (int i = 0; i < Count(); ++i) {
    trimmed.push_back(Trim(ValueName(i)));
    if (trimmed.back().empty()) return Format(ubicstr::ScaleValueWithoutName, i + 1);
  }
  for (int i = 0; i < Count(); ++i) {
    for (int j = i + 1; j < Count(); ++j) {
      if (AnsiSameText(trimmed[i], trimmed[j])) {
        return Format(ubicstr::ScaleSameValueNames, i + 1, ValueName(i), j + 1, ValueName(j));
      }
    }
  }
  return {};
}

std::string TUbicDiscreteScale::AcceptanceProblem() const {
  if (Count() < 2) return Translated(ubicstr::ScaleTooFewValues);
  return ValueNamesProblem();
}

void TUbicDiscreteScale::CheckAcceptable() const {
  const std::string problem = AcceptanceProblem();
  if (!problem.empty()) throw EUbicError(problem);
}

}  // namespace ubic
