// The File menu's recent files: newest first, ten at most, kept in the (test's own) settings, and a
// vanished file offered for removal.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "ui/recentfiles.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

class RecentFiles : public TUiTest {
 protected:
  TRecentFiles* Recent() const { return Child<TRecentFiles>(Main.get(), "RecentFiles"); }

  void SetUp() override {
    TUiTest::SetUp();
    for (const QString& file : Recent()->Files()) Recent()->Remove(file);
  }

  // A copy of the car model called Name in the test's folder, opened in a document.
  QString OpenCopy(const std::string& name) {
    const QString file = QString::fromStdString(TempFile(name.c_str()));
    EXPECT_TRUE(QFile::copy(QString::fromStdString(Example("car.ubm")), file));
    Main->CreateDocument(file.toStdString());
    return QFileInfo(file).absoluteFilePath();
  }

  QStringList Captions() {
    emit Child<QMenu>(Main.get(), "FileMenu")->aboutToShow();
    QStringList captions;
    for (QAction* action : Recent()->Actions()) {
      if (!action->isSeparator()) captions << action->text();
    }
    return captions;
  }
};

TEST_F(RecentFiles, NewestFirstTenAtMostAndNoTwice) {
  QStringList opened;
  for (int i = 1; i <= 12; ++i) opened.prepend(OpenCopy("m" + std::to_string(i) + ".ubm"));
  EXPECT_EQ(Recent()->Files(), opened.mid(0, 10));
  // Opening a listed file again moves it to the front.
  Main->CreateDocument(opened[4].toStdString());
  const QStringList files = Recent()->Files();
  EXPECT_EQ(files.size(), 10);
  EXPECT_EQ(files[0], opened[4]);
  EXPECT_EQ(files.count(opened[4]), 1);
  const QStringList captions = Captions();
  ASSERT_EQ(captions.size(), 10);
  EXPECT_EQ(captions[0], "&1 m8.ubm");
  EXPECT_EQ(captions[1], "&2 m12.ubm");
  EXPECT_EQ(captions[9], "&0 m3.ubm");
  // The list outlives the window: a new one reads it from the settings.
  TScriptedQuestions questions;
  TMainForm other(questions, {});
  EXPECT_EQ(Child<TRecentFiles>(&other, "RecentFiles")->Files(), files);
}

TEST_F(RecentFiles, SavingAsPutsTheNewNameFirst) {
  OpenCopy("first.ubm");
  const std::string saved = TempFile("second.ubm");
  Questions.ChooseFile(TFileChoice{saved, 1});
  ASSERT_TRUE(Main->ActiveDocument()->SaveModelAs());
  EXPECT_EQ(Recent()->Files().value(0),
            QFileInfo(QString::fromStdString(saved)).absoluteFilePath());
  EXPECT_EQ(Recent()->Files().size(), 2);
}

TEST_F(RecentFiles, AVanishedFileIsOfferedForRemoval) {
  const QString kept = OpenCopy("kept.ubm");
  const QString gone = OpenCopy("gone.ubm");
  ASSERT_TRUE(QFile::remove(gone));
  const auto documents = Main->Documents().size();
  Captions();
  // Declined: the file stays listed and nothing opens.
  Questions.Answer(TAnswer::No);
  Recent()->Actions()[0]->trigger();
  EXPECT_EQ(Recent()->Files(), (QStringList{gone, kept}));
  ASSERT_EQ(TakeAsked().size(), 1U);
  Questions.Answer(TAnswer::Yes);
  Recent()->Actions()[0]->trigger();
  const std::vector<std::string> asked = TakeAsked();
  ASSERT_EQ(asked.size(), 1U);
  EXPECT_NE(asked[0].find(gone.toStdString()), std::string::npos) << asked[0];
  EXPECT_EQ(Recent()->Files(), QStringList{kept});
  EXPECT_EQ(Main->Documents().size(), documents);
  // A file that is there opens, or rather its window comes to the front: it is open already.
  EXPECT_EQ(Captions(), QStringList{"&1 kept.ubm"});
  Main->CreateDocument({});
  Recent()->Actions()[0]->trigger();
  EXPECT_EQ(Main->Documents().size(), documents + 1);
  EXPECT_EQ(QString::fromStdString(Main->ActiveDocument()->FileName()), kept);
  EXPECT_TRUE(Questions.Asked().empty());
}

TEST_F(RecentFiles, FilesOfTheSameNameShowTheFoldersThatTellThemApart) {
  for (const char* folder : {"a", "b", "c/x", "d/x"}) ASSERT_TRUE(QDir(Temp.path()).mkpath(folder));
  const QStringList opened = {OpenCopy("a/flat.ubm"), OpenCopy("b/flat.ubm"),
                              OpenCopy("c/x/plan.ubm"), OpenCopy("d/x/plan.ubm"),
                              OpenCopy("R&D.ubm")};
  EXPECT_EQ(Captions(), (QStringList{"&1 R&&D.ubm", "&2 d/x/plan.ubm", "&3 c/x/plan.ubm",
                                     "&4 b/flat.ubm", "&5 a/flat.ubm"}));
  // The whole path is the item's status tip, and the item opens that file.
  QAction* item = Recent()->Actions()[3];
  EXPECT_EQ(item->statusTip(), opened[1]);
  const auto documents = Main->Documents().size();
  item->trigger();
  ASSERT_EQ(Main->Documents().size(), documents);
  EXPECT_EQ(QString::fromStdString(Main->ActiveDocument()->FileName()), opened[1]);
}

}  // namespace
}  // namespace ubic
