// The frame around the documents: its keys on every page, its title, closing with several
// modified documents, and the errors of files that are no models.

#include <QAction>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <map>

#include "ui_fixture.h"

namespace ubic {
namespace {

using TKind = TScriptedQuestions::TKind;

constexpr int kPageCount = 4;
constexpr int kGraphsPage = 3;

void ShowPage(TModelForm* document, int page) {
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(page);
}

// Whether a shortcut of Context that belongs to Widget is taken while Focus has the focus, as Qt
// decides it.
bool ContextHolds(const QWidget* widget, Qt::ShortcutContext context, const QWidget* focus) {
  if (!widget->isVisible() || !widget->isEnabled()) return false;
  switch (context) {
    case Qt::WidgetShortcut:
      return widget == focus;
    case Qt::WidgetWithChildrenShortcut:
      return widget == focus || widget->isAncestorOf(focus);
    case Qt::ApplicationShortcut:
      return true;
    default:
      return widget->window() == focus->window();
  }
}

// Whether Action's shortcut is taken while Focus has the focus: one of the widgets it was added
// to holds it; an action in a menu is where the menu's own item is.
bool ShortcutHolds(const QAction* action, Qt::ShortcutContext context, const QWidget* focus) {
  for (QObject* object : action->associatedObjects()) {
    if (const auto* menu = qobject_cast<QMenu*>(object)) {
      if (ShortcutHolds(menu->menuAction(), context, focus)) return true;
    } else if (const auto* widget = qobject_cast<QWidget*>(object)) {
      if (ContextHolds(widget, context, focus)) return true;
    }
  }
  return false;
}

// The keys that more than one command of the frame or its documents answers while Focus has
// the focus, each with the names of those commands.
std::map<QString, QStringList> SharedKeys(const QWidget& frame, const QWidget* focus) {
  std::map<QString, QStringList> owners;
  for (const QAction* action : frame.findChildren<QAction*>()) {
    if (!action->isEnabled() || !action->isVisible()) continue;
    if (!ShortcutHolds(action, action->shortcutContext(), focus)) continue;
    const QString name = action->objectName().isEmpty() ? action->text() : action->objectName();
    for (const QKeySequence& key : action->shortcuts()) owners[key.toString()] << name;
  }
  std::erase_if(owners, [](const auto& owner) { return owner.second.size() < 2; });
  return owners;
}

std::string Describe(const std::map<QString, QStringList>& shared) {
  std::string text;
  for (const auto& [key, names] : shared) {
    text += key.toStdString() + ": " + names.join(", ").toStdString() + "\n";
  }
  return text;
}

class Frame : public TUiTest {
 protected:
  void Activate() {
    Main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  }

