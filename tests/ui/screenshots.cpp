// Writes the pictures of the user manual: the main window with a model, its pages, editors and
// dialogs, grabbed offscreen.
//
//   ui_screenshots FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <iostream>

#include "childnamed.h"
#include "document/document.h"
#include "document/edits.h"
#include "document/reporttargets.h"
#include "print_screenshots.h"
#include "ui/aboutbox.h"
#include "ui/explainform.h"
#include "ui/functform.h"
#include "ui/graphspage.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/modeltree.h"
#include "ui/optionspage.h"
#include "ui/questions.h"
#include "ui/recentfiles.h"
#include "ui/scaleform.h"
#include "ui/sensitivityform.h"
#include "ui/targetform.h"
#include "ui/weiform.h"

namespace {

bool Save(QWidget* widget, const QDir& folder, const char* name) {
  const QString file = folder.filePath(name);
  if (widget->grab().save(file)) return true;
  std::cerr << "cannot write " << file.toStdString() << "\n";
  return false;
}

// The scale editor on Safety, the rule editor, once with conflicting rules, and the weights
// dialog on TECHNICAL.
bool SaveEditors(const ubic::TUbicModel& model, ubic::TQuestions& questions, const QDir& folder) {
  ubic::TScaleForm scaleForm(questions);
  scaleForm.Setup(model.FindAttribute("Safety"));
  scaleForm.show();
  QApplication::processEvents();
  bool written = Save(&scaleForm, folder, "scale-editor.png");
  scaleForm.reject();

  ubic::TFunctForm functForm;
  const ubic::TUbicAttribute* technical = model.FindAttribute("TECHNICAL");
  functForm.Setup(technical, *technical->Funct());
  functForm.show();
  functForm.SetCurrentRule(3);
  QApplication::processEvents();
  written = Save(&functForm, folder, "rule-editor.png") && written;
  if (ubic::TWeiForm* weights = functForm.WeiForm()) {
    weights->show();
    QApplication::processEvents();
    written = Save(weights, folder, "weights.png") && written;
    weights->hide();
  }
  // High safety, basic comfort and a medium boot lowered to poor: below rules 8 and 13.
  functForm.SetCurrentRule(13);
  functForm.ValueComboChange(0);
  // As the editor opens on a function with conflicts: with room for the line that names them.
  functForm.resize(functForm.sizeHint());
  QApplication::processEvents();
  written = Save(&functForm, folder, "rule-conflicts.png") && written;
  functForm.reject();
  return written;
}

// Uncertain values: two options with weights, evaluated by probabilities on the Evaluation page,
// and the distribution chart of CAR. The weights are undone after, for the pictures that follow.
bool SaveUncertainValues(ubic::TModelForm* document, ubic::TGraphsPage* page, const QDir& folder) {
  const ubic::TUbicModel& model = document->Model();
  document->Run(ubic::edits::SetOptionWeights(*model.FindAttribute("Price"), 0,
                                              "up to 15000=0.6;15000-25000=0.4"));
  document->Run(
      ubic::edits::SetOptionWeights(*model.FindAttribute("Safety"), 1, "medium=0.3;high=0.7"));
  auto* tabs = ubic::Child<QTabWidget>(document, "PageControl");
  tabs->setCurrentIndex(2);
  auto* method = ubic::Child<QComboBox>(&document->EvaluationPage(), "MethodBox");
  method->setCurrentIndex(1);
  emit method->activated(1);
  QApplication::processEvents();
  bool written = Save(tabs, folder, "uncertain-values.png");
  method->setCurrentIndex(0);
  emit method->activated(0);
  tabs->setCurrentIndex(3);
  while (!page->ChartAttributes().empty()) page->ToggleAttribute(page->ChartAttributes()[0]);
  page->ToggleAttribute(model.FindAttribute("CAR"));
  ubic::Child<QAction>(page, "GraphDistributions")->trigger();
  QApplication::processEvents();
  written = Save(tabs, folder, "graphs-distribution.png") && written;
  ubic::Child<QAction>(page, "GraphDistributions")->trigger();
  document->Document().Undo();
  document->Document().Undo();
  return written;
}

// The Options, Evaluation and Graphs pages of Document: one chart of each kind.
bool SavePages(ubic::TModelForm* document, const QDir& folder) {
  ubic::Child<QTabWidget>(document, "PageControl")->setCurrentIndex(1);
  QApplication::processEvents();
  bool written = Save(ubic::Child<QTabWidget>(document, "PageControl"), folder, "options-page.png");
  ubic::Child<QTabWidget>(document, "PageControl")->setCurrentIndex(2);
  QApplication::processEvents();
  written = Save(ubic::Child<QTabWidget>(document, "PageControl"), folder, "evaluation-page.png") &&
            written;
  ubic::Child<QTabWidget>(document, "PageControl")->setCurrentIndex(3);
  ubic::TGraphsPage* page = ubic::Child<ubic::TGraphsPage>(document, "GraphsPage");
  const ubic::TUbicModel& model = document->Model();
  const char* const charts[][3] = {
      {"CAR", nullptr, nullptr}, {"COSTS", "TECHNICAL", nullptr}, {"Price", "Safety", "COSTS"}};
  const char* const names[] = {"graphs-bar.png", "graphs-scatter.png", "graphs-radar.png"};
  for (std::size_t i = 0; i < std::size(charts); ++i) {
    while (!page->ChartAttributes().empty()) page->ToggleAttribute(page->ChartAttributes()[0]);
    for (const char* name : charts[i]) {
      if (name) page->ToggleAttribute(model.FindAttribute(name));
    }
    QApplication::processEvents();
    written = Save(ubic::Child<QTabWidget>(document, "PageControl"), folder, names[i]) && written;
  }
  ubic::Child<QAction>(page, "GraphFourOptions")->trigger();
  QApplication::processEvents();
  written =
      Save(ubic::Child<QTabWidget>(document, "PageControl"), folder, "graphs-four.png") && written;
  ubic::Child<QAction>(page, "GraphFourOptions")->trigger();
  return SaveUncertainValues(document, page, folder) && written;
}

// Windows are kept within the screen, and the offscreen platform's own is smaller than the
// pictures: it gets a screen large enough for them, the same on every machine.
void UseLargeOffscreenScreen(const QTemporaryDir& folder) {
  const QString config = folder.filePath("offscreen.json");
  QFile file(config);
  const bool written =
      file.open(QIODevice::WriteOnly) &&
      file.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1600, "height": 1200,
                    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") > 0;
  file.close();
  qputenv("QT_QPA_PLATFORM",
          written ? ("offscreen:configfile=" + config).toLocal8Bit() : QByteArray("offscreen"));
}

}  // namespace

