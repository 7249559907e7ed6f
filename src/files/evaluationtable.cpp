#include "evaluationtable.h"

#include <algorithm>

#include "csv.h"
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

// Entry K of the attribute's option values without a copy.
const std::string& OptionCodes(const TUbicAttribute& attribute, int k) {
  static const std::string undefined;
  const TStrList& values = attribute.OptionValues();
  return k < values.Count() ? values[k] : undefined;
}

void WidenColumns(const std::vector<TTableRow>& rows, std::vector<std::size_t>& widths) {
  for (const TTableRow& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
  }
}

// Cells at least as wide as Widths, two blanks apart; a control character shows as a blank.
void AppendAligned(const std::vector<TTableRow>& rows, const std::vector<std::size_t>& widths,
                   std::string& text) {
  for (const TTableRow& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      text += BlankControls(row[c]);
      const std::size_t width = DisplayWidth(row[c]);
      if (c + 1 < row.size()) text.append(std::max(widths[c], width) - width + 2, ' ');
    }
    text += '\n';
  }
}

// Beyond this many different sets of an attribute Trim forgets their texts.
constexpr std::size_t kKeptSets = 4096;

}  // namespace

std::string CommaAndCsvField(const std::string& text) {
  return ',' + CsvField(text);
}

TMethodResults::TMethodResults(const TUbicModel& model, TEvaluationMethod method, bool csvCells)
    : FModel(model), FMethod(method), FCsvCells(csvCells), FEvaluator(*model.Root(), method) {
  for (const TUbicAttribute* attribute : FEvaluator.Attributes()) {
    std::vector<std::string>& names = FNames.emplace_back();
    bool unquoted = true;
    for (const std::string& name : ValueNames(attribute->Scale())) {
      names.push_back(Cp1250ToUtf8(name));
      unquoted = unquoted && CsvField(names.back()) == names.back();
    }
    FUnquoted.push_back(unquoted);
    FOffsets.push_back(FWidth);
    FWidth += names.size();
  }
}

void TMethodResults::Evaluate() {
  FWeights.resize(static_cast<std::size_t>(FModel.OptionCount()) * FWidth);
  for (int k = 0; k < FModel.OptionCount(); ++k) {
    FEvaluator.Evaluate(k);
    double* weights = FWeights.data() + static_cast<std::size_t>(k) * FWidth;
    for (std::size_t a = 0; a < FNames.size(); ++a) {
      const auto evaluated = FEvaluator.Weights(a);
      std::copy(evaluated.begin(), evaluated.end(), weights + FOffsets[a]);
    }
  }
}

void TMethodResults::AppendText(std::size_t a, int k, std::string& text) const {
  const double* weights = FWeights.data() + static_cast<std::size_t>(k) * FWidth + FOffsets[a];
  const auto count = static_cast<int>(FNames[a].size());
  if (FCsvCells && !FUnquoted[a]) {
    std::string cell;
    AppendDistributionText(cell, FNames[a], weights, count);
    text += CommaAndCsvField(cell.empty() ? "*" : cell);
    return;
  }
  if (FCsvCells) text += ',';
  const std::size_t start = text.size();
  AppendDistributionText(text, FNames[a], weights, count);
  if (text.size() == start) text += '*';
}

std::string FirstHeader(const char* label, const TMethodResults* results) {
  if (results == nullptr) return label;
  return std::string(label) + " (" + EvaluationMethodName(results->Method()) + ")";
}

void EvaluationCsv(const TUbicModel& model, const std::function<void(const std::string&)>& write,
                   const TMethodResults* results) {
  // The records of EvaluationRows in CSV, each made in one text without a row of cells first: a
  // table of many options has millions of cells.
  std::string record = CsvField(FirstHeader("Attribute", results));
  for (int k = 0; k < model.OptionCount(); ++k) {
    record += CommaAndCsvField(Cp1250ToUtf8(model.Options()[k]));
  }
  record += '\n';
  write(record);
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (std::size_t a = 0; a < attributes.size(); ++a) {
    const TUbicAttribute* attribute = attributes[a];
    record = CsvField(Cp1250ToUtf8(attribute->GetName()));
    TValueCells cells(*attribute, &CommaAndCsvField);
    for (int k = 0; k < model.OptionCount(); ++k) {
      record += results != nullptr ? CommaAndCsvField(results->Text(a, k))
                                   : cells.Text(OptionCodes(*attribute, k));
    }
    record += '\n';
    write(record);
  }
}

TTableRow FormedRow(std::initializer_list<std::string> modelTexts, TTextForm form) {
  TTableRow row;
  for (const std::string& text : modelTexts) row.push_back(Formed(Cp1250ToUtf8(text), form));
  return row;
}

TValueCells::TValueCells(const TUbicAttribute& attribute, TTextForm form)
    : FScale(attribute.Scale()), FForm(form) {
  for (int code = 0; code < 256; ++code) {
    FSingleValues.push_back(
        Formed(Cp1250ToUtf8(ValueSetText(FScale, std::string(1, static_cast<char>(code)))), form));
  }
  FUndefined = Formed(Cp1250ToUtf8(ValueSetText(FScale, {})), form);
}

void TValueCells::Trim() {
  if (FSets.size() > kKeptSets) FSets.clear();
}

