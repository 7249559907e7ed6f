#include "distribution.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

#include "attribute.h"
#include "foundation/utils.h"
#include "model.h"
#include "ubicobject.h"
#include "ubicstr.h"
#include "valuecode.h"
#include "valuetext.h"

namespace ubic {
namespace {

constexpr const char* kMethodNames[] = {"sets", "prob", "fuzzy"};

template <class... Args>
[[noreturn]] void WeightsError(const char* message, const Args&... args) {
  throw EUbicError(Format(message, args...));
}

std::string_view TrimmedView(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimmedView(text);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  if (!std::isfinite(value)) return {};
  return value;
}

// Four decimals without trailing zeros, from a weight in ten-thousandths, written before End;
// the start of the digits is returned. Digits are written straight into place: a large table
// has millions of them.
char* WriteRounded(unsigned long long units, char* end) {
  char* begin = end;
  int fraction = static_cast<int>(units % 10000);
  units /= 10000;
  if (fraction != 0) {
    int places = 4;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --places;
    }
    for (; places > 0; --places, fraction /= 10) *--begin = static_cast<char>('0' + fraction % 10);
    *--begin = '.';
  }
  do {
    *--begin = static_cast<char>('0' + units % 10);
    units /= 10;
  } while (units != 0);
  return begin;
}

// Weights are never negative: adding a half rounds.
unsigned long long TenThousandths(double weight) {
  return static_cast<unsigned long long>(weight * 10000 + 0.5);
}

void AppendExact(std::string& text, double weight) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, weight);
  text.append(buffer, result.ptr);
}

}  // namespace

const char* EvaluationMethodName(TEvaluationMethod method) {
  return kMethodNames[static_cast<int>(method)];
}

std::optional<TEvaluationMethod> EvaluationMethodNamed(std::string_view name) {
  for (int m = 0; m < 3; ++m) {
    if (name == kMethodNames[m]) return static_cast<TEvaluationMethod>(m);
  }
  return {};
}

bool IsWeightsText(std::string_view text) {
  return text.find('=') != std::string_view::npos;
}

