#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/model.h"

namespace ubic {

// One row of the evaluation table, its cells in UTF-8.
using TTableRow = std::vector<std::string>;

// The evaluation results as rows of cells: a header row ("Attribute" and the options' names),
// then one row per attribute in pre-order, its name (indented by two blanks a level when Indent
// is set) and its value text for each option. Each row is handed to Emit as soon as it is made,
// so that a large result need not be held whole. The texts are exact, control characters
// included.
void EvaluationRows(const TUbicModel& model, bool indent,
                    const std::function<void(const TTableRow&)>& emit);

// Rows as plain text lines, the columns aligned by characters and two blanks apart; a control
// character shows as one blank.
std::string AlignedTable(const std::vector<TTableRow>& rows);

}  // namespace ubic
