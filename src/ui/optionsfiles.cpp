#include "optionsfiles.h"

#include <QObject>
#include <exception>
#include <functional>

#include "document/edits.h"
#include "files/evaluationtable.h"
#include "files/optionscsv.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "questions.h"

namespace ubic {
namespace {

// A function, not a constant: the captions are in the user's language, known once the program runs.
std::vector<std::string> CsvFilters() {
  return {QObject::tr("CSV files (*.csv)").toStdString(),
          QObject::tr("All files (*.*)").toStdString()};
}

}  // namespace

bool ImportOptionsFile(TUbicDocument& document, TQuestions& questions) {
  const auto choice = questions.ChooseOpenFile(
      {QObject::tr("Import options").toStdString(), CsvFilters(), "csv", {}});
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
        QObject::tr(
            "Replace the %d existing options by the %d imported ones?\rYes replaces them, No adds "
            "the imported options after them.")
            .toStdString(),
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

namespace {

// Asks for a CSV file named after the model (ending in Suffix) and writes it whole or not at all.
bool ExportCsvFile(
    const TUbicModel& model, TQuestions& questions, const std::string& title,
    const std::string& suffix,
    const std::function<void(const TUbicModel&, const std::function<void(const std::string&)>&)>&
        records) {
  const std::string proposed = Cp1250ToUtf8(model.DisplayName()) + suffix + ".csv";
  const auto choice = ChooseFileToWrite(questions, {title, CsvFilters(), "csv", proposed});
  if (!choice) return false;
  try {
    TSafeFileWriter file(choice->FileName);
    records(model, [&file](const std::string& record) { file.Write(record); });
    file.Commit();
  } catch (const std::exception& e) {
    questions.Error(Cp1250ToUtf8(e.what()));
    return false;
  }
  return true;
}

}  // namespace

bool ExportEvaluationFile(const TUbicModel& model, TQuestions& questions) {
  return ExportCsvFile(
      model, questions, QObject::tr("Export evaluation").toStdString(), "",
      [](const TUbicModel& evaluated, const auto& write) { EvaluationCsv(evaluated, write); });
}

bool ExportOptionsFile(const TUbicModel& model, TQuestions& questions) {
  return ExportCsvFile(model, questions, QObject::tr("Export options").toStdString(),
                       QObject::tr(" options").toStdString(), &OptionsCsv);
}

}  // namespace ubic
