#pragma once

#include <functional>

#include "evaluationtable.h"
#include "model/sensitivity.h"

namespace ubic {

// The sensitivity of the options as rows of UTF-8 cells: a header ("Option", "Attribute",
// "From", "To" and the top-level attributes' names), then for each option a row of its values
// as they are (attribute, from and to empty) and a row per changed basic value.
void SensitivityRows(const TUbicModel& model, const std::vector<int>& options,
                     const std::function<void(const TTableRow&)>& emit, TTextForm form = nullptr);

}  // namespace ubic
