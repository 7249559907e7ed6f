#pragma once

namespace ubic {

class TModelForm;

// The Options page's file commands. Import replaces the document's options by those of a CSV
// file, or leaves them as they were and reports the file's error with its line; Export writes
// the evaluation results as the command-line tool's "evaluate --csv" does, whole or not at all.
// Each returns whether it was done.
bool ImportOptionsFile(TModelForm& form);
bool ExportEvaluationFile(TModelForm& form);

}  // namespace ubic
