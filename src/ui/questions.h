#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace ubic {

enum class TAnswer { Yes, No, Cancel, Ok };

// A file chosen in an open or save dialog, with the filter entry (from 1) that was selected.
struct TFileChoice {
  std::string FileName;
  int FilterIndex = 1;
};

// A file dialog's settings. Each filter entry is a caption ending in its pattern in parentheses.
// A save dialog takes its extension from the chosen entry; the default extension serves the open
// dialog.
struct TFileDialogSpec {
  std::string Title;
  std::vector<std::string> Filters;
  std::string DefaultExtension;
  std::string ProposedName;
};

// Every question the program asks the user, so that a test can answer them. Texts are UTF-8;
// a message of two lines has them joined by "\r".
class TQuestions {
 public:
  virtual ~TQuestions() = default;
  // Yes and No, or with Cancel Yes, No and Cancel.
  virtual TAnswer Confirm(const std::string& text, bool withCancel = false) = 0;
  // A warning with Yes and No.
  virtual TAnswer WarnYesNo(const std::string& text) = 0;
  // A warning with OK and Cancel: OK goes on with what it warns of.
  virtual TAnswer WarnOkCancel(const std::string& text) = 0;
  // A warning, an error and a remark, each with OK.
  virtual void Warn(const std::string& text) = 0;
  virtual void Error(const std::string& text) = 0;
  virtual void Inform(const std::string& text) = 0;
  virtual std::optional<TFileChoice> ChooseOpenFile(const TFileDialogSpec& spec) = 0;
  virtual std::optional<TFileChoice> ChooseSaveFile(const TFileDialogSpec& spec) = 0;
};

// The questions as message boxes and file dialogs over Parent.
class TMessageBoxQuestions : public TQuestions {
 public:
  // Without a parent, boxes open over the active window.
  explicit TMessageBoxQuestions(QWidget* parent = nullptr) : FParent(parent) {}
  TAnswer Confirm(const std::string& text, bool withCancel) override;
  TAnswer WarnYesNo(const std::string& text) override;
  TAnswer WarnOkCancel(const std::string& text) override;
  void Warn(const std::string& text) override;
  void Error(const std::string& text) override;
  void Inform(const std::string& text) override;
  std::optional<TFileChoice> ChooseOpenFile(const TFileDialogSpec& spec) override;
  std::optional<TFileChoice> ChooseSaveFile(const TFileDialogSpec& spec) override;

 private:
  QWidget* Parent() const;

  QWidget* FParent;
};

// Answers from a script and records what was asked, for tests and the screenshot program. A
// question without a scripted answer is a fault of the script and throws.
class TScriptedQuestions : public TQuestions {
 public:
  enum class TKind { Confirm, WarnYesNo, WarnOkCancel, Warn, Error, Inform, OpenFile, SaveFile };
  struct TAsked {
    TKind Kind;
    std::string Text;  // the message, or the dialog's title
    TFileDialogSpec Dialog;
  };

  void Answer(TAnswer answer) { FAnswers.push_back(answer); }
  // Nullopt stands for a cancelled dialog.
  void ChooseFile(std::optional<TFileChoice> choice) { FFiles.push_back(std::move(choice)); }
  const std::vector<TAsked>& Asked() const { return FAsked; }
  // Whether every scripted answer was used.
  bool Done() const { return FAnswers.empty() && FFiles.empty(); }
  void Clear();

  TAnswer Confirm(const std::string& text, bool withCancel) override;
  TAnswer WarnYesNo(const std::string& text) override;
  TAnswer WarnOkCancel(const std::string& text) override;
  void Warn(const std::string& text) override;
  void Error(const std::string& text) override;
  void Inform(const std::string& text) override;
  std::optional<TFileChoice> ChooseOpenFile(const TFileDialogSpec& spec) override;
  std::optional<TFileChoice> ChooseSaveFile(const TFileDialogSpec& spec) override;

 private:
  TAnswer NextAnswer(TKind kind, const std::string& text);
  std::optional<TFileChoice> NextFile(TKind kind, const TFileDialogSpec& spec);

  std::deque<TAnswer> FAnswers;
  std::deque<std::optional<TFileChoice>> FFiles;
  std::vector<TAsked> FAsked;
};

// Asks for the file a save command writes: the save dialog Spec, whose chosen name gets the
// extension of the chosen filter entry (see SaveFileName), then, when a file of that final name
// exists, whether to overwrite it. Nullopt when the user cancels the dialog or answers anything
// but Yes; the name in the choice is the final one. MayWrite, when given, is asked about the
// final name before the overwrite question: false ends the command (it told the user why).
std::optional<TFileChoice> ChooseFileToWrite(
    TQuestions& questions, const TFileDialogSpec& spec,
    const std::function<bool(const TFileChoice&)>& mayWrite = {});

}  // namespace ubic
