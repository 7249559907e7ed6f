#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QVariant>

#include "model/valuetext.h"

namespace ubic {

// The colour of a value's name wherever the program shows one: bad values red, good ones green,
// the rest in the widget's own text colour (an invalid variant).
inline QVariant ClassColour(TValueClass valueClass) {
  switch (valueClass) {
    case TValueClass::Bad:
      return QColor(Qt::red);
    case TValueClass::Good:
      return QColor(0, 128, 0);
    case TValueClass::Neutral:
      break;
  }
  return {};
}

// What a value's colour says, for whoever does not see it: assistive technology reads it as the
// description of the cell.
inline QString ClassDescription(TValueClass valueClass) {
  switch (valueClass) {
    case TValueClass::Bad:
      return QObject::tr("Bad value");
    case TValueClass::Good:
      return QObject::tr("Good value");
    case TValueClass::Neutral:
      break;
  }
  return {};
}

// The light backgrounds behind something better and something worse: a change for the better or
// the worse, an option's strong and weak points.
inline QColor BetterBackground() {
  return {0xC8, 0xF0, 0xC8};
}
inline QColor WorseBackground() {
  return {0xF8, 0xC8, 0xC8};
}

}  // namespace ubic
