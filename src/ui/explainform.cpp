#include "explainform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <unordered_map>
#include <unordered_set>

#include "accessibility.h"
#include "files/explaintable.h"
#include "model/explain.h"
#include "model/valuetext.h"
#include "uitext.h"
#include "valuecolours.h"
#include "windowplacement.h"

namespace ubic {
namespace {

enum TColumn { kAttributeColumn, kValueColumn, kRulesColumn, kStepsColumn, kColumnCount };
constexpr QSize kLeastSize(560, 320);
constexpr const char* kStrongHint = QT_TRANSLATE_NOOP("QObject", "Strong point: a good value");
constexpr const char* kWeakHint = QT_TRANSLATE_NOOP("QObject", "Weak point: a bad value");

QIcon StrongIcon() {
  return QIcon(":/icons/point-strong.svg");
}
QIcon WeakIcon() {
  return QIcon(":/icons/point-weak.svg");
}

void SetValue(QTreeWidgetItem& item, const TUbicAttribute& attribute, const std::string& codes) {
  item.setText(kValueColumn, ToQString(ValueSetText(attribute.Scale(), codes)));
  const QVariant colour = ClassColour(SetClassOf(attribute.Scale(), codes));
  if (colour.isValid()) item.setForeground(kValueColumn, colour.value<QColor>());
}

// Each input's one step that changes the aggregate, with what it gives.
std::string StepsText(const TAggregateExplanation& aggregate) {
  const TUbicAttribute& attribute = *aggregate.Attribute;
  std::string text;
  for (const TInputStep& step : aggregate.Steps) {
    if (!text.empty()) text += "; ";
    text += InputStepText(attribute, step) + FromQString(QObject::tr(" gives ")) +
            ValueSetText(attribute.Scale(), step.Result);
  }
  return text;
}

void SetAggregate(QTreeWidgetItem& item, const TAggregateExplanation& aggregate) {
  SetValue(item, *aggregate.Attribute, aggregate.Value);
  item.setText(kRulesColumn, ToQString(DecidingRulesText(aggregate)));
  item.setText(kStepsColumn, ToQString(StepsText(aggregate)));
}

// A strong or weak point: its icon, and its row on a light green or red.
void MarkPoint(QTreeWidgetItem& item, const QIcon& icon, const QColor& background,
               const QString& hint) {
  item.setIcon(kAttributeColumn, icon);
  for (int column = 0; column < kColumnCount; ++column) {
    item.setBackground(column, background);
    item.setToolTip(column, hint);
  }
}

// The option's values in the model's tree, the explanation beside them; the number of rows.
int FillTree(QTreeWidget& tree, const TUbicModel& model, const TExplanation& explanation) {
  tree.setColumnCount(kColumnCount);
  tree.setHeaderLabels({QObject::tr("Attribute"), QObject::tr("Value"), QObject::tr("Decided by"),
                        QObject::tr("One step changes it")});
  std::unordered_map<const TUbicAttribute*, const TAggregateExplanation*> aggregates;
  for (const TAggregateExplanation& aggregate : explanation.Aggregates) {
    aggregates.emplace(aggregate.Attribute, &aggregate);
  }
  const std::unordered_set<const TUbicAttribute*> strong(explanation.Strong.begin(),
                                                         explanation.Strong.end());
  const std::unordered_set<const TUbicAttribute*> weak(explanation.Weak.begin(),
                                                       explanation.Weak.end());
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  // Pre-order: an attribute's parent has its item before the attribute.
  std::unordered_map<const TUbicAttribute*, QTreeWidgetItem*> items;
  for (const TUbicAttribute* attribute : attributes) {
    const auto above = items.find(attribute->Parent());
    auto* item =
        above == items.end() ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(above->second);
    items.emplace(attribute, item);
    item->setText(kAttributeColumn, ToQString(attribute->GetName()));
    const auto aggregate = aggregates.find(attribute);
    if (aggregate != aggregates.end()) {
      SetAggregate(*item, *aggregate->second);
      continue;
    }
    SetValue(*item, *attribute, attribute->OptionText(explanation.Option));
    if (strong.count(attribute) != 0) {
      MarkPoint(*item, StrongIcon(), BetterBackground(), QObject::tr(kStrongHint));
    }
    if (weak.count(attribute) != 0) {
      MarkPoint(*item, WeakIcon(), WorseBackground(), QObject::tr(kWeakHint));
    }
  }
  tree.expandAll();
  for (int column = 0; column < kColumnCount; ++column) tree.resizeColumnToContents(column);
  return static_cast<int>(attributes.size());
}

// What the icons of the strong and weak points stand for.
QHBoxLayout* NewLegend(QWidget* parent) {
  auto* legend = new QHBoxLayout;
  for (const auto& [icon, text] : {std::pair{StrongIcon(), kStrongHint}, {WeakIcon(), kWeakHint}}) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(icon.pixmap(16, 16));
    legend->addWidget(picture);
    legend->addWidget(new QLabel(QObject::tr(text), parent));
    legend->addSpacing(16);
  }
  legend->addStretch();
  return legend;
}

// Dialog as large as its tree needs to show Rows rows and every column whole; KeepDialog keeps it
// within the screen.
void FitToTree(QDialog& dialog, QTreeWidget& tree, int rows) {
  const int frame = 2 * tree.frameWidth();
  const int scrollBar = tree.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QSize needed(
      tree.header()->length() + frame + scrollBar,
      tree.header()->sizeHint().height() + rows * tree.sizeHintForRow(0) + frame + scrollBar);
  const QMargins margins = dialog.layout()->contentsMargins();
  const QSize rest(margins.left() + margins.right(),
                   dialog.sizeHint().height() - tree.sizeHint().height());
  dialog.resize((rest + needed).expandedTo(kLeastSize));
}

}  // namespace

