#include "weiform.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include "foundation/checkedint.h"
#include "foundation/ubicutl.h"
#include "uitext.h"

namespace ubic {

namespace {

constexpr int MaxWeight = 100;
const QColor Navy(0, 0, 128);

QLabel* NewLabel(const QString& text, QWidget* parent, Qt::Alignment alignment, bool bold = false,
                 const QColor& colour = {}) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(alignment | Qt::AlignVCenter);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  if (colour.isValid()) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
  }
  return label;
}

// A weight as the track bars and labels show it.
int ShownWeight(const floatarray& weights, std::size_t i) {
  return i < weights.size() ? RoundHalfToEven(weights[i]) : 0;
}

// The width of a weight label, the same in the heading and the rows.
int WeightLabelWidth(const QWidget* widget) {
  return widget->fontMetrics().horizontalAdvance("Required") + 8;
}

}  // namespace

TWeightTrackBar::TWeightTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setRange(0, MaxWeight);
  setPageStep(10);
  setTickInterval(10);
}

void TWeightTrackBar::SetSelectionEnd(int value) {
  if (value == FSelectionEnd) return;
  FSelectionEnd = value;
  update();
}

void TWeightTrackBar::paintEvent(QPaintEvent* event) {
  QSlider::paintEvent(event);
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const QRect handle =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  // The band runs just below the groove, from the handle's centre at 0 to where it would stand at
  // the selection end.
  const int left = groove.left() + handle.width() / 2;
  const int length = QStyle::sliderPositionFromValue(minimum(), maximum(), FSelectionEnd,
                                                     std::max(groove.width() - handle.width(), 0));
  QPainter painter(this);
  painter.fillRect(QRect(left, groove.bottom() + 2, length, 4), QColor(0, 0, 128));
}

TAttWeiFrame::TAttWeiFrame(const QString& name, bool ticks, QWidget* parent) : QWidget(parent) {
  NameLabel = NewLabel(name, this, Qt::AlignLeft);
  TrackBar = new TWeightTrackBar(this);
  TrackBar->setTickPosition(ticks ? QSlider::TicksBelow : QSlider::NoTicks);
  RequiredLabel = NewLabel({}, this, Qt::AlignRight);
  ActualLabel = NewLabel({}, this, Qt::AlignRight, false, Navy);
}

TWeiForm::TWeiForm(QWidget* parent) : QDialog(parent) {
  FFramePanel = new QWidget(this);
  auto* group = new QGroupBox("Weight normalization", this);
  SumBtn = new QPushButton("&Sum 100", group);
  MaxBtn = new QPushButton("&Max 100", group);
  auto* groupLayout = new QHBoxLayout(group);
  groupLayout->addWidget(SumBtn);
  groupLayout->addWidget(MaxBtn);
  groupLayout->addStretch(1);
  connect(SumBtn, &QPushButton::clicked, this, &TWeiForm::SumBtnClick);
  connect(MaxBtn, &QPushButton::clicked, this, &TWeiForm::MaxBtnClick);

  OkBtn = new QPushButton("&OK", this);
  OkBtn->setDefault(true);
  ApplyBtn = new QPushButton("&Apply", this);
  CancelBtn = new QPushButton("&Cancel", this);
  connect(OkBtn, &QPushButton::clicked, this, &TWeiForm::OkBtnClick);
  connect(ApplyBtn, &QPushButton::clicked, this, &TWeiForm::ApplyBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OkBtn);
  buttons->addWidget(ApplyBtn);
  buttons->addWidget(CancelBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FFramePanel);
  layout->addWidget(group);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TWeiForm::Setup(const TUbicAttribute* attribute, TUbicFunction* function) {
  FFunction = function;
  setWindowTitle("Weights: " + ToQString(attribute->GetName()));
  auto* grid = new QGridLayout(FFramePanel);
  grid->setContentsMargins(0, 0, 0, 0);
  const int labelWidth = WeightLabelWidth(this);
  auto* scaleMarks = new QHBoxLayout;
  scaleMarks->addWidget(NewLabel("0", FFramePanel, Qt::AlignLeft));
  scaleMarks->addWidget(NewLabel("50", FFramePanel, Qt::AlignHCenter), 1);
  scaleMarks->addWidget(NewLabel("100", FFramePanel, Qt::AlignRight));
  grid->addWidget(NewLabel("Attribute", FFramePanel, Qt::AlignLeft, true), 0, 0);
  grid->addLayout(scaleMarks, 0, 1);
  grid->addWidget(NewLabel("Required", FFramePanel, Qt::AlignRight, true), 0, 2);
  grid->addWidget(NewLabel("Actual", FFramePanel, Qt::AlignRight, true, Navy), 0, 3);
  FFrames.clear();
  for (int i = 0; i < attribute->InputCount(); ++i) {
    auto* frame = new TAttWeiFrame(ToQString(attribute->Input(i)->GetName()), i == 0, FFramePanel);
    frame->TrackBar->setMinimumWidth(200);
    frame->RequiredLabel->setMinimumWidth(labelWidth);
    frame->ActualLabel->setMinimumWidth(labelWidth);
    grid->addWidget(frame->NameLabel, i + 1, 0);
    grid->addWidget(frame->TrackBar, i + 1, 1);
    grid->addWidget(frame->RequiredLabel, i + 1, 2);
    grid->addWidget(frame->ActualLabel, i + 1, 3);
    connect(frame->TrackBar, &QSlider::valueChanged, this, &TWeiForm::TrackBarChange);
    FFrames.push_back(frame);
  }
  FRequiredWeights.assign(FFrames.size(), 0.0);
  FActualWeights.assign(FFrames.size(), 0.0);
}

void TWeiForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ShowActualWeights();
  FRequiredWeights = FFunction->Weights();
  FRequiredWeights.resize(FFrames.size(), 0.0);
  ShowRequiredWeights();
}

