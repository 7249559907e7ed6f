#pragma once

#include <string>

#include "exportremarks.h"
#include "model/model.h"

namespace ubic {

// jKIV XML model files (".xml") of the predecessor program: scales, attributes, functions and
// options in one flat list under MODEL, linked by name, without an XML header line. A function
// carries one value per rule and an option one value per basic attribute.

// Reads a jKIV file into Model, which the caller has just created: a failed read leaves a model
// that the caller discards. Afterwards the model is not modified and needs evaluation.
void LoadFromJkivFile(TUbicModel& model, const std::string& fileName);
// The model as a jKIV file holds it. A name the format cannot link by (empty, shared with another
// attribute or value of the scale, or holding the separator ";") is written as another one, so that
// the file reads back as the same tree. Returns the remarks (one line each, ended by a carriage
// return, as the KVX import's remarks): one for each such name, and one for each kind of loss of
// each function or option value that the file can not hold; none when the file reads back as the
// model.
TModelExport JkivExport(const TUbicModel& model);
// Writes JkivExport's bytes; the old file stays as it was if writing fails. Returns its remarks.
std::string SaveToJkivFile(const TUbicModel& model, const std::string& fileName);

}  // namespace ubic
