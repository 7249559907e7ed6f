#include "optionsfiles.h"

#include <exception>

#include "files/evaluationtable.h"
#include "files/optionscsv.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "mainform.h"
#include "modelform.h"
#include "questions.h"

namespace ubic {
namespace {

const std::vector<std::string> kCsvFilters = {"CSV files (*.csv)", "All files (*.*)"};

}  // namespace

bool ImportOptionsFile(TModelForm& form) {
  TQuestions& questions = form.MainForm().Questions();
  const auto choice = questions.ChooseOpenFile({"Import options", kCsvFilters, "csv", {}});
  if (!choice) return false;
  try {
    std::ifstream stream = OpenFileForReading(choice->FileName);
    ImportOptions(form.Model(), stream, choice->FileName);
  } catch (const EOptionsFileError& e) {
    questions.Error(e.what());
    return false;
  } catch (const std::exception& e) {
    questions.Error(Cp1250ToUtf8(e.what()));
    return false;
  }
  return true;
}

bool ExportEvaluationFile(TModelForm& form) {
  TQuestions& questions = form.MainForm().Questions();
  const std::string proposed = Cp1250ToUtf8(form.Model().DisplayName()) + ".csv";
  const auto choice =
      ChooseFileToWrite(questions, {"Export evaluation", kCsvFilters, "csv", proposed});
  if (!choice) return false;
  try {
    form.Model().EvaluateAll();
    TSafeFileWriter file(choice->FileName);
    EvaluationCsv(form.Model(), [&file](const std::string& record) { file.Write(record); });
    file.Commit();
  } catch (const std::exception& e) {
    questions.Error(Cp1250ToUtf8(e.what()));
    return false;
  }
  return true;
}

}  // namespace ubic
