#include "optionsfiles.h"

#include <exception>

#include "document/edits.h"
#include "files/evaluationtable.h"
#include "files/optionscsv.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "questions.h"

namespace ubic {
namespace {

const std::vector<std::string> kCsvFilters = {"CSV files (*.csv)", "All files (*.*)"};

}  // namespace

bool ImportOptionsFile(TUbicDocument& document, TQuestions& questions) {
  const auto choice = questions.ChooseOpenFile({"Import options", kCsvFilters, "csv", {}});
  if (!choice) return false;
  edits::TImportedOptions imported;
  try {
    std::ifstream stream = OpenFileForReading(choice->FileName);
    imported = edits::ReadOptionsFile(document.Model(), stream, choice->FileName);
  } catch (const EOptionsFileError& e) {
    questions.Error(e.what());
    return false;
  } catch (const std::exception& e) {
    questions.Error(Cp1250ToUtf8(e.what()));
    return false;
  }
  bool replace = true;
  if (const int existing = document.Model().OptionCount(); existing > 0) {
    const std::string question = Format(
        "Replace the %d existing options by the %d imported ones?\rYes replaces them, No adds "
        "the imported options after them.",
        existing, static_cast<int>(imported.Names.size()));
    switch (questions.Confirm(question, true)) {
      case TAnswer::Yes:
        break;
      case TAnswer::No:
        replace = false;
        break;
      default:
        return false;
    }
  }
  document.Run(edits::ImportOptions(imported, replace));
  return true;
}

bool ExportEvaluationFile(const TUbicModel& model, TQuestions& questions) {
  const std::string proposed = Cp1250ToUtf8(model.DisplayName()) + ".csv";
  const auto choice =
      ChooseFileToWrite(questions, {"Export evaluation", kCsvFilters, "csv", proposed});
  if (!choice) return false;
  try {
    TSafeFileWriter file(choice->FileName);
    EvaluationCsv(model, [&file](const std::string& record) { file.Write(record); });
    file.Commit();
  } catch (const std::exception& e) {
    questions.Error(Cp1250ToUtf8(e.what()));
    return false;
  }
  return true;
}

}  // namespace ubic