TWeightedValue ParseWeights(const std::string& text, const TValueIndexOf& indexOf,
                            const std::string& option, const std::string& attribute) {
  std::vector<std::pair<int, double>> entries;
  std::string_view rest = text;
  while (true) {
    const std::size_t end = rest.find(';');
    const std::string_view part = rest.substr(0, end);
    const std::size_t equals = part.find('=');
    const std::string name(part.substr(0, equals));
    if (equals == std::string_view::npos) {
      WeightsError(ubicstr::WeightMissing, option, attribute, name, text);
    }
    const int index = indexOf(name);
    if (index < 0) WeightsError(ubicstr::WeightedValueUnknown, option, attribute, name, text);
    const bool twice = std::any_of(entries.begin(), entries.end(),
                                   [index](const auto& entry) { return entry.first == index; });
    if (twice) WeightsError(ubicstr::WeightedValueTwice, option, attribute, name, text);
    const std::string_view number = part.substr(equals + 1);
    const std::optional<double> weight = ParseNumber(number);
    if (!weight || *weight < 0) {
      WeightsError(ubicstr::WeightNotANumber, option, attribute, std::string(number), text);
    }
    entries.emplace_back(index, *weight);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  std::sort(entries.begin(), entries.end());
  TWeightedValue value;
  for (const auto& [index, weight] : entries) {
    if (weight <= 0) continue;
    value.Codes += ValueCode(index);
    value.Weights.push_back(weight);
  }
  if (value.Codes.empty()) WeightsError(ubicstr::WeightsAllZero, option, attribute, text);
  return value;
}

TWeightedValue ParseWeights(const TUbicScale* scale, const std::string& text,
                            const std::string& option, const std::string& attribute) {
  const std::vector<std::string> names = ValueNames(scale);
  const bool named = dynamic_cast<const TUbicDiscreteScale*>(scale) != nullptr;
  return ParseWeights(
      text,
      [&](const std::string& name) {
        const auto found = std::find(names.begin(), names.end(), Trim(name));
        return named && found != names.end() ? static_cast<int>(found - names.begin()) : -1;
      },
      option, attribute);
}

std::string WeightsField(const std::vector<double>& weights) {
  std::string field;
  for (const double weight : weights) {
    if (!field.empty()) field += ';';
    AppendExact(field, weight);
  }
  return field;
}

bool ParseWeightsField(std::string_view field, std::size_t count, std::vector<double>& weights) {
  weights.clear();
  while (!field.empty() && weights.size() <= count) {
    const std::size_t end = field.find(';');
    const std::optional<double> weight = ParseNumber(field.substr(0, end));
    if (!weight || *weight <= 0) return false;
    weights.push_back(*weight);
    field = end == std::string_view::npos ? std::string_view() : field.substr(end + 1);
  }
  return weights.size() == count && count != 0;
}

std::optional<std::vector<double>> ParseWeightsField(std::string_view field, std::size_t count) {
  std::vector<double> weights;
  if (!ParseWeightsField(field, count, weights)) return {};
  return weights;
}

void AppendWeightsText(std::string& text, const std::vector<std::string>& names,
                       const std::string& codes, const std::vector<double>& weights) {
  for (std::size_t i = 0; i < codes.size() && i < weights.size(); ++i) {
    if (i > 0) text += ';';
    const int index = ValueIndexOf(codes[i]);
    text += index < static_cast<int>(names.size()) ? names[index] : std::to_string(index + 1);
    text += '=';
    AppendExact(text, weights[i]);
  }
}

void AppendDistributionText(std::string& text, const std::vector<std::string>& names,
                            const double* weights, int count) {
  bool first = true;
  // Each "name=weight" is made before the end of Part and appended at once: a large table has
  // millions of them, and short appends cost more than their bytes.
  char part[64];
  char* const end = part + sizeof part;
  for (int v = 0; v < count; ++v) {
    const unsigned long long units = TenThousandths(weights[v]);
    // What rounds to nothing is shown as nothing, like a value of no weight.
    if (units == 0) continue;
    char* begin = WriteRounded(units, end);
    *--begin = '=';
    const std::string name =
        v < static_cast<int>(names.size()) ? std::string() : std::to_string(v + 1);
    const std::string& shown = v < static_cast<int>(names.size()) ? names[v] : name;
    const std::size_t room = static_cast<std::size_t>(begin - part) - 1;
    if (shown.size() <= room) {
      begin -= shown.size();
      std::memcpy(begin, shown.data(), shown.size());
      if (!first) *--begin = ';';
    } else {
      if (!first) text += ';';
      text += shown;
    }
    first = false;
    text.append(begin, static_cast<std::size_t>(end - begin));
  }
}

std::string WeightsText(const TUbicScale* scale, const TWeightedValue& value) {
  std::string text;
  AppendWeightsText(text, ValueNames(scale), value.Codes, value.Weights);
  return text;
}

std::string EnteredValueText(const TUbicAttribute& attribute, int k) {
  const std::string codes = attribute.OptionText(k);
  if (const auto weights = attribute.OptionWeightsOf(k)) {
    return WeightsText(attribute.Scale(), {codes, *weights});
  }
  return ValueSetText(attribute.Scale(), codes);
}

std::string ReducedWeightsRemark(const TUbicModel& model, int k) {
  std::vector<const TUbicAttribute*> basics;
  model.Root()->CollectBasicAttributes(basics);
  std::string names;
  for (const TUbicAttribute* basic : basics) {
    if (!basic->OptionWeightsOf(k)) continue;
    names += (names.empty() ? "\"" : ", \"") + basic->GetName() + "\"";
  }
  if (names.empty()) return {};
  return Format(ubicstr::WeightsReadAsSets, names);
}

std::vector<std::string> ValueNames(const TUbicScale* scale) {
  std::vector<std::string> names;
  for (int v = 0; scale != nullptr && v < scale->Count(); ++v) names.push_back(ValueText(scale, v));
  return names;
}

}  // namespace ubic
