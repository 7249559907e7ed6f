#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "randomquestions.h"

class QAction;

namespace ubic {
class TMainForm;
class TModelForm;
}  // namespace ubic

namespace ubic::soak {

// What a crash names: the step being run, noted before it runs. The soak's signal handler writes
// it out, since a crash ends the run before it can say which step failed.
void NoteStep(const std::string& step);

// Random commands on the desktop program, driven through its widgets, each followed by a check
// of the document window. A run opens a model after a number of steps, random or bundled, and
// before it goes undoes every step back to the model as opened and redoes them again.
class TSoak {
 public:
  // Files are written into Folder, which must exist.
  TSoak(unsigned seed, QString folder);
  ~TSoak();

  // Runs Steps commands; false after the first failure, which Failure describes.
  bool Run(long steps);
  const std::string& Failure() const { return FFailure; }
  long StepsDone() const { return FStep; }

 private:
  struct TCommand {
    const char* Name;
    int Weight;
    // Runs the command; returns what it acted on, or nothing when it found nothing to do.
    std::function<std::string()> Run;
    // Whether an error shown to the user may be the right outcome (a file the command reads).
    bool MayFail = false;
  };
  std::vector<TCommand> Commands();

  int Pick(int n);
  bool Chance(int oneIn) { return Pick(oneIn) == 0; }
  std::string FilePath(const std::string& name) const;
  void OpenSession();
  bool CloseSession();
  // Undoes or redoes every step there is, checking after each.
  bool StepThroughHistory(QAction* action, const std::string& command);
  // The names of the Graphs page's chosen attributes.
  std::vector<std::string> ChosenNames() const;
  // Triggers Undo or Redo; false when a chosen attribute that the model still has lost its tick.
  bool TriggerKeepingTicks(QAction* action, const std::string& command);
  bool Step();
  bool Check(const std::string& command);
  // Follows what the document's file holds: when a command wrote it, or the document took
  // another file, the model that file stands for is the file's.
  void FollowTheFile();
  bool Fail(const std::string& command, const std::string& what);

  // Commands of the Model page.
  void ShowPage(int page);
  std::string SelectRandomAttribute();
  std::string TriggerModelAction(QAction* action);
  std::string ChooseScaleInList();
  std::string TypeIntoAttribute(bool name);
  std::string DragAttribute();
  std::string EditScale();
  std::string EditFunction();
  // Commands of the Options, Evaluation and Graphs pages.
  std::string SelectRandomCell(int page, bool nameRow);
  std::string TriggerOptionAction(QAction* action);
  std::string ImportOptions();
  std::string TypeOptionName();
  std::string ChooseValue(int page);
  std::string TickOption();
  std::string TriggerGraphAction(QAction* action);
  // Undo, Redo and files.
  QAction* FrameCommand(const char* name) const;
  std::string StepInHistory(bool redo);
  std::string Save();
  std::string SaveAs();

  std::mt19937 FRandom;
  TRandomQuestions FQuestions;
  QString FFolder;
  std::unique_ptr<TMainForm> FMain;
  TModelForm* FDocument = nullptr;
  const unsigned FSeed;
  long FStep = 0;
  long FSessionSteps = 0;
  int FSessions = 0;
  std::string FStartText;
  // The model text that the document's file stands for: as opened, or as last written; none
  // when the file holds no state of the model.
  std::optional<std::string> FFileText;
  // The document's file and its bytes as the last check found them.
  std::string FKnownFile;
  std::optional<std::string> FKnownBytes;
  std::string FFailure;
  // What Undo or Redo as a random command did to the chart, told by the check after it.
  std::string FTicksLost;
};

}  // namespace ubic::soak
