#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/distributionevaluator.h"
#include "model/model.h"

namespace ubic {

// One row of the evaluation table, its cells in UTF-8.
using TTableRow = std::vector<std::string>;
// Turns a text into the form it is written in, such as a CSV field.
using TTextForm = std::string (*)(const std::string&);

// Text in Form, or as it is without one.
inline std::string Formed(const std::string& text, TTextForm form) {
  return form != nullptr ? form(text) : text;
}
// A row of model texts (Windows-1250), each in UTF-8 and in Form.
TTableRow FormedRow(std::initializer_list<std::string> modelTexts, TTextForm form);

// The results of the "prob" or "fuzzy" method for the options a model holds, as the cells of the
// tables below show them: "name=weight" texts (UTF-8), "*" for an attribute without a scale; as
// they are, or as the cells of CSV rows after the first (CommaAndCsvField). The model itself is
// not changed.
class TMethodResults {
 public:
  TMethodResults(const TUbicModel& model, TEvaluationMethod method, bool csvCells = false);

  TEvaluationMethod Method() const { return FMethod; }
  // Evaluates the model's options as they are now.
  void Evaluate();
  // Appends the text of attribute A (in pre-order) for option K to Text.
  void AppendText(std::size_t a, int k, std::string& text) const;
  std::string Text(std::size_t a, int k) const {
    std::string text;
    AppendText(a, k, text);
    return text;
  }

 private:
  const TUbicModel& FModel;
  TEvaluationMethod FMethod;
  bool FCsvCells;
  TDistributionEvaluator FEvaluator;
  std::vector<std::vector<std::string>> FNames;  // by attribute, its values' names in UTF-8
  // By attribute: whether its names keep every text of them from being quoted in CSV, so that a
  // comma before the text is its cell.
  std::vector<bool> FUnquoted;
  std::vector<std::size_t> FOffsets;  // by attribute, where its weights start in an option's
  std::size_t FWidth = 0;             // the weights of an option
  // Option by option, the weights of every attribute; the texts are made as they are written.
  std::vector<double> FWeights;
};

// The first cell of a table's header, naming the method unless it is "sets".
std::string FirstHeader(const char* label, const TMethodResults* results);

// The evaluation results as rows of cells: a header row ("Attribute" and the options' names),
// then one row per attribute in pre-order, its name (indented by two blanks a level when Indent
// is set) and its value text for each option. Each row is handed to Emit as soon as it is made,
// so that a large result need not be held whole. The texts are exact, control characters
// included; with Form every text is given in that form.
// With Results (made without a form), its texts are shown instead of the model's values.
void EvaluationRows(const TUbicModel& model, bool indent,
                    const std::function<void(const TTableRow&)>& emit, TTextForm form = nullptr,
                    const TMethodResults* results = nullptr);

// The evaluation table as CSV records, each handed to Write as it is made: what both the tool
// and the desktop program export.
// With Results (made without a form), as in EvaluationRows.
void EvaluationCsv(const TUbicModel& model, const std::function<void(const std::string&)>& write,
                   const TMethodResults* results = nullptr);

// The texts of one attribute's option values (UTF-8, in a given form), each made once: a few values
// fill most cells of a large table.
class TValueCells {
 public:
  // Without a form the texts are given as they are.
  explicit TValueCells(const TUbicAttribute& attribute, TTextForm form = nullptr);

  // The text of a value-set text; valid until Trim.
  const std::string& Text(const std::string& codes) {
    return codes.size() == 1 ? FSingleValues[static_cast<unsigned char>(codes[0])] : SetText(codes);
  }
  // Forgets the texts of sets when there are many of them.
  void Trim();

 private:
  const std::string& SetText(const std::string& codes);

  const TUbicScale* FScale;
  TTextForm FForm;
  std::vector<std::string> FSingleValues;  // by code, the texts of one-code sets
  std::string FUndefined;
  std::unordered_map<std::string, std::string> FSets;
};

// The options as rows, one per option: its name and its value on every attribute in pre-order,
// after a header of "Option" and the attributes' names; the texts are those of EvaluationRows.
// Rows are written a part at a time, so that any number of options can pass through a model.
class TOptionRowsWriter {
 public:
  // As CSV records, or as plain text lines like AlignedTable's whose columns are as wide as the
  // header and the rows of the first part need: a wider text later pushes the rest of its line.
  // With Results (made with CommaAndCsvField's form for CSV), its texts fill the cells.
  TOptionRowsWriter(const TUbicModel& model, bool csv, const TMethodResults* results = nullptr);

  // Appends the rows of the model's options, as they are now, to Text; the header comes before
  // the first part.
  void AppendRows(std::string& text);

 private:
  void AppendCsvRows(std::string& text);
  void AppendCsvResultRows(std::string& text);
  void AppendPlainRows(std::string& text);

  std::string Cell(std::size_t a, int k);

  const TUbicModel& FModel;
  bool FCsv;
  const TMethodResults* FResults;
  std::vector<const TUbicAttribute*> FAttributes;
  std::vector<TValueCells> FCells;
  TTableRow FHeader;
  bool FHeaderWritten = false;
  std::vector<std::size_t> FWidths;
  std::vector<std::string> FNames;            // the options' names of one part as written
  std::vector<const std::string*> FRowCells;  // the cells of one part, row by row, names first
};

// A CSV field after the first, with its comma: the form of the cells of CSV rows.
std::string CommaAndCsvField(const std::string& text);

// Rows as plain text lines, the columns aligned by characters and two blanks apart; a control
// character shows as one blank.
std::string AlignedTable(const std::vector<TTableRow>& rows);

}  // namespace ubic
