#pragma once

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string>
#include <utility>

#include "accessibility.h"
#include "foundation/cp1250.h"
#include "foundation/translation.h"
#include "foundation/utils.h"
#include "model/distribution.h"

namespace ubic {

// Every text the program shows goes through QObject::tr, in the one context "QObject" whichever
// class writes it: a text then has one translation wherever it appears, and code outside a class
// translates as the code in one does. The messages of ubicstr are in the context
// "ubic::ubicstr" (see foundation/translation.h).
inline constexpr const char* kCatalogueContext = "ubic::ubicstr";

// Model texts and messages are Windows-1250; widgets speak Unicode. These two convert at the
// widget edge. Value characters of rule and option texts are data and never pass through them.
inline QString ToQString(const std::string& cp1250) {
  return QString::fromStdString(Cp1250ToUtf8(cp1250));
}

// Characters that Windows-1250 cannot hold become "?"; Replaced (if given) tells whether any did.
inline std::string FromQString(const QString& text, bool* replaced = nullptr) {
  return Utf8ToCp1250(text.toStdString(), replaced);
}

// A hint "short|long" of an action or a control: the short part is the tool tip, the long part
// the status-bar text.
template <class T>
void SetHint(T* target, const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  target->setToolTip(bar < 0 ? hint : hint.left(bar));
  target->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

// An action of Owner's with its caption, hint and key; the key works while the focus is in Owner.
inline QAction* NewOwnAction(QWidget* owner, const QString& caption, const QString& hint,
                             const QKeySequence& key) {
  auto* action = new QAction(caption, owner);
  SetHint(action, hint);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  owner->addAction(action);
  return action;
}

// Gives each object the name of the member that holds it: tests and tools find them by it.
inline void NameObjects(std::initializer_list<std::pair<QObject*, const char*>> objects) {
  for (const auto& [object, name] : objects) object->setObjectName(name);
}

// A box choosing how a run evaluates uncertain values; each entry holds its TEvaluationMethod.
inline QComboBox* NewMethodBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const TEvaluationMethod method :
       {TEvaluationMethod::Sets, TEvaluationMethod::Prob, TEvaluationMethod::Fuzzy}) {
    box->addItem(EvaluationMethodName(method), static_cast<int>(method));
  }
  Describe(box, QObject::tr("Method"),
           QObject::tr("How uncertain values are evaluated: as sets of values, as probabilities "
                       "or as fuzzy degrees"));
  return box;
}

// Where an analysis of option K is shown: a label saying which weights it read as sets, added to
// Layout when the option has any.
template <typename Layout>
void AddWeightsRemark(Layout& layout, const TUbicModel& model, int k, QWidget* parent) {
  const std::string remark = ReducedWeightsRemark(model, k);
  if (remark.empty()) return;
  auto* label = new QLabel(ToQString(remark), parent);
  label->setObjectName("WeightsRemark");
  label->setWordWrap(true);
  layout.addWidget(label);
}

}  // namespace ubic
