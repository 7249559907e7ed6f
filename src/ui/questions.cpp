#include "questions.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <stdexcept>

#include "files/savename.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "recentfiles.h"

namespace ubic {

namespace {

constexpr char kLastFolderKey[] = "LastFolder";

// A message box shows "\r" as nothing: its lines are broken at it.
QString MessageText(const std::string& text) {
  return QString::fromStdString(text).replace(QChar('\r'), QChar('\n'));
}

TAnswer AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return TAnswer::Yes;
    case QMessageBox::No:
      return TAnswer::No;
    case QMessageBox::Ok:
      return TAnswer::Ok;
    default:
      return TAnswer::Cancel;
  }
}

QStringList FilterList(const TFileDialogSpec& spec) {
  QStringList filters;
  for (const std::string& caption : spec.Filters) filters << QString::fromStdString(caption);
  return filters;
}

std::optional<TFileChoice> RunFileDialog(QWidget* parent, const TFileDialogSpec& spec,
                                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, QString::fromStdString(spec.Title));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // The overwrite question is the program's own, with Yes, No and Cancel, and asked about the
  // name with the chosen entry's extension, which the dialog would not know.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (mode == QFileDialog::AcceptOpen) {
    dialog.setDefaultSuffix(QString::fromStdString(spec.DefaultExtension));
  }
  const QStringList filters = FilterList(spec);
  dialog.setNameFilters(filters);
  // A proposed name with a folder of its own goes there instead.
  const QString lastFolder = UserSettings().value(kLastFolderKey).toString();
  if (!lastFolder.isEmpty()) dialog.setDirectory(lastFolder);
  if (!spec.ProposedName.empty()) dialog.selectFile(QString::fromStdString(spec.ProposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString file = dialog.selectedFiles().first();
  UserSettings().setValue(kLastFolderKey, QFileInfo(file).absolutePath());
  return TFileChoice{file.toStdString(),
                     static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

std::optional<TFileChoice> ChooseFileToWrite(
    TQuestions& questions, const TFileDialogSpec& spec,
    const std::function<bool(const TFileChoice&)>& mayWrite) {
  std::optional<TFileChoice> choice = questions.ChooseSaveFile(spec);
  if (!choice) return std::nullopt;
  choice->FileName = SaveFileName(choice->FileName, spec.Filters, choice->FilterIndex);
  if (mayWrite && !mayWrite(*choice)) return std::nullopt;
  if (QFileInfo::exists(QString::fromStdString(choice->FileName)) &&
      questions.Confirm(Format(ubicstr::OverwriteFile, choice->FileName), true) != TAnswer::Yes) {
    return std::nullopt;
  }
  return choice;
}

QWidget* TMessageBoxQuestions::Parent() const {
  return FParent ? FParent : QApplication::activeWindow();
}

TAnswer TMessageBoxQuestions::Confirm(const std::string& text, bool withCancel) {
  const auto buttons = withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                  : QMessageBox::Yes | QMessageBox::No;
  return AnswerOf(QMessageBox::question(Parent(), QApplication::applicationDisplayName(),
                                        MessageText(text), buttons));
}

TAnswer TMessageBoxQuestions::WarnYesNo(const std::string& text) {
  return AnswerOf(QMessageBox::warning(Parent(), QApplication::applicationDisplayName(),
                                       MessageText(text), QMessageBox::Yes | QMessageBox::No));
}

TAnswer TMessageBoxQuestions::WarnOkCancel(const std::string& text) {
  return AnswerOf(QMessageBox::warning(Parent(), QApplication::applicationDisplayName(),
                                       MessageText(text), QMessageBox::Ok | QMessageBox::Cancel));
}

void TMessageBoxQuestions::Warn(const std::string& text) {
  QMessageBox::warning(Parent(), QApplication::applicationDisplayName(), MessageText(text));
}

void TMessageBoxQuestions::Error(const std::string& text) {
  QMessageBox::critical(Parent(), QApplication::applicationDisplayName(), MessageText(text));
}

void TMessageBoxQuestions::Inform(const std::string& text) {
  QMessageBox::information(Parent(), QApplication::applicationDisplayName(), MessageText(text));
}

std::optional<TFileChoice> TMessageBoxQuestions::ChooseOpenFile(const TFileDialogSpec& spec) {
  return RunFileDialog(Parent(), spec, QFileDialog::AcceptOpen);
}

std::optional<TFileChoice> TMessageBoxQuestions::ChooseSaveFile(const TFileDialogSpec& spec) {
  return RunFileDialog(Parent(), spec, QFileDialog::AcceptSave);
}

void TScriptedQuestions::Clear() {
  FAnswers.clear();
  FFiles.clear();
  FAsked.clear();
}

TAnswer TScriptedQuestions::NextAnswer(TKind kind, const std::string& text) {
  FAsked.push_back({kind, text, {}});
  if (FAnswers.empty()) throw std::logic_error("unexpected question: " + text);
  const TAnswer answer = FAnswers.front();
  FAnswers.pop_front();
  return answer;
}

std::optional<TFileChoice> TScriptedQuestions::NextFile(TKind kind, const TFileDialogSpec& spec) {
  FAsked.push_back({kind, spec.Title, spec});
  if (FFiles.empty()) throw std::logic_error("unexpected file dialog: " + spec.Title);
  auto choice = FFiles.front();
  FFiles.pop_front();
  return choice;
}

TAnswer TScriptedQuestions::Confirm(const std::string& text, bool) {
  return NextAnswer(TKind::Confirm, text);
}

TAnswer TScriptedQuestions::WarnYesNo(const std::string& text) {
  return NextAnswer(TKind::WarnYesNo, text);
}

TAnswer TScriptedQuestions::WarnOkCancel(const std::string& text) {
  return NextAnswer(TKind::WarnOkCancel, text);
}

void TScriptedQuestions::Warn(const std::string& text) {
  FAsked.push_back({TKind::Warn, text, {}});
}

void TScriptedQuestions::Error(const std::string& text) {
  FAsked.push_back({TKind::Error, text, {}});
}

void TScriptedQuestions::Inform(const std::string& text) {
  FAsked.push_back({TKind::Inform, text, {}});
}

std::optional<TFileChoice> TScriptedQuestions::ChooseOpenFile(const TFileDialogSpec& spec) {
  return NextFile(TKind::OpenFile, spec);
}

std::optional<TFileChoice> TScriptedQuestions::ChooseSaveFile(const TFileDialogSpec& spec) {
  return NextFile(TKind::SaveFile, spec);
}

}  // namespace ubic
