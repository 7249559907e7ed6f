#include "codeevaluator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>
#include <unordered_map>

#include "foundation/utils.h"
#include "inthreads.h"
#include "model/valuecode.h"

namespace ubic::python {
namespace {

// A table beyond this many entries would take more memory than evaluating option by option.
constexpr std::size_t kMostTableEntries = std::size_t(1) << 24;
// Fewer rows than this are not worth a thread of their own.
constexpr std::size_t kRowsPerThread = std::size_t(1) << 16;
// The rows evaluated together, node by node.
constexpr std::size_t kBlockRows = 256;
// The values of a scale a set of bits can hold.
constexpr int kMostMaskValues = 64;

// The ends of a value-set text as value indices, -1 for undefined.
std::int32_t FirstIndex(const std::string& text) {
  return text.empty() ? -1 : ValueIndexOf(text.front());
}
std::int32_t LastIndex(const std::string& text) {
  return text.empty() ? -1 : ValueIndexOf(text.back());
}

std::uint64_t AllValues(int count) {
  return count >= kMostMaskValues ? ~std::uint64_t(0) : (std::uint64_t(1) << count) - 1;
}

// The values of the range Low to High as bits; none when Low is above High.
std::uint64_t RangeMask(int low, int high) {
  return low > high ? 0 : AllValues(high + 1) & ~AllValues(low);
}

// The value-set text of a result: undefined when it holds every value of the scale, or none.
std::string ResultCodes(std::uint64_t mask, int count) {
  if (mask == AllValues(count)) return {};
  std::string codes;
  for (int v = 0; v < count; ++v) {
    if ((mask >> v & 1) != 0) codes += ValueCode(v);
  }
  return codes;
}

bool HasFunction(const TUbicAttribute& attribute) {
  return attribute.Scale() != nullptr && attribute.Funct() != nullptr;
}

// Whether a function's table can be made from its rules: every combination of single values in
// table order, every result within the scale, and scales small enough for sets of bits.
bool CanMakeFromRules(const TUbicAttribute& attribute) {
  const TUbicFunction& function = *attribute.Funct();
  const int count = attribute.Scale()->Count();
  if (!function.IsCanonical() || count > kMostMaskValues) return false;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    if (attribute.Input(i)->Scale()->Count() > kMostMaskValues) return false;
  }
  for (int r = 0; r < function.RuleCount(); ++r) {
    const int low = function.RuleLow(r);
    const int high = function.RuleHigh(r);
    if (low <= high && (low < 0 || high >= count)) return false;
  }
  return true;
}

// The values each state of a node admits, as bits; empty when a state holds values its scale
// lacks. An undefined state admits every value.
std::vector<std::uint64_t> StateMasks(const std::vector<std::string>& states, int count) {
  std::vector<std::uint64_t> masks;
  for (const std::string& codes : states) {
    std::uint64_t mask = codes.empty() ? AllValues(count) : 0;
    for (const char code : codes) {
      const int value = ValueIndexOf(code);
      if (value < 0 || value >= count) return {};
      mask |= std::uint64_t(1) << value;
    }
    masks.push_back(mask);
  }
  return masks;
}

// Table, whose dimensions are Sizes with the last input fastest, with input I's dimension of
// values replaced by one of states: each the union of the entries of the values its mask admits.
std::vector<std::uint64_t> WithStatesOfInput(const std::vector<std::uint64_t>& table,
                                             const std::vector<std::size_t>& sizes, std::size_t i,
                                             const std::vector<std::uint64_t>& masks) {
  std::size_t outer = 1;
  std::size_t inner = 1;
  for (std::size_t j = 0; j < i; ++j) outer *= sizes[j];
  for (std::size_t j = i + 1; j < sizes.size(); ++j) inner *= sizes[j];
  std::vector<std::uint64_t> widened(outer * masks.size() * inner, 0);
  for (std::size_t o = 0; o < outer; ++o) {
    for (std::size_t s = 0; s < masks.size(); ++s) {
      std::uint64_t* to = &widened[(o * masks.size() + s) * inner];
      for (std::uint64_t values = masks[s]; values != 0; values &= values - 1) {
        const auto v = static_cast<std::size_t>(std::countr_zero(values));
        const std::uint64_t* from = &table[(o * sizes[i] + v) * inner];
        for (std::size_t x = 0; x < inner; ++x) to[x] |= from[x];
      }
    }
  }
  return widened;
}

}  // namespace

