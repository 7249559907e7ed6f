#include "sensitivity.h"

#include "scratchevaluation.h"
#include "valuecode.h"

namespace ubic {
namespace {

// The single value of Attribute for the option, -1 for none, a set, or a value off the scale.
int SingleValue(const TUbicAttribute& attribute, const std::string& codes) {
  if (codes.size() != 1 || attribute.Scale() == nullptr) return -1;
  const int index = ValueIndexOf(codes[0]);
  return index >= 0 && index < attribute.Scale()->Count() ? index : -1;
}

}  // namespace

TSensitivity ComputeSensitivity(const TUbicModel& model, int option) {
  TSensitivity result;
  result.Option = option;
  const TScratchEvaluation scratch(model, option);
  for (int i = 0; i < model.Root()->InputCount(); ++i) {
    result.TopLevel.push_back(model.Root()->Input(i));
    result.Baseline.push_back(scratch.Value(*model.Root()->Input(i)));
  }
  std::vector<const TUbicAttribute*> basics;
  model.Root()->CollectBasicAttributes(basics);
  for (const TUbicAttribute* basic : basics) {
    const int value = SingleValue(*basic, scratch.Value(*basic));
    if (value < 0) continue;
    const TUbicAttribute& top = TScratchEvaluation::TopLevelOf(*basic);
    for (const int to : {value - 1, value + 1}) {
      if (to < 0 || to >= basic->Scale()->Count()) continue;
      TSensitivityRow row{basic, value, to, result.Baseline};
      for (std::size_t t = 0; t < result.TopLevel.size(); ++t) {
        if (result.TopLevel[t] == &top) {
          row.Results[t] = scratch.Propagate(*basic, std::string(1, ValueCode(to)));
        }
      }
      result.Rows.push_back(std::move(row));
    }
  }
  return result;
}

TValueChange CompareValues(const TUbicScale* scale, const std::string& before,
                           const std::string& after) {
  if (before == after) return TValueChange::Same;
  if (scale == nullptr || !scale->IsOrdered() || before.empty() || after.empty() || before == "*" ||
      after == "*") {
    return TValueChange::Different;
  }
  const int lowMove = ValueIndexOf(after.front()) - ValueIndexOf(before.front());
  const int highMove = ValueIndexOf(after.back()) - ValueIndexOf(before.back());
  const int sign = scale->Order() == TScaleOrder::Ascending ? 1 : -1;
  if (lowMove * sign >= 0 && highMove * sign >= 0) return TValueChange::Better;
  if (lowMove * sign <= 0 && highMove * sign <= 0) return TValueChange::Worse;
  return TValueChange::Different;
}

}  // namespace ubic
