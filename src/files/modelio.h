#pragma once

#include <memory>
#include <string>

#include "exportremarks.h"
#include "model/model.h"

namespace ubic {

// The three model formats, chosen by a file's extension: ".xml" is the jKIV model format, ".kvx"
// the KVX interchange format, anything else the program's own format.
enum class TModelFormat { Own, Jkiv, Kvx };
TModelFormat FormatOfFile(const std::string& fileName);

// A model read from a file, with the remarks of the import (one line per problem, each ended by a
// carriage return; empty when there are none).
struct TOpenedModel {
  std::unique_ptr<TUbicModel> Model;
  std::string Remarks;
};

// Reads a file into a new model with the reader its extension names. When reading fails the new
// model is discarded and the error passes on: nothing else has changed.
TOpenedModel OpenModel(const std::string& fileName);
// The same with the reader of the given format, whatever the file's extension.
TOpenedModel OpenModel(const std::string& fileName, TModelFormat format);
// The model as a file of Format holds it, with the export's remarks (none for the own format).
TModelExport ExportModel(const TUbicModel& model, TModelFormat format);
// Writes the model with the writer the file's extension names; returns the export's remarks.
std::string SaveModel(const TUbicModel& model, const std::string& fileName);
// Writes the model with the writer of the given format, whatever the file's extension; returns
// the export's remarks.
std::string SaveModel(const TUbicModel& model, const std::string& fileName, TModelFormat format);

// The file name with its extension (if any) replaced by the program's own ".ubm".
std::string WithOwnExtension(const std::string& fileName);

}  // namespace ubic
