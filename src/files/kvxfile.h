#pragma once

#include <string>

#include "exportremarks.h"
#include "kvxparser.h"
#include "model/model.h"

namespace ubic {

// KVX ASCII interchange files (".kvx") of the predecessor program: records of text lines that
// carry the attribute tree, the scales with their bad and good values, the decision rules and the
// option values.
//
// Remarks. Both foreign formats report what they could not carry over, without failing, as a text
// of remarks: one line per problem, each line ended by a carriage return (the line break of the
// program's message boxes), empty when there is nothing to report. The desktop program shows them
// in a warning box; the command-line tool prints each line as a warning.

// Reads a KVX file into Model, which the caller has just created: a failed read leaves a model
// that the caller discards. Returns the remarks. The model keeps the flags it was created with.
std::string LoadFromKvxFile(TUbicModel& model, const std::string& fileName);
// The model as a KVX file holds it, with the remarks on what the file can not hold (weights, line
// breaks in texts, options without a value, the first value set of a basic attribute); none when
// the file reads back as the model.
TModelExport KvxExport(const TUbicModel& model);
// Writes KvxExport's bytes; the old file stays as it was if writing fails. Returns its remarks.
std::string SaveToKvxFile(const TUbicModel& model, const std::string& fileName);

}  // namespace ubic