bool TCodeEvaluator::IsQuick(const TUbicModel& model) {
  std::vector<const TUbicAttribute*> aggregates;
  model.Root()->CollectAttributes(aggregates, [](const TUbicAttribute& a) { return !a.IsBasic(); });
  return std::all_of(aggregates.begin(), aggregates.end(), [](const TUbicAttribute* attribute) {
    return !HasFunction(*attribute) || CanMakeFromRules(*attribute);
  });
}

TCodeEvaluator::TCodeEvaluator(const TUbicModel& model) {
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  std::unordered_map<const TUbicAttribute*, std::size_t> nodes;
  FStateCodes.resize(attributes.size());
  std::vector<std::size_t> columns(attributes.size());
  for (std::size_t node = 0; node < attributes.size(); ++node) {
    const TUbicAttribute& attribute = *attributes[node];
    nodes[&attribute] = node;
    const int count = attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
    FValueCounts.push_back(count);
    if (!attribute.IsBasic()) {
      columns[node] = FAggregateOfColumn.size();
      FAggregateOfColumn.push_back(0);
      continue;
    }
    FBasicCounts.push_back(count);
    FBasicNodes.push_back(node);
    // State 0 is undefined, state v + 1 the value of index v.
    FStateCodes[node].emplace_back();
    for (int v = 0; v < count; ++v) FStateCodes[node].emplace_back(1, ValueCode(v));
  }
  // Bottom-up: the last attribute in pre-order has no aggregate input left to wait for.
  for (std::size_t node = attributes.size(); node-- > 0;) {
    const TUbicAttribute& attribute = *attributes[node];
    if (attribute.IsBasic()) continue;
    std::vector<std::size_t> inputs;
    for (int i = 0; i < attribute.InputCount(); ++i) inputs.push_back(nodes.at(attribute.Input(i)));
    FAggregateOfColumn[columns[node]] = FAggregates.size();
    FAggregates.push_back({std::move(inputs), {}, {}, {}, {}, node, columns[node]});
    AddAggregate(attribute, node);
  }
}

const std::vector<std::string>& TCodeEvaluator::StateCodes(std::size_t column) const {
  return FStateCodes[FAggregates[FAggregateOfColumn[column]].Node];
}

void TCodeEvaluator::AddAggregate(const TUbicAttribute& attribute, std::size_t node) {
  TAggregate& aggregate = FAggregates.back();
  if (!HasFunction(attribute)) {
    // Without a function every result is undefined, whatever the inputs.
    aggregate.Strides.assign(aggregate.Inputs.size(), 0);
    aggregate.Table.assign(1, 0);
    FStateCodes[node] = {std::string()};
    aggregate.Low.assign(1, -1);
    aggregate.High.assign(1, -1);
    return;
  }
  const std::size_t n = aggregate.Inputs.size();
  aggregate.Strides.assign(n, 1);
  std::size_t entries = 1;
  for (std::size_t i = n; i-- > 0;) {
    aggregate.Strides[i] = entries;
    entries *= FStateCodes[aggregate.Inputs[i]].size();
    if (entries > kMostTableEntries) {
      throw ETableTooLarge(
          Format("The inputs of \"%s\" have too many combinations of values for "
                 "evaluate_codes; evaluate evaluates them",
                 attribute.GetName()));
    }
  }
  if (!CanMakeFromRules(attribute) || !MakeTableFromRules(*attribute.Funct(), entries)) {
    AskForTable(attribute, entries);
  }
  for (const std::string& codes : FStateCodes[node]) {
    aggregate.Low.push_back(FirstIndex(codes));
    aggregate.High.push_back(LastIndex(codes));
  }
}