void TWeiForm::ShowActualWeights() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  FFunction->CalcWeights(true);
  FActualWeights = FFunction->LocalWeights();
  FActualWeights.resize(FFrames.size(), 0.0);
  QApplication::restoreOverrideCursor();
  DisplayActualWeights();
}

void TWeiForm::DisplayActualWeights() {
  for (std::size_t i = 0; i < FFrames.size(); ++i) {
    const int weight = ShownWeight(FActualWeights, i);
    FFrames[i]->TrackBar->SetSelectionEnd(weight);
    FFrames[i]->ActualLabel->setText(QString::number(weight));
  }
}

void TWeiForm::ShowRequiredWeights() {
  if (FUpdating) return;
  FUpdating = true;
  for (std::size_t i = 0; i < FFrames.size(); ++i) {
    const int weight = ShownWeight(FRequiredWeights, i);
    FFrames[i]->TrackBar->setValue(weight);
    FFrames[i]->RequiredLabel->setText(QString::number(weight));
  }
  FUpdating = false;
}

void TWeiForm::ReadTrackBars() {
  for (std::size_t i = 0; i < FFrames.size(); ++i) {
    FRequiredWeights[i] = FFrames[i]->TrackBar->value();
  }
}

void TWeiForm::TrackBarChange() {
  if (FUpdating) return;
  ReadTrackBars();
  ShowRequiredWeights();
}

void TWeiForm::Normalize(void (*normalize)(floatarray&, double)) {
  ReadTrackBars();
  FActualWeights = FFunction->LocalWeights();
  FActualWeights.resize(FFrames.size(), 0.0);
  normalize(FRequiredWeights, MaxWeight);
  normalize(FActualWeights, MaxWeight);
  ShowRequiredWeights();
  DisplayActualWeights();
}

void TWeiForm::SumBtnClick() {
  Normalize(&NormalizeSum);
}

void TWeiForm::MaxBtnClick() {
  Normalize(&NormalizeMax);
}

void TWeiForm::StoreWeights() {
  FFunction->SetWeights(FRequiredWeights);
  FFunction->SetUseWeights(true);
  emit WeightsApplied();
}

void TWeiForm::OkBtnClick() {
  StoreWeights();
  accept();
}

void TWeiForm::ApplyBtnClick() {
  StoreWeights();
  ShowActualWeights();
  FRequiredWeights = FFunction->Weights();
  ShowRequiredWeights();
}

}  // namespace ubic
