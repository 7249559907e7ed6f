#include "functform.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "accessibility.h"
#include "model/conflicts.h"
#include "model/valuetext.h"
#include "uitext.h"
#include "valuecolours.h"
#include "weiform.h"
#include "windowplacement.h"

namespace ubic {

namespace {

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

// The background of rules that conflict with another, beside the warning sign in their number.
const QColor kConflictColour(0xFF, 0xD8, 0xB0);

}  // namespace

// The rule grid's content: the inputs' values of each rule and its value, read from the function
// whenever a cell is shown, so that a refill costs nothing but a repaint.
class TRuleTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetFunction(const TUbicAttribute* attribute, const TUbicFunction* function) {
    beginResetModel();
    FAttribute = attribute;
    FFunction = function;
    FindConflicts();
    endResetModel();
  }

  int ValueColumn() const { return FAttribute ? FAttribute->InputCount() : 0; }

  // After the rules changed: the values and the conflicts, and with them the marks of any row.
  void RulesChanged() {
    FindConflicts();
    if (rowCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, ValueColumn()));
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
  }

  const std::vector<TRuleConflict>& Conflicts() const { return FConflicts; }
  const std::vector<int>& ConflictingRules() const { return FConflictingRules; }
  bool Conflicting(int rule) const { return FConflicting[rule] != 0; }

  // Each conflict of the rule in words, one a line, as many as a tool tip can show.
  QString ConflictDetails(int rule) const {
    constexpr int kShown = 10;
    QStringList lines;
    int more = 0;
    for (const TRuleConflict& conflict : FConflicts) {
      if (conflict.Worse != rule && conflict.Better != rule) continue;
      if (lines.size() < kShown) {
        lines << ToQString(ConflictText(*FFunction, conflict));
      } else {
        ++more;
      }
    }
    if (more > 0) lines << QObject::tr("and %1 more").arg(more);
    return lines.join('\n');
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return FFunction && !parent.isValid() ? FFunction->RuleCount() : 0;
  }

  int columnCount(const QModelIndex& parent = {}) const override {
    return FAttribute && !parent.isValid() ? ValueColumn() + 1 : 0;
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.column() == ValueColumn() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                           : Qt::ItemIsEnabled;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const int rule = index.row();
    const int column = index.column();
    if (Conflicting(rule)) {
      if (role == Qt::BackgroundRole) return kConflictColour;
      if (role == Qt::ToolTipRole) return ConflictDetails(rule);
    }
    if (column == ValueColumn()) {
      if (role == Qt::DisplayRole) {
        return ToQString(
            IntervalText(FAttribute->Scale(), FFunction->RuleLow(rule), FFunction->RuleHigh(rule)));
      }
      if (role == Qt::FontRole && FFunction->RuleEntered(rule)) return BoldFont(QFont());
      // Bold and the conflict's colour, told in words.
      if (role == Qt::AccessibleDescriptionRole) {
        const QString entered = FFunction->RuleEntered(rule) ? QObject::tr("Entered rule")
                                                             : QObject::tr("Derived rule");
        return Conflicting(rule) ? entered + ". " + ConflictDetails(rule) : entered;
      }
      return {};
    }
    const TUbicScale* scale = FAttribute->Input(column)->Scale();
    const int value = FFunction->RuleInput(column, rule);
    if (role == Qt::DisplayRole) return ToQString(ValueText(scale, value));
    if (role == Qt::ForegroundRole) return ClassColour(ValueClassOf(scale, value));
    if (role == Qt::AccessibleDescriptionRole) return ClassDescription(ValueClassOf(scale, value));
    return {};
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Vertical) {
      if (role == Qt::DisplayRole) return section + 1;
      if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
      if (Conflicting(section)) {
        if (role == Qt::DecorationRole) return FWarning;
        if (role == Qt::ToolTipRole) return ConflictDetails(section);
      }
      return {};
    }
    if (role == Qt::DisplayRole) {
      const TUbicAttribute* named =
          section == ValueColumn() ? FAttribute : FAttribute->Input(section);
      return ToQString(named->GetName());
    }
    if (role == Qt::FontRole && section == ValueColumn()) return BoldFont(QFont());
    return {};
  }

 private:
  // Once per change of the rules: the grid asks for the marks of every row it paints.
  void FindConflicts() {
    FConflicts.clear();
    if (FFunction && FAttribute) FConflicts = RuleConflicts(*FFunction);
    FConflictingRules = ubic::ConflictingRules(FConflicts);
    FConflicting.assign(FFunction ? FFunction->RuleCount() : 0, 0);
    for (const int rule : FConflictingRules) FConflicting[rule] = 1;
  }

  const TUbicAttribute* FAttribute = nullptr;
  const TUbicFunction* FFunction = nullptr;
  std::vector<TRuleConflict> FConflicts;
  std::vector<int> FConflictingRules;
  // Per rule, whether it takes part in a conflict.
  std::vector<char> FConflicting;
  const QIcon FWarning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
};

