#pragma once

namespace ubic {

class TQuestions;
class TUbicDocument;
class TUbicModel;

// The Options page's file commands. Import reads a CSV file's options and, after asking whether
// they replace the document's options or join them, runs that as one edit; a file that cannot be
// read changes nothing and its error names the line. Export evaluation writes the evaluation
// results as the command-line tool's "evaluate --csv" does, Export options the options as Import
// reads them back (the tool's "export-options"), each whole or not at all.
// Each returns whether it was done.
bool ImportOptionsFile(TUbicDocument& document, TQuestions& questions);
bool ExportEvaluationFile(const TUbicModel& model, TQuestions& questions);
bool ExportOptionsFile(const TUbicModel& model, TQuestions& questions);

}  // namespace ubic
