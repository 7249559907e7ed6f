#pragma once

#include <string>

#include "model/model.h"

namespace ubic {

// jKIV XML model files (".xml") of the predecessor program: scales, attributes, functions and
// options in one flat list under MODEL, linked by name, without an XML header line. A function
// carries one value per rule and an option one value per basic attribute.

// Reads a jKIV file into Model, which the caller has just created: a failed read leaves a model
// that the caller discards. Afterwards the model is not modified and needs evaluation.
void LoadFromJkivFile(TUbicModel& model, const std::string& fileName);
// Writes the model as a jKIV file and clears its Modified flag; the old file stays as it was if
// writing fails. Returns the remarks about names the format cannot link (one line per problem,
// each ended by a carriage return, as the KVX import's remarks): the file is written all the same,
// but will not read back the same.
std::string SaveToJkivFile(TUbicModel& model, const std::string& fileName);

}  // namespace ubic
