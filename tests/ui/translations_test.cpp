#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>

#include "modelreports/modelreport.h"
#include "reports/textformatter.h"
#include "ui/optiongrid.h"
#include "ui/optionspage.h"
#include "ui/translations.h"
#include "ui_fixture.h"

namespace ubic {

namespace {

// The main window built after the program installed the translations of Locale, as it does at
// start-up, with the car model open; English again afterwards for the other tests.
class Translations : public TUiTest {
 protected:
  void Start(const char* locale) {
    if (Main) {
      for (TModelForm* document : Main->Documents()) document->AllowClose();
    }
    TranslationFound = InstallTranslations(QLocale(locale));
    Main = std::make_unique<TMainForm>(Questions, QStringList{});
    Main->show();
    Document = Main->CreateDocument(Example("car.ubm"));
    ASSERT_TRUE(Document);
  }
  void SetUp() override {}
  void TearDown() override {
    TUiTest::TearDown();
    InstallTranslations(QLocale(QLocale::English));
  }

  QString Menu(const char* name) const { return Child<QMenu>(Main.get(), name)->title(); }
  QString Tab(int index) const {
    return Child<QTabWidget>(Document, "PageControl")->tabText(index);
  }
  QString Button(const char* name) const { return Child<QPushButton>(Document, name)->text(); }

  // Whether a line of the evaluation report holds Text.
  bool ReportHasLine(const std::string& text) const {
    const auto report = MakeModelReport(&Document->Model(), rsEvaluation, TReportStyle{});
    TTextFormatter formatter(report.get(), {100, 0});
    formatter.Execute();
    for (int p = 0; p < formatter.PageCount(); ++p) {
      for (int l = 0; l < formatter.Page(p).Count(); ++l) {
        if (formatter.Page(p)[l].find(text) != std::string::npos) return true;
      }
    }
    return false;
  }

  // The caption of the dialog that Command opens, which is then closed.
  QString DialogTitle(const char* command) {
    QString title;
    WithModal([&] { Action(command)->trigger(); },
              [&](QWidget* dialog) {
                title = dialog->windowTitle();
                dialog->close();
              });
    return title;
  }

  bool TranslationFound = false;
  TModelForm* Document = nullptr;
};

TEST_F(Translations, GermanShowsGermanTextsOnEveryPage) {
  Start("de_DE");
  EXPECT_TRUE(TranslationFound);
  EXPECT_EQ(Menu("FileMenu"), "&Datei");
  EXPECT_EQ(Menu("ViewMenu"), "&Ansicht");
  EXPECT_EQ(Action("FileSaveAs")->text(), "Speichern &unter...");
  EXPECT_EQ(Tab(0), "&Modell");
  EXPECT_EQ(Tab(1), "&Varianten");
  EXPECT_EQ(Tab(2), "Bewer&tung");
  EXPECT_EQ(Tab(3), "&Grafiken");
  EXPECT_EQ(Button("ModScaleBtn"), "Skala...");
  EXPECT_EQ(Button("OptAddBtn"), "Hinzufügen");
  EXPECT_EQ(DialogTitle("HelpAbout"), "Über Ubic");
  // The report's captions come from the layer below the program, in German too.
  EXPECT_TRUE(ReportHasLine("Bewertungsergebnisse"));
  EXPECT_FALSE(ReportHasLine("Evaluation results"));
  EXPECT_TRUE(Child<QStatusBar>(Document, "StatusBar")->currentMessage().startsWith("Attribute: "));
  // The names of the edits, which the document layer gives, in the Edit menu.
  Modify(Document);
  EXPECT_EQ(Action("EditUndo")->text(), "&Rückgängig Beschreibung bearbeiten");
  // A reload is a step that Undo names too.
  Document->Document().Reload();
  EXPECT_EQ(Action("EditUndo")->text(), "&Rückgängig Von der Festplatte neu laden");
}

// The messages of the layers below the program reach the questions in German, as UTF-8 whether
// they are filled with model texts (Windows-1250) or with file names (UTF-8).
TEST_F(Translations, GermanMessagesKeepTheirCharacters) {
  Start("de_DE");
  Select(Document, "CAR");
  Questions.Answer(TAnswer::No);
  Document->ModDeleteBtnClick();
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{
                             "Wollen Sie alle Unterattribute von \"CAR\" löschen?\rDies löscht "
                             "auch die Nutzenfunktion des Attributs."});

