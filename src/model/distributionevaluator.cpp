#include "distributionevaluator.h"

#include <algorithm>

#include "valuecode.h"

namespace ubic {
namespace {

constexpr int kNoRule = -1;

}  // namespace

TDistributionEvaluator::TDistributionEvaluator(const TUbicAttribute& root, TEvaluationMethod method)
    : FMethod(method) {
  root.CollectAttributes(FAttributes);
  FNodes.resize(FAttributes.size());
  std::size_t offset = 0;
  for (std::size_t a = 0; a < FAttributes.size(); ++a) {
    const TUbicAttribute& attribute = *FAttributes[a];
    TNode& node = FNodes[a];
    node.Count = attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
    node.Offset = offset;
    offset += static_cast<std::size_t>(node.Count);
    for (int i = 0; i < attribute.InputCount(); ++i) {
      const auto found = std::find(FAttributes.begin(), FAttributes.end(), attribute.Input(i));
      node.Inputs.push_back(static_cast<int>(found - FAttributes.begin()));
    }
    MakeIntervals(attribute, node);
  }
  FWeights.resize(offset);
}

void TDistributionEvaluator::MakeIntervals(const TUbicAttribute& attribute, TNode& node) const {
  const TUbicFunction* function = attribute.Funct();
  if (function == nullptr || !attribute.CanHaveFunction()) return;
  const int n = attribute.InputCount();
  node.Intervals.assign(static_cast<std::size_t>(attribute.RuleCount()), {kNoRule, kNoRule});
  for (int r = 0; r < function->RuleCount(); ++r) {
    // A rule read from a file may not fit the inputs; no combination selects it.
    if (static_cast<int>(function->Rules()[r].size()) != n + 3) continue;
    std::size_t combination = 0;
    bool fits = true;
    for (int i = 0; i < n && fits; ++i) {
      const int value = function->RuleInput(i, r);
      const int count = attribute.Input(i)->Scale()->Count();
      fits = value >= 0 && value < count;
      combination = combination * static_cast<std::size_t>(count) + static_cast<std::size_t>(value);
    }
    if (!fits) continue;
    const int low = std::max(function->RuleLow(r), 0);
    const int high = std::min(function->RuleHigh(r), node.Count - 1);
    if (low > high) continue;
    // Two rules for one combination: the values of both count.
    TInterval& interval = node.Intervals[combination];
    interval.Low = interval.Low == kNoRule ? low : std::min(interval.Low, low);
    interval.High = interval.High == kNoRule ? high : std::max(interval.High, high);
  }
  for (TInterval& interval : node.Intervals) {
    if (interval.Low == kNoRule) interval = {0, node.Count - 1};
  }
}

void TDistributionEvaluator::Evaluate(int k) {
  // Inputs come after their attribute in pre-order: backwards, every input is ready first.
  for (std::size_t a = FNodes.size(); a-- > 0;) {
    if (FNodes[a].Inputs.empty()) {
      EvaluateBasic(a, k);
    } else if (FNodes[a].Intervals.empty()) {
      Uniform(FNodes[a]);
    } else {
      EvaluateAggregate(FNodes[a]);
    }
  }
}

void TDistributionEvaluator::Uniform(const TNode& node) {
  std::fill_n(Out(node), node.Count, 1.0);
  Normalise(node);
}

void TDistributionEvaluator::Normalise(const TNode& node) {
  double* out = Out(node);
  double scale = 0;
  for (int v = 0; v < node.Count; ++v) {
    scale = FMethod == TEvaluationMethod::Prob ? scale + out[v] : std::max(scale, out[v]);
  }
  if (scale > 0) {
    for (int v = 0; v < node.Count; ++v) out[v] /= scale;
  }
}

void TDistributionEvaluator::EvaluateBasic(std::size_t a, int k) {
  const TUbicAttribute& attribute = *FAttributes[a];
  const TNode& node = FNodes[a];
  double* out = Out(node);
  std::fill_n(out, node.Count, 0.0);
  const TStrList& values = attribute.OptionValues();
  const std::string& codes = k < values.Count() ? values[k] : std::string();
  const std::optional<std::vector<double>> weights = attribute.OptionWeightsOf(k);
  bool any = false;
  if (codes != "*") {
    for (std::size_t c = 0; c < codes.size(); ++c) {
      const int index = ValueIndexOf(codes[c]);
      if (index < 0 || index >= node.Count) continue;
      out[index] = weights ? (*weights)[c] : 1.0;
      any = true;
    }
  }
  if (!any) std::fill_n(out, node.Count, 1.0);
  Normalise(node);
}

void TDistributionEvaluator::EvaluateAggregate(const TNode& node) {
  const std::size_t n = node.Inputs.size();
  FChoices.resize(n);
  FPositions.assign(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const TNode& input = FNodes[static_cast<std::size_t>(node.Inputs[i])];
    const double* weights = FWeights.data() + input.Offset;
    FChoices[i].clear();
    for (int v = 0; v < input.Count; ++v) {
      if (weights[v] > 0) FChoices[i].emplace_back(v, weights[v]);
    }
  }
  double* out = Out(node);
  std::fill_n(out, node.Count, 0.0);
  const bool prob = FMethod == TEvaluationMethod::Prob;
  while (true) {
    std::size_t combination = 0;
    double weight = 1;
    for (std::size_t i = 0; i < n; ++i) {
      const auto& [value, inputWeight] = FChoices[i][FPositions[i]];
      const auto count = static_cast<std::size_t>(FNodes[node.Inputs[i]].Count);
      combination = combination * count + static_cast<std::size_t>(value);
      weight = prob ? weight * inputWeight : std::min(weight, inputWeight);
    }
    const TInterval interval = node.Intervals[combination];
    if (prob) {
      const double share = weight / (interval.High - interval.Low + 1);
      for (int v = interval.Low; v <= interval.High; ++v) out[v] += share;
    } else {
      for (int v = interval.Low; v <= interval.High; ++v) out[v] = std::max(out[v], weight);
    }
    // The next combination, the last input turning fastest.
    std::size_t i = n;
    while (i > 0 && ++FPositions[i - 1] == FChoices[i - 1].size()) FPositions[--i] = 0;
    if (i == 0) break;
  }
}

}  // namespace ubic
