#pragma once

#include <string>
#include <vector>

#include "model.h"

namespace ubic {

// How a top-level attribute's value moved when one basic value was changed.
enum class TValueChange { Same, Better, Worse, Different };

// One basic attribute moved one step from its value, and the values of the top-level attributes
// that result (value-set texts, one per top-level attribute).
struct TSensitivityRow {
  const TUbicAttribute* Attribute = nullptr;
  int From = 0;
  int To = 0;
  std::vector<std::string> Results;
};

// What if: for one option, every basic attribute whose value is a single value, with that value
// one step down and one step up where the scale has such a value.
struct TSensitivity {
  int Option = 0;
  std::vector<const TUbicAttribute*> TopLevel;
  // The top-level values of the option as it is.
  std::vector<std::string> Baseline;
  std::vector<TSensitivityRow> Rows;
};

// Evaluates on its own copies of the values: the model is left exactly as it is, evaluated or not.
TSensitivity ComputeSensitivity(const TUbicModel& model, int option);

// Compares the value sets Before and After on Scale: better or worse when both ends of the set
// move towards the good or the bad end of an ordered scale (or one stays), different otherwise.
TValueChange CompareValues(const TUbicScale* scale, const std::string& before,
                           const std::string& after);

}  // namespace ubic
