#pragma once

#include <string>

#include "model/model.h"

namespace ubic::cli {

// Replaces the model's options by those of a CSV file: a header row whose first field is a label
// and whose other fields name basic attributes, then one row per option with its name and one
// value per column (a value name, several joined by ";", or "*" or nothing for undefined).
// FileName is used as given in the messages of errors, which name the line of the record.
void ReplaceOptions(TUbicModel& model, const std::string& csvText, const std::string& fileName);

}  // namespace ubic::cli
