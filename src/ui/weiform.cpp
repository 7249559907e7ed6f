#include "weiform.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include "accessibility.h"
#include "foundation/checkedint.h"
#include "foundation/ubicutl.h"
#include "uitext.h"
#include "windowplacement.h"

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
  return widget->fontMetrics().horizontalAdvance(QObject::tr("Required")) + 8;
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

// One row of the weights dialog: an input's name, its track bar, its required weight as a
// number to type and its actual weight. The controls sit in the dialog's grid and are named
// after the input's index: TrackBar0, RequiredEdit0, ActualLabel0.
struct TAttWeiFrame {
  TAttWeiFrame(const QString& name, std::size_t index, QWidget* parent) {
    NameLabel = NewLabel(name, parent, Qt::AlignLeft);
    TrackBar = new TWeightTrackBar(parent);
    TrackBar->setTickPosition(index == 0 ? QSlider::TicksBelow : QSlider::NoTicks);
    TrackBar->setMinimumWidth(200);
    RequiredEdit = new QSpinBox(parent);
    RequiredEdit->setRange(0, MaxWeight);
    RequiredEdit->setAlignment(Qt::AlignRight);
    ActualLabel = NewLabel({}, parent, Qt::AlignRight, false, Navy);
    // The rows differ only by their input's name, which is no buddy of either control.
    Describe(TrackBar, QObject::tr("Weight of %1").arg(name),
             QObject::tr("The weight the input is required to have"));
    Describe(RequiredEdit, QObject::tr("Required weight of %1").arg(name),
             QObject::tr("The weight the input is required to have, as a number"));
    const QString number = QString::number(index);
    TrackBar->setObjectName("TrackBar" + number);
    RequiredEdit->setObjectName("RequiredEdit" + number);
    ActualLabel->setObjectName("ActualLabel" + number);
  }

  QLabel* NameLabel;
  TWeightTrackBar* TrackBar;
  QSpinBox* RequiredEdit;
  QLabel* ActualLabel;
};

