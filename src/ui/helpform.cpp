#include "helpform.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "uitext.h"
#include "windowplacement.h"

namespace ubic {

namespace {

QString ReadPage(const QString& file) {
  QFile page(file);
  return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

}  // namespace

THelpForm::THelpForm()
    : FBrowser(new QTextBrowser(this)),
      FSearchEdit(new QLineEdit(this)),
      FSearchStatus(new QLabel(this)) {
  setWindowTitle(QObject::tr("Ubic Help"));
  FBrowser->setOpenExternalLinks(true);
  FSearchEdit->setPlaceholderText(QObject::tr("Search the manual"));
  FSearchEdit->setClearButtonEnabled(true);
  SetHint(FSearchEdit,
          QObject::tr("Search|Find the text in all pages of the manual (Enter finds the next)"));
  connect(FSearchEdit, &QLineEdit::returnPressed, this, &THelpForm::SearchEntered);
  connect(FSearchEdit, &QLineEdit::textChanged, FSearchStatus, &QLabel::clear);
  auto* find = new QAction(this);
  find->setShortcut(QKeySequence("Ctrl+F"));
  connect(find, &QAction::triggered, this, [this] {
    FSearchEdit->setFocus(Qt::ShortcutFocusReason);
    FSearchEdit->selectAll();
  });
  addAction(find);

  auto* searchBar = new QHBoxLayout;
  auto* searchLabel = new QLabel(QObject::tr("&Search:"), this);
  searchLabel->setBuddy(FSearchEdit);
  searchBar->addWidget(searchLabel);
  searchBar->addWidget(FSearchEdit, 1);
  searchBar->addWidget(FSearchStatus, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchBar);
  layout->addWidget(FBrowser, 1);
  NameObjects(
      {{FBrowser, "Browser"}, {FSearchEdit, "SearchEdit"}, {FSearchStatus, "SearchStatus"}});
  resize(1020, 720);
  KeepPlacement(this, TPlacement{"HelpForm", {}, {}});
}

QString THelpForm::ContentsFile() {
  // An installed program finds the manual beside its own prefix; one run from the build tree
  // shows the manual of its sources.
  const QString installed = QCoreApplication::applicationDirPath() + "/../share/doc/ubic/manual";
  for (const QString& folder : {installed, QString(UBIC_MANUAL_SOURCE_DIR)}) {
    const QString file = folder + "/index.html";
    if (QFileInfo(file).isFile()) return file;
  }
  return {};
}

QStringList THelpForm::Pages(const QString& contentsFile) {
  if (contentsFile.isEmpty()) return {};
  QStringList pages{QFileInfo(contentsFile).absoluteFilePath()};
  const QString folder = QFileInfo(contentsFile).absolutePath();
  static const QRegularExpression link(R"(href="([^"#:]+\.html))");
  for (const QRegularExpressionMatch& match : link.globalMatch(ReadPage(contentsFile))) {
    const QString page = QFileInfo(folder + "/" + match.captured(1)).absoluteFilePath();
    if (!pages.contains(page) && QFileInfo(page).isFile()) pages << page;
  }
  return pages;
}

void THelpForm::ShowContents() {
  const QString file = ContentsFile();
  if (file.isEmpty()) {
    FBrowser->setHtml(QObject::tr("<p>The user manual is not installed.</p>"));
  } else {
    FBrowser->setSource(QUrl::fromLocalFile(file));
  }
  show();
  raise();
  activateWindow();
}

const QString& THelpForm::PageText(const QString& file) {
  auto found = FPageTexts.find(file);
  if (found == FPageTexts.end()) {
    QTextDocument page;
    page.setHtml(ReadPage(file));
    found = FPageTexts.insert(file, page.toPlainText());
  }
  return *found;
}

bool THelpForm::FindNext(const QString& text) {
  if (text.isEmpty()) return false;
  const QTextCursor further = FBrowser->document()->find(text, FBrowser->textCursor());
  if (!further.isNull()) {
    FBrowser->setTextCursor(further);
    return true;
  }
  const QStringList pages = Pages(ContentsFile());
  const qsizetype shown =
      pages.indexOf(QFileInfo(FBrowser->source().toLocalFile()).absoluteFilePath());
  // The page shown comes last, searched again from its start.
  for (qsizetype step = 1; step <= pages.size(); ++step) {
    const QString& page = pages[(shown + step) % pages.size()];
    if (!PageText(page).contains(text, Qt::CaseInsensitive)) continue;
    if (page != pages.value(shown)) FBrowser->setSource(QUrl::fromLocalFile(page));
    const QTextCursor first = FBrowser->document()->find(text);
    if (first.isNull()) continue;
    FBrowser->setTextCursor(first);
    return true;
  }
  return false;
}

void THelpForm::SearchEntered() {
  const QString text = FSearchEdit->text();
  FSearchStatus->setText(FindNext(text) || text.isEmpty()
                             ? QString()
                             : QObject::tr("No page of the manual holds \"%1\".").arg(text));
}

}  // namespace ubic
