#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scale.h"

namespace ubic {

class TUbicAttribute;
class TUbicModel;

// How an evaluation run reads uncertain values: as sets of possible values, as probabilities or
// as fuzzy degrees. It belongs to a run, never to the model or its file.
enum class TEvaluationMethod { Sets, Prob, Fuzzy };

// "sets", "prob" or "fuzzy".
const char* EvaluationMethodName(TEvaluationMethod method);
std::optional<TEvaluationMethod> EvaluationMethodNamed(std::string_view name);

// A value with weights: the codes of the values of positive weight in increasing order (the
// plain value a set-minded reader sees) and their weights, one per code.
struct TWeightedValue {
  std::string Codes;
  std::vector<double> Weights;
};

// Whether a value text gives weights ("name=weight" joined by ";") rather than a set.
bool IsWeightsText(std::string_view text);

// Reads "name=weight;..." with IndexOf finding a value by its name (-1 for none); blanks around
// names and weights do not count. Raises EUbicError naming the option, the attribute and the
// text for an unknown name, a name given twice, a weight that is not a non-negative number, and
// weights that are all zero.
using TValueIndexOf = std::function<int(const std::string& name)>;
TWeightedValue ParseWeights(const std::string& text, const TValueIndexOf& indexOf,
                            const std::string& option, const std::string& attribute);
// With the names of Scale, compared exactly.
TWeightedValue ParseWeights(const TUbicScale* scale, const std::string& text,
                            const std::string& option, const std::string& attribute);

// Weights as the program keeps them beside an option's codes: one number per code, joined by
// ";", each as short as reads back the same; and back, nothing when the text holds a different
// number of weights than Count.
std::string WeightsField(const std::vector<double>& weights);
std::optional<std::vector<double>> ParseWeightsField(std::string_view field, std::size_t count);
// The same into Weights, which keeps its room: false, and Weights undefined, when it does not fit.
bool ParseWeightsField(std::string_view field, std::size_t count, std::vector<double>& weights);

// "name=weight" for each code with its weight, joined by ";", the weights as entered (the
// shortest form that reads back the same). Names holds the value names by index.
void AppendWeightsText(std::string& text, const std::vector<std::string>& names,
                       const std::string& codes, const std::vector<double>& weights);
// A result: "name=weight" for each value of a distribution indexed by value whose weight is
// positive at 4 decimals, in scale order, the weight rounded without trailing zeros.
void AppendDistributionText(std::string& text, const std::vector<std::string>& names,
                            const double* weights, int count);
// The entered weights of an option as text, with the names of Scale.
std::string WeightsText(const TUbicScale* scale, const TWeightedValue& value);

// Option K's value on a basic attribute as the user entered it: its weights as text when it has
// them, its value set's text otherwise.
std::string EnteredValueText(const TUbicAttribute& attribute, int k);

// The analyses (sensitivity, explanation, targets) read weights as the sets of their values. Says
// so for option K, naming the basic attributes whose weights were reduced; empty when it has none.
std::string ReducedWeightsRemark(const TUbicModel& model, int k);

// The value names of a scale by index (numbers from 1 without names), for the formatters above.
std::vector<std::string> ValueNames(const TUbicScale* scale);

}  // namespace ubic