TWeiForm::TWeiForm(QWidget* parent) : QDialog(parent) {
  FFramePanel = new QWidget(this);
  auto* group = new QGroupBox(QObject::tr("Weight normalization"), this);
  FSumBtn = new QPushButton(QObject::tr("&Sum 100"), group);
  FMaxBtn = new QPushButton(QObject::tr("&Max 100"), group);
  auto* groupLayout = new QHBoxLayout(group);
  groupLayout->addWidget(FSumBtn);
  groupLayout->addWidget(FMaxBtn);
  groupLayout->addStretch(1);
  Describe(FSumBtn, {}, QObject::tr("Scale the required weights so that they sum to 100"));
  Describe(FMaxBtn, {}, QObject::tr("Scale the required weights so that the largest is 100"));
  connect(FSumBtn, &QPushButton::clicked, this, &TWeiForm::SumBtnClick);
  connect(FMaxBtn, &QPushButton::clicked, this, &TWeiForm::MaxBtnClick);

  FOkBtn = new QPushButton(QObject::tr("&OK"), this);
  FOkBtn->setDefault(true);
  FApplyBtn = new QPushButton(QObject::tr("&Apply"), this);
  FCancelBtn = new QPushButton(QObject::tr("&Cancel"), this);
  Describe(FOkBtn, {}, QObject::tr("Keep the required weights and close"));
  Describe(FApplyBtn, {},
           QObject::tr("Keep the required weights and show the actual ones they give"));
  Describe(FCancelBtn, {}, QObject::tr("Close without changing the rules"));
  connect(FOkBtn, &QPushButton::clicked, this, &TWeiForm::OkBtnClick);
  connect(FApplyBtn, &QPushButton::clicked, this, &TWeiForm::ApplyBtnClick);
  connect(FCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(FOkBtn);
  buttons->addWidget(FApplyBtn);
  buttons->addWidget(FCancelBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FFramePanel);
  layout->addWidget(group);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  NameObjects({{FSumBtn, "SumBtn"},
               {FMaxBtn, "MaxBtn"},
               {FOkBtn, "OkBtn"},
               {FApplyBtn, "ApplyBtn"},
               {FCancelBtn, "CancelBtn"}});
  // Beside the rule editor's table rather than over it, so that both stay in sight; the editor
  // moves aside when that makes the room.
  KeepDialog(this, TPlacement{{}, {}, [this](const QSize& size) {
                                QWidget* owner =
                                    parentWidget() ? parentWidget()->window() : nullptr;
                                if (owner == nullptr) return AvailableArea(*this).topLeft();
                                const QRect available = AvailableArea(*this);
                                const QRect anchor =
                                    MakeRoomBeside(owner->frameGeometry(), size, available);
                                if (anchor != owner->frameGeometry()) owner->move(anchor.topLeft());
                                return PlaceBeside(anchor, size, available);
                              }});
}

TWeiForm::~TWeiForm() = default;

void TWeiForm::Setup(const TUbicAttribute* attribute, TUbicFunction* function) {
  FFunction = function;
  setWindowTitle(QObject::tr("Weights: %1").arg(ToQString(attribute->GetName())));
  auto* grid = new QGridLayout(FFramePanel);
  grid->setContentsMargins(0, 0, 0, 0);
  const int labelWidth = WeightLabelWidth(this);
  auto* scaleMarks = new QHBoxLayout;
  scaleMarks->addWidget(NewLabel("0", FFramePanel, Qt::AlignLeft));
  scaleMarks->addWidget(NewLabel("50", FFramePanel, Qt::AlignHCenter), 1);
  scaleMarks->addWidget(NewLabel("100", FFramePanel, Qt::AlignRight));
  grid->addWidget(NewLabel(QObject::tr("Attribute"), FFramePanel, Qt::AlignLeft, true), 0, 0);
  grid->addLayout(scaleMarks, 0, 1);
  grid->addWidget(NewLabel(QObject::tr("Required"), FFramePanel, Qt::AlignRight, true), 0, 2);
  grid->addWidget(NewLabel(QObject::tr("Actual"), FFramePanel, Qt::AlignRight, true, Navy), 0, 3);
  FFrames.clear();
  for (int i = 0; i < attribute->InputCount(); ++i) {
    const auto index = static_cast<std::size_t>(i);
    auto frame = std::make_unique<TAttWeiFrame>(ToQString(attribute->Input(i)->GetName()), index,
                                                FFramePanel);
    frame->RequiredEdit->setMinimumWidth(labelWidth);
    frame->ActualLabel->setMinimumWidth(labelWidth);
    grid->addWidget(frame->NameLabel, i + 1, 0);
    grid->addWidget(frame->TrackBar, i + 1, 1);
    grid->addWidget(frame->RequiredEdit, i + 1, 2);
    grid->addWidget(frame->ActualLabel, i + 1, 3);
    connect(frame->TrackBar, &QSlider::valueChanged, this, &TWeiForm::TrackBarChange);
    connect(frame->RequiredEdit, &QSpinBox::valueChanged, this,
            [this, index](int weight) { WeightTyped(index, weight); });
    FFrames.push_back(std::move(frame));
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
  FActualWeights = FFunction->CalcWeights(true).Local;
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
    // Left alone while it already says so, so that a number being typed keeps its cursor.
    if (FFrames[i]->RequiredEdit->value() != weight) FFrames[i]->RequiredEdit->setValue(weight);
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

void TWeiForm::WeightTyped(std::size_t index, int weight) {
  if (!FUpdating) FFrames[index]->TrackBar->setValue(weight);
}

void TWeiForm::Normalize(void (*normalize)(floatarray&, double)) {
  ReadTrackBars();
  FActualWeights = FFunction->CalcWeights(true).Local;
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
  FFunction->ApplyWeights(FRequiredWeights, true);
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
