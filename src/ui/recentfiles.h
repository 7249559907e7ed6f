#pragma once

#include <QObject>
#include <QSettings>
#include <QStringList>
#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace ubic {

class TQuestions;

// The names under which Files are listed: each the shortest end of its path that no other of
// Files shares, so that two "flat.ubm" of different folders read "a/flat.ubm" and "b/flat.ubm".
QStringList DistinctNames(const QStringList& files);

// Keeps the program's settings in Folder instead of the user's configuration, for the tests and
// the tools that run the program's windows. Call it before the first window is made.
void KeepSettingsIn(const QString& folder);
// The program's settings of the user: recent files, window places, the last folders.
QSettings UserSettings();

// The files last opened or saved, newest first, kept in the user's settings, and their section of
// the File menu: "&1 car.ubm" and so on before the menu's Exit, with the whole path as the status
// tip.
class TRecentFiles : public QObject {
 public:
  static constexpr int kMaxFiles = 10;

  // Open opens a listed file; Questions asks whether a vanished file leaves the list.
  TRecentFiles(QMenu* menu, QAction* before, TQuestions& questions,
               std::function<void(const QString&)> open);

  QStringList Files() const;
  // Puts FileName (made absolute) first; the oldest beyond kMaxFiles drops off.
  void Add(const QString& fileName);
  void Remove(const QString& fileName);
  // The menu's items for the files, rebuilt each time the menu opens.
  void Fill();
  const std::vector<QAction*>& Actions() const { return FActions; }

 private:
  void Store(const QStringList& files);
  void Choose(const QString& fileName);

  QMenu* FMenu;
  QAction* FBefore;
  TQuestions& FQuestions;
  std::function<void(const QString&)> FOpen;
  std::vector<QAction*> FActions;
};

}  // namespace ubic
