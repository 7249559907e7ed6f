#pragma once

#include <functional>

#include "evaluationtable.h"

namespace ubic {

// What a check of Model finds, as rows of UTF-8 cells: a header ("Kind", "Attribute", "Details"),
// then in pre-order of the attributes a row per rule conflict ("conflict", the conflict in words),
// per attribute without a scale ("no scale"), per scale with value names that can not stand
// ("value names", what is wrong with them), per aggregate without a function ("no function")
// and per basic attribute with options whose value is undefined ("values missing", the options'
// names). Returns the number of findings.
int CheckRows(const TUbicModel& model, const std::function<void(const TTableRow&)>& emit,
              TTextForm form = nullptr);

}  // namespace ubic
