// The main window and the life of documents: menus, opening, saving, closing, the command line.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include "files/modelio.h"
#include "foundation/textfile.h"
#include "ui/aboutbox.h"
#include "ui/helpform.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

using TKind = TScriptedQuestions::TKind;

QStringList MenuTitles(QMainWindow& window) {
  QStringList titles;
  for (QAction* action : window.menuBar()->actions()) titles << action->text();
  return titles;
}

std::string ReadAttributeNames(const std::string& fileName) {
  const TOpenedModel opened = OpenModel(fileName);
  const TUbicAttribute* first = opened.Model->FirstAttribute();
  return first->GetName() + ":" + InputNames(*first);
}

class Documents : public TUiTest {};

TEST_F(Documents, FrameCommandsFollowTheActiveDocument) {
  EXPECT_EQ(MenuTitles(*Main), (QStringList{"&File", "&View", "&Help"}));
  EXPECT_FALSE(Action("FileSave")->isEnabled());
  EXPECT_FALSE(Action("FileSaveAs")->isEnabled());
  EXPECT_FALSE(Action("FileClose")->isEnabled());
  EXPECT_FALSE(Action("FileReport")->isEnabled());
  EXPECT_EQ(Action("FileNew")->toolTip(), "New file");
  EXPECT_EQ(Action("FileNew")->statusTip(), "Open a new, empty file");

  Action("FileNew")->trigger();
  ASSERT_EQ(Main->Documents().size(), 1u);
  TModelForm* document = Main->ActiveDocument();
  ASSERT_TRUE(document);
  EXPECT_EQ(MenuTitles(*Main), (QStringList{"&File", "&Edit", "&View", "&Help"}));
  EXPECT_TRUE(Action("FileSave")->isEnabled());
  EXPECT_TRUE(Action("FileClose")->isEnabled());
  EXPECT_TRUE(Action("FileReport")->isEnabled());
  EXPECT_EQ(document->Caption(), "Root1 [*]");
  EXPECT_EQ(
      Child<QStatusBar>(document, "StatusBar")->currentMessage().toStdString(),
      "Attributes: 1 (1 basic, 0 complex)   |   Scales: 0   |   Functions: 0   |   Options: 0");

  // The View menu lists the documents by their titles, the active one checked.
  Main->CreateDocument(Example("car.ubm"));
  emit Child<QMenu>(Main.get(), "ViewMenu")->aboutToShow();
  const QList<QAction*> items = Child<QMenu>(Main.get(), "ViewMenu")->actions();
  ASSERT_EQ(items.size(), 8);
  EXPECT_EQ(items[6]->text(), "&1 Root1 [*]");
  EXPECT_FALSE(items[6]->isChecked());
  EXPECT_TRUE(items[7]->isChecked());
  items[6]->trigger();
  EXPECT_EQ(Main->ActiveDocument(), document);

  // Every page has a menu of its own: the Evaluation page's holds Undo and Redo.
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(2);
  EXPECT_EQ(MenuTitles(*Main), (QStringList{"&File", "&Edit", "&View", "&Help"}));
  EXPECT_EQ(Main->menuBar()->actions().at(1)->menu(), Child<QMenu>(document, "EvalEditMenu"));
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(0);
  EXPECT_EQ(MenuTitles(*Main), (QStringList{"&File", "&Edit", "&View", "&Help"}));
}

