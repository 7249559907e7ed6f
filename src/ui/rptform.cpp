#include "rptform.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/printformatter.h"
#include "uitext.h"

namespace ubic {

namespace {

constexpr const char* kSectionNames[] = {
    "Tree of attributes", "Scale",  "Scale descriptions", "Decision rules", "Weights",
    "Evaluation results", "Graphs", "Sensitivity",        "Rule conflicts"};
// The sections a report has unless the user says otherwise; the analyses are asked for.
constexpr std::size_t kDefaultSectionCount = 7;

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
      RptList(new QListWidget(this)),
      OKBtn(new QPushButton("&Report", this)),
      CancelBtn(new QPushButton("&Cancel", this)),
      FontBtn(new QPushButton("&Font...", this)),
      FReportFont(DefaultReportFont()) {
  setWindowTitle("Create Report");
  for (std::size_t i = 0; i < std::size(kSectionNames); ++i) {
    auto* item = new QListWidgetItem(QString::fromUtf8(kSectionNames[i]), RptList);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(i < kDefaultSectionCount ? Qt::Checked : Qt::Unchecked);
  }
  OKBtn->setDefault(true);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(FontBtn);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(RptList);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(FontBtn, &QPushButton::clicked, this, &TRptForm::FontBtnClick);
}

TReportSections TRptForm::Sections() const {
  TReportSections sections;
  for (int i = 0; i < RptList->count(); ++i) {
    if (RptList->item(i)->checkState() == Qt::Checked) {
      sections = sections | static_cast<TReportSection>(1 << i);
    }
  }
  return sections;
}

void TRptForm::FontBtnClick() {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, ToQFont(FReportFont), this, "Font");
  if (chosen) FReportFont = FromQFont(font, FReportFont.Color);
}

}  // namespace ubic