  // The text of the one error box that opening File through File > Open showed.
  std::string OpenError(const std::string& file) {
    Questions.ChooseFile(TFileChoice{file, 4});
    Action("FileOpen")->trigger();
    const std::vector<TScriptedQuestions::TAsked> asked = Questions.Asked();
    Questions.Clear();
    EXPECT_EQ(asked.size(), 2u);
    if (asked.size() != 2u || asked[1].Kind != TKind::Error) return {};
    return asked[1].Text;
  }
};

TEST_F(Frame, TheViewMenuTilesInRowsOrColumnsAndLinesUpIcons) {
  Main->resize(900, 700);
  // A file opens in one window only: the fourth is a new model.
  for (const char* name : {"car.ubm", "home.ubm", "applicant.ubm", ""}) {
    Main->CreateDocument(*name ? Example(name) : std::string());
  }
  const QList<QMdiSubWindow*> windows = MdiArea()->subWindowList(QMdiArea::CreationOrder);
  ASSERT_EQ(windows.size(), 4);
  const QRect area = MdiArea()->viewport()->rect();
  // The tiles cover the area exactly, one after another along the tiling's direction.
  const auto expectTiles = [&](const QList<QMdiSubWindow*>& tiles, bool rows, int length) {
    int next = 0;
    for (const QMdiSubWindow* tile : tiles) {
      const QRect frame = tile->geometry();
      EXPECT_EQ(rows ? frame.top() : frame.left(), next);
      EXPECT_EQ(rows ? frame.width() : frame.height(), rows ? area.width() : area.height());
      next = (rows ? frame.bottom() : frame.right()) + 1;
    }
    EXPECT_EQ(next, length);
  };
  Action("WindowTileHorizontal")->trigger();
  expectTiles(windows, true, area.height());
  Action("WindowTileVertical")->trigger();
  expectTiles(windows, false, area.width());

  // Minimised windows lie side by side along the bottom, and tiling leaves them that strip.
  windows[1]->showMinimized();
  windows[3]->showMinimized();
  windows[3]->move(200, 100);
  Action("WindowArrangeIcons")->trigger();
  const QRect first = windows[1]->geometry();
  const QRect second = windows[3]->geometry();
  EXPECT_EQ(first.bottomLeft(), QPoint(0, area.bottom()));
  EXPECT_EQ(second.topLeft(), QPoint(first.right() + 1, first.top()));
  Action("WindowTileHorizontal")->trigger();
  expectTiles({windows[0], windows[2]}, true, first.top());
  EXPECT_EQ(windows[1]->geometry(), first);
}

TEST_F(Frame, CtrlNMakesANewDocumentOnTheGraphsPage) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  Activate();
  ShowPage(document, kGraphsPage);
  auto* tree = Child<QTreeWidget>(document, "GraphTree");
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(Main->Documents().size(), 2u);
}

TEST_F(Frame, CtrlWAndCtrlF4CloseTheActiveDocument) {
  TModelForm* first = Main->CreateDocument(Example("car.ubm"));
  TModelForm* second = Main->CreateDocument(Example("home.ubm"));
  Activate();
  ASSERT_EQ(Main->ActiveDocument(), second);
  Modify(second);
  const auto press = [](TModelForm* document, Qt::Key key) {
    auto* tree = Child<QTreeWidget>(document, "ModTreeView");
    tree->setFocus();
    QTest::keyClick(tree, key, Qt::ControlModifier);
  };
  // The close query applies: Cancel keeps the window.
  Questions.Answer(TAnswer::Cancel);
  press(second, Qt::Key_W);
  EXPECT_EQ(TakeAsked().size(), 1u);
  EXPECT_EQ(Main->Documents().size(), 2u);
  Questions.Answer(TAnswer::No);
  press(second, Qt::Key_F4);
  EXPECT_EQ(TakeAsked().size(), 1u);
  EXPECT_TRUE(Eventually([&] { return Main->Documents().size() == 1u; }));
  ASSERT_EQ(Main->ActiveDocument(), first);
  press(first, Qt::Key_W);
  EXPECT_TRUE(Eventually([&] { return Main->Documents().empty(); }));
}

TEST_F(Frame, NoKeyIsTakenByTwoCommandsAtOnce) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  // Most commands are enabled: an aggregate attribute with a function, and a copied subtree.
  Select(document, "COSTS");
  Child<QAction>(document, "ModCopy")->trigger();
  ASSERT_TRUE(Main->SubtreeClipboard());
  for (int page = 0; page < kPageCount; ++page) {
    ShowPage(document, page);
    for (const QWidget* focus : Main->findChildren<QWidget*>()) {
      if (!focus->isVisible() || focus->focusPolicy() == Qt::NoFocus) continue;
      const std::map<QString, QStringList> shared = SharedKeys(*Main, focus);
      EXPECT_TRUE(shared.empty()) << "page " << page << ", focus in "
                                  << focus->metaObject()->className() << " "
                                  << focus->objectName().toStdString() << ":\n"
                                  << Describe(shared);
    }
  }
}

// The title as the window system shows it: Qt writes the modified mark, and adds " — " and the
// application's display name to a title that does not end with it when the program has set a
// display name (unset, Qt reports the application's name as the display name).
QString ShownTitle(const QWidget& window) {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name + " probe");
  const QString display = QGuiApplication::applicationDisplayName();
  QCoreApplication::setApplicationName(name);
  const QString title = window.windowHandle()->title();
  if (display == name + " probe" || title.endsWith(display)) return title;
  return title + QString::fromUtf8(" \u2014 ") + display;
}