TEST_F(Documents, OpenByExtensionAndSaveByChosenFilter) {
  Questions.ChooseFile(TFileChoice{Example("car.ubm"), 1});
  Action("FileOpen")->trigger();
  TModelForm* document = Main->ActiveDocument();
  ASSERT_TRUE(document);
  EXPECT_EQ(Questions.Asked().at(0).Dialog.Title, "Open file");
  EXPECT_EQ(Questions.Asked().at(0).Dialog.Filters.at(2), "KIV ASCII Interchange  (*.kvx)");
  EXPECT_EQ(document->FileName(), Example("car.ubm"));
  EXPECT_EQ(document->Caption().toStdString(), "CAR [" + Example("car.ubm") + "]");
  TakeAsked();

  // The jKIV entry writes jKIV, and a name ending in another entry's ".kvx" ends in ".xml"
  // instead; the document keeps ".ubm".
  const std::string jkiv = TempFile("car.xml");
  Questions.ChooseFile(TFileChoice{TempFile("car.kvx"), 2});
  Questions.Answer(TAnswer::Ok);
  Action("FileSaveAs")->trigger();
  ASSERT_EQ(Questions.Asked().at(0).Dialog.Title, "Save file");
  EXPECT_EQ(Questions.Asked().at(0).Dialog.ProposedName, Example("car.ubm"));
  EXPECT_EQ(document->FileName(), TempFile("car.ubm"));
  QFile written(QString::fromStdString(jkiv));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.readAll().contains("<MODEL"));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(TempFile("car.kvx"))));
  TakeAsked();

  // The KVX entry, then opening what was written.
  const std::string kvx = TempFile("CAR.KVX");
  Questions.ChooseFile(TFileChoice{kvx, 3});
  Questions.Answer(TAnswer::Ok);
  Action("FileSaveAs")->trigger();
  EXPECT_EQ(ReadAttributeNames(kvx), "CAR:COSTS,TECHNICAL");
  const std::string xml = TempFile("IMPORT.XML");
  QFile::copy(QString::fromStdString(jkiv), QString::fromStdString(xml));
  TModelForm* imported = Main->CreateDocument(xml);
  EXPECT_EQ(imported->FileName(), TempFile("IMPORT.ubm"));
  EXPECT_EQ(InputNames(*imported->Model().FirstAttribute()), "COSTS,TECHNICAL");

  // Save writes the own format to FileName without asking.
  TakeAsked();
  Modify(imported);
  imported->SaveModel();
  EXPECT_TRUE(Questions.Asked().empty());
  EXPECT_FALSE(imported->Document().Modified());
  EXPECT_EQ(ReadAttributeNames(TempFile("IMPORT.ubm")), "CAR:COSTS,TECHNICAL");
  EXPECT_EQ(imported->Caption().toStdString(), "CAR [" + TempFile("IMPORT.ubm") + "]");
}

TEST_F(Documents, OverwriteQuestionAndCancelledDialogsChangeNothing) {
  TModelForm* document = Main->CreateDocument({});
  const std::string target = WrittenFile("model.ubm", "keep");

  Questions.ChooseFile(std::nullopt);
  EXPECT_FALSE(document->SaveModel());
  EXPECT_EQ(Questions.Asked().at(0).Dialog.ProposedName, "Root1.ubm");
  for (const TAnswer answer : {TAnswer::No, TAnswer::Cancel}) {
    Questions.ChooseFile(TFileChoice{target, 1});
    Questions.Answer(answer);
    EXPECT_FALSE(document->SaveModelAs());
  }
  EXPECT_EQ(document->FileName(), "");
  QFile file(QString::fromStdString(target));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "keep");
  EXPECT_EQ(TakeAsked().back(),
            "File \"" + target + "\" already exists. Do you want to overwrite the file?");

  Questions.ChooseFile(TFileChoice{target, 4});
  Questions.Answer(TAnswer::Yes);
  EXPECT_TRUE(document->SaveModelAs());
  EXPECT_EQ(document->FileName(), target);
  EXPECT_EQ(ReadAttributeNames(target), "Root1:");
}