  const std::string car = Example("car.ubm");
  TModelForm* writer = Main->CreateDocument({});
  Questions.ChooseFile(TFileChoice{car, 1});
  EXPECT_FALSE(writer->SaveModelAs());
  EXPECT_EQ(
      TakeAsked(),
      (std::vector<std::string>{
          "Datei speichern",
          "Die Datei \"" + car + "\" ist im Fenster \"" + Document->windowTitle().toStdString() +
              "\" geöffnet. Schließen Sie zuerst dieses Fenster oder speichern Sie unter "
              "einem anderen Namen."}));
}

// A reader's error, glued from the reader's complaint and the place where it stopped, reaches the
// error box as one German sentence.
TEST_F(Translations, GermanTellsWhyAFileCannotBeRead) {
  Start("de_DE");
  const std::string broken = WrittenFile("broken.ubm", "<?xml version=\"1.0\"?>\n<Ubic>\n");
  Questions.ChooseFile(TFileChoice{broken, 1});
  Action("FileOpen")->trigger();
  ASSERT_EQ(Questions.Asked().size(), 2u);
  EXPECT_EQ(Questions.Asked()[1].Kind, TScriptedQuestions::TKind::Error);
  EXPECT_EQ(Questions.Asked()[1].Text,
            "Datei \"" + broken +
                "\" kann nicht geöffnet werden: Fehler beim Lesen von XML um Zeile 3: Das Tag "
                "\"</Ubic>\" fehlt");
  TakeAsked();
}

// The Explanation window, opened from the Evaluation page, says in German how each rule came.
TEST_F(Translations, GermanExplanationTellsWhereItsRulesCameFrom) {
  Start("de_DE");
  Child<QTabWidget>(Document, "PageControl")->setCurrentIndex(2);
  auto* page = Child<TEvaluationPage>(Document, "EvaluationPage");
  Child<TOptionGrid>(page, "Grid")->SetCurrent({2, 3});
  QStringList origins;
  QStringList hints;
  WithModal([&] { Child<QPushButton>(page, "ExplainBtn")->click(); },
            [&](QWidget* dialog) {
              for (QTreeWidgetItemIterator it(Child<QTreeWidget>(dialog, "Tree")); *it; ++it) {
                if (!(*it)->text(2).isEmpty()) origins.push_back((*it)->text(2));
                if (!(*it)->toolTip(0).isEmpty()) hints.push_back((*it)->toolTip(0));
              }
              for (const QLabel* label : dialog->findChildren<QLabel*>())
                hints.push_back(label->text());
              dialog->close();
            });
  // The strong and weak points, on their rows and in the legend.
  EXPECT_GE(hints.count("St\u00e4rke: ein guter Wert"), 2) << hints.join('|').toStdString();
  ASSERT_FALSE(origins.isEmpty());
  for (const QString& origin : origins) {
    EXPECT_TRUE(origin.contains(QRegularExpression("\\(Regel \\d+, (eingegeben|durch)")))
        << origin.toStdString();
    EXPECT_FALSE(origin.contains("rule")) << origin.toStdString();
  }
}

TEST_F(Translations, SlovenianShowsSlovenianTexts) {
  Start("sl_SI");
  EXPECT_TRUE(TranslationFound);
  EXPECT_EQ(Menu("FileMenu"), "&Datoteka");
  EXPECT_EQ(Menu("HelpMenu"), "Po&moč");
  EXPECT_EQ(Tab(1), "&Variante");
  EXPECT_EQ(Tab(2), "Vre&dnotenje");
  EXPECT_EQ(Button("ModFunctBtn"), "Funkcija...");
  EXPECT_EQ(DialogTitle("FileReport"), "Izdelava poročila");
  EXPECT_TRUE(ReportHasLine("Rezultati vrednotenja"));
}

// English, and a language without a translation, keep the texts the program is written in.
TEST_F(Translations, EnglishAndUnknownLanguagesStayEnglish) {
  for (const char* locale : {"en_GB", "fr_FR"}) {
    Start(locale);
    EXPECT_FALSE(TranslationFound) << locale;
    EXPECT_EQ(Menu("FileMenu"), "&File") << locale;
    EXPECT_EQ(Tab(2), "Eva&luation") << locale;
    EXPECT_TRUE(ReportHasLine("Evaluation results")) << locale;
  }
}

}  // namespace

}  // namespace ubic
