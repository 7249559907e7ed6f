#include "sensitivitytable.h"

#include "foundation/cp1250.h"
#include "model/valuetext.h"

namespace ubic {
namespace {

class TFormedRow {
 public:
  explicit TFormedRow(TTextForm form) : FForm(form) {}

  void Add(const std::string& cp1250) { FRow.push_back(Formed(Cp1250ToUtf8(cp1250), FForm)); }
  void AddValues(const std::vector<const TUbicAttribute*>& attributes,
                 const std::vector<std::string>& values) {
    for (std::size_t t = 0; t < attributes.size(); ++t) {
      Add(ValueSetText(attributes[t]->Scale(), values[t]));
    }
  }
  const TTableRow& Row() const { return FRow; }

 private:
  TTextForm FForm;
  TTableRow FRow;
};

}  // namespace

void SensitivityRows(const TUbicModel& model, const std::vector<int>& options,
                     const std::function<void(const TTableRow&)>& emit, TTextForm form) {
  TFormedRow header(form);
  for (const char* title : {"Option", "Attribute", "From", "To"}) header.Add(title);
  for (int i = 0; i < model.Root()->InputCount(); ++i)
    header.Add(model.Root()->Input(i)->GetName());
  emit(header.Row());
  for (const int option : options) {
    const TSensitivity sensitivity = ComputeSensitivity(model, option);
    const std::string& name = model.Options()[option];
    TFormedRow asItIs(form);
    for (const std::string& cell : {name, std::string(), std::string(), std::string()}) {
      asItIs.Add(cell);
    }
    asItIs.AddValues(sensitivity.TopLevel, sensitivity.Baseline);
    emit(asItIs.Row());
    for (const TSensitivityRow& change : sensitivity.Rows) {
      TFormedRow row(form);
      const TUbicScale* scale = change.Attribute->Scale();
      row.Add(name);
      row.Add(change.Attribute->GetName());
      row.Add(ValueText(scale, change.From));
      row.Add(ValueText(scale, change.To));
      row.AddValues(sensitivity.TopLevel, change.Results);
      emit(row.Row());
    }
  }
}

}  // namespace ubic