TEST_F(Documents, SaveAsNamesTheFileAfterTheChosenEntry) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  // The car model loses something in either foreign format, which is told before writing.
  const auto saveAs = [&](const char* typed, int filter) {
    Questions.ChooseFile(TFileChoice{TempFile(typed), filter});
    if (filter == 2 || filter == 3 || FormatOfFile(typed) != TModelFormat::Own) {
      Questions.Answer(TAnswer::Ok);
    }
    EXPECT_TRUE(document->SaveModelAs()) << typed;
  };
  const auto formatOf = [](const std::string& fileName) {
    const std::string text = ReadFileText(fileName);
    return text.rfind(" KIV I1.5", 0) == 0            ? TModelFormat::Kvx
           : text.find("<MODEL") != std::string::npos ? TModelFormat::Jkiv
                                                      : TModelFormat::Own;
  };
  // A name typed without an extension gets the jKIV entry's, and jKIV content.
  saveAs("laptop", 2);
  EXPECT_EQ(formatOf(TempFile("laptop.xml")), TModelFormat::Jkiv);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(TempFile("laptop.ubm"))));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(TempFile("laptop"))));
  EXPECT_EQ(document->FileName(), TempFile("laptop.ubm"));
  saveAs("laptop.v2", 3);
  EXPECT_EQ(formatOf(TempFile("laptop.v2.kvx")), TModelFormat::Kvx);
  // Under "All files" the name stays as typed and its extension picks the writer.
  saveAs("plain", 4);
  EXPECT_EQ(formatOf(TempFile("plain")), TModelFormat::Own);
  saveAs("other.kvx", 4);
  EXPECT_EQ(formatOf(TempFile("other.kvx")), TModelFormat::Kvx);
  EXPECT_TRUE(Questions.Done());
  TakeAsked();

  // The overwrite question is about the name that would be written.
  Questions.ChooseFile(TFileChoice{TempFile("laptop"), 2});
  Questions.Answer(TAnswer::No);
  EXPECT_FALSE(document->SaveModelAs());
  EXPECT_EQ(TakeAsked().back(), "File \"" + TempFile("laptop.xml") +
                                    "\" already exists. Do you want to overwrite the file?");
}

TEST_F(Documents, FailedReadLeavesNoWindowAndFailedWriteKeepsTheName) {
  const std::string broken = WrittenFile("broken.ubm", "<?xml version=\"1.0\"?>\n<Ubic>\n");
  Questions.ChooseFile(TFileChoice{broken, 1});
  Action("FileOpen")->trigger();
  EXPECT_TRUE(Main->Documents().empty());
  ASSERT_EQ(Questions.Asked().size(), 2u);
  EXPECT_EQ(Questions.Asked()[1].Kind, TKind::Error);
  EXPECT_NE(Questions.Asked()[1].Text.find("Error reading XML"), std::string::npos);
  EXPECT_NE(Questions.Asked()[1].Text.find(broken), std::string::npos);
  TakeAsked();

  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  Questions.ChooseFile(TFileChoice{TempFile("missing/folder/car.ubm"), 1});
  Action("FileSaveAs")->trigger();
  EXPECT_EQ(document->FileName(), Example("car.ubm"));
  ASSERT_EQ(Questions.Asked().size(), 2u);
  EXPECT_EQ(Questions.Asked()[1].Kind, TKind::Error);
  EXPECT_NE(Questions.Asked()[1].Text.find(TempFile("missing/folder/car.ubm")), std::string::npos)
      << Questions.Asked()[1].Text;
}

TEST_F(Documents, ImportRemarksAreWarningsAndExportLossesAreToldBeforeWriting) {
  const std::string kvx = WrittenFile(
      "groups.kvx",
      QByteArray(" KIV I1.5| DKB m| ATT a|L1 I1| DOM D+|Nx|Ny| ATT b|L2 I2| DOM D+|Nx|Ny|"
                 " GRP| FNC DI I1|R1 R2| GRP| FNC DI I1|R1 R1| GRP|")
          .replace('|', "\r\n"));
  TModelForm* imported = Main->CreateDocument(kvx);
  ASSERT_EQ(Questions.Asked().size(), 1u);
  EXPECT_EQ(Questions.Asked()[0].Kind, TKind::Warn);
  EXPECT_NE(Questions.Asked()[0].Text.find("more than 1 group"), std::string::npos);
  EXPECT_EQ(imported->FileName(), TempFile("groups.ubm"));
  TakeAsked();

  // Two attributes of the same name cannot be linked in jKIV: the export says what it did.
  for (int i = 0; i < 2; ++i) {
    Select(imported, "a");
    if (imported->Model().FirstAttribute()->Funct()) Questions.Answer(TAnswer::Yes);
    Child<QAction>(imported, "ModAdd")->trigger();
  }
  EXPECT_EQ(InputNames(*imported->Model().FirstAttribute()), "b,New,New");
  TakeAsked();
  // Cancel writes nothing and leaves the document's file as it was.
  const QString same = QString::fromStdString(TempFile("same.xml"));
  Questions.ChooseFile(TFileChoice{TempFile("same.xml"), 2});
  Questions.Answer(TAnswer::Cancel);
  Action("FileSaveAs")->trigger();
  ASSERT_EQ(Questions.Asked().size(), 2u);
  EXPECT_EQ(Questions.Asked()[1].Kind, TKind::WarnOkCancel);
  EXPECT_NE(Questions.Asked()[1].Text.find("New"), std::string::npos);
  EXPECT_FALSE(QFile::exists(same));
  EXPECT_EQ(imported->FileName(), TempFile("groups.ubm"));
  TakeAsked();

  Questions.ChooseFile(TFileChoice{TempFile("same.xml"), 2});
  Questions.Answer(TAnswer::Ok);
  Action("FileSaveAs")->trigger();
  EXPECT_TRUE(Questions.Done());
  EXPECT_TRUE(QFile::exists(same));
  EXPECT_EQ(imported->FileName(), TempFile("same.ubm"));
}

