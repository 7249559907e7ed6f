#include "evaluationtable.h"

#include <algorithm>

#include "foundation/cp1250.h"
#include "foundation/utils.h"
#include "model/valuetext.h"

namespace ubic {
namespace {

// Characters, not bytes, decide the width of a column.
std::size_t DisplayWidth(const std::string& text) {
  std::size_t width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return width;
}

}  // namespace

void EvaluationRows(const TUbicModel& model, bool indent,
                    const std::function<void(const TTableRow&)>& emit) {
  TTableRow row{"Attribute"};
  for (int k = 0; k < model.OptionCount(); ++k) row.push_back(Cp1250ToUtf8(model.Options()[k]));
  emit(row);
  std::vector<TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (const TUbicAttribute* attribute : attributes) {
    const std::string margin(indent ? 2 * (attribute->Level() - 1) : 0, ' ');
    row.assign(1, margin + Cp1250ToUtf8(attribute->GetName()));
    for (int k = 0; k < model.OptionCount(); ++k) {
      row.push_back(Cp1250ToUtf8(ValueSetText(attribute->Scale(), attribute->OptionText(k))));
    }
    emit(row);
  }
}

std::string AlignedTable(const std::vector<TTableRow>& rows) {
  std::vector<std::size_t> widths;
  for (const TTableRow& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], DisplayWidth(row[c]));
  }
  std::string text;
  for (const TTableRow& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      text += BlankControls(row[c]);
      if (c + 1 < row.size()) text += std::string(widths[c] - DisplayWidth(row[c]) + 2, ' ');
    }
    text += '\n';
  }
  return text;
}

}  // namespace ubic
