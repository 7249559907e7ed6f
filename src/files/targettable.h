#pragma once

#include <functional>

#include "evaluationtable.h"
#include "model/target.h"

namespace ubic {

// The solutions of a target analysis as rows of UTF-8 cells: a header ("Solution", "Attribute",
// "From", "To"), then a row per changed basic attribute, the solutions numbered from 1 in the
// order listed. No rows follow the header when the option already reaches the target or nothing
// reaches it.
void TargetRows(const TTargetAnswer& answer, const std::function<void(const TTableRow&)>& emit,
                TTextForm form = nullptr);

// A solution in words: "Price: high → medium; Safety: adequate → good".
std::string TargetSolutionText(const TTargetSolution& solution);

// The target in words, such as "CAR at least good".
std::string TargetText(const TTargetQuestion& question);

}  // namespace ubic