namespace {

// The rule numbers: the column is as wide as the editor sets it. Qt's own header would measure
// the text of up to two hundred numbers whenever the table asks for its size.
class TRuleNumbers : public QHeaderView {
 public:
  explicit TRuleNumbers(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

  QSize sizeHint() const override { return {minimumWidth(), defaultSectionSize()}; }
};

// The rule grid asks for room for all its rules and columns: the editor opens at that size, as
// far as the screen lets it.
class TRuleGrid : public QTableView {
 public:
  explicit TRuleGrid(QWidget* parent) : QTableView(parent) {
    setVerticalHeader(new TRuleNumbers(this));
  }

  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return {verticalHeader()->width() + horizontalHeader()->length() + frame,
            horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame};
  }
};

// A status line asks for room for its text when the editor opens, but a longer text later does
// not widen the editor: it says as much as fits.
class TStatusLine : public QLabel {
 public:
  using QLabel::QLabel;

  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect room = contentsRect();
    painter.drawText(room, int(Qt::AlignLeft | Qt::AlignVCenter),
                     fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
  }
};

// "1, 6" for rule indices 0 and 5: the numbers the user sees.
QString RuleNumbers(const std::vector<int>& rules) {
  QStringList numbers;
  for (const int rule : rules) numbers << QString::number(rule + 1);
  return numbers.join(", ");
}

// "Rule 4 conflicts with rules 1, 6."
QString PartnersText(int rule, const std::vector<int>& partners) {
  return QObject::tr("Rule %1 conflicts with %2 %3.")
      .arg(rule + 1)
      .arg(partners.size() == 1 ? QObject::tr("rule") : QObject::tr("rules"),
           RuleNumbers(partners));
}

}  // namespace

TFunctForm::TFunctForm(QWidget* parent) : QDialog(parent), FRuleModel(new TRuleTableModel(this)) {
  setMinimumSize(300, 300);
  FValueCombo = new QComboBox(this);
  FValueCombo->setMinimumContentsLength(12);
  Describe(FValueCombo, QObject::tr("Value"),
           QObject::tr("Value of the attribute for the current rule"));
  connect(FValueCombo, &QComboBox::activated, this, &TFunctForm::ValueComboChange);
  FDeleteBtn = new QPushButton(QObject::tr("Delete"), this);
  SetHint(FDeleteBtn, QObject::tr("Delete|Delete value"));
  connect(FDeleteBtn, &QPushButton::clicked, this, &TFunctForm::DeleteRule);
  FReportBtn = new QPushButton(QObject::tr("Report"), this);
  SetHint(FReportBtn, QObject::tr("Decision rules|Show decision rules"));
  connect(FReportBtn, &QPushButton::clicked, this, [this] {
    if (FEditedFunction && FAttribute) emit ReportRequested(*FEditedFunction, *FAttribute);
  });
  FWeightsBtn = new QPushButton("%", this);
  FWeightsBtn->setFont(BoldFont(FWeightsBtn->font()));
  FWeightsBtn->setStyleSheet("color: blue");
  FWeightsBtn->setMaximumWidth(FWeightsBtn->fontMetrics().horizontalAdvance("%%%") + 16);
  SetHint(FWeightsBtn, QObject::tr("Weights|Define weights of attributes"));
  // A screen reader would read the caption as a lone percent sign.
  FWeightsBtn->setAccessibleName(QObject::tr("Weights"));
  connect(FWeightsBtn, &QPushButton::clicked, this, &TFunctForm::WeightsBtnClick);
  FUseWeightsCheck = new QCheckBox(QObject::tr("&use weights"), this);
  connect(FUseWeightsCheck, &QCheckBox::clicked, this, &TFunctForm::UseWeightsClick);
  Describe(FUseWeightsCheck, {},
           QObject::tr("Open rules are filled by the weighted approximation"));

  FRuleGrid = new TRuleGrid(this);
  FRuleGrid->setModel(FRuleModel);
  FRuleGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  FRuleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FRuleGrid->setTabKeyNavigation(false);
  Describe(FRuleGrid, QObject::tr("Decision rules"),
           QObject::tr(
               "One rule per combination of the inputs' values; digit keys give the rule's value"));
  FRuleGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FRuleGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  FRuleGrid->verticalHeader()->setDefaultSectionSize(FRuleGrid->fontMetrics().height() + 4);
  connect(FRuleGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            // Only the value column takes the cursor; a click elsewhere picks the rule.
            if (current.isValid() && current.column() != FRuleModel->ValueColumn()) {
              SetCurrentRule(current.row());
            } else {
              Synchronize();
            }
          });
  FStatusLine = new TStatusLine(this);
  FConflictLine = new TStatusLine(this);

  FOkBtn = new QPushButton(QObject::tr("&OK"), this);
  FOkBtn->setDefault(true);
  FCancelBtn = new QPushButton(QObject::tr("&Cancel"), this);
  Describe(FOkBtn, {}, QObject::tr("Keep the decision rules"));
  Describe(FCancelBtn, {}, QObject::tr("Leave the decision rules as they were"));
  connect(FOkBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(FCancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(FValueCombo, 1);
  for (QWidget* widget :
       {static_cast<QWidget*>(FDeleteBtn), static_cast<QWidget*>(FReportBtn),
        static_cast<QWidget*>(FWeightsBtn), static_cast<QWidget*>(FUseWeightsCheck)}) {
    top->addWidget(widget);
  }
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(FOkBtn);
  bottom->addWidget(FCancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(FRuleGrid, 1);
  layout->addWidget(FStatusLine);
  layout->addWidget(FConflictLine);
  layout->addLayout(bottom);
  // Digits, Delete and Escape act whichever control has the focus.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  NameObjects({{FValueCombo, "ValueCombo"},
               {FDeleteBtn, "DeleteBtn"},
               {FReportBtn, "ReportBtn"},
               {FWeightsBtn, "WeightsBtn"},
               {FUseWeightsCheck, "UseWeightsCheck"},
               {FRuleGrid, "RuleGrid"},
               {FStatusLine, "StatusLine"},
               {FConflictLine, "ConflictLine"},
               {FOkBtn, "OkBtn"},
               {FCancelBtn, "CancelBtn"}});
  // The first table gets the room it needs, up to the screen's; after that the size and the place
  // are the ones the user left the editor at.
  KeepDialog(this, TPlacement{"FunctForm",
                              [this] {
                                FRuleGrid->updateGeometry();
                                return sizeHint();
                              },
                              {}});
}