const std::string& TValueCells::SetText(const std::string& codes) {
  if (codes.empty()) return FUndefined;
  const auto kept = FSets.find(codes);
  if (kept != FSets.end()) return kept->second;
  return FSets.emplace(codes, Formed(Cp1250ToUtf8(ValueSetText(FScale, codes)), FForm))
      .first->second;
}

TOptionRowsWriter::TOptionRowsWriter(const TUbicModel& model, bool csv,
                                     const TMethodResults* results)
    : FModel(model), FCsv(csv), FResults(results), FHeader{FirstHeader("Option", results)} {
  model.Root()->CollectAttributes(FAttributes);
  for (const TUbicAttribute* attribute : FAttributes) {
    FCells.emplace_back(*attribute, csv ? &CommaAndCsvField : nullptr);
    FHeader.push_back(Cp1250ToUtf8(attribute->GetName()));
  }
}

void TOptionRowsWriter::AppendRows(std::string& text) {
  for (TValueCells& cells : FCells) cells.Trim();
  if (FCsv) {
    AppendCsvRows(text);
  } else {
    AppendPlainRows(text);
  }
  FHeaderWritten = true;
}

void TOptionRowsWriter::AppendCsvResultRows(std::string& text) {
  for (int k = 0; k < FModel.OptionCount(); ++k) {
    text += CsvField(Cp1250ToUtf8(FModel.Options()[k]));
    for (std::size_t a = 0; a < FAttributes.size(); ++a) FResults->AppendText(a, k, text);
    text += '\n';
  }
}

void TOptionRowsWriter::AppendCsvRows(std::string& text) {
  if (!FHeaderWritten) text += CsvRecord(FHeader);
  if (FResults != nullptr) {
    AppendCsvResultRows(text);
    return;
  }
  // The texts of the cells, gathered attribute by attribute: each list is read in its order,
  // which is much quicker than reading every list a little for each row.
  const std::size_t n = static_cast<std::size_t>(FModel.OptionCount());
  const std::size_t columns = FAttributes.size();
  FRowCells.resize(n * (columns + 1));
  FNames.resize(n);
  for (std::size_t k = 0; k < n; ++k) {
    FNames[k] = CsvField(Cp1250ToUtf8(FModel.Options()[static_cast<int>(k)]));
    FRowCells[k * (columns + 1)] = &FNames[k];
  }
  for (std::size_t a = 0; a < columns; ++a) {
    for (std::size_t k = 0; k < n; ++k) {
      FRowCells[k * (columns + 1) + a + 1] =
          &FCells[a].Text(OptionCodes(*FAttributes[a], static_cast<int>(k)));
    }
  }
  // Sized once, then copied into: far quicker than growing the text cell by cell.
  std::size_t size = text.size() + n;
  for (const std::string* cell : FRowCells) size += cell->size();
  std::size_t end = text.size();
  text.resize(size);
  for (std::size_t k = 0; k < n; ++k) {
    for (std::size_t c = 0; c <= columns; ++c) {
      const std::string& cell = *FRowCells[k * (columns + 1) + c];
      end += cell.copy(text.data() + end, cell.size());
    }
    text[end++] = '\n';
  }
}

std::string TOptionRowsWriter::Cell(std::size_t a, int k) {
  return FResults != nullptr ? FResults->Text(a, k)
                             : FCells[a].Text(OptionCodes(*FAttributes[a], k));
}

void TOptionRowsWriter::AppendPlainRows(std::string& text) {
  std::vector<TTableRow> rows;
  if (!FHeaderWritten) rows.push_back(FHeader);
  for (int k = 0; k < FModel.OptionCount(); ++k) {
    rows.push_back({Cp1250ToUtf8(FModel.Options()[k])});
    for (std::size_t a = 0; a < FAttributes.size(); ++a) {
      rows.back().push_back(Cell(a, k));
    }
  }
  if (FWidths.empty()) WidenColumns(rows, FWidths);
  AppendAligned(rows, FWidths, text);
}

void EvaluationRows(const TUbicModel& model, bool indent,
                    const std::function<void(const TTableRow&)>& emit, TTextForm form,
                    const TMethodResults* results) {
  TTableRow row{Formed(FirstHeader("Attribute", results), form)};
  for (int k = 0; k < model.OptionCount(); ++k) {
    row.push_back(Formed(Cp1250ToUtf8(model.Options()[k]), form));
  }
  emit(row);
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (std::size_t a = 0; a < attributes.size(); ++a) {
    const TUbicAttribute* attribute = attributes[a];
    const std::string margin(indent ? 2 * (attribute->Level() - 1) : 0, ' ');
    row.assign(1, Formed(margin + Cp1250ToUtf8(attribute->GetName()), form));
    TValueCells cells(*attribute, form);
    for (int k = 0; k < model.OptionCount(); ++k) {
      row.push_back(results != nullptr ? Formed(results->Text(a, k), form)
                                       : cells.Text(OptionCodes(*attribute, k)));
    }
    emit(row);
  }
}

std::string AlignedTable(const std::vector<TTableRow>& rows) {
  std::vector<std::size_t> widths;
  WidenColumns(rows, widths);
  std::string text;
  AppendAligned(rows, widths, text);
  return text;
}

}  // namespace ubic
