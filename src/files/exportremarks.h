#pragma once

#include <string>

#include "model/model.h"

namespace ubic {

// A model as a file of some format holds it: the file's bytes, and the remarks on what the format
// could not hold (one line each, ended by a carriage return; empty when it holds everything).
struct TModelExport {
  std::string Bytes;
  std::string Remarks;
};

// What the exports to both foreign formats lose alike. Each function returns a remark of one line
// ended by a carriage return, or an empty text when nothing is lost; Format names the file's
// format in the text ("jKIV", "KVX").

// A model object's name as a remark quotes it: a remark is one line, so control characters, line
// breaks among them, become blanks.
std::string RemarkName(const std::string& name);

// Weights of Attribute's function in use: neither format carries weights, so the function reads
// back without them.
std::string WeightsRemark(const TUbicAttribute& attribute, const char* format);

// Options of the model without a value on the basic attribute Basic: both formats write them as
// any value, and so they read back.
std::string UndefinedValuesRemark(const TUbicModel& model, const TUbicAttribute& basic,
                                  const char* format);

// Options of the model whose values on the basic attribute Basic have weights: neither format
// carries weights, so both write the sets of the values of positive weight.
std::string OptionWeightsRemark(const TUbicAttribute& basic, const char* format);

}  // namespace ubic