template <class TResultOf, class TCodesOf>
void TCodeEvaluator::NumberStates(std::size_t entries, TResultOf resultOf, TCodesOf codesOf) {
  TAggregate& aggregate = FAggregates.back();
  std::vector<std::string>& results = FStateCodes[aggregate.Node];
  std::unordered_map<decltype(resultOf(0)), std::int32_t> states;
  aggregate.Table.resize(entries);
  for (std::size_t entry = 0; entry < entries; ++entry) {
    auto result = resultOf(entry);
    const auto [found, added] =
        states.try_emplace(result, static_cast<std::int32_t>(results.size()));
    if (added) results.push_back(codesOf(std::move(result)));
    aggregate.Table[entry] = found->second;
  }
}

void TCodeEvaluator::AskForTable(const TUbicAttribute& attribute, std::size_t entries) {
  const TAggregate& aggregate = FAggregates.back();
  const std::size_t n = aggregate.Inputs.size();
  std::vector<std::size_t> digits(n, 0);
  std::vector<std::string_view> views(n);
  // The combinations in table order, like the digits of a number, the last input fastest.
  NumberStates(
      entries,
      [&](std::size_t) {
        for (std::size_t i = 0; i < n; ++i) views[i] = FStateCodes[aggregate.Inputs[i]][digits[i]];
        std::string result = attribute.EvaluateInputs(views);
        for (std::size_t i = n; i-- > 0;) {
          if (++digits[i] < FStateCodes[aggregate.Inputs[i]].size()) break;
          digits[i] = 0;
        }
        return result;
      },
      [](std::string result) { return result; });
}

bool TCodeEvaluator::MakeTableFromRules(const TUbicFunction& function, std::size_t entries) {
  const TAggregate& aggregate = FAggregates.back();
  const std::size_t n = aggregate.Inputs.size();
  std::vector<std::vector<std::uint64_t>> inputMasks;
  for (const std::size_t input : aggregate.Inputs) {
    inputMasks.push_back(StateMasks(FStateCodes[input], FValueCounts[input]));
    if (inputMasks.back().empty()) return false;
  }
  // The rules' results, the combinations of single values in table order; then input by input
  // the values of the input are replaced by its states, each the union of the results of the
  // values it admits.
  std::vector<std::uint64_t> results(static_cast<std::size_t>(function.RuleCount()));
  for (std::size_t r = 0; r < results.size(); ++r) {
    results[r] =
        RangeMask(function.RuleLow(static_cast<int>(r)), function.RuleHigh(static_cast<int>(r)));
  }
  std::vector<std::size_t> sizes;
  for (const std::size_t input : aggregate.Inputs) {
    sizes.push_back(static_cast<std::size_t>(FValueCounts[input]));
  }
  for (std::size_t i = 0; i < n; ++i) {
    results = WithStatesOfInput(results, sizes, i, inputMasks[i]);
    sizes[i] = inputMasks[i].size();
  }
  // No value and every value are both an undefined result.
  const int count = FValueCounts[aggregate.Node];
  const std::uint64_t every = AllValues(count);
  NumberStates(
      entries, [&](std::size_t entry) { return results[entry] != 0 ? results[entry] : every; },
      [count](std::uint64_t mask) { return ResultCodes(mask, count); });
  return true;
}

template <class TCode>
bool TCodeEvaluator::Evaluate(const TCode* codes, std::size_t rows, std::int32_t* low,
                              std::int32_t* high, TBadCode& bad) const {
  const std::size_t aggregates = FAggregates.size();
  return InThreads(
      rows, kRowsPerThread, bad, [&](std::size_t first, std::size_t last, TBadCode& rowBad) {
        return EvaluateRows(codes, first, last, rowBad,
                            [&](std::size_t row, const TAggregate& aggregate, std::int32_t state) {
                              const std::size_t at = row * aggregates + aggregate.Column;
                              low[at] = aggregate.Low[static_cast<std::size_t>(state)];
                              high[at] = aggregate.High[static_cast<std::size_t>(state)];
                            });
      });
}

