#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "attribute.h"
#include "distribution.h"

namespace ubic {

// Evaluates options by the "prob" or the "fuzzy" method without changing the model. Each
// aggregate's distribution is made once per option from its inputs' distributions, bottom-up:
// every combination of the inputs' values of positive weight selects its rule, whose interval
// takes the combination's probability (shared equally among its values) or degree.
//
// An input's distribution: its weights divided by their sum ("prob") or their maximum ("fuzzy");
// a set gives its values equal weights, "*" and an undefined value all values of the scale. An
// aggregate without a function, and a combination without a rule, are undefined: all values.
class TDistributionEvaluator {
 public:
  TDistributionEvaluator(const TUbicAttribute& root, TEvaluationMethod method);

  // The attributes below the root in pre-order; Weights numbers them so.
  const std::vector<const TUbicAttribute*>& Attributes() const { return FAttributes; }
  // Evaluates option K on every attribute.
  void Evaluate(int k);
  // Instead of Evaluate, without reading the model: an option whose basic attributes (in
  // pre-order) hold Given's weights, Width numbers each, the first Count of them a weight per
  // value of the attribute's scale. Weights that are all zero are undefined.
  void EvaluateGiven(const double* given, std::size_t width);
  // After Evaluate: attribute A's distribution, one weight per value of its scale.
  std::span<const double> Weights(std::size_t a) const {
    return {FWeights.data() + FNodes[a].Offset, static_cast<std::size_t>(FNodes[a].Count)};
  }

 private:
  struct TInterval {
    int Low;
    int High;
    double Share;  // what each of its values takes of a probability
  };
  // A basic attribute's weights field read before, in the slot its hash chooses.
  struct TReadWeights {
    std::string Field;
    bool Fits = false;
    std::vector<double> Weights;
  };
  struct TNode {
    int Count = 0;
    std::size_t Offset = 0;
    std::vector<int> Inputs;  // node indices; empty for a basic attribute
    // By combination of the inputs' values, the first input most significant; empty when the
    // attribute has no function to evaluate.
    std::vector<TInterval> Intervals;
    // For a basic attribute: options' weights fields read before; a few fill most options.
    std::vector<TReadWeights> Read;
    std::size_t Basic = 0;  // a basic attribute's place among the basic attributes
  };

  void MakeIntervals(const TUbicAttribute& attribute, TNode& node) const;
  void EvaluateBasic(std::size_t a, int k);
  // Bottom-up from the basic attributes' distributions, which Basic made.
  template <typename Basic>
  void EvaluateTree(Basic basic);
  // The weights of a field for Count codes, read once for the options that share it; nil when
  // they do not fit.
  const std::vector<double>* ReadWeights(TNode& node, const std::string& field, std::size_t count);
  void EvaluateAggregate(const TNode& node);
  // Hands Take every combination of the inputs' values of positive weight: the interval of its
  // rule and its probability or degree.
  template <typename Take>
  void Combine(const TNode& node, Take take);
  // All values of the node alike: undefined.
  void Uniform(const TNode& node);
  void Normalise(const TNode& node);
  double* Out(const TNode& node) { return FWeights.data() + node.Offset; }

  TEvaluationMethod FMethod;
  std::vector<const TUbicAttribute*> FAttributes;
  std::vector<TNode> FNodes;
  std::vector<double> FWeights;
  // Scratch of one aggregate's combination loop: the inputs' values of positive weight one after
  // the other, where each input's begin and end, and the choice of each input at hand.
  struct TChoice {
    int Value;
    double Weight;
  };
  std::vector<TChoice> FChoices;
  std::vector<std::size_t> FBegins;
  std::vector<std::size_t> FEnds;
  std::vector<std::size_t> FPositions;
};

}  // namespace ubic
