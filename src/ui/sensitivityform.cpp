#include "sensitivityform.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "accessibility.h"
#include "model/sensitivity.h"
#include "model/valuetext.h"
#include "uitext.h"
#include "valuecolours.h"
#include "windowplacement.h"

namespace ubic {
namespace {

void SetCell(QTableWidget& table, int row, int col, const std::string& cp1250) {
  auto* item = new QTableWidgetItem(ToQString(cp1250));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  table.setItem(row, col, item);
}

// The top-level values of Row of the table, coloured by how they differ from the option's own.
void SetResults(QTableWidget& table, int row, const TSensitivity& sensitivity,
                const std::vector<std::string>& results) {
  for (std::size_t t = 0; t < results.size(); ++t) {
    const TUbicScale* scale = sensitivity.TopLevel[t]->Scale();
    const int col = 3 + static_cast<int>(t);
    SetCell(table, row, col, ValueSetText(scale, results[t]));
    const TValueChange change = CompareValues(scale, sensitivity.Baseline[t], results[t]);
    if (change == TValueChange::Better) table.item(row, col)->setBackground(BetterBackground());
    if (change == TValueChange::Worse) table.item(row, col)->setBackground(WorseBackground());
  }
}

}  // namespace

TSensitivityForm::TSensitivityForm(const TUbicModel& model, int option, QWidget* parent)
    : QDialog(parent) {
  const TSensitivity sensitivity = ComputeSensitivity(model, option);
  setWindowTitle(QObject::tr("Sensitivity of %1").arg(ToQString(model.Options()[option])));
  FTable = new QTableWidget(static_cast<int>(sensitivity.Rows.size()) + 1,
                            3 + static_cast<int>(sensitivity.TopLevel.size()), this);
  QStringList headings{QObject::tr("Attribute"), QObject::tr("From"), QObject::tr("To")};
  for (const TUbicAttribute* top : sensitivity.TopLevel) headings << ToQString(top->GetName());
  FTable->setHorizontalHeaderLabels(headings);
  FTable->verticalHeader()->hide();
  SetCell(*FTable, 0, 0, FromQString(QObject::tr("(as it is)")));
  SetCell(*FTable, 0, 1, {});
  SetCell(*FTable, 0, 2, {});
  SetResults(*FTable, 0, sensitivity, sensitivity.Baseline);
  int row = 1;
  for (const TSensitivityRow& change : sensitivity.Rows) {
    const TUbicScale* scale = change.Attribute->Scale();
    SetCell(*FTable, row, 0, change.Attribute->GetName());
    SetCell(*FTable, row, 1, ValueText(scale, change.From));
    SetCell(*FTable, row, 2, ValueText(scale, change.To));
    SetResults(*FTable, row++, sensitivity, change.Results);
  }
  FTable->resizeColumnsToContents();

  Describe(FTable, QObject::tr("Sensitivity"),
           QObject::tr("The results when one value of the option is one step lower or higher"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  Describe(buttons->button(QDialogButtonBox::Close), {},
           QObject::tr("Close the sensitivity table"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QObject::tr("Each single value one step lower and higher: better results green, worse red."),
      this));
  layout->addWidget(FTable, 1);
  AddWeightsRemark(*layout, model, option, this);
  layout->addWidget(buttons);
  FTable->setObjectName("Table");
  resize(640, 420);
  KeepDialog(this, "SensitivityForm");
}

}  // namespace ubic