TEST_F(Frame, TheTitleNamesTheProgramOnceAndTheMaximisedDocument) {
  EXPECT_EQ(ShownTitle(*Main), "Ubic");
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  ASSERT_TRUE(MdiArea()->currentSubWindow()->isMaximized());
  const QString file = QString::fromStdString(Example("car.ubm"));
  EXPECT_EQ(ShownTitle(*Main), "Ubic - [CAR [" + file + "]]");
  Modify(document);
  EXPECT_EQ(ShownTitle(*Main), "Ubic - [CAR [*" + file + "]]");
}

// Answers from the script, and calls Asking before each confirmation.
class TWatchedQuestions : public TScriptedQuestions {
 public:
  std::function<void()> Asking;

  TAnswer Confirm(const std::string& text, bool withCancel) override {
    Asking();
    return TScriptedQuestions::Confirm(text, withCancel);
  }
};

TEST_F(Frame, ExitShowsEachModifiedDocumentBeforeAskingAboutIt) {
  TWatchedQuestions questions;
  TMainForm frame(questions, {});
  frame.show();
  TModelForm* first = frame.CreateDocument(Example("car.ubm"));
  TModelForm* second = frame.CreateDocument(Example("home.ubm"));
  TModelForm* saved = frame.CreateDocument(Example("applicant.ubm"));
  Modify(first);
  Modify(second);
  ASSERT_EQ(frame.ActiveDocument(), saved);
  std::vector<TModelForm*> shown;
  questions.Asking = [&] { shown.push_back(frame.ActiveDocument()); };
  // Cancelled at the second, the program stays with that document in front.
  questions.Answer(TAnswer::No);
  questions.Answer(TAnswer::Cancel);
  Child<QAction>(&frame, "FileExit")->trigger();
  EXPECT_TRUE(frame.isVisible());
  EXPECT_EQ(shown, (std::vector<TModelForm*>{first, second}));
  EXPECT_EQ(frame.ActiveDocument(), second);
  EXPECT_EQ(frame.Documents().size(), 3u);

  shown.clear();
  frame.CreateDocument(Example("car.ubm"));
  questions.Answer(TAnswer::No);
  questions.Answer(TAnswer::No);
  Child<QAction>(&frame, "FileExit")->trigger();
  EXPECT_FALSE(frame.isVisible());
  EXPECT_EQ(shown, (std::vector<TModelForm*>{first, second}));
  EXPECT_TRUE(questions.Done());
}

// Whether Text is well-formed UTF-8 without control characters.
bool Readable(const std::string& text) {
  const QString decoded = QString::fromUtf8(text);
  if (decoded.toUtf8().toStdString() != text) return false;
  return std::none_of(decoded.begin(), decoded.end(),
                      [](QChar c) { return c.category() == QChar::Other_Control; });
}

TEST_F(Frame, AFileThatIsNoModelIsNamedInAReadableError) {
  // A PNG image's signature, then bytes of a chunk, with a "<" further on.
  constexpr char kPicture[] =
      "\x89PNG\r\n\x1A\nx\x1F\x8B\x08sRGB\x81\x90\xAE\xCE\x1C\xE9\0\0\0\rIHDR\0\0\0\x10<\x02>";
  const std::string pictureFile =
      WrittenFile("picture.png", QByteArray(kPicture, sizeof kPicture - 1));
  const std::string tableFile =
      WrittenFile("table.csv", "Option,Price\nCompact,low\nEstate,high\n");
  for (const std::string& file : {pictureFile, tableFile}) {
    const std::string error = OpenError(file);
    EXPECT_NE(error.find("\"" + file + "\""), std::string::npos) << error;
    EXPECT_TRUE(Readable(error)) << error;
  }
  EXPECT_EQ(OpenError(pictureFile), "File \"" + pictureFile + "\" holds binary data, not a model.");
  EXPECT_TRUE(Main->Documents().empty());
  // An error that names the file already is shown as it is.
  const std::string kvx = WrittenFile("broken.kvx", " DKB m| ATT a|");
  const std::string error = OpenError(kvx);
  ASSERT_NE(error.find(kvx), std::string::npos) << error;
  EXPECT_EQ(error.find(kvx), error.rfind(kvx)) << error;
}

}  // namespace
}  // namespace ubic
