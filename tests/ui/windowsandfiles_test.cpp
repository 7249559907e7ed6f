// One file, one window; files changed on disk; files the window did not read.

#include <atomic>
#include <thread>

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>

#include "files/modelfile.h"
#include "files/modelio.h"
#include "foundation/textfile.h"
#include "ui/recentfiles.h"
#include "ui/singleinstance.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

using TKind = TScriptedQuestions::TKind;

class WindowsAndFiles : public TUiTest {
 protected:
  // A copy of the car model called Name in the test's folder.
  std::string CarCopy(const char* name) {
    const std::string file = TempFile(name);
    WriteFileSafely(file, ReadFileText(Example("car.ubm")));
    return file;
  }

  // Writes the car model with its first attribute renamed to Name into File, as another program
  // would.
  void WriteRenamedCar(const std::string& file, const std::string& name) {
    const TOpenedModel car = OpenModel(Example("car.ubm"));
    car.Model->FirstAttribute()->SetName(name);
    SaveToFile(*car.Model, file);
  }

  void ActivateAndSettle(TModelForm* document) {
    MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(document->parentWidget()));
    QApplication::processEvents();
  }
};

TEST_F(WindowsAndFiles, AFileOpenInAWindowIsNotOpenedTwice) {
  const std::string car = CarCopy("car.ubm");
  TModelForm* first = Main->CreateDocument(car);
  TModelForm* other = Main->CreateDocument(Example("home.ubm"));
  ASSERT_EQ(Main->ActiveDocument(), other);

  // Under another spelling of its name, from the open dialog and from the recent files.
  EXPECT_EQ(Main->CreateDocument(TempFile("./car.ubm")), first);
  EXPECT_EQ(Main->ActiveDocument(), first);
  Main->CreateDocument(Example("home.ubm"));
  Questions.ChooseFile(TFileChoice{car, 1});
  Action("FileOpen")->trigger();
  EXPECT_EQ(Main->ActiveDocument(), first);
  Main->CreateDocument(Example("home.ubm"));
  auto* recent = Child<TRecentFiles>(Main.get(), "RecentFiles");
  emit Child<QMenu>(Main.get(), "FileMenu")->aboutToShow();
  ASSERT_EQ(recent->Files().value(1).toStdString(), car);
  recent->Actions()[1]->trigger();
  EXPECT_EQ(Main->ActiveDocument(), first);
  // A foreign file whose own file is open is that window's too.
  SaveModel(first->Model(), TempFile("car.kvx"));
  EXPECT_EQ(Main->CreateDocument(TempFile("car.kvx")), first);
  EXPECT_EQ(Main->Documents().size(), 2u);
  EXPECT_TRUE(Questions.Asked().size() == 1 && Questions.Asked()[0].Kind == TKind::OpenFile);
}

TEST_F(WindowsAndFiles, CommandLineNamesOfOneFileOpenOneWindow) {
  const std::string car = CarCopy("car.ubm");
  Main.reset();
  Main = std::make_unique<TMainForm>(
      Questions,
      QStringList{"car.ubm", QString::fromStdString(TempFile("./car.ubm")),
                  QString::fromStdString(car)});
  Main->show();
  const QString before = QDir::currentPath();
  QDir::setCurrent(Temp.path());
  Main->OpenCommandLineFiles();
  QDir::setCurrent(before);
  ASSERT_EQ(Main->Documents().size(), 1u);
  EXPECT_EQ(Main->Documents()[0]->FileName(), car);
}

