#include "codeevaluator.h"

#include <algorithm>
#include <string_view>
#include <thread>

#include "foundation/utils.h"
#include "model/valuecode.h"

namespace ubic::python {
namespace {

// A table beyond this many entries would take more memory than evaluating option by option.
constexpr std::size_t kMostTableEntries = std::size_t(1) << 24;
// Fewer rows than this are not worth a thread of their own.
constexpr std::size_t kRowsPerThread = std::size_t(1) << 16;

// The ends of a value-set text as value indices, -1 for undefined.
std::int32_t FirstIndex(const std::string& text) {
  return text.empty() ? -1 : ValueIndexOf(text.front());
}
std::int32_t LastIndex(const std::string& text) {
  return text.empty() ? -1 : ValueIndexOf(text.back());
}

}  // namespace

TCodeEvaluator::TCodeEvaluator(const TUbicModel& model) {
  std::vector<TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  FNodeCount = attributes.size();
  std::unordered_map<const TUbicAttribute*, std::size_t> nodes;
  // The texts of the states each node can take.
  std::vector<std::vector<std::string>> texts(FNodeCount);
  std::size_t aggregates = 0;
  std::vector<std::size_t> columns(FNodeCount);
  for (std::size_t node = 0; node < attributes.size(); ++node) {
    const TUbicAttribute& attribute = *attributes[node];
    nodes[&attribute] = node;
    if (!attribute.IsBasic()) {
      columns[node] = aggregates++;
      continue;
    }
    const int count = attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
    FBasicCounts.push_back(count);
    FBasicNodes.push_back(node);
    // State 0 is undefined, state v + 1 the value of index v.
    texts[node].emplace_back();
    for (int v = 0; v < count; ++v) texts[node].emplace_back(1, ValueCode(v));
  }
  // Bottom-up: the last attribute in pre-order has no aggregate input left to wait for.
  for (std::size_t node = attributes.size(); node-- > 0;) {
    const TUbicAttribute& attribute = *attributes[node];
    if (attribute.IsBasic()) continue;
    std::vector<std::size_t> inputs;
    for (int i = 0; i < attribute.InputCount(); ++i) inputs.push_back(nodes.at(attribute.Input(i)));
    FAggregates.push_back({std::move(inputs), {}, {}, {}, {}, node, columns[node]});
    AddAggregate(attribute, node, texts);
  }
}

void TCodeEvaluator::AddAggregate(const TUbicAttribute& attribute, std::size_t node,
                                  std::vector<std::vector<std::string>>& texts) {
  const std::vector<std::vector<std::string>>& nodeTexts = texts;
  TAggregate& aggregate = FAggregates.back();
  const std::size_t n = aggregate.Inputs.size();
  aggregate.Strides.assign(n, 1);
  std::size_t entries = 1;
  for (std::size_t i = n; i-- > 0;) {
    aggregate.Strides[i] = entries;
    entries *= nodeTexts[aggregate.Inputs[i]].size();
    if (entries > kMostTableEntries) {
      throw EUbicError(
          Format("The inputs of \"%s\" have too many combinations of values for "
                 "evaluate_codes; evaluate evaluates them",
                 attribute.GetName()));
    }
  }
  std::unordered_map<std::string, std::int32_t> states;
  std::vector<std::string> results;
  std::vector<std::size_t> digits(n, 0);
  std::vector<std::string_view> views(n);
  aggregate.Table.resize(entries);
  // The combinations in table order, like the digits of a number, the last input fastest.
  for (std::size_t entry = 0; entry < entries; ++entry) {
    for (std::size_t i = 0; i < n; ++i) views[i] = nodeTexts[aggregate.Inputs[i]][digits[i]];
    std::string result = attribute.EvaluateInputs(views);
    const auto [found, added] =
        states.try_emplace(result, static_cast<std::int32_t>(results.size()));
    if (added) results.push_back(std::move(result));
    aggregate.Table[entry] = found->second;
    for (std::size_t i = n; i-- > 0;) {
      if (++digits[i] < nodeTexts[aggregate.Inputs[i]].size()) break;
      digits[i] = 0;
    }
  }
  for (const std::string& result : results) {
    aggregate.Low.push_back(FirstIndex(result));
    aggregate.High.push_back(LastIndex(result));
  }
  texts[node] = std::move(results);
}

template <class TCode>
bool TCodeEvaluator::Evaluate(const TCode* codes, std::size_t rows, std::int32_t* low,
                              std::int32_t* high, TBadCode& bad) const {
  const std::size_t threads = std::clamp<std::size_t>(
      rows / kRowsPerThread, 1, std::max(1u, std::thread::hardware_concurrency()));
  if (threads == 1) return EvaluateRows(codes, 0, rows, low, high, bad);
  std::vector<TBadCode> bads(threads);
  std::vector<char> good(threads, 1);
  std::vector<std::thread> workers;
  const std::size_t part = (rows + threads - 1) / threads;
  for (std::size_t t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      const std::size_t first = std::min(rows, t * part);
      good[t] = EvaluateRows(codes, first, std::min(rows, first + part), low, high, bads[t]);
    });
  }
  for (std::thread& worker : workers) worker.join();
  for (std::size_t t = 0; t < threads; ++t) {
    if (!good[t]) {
      bad = bads[t];
      return false;
    }
  }
  return true;
}

template <class TCode>
bool TCodeEvaluator::EvaluateRows(const TCode* codes, std::size_t first, std::size_t last,
                                  std::int32_t* low, std::int32_t* high, TBadCode& bad) const {
  const std::size_t basic = FBasicCounts.size();
  const std::size_t aggregates = FAggregates.size();
  std::vector<std::int32_t> states(FNodeCount);
  for (std::size_t row = first; row < last; ++row) {
    const TCode* rowCodes = codes + row * basic;
    for (std::size_t j = 0; j < basic; ++j) {
      const std::int64_t code = rowCodes[j];
      if (code < -1 || code >= FBasicCounts[j]) {
        bad = {row, j, code};
        return false;
      }
      states[FBasicNodes[j]] = static_cast<std::int32_t>(code + 1);
    }
    std::int32_t* rowLow = low + row * aggregates;
    std::int32_t* rowHigh = high + row * aggregates;
    for (const TAggregate& aggregate : FAggregates) {
      std::size_t entry = 0;
      for (std::size_t i = 0; i < aggregate.Inputs.size(); ++i) {
        entry += static_cast<std::size_t>(states[aggregate.Inputs[i]]) * aggregate.Strides[i];
      }
      const std::int32_t state = aggregate.Table[entry];
      states[aggregate.Node] = state;
      rowLow[aggregate.Column] = aggregate.Low[state];
      rowHigh[aggregate.Column] = aggregate.High[state];
    }
  }
  return true;
}

template bool TCodeEvaluator::Evaluate(const std::int8_t*, std::size_t, std::int32_t*,
                                       std::int32_t*, TBadCode&) const;
template bool TCodeEvaluator::Evaluate(const std::int16_t*, std::size_t, std::int32_t*,
                                       std::int32_t*, TBadCode&) const;
template bool TCodeEvaluator::Evaluate(const std::int32_t*, std::size_t, std::int32_t*,
                                       std::int32_t*, TBadCode&) const;
template bool TCodeEvaluator::Evaluate(const std::int64_t*, std::size_t, std::int32_t*,
                                       std::int32_t*, TBadCode&) const;

}  // namespace ubic::python
