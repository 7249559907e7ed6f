#include "scriptmodel.h"

#include <algorithm>
#include <unordered_set>

#include "files/modelfile.h"
#include "files/optionscsv.h"
#include "foundation/cp1250.h"
#include "foundation/utils.h"
#include "model/valuecode.h"

namespace ubic::python {
namespace {

const std::string& OptionCodes(const TUbicAttribute& attribute, std::size_t k) {
  static const std::string undefined;
  const TStrList& values = attribute.OptionValues();
  return k < static_cast<std::size_t>(values.Count()) ? values[static_cast<int>(k)] : undefined;
}

// A copy of Model's tree without its options.
std::unique_ptr<TUbicModel> TreeCopy(const TUbicModel& model) {
  auto copy = std::make_unique<TUbicModel>();
  ReadModelDocument(*copy, *ModelDocument(model, false));
  copy->ClearOptions();
  return copy;
}

// The position among the basic attributes of the one that the column named Name fills, found
// as an options file's header finds it.
template <typename Attribute>
std::size_t ColumnIndex(TColumnAttributes& columns, const std::vector<Attribute*>& basic,
                        const std::string& name) {
  try {
    return static_cast<std::size_t>(columns.Take(Utf8ToCp1250(name)));
  } catch (const EOptionsFileError& e) {
    std::vector<std::string> known;
    for (const TUbicAttribute* attribute : basic) {
      known.push_back(Cp1250ToUtf8(attribute->GetName()));
    }
    throw EUnknownName(e.what(), name, std::move(known));
  }
}

// The error of a cell whose text names a value the attribute's scale lacks: the first such name
// of a set is the one told.
EUnknownName UnknownValue(const TUbicAttribute& attribute, const TValueNames& names,
                          const std::string& text, const std::string& message) {
  std::string unknown = text;
  for (std::string rest = text, part; !rest.empty();) {
    SplitAt(rest, ';', part);
    try {
      names.ValueSet(part);
    } catch (const EOptionsFileError&) {
      unknown = part;
      break;
    }
  }
  std::vector<std::string> known;
  const TUbicDiscreteScale* scale = attribute.DiscreteScale();
  for (int v = 0; scale != nullptr && v < scale->Count(); ++v) {
    known.push_back(Cp1250ToUtf8(scale->ValueName(v)));
  }
  return EUnknownName(message, unknown, std::move(known));
}

// The row of the first cell of a column that holds its text of index Index.
std::size_t FirstRowOf(const TOptionColumn& column, std::size_t index) {
  const auto& cells = column.Cells();
  return static_cast<std::size_t>(
      std::find(cells.begin(), cells.end(), static_cast<std::uint32_t>(index)) - cells.begin());
}

// The value of each different text of a column as the attribute reads it: a value-set text, with
// weights where the text gives them.
std::vector<TWeightedValue> ColumnValues(const TUbicAttribute& attribute,
                                         const TOptionColumn& column,
                                         const TOptionColumns& options) {
  const TValueNames names(attribute);
  std::vector<TWeightedValue> values;
  for (const std::string& text : column.Texts()) {
    try {
      values.push_back(names.Value(text, {}));
    } catch (const EOptionsFileError& e) {
      const std::size_t row = FirstRowOf(column, values.size());
      if (!IsWeightsText(text)) {
        EUnknownName error = UnknownValue(attribute, names, text, e.what());
        error.Row = row;
        throw error;
      }
      // Read again for the message, which names the option.
      const std::string label = options.Label ? options.Label(row) : std::to_string(row + 1);
      try {
        names.Value(text, Utf8ToCp1250(label));
      } catch (const EOptionsFileError& named) {
        throw EScriptError(named.what());
      }
      throw;
    }
  }
  return values;
}

void FillColumn(TUbicAttribute& attribute, const TOptionColumn& column,
                const TOptionColumns& options) {
  const std::vector<TWeightedValue> values = ColumnValues(attribute, column, options);
  const std::vector<std::uint32_t>& cells = column.Cells();
  const int rows = static_cast<int>(cells.size());
  attribute.ClearOptionValues();
  attribute.OptionValues().AppendStrings(
      rows, [&](int k) -> const std::string& { return values[cells[k]].Codes; });
  const bool weighted = std::any_of(values.begin(), values.end(),
                                    [](const TWeightedValue& v) { return !v.Weights.empty(); });
  if (!weighted) return;
  std::vector<std::string> fields;
  for (const TWeightedValue& value : values) fields.push_back(WeightsField(value.Weights));
  TStrList weights;
  weights.AppendStrings(rows, [&](int k) -> const std::string& { return fields[cells[k]]; });
  attribute.TakeOptionWeights(0, weights);
}

// The value indices of a column's different texts, -1 for undefined; none when a text holds
// several values.
std::vector<std::int16_t> SingleValues(const TUbicAttribute& attribute, const TOptionColumn& column,
                                       const TOptionColumns& options) {
  std::vector<std::int16_t> indices;
  for (const TWeightedValue& value : ColumnValues(attribute, column, options)) {
    const std::string& codes = value.Codes;
    if (codes.size() > 1) return {};
    indices.push_back(static_cast<std::int16_t>(codes.empty() ? -1 : ValueIndexOf(codes[0])));
  }
  return indices;
}

// An attribute's column of texts for states numbered by Cells, whose value-set texts are Codes.
TEvaluation::TColumn StateColumn(const TUbicAttribute& attribute,
                                 const std::vector<std::string>& codes,
                                 std::vector<std::uint32_t> cells) {
  TValueCells texts(attribute);
  TEvaluation::TColumn column{Cp1250ToUtf8(attribute.GetName()), {}, std::move(cells)};
  for (const std::string& state : codes) column.Texts.push_back(texts.Text(state));
  return column;
}

}  // namespace

void TOptionColumn::Set(std::size_t row, std::string_view text) {
  auto found = FIndex.find(text);
  if (found == FIndex.end()) {
    found = FIndex.emplace(std::string(text), static_cast<std::uint32_t>(FTexts.size())).first;
    FTexts.emplace_back(text);
  }
  FCells[row] = found->second;
}

std::vector<std::string> RemarkLines(const std::string& remarks) {
  std::vector<std::string> lines;
  for (const std::string& line : SplitLines(remarks)) {
    if (!line.empty()) lines.push_back(Cp1250ToUtf8(line));
  }
  return lines;
}

TEvaluation::TEvaluation(const TUbicModel& model)
    : FRows(static_cast<std::size_t>(model.OptionCount())) {
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (const TUbicAttribute* attribute : attributes) {
    TColumn& column = FColumns.emplace_back();
    column.Name = Cp1250ToUtf8(attribute->GetName());
    column.Cells.resize(FRows);
    // The texts the cells give, by where they are kept: each different text once.
    TValueCells cells(*attribute);
    std::unordered_map<const std::string*, std::uint32_t> indices;
    for (std::size_t k = 0; k < FRows; ++k) {
      const std::string& text = cells.Text(OptionCodes(*attribute, k));
      const auto [found, added] =
          indices.try_emplace(&text, static_cast<std::uint32_t>(column.Texts.size()));
      if (added) column.Texts.push_back(text);
      column.Cells[k] = found->second;
    }
  }
}

TScriptModel::TScriptModel() : TScriptModel(std::make_unique<TUbicDocument>(), {}) {}

TScriptModel::TScriptModel(std::unique_ptr<TUbicModel> model)
    : TScriptModel(std::make_unique<TUbicDocument>(std::move(model)), {}) {}

TScriptModel::TScriptModel(const std::string& fileName, std::optional<TModelFormat> format) {
  std::string remarks;
  FDocument = TUbicDocument::Open(fileName, format.value_or(FormatOfFile(fileName)), remarks);
  FRemarks = RemarkLines(remarks);
  FDocument->AddObserver(this);
}

TScriptModel::TScriptModel(std::unique_ptr<TUbicDocument> document, std::string remarks)
    : FDocument(std::move(document)), FRemarks(RemarkLines(remarks)) {
  FDocument->AddObserver(this);
}

TScriptModel::~TScriptModel() {
  FDocument->RemoveObserver(this);
}

TScriptModel::TAttributeId TScriptModel::IdOf(const TUbicAttribute& attribute) {
  const auto [found, added] = FIds.try_emplace(&attribute, FNextId);
  if (added) FAttributes.emplace(FNextId++, &attribute);
  return found->second;
}

const TUbicAttribute& TScriptModel::Attribute(TAttributeId id) const {
  const auto found = FAttributes.find(id);
  if (found == FAttributes.end()) throw EScriptError("The attribute is no longer in the model");
  return *found->second;
}

const TUbicAttribute* TScriptModel::Find(const std::string& utf8Name) const {
  return Model().FindAttribute(Utf8ToCp1250(utf8Name));
}

int TScriptModel::OptionIndex(const std::string& utf8Name) const {
  const std::string name = Utf8ToCp1250(utf8Name);
  for (int k = 0; k < Model().OptionCount(); ++k) {
    if (Model().Options()[k] == name) return k;
  }
  std::vector<std::string> known;
  for (int k = 0; k < Model().OptionCount(); ++k)
    known.push_back(Cp1250ToUtf8(Model().Options()[k]));
  throw EUnknownName("No option \"" + utf8Name + "\"", utf8Name, std::move(known));
}

std::vector<std::string> TScriptModel::BasicNames() const {
  std::vector<const TUbicAttribute*> basic;
  Model().Root()->CollectBasicAttributes(basic);
  std::vector<std::string> names;
  for (const TUbicAttribute* attribute : basic) names.push_back(Cp1250ToUtf8(attribute->GetName()));
  return names;
}

std::shared_ptr<const TCodeEvaluator> TScriptModel::CodeEvaluator() {
  if (!FCodeEvaluator) FCodeEvaluator = std::make_shared<TCodeEvaluator>(Model());
  return FCodeEvaluator;
}

std::unique_ptr<TEvaluation> TScriptModel::Evaluate(const TOptionColumns& options) {
  std::unique_ptr<TEvaluation> byCodes = EvaluateByCodes(options);
  return byCodes ? std::move(byCodes) : EvaluateOnCopy(options);
}

std::unique_ptr<TEvaluation> TScriptModel::EvaluateByCodes(const TOptionColumns& options) {
  if (!TCodeEvaluator::IsQuick(Model())) return nullptr;
  std::vector<const TUbicAttribute*> basic;
  Model().Root()->CollectBasicAttributes(basic);
  TColumnAttributes columnAttributes(Model());
  // Every option's value index on every basic attribute, undefined where no column gives one.
  const std::size_t rows = options.Rows;
  std::vector<std::int16_t> codes(rows * basic.size(), -1);
  for (const TOptionColumn& column : options.Columns) {
    const std::size_t j = ColumnIndex(columnAttributes, basic, column.Name());
    const std::vector<std::int16_t> values = SingleValues(*basic[j], column, options);
    if (values.empty()) return nullptr;
    const std::vector<std::uint32_t>& cells = column.Cells();
    for (std::size_t k = 0; k < rows; ++k) codes[k * basic.size() + j] = values[cells[k]];
  }
  std::shared_ptr<const TCodeEvaluator> evaluator;
  try {
    evaluator = CodeEvaluator();
  } catch (const ETableTooLarge&) {
    return nullptr;
  }
  const std::size_t aggregates = evaluator->AggregateCount();
  std::vector<std::int32_t> states(rows * aggregates);
  TBadCode bad;
  evaluator->EvaluateStates(codes.data(), rows, states.data(), bad);

  std::vector<TEvaluation::TColumn> columns;
  std::size_t nextBasic = 0;
  std::size_t nextAggregate = 0;
  std::vector<std::uint32_t> cells(rows);
  for (const TUbicAttribute* attribute : PreOrderAttributes(Model())) {
    if (attribute->IsBasic()) {
      const std::size_t j = nextBasic++;
      for (std::size_t k = 0; k < rows; ++k) {
        cells[k] = static_cast<std::uint32_t>(codes[k * basic.size() + j] + 1);
      }
      std::vector<std::string> values{std::string()};
      for (int v = 0; v < (attribute->Scale() ? attribute->Scale()->Count() : 0); ++v) {
        values.emplace_back(1, ValueCode(v));
      }
      columns.push_back(StateColumn(*attribute, values, cells));
    } else {
      const std::size_t c = nextAggregate++;
      for (std::size_t k = 0; k < rows; ++k) {
        cells[k] = static_cast<std::uint32_t>(states[k * aggregates + c]);
      }
      columns.push_back(StateColumn(*attribute, evaluator->StateCodes(c), cells));
    }
  }
  return std::make_unique<TEvaluation>(std::move(columns), rows);
}

std::unique_ptr<TEvaluation> TScriptModel::EvaluateOnCopy(const TOptionColumns& options) const {
  std::unique_ptr<TUbicModel> copy = ModelOfOptions(options);
  copy->EvaluateAll();
  return std::make_unique<TEvaluation>(*copy);
}

std::unique_ptr<TUbicModel> TScriptModel::ModelOfOptions(const TOptionColumns& options) const {
  std::unique_ptr<TUbicModel> copy = TreeCopy(Model());
  std::vector<TUbicAttribute*> basic;
  copy->Root()->CollectBasicAttributes(basic);
  TColumnAttributes columns(*copy);
  for (const TOptionColumn& column : options.Columns) {
    FillColumn(*basic[ColumnIndex(columns, basic, column.Name())], column, options);
  }
  for (std::size_t k = 0; k < options.Rows; ++k) copy->AddOption(std::to_string(k + 1));
  // Basic attributes without a column are undefined in every option.
  for (TUbicAttribute* attribute : basic) attribute->OptionValues().Grow(copy->OptionCount());
  return copy;
}

std::unique_ptr<TEvaluation> TScriptModel::EvaluateOwn() const {
  return std::make_unique<TEvaluation>(Model());
}

void TScriptModel::Undo() {
  FForgetAttributes = true;
  FDocument->Undo();
  FForgetAttributes = false;
}

void TScriptModel::Redo() {
  FForgetAttributes = true;
  FDocument->Redo();
  FForgetAttributes = false;
}

void TScriptModel::DocumentChanging() {
  FPaths.clear();
  for (const auto& [id, attribute] : FAttributes) FPaths.emplace(id, AttributePath(attribute));
}

void TScriptModel::DocumentChanged(const TDocumentChange& change) {
  FCodeEvaluator.reset();
  if (change.Kind == TDocumentChange::TKind::Saved) return;
  if (FForgetAttributes) {
    FAttributes.clear();
    FIds.clear();
    return;
  }
  std::vector<const TUbicAttribute*> live;
  Model().Root()->CollectAttributes(live);
  const std::unordered_set<const TUbicAttribute*> alive(live.begin(), live.end());
  for (auto it = FAttributes.begin(); it != FAttributes.end();) {
    if (change.Kind == TDocumentChange::TKind::Replaced) {
      // The tree was read anew: an attribute is the one now at its place.
      const std::vector<int>& path = FPaths.at(it->first);
      const TUbicAttribute* now = AttributeAt(Model(), path);
      it->second = now != nullptr && AttributePath(now) == path ? now : nullptr;
    } else if (alive.count(it->second) == 0) {
      it->second = nullptr;
    }
    it = it->second == nullptr ? FAttributes.erase(it) : std::next(it);
  }
  FIds.clear();
  for (const auto& [id, attribute] : FAttributes) FIds.emplace(attribute, id);
}

}  // namespace ubic::python
