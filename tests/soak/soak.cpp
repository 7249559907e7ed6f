#include "soak.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <filesystem>
#include <numeric>

#include "childnamed.h"
#include "files/csv.h"
#include "files/modelfile.h"
#include "files/modelio.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "model/random_model.h"
#include "soakchecks.h"
#include "ui/functform.h"
#include "ui/graphspage.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/modeltree.h"
#include "ui/optionspage.h"
#include "ui/scaleform.h"
#include "ui/uitext.h"

namespace ubic::soak {

namespace {

constexpr int ModelPageIndex = 0;
constexpr int OptionsPageIndex = 1;
constexpr int EvaluationPageIndex = 2;
constexpr int GraphsPageIndex = 3;
const char* const kExamples[] = {"applicant.ubm", "car.ubm", "home.ubm"};
// Typed texts: letters, a blank, a character of Windows-1250 beyond ASCII and one outside it,
// which the program replaces.
const QString kTypedCharacters = QString::fromUtf8("abXY z7\u00e9\u2192");

// The bytes of File; none when there is no such file.
std::optional<std::string> ReadIfThere(const std::string& file) {
  if (file.empty() || !std::filesystem::is_regular_file(file)) return std::nullopt;
  return ReadFileText(file);
}

// A key press as the keyboard sends it, with its text.
void PressKey(QWidget* widget, Qt::Key key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

// Runs Body on the modal dialog that Command opens, if it opens one; Body must close it.
void WithModal(const std::function<void()>& command, const std::function<void(QWidget*)>& body) {
  QTimer::singleShot(0, [&body] {
    if (QWidget* dialog = QApplication::activeModalWidget()) body(dialog);
  });
  command();
  // A command that opened no dialog leaves the timer pending: it finds none now.
  QCoreApplication::processEvents();
}

void ChooseInCombo(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

}  // namespace

TSoak::TSoak(unsigned seed, QString folder)
    : FRandom(seed), FQuestions(FRandom), FFolder(std::move(folder)), FSeed(seed) {
  FMain = std::make_unique<TMainForm>(FQuestions, QStringList{});
  FMain->show();
}

TSoak::~TSoak() {
  for (TModelForm* document : FMain->Documents()) document->AllowClose();
}

int TSoak::Pick(int n) {
  return n > 0 ? static_cast<int>(FRandom() % static_cast<unsigned>(n)) : 0;
}

std::string TSoak::FilePath(const std::string& name) const {
  return QDir(FFolder).filePath(QString::fromStdString(name)).toStdString();
}

bool TSoak::Run(long steps) {
  while (FStep < steps) {
    ++FStep;
    if (!Step()) return false;
  }
  return CloseSession();
}

// Sessions

void TSoak::OpenSession() {
  const std::string prefix = "s" + std::to_string(++FSessions) + "-";
  std::string file;
  switch (Pick(6)) {
    case 0:
    case 1: {
      test::TRandomModel random(FRandom(), {.TopLevel = 3,
                                            .Depth = 4,
                                            .ValueNames = {"low", "medium", "high", "top", "best"},
                                            .Varied = true});
      file = FilePath(prefix + "random.ubm");
      SaveModel(random.Model, file);
      break;
    }
    case 2:
    case 3: {
      const std::string example = kExamples[Pick(std::size(kExamples))];
      file = FilePath(prefix + example);
      std::filesystem::copy_file(std::string(UBIC_EXAMPLES_DIR "/") + example, file);
      break;
    }
    case 4: {
      // A model exported in an earlier session, read back from its foreign format.
      for (const auto& entry : std::filesystem::directory_iterator(FFolder.toStdString())) {
        const std::string extension = entry.path().extension().string();
        if ((extension == ".xml" || extension == ".kvx") && Chance(2)) file = entry.path().string();
      }
      break;
    }
    default:
      break;
  }
  FDocument = FMain->CreateDocument(file);
  FStartText = ModelFileText(FDocument->Model());
  // Opened, the model is what its file stands for, stale results and all; new, it is nothing's.
  FFileText = file.empty() ? std::nullopt : std::optional(FStartText);
  FKnownFile = FDocument->FileName();
  FKnownBytes = ReadIfThere(FKnownFile);
  FSessionSteps = 40 + Pick(260);
}

bool TSoak::CloseSession() {
  if (!FDocument) return true;
  // The end is where the history ends: steps undone last are redone first.
  if (!StepThroughHistory(FrameCommand("EditRedo"), "Redo to the end")) return false;
  const std::string endText = ModelFileText(FDocument->Model());
  if (!StepThroughHistory(FrameCommand("EditUndo"), "Undo to the start")) return false;
  if (ModelFileText(FDocument->Model()) != FStartText) {
    return Fail("Undo to the start", "the model differs from the one opened");
  }
  if (!StepThroughHistory(FrameCommand("EditRedo"), "Redo to the end")) return false;
  if (ModelFileText(FDocument->Model()) != endText) {
    return Fail("Redo to the end", "the model differs from the one at the end");
  }
  FDocument->AllowClose();
  FrameCommand("FileClose")->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  FDocument = nullptr;
  return true;
}

bool TSoak::StepThroughHistory(QAction* action, const std::string& command) {
  for (long guard = 0; action->isEnabled(); ++guard) {
    if (guard > FStep) return Fail(command, "the history does not end");
    if (!TriggerKeepingTicks(action, command) || !Check(command)) return false;
  }
  return true;
}

std::vector<std::string> TSoak::ChosenNames() const {
  std::vector<std::string> names;
  for (const TUbicAttribute* chosen :
       Child<TGraphsPage>(FDocument, "GraphsPage")->ChartAttributes()) {
    names.push_back(chosen->GetName());
  }
  return names;
}

bool TSoak::TriggerKeepingTicks(QAction* action, const std::string& command) {
  const std::vector<std::string> before = ChosenNames();
  action->trigger();
  const std::vector<std::string> after = ChosenNames();
  for (const std::string& name : before) {
    if (FDocument->Model().FindAttribute(name) != nullptr &&
        std::find(after.begin(), after.end(), name) == after.end()) {
      return Fail(command, "the chart lost the attribute \"" + name + "\"");
    }
  }
  return true;
}

bool TSoak::Step() {
  if (!FDocument || FSessionSteps-- <= 0) {
    if (!CloseSession()) return false;
    try {
      OpenSession();
    } catch (const std::exception& error) {
      return Fail("Open", Cp1250ToUtf8(error.what()));
    }
    if (!Check("Open \"" + FDocument->FileName() + "\"")) return false;
  }
  static const std::vector<TCommand> commands = Commands();
  const int total = std::accumulate(commands.begin(), commands.end(), 0,
                                    [](int sum, const TCommand& c) { return sum + c.Weight; });
  int pick = Pick(total);
  auto command = commands.begin();
  while (pick >= command->Weight) pick -= (command++)->Weight;
  FQuestions.TakeLog();
  FQuestions.TakeErrors();
  NoteStep("step " + std::to_string(FStep) + ", seed " + std::to_string(FSeed) + ", command " +
           command->Name);
  const std::string what = command->Run();
  FQuestions.ChooseNext(std::nullopt);
  QCoreApplication::processEvents();
  const std::string description = command->Name + (" " + what) + FQuestions.TakeLog();
  const std::vector<std::string> errors = FQuestions.TakeErrors();
  if (!errors.empty() && !command->MayFail) return Fail(description, "error: " + errors.front());
  return Check(description);
}

void TSoak::FollowTheFile() {
  const std::string& file = FDocument->FileName();
  std::optional<std::string> bytes = ReadIfThere(file);
  if (file == FKnownFile && bytes == FKnownBytes) return;
  // Nobody but the document writes its files here: what it wrote, or the own file it took on
  // with an export, holds a state of the model when reading it back writes the same bytes.
  FFileText.reset();
  if (bytes) {
    try {
      if (ModelFileText(*OpenModel(file).Model) == *bytes) FFileText = bytes;
    } catch (const std::exception&) {
      // A file that cannot be read stands for no model.
    }
  }
  FKnownFile = file;
  FKnownBytes = std::move(bytes);
}

bool TSoak::Check(const std::string& command) {
  if (!FTicksLost.empty()) {
    FFailure = std::exchange(FTicksLost, {});
    return false;
  }
  FollowTheFile();
  const std::string fault = DocumentFault(*FMain, *FDocument, FFileText);
  return fault.empty() || Fail(command, fault);
}

bool TSoak::Fail(const std::string& command, const std::string& what) {
  FFailure = "step " + std::to_string(FStep) + ", seed " + std::to_string(FSeed) + ", command " +
             command + ": " + what;
  return false;
}

std::vector<TSoak::TCommand> TSoak::Commands() {
  // The window's and its pages' actions, found by their names when the command runs.
  const auto model = [this](const char* action) {
    return [this, action] { return TriggerModelAction(Child<QAction>(FDocument, action)); };
  };
  const auto option = [this](const char* action) {
    return [this, action] {
      return TriggerOptionAction(
          Child<QAction>(Child<TOptionsPage>(FDocument, "OptionsPage"), action));
    };
  };
  const auto graph = [this](const char* action) {
    return [this, action] {
      return TriggerGraphAction(
          Child<QAction>(Child<TGraphsPage>(FDocument, "GraphsPage"), action));
    };
  };
  return {
      {"Select attribute", 4,
       [this] {
         ShowPage(ModelPageIndex);
         return SelectRandomAttribute();
       }},
      {"ModAdd", 4, model("ModAdd")},
      {"ModDelete", 3, model("ModDelete")},
      {"ModCut", 2, model("ModCut")},
      {"ModCopy", 2, model("ModCopy")},
      {"ModPaste", 3, model("ModPaste")},
      {"ModDuplicate", 2, model("ModDuplicate")},
      {"ModUp", 2, model("ModUp")},
      {"ModDown", 2, model("ModDown")},
      {"ModDelScale", 1, model("ModDelScale")},
      {"ModDelFunct", 1, model("ModDelFunct")},
      {"ModScaleCombo", 3, [this] { return ChooseScaleInList(); }},
      {"ModNameEdit", 3, [this] { return TypeIntoAttribute(true); }},
      {"ModDescEdit", 3, [this] { return TypeIntoAttribute(false); }},
      {"ModTreeViewDragDrop", 3, [this] { return DragAttribute(); }},
      // A rule table too large to be made is refused with an error.
      {"ScaleForm", 3, [this] { return EditScale(); }},
      {"FunctForm", 3, [this] { return EditFunction(); }, true},
      {"OptAdd", 2, option("OptAdd")},
      {"OptAddBtn", 2,
       [this] {
         SelectRandomCell(OptionsPageIndex, Chance(3));
         Child<QPushButton>(Child<TOptionsPage>(FDocument, "OptionsPage"), "OptAddBtn")->click();
         return std::string();
       }},
      {"OptDelete", 2, option("OptDelete")},
      {"OptCut", 1, option("OptCut")},
      {"OptCopy", 1, option("OptCopy")},
      {"OptPaste", 2, option("OptPaste")},
      {"OptDuplicate", 1, option("OptDuplicate")},
      // The file may name attributes twice or values of none; the user is told.
      {"OptImport", 1, [this] { return ImportOptions(); }, true},
      {"OptNameEdit", 2, [this] { return TypeOptionName(); }},
      {"Options value", 5, [this] { return ChooseValue(OptionsPageIndex); }},
      {"Evaluation value", 3, [this] { return ChooseValue(EvaluationPageIndex); }},
      {"Graph tick", 2, [this] { return TickOption(); }},
      {"GraphShowAll", 1, graph("GraphShowAll")},
      {"GraphHideAll", 1, graph("GraphHideAll")},
      {"Undo", 7, [this] { return StepInHistory(false); }},
      {"Redo", 4, [this] { return StepInHistory(true); }},
      {"Save", 2, [this] { return Save(); }},
      {"Save as", 2, [this] { return SaveAs(); }},
  };
}

// The Model page

void TSoak::ShowPage(int page) {
  Child<QTabWidget>(FDocument, "PageControl")->setCurrentIndex(page);
}

std::string TSoak::SelectRandomAttribute() {
  std::vector<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(Child<TModelTreeView>(FDocument, "ModTreeView")); *it; ++it)
    items.push_back(*it);
  if (items.empty()) return {};
  QTreeWidgetItem* item = items[Pick(static_cast<int>(items.size()))];
  Child<TModelTreeView>(FDocument, "ModTreeView")->setCurrentItem(item);
  return "\"" + item->text(0).toStdString() + "\"";
}

std::string TSoak::TriggerModelAction(QAction* action) {
  ShowPage(ModelPageIndex);
  std::string what = SelectRandomAttribute();
  if (!action->isEnabled()) return what + " (disabled)";
  action->trigger();
  return what;
}

std::string TSoak::ChooseScaleInList() {
  ShowPage(ModelPageIndex);
  const std::string what = SelectRandomAttribute();
  QComboBox* combo = Child<QComboBox>(FDocument, "ModScaleCombo");
  if (!combo->isEnabled() || combo->count() == 0) return what + " (disabled)";
  const int index = Pick(combo->count());
  const std::string choice = combo->itemText(index).toStdString();
  ChooseInCombo(combo, index);
  return what + " -> \"" + choice + "\"";
}

std::string TSoak::TypeIntoAttribute(bool name) {
  ShowPage(ModelPageIndex);
  const std::string what = Chance(2) ? SelectRandomAttribute() : std::string("(same)");
  QLineEdit* edit = name ? Child<QLineEdit>(FDocument, "ModNameEdit")
                         : Child<QLineEdit>(FDocument, "ModDescEdit");
  if (!edit->isEnabled()) return what + " (disabled)";
  edit->setFocus();
  QString typed;
  switch (Pick(3)) {
    case 0:
      edit->selectAll();
      [[fallthrough]];
    case 1:
      for (int n = 1 + Pick(4); n > 0; --n) {
        const QString c = kTypedCharacters.at(Pick(static_cast<int>(kTypedCharacters.size())));
        typed += c;
        PressKey(edit, Qt::Key_unknown, c);
      }
      break;
    default:
      for (int n = 1 + Pick(3); n > 0; --n) PressKey(edit, Qt::Key_Backspace);
      typed = "<backspace>";
  }
  return what + " typing \"" + typed.toStdString() + "\"";
}

std::string TSoak::DragAttribute() {
  ShowPage(ModelPageIndex);
  const std::string what = SelectRandomAttribute();
  std::vector<TAttributeItem*> items{nullptr};
  for (QTreeWidgetItemIterator it(Child<TModelTreeView>(FDocument, "ModTreeView")); *it; ++it) {
    items.push_back(static_cast<TAttributeItem*>(*it));
  }
  TAttributeItem* target = items[Pick(static_cast<int>(items.size()))];
  const std::string onto = target ? "\"" + target->text(0).toStdString() + "\"" : "empty space";
  if (!FDocument->ModTreeViewCanDrop(target)) return what + " onto " + onto + " (refused)";
  // Offscreen Qt runs no drag session; this is what the tree's drop event calls.
  Child<TModelTreeView>(FDocument, "ModTreeView")->Drop(target);
  return what + " onto " + onto;
}

std::string TSoak::EditScale() {
  ShowPage(ModelPageIndex);
  const std::string what = SelectRandomAttribute();
  if (!Child<QPushButton>(FDocument, "ModScaleBtn")->isEnabled()) return what + " (disabled)";
  std::string done;
  WithModal(
      [this] { Child<QPushButton>(FDocument, "ModScaleBtn")->click(); },
      [this, &done](QWidget* dialog) {
        TScaleForm& form = *Child<TScaleForm>(FDocument, "ScaleForm");
        for (int n = Pick(6); n > 0; --n) {
          form.SelectValue(Pick(Child<QTreeWidget>(&form, "ValueList")->topLevelItemCount()));
          switch (Pick(7)) {
            case 0:
            case 1: {
              Child<QAction>(&form, "AddAction")->trigger();
              done += " add";
              // The new value's name is being edited in place.
              for (QLineEdit* editor :
                   Child<QTreeWidget>(&form, "ValueList")->findChildren<QLineEdit*>()) {
                if (editor->isVisible()) PressKey(editor, Qt::Key_unknown, "v");
              }
              break;
            }
            case 2:
              Child<QAction>(&form, "DeleteAction")->trigger();
              done += " delete";
              break;
            case 3:
              (Chance(2) ? Child<QAction>(&form, "UpAction") : Child<QAction>(&form, "DownAction"))
                  ->trigger();
              done += " move";
              break;
            case 4: {
              QAction* classes[] = {Child<QAction>(&form, "BadAction"),
                                    Child<QAction>(&form, "NeutralAction"),
                                    Child<QAction>(&form, "GoodAction")};
              classes[Pick(3)]->trigger();
              done += " class";
              break;
            }
            case 5:
              ChooseInCombo(Child<QComboBox>(&form, "OrderCombo"), Pick(3));
              done += " order";
              break;
            default:
              Child<QCheckBox>(&form, "DefaultCheck")->click();
              done += " default";
          }
        }
        const bool ok = !Chance(3);
        (ok ? Child<QPushButton>(&form, "OkBtn") : Child<QPushButton>(&form, "CancelBtn"))->click();
        // OK keeps open a scale an attribute can not take: too few values, or names alike.
        if (dialog->isVisible()) Child<QPushButton>(&form, "CancelBtn")->click();
        done += ok && !dialog->isVisible() ? " OK" : " Cancel";
      });
  return what + done;
}

std::string TSoak::EditFunction() {
  ShowPage(ModelPageIndex);
  const std::string what = SelectRandomAttribute();
  if (!Child<QAction>(FDocument, "ModFunct")->isEnabled()) return what + " (disabled)";
  std::string done;
  WithModal(
      [this] { Child<QAction>(FDocument, "ModFunct")->trigger(); },
      [this, &done](QWidget*) {
        TFunctForm& form = *Child<TFunctForm>(FDocument, "FunctForm");
        const int rules = Child<QTableView>(&form, "RuleGrid")->model()->rowCount();
        for (int n = Pick(8); n > 0; --n) {
          form.SetCurrentRule(Pick(rules));
          switch (Pick(4)) {
            case 0:
              PressKey(Child<QTableView>(&form, "RuleGrid"), Qt::Key_Delete);
              done += " delete";
              break;
            case 1:
              PressKey(Child<QTableView>(&form, "RuleGrid"), Qt::Key_Escape);
              done += " unenter";
              break;
            case 2:
              ChooseInCombo(Child<QComboBox>(&form, "ValueCombo"),
                            Pick(Child<QComboBox>(&form, "ValueCombo")->count()));
              done += " choose";
              break;
            default: {
              const QString digit =
                  QString::number(1 + Pick(Child<QComboBox>(&form, "ValueCombo")->count() - 1));
              PressKey(Child<QTableView>(&form, "RuleGrid"), Qt::Key_unknown, digit);
              done += " " + digit.toStdString();
            }
          }
        }
        const bool ok = !Chance(3);
        (ok ? Child<QPushButton>(&form, "OkBtn") : Child<QPushButton>(&form, "CancelBtn"))->click();
        done += ok ? " OK" : " Cancel";
      });
  return what + done;
}

// The Options, Evaluation and Graphs pages

std::string TSoak::SelectRandomCell(int page, bool nameRow) {
  ShowPage(page);
  TOptionGrid* grid =
      page == OptionsPageIndex
          ? Child<TOptionGrid>(Child<TOptionsPage>(FDocument, "OptionsPage"), "Grid")
          : Child<TOptionGrid>(Child<TEvaluationPage>(FDocument, "EvaluationPage"), "Grid");
  const int rows = grid->GridRowCount();
  const TGridCell cell{nameRow || rows <= 2 ? 1 : 2 + Pick(rows - 2),
                       1 + Pick(grid->GridColCount() - 1)};
  grid->SetCurrent(cell);
  return "cell (" + std::to_string(cell.Row) + "," + std::to_string(cell.Col) + ")";
}

std::string TSoak::TriggerOptionAction(QAction* action) {
  const std::string what = SelectRandomCell(OptionsPageIndex, Chance(3));
  if (!action->isEnabled()) return what + " (disabled)";
  action->trigger();
  return what;
}

std::string TSoak::ImportOptions() {
  const std::string what = SelectRandomCell(OptionsPageIndex, false);
  std::vector<const TUbicAttribute*> basics;
  FDocument->Model().Root()->CollectBasicAttributes(basics);
  std::vector<std::string> header{"Option"};
  for (const TUbicAttribute* basic : basics) header.push_back(Cp1250ToUtf8(basic->GetName()));
  std::string text = CsvRecord(header);
  for (int k = Pick(4); k > 0; --k) {
    std::vector<std::string> row{"imported " + std::to_string(k)};
    for (const TUbicAttribute* basic : basics) {
      const TUbicDiscreteScale* scale = basic->DiscreteScale();
      const int choice = Pick((scale ? scale->Count() : 0) + 2);
      row.push_back(choice == 0   ? "*"
                    : choice == 1 ? ""
                                  : Cp1250ToUtf8(scale->ValueName(choice - 2)));
    }
    text += CsvRecord(row);
  }
  const std::string file = FilePath("options.csv");
  WriteFileSafely(file, text);
  if (!Chance(5)) FQuestions.ChooseNext(TFileChoice{file, 1});
  Child<QAction>(Child<TOptionsPage>(FDocument, "OptionsPage"), "OptImport")->trigger();
  return what;
}

std::string TSoak::TypeOptionName() {
  const std::string what = SelectRandomCell(OptionsPageIndex, true);
  QLineEdit* edit = Child<QLineEdit>(Child<TOptionsPage>(FDocument, "OptionsPage"), "OptNameEdit");
  if (!edit->isVisible()) return what + " (no option)";
  edit->setFocus();
  if (Chance(4)) {
    PressKey(edit, Qt::Key_Escape);
    return what + " <escape>";
  }
  if (Chance(2)) edit->selectAll();
  const QString c = kTypedCharacters.at(Pick(static_cast<int>(kTypedCharacters.size())));
  PressKey(edit, Qt::Key_unknown, c);
  return what + " typing \"" + c.toStdString() + "\"";
}

std::string TSoak::ChooseValue(int page) {
  const std::string what = SelectRandomCell(page, false);
  TGridPage* gridPage =
      page == OptionsPageIndex
          ? static_cast<TGridPage*>(Child<TOptionsPage>(FDocument, "OptionsPage"))
          : static_cast<TGridPage*>(Child<TEvaluationPage>(FDocument, "EvaluationPage"));
  QComboBox* editor = Child<QComboBox>(gridPage, "ValueEditor");
  if (!editor->isVisible()) return what + " (no editor)";
  const int index = Pick(editor->count());
  if (Chance(2)) {
    ChooseInCombo(editor, index);
    return what + " choosing " + std::to_string(index);
  }
  // The value's key: its number from 1, or "*" for the last item.
  const QString key = index == editor->count() - 1 ? "*" : QString::number(index + 1);
  PressKey(Child<TOptionGrid>(gridPage, "Grid"), Qt::Key_unknown, key);
  return what + " key " + key.toStdString();
}

std::string TSoak::TickOption() {
  ShowPage(GraphsPageIndex);
  TGraphsPage& page = *Child<TGraphsPage>(FDocument, "GraphsPage");
  if (Chance(3) && Child<QTreeWidget>(&page, "GraphTree")->topLevelItemCount() > 0) {
    std::vector<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(Child<QTreeWidget>(&page, "GraphTree")); *it; ++it)
      items.push_back(*it);
    QTreeWidgetItem* item = items[Pick(static_cast<int>(items.size()))];
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    return "attribute " + item->text(0).toStdString();
  }
  if (Child<QListWidget>(&page, "OptionList")->count() == 0) return "(no option)";
  const int k = Pick(Child<QListWidget>(&page, "OptionList")->count());
  QListWidgetItem* item = Child<QListWidget>(&page, "OptionList")->item(k);
  item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  return "option " + std::to_string(k);
}

std::string TSoak::TriggerGraphAction(QAction* action) {
  ShowPage(GraphsPageIndex);
  if (!action->isEnabled()) return "(disabled)";
  action->trigger();
  return {};
}

// Undo, Redo and files

QAction* TSoak::FrameCommand(const char* name) const {
  return Child<QAction>(FMain.get(), name);
}

std::string TSoak::StepInHistory(bool redo) {
  QAction* action = FrameCommand(redo ? "EditRedo" : "EditUndo");
  const std::string what = action->text().toStdString();
  if (!action->isEnabled()) return "(disabled)";
  // A lost tick fails the run at its check.
  if (!TriggerKeepingTicks(action, what)) FTicksLost = FFailure;
  return what;
}

std::string TSoak::Save() {
  const std::string prefix = "s" + std::to_string(FSessions) + "-";
  // Asked for only when the model has no file yet.
  FQuestions.ChooseNext(TFileChoice{FilePath(prefix + (Chance(2) ? "a.ubm" : "b.ubm")), 1});
  FrameCommand("FileSave")->trigger();
  return FDocument->FileName();
}

std::string TSoak::SaveAs() {
  // Own files and exports whose own-format names meet them: a.xml stands for a.ubm.
  static const std::pair<const char*, int> choices[] = {{"a.ubm", 1}, {"b.ubm", 4}, {"a.xml", 2},
                                                        {"c.xml", 2}, {"c.kvx", 3}, {"b.kvx", 3}};
  const std::string prefix = "s" + std::to_string(FSessions) + "-";
  std::string what = "(cancelled)";
  if (!Chance(6)) {
    const auto& [name, filter] = choices[Pick(std::size(choices))];
    FQuestions.ChooseNext(TFileChoice{FilePath(prefix + name), filter});
    what = std::string(name) + " as filter " + std::to_string(filter);
  }
  FrameCommand("FileSaveAs")->trigger();
  return what;
}

}  // namespace ubic::soak
