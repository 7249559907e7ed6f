// The save dialog as the user sees it: the real file dialog, whose name the program completes and
// about which only the program's own overwrite question is asked.

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "foundation/textfile.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

// Scripted answers to the questions, but the real file dialog.
class TRealFileDialog : public TScriptedQuestions {
 public:
  std::optional<TFileChoice> ChooseSaveFile(const TFileDialogSpec& spec) override {
    return TMessageBoxQuestions().ChooseSaveFile(spec);
  }
};

class SaveDialog : public ::testing::Test {
 protected:
  // Runs the save command with the file dialog answered by Typed under Filter; every message
  // box that comes up besides is counted and answered Yes.
  std::optional<TFileChoice> Choose(const char* typed, const char* filter) {
    const QString name = Temp.filePath(QString::fromLatin1(typed));
    bool accepted = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        ++OtherBoxes;
        box->button(QMessageBox::Yes)->click();
      } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !accepted) {
        accepted = true;
        dialog->selectNameFilter(QString::fromLatin1(filter));
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        // Accepted once the timer returns, so that it can answer a box the dialog would show.
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
      }
    });
    timer.start();
    return ChooseFileToWrite(Questions, {"Save", kFilters, "ubm", {}});
  }

  std::string TempFile(const char* name) const {
    return Temp.filePath(QString::fromLatin1(name)).toStdString();
  }

  const std::vector<std::string> kFilters = {"Decision model Ubic (*.ubm)", "Model jKIV (*.xml)",
                                             "All files (*.*)"};
  TRealFileDialog Questions;
  QTemporaryDir Temp;
  int OtherBoxes = 0;
};

TEST_F(SaveDialog, TheDialogLeavesNamingAndAskingToTheProgram) {
  // "All files" takes the name as typed: the dialog adds no extension of its own.
  auto choice = Choose("laptop", "All files (*.*)");
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->FileName, TempFile("laptop"));
  EXPECT_EQ(choice->FilterIndex, 3);
  choice = Choose("laptop", "Model jKIV (*.xml)");
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->FileName, TempFile("laptop.xml"));
  EXPECT_EQ(choice->FilterIndex, 2);
  EXPECT_TRUE(Questions.Asked().empty());

  // A file that is there is asked about once, in the program's own words.
  WriteFileSafely(TempFile("laptop.xml"), "keep");
  Questions.Answer(TAnswer::No);
  EXPECT_FALSE(Choose("laptop.xml", "Model jKIV (*.xml)"));
  ASSERT_EQ(Questions.Asked().size(), 1U);
  EXPECT_EQ(Questions.Asked()[0].Text, "File \"" + TempFile("laptop.xml") +
                                           "\" already exists. Do you want to overwrite the file?");
  EXPECT_EQ(OtherBoxes, 0);
}

}  // namespace
}  // namespace ubic
