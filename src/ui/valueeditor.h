#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace ubic {

class TUbicAttribute;

// The value editor of the Options and Evaluation pages: the values of an attribute's scale and
// "*", each with a check box showing whether it is in the option's value set. Choosing an item
// (a click on its name, Enter) makes it the only value; a click on its check box, a click with
// Ctrl held or Space in the list adds the value to the set or takes it out and leaves the list
// open. "*" stands for any value, the undefined set. Beside each value's check box is its weight,
// when the option gives its values weights; a click on it edits it, and the value is then held
// with weights: those of the other values stay, a set's values weigh 1 each.
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
  // The user gave a value a weight: the option's weights as "name=weight" joined by ";".
  void WeightsEntered(const std::string& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The closed editor shows the whole set, not only its first value.
  void paintEvent(QPaintEvent* event) override;

 private:
  bool IsToggle(const QMouseEvent& event) const;
  // Whether the event is on a value's weight, which it then edits.
  bool EditsWeight(const QMouseEvent& event);
  void Toggle(int index);
  // The weight typed beside value Index.
  void WeightEdited(int index, const QString& weight);

  // The set shown, undefined as nothing, and its weights: one per code, none for a plain set.
  std::string FCodes;
  std::vector<double> FWeights;
  std::vector<std::string> FNames;
  // A weight's editor is open: its Enter is not the list's.
  bool FEditingWeight = false;
  QString FText;
};

}  // namespace ubic
