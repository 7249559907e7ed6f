#include "distributionevaluator.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "valuecode.h"

namespace ubic {
namespace {

constexpr int kNoRule = -1;
constexpr std::size_t kReadSlots = 256;

// FNV-1a: quick on a short text.
std::size_t QuickHash(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

}  // namespace

TDistributionEvaluator::TDistributionEvaluator(const TUbicAttribute& root, TEvaluationMethod method)
    : FMethod(method) {
  root.CollectAttributes(FAttributes);
  FNodes.resize(FAttributes.size());
  std::size_t offset = 0;
  std::size_t basic = 0;
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
    if (attribute.IsBasic()) {
      node.Read.resize(kReadSlots);
      node.Basic = basic++;
    }
  }
  FWeights.resize(offset);
  // Room for the values of every input of the aggregate with the most of them.
  std::size_t most = 0;
  std::size_t inputs = 0;
  for (const TNode& node : FNodes) {
    std::size_t values = 0;
    for (const int input : node.Inputs) values += static_cast<std::size_t>(FNodes[input].Count);
    most = std::max(most, values);
    inputs = std::max(inputs, node.Inputs.size());
  }
  FChoices.resize(most);
  FBegins.resize(inputs);
  FEnds.resize(inputs);
  FPositions.resize(inputs);
}

void TDistributionEvaluator::MakeIntervals(const TUbicAttribute& attribute, TNode& node) const {
  const TUbicFunction* function = attribute.Funct();
  if (function == nullptr || !attribute.CanHaveFunction()) return;
  const int n = attribute.InputCount();
  node.Intervals.assign(static_cast<std::size_t>(attribute.RuleCount()), {kNoRule, kNoRule, 0});
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
    if (interval.Low == kNoRule) interval = {0, node.Count - 1, 0};
    interval.Share = 1.0 / (interval.High - interval.Low + 1);
  }
}

void TDistributionEvaluator::Evaluate(int k) {
  EvaluateTree([this, k](std::size_t a) { EvaluateBasic(a, k); });
}

void TDistributionEvaluator::EvaluateGiven(const double* given, std::size_t width) {
  EvaluateTree([this, given, width](std::size_t a) {
    const TNode& node = FNodes[a];
    const double* weights = given + node.Basic * width;
    double* out = Out(node);
    const bool any = std::any_of(weights, weights + node.Count, [](double w) { return w > 0; });
    if (any) {
      std::copy_n(weights, node.Count, out);
    } else {
      std::fill_n(out, node.Count, 1.0);
    }
    Normalise(node);
  });
}

template <typename Basic>
void TDistributionEvaluator::EvaluateTree(Basic basic) {
  // Inputs come after their attribute in pre-order: backwards, every input is ready first.
  for (std::size_t a = FNodes.size(); a-- > 0;) {
    if (FNodes[a].Inputs.empty()) {
      basic(a);
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
  // Weights that are so already, such as a single value's, are left as they are.
  if (scale > 0 && scale != 1) {
    for (int v = 0; v < node.Count; ++v) out[v] /= scale;
  }
}

const std::vector<double>* TDistributionEvaluator::ReadWeights(TNode& node,
                                                               const std::string& field,
                                                               std::size_t count) {
  TReadWeights& read = node.Read[QuickHash(field) % kReadSlots];
  if (read.Field != field || (read.Fits && read.Weights.size() != count)) {
    read.Field = field;
    read.Fits = ParseWeightsField(field, count, read.Weights);
  }
  return read.Fits && read.Weights.size() == count ? &read.Weights : nullptr;
}

void TDistributionEvaluator::EvaluateBasic(std::size_t a, int k) {
  const TUbicAttribute& attribute = *FAttributes[a];
  TNode& node = FNodes[a];
  double* out = Out(node);
  std::fill_n(out, node.Count, 0.0);
  const TStrList& values = attribute.OptionValues();
  const TStrList& fields = attribute.OptionWeights();
  const std::string_view codes = k < values.Count() ? std::string_view(values[k]) : "";
  // Read here rather than by OptionWeightsOf, which makes a list for every option.
  const std::vector<double>* weights = k < fields.Count() && !fields[k].empty() && codes != "*"
                                           ? ReadWeights(node, fields[k], codes.size())
                                           : nullptr;
  bool any = false;
  if (codes != "*") {
    for (std::size_t c = 0; c < codes.size(); ++c) {
      const int index = ValueIndexOf(codes[c]);
      if (index < 0 || index >= node.Count) continue;
      out[index] = weights != nullptr ? (*weights)[c] : 1.0;
      any = true;
    }
  }
  if (!any) std::fill_n(out, node.Count, 1.0);
  Normalise(node);
}

void TDistributionEvaluator::EvaluateAggregate(const TNode& node) {
  const std::size_t n = node.Inputs.size();
  std::size_t at = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const TNode& input = FNodes[static_cast<std::size_t>(node.Inputs[i])];
    const double* weights = FWeights.data() + input.Offset;
    FBegins[i] = at;
    // Every value is written and only those of positive weight kept: no branch to mispredict.
    for (int v = 0; v < input.Count; ++v) {
      FChoices[at] = {v, weights[v]};
      at += weights[v] > 0 ? 1 : 0;
    }
    FEnds[i] = at;
  }
  double* out = Out(node);
  std::fill_n(out, node.Count, 0.0);
  if (FMethod == TEvaluationMethod::Prob) {
    Combine(node, [out](const TInterval& interval, double weight) {
      const double share = weight * interval.Share;
      for (int v = interval.Low; v <= interval.High; ++v) out[v] += share;
    });
  } else {
    Combine(node, [out](const TInterval& interval, double weight) {
      for (int v = interval.Low; v <= interval.High; ++v) out[v] = std::max(out[v], weight);
    });
  }
}

template <typename Take>
void TDistributionEvaluator::Combine(const TNode& node, Take take) {
  const bool prob = FMethod == TEvaluationMethod::Prob;
  const std::size_t last = node.Inputs.size() - 1;
  const auto lastCount = static_cast<std::size_t>(FNodes[node.Inputs[last]].Count);
  const TChoice* lastBegin = FChoices.data() + FBegins[last];
  const TChoice* lastEnd = FChoices.data() + FEnds[last];
  std::copy_n(FBegins.begin(), last, FPositions.begin());
  while (true) {
    // The inputs before the last, then the last one's values in a tight loop.
    std::size_t combination = 0;
    double weight = 1;
    for (std::size_t i = 0; i < last; ++i) {
      const TChoice& choice = FChoices[FPositions[i]];
      const auto count = static_cast<std::size_t>(FNodes[node.Inputs[i]].Count);
      combination = combination * count + static_cast<std::size_t>(choice.Value);
      weight = prob ? weight * choice.Weight : std::min(weight, choice.Weight);
    }
    combination *= lastCount;
    for (const TChoice* choice = lastBegin; choice != lastEnd; ++choice) {
      take(node.Intervals[combination + static_cast<std::size_t>(choice->Value)],
           prob ? weight * choice->Weight : std::min(weight, choice->Weight));
    }
    // The next combination of the inputs before the last, the one before it turning fastest.
    std::size_t i = last;
    while (i > 0 && ++FPositions[i - 1] == FEnds[i - 1]) {
      --i;
      FPositions[i] = FBegins[i];
    }
    if (i == 0) break;
  }
}

}  // namespace ubic