int main(int argc, char* argv[]) {
  // Recent files and other settings go to a folder of this run, never the user's own.
  const QTemporaryDir settings;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) UseLargeOffscreenScreen(settings);
  QApplication application(argc, argv);
  ubic::KeepSettingsIn(settings.path());
  if (argc != 2) {
    std::cerr << "usage: ui_screenshots FOLDER\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  ubic::TScriptedQuestions questions;
  ubic::TMainForm mainForm(questions, {});
  mainForm.resize(1000, 620);
  mainForm.show();
  ubic::TModelForm* document = mainForm.CreateDocument(UBIC_EXAMPLES_DIR "/car.ubm");
  document->SelectAttribute(document->Model().FindAttribute("TECHNICAL"));
  QApplication::processEvents();
  bool written = Save(&mainForm, folder, "main-window.png");
  written =
      Save(ubic::Child<QTabWidget>(document, "PageControl"), folder, "model-page.png") && written;

  written = SavePages(document, folder) && written;

  for (int i = 0; i < 6; ++i) {
    const QPixmap icon = ubic::IconOf(static_cast<ubic::TAttributeIcon>(i)).pixmap(32, 32);
    written = icon.save(folder.filePath(QString("icon-%1.png").arg(i))) && written;
  }

  const ubic::TUbicModel& model = document->Model();
  written = SaveEditors(model, questions, folder) && written;

  ubic::TAboutBox about(&mainForm);
  about.show();
  QApplication::processEvents();
  written = Save(&about, folder, "about.png") && written;
  written = ubic::SavePrintScreenshots(mainForm, *document,
                                       [&folder](QWidget* widget, const char* name) {
                                         return Save(widget, folder, name);
                                       }) &&
            written;

  // The fourth option, Electric City Car, has better and worse changes.
  ubic::TSensitivityForm sensitivity(model, 3, &mainForm);
  sensitivity.show();
  QApplication::processEvents();
  written = Save(&sensitivity, folder, "sensitivity.png") && written;

  // Sports Coupe is unacceptable; two ways make it good.
  ubic::TReportTargets reportTargets;
  ubic::TTargetForm target(model, 2, reportTargets, &mainForm);
  auto* value = ubic::Child<QComboBox>(&target, "ValueCombo");
  value->setCurrentIndex(value->findText("good"));
  target.show();
  QApplication::processEvents();
  written = Save(&target, folder, "target.png") && written;

  // The third option, Sports Coupe, has strong and weak points.
  ubic::TExplainForm explanation(model, 2, &mainForm);
  explanation.show();
  QApplication::processEvents();
  written = Save(&explanation, folder, "explanation.png") && written;
  return written ? 0 : 1;
}
