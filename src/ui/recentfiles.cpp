#include "recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <algorithm>

#include "questions.h"

namespace ubic {
namespace {

constexpr char kRecentFilesKey[] = "RecentFiles";

}  // namespace

QSettings UserSettings() {
  return QSettings(QSettings::UserScope, "Ubic", "Ubic");
}

QStringList DistinctNames(const QStringList& files) {
  std::vector<QStringList> parts;
  for (const QString& file : files) parts.push_back(QDir::fromNativeSeparators(file).split('/'));
  // The last Count parts of a path, joined again.
  const auto tail = [](const QStringList& path, qsizetype count) {
    return path.mid(std::max<qsizetype>(0, path.size() - count)).join('/');
  };
  QStringList names;
  for (const QStringList& own : parts) {
    qsizetype count = 1;
    const auto shared = [&] {
      return std::any_of(parts.begin(), parts.end(), [&](const QStringList& other) {
        return &other != &own && tail(other, count) == tail(own, count);
      });
    };
    while (count < own.size() && shared()) ++count;
    names << QDir::toNativeSeparators(tail(own, count));
  }
  return names;
}

void KeepSettingsIn(const QString& folder) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

TRecentFiles::TRecentFiles(QMenu* menu, QAction* before, TQuestions& questions,
                           std::function<void(const QString&)> open)
    : QObject(menu), FMenu(menu), FBefore(before), FQuestions(questions), FOpen(std::move(open)) {
  connect(menu, &QMenu::aboutToShow, this, &TRecentFiles::Fill);
  Fill();
}

QStringList TRecentFiles::Files() const {
  QStringList files = UserSettings().value(kRecentFilesKey).toStringList();
  while (files.size() > kMaxFiles) files.removeLast();
  return files;
}

void TRecentFiles::Store(const QStringList& files) {
  UserSettings().setValue(kRecentFilesKey, files);
}

void TRecentFiles::Add(const QString& fileName) {
  const QString absolute = QFileInfo(fileName).absoluteFilePath();
  QStringList files = Files();
  files.removeAll(absolute);
  files.prepend(absolute);
  while (files.size() > kMaxFiles) files.removeLast();
  Store(files);
}

void TRecentFiles::Remove(const QString& fileName) {
  QStringList files = Files();
  files.removeAll(fileName);
  Store(files);
}

void TRecentFiles::Fill() {
  for (QAction* action : FActions) delete action;
  FActions.clear();
  const QStringList files = Files();
  const QStringList names = DistinctNames(files);
  for (int i = 0; i < files.size(); ++i) {
    const QString file = files[i];
    // The tenth is numbered 0, as the keyboard's digits run.
    const QString caption =
        QString("&%1 %2").arg((i + 1) % 10).arg(QString(names[i]).replace('&', "&&"));
    auto* action = new QAction(caption, FMenu);
    action->setStatusTip(file);
    connect(action, &QAction::triggered, this, [this, file] { Choose(file); });
    FMenu->insertAction(FBefore, action);
    FActions.push_back(action);
  }
  if (!files.isEmpty()) FActions.push_back(FMenu->insertSeparator(FBefore));
}

void TRecentFiles::Choose(const QString& fileName) {
  if (QFileInfo(fileName).isFile()) {
    FOpen(fileName);
    return;
  }
  const std::string text =
      QObject::tr("The file \"%1\" no longer exists.\rRemove it from the list of recent files?")
          .arg(fileName)
          .toStdString();
  // The menu is filled anew when it next opens: the action that called is still running.
  if (FQuestions.Confirm(text) == TAnswer::Yes) Remove(fileName);
}

}  // namespace ubic