// A later start of the program hands its files to the running one, which opens a file only once
// however it is named; with nobody listening, or a socket a crashed program left behind, the
// later start opens them itself.
TEST_F(WindowsAndFiles, ALaterStartGivesItsFilesToTheRunningProgram) {
  const std::string car = CarCopy("car.ubm");
  TModelForm* held = Main->CreateDocument(car);
  const std::string home = TempFile("home.ubm");
  WriteFileSafely(home, ReadFileText(Example("home.ubm")));
  const QString name = QString("ubic-test-%1").arg(QCoreApplication::applicationPid());
  EXPECT_FALSE(SendToRunningInstance(name, {QString::fromStdString(car)}));

  QFile stale(QDir(QDir::tempPath()).filePath(name));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.close();
  const TInstanceServer server(name,
                               [this](const QStringList& files) {
                                 Main->OpenFilesOfAnotherStart(files);
                               });
  ASSERT_TRUE(server.Listening());

  std::atomic<int> taken = -1;
  const QString before = QDir::currentPath();
  QDir::setCurrent(Temp.path());
  std::thread laterStart([&] {
    taken = SendToRunningInstance(name, {"./car.ubm", QString::fromStdString(home)}) ? 1 : 0;
  });
  EXPECT_TRUE(Eventually([&] { return taken != -1; }));
  laterStart.join();
  QDir::setCurrent(before);
  EXPECT_EQ(taken, 1);
  EXPECT_TRUE(Eventually([&] { return Main->Documents().size() == 2; }));
  const std::vector<TModelForm*> documents = Main->Documents();
  EXPECT_EQ(std::count(documents.begin(), documents.end(), held), 1);
  EXPECT_EQ(Main->ActiveDocument()->FileName(), home);
}

TEST_F(WindowsAndFiles, SavingOntoAnotherWindowsFileIsRefused) {
  const std::string car = CarCopy("car.ubm");
  const std::string bytes = ReadFileText(car);
  TModelForm* holder = Main->CreateDocument(car);
  TModelForm* writer = Main->CreateDocument({});

  Questions.ChooseFile(TFileChoice{car, 1});
  EXPECT_FALSE(writer->SaveModelAs());
  ASSERT_EQ(Questions.Asked().size(), 2u);
  EXPECT_EQ(Questions.Asked()[1].Kind, TKind::Error);
  EXPECT_EQ(Questions.Asked()[1].Text,
            "File \"" + car + "\" is open in the window \"" + holder->windowTitle().toStdString() +
                "\". Close that window first, or save under another name.");
  EXPECT_EQ(ReadFileText(car), bytes);
  EXPECT_EQ(writer->FileName(), "");
  TakeAsked();

  // An export would make the other window's file this window's own.
  Questions.ChooseFile(TFileChoice{TempFile("car.xml"), 2});
  EXPECT_FALSE(writer->SaveModelAs());
  EXPECT_EQ(Questions.Asked().back().Kind, TKind::Error);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(TempFile("car.xml"))));
  TakeAsked();

  // Its own file is the window's to write.
  Modify(holder);
  Questions.ChooseFile(TFileChoice{car, 1});
  Questions.Answer(TAnswer::Yes);
  EXPECT_TRUE(holder->SaveModelAs());
  EXPECT_EQ(ReadFileText(car), ModelFileText(holder->Model()));
}

TEST_F(WindowsAndFiles, SaveAsksBeforeWritingOverAChangeOnDisk) {
  const std::string car = CarCopy("car.ubm");
  TModelForm* document = Main->CreateDocument(car);
  WriteRenamedCar(car, "Elsewhere");
  const std::string theirs = ReadFileText(car);
  Modify(document);

  Questions.Answer(TAnswer::No);
  EXPECT_FALSE(document->SaveModel());
  ASSERT_EQ(Questions.Asked().size(), 1u);
  EXPECT_EQ(Questions.Asked()[0].Kind, TKind::WarnYesNo);
  EXPECT_EQ(Questions.Asked()[0].Text,
            "File \"" + car + "\" was changed on disk since it was opened or saved. Overwrite it?");
  EXPECT_EQ(ReadFileText(car), theirs);
  EXPECT_TRUE(document->Document().Modified());
  // Declined here, the change is not offered for reloading as well.
  EXPECT_FALSE(document->Document().DiskChangeToOffer());
  TakeAsked();

  Questions.Answer(TAnswer::Yes);
  EXPECT_TRUE(document->SaveModel());
  EXPECT_EQ(ReadFileText(car), ModelFileText(document->Model()));
  // Once written, the file is the window's again: the next save asks nothing.
  TakeAsked();
  Modify(document);
  EXPECT_TRUE(document->SaveModel());
  EXPECT_TRUE(Questions.Asked().empty());
}

