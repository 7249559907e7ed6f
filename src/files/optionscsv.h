#pragma once

#include <stdexcept>
#include <string>

#include "model/model.h"

namespace ubic {

// An options file that cannot be read; the message, in UTF-8, names the file and the line.
class EOptionsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces the model's options by those of a CSV file: a header row whose first field is a label
// and whose other fields name basic attributes, then one row per option with its name and one
// value per column (a value name, several joined by ";", or "*" or nothing for undefined).
// The file's texts are UTF-8. FileName is used as given in the messages of errors
// (EOptionsFileError), which name the line of the record.
void ReplaceOptions(TUbicModel& model, const std::string& csvText, const std::string& fileName);

}  // namespace ubic
