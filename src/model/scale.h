#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ubicobject.h"

namespace ubic {

class TUbicScaleValue : public TUbicObject {
 public:
  explicit TUbicScaleValue(const std::string& name = {}, const std::string& description = {});
  ~TUbicScaleValue() override;
};

class TUbicScaleValueList : public TUbicList {
 public:
  TUbicScaleValueList() : TUbicList(true, false, TDuplicates::Accept) {}
  TUbicScaleValue* Items(int index) { return CheckedCast<TUbicScaleValue>(Get(index)); }
  const TUbicScaleValue* Items(int index) const { return CheckedCast<TUbicScaleValue>(Get(index)); }
};

// Ascending: later values are better; descending: earlier values are better.
enum class TScaleOrder : std::uint8_t { None = 0, Ascending = 1, Descending = 2 };

// How a value is shown: bad values red, good ones green, the rest plain.
enum class TValueClass { Bad, Neutral, Good };

inline constexpr double kNoLowThreshold = -1.7e308;
inline constexpr double kNoHighThreshold = 1.7e308;

// An abstract scale: an order and two thresholds on the axis of value indices that divide the
// values of an ordered scale into bad, neutral and good ones.
class TUbicScale : public TUbicObject {
 public:
  TScaleOrder Order() const { return FOrder; }
  // Readers set the order and then the thresholds they read; editors use ChangeOrder.
  void SetOrder(TScaleOrder value) { FOrder = value; }
  // A new order starts from the default thresholds of that order: the thresholds of the old
  // one would mean other classes in the new.
  void ChangeOrder(TScaleOrder value);
  bool IsOrdered() const { return FOrder != TScaleOrder::None; }
  double LowThreshold() const { return FLowThreshold; }
  double HighThreshold() const { return FHighThreshold; }

  virtual int Count() const = 0;
  virtual int LowIndex() const { return 0; }
  virtual int HighIndex() const { return Count() - 1; }
  virtual double LowBound() const { return LowIndex() - 0.5 + 1e-100; }
  virtual double HighBound() const { return HighIndex() + 0.5 - 1e-100; }
  virtual double BadThreshold() const;
  virtual void SetBadThreshold(double value);
  virtual double GoodThreshold() const;
  virtual void SetGoodThreshold(double value);
  // The text by which scales are listed for choice: name, order sign, values with their class.
  virtual std::string ScaleText() const;
  // Same order and the same number of values.
  virtual bool SameKind(const TUbicScale& other) const;
  virtual bool IsEqual(const TUbicScale& other) const;
  // Copies order and thresholds (callers assign into a new, empty scale).
  virtual void Assign(const TUbicScale& other);

  bool IsBad(double x) const;
  bool IsGood(double x) const;
  // Gives the value at Index that class by moving the thresholds, as little as it takes: a bad
  // or good value takes the values beyond it along, a neutral one leaves the others as they are.
  void SetValueClass(int index, TValueClass valueClass);
  void ResetThresholds();
  // No value bad and none good, whatever the order: the thresholds of a new scale.
  void ClearThresholds();

 protected:
  TUbicScale() = default;
  // Keep the thresholds on the same values after a value was inserted or deleted at K.
  void AdjustAfterInsert(int k);
  void AdjustAfterDelete(int k);

 private:
  TScaleOrder FOrder = TScaleOrder::Ascending;
  double FLowThreshold = kNoLowThreshold;
  double FHighThreshold = kNoHighThreshold;
};

// The scale used everywhere: a list of named values.
class TUbicDiscreteScale : public TUbicScale {
 public:
  TUbicDiscreteScale();
  ~TUbicDiscreteScale() override;

  int Count() const override { return FValues.Count(); }
  std::string ScaleText() const override;
  bool IsEqual(const TUbicScale& other) const override;
  void Assign(const TUbicScale& other) override;
  void ForEachOwned(const std::function<void(const TUbicObject*)>& visit) const override;

  const TUbicScaleValueList& Values() const { return FValues; }
  const std::string& ValueName(int index) const { return FValues.Items(index)->GetName(); }
  const std::string& ValueDescription(int index) const;
  void SetValueName(int index, const std::string& text);
  void SetValueDescription(int index, const std::string& text);

  // A scale holds at most kMaxScaleValues values; one more raises EUbicError.
  void AddValue(const std::string& name, const std::string& description = {});
  void InsertValue(int index, const std::string& name, const std::string& description = {});
  void DeleteValue(int index);
  // Only the value objects move; thresholds, option values and rules keep their positions.
  void MoveValueUp(int index);
  void MoveValueDown(int index);

  // Why the value names can not stand, empty when they can: a value must have a name (blanks
  // alone are none), and no two names may be equal but for letter case and blanks around them,
  // since values are found by name and written to files as names.
  std::string ValueNamesProblem() const;
  // Why the scale can not be given to an attribute, empty when it can: it needs two values or
  // more with names that can stand. Files holding other scales still open.
  std::string AcceptanceProblem() const;
  // Raises EUbicError with the AcceptanceProblem, if there is one.
  void CheckAcceptable() const;

 private:
  void CheckRoomForValue() const;
  int AppendValue(const std::string& name, const std::string& description);

  TUbicScaleValueList FValues;
};

}  // namespace ubic
