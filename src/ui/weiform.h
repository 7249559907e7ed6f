#pragma once

#include <QDialog>
#include <QSlider>
#include <memory>
#include <vector>

#include "foundation/utils.h"
#include "model/attribute.h"
#include "model/function.h"

class QPushButton;

namespace ubic {

struct TAttWeiFrame;

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

// The required weights of a function's inputs beside the weights its rules express. It edits the
// rule editor's working function.
class TWeiForm : public QDialog {
  Q_OBJECT

 public:
  explicit TWeiForm(QWidget* parent = nullptr);
  ~TWeiForm() override;

  void Setup(const TUbicAttribute* attribute, TUbicFunction* function);
  const floatarray& RequiredWeights() const { return FRequiredWeights; }
  const floatarray& ActualWeights() const { return FActualWeights; }

 signals:
  // The weights were applied to the function, which derived its rules again: they are to be
  // shown.
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
  void SumBtnClick();
  void MaxBtnClick();
  void OkBtnClick();
  void ApplyBtnClick();
  // The weight typed for input Index, which moves its track bar as a drag would.
  void WeightTyped(std::size_t index, int weight);

  QPushButton* FSumBtn;
  QPushButton* FMaxBtn;
  QPushButton* FOkBtn;
  QPushButton* FApplyBtn;
  QPushButton* FCancelBtn;
  TUbicFunction* FFunction = nullptr;
  std::vector<std::unique_ptr<TAttWeiFrame>> FFrames;
  QWidget* FFramePanel = nullptr;
  floatarray FRequiredWeights;
  floatarray FActualWeights;
  bool FUpdating = false;
};

}  // namespace ubic