TEST_F(WindowsAndFiles, ComingBackToAWindowWhoseFileChangedOffersToReloadIt) {
  const std::string car = CarCopy("car.ubm");
  TModelForm* document = Main->CreateDocument(car);
  Modify(document);
  const std::string mine = ModelFileText(document->Model());
  TModelForm* other = Main->CreateDocument(Example("home.ubm"));
  WriteRenamedCar(car, "Elsewhere");

  // Kept: the window's model stays, and the same change is not offered again.
  Questions.Answer(TAnswer::No);
  ActivateAndSettle(document);
  ASSERT_TRUE(Eventually([&] { return Questions.Asked().size() == 1; }));
  EXPECT_EQ(Questions.Asked()[0].Kind, TKind::Confirm);
  EXPECT_NE(Questions.Asked()[0].Text.find("\"" + car + "\" was changed on disk"),
            std::string::npos);
  EXPECT_EQ(ModelFileText(document->Model()), mine);
  TakeAsked();
  ActivateAndSettle(other);
  ActivateAndSettle(document);
  EXPECT_TRUE(Questions.Asked().empty());

  // Changed again and reloaded: one step that Undo takes back.
  WriteRenamedCar(car, "Again");
  Questions.Answer(TAnswer::Yes);
  ActivateAndSettle(other);
  ActivateAndSettle(document);
  ASSERT_TRUE(Eventually([&] { return Questions.Done(); }));
  EXPECT_EQ(document->Model().FirstAttribute()->GetName(), "Again");
  EXPECT_FALSE(document->Document().Modified());
  EXPECT_FALSE(document->windowTitle().contains('*'));
  Action("EditUndo")->trigger();
  EXPECT_EQ(ModelFileText(document->Model()), mine);
  EXPECT_TRUE(document->windowTitle().contains('*'));
}

// The own file beside an imported foreign one may hold a richer model: the first save asks.
TEST_F(WindowsAndFiles, TheFirstSaveOfAnImportAsksBeforeReplacingTheOwnFile) {
  const std::string car = CarCopy("car.ubm");
  const std::string rich = ReadFileText(car);
  SaveModel(*OpenModel(car).Model, TempFile("car.xml"));
  TModelForm* imported = Main->CreateDocument(TempFile("car.xml"));
  EXPECT_FALSE(imported->Document().Modified());
  EXPECT_EQ(imported->FileName(), car);

  Questions.Answer(TAnswer::No);
  EXPECT_FALSE(imported->SaveModel());
  ASSERT_EQ(Questions.Asked().size(), 1u);
  EXPECT_EQ(Questions.Asked()[0].Text,
            "File \"" + car + "\" already exists. Do you want to overwrite the file?");
  EXPECT_EQ(ReadFileText(car), rich);
  TakeAsked();

  Questions.Answer(TAnswer::Yes);
  EXPECT_TRUE(imported->SaveModel());
  EXPECT_NE(ReadFileText(car), rich);
  TakeAsked();
  Modify(imported);
  EXPECT_TRUE(imported->SaveModel());
  EXPECT_TRUE(Questions.Asked().empty());
}

// Stored results that evaluation changes are no edit of the user's: the window opens unmarked
// and closes without a question.
TEST_F(WindowsAndFiles, AFileWithStaleResultsOpensUnmodified) {
  const TOpenedModel car = OpenModel(Example("car.ubm"));
  TUbicAttribute* top = car.Model->FirstAttribute();
  top->SetOptionText(0, "");
  top->SetOptionText(1, top->OptionText(1) == "0" ? "1" : "0");
  const std::string stale = TempFile("stale.ubm");
  SaveToFile(*car.Model, stale);
  TModelForm* document = Main->CreateDocument(stale);
  EXPECT_FALSE(document->windowTitle().contains('*'));
  EXPECT_TRUE(MdiArea()->currentSubWindow()->close());
  EXPECT_TRUE(Questions.Asked().empty());
}

}  // namespace
}  // namespace ubic
