#pragma once

#include <QString>
#include <QWidget>

namespace ubic {

// What assistive technology says of a control whose caption or label does not name it, and what
// the control is for. Screen readers read both; the description stands in for a tool tip.
inline void Describe(QWidget* control, const QString& name, const QString& description) {
  if (!name.isEmpty()) control->setAccessibleName(name);
  control->setAccessibleDescription(description);
}

}  // namespace ubic