TExplainForm::TExplainForm(const TUbicModel& model, int option, QWidget* parent)
    : QDialog(parent),
      FTree(new QTreeWidget(this)),
      FCopy(NewOwnAction(this, QObject::tr("&Copy"),
                         QObject::tr("Copy|Copy the explanation as text"),
                         QKeySequence(QKeySequence::Copy))),
      FCopyBtn(new QPushButton(QObject::tr("&Copy"), this)),
      FCloseBtn(new QPushButton(QObject::tr("Close"), this)) {
  const TExplanation explanation = ExplainOption(model, option);
  const QString title = QObject::tr("Explanation of %1").arg(ToQString(model.Options()[option]));
  setWindowTitle(title);
  FText = title + "\n\n" + QString::fromStdString(ExplanationText(explanation));

  const int rows = FillTree(*FTree, model, explanation);
  Describe(FTree, QObject::tr("Explanation"),
           QObject::tr(
               "How the option's value of every attribute follows from the values of its inputs"));
  Describe(FCopyBtn, {}, QObject::tr("Copy the explanation as text"));
  Describe(FCloseBtn, {}, QObject::tr("Close the explanation"));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(FCopyBtn, QDialogButtonBox::ActionRole);
  buttons->addButton(FCloseBtn, QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FTree, 1);
  layout->addLayout(NewLegend(this));
  AddWeightsRemark(*layout, model, option, this);
  layout->addWidget(buttons);
  NameObjects({{FTree, "Tree"}, {FCopy, "Copy"}, {FCopyBtn, "CopyBtn"}, {FCloseBtn, "CloseBtn"}});
  connect(FCopy, &QAction::triggered, this, &TExplainForm::CopyBtnClick);
  connect(FCopyBtn, &QPushButton::clicked, this, &TExplainForm::CopyBtnClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  FitToTree(*this, *FTree, rows);
  KeepDialog(this, "ExplainForm");
}

void TExplainForm::CopyBtnClick() {
  QApplication::clipboard()->setText(FText);
}

}  // namespace ubic