TFunctForm::~TFunctForm() = default;

void TFunctForm::Setup(const TUbicAttribute* attribute, const TUbicFunction& function) {
  FAttribute = attribute;
  setWindowTitle(QObject::tr("Decision rules %1").arg(ToQString(attribute->GetName())));
  FEditedFunction = std::make_unique<TUbicFunction>();
  FEditedFunction->Assign(function);
  FScale = attribute->Scale();
  const TUbicDiscreteScale* scale = attribute->DiscreteScale();
  {
    const QSignalBlocker blocker(FValueCombo);
    FValueCombo->clear();
    for (int i = 0; i < scale->Count(); ++i) FValueCombo->addItem(ToQString(scale->ValueName(i)));
    FValueCombo->addItem("*");
  }
  FIntervalLow = 0;
  FIntervalHigh = scale->Count() - 1;

  FRuleModel->SetFunction(attribute, FEditedFunction.get());
  const QFontMetrics metrics = FRuleGrid->fontMetrics();
  // Room for the warning sign of a conflicting rule beside its number, so that the table does
  // not move when the first conflict appears.
  const int sign = FRuleGrid->style()->pixelMetric(QStyle::PM_SmallIconSize) +
                   FRuleGrid->style()->pixelMetric(QStyle::PM_HeaderMargin);
  FRuleGrid->verticalHeader()->setFixedWidth(
      metrics.horizontalAdvance(QString::number(FEditedFunction->RuleCount())) + sign + 12);
  // Widths from the names alone: measuring every cell would cost a pass over the whole table.
  const auto widest = [&metrics](const TUbicAttribute* owner) {
    int width = metrics.horizontalAdvance(ToQString(owner->GetName())) + 8;
    if (const TUbicDiscreteScale* values = owner->DiscreteScale()) {
      for (int i = 0; i < values->Count(); ++i) {
        width = std::max(width, metrics.horizontalAdvance(ToQString(values->ValueName(i))));
      }
    }
    return width + 12;
  };
  for (int j = 0; j < attribute->InputCount(); ++j) {
    FRuleGrid->setColumnWidth(j, widest(attribute->Input(j)));
  }
  FRuleGrid->setColumnWidth(FRuleModel->ValueColumn(), widest(attribute) * 3 / 2);

  const bool weights = attribute->InputsAscending();
  FWeightsBtn->setVisible(weights);
  FUseWeightsCheck->setVisible(weights);
  FWeiForm.reset();
  if (weights) {
    FWeiForm = std::make_unique<TWeiForm>(this);
    FWeiForm->Setup(attribute, FEditedFunction.get());
    connect(FWeiForm.get(), &TWeiForm::WeightsApplied, this, &TFunctForm::WeightsChanged);
  }
  SetCurrentRule(0);
  Synchronize();
}

