#ifndef UBIC_UI_SINGLEINSTANCE_H
#define UBIC_UI_SINGLEINSTANCE_H

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace ubic {

// The name under which the program that runs first on this display for this user takes the
// files that later starts are given, so that a file opened from the command line, the file
// manager or a menu entry comes to the window that holds it instead of to a second program.
QString InstanceName();

// Listens under a name for the files of later starts and hands each start's files to Open.
class TInstanceServer : public QObject {
  Q_OBJECT

 public:
  TInstanceServer(const QString& name, std::function<void(const QStringList&)> open);
  bool Listening() const { return FServer.isListening(); }

 private:
  void Accept();

  QLocalServer FServer;
  std::function<void(const QStringList&)> FOpen;
};

// Gives Files, as absolute paths, to the program listening under Name; false when none listens
// or it did not take them, so that this start opens them itself.
bool SendToRunningInstance(const QString& name, const QStringList& files);

}  // namespace ubic

#endif  // UBIC_UI_SINGLEINSTANCE_H
