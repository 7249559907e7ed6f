#pragma once

#include <QComboBox>
#include <string>

namespace ubic {

class TUbicAttribute;

// The value editor of the Options and Evaluation pages: the values of an attribute's scale and
// "*", each with a check box showing whether it is in the option's value set. Choosing an item
// (a click on its name, Enter) makes it the only value; a click on its check box, a click with
// Ctrl held or Space in the list adds the value to the set or takes it out and leaves the list
// open. "*" stands for any value, the undefined set.
class TValueEditor : public QComboBox {
  Q_OBJECT

 public:
  explicit TValueEditor(QWidget* parent);

  // Lists Attribute's values with those of Option's set checked.
  void Show(const TUbicAttribute& attribute, int option);
  // The value set of item Index chosen alone: its value's code, nothing for "*".
  std::string SingleChoice(int index) const;

 signals:
  // The user checked or unchecked a value: the codes of the set it leaves, nothing for "*".
  void SetToggled(const std::string& codes);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The closed editor shows the whole set, not only its first value.
  void paintEvent(QPaintEvent* event) override;

 private:
  bool IsToggle(const QMouseEvent& event) const;
  void Toggle(int index);

  // The set shown, undefined as nothing.
  std::string FCodes;
  QString FText;
};

}  // namespace ubic
