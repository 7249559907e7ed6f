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
    text +=
        InputStepText(attribute, step) + " gives " + ValueSetText(attribute.Scale(), step.Result);
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

QLabel* LegendIcon(const QIcon& icon, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(icon.pixmap(16, 16));
  return label;
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
      FCopy(NewOwnAction(this, "&Copy", "Copy|Copy the explanation as text",
                         QKeySequence(QKeySequence::Copy))),
      FCopyBtn(new QPushButton("&Copy", this)),
      FCloseBtn(new QPushButton("Close", this)) {
  const TExplanation explanation = ExplainOption(model, option);
  const QString title = "Explanation of " + ToQString(model.Options()[option]);
  setWindowTitle(title);
  FText = title + "\n\n" + QString::fromStdString(ExplanationText(explanation));

  FTree->setColumnCount(kColumnCount);
  FTree->setHeaderLabels({"Attribute", "Value", "Decided by", "One step changes it"});
  std::unordered_map<const TUbicAttribute*, const TAggregateExplanation*> aggregates;
  for (const TAggregateExplanation& aggregate : explanation.Aggregates) {
    aggregates.emplace(aggregate.Attribute, &aggregate);
  }
  const std::unordered_set<const TUbicAttribute*> strong(explanation.Strong.begin(),
                                                         explanation.Strong.end());
  const std::unordered_set<const TUbicAttribute*> weak(explanation.Weak.begin(),
                                                       explanation.Weak.end());
  std::vector<TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  // Pre-order: an attribute's parent has its item before the attribute.
  std::unordered_map<const TUbicAttribute*, QTreeWidgetItem*> items;
  for (const TUbicAttribute* attribute : attributes) {
    const auto parent = items.find(attribute->Parent());
    auto* item =
        parent == items.end() ? new QTreeWidgetItem(FTree) : new QTreeWidgetItem(parent->second);
    items.emplace(attribute, item);
    item->setText(kAttributeColumn, ToQString(attribute->GetName()));
    const auto aggregate = aggregates.find(attribute);
    if (aggregate != aggregates.end()) {
      SetAggregate(*item, *aggregate->second);
      continue;
    }
    SetValue(*item, *attribute, attribute->OptionText(option));
    if (strong.count(attribute) != 0) {
      MarkPoint(*item, StrongIcon(), BetterBackground(), "Strong point: a good value");
    }
    if (weak.count(attribute) != 0) {
      MarkPoint(*item, WeakIcon(), WorseBackground(), "Weak point: a bad value");
    }
  }
  FTree->expandAll();
  for (int column = 0; column < kColumnCount; ++column) FTree->resizeColumnToContents(column);

  auto* legend = new QHBoxLayout;
  legend->addWidget(LegendIcon(StrongIcon(), this));
  legend->addWidget(new QLabel("Strong point: a good value", this));
  legend->addSpacing(16);
  legend->addWidget(LegendIcon(WeakIcon(), this));
  legend->addWidget(new QLabel("Weak point: a bad value", this));
  legend->addStretch();
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(FCopyBtn, QDialogButtonBox::ActionRole);
  buttons->addButton(FCloseBtn, QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FTree, 1);
  layout->addLayout(legend);
  layout->addWidget(buttons);
  NameObjects({{FTree, "Tree"}, {FCopy, "Copy"}, {FCopyBtn, "CopyBtn"}, {FCloseBtn, "CloseBtn"}});
  connect(FCopy, &QAction::triggered, this, &TExplainForm::CopyBtnClick);
  connect(FCopyBtn, &QPushButton::clicked, this, &TExplainForm::CopyBtnClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  FitToTree(*this, *FTree, static_cast<int>(attributes.size()));
  KeepDialog(this, "ExplainForm");
}

void TExplainForm::CopyBtnClick() {
  QApplication::clipboard()->setText(FText);
}

}  // namespace ubic
