#pragma once

#include <QDialog>
#include <QSlider>
#include <vector>

#include "foundation/utils.h"
#include "model/attribute.h"
#include "model/function.h"

class QLabel;
class QPushButton;

namespace ubic {

// A track bar that also shows a band from 0 to a second value, the selection.
class TWeightTrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TWeightTrackBar(QWidget* parent = nullptr);
  int SelectionEnd() const { return FSelectionEnd; }
  void SetSelectionEnd(int value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int FSelectionEnd = 0;
};

// One row of the weights dialog: an input's name, its track bar and its two weights.
class TAttWeiFrame : public QWidget {
  Q_OBJECT

 public:
  TAttWeiFrame(const QString& name, bool ticks, QWidget* parent);

  QLabel* NameLabel;
  TWeightTrackBar* TrackBar;
  QLabel* RequiredLabel;
  QLabel* ActualLabel;
};

// The required weights of a function's inputs beside the weights its rules express. It edits the
// rule editor's working function.
class TWeiForm : public QDialog {
  Q_OBJECT

 public:
  explicit TWeiForm(QWidget* parent = nullptr);

  void Setup(const TUbicAttribute* attribute, TUbicFunction* function);
  const std::vector<TAttWeiFrame*>& Frames() const { return FFrames; }
  const floatarray& RequiredWeights() const { return FRequiredWeights; }
  const floatarray& ActualWeights() const { return FActualWeights; }

  void SumBtnClick();
  void MaxBtnClick();
  void ApplyBtnClick();

  QPushButton* SumBtn;
  QPushButton* MaxBtn;
  QPushButton* OkBtn;
  QPushButton* ApplyBtn;
  QPushButton* CancelBtn;

 signals:
  // The function's weights were stored: its rules are to be derived again.
  void WeightsApplied();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Computes the actual weights from all rules and shows them.
  void ShowActualWeights();
  // The actual weights as they are, normalised or not.
  void DisplayActualWeights();
  void ShowRequiredWeights();
  void ReadTrackBars();
  void TrackBarChange();
  void Normalize(void (*normalize)(floatarray&, double));
  void StoreWeights();
  void OkBtnClick();

  TUbicFunction* FFunction = nullptr;
  std::vector<TAttWeiFrame*> FFrames;
  QWidget* FFramePanel = nullptr;
  floatarray FRequiredWeights;
  floatarray FActualWeights;
  bool FUpdating = false;
};

}  // namespace ubic
