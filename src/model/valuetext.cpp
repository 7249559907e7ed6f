#include "valuetext.h"

#include <algorithm>

#include "foundation/utils.h"
#include "valuecode.h"

namespace ubic {
namespace {

const TUbicDiscreteScale* HoldingScale(const TUbicScale* scale, int index) {
  const auto* discrete = dynamic_cast<const TUbicDiscreteScale*>(scale);
  return discrete != nullptr && index >= 0 && index < discrete->Count() ? discrete : nullptr;
}

// The index of the value called Name, -1 when the scale has none.
int IndexOfName(const TUbicDiscreteScale* scale, const std::string& name) {
  const int count = scale != nullptr ? scale->Count() : 0;
  for (int index = 0; index < count; ++index) {
    if (scale->ValueName(index) == name) return index;
  }
  return -1;
}

}  // namespace

std::string ValueText(const TUbicScale* scale, int index) {
  const TUbicDiscreteScale* discrete = HoldingScale(scale, index);
  return discrete != nullptr ? discrete->ValueName(index) : std::to_string(index + 1);
}

TValueClass ValueClassOf(const TUbicScale* scale, int index) {
  if (HoldingScale(scale, index) == nullptr) return TValueClass::Neutral;
  if (scale->IsBad(index)) return TValueClass::Bad;
  if (scale->IsGood(index)) return TValueClass::Good;
  return TValueClass::Neutral;
}

TValueRun ValueRun(const TUbicScale* scale, int index) {
  return {ValueText(scale, index), ValueClassOf(scale, index)};
}

TValueRuns ValueSetRuns(const TUbicScale* scale, const std::string& codes,
                        const std::string& separator) {
  if (codes.empty() || codes == "*") return {{"*"}};
  if (scale == nullptr) return {{codes}};
  TValueRuns runs;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (i > 0) runs.push_back({separator});
    runs.push_back(ValueRun(scale, ValueIndexOf(codes[i])));
  }
  return runs;
}

TValueRuns IntervalRuns(const TUbicScale* scale, int low, int high) {
  const int last = scale != nullptr ? scale->Count() - 1 : high;
  if (low == high) return {ValueRun(scale, low)};
  if (low > 0 && high < last) return {ValueRun(scale, low), {":"}, ValueRun(scale, high)};
  if (low > 0) return {{">="}, ValueRun(scale, low)};
  if (high < last) return {{"<="}, ValueRun(scale, high)};
  return {{"*"}};
}

std::string PlainText(const TValueRuns& runs) {
  std::string text;
  for (const TValueRun& run : runs) text += run.Text;
  return text;
}

std::string ValueSetText(const TUbicScale* scale, const std::string& codes) {
  return PlainText(ValueSetRuns(scale, codes));
}

std::string IntervalText(const TUbicScale* scale, int low, int high) {
  return PlainText(IntervalRuns(scale, low, high));
}

std::string HeldValues(const TUbicScale* scale, const std::string& text) {
  if (text == "*") return text;
  const int count = scale != nullptr ? scale->Count() : 0;
  std::string held;
  for (const char code : text) {
    const int index = ValueIndexOf(code);
    if (index >= 0 && index < count) held += code;
  }
  return held;
}

TValueClass SetClassOf(const TUbicScale* scale, const std::string& codes) {
  if (codes.empty() || codes == "*") return TValueClass::Neutral;
  const TValueClass first = ValueClassOf(scale, ValueIndexOf(codes[0]));
  const bool shared = std::all_of(codes.begin(), codes.end(), [&](char code) {
    return ValueClassOf(scale, ValueIndexOf(code)) == first;
  });
  return shared ? first : TValueClass::Neutral;
}

TParsedValueSet ParseValueSet(const TUbicScale* scale, const std::string& text) {
  TParsedValueSet parsed;
  std::string rest = Trim(text);
  if (rest.empty() || rest == "*") return parsed;
  const auto* discrete = dynamic_cast<const TUbicDiscreteScale*>(scale);
  std::vector<bool> chosen(discrete != nullptr ? discrete->Count() : 0, false);
  std::string name;
  while (!rest.empty()) {
    SplitAt(rest, ';', name);
    name = Trim(name);
    const int index = IndexOfName(discrete, name);
    if (index < 0) {
      parsed.Unknown = name;
      return parsed;
    }
    chosen[static_cast<std::size_t>(index)] = true;
  }
  for (std::size_t index = 0; index < chosen.size(); ++index) {
    if (chosen[index]) parsed.Codes += ValueCode(static_cast<int>(index));
  }
  return parsed;
}

}  // namespace ubic
