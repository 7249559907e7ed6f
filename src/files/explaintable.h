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

}  // namespace ubic