TEST_F(Documents, CloseQueryAnswers) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  Modify(document);
  const std::string question = "Save model \"CAR\" as file \"" + Example("car.ubm") + "\"?";
  QMdiSubWindow* window = MdiArea()->currentSubWindow();

  Questions.Answer(TAnswer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{question});
  EXPECT_EQ(Main->Documents().size(), 1u);

  // A never-saved model whose save dialog is cancelled stays open.
  Main->CreateDocument({});
  Questions.Answer(TAnswer::Yes);
  Questions.ChooseFile(std::nullopt);
  EXPECT_FALSE(MdiArea()->currentSubWindow()->close());
  EXPECT_EQ(TakeAsked().front(), "Save model \"Root1\" as file?");
  EXPECT_EQ(Main->Documents().size(), 2u);

  Questions.Answer(TAnswer::Yes);
  Questions.ChooseFile(TFileChoice{TempFile("fresh.ubm"), 1});
  EXPECT_TRUE(MdiArea()->subWindowList().at(1)->close());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(TempFile("fresh.ubm"))));
  TakeAsked();

  // A save that fails on closing says why and keeps the window.
  ASSERT_TRUE(QDir(Temp.path()).mkdir("gone"));
  TModelForm* doomed = Main->CreateDocument({});
  Questions.ChooseFile(TFileChoice{TempFile("gone/model.ubm"), 1});
  ASSERT_TRUE(doomed->SaveModel());
  ASSERT_TRUE(QDir(Temp.filePath("gone")).removeRecursively());
  Modify(doomed);
  TakeAsked();
  Questions.Answer(TAnswer::Yes);
  EXPECT_FALSE(MdiArea()->currentSubWindow()->close());
  ASSERT_EQ(Questions.Asked().size(), 2u);
  EXPECT_EQ(Questions.Asked()[1].Kind, TKind::Error);
  EXPECT_EQ(doomed->FileName(), TempFile("gone/model.ubm"));
  EXPECT_TRUE(doomed->Document().Modified());
  TakeAsked();
  Questions.Answer(TAnswer::No);
  EXPECT_TRUE(MdiArea()->currentSubWindow()->close());
  TakeAsked();

  // Names of models and files keep their letters in the question.
  TModelForm* named = Main->CreateDocument({});
  Change(named, [](TUbicModel& model) {
    model.FirstAttribute()->SetName(
        "\xE8"
        "aj");
  });
  const std::string fileName = TempFile(
      "\xC4\x8D"
      "aj.ubm");
  Questions.ChooseFile(TFileChoice{fileName, 1});
  ASSERT_TRUE(named->SaveModel());
  Modify(named);
  Questions.Answer(TAnswer::No);
  EXPECT_TRUE(MdiArea()->currentSubWindow()->close());
  EXPECT_EQ(TakeAsked().back(),
            "Save model \"\xC4\x8D"
            "aj\" as file \"" +
                fileName + "\"?");

  Questions.Answer(TAnswer::No);
  EXPECT_TRUE(window->close());
  QApplication::processEvents();
  EXPECT_TRUE(Main->Documents().empty());
  EXPECT_FALSE(Action("FileClose")->isEnabled());
}

