#pragma once

#include <functional>

#include "evaluationtable.h"
#include "model/explain.h"

namespace ubic {

// The explanation of an option as rows of UTF-8 cells under the header "Kind", "Attribute",
// "Value", "Details": per aggregate attribute in pre-order a row "aggregate" with its value and,
// as details, its inputs' values and the rules that decided it with how they came, then a row
// "step" per input whose one step down or up changes the value (the new value, and the input's
// change as details); last the basic attributes of good values ("strong") and of bad ones
// ("weak").
void ExplanationRows(const TExplanation& explanation,
                     const std::function<void(const TTableRow&)>& emit, TTextForm form = nullptr);
// The rows of ExplanationRows as plain text lines, their columns aligned.
std::string ExplanationText(const TExplanation& explanation);

// The rules that decided an aggregate, each with how it came, joined by "; "; "no function"
// without one. A model text.
std::string DecidingRulesText(const TAggregateExplanation& aggregate);
// An input's one step, such as "Price: high -> medium", of the inputs of Aggregate. A model text.
std::string InputStepText(const TUbicAttribute& aggregate, const TInputStep& step);

}  // namespace ubic