template <class TCode>
bool TCodeEvaluator::EvaluateStates(const TCode* codes, std::size_t rows, std::int32_t* states,
                                    TBadCode& bad) const {
  const std::size_t aggregates = FAggregates.size();
  return InThreads(
      rows, kRowsPerThread, bad, [&](std::size_t first, std::size_t last, TBadCode& rowBad) {
        return EvaluateRows(codes, first, last, rowBad,
                            [&](std::size_t row, const TAggregate& aggregate, std::int32_t state) {
                              states[row * aggregates + aggregate.Column] = state;
                            });
      });
}

template <class TCode, class TEmit>
bool TCodeEvaluator::EvaluateRows(const TCode* codes, std::size_t first, std::size_t last,
                                  TBadCode& bad, TEmit emit) const {
  const std::size_t basic = FBasicCounts.size();
  // A block of rows at a time, node by node: the look-ups of different rows do not wait for each
  // other, and the block's states stay in the cache.
  std::vector<std::int32_t> states(FStateCodes.size() * kBlockRows);
  std::array<std::size_t, kBlockRows> entries{};
  for (std::size_t start = first; start < last; start += kBlockRows) {
    const std::size_t count = std::min(kBlockRows, last - start);
    const TCode* blockCodes = codes + start * basic;
    bool good = true;
    for (std::size_t j = 0; j < basic; ++j) {
      std::int32_t* nodeStates = &states[FBasicNodes[j] * kBlockRows];
      const std::int64_t most = FBasicCounts[j];
      for (std::size_t b = 0; b < count; ++b) {
        const std::int64_t code = blockCodes[b * basic + j];
        good &= code >= -1 && code < most;
        nodeStates[b] = static_cast<std::int32_t>(code + 1);
      }
    }
    if (!good) return FindBadCode(codes, start, count, bad);
    for (const TAggregate& aggregate : FAggregates) {
      entries.fill(0);
      for (std::size_t i = 0; i < aggregate.Inputs.size(); ++i) {
        const std::int32_t* inputStates = &states[aggregate.Inputs[i] * kBlockRows];
        const std::size_t stride = aggregate.Strides[i];
        for (std::size_t b = 0; b < count; ++b) {
          entries[b] += static_cast<std::size_t>(inputStates[b]) * stride;
        }
      }
      std::int32_t* nodeStates = &states[aggregate.Node * kBlockRows];
      for (std::size_t b = 0; b < count; ++b) nodeStates[b] = aggregate.Table[entries[b]];
      for (std::size_t b = 0; b < count; ++b) emit(start + b, aggregate, nodeStates[b]);
    }
  }
  return true;
}

template <class TCode>
bool TCodeEvaluator::FindBadCode(const TCode* codes, std::size_t start, std::size_t count,
                                 TBadCode& bad) const {
  const std::size_t basic = FBasicCounts.size();
  for (std::size_t row = start; row < start + count; ++row) {
    for (std::size_t j = 0; j < basic; ++j) {
      const std::int64_t code = codes[row * basic + j];
      if (code < -1 || code >= FBasicCounts[j]) {
        bad = {row, j, code};
        return false;
      }
    }
  }
  return true;
}

#define UBIC_CODE_EVALUATION(TCode)                                                               \
  template bool TCodeEvaluator::Evaluate(const TCode*, std::size_t, std::int32_t*, std::int32_t*, \
                                         TBadCode&) const;                                        \
  template bool TCodeEvaluator::EvaluateStates(const TCode*, std::size_t, std::int32_t*,          \
                                               TBadCode&) const;
UBIC_CODE_EVALUATION(std::int8_t)
UBIC_CODE_EVALUATION(std::int16_t)
UBIC_CODE_EVALUATION(std::int32_t)
UBIC_CODE_EVALUATION(std::int64_t)
#undef UBIC_CODE_EVALUATION

}  // namespace ubic::python
