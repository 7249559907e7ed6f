#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace ubic {

// The user manual in a window of its own, with a search field (Ctrl+F) that finds text in all
// of its pages.
class THelpForm : public QWidget {
 public:
  THelpForm();
  // The manual's first page, from the source tree or the installed documentation; empty when
  // neither holds it.
  static QString ContentsFile();
  // The pages of the manual whose contents page is ContentsFile: that page first, then the pages
  // it links to, in the order of their first links.
  static QStringList Pages(const QString& contentsFile);
  // Shows the manual at its contents.
  void ShowContents();
  // Selects the next place where Text occurs: further on the page shown, else on the first of
  // the following pages that holds it, going round to the first page after the last. False,
  // with the page left as it is, when no page holds it.
  bool FindNext(const QString& text);

 private:
  void SearchEntered();
  // The text of a page as the browser shows it, read once.
  const QString& PageText(const QString& file);

  QTextBrowser* FBrowser;
  QLineEdit* FSearchEdit;
  QLabel* FSearchStatus;
  QHash<QString, QString> FPageTexts;
};

}  // namespace ubic