TEST_F(Documents, ExitAsksEveryDocumentFirst) {
  TModelForm* first = Main->CreateDocument({});
  TModelForm* second = Main->CreateDocument(Example("car.ubm"));
  Modify(second);

  Questions.Answer(TAnswer::Yes);
  Questions.ChooseFile(TFileChoice{TempFile("first.ubm"), 1});
  Questions.Answer(TAnswer::Cancel);
  EXPECT_FALSE(Main->close());
  EXPECT_EQ(Main->Documents().size(), 2u);
  EXPECT_FALSE(first->Document().Modified());
  EXPECT_EQ(first->FileName(), TempFile("first.ubm"));
  EXPECT_TRUE(second->Document().Modified());
  TakeAsked();

  Questions.Answer(TAnswer::No);
  EXPECT_TRUE(Main->close());
  EXPECT_EQ(TakeAsked().size(), 1u);
}

TEST_F(Documents, CommandLineOpensExistingFilesAtFirstActivation) {
  Main.reset();
  Main = std::make_unique<TMainForm>(
      Questions, QStringList{QString::fromStdString(Example("car.ubm")), "no-such-model.ubm",
                             QString::fromStdString(Example("home.ubm"))});
  Main->show();
  Main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  EXPECT_TRUE(Eventually([&] { return Main->Documents().size() == 2u; }));
  EXPECT_TRUE(Questions.Asked().empty());
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(Main.get(), &activation);
  QApplication::processEvents();
  EXPECT_EQ(Main->Documents().size(), 2u);
}

TEST(AboutAndHelp, TextsAndManual) {
  TAboutBox about(nullptr);
  EXPECT_EQ(about.windowTitle(), "About Ubic");
  EXPECT_EQ(TAboutBox::VersionLine(), "Version 1.02");
  EXPECT_TRUE(QFile::exists(THelpForm::ContentsFile()));
}

// Ctrl+F reaches the search field; Enter finds the text on any page, going on from the page
// shown and round past the last page.
TEST(AboutAndHelp, TheManualIsSearchedInAllItsPages) {
  THelpForm help;
  help.ShowContents();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  auto* browser = Child<QTextBrowser>(&help, "Browser");
  auto* search = Child<QLineEdit>(&help, "SearchEdit");
  const auto page = [browser] { return QFileInfo(browser->source().toLocalFile()).fileName(); };
  const auto selected = [browser] { return browser->textCursor().selectedText(); };
  ASSERT_EQ(page(), "index.html");
  const QStringList pages = THelpForm::Pages(THelpForm::ContentsFile());
  EXPECT_EQ(pages.size(), QDir(QFileInfo(pages.front()).path()).entryList({"*.html"}).size());

  browser->setFocus();
  QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(help.focusWidget(), search);
  const auto find = [search](const char* text) {
    search->setText(text);
    QTest::keyClick(search, Qt::Key_Return);
  };
  // Only on a page in the middle of the manual.
  find("Form Feed");
  EXPECT_EQ(page(), "printing.html");
  EXPECT_EQ(selected(), "form feed");
  // On three pages: from the printing page on, past the last page round to the contents, then
  // page by page with each Enter.
  find("ctrl+ins");
  EXPECT_EQ(page(), "index.html");
  EXPECT_EQ(selected(), "Ctrl+Ins");
  for (const char* next : {"scale-editor.html", "options-and-graphs.html", "index.html"}) {
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(page(), next);
  }
  find("monotonic");
  EXPECT_EQ(page(), "explanation.html");
  // A text no page holds leaves the page and says so.
  find("xylophone");
  EXPECT_EQ(page(), "explanation.html");
  EXPECT_EQ(Child<QLabel>(&help, "SearchStatus")->text(),
            "No page of the manual holds \"xylophone\".");
}

}  // namespace
}  // namespace ubic
