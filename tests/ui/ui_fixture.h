#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "childnamed.h"
#include "document/edits.h"
#include "model/model.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/modeltree.h"
#include "ui/questions.h"

// Failures show QStrings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace ubic {

// Waits for Condition, processing events, five seconds at most; whether it came true. Tests wait
// with this and an EXPECT: QtTest's QTRY macros report to QtTest, so under GoogleTest a failing
// one ends the test quietly, as passed.
inline bool Eventually(const std::function<bool()>& condition) {
  return QTest::qWaitFor(condition);
}

// A main window whose questions are answered by the test. Every scripted answer must be used.
class TUiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Main = std::make_unique<TMainForm>(Questions, QStringList{});
    Main->show();
  }

  void TearDown() override {
    EXPECT_TRUE(Questions.Done()) << "answers left unused";
    for (TModelForm* document : Main->Documents()) document->AllowClose();
    Main.reset();
  }

  std::string Example(const char* name) const { return std::string(UBIC_EXAMPLES_DIR "/") + name; }
  std::string TempFile(const char* name) const {
    return Temp.filePath(QString::fromUtf8(name)).toStdString();
  }
  // A file of the test's own folder that holds Bytes.
  std::string WrittenFile(const char* name, const QByteArray& bytes) const {
    const std::string path = TempFile(name);
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path;
    return path;
  }

  // The texts of the questions asked so far, then forgets them.
  std::vector<std::string> TakeAsked() {
    std::vector<std::string> texts;
    for (const auto& asked : Questions.Asked()) texts.push_back(asked.Text);
    Questions.Clear();
    return texts;
  }

  // The frame's command or control of that name.
  QAction* Action(const char* name) const { return Child<QAction>(Main.get(), name); }
  QMdiArea* MdiArea() const { return Child<QMdiArea>(Main.get(), "MdiArea"); }

  // Sets up a document's model for a test: as every command does, through the document.
  static void Change(TModelForm* document, const std::function<void(TUbicModel&)>& change) {
    document->Document().Run({"Test set-up", [&change](TUbicModel& model) {
                                change(model);
                                return TEditFocus{};
                              }});
  }

  const TUbicAttribute* Find(TModelForm* document, const char* name) {
    const TUbicAttribute* attribute = document->Model().FindAttribute(name);
    EXPECT_TRUE(attribute) << name;
    return attribute;
  }

  void Select(TModelForm* document, const char* name) {
    document->SelectAttribute(Find(document, name));
    ASSERT_EQ(document->SelectedAttribute()->GetName(), name);
  }

  TScriptedQuestions Questions;
  QTemporaryDir Temp;
  std::unique_ptr<TMainForm> Main;
};

// A real edit that leaves the document modified: a space more in the first attribute's
// description.
inline void Modify(TModelForm* document) {
  const TUbicAttribute& first = *document->Model().FirstAttribute();
  document->Run(edits::DescribeAttribute(first, first.GetDescription() + " "));
}

// Runs Body on the modal dialog that Command opens; Body must close it.
inline void WithModal(const std::function<void()>& command,
                      const std::function<void(QWidget*)>& body) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_TRUE(dialog);
    ran = true;
    body(dialog);
  });
  command();
  EXPECT_TRUE(ran);
}

// Types Text into Widget as key presses, whatever characters it holds.
inline void TypeKeys(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

// The names of an attribute's inputs joined by ",".
inline std::string InputNames(const TUbicAttribute& attribute) {
  std::string names;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    names += (i ? "," : "") + attribute.Input(i)->GetName();
  }
  return names;
}

// The node texts of an item's children joined by ",".
inline std::string NodeNames(const QTreeWidgetItem* item) {
  std::string names;
  for (int i = 0; i < item->childCount(); ++i) {
    names += (i ? "," : "") + item->child(i)->text(0).toStdString();
  }
  return names;
}

}  // namespace ubic