int TFunctForm::CurrentRule() const {
  return FRuleGrid->currentIndex().row();
}

void TFunctForm::SetCurrentRule(int rule) {
  if (!FEditedFunction || rule < 0 || rule >= FEditedFunction->RuleCount()) return;
  const QModelIndex cell = FRuleModel->index(rule, FRuleModel->ValueColumn());
  FRuleGrid->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
  FRuleGrid->scrollTo(cell);
}

void TFunctForm::Synchronize() {
  const int rule = CurrentRule();
  if (FUpdating || !FEditedFunction || rule < 0) return;
  FUpdating = true;
  FDeleteBtn->setEnabled(FEditedFunction->RuleEntered(rule));
  const int low = FEditedFunction->RuleLow(rule);
  const int high = FEditedFunction->RuleHigh(rule);
  const int intervalItem = FValueCombo->count() - 1;
  if (low != high) {
    FValueCombo->setItemText(intervalItem, ToQString(IntervalText(FScale, low, high)));
    FValueCombo->setCurrentIndex(intervalItem);
    FIntervalLow = low;
    FIntervalHigh = high;
  } else {
    FValueCombo->setCurrentIndex(low);
  }
  ShowStatus(rule);
  if (!FUseWeightsCheck->isHidden()) FUseWeightsCheck->setChecked(FEditedFunction->UseWeights());
  FUpdating = false;
}

void TFunctForm::ShowStatus(int rule) {
  const std::vector<TRuleConflict>& conflicts = FRuleModel->Conflicts();
  FStatusLine->setText(ToQString(FunctionSummary(*FEditedFunction, conflicts.size())));
  FConflictLine->setVisible(!conflicts.empty());
  if (FRuleModel->Conflicting(rule)) {
    FConflictLine->setText(PartnersText(rule, ConflictPartners(conflicts, rule)));
    FConflictLine->setToolTip(FRuleModel->ConflictDetails(rule));
  } else {
    FConflictLine->setText(
        QObject::tr("Conflicting rules: %1.").arg(RuleNumbers(FRuleModel->ConflictingRules())));
    FConflictLine->setToolTip({});
  }
}

void TFunctForm::Refill() {
  FRuleModel->RulesChanged();
}

void TFunctForm::AfterRuleChange() {
  Refill();
  Synchronize();
}

void TFunctForm::ValueComboChange(int index) {
  const int rule = CurrentRule();
  if (FUpdating || !FEditedFunction || rule < 0 || index < 0) return;
  if (index < FScale->Count()) {
    FEditedFunction->EnterRule(rule, index, index);
  } else {
    FEditedFunction->EnterRule(rule, FIntervalLow, FIntervalHigh);
  }
  AfterRuleChange();
}

void TFunctForm::DeleteRule() {
  const int rule = CurrentRule();
  if (!FEditedFunction || rule < 0) return;
  FEditedFunction->ClearEnteredRule(rule);
  AfterRuleChange();
}

void TFunctForm::WeightsChanged() {
  if (FEditedFunction) AfterRuleChange();
}

void TFunctForm::UseWeightsClick() {
  if (!FEditedFunction || FUpdating) return;
  FEditedFunction->ApplyWeights(FEditedFunction->Weights(), !FEditedFunction->UseWeights());
  AfterRuleChange();
}

void TFunctForm::WeightsBtnClick() {
  if (FWeiForm) FWeiForm->exec();
}

bool TFunctForm::HandleKey(const QKeyEvent& key) {
  if (!FEditedFunction) return false;
  // Escape gives the rule back to the completion as Delete does: whatever range it were left
  // with, the completion gives every rule not entered its own.
  if (key.key() == Qt::Key_Escape || key.key() == Qt::Key_Delete) {
    DeleteRule();
    return true;
  }
  const QString text = key.text();
  if (text.size() != 1) return false;
  const int value = text[0].unicode() - '1';
  if (value < 0 || value >= FScale->Count()) return false;
  ValueComboChange(value);
  return true;
}

bool TFunctForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && HandleKey(static_cast<const QKeyEvent&>(*event))) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFunctForm::keyPressEvent(QKeyEvent* event) {
  if (HandleKey(*event)) return;
  QDialog::keyPressEvent(event);
}

void TFunctForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  SetCurrentRule(0);
  FRuleGrid->setFocus();
}

void TFunctForm::done(int result) {
  FWeiForm.reset();
  FRuleModel->SetFunction(nullptr, nullptr);
  if (result != Accepted) FEditedFunction.reset();
  QDialog::done(result);
}

}  // namespace ubic
