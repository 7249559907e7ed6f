#include "rptform.h"

#include <QComboBox>

#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <bit>

#include "accessibility.h"
#include "print/printformatter.h"
#include "uitext.h"
#include "windowplacement.h"

namespace ubic {

namespace {

constexpr const char* kSectionNames[] = {QT_TRANSLATE_NOOP("QObject", "Tree of attributes"),
                                         QT_TRANSLATE_NOOP("QObject", "Scale"),
                                         QT_TRANSLATE_NOOP("QObject", "Scale descriptions"),
                                         QT_TRANSLATE_NOOP("QObject", "Decision rules"),
                                         QT_TRANSLATE_NOOP("QObject", "Weights"),
                                         QT_TRANSLATE_NOOP("QObject", "Evaluation results"),
                                         QT_TRANSLATE_NOOP("QObject", "Graphs"),
                                         QT_TRANSLATE_NOOP("QObject", "Sensitivity"),
                                         QT_TRANSLATE_NOOP("QObject", "Rule conflicts"),
                                         QT_TRANSLATE_NOOP("QObject", "Targets"),
                                         QT_TRANSLATE_NOOP("QObject", "Explanation")};
// The sections a report has unless the user says otherwise; the analyses are asked for.
constexpr std::size_t kDefaultSectionCount = 7;
// Item i of the list stands for the section of bit i.
constexpr int kGraphsItem = std::countr_zero(static_cast<unsigned>(rsGraphs));

QFont ToQFont(const TFont& font) {
  QFont result(ToQString(font.Family));
  result.setPointSize(font.Size);
  result.setBold(font.Style.Contains(fsBold));
  result.setItalic(font.Style.Contains(fsItalic));
  result.setUnderline(font.Style.Contains(fsUnderline));
  result.setStrikeOut(font.Style.Contains(fsStrikeOut));
  return result;
}

TFont FromQFont(const QFont& font, TColor color) {
  TFont result;
  result.Family = FromQString(font.family());
  result.Size = std::max(1, font.pointSize());
  if (font.bold()) result.Style = result.Style | fsBold;
  if (font.italic()) result.Style = result.Style | fsItalic;
  if (font.underline()) result.Style = result.Style | fsUnderline;
  if (font.strikeOut()) result.Style = result.Style | fsStrikeOut;
  result.Color = color;
  result.CharSet = kEastEuropeCharSet;
  return result;
}

}  // namespace

TFont DefaultReportFont() {
  TFont font;
  font.Family = kReportFontFamily;
  // 13 pixels at 96 dots per inch.
  font.Size = 10;
  font.CharSet = kEastEuropeCharSet;
  return font;
}

TRptForm::TRptForm(QWidget* parent)
    : QDialog(parent),
      FRptList(new QListWidget(this)),
      FMethodBox(NewMethodBox(this)),
      FOKBtn(new QPushButton(QObject::tr("&Report"), this)),
      FCancelBtn(new QPushButton(QObject::tr("&Cancel"), this)),
      FFontBtn(new QPushButton(QObject::tr("&Font..."), this)),
      FReportFont(DefaultReportFont()) {
  setWindowTitle(QObject::tr("Create Report"));
  for (std::size_t i = 0; i < std::size(kSectionNames); ++i) {
    auto* item = new QListWidgetItem(QObject::tr(kSectionNames[i]), FRptList);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(i < kDefaultSectionCount ? Qt::Checked : Qt::Unchecked);
  }
  Describe(FRptList, QObject::tr("Sections"),
           QObject::tr("The ticked sections make up the report"));
  Describe(FOKBtn, {}, QObject::tr("Make the report of the ticked sections and show it"));
  Describe(FCancelBtn, {}, QObject::tr("Make no report"));
  Describe(FFontBtn, {}, QObject::tr("Choose the font of the reports"));
  FOKBtn->setDefault(true);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(FOKBtn);
  buttons->addWidget(FCancelBtn);
  buttons->addWidget(FFontBtn);
  buttons->addStretch();
  auto* methodLabel = new QLabel(QObject::tr("&Method:"), this);
  methodLabel->setBuddy(FMethodBox);
  buttons->addWidget(methodLabel);
  buttons->addWidget(FMethodBox);
  auto* row = new QHBoxLayout;
  row->addWidget(FRptList);
  row->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  NameObjects({{FRptList, "RptList"},
               {FMethodBox, "MethodBox"},
               {FOKBtn, "OKBtn"},
               {FCancelBtn, "CancelBtn"},
               {FFontBtn, "FontBtn"}});
  KeepDialog(this, "RptForm");
  connect(FOKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(FCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(FFontBtn, &QPushButton::clicked, this, &TRptForm::FontBtnClick);
}

TEvaluationMethod TRptForm::Method() const {
  return static_cast<TEvaluationMethod>(FMethodBox->currentData().toInt());
}

void TRptForm::SetMethod(TEvaluationMethod method) {
  FMethodBox->setCurrentIndex(FMethodBox->findData(static_cast<int>(method)));
}

TReportSections TRptForm::Sections() const {
  TReportSections sections;
  for (int i = 0; i < FRptList->count(); ++i) {
    const QListWidgetItem* item = FRptList->item(i);
    if (item->checkState() == Qt::Checked && item->flags().testFlag(Qt::ItemIsEnabled)) {
      sections = sections | static_cast<TReportSection>(1 << i);
    }
  }
  return sections;
}

void TRptForm::SetEmptyGraph(TEmptyGraph reason) {
  QListWidgetItem* item = FRptList->item(kGraphsItem);
  const bool available = reason == TEmptyGraph::None;
  const bool enabled = item->flags().testFlag(Qt::ItemIsEnabled);
  if (enabled && !available) FGraphsTick = item->checkState();
  item->setFlags(item->flags().setFlag(Qt::ItemIsEnabled, available));
  if (!available) {
    item->setCheckState(Qt::Unchecked);
  } else if (!enabled) {
    item->setCheckState(FGraphsTick);
  }
  item->setToolTip(EmptyGraphText(reason));
}

void TRptForm::FontBtnClick() {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, ToQFont(FReportFont), this, QObject::tr("Font"));
  if (chosen) FReportFont = FromQFont(font, FReportFont.Color);
}

}  // namespace ubic
