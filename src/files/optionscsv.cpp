#include "optionscsv.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "foundation/cp1250.h"
#include "foundation/translation.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"
#include "model/valuetext.h"

// What is wrong with a file of options, followed by the file and the line.
namespace ubic::ubicstr {

constexpr const char* CsvUnknownAttribute = UBIC_TEXT("Unknown attribute \"%s\"");
constexpr const char* CsvColumnTaken = UBIC_TEXT("Attribute \"%s\" has a column already");
constexpr const char* CsvAmbiguousAttribute = UBIC_TEXT("Ambiguous attribute \"%s\" could be %s");
constexpr const char* CsvMissingHeader = UBIC_TEXT("Missing header");
constexpr const char* CsvRowHasOneField = UBIC_TEXT("The row has %d field, the header %d");
constexpr const char* CsvRowHasFields = UBIC_TEXT("The row has %d fields, the header %d");
constexpr const char* CsvAtLine = UBIC_TEXT("%s (%s line %d)");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

// The number of slots for the cells of a column met before.
// Enough for the weights a column's cells give, which vary more than sets.
constexpr std::size_t kKnownCells = 512;

// A hash of a short text that is quick to make (FNV-1a).
std::size_t QuickHash(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

// Byte by byte: the texts are short, and a call of the library's comparison costs more.
bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace

namespace {

std::vector<std::string> ValueNamesOf(const TUbicAttribute& attribute) {
  std::vector<std::string> names;
  if (const TUbicDiscreteScale* scale = attribute.DiscreteScale()) {
    for (int v = 0; v < scale->Count(); ++v) names.push_back(scale->ValueName(v));
  }
  return names;
}

std::vector<std::string> BasicNames(const TUbicModel& model) {
  std::vector<const TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);
  std::vector<std::string> names;
  for (const TUbicAttribute* attribute : basic) names.push_back(attribute->GetName());
  return names;
}

}  // namespace

TValueNames::TValueNames(const TUbicAttribute& attribute)
    : FMessageName(attribute.DiscreteScale() ? attribute.GetName() : "NULL"),
      FValues(ValueNamesOf(attribute)) {}

int TValueNames::IndexOf(const std::string& name) const {
  const std::vector<int>& found = FValues.Matches(name);
  if (found.empty()) {
    throw EOptionsFileError(
        Cp1250ToUtf8(Format(ubicstr::UnknownAttributeValue, FMessageName, name)));
  }
  if (FValues.Ambiguous(found)) {
    throw EOptionsFileError(Cp1250ToUtf8(
        Format(ubicstr::AmbiguousAttributeValue, FMessageName, name, FValues.Candidates(found))));
  }
  // The first of names spelled alike counts, as it does everywhere a value is found by name.
  return found.front();
}

std::string TValueNames::ValueSet(std::string_view cell) const {
  std::string rest = Utf8ToCp1250(cell);
  // Names keep their blanks until they are matched: a scale read from a file may hold " a" and
  // "a" both.
  if (const std::string trimmed = Trim(rest); trimmed.empty() || trimmed == "*") return {};
  std::vector<int> indices;
  std::string name;
  do {
    SplitAt(rest, ';', name);
    indices.push_back(IndexOf(name));
  } while (!rest.empty());
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  std::string text;
  for (const int index : indices) text += ValueCode(index);
  return text;
}

TWeightedValue TValueNames::Value(std::string_view cell, const std::string& option) const {
  if (!IsWeightsText(cell)) return {ValueSet(cell), {}};
  try {
    return ParseWeights(
        Utf8ToCp1250(cell),
        [this](const std::string& name) {
          return FValues.Matches(name).empty() ? -1 : IndexOf(name);
        },
        option, FMessageName);
  } catch (const EUbicError& e) {
    throw EOptionsFileError(Cp1250ToUtf8(e.what()));
  }
}

TColumnAttributes::TColumnAttributes(const TUbicModel& model)
    : FNames(BasicNames(model)), FTaken(BasicNames(model).size(), false) {}

int TColumnAttributes::Take(std::string_view name) {
  const std::string cp1250 = Utf8ToCp1250(name);
  const std::vector<int>& matches = FNames.Matches(cp1250);
  if (matches.empty()) {
    throw EOptionsFileError(Utf8Message(ubicstr::CsvUnknownAttribute, std::string(name)));
  }
  std::vector<int> left;
  std::copy_if(matches.begin(), matches.end(), std::back_inserter(left),
               [this](int i) { return !FTaken[i]; });
  if (left.empty()) {
    throw EOptionsFileError(Utf8Message(ubicstr::CsvColumnTaken, std::string(name)));
  }
  if (FNames.Ambiguous(left)) {
    throw EOptionsFileError(Utf8Message(ubicstr::CsvAmbiguousAttribute, std::string(name),
                                        Cp1250ToUtf8(FNames.Candidates(left))));
  }
  FTaken[left.front()] = true;
  return left.front();
}

TOptionsFileReader::TOptionsFileReader(TUbicModel& model, std::istream& stream,
                                       std::string fileName, int partSize)
    : FModel(model), FReader(stream), FFileName(std::move(fileName)), FPartSize(partSize) {
  ReadHeader();
}

TOptionsFileReader::TOptionsFileReader(TUbicModel& model, std::string csvText, std::string fileName,
                                       int partSize)
    : FModel(model),
      FReader(std::move(csvText)),
      FFileName(std::move(fileName)),
      FPartSize(partSize) {
  ReadHeader();
}

TOptionsFileReader::~TOptionsFileReader() = default;

bool TOptionsFileReader::ReadOptions() {
  FModel.ClearOptions();
  TPart part = FNext.valid() ? FNext.get() : ReadPart(std::move(FSpare));
  // A full part may have more after it: read on while the model works.
  if (static_cast<int>(part.Names.size()) == FPartSize) {
    FNext = std::async(std::launch::async, [this, spare = std::move(FSpare)]() mutable {
      return ReadPart(std::move(spare));
    });
  }
  Fill(part);
  const bool any = !part.Names.empty();
  FSpare = std::move(part);
  return any;
}

void TOptionsFileReader::ReplaceAllOptions() {
  TAllOptions all;
  all.Cells.resize(FColumns.size());
  while (Next()) ReadOption(all);
  Fill(all);
}

std::string TOptionsFileReader::Located(const std::string& message, int line) const {
  return Utf8Message(ubicstr::CsvAtLine, message, FFileName, line);
}

bool TOptionsFileReader::Next() {
  // A blank line is nothing before the header, and no option where values are due: a file edited
  // by hand often ends in one.
  const bool skipBlank = !FHeaderRead || !FColumns.empty();
  try {
    while (FReader.Next(FFields)) {
      if (!skipBlank || FFields.size() != 1 || !FFields[0].empty()) return true;
    }
    return false;
  } catch (const ECsvError& e) {
    throw EOptionsFileError(Located(e.what(), FReader.RecordLine()));
  }
}

void TOptionsFileReader::ReadHeader() {
  FReader.FindSeparator();
  if (!Next()) throw EOptionsFileError(Located(Utf8Message(ubicstr::CsvMissingHeader), 1));
  std::vector<TUbicAttribute*> basic;
  FModel.Root()->CollectBasicAttributes(basic);
  TColumnAttributes columns(FModel);
  for (std::size_t i = 1; i < FFields.size(); ++i) {
    int position = 0;
    try {
      position = columns.Take(FFields[i]);
    } catch (const EOptionsFileError& e) {
      throw EOptionsFileError(Located(e.what(), FReader.RecordLine()));
    }
    TUbicAttribute* attribute = basic[static_cast<std::size_t>(position)];
    FColumns.push_back({attribute, TValueNames(*attribute), std::vector<TKnownCell>(kKnownCells)});
  }
  FHeaderRead = true;
}

TOptionsFileReader::TPart TOptionsFileReader::ReadPart(TPart part) {
  part.Names.clear();
  // The model took the columns' texts, leaving the lists empty.
  while (part.Columns.size() < FColumns.size()) part.Columns.emplace_back();
  while (part.Weights.size() < FColumns.size()) part.Weights.emplace_back();
  while (static_cast<int>(part.Names.size()) < FPartSize && Next()) ReadOption(part);
  return part;
}

int TOptionsFileReader::OptionLine() const {
  const int line = FReader.RecordLine();
  if (FFields.size() != FColumns.size() + 1) {
    const std::size_t fields = FFields.size();
    const std::string message =
        Utf8Message(fields == 1 ? ubicstr::CsvRowHasOneField : ubicstr::CsvRowHasFields,
                    static_cast<long long>(fields), static_cast<long long>(FColumns.size() + 1));
    throw EOptionsFileError(Located(message, line));
  }
  return line;
}

void TOptionsFileReader::ReadOption(TPart& part) {
  const int line = OptionLine();
  part.Names.push_back(Utf8ToCp1250(FFields[0]));
  for (std::size_t i = 1; i <= FColumns.size(); ++i) {
    const TKnownCell& known = ValueSet(FColumns[i - 1], FFields[i], line);
    TStrList& texts = part.Columns[i - 1];
    texts.Add(known.Text);
    TStrList& weights = part.Weights[i - 1];
    if (!known.Weights.empty() || !weights.Empty()) {
      weights.Grow(texts.Count() - 1);
      weights.Add(known.Weights);
    }
  }
}

void TOptionsFileReader::ReadOption(TAllOptions& all) {
  const int line = OptionLine();
  all.Names.push_back(Utf8ToCp1250(FFields[0]));
  for (std::size_t i = 1; i <= FColumns.size(); ++i) {
    all.Cells[i - 1].push_back(TextIndex(FColumns[i - 1], FFields[i], line));
  }
}

void TOptionsFileReader::Fill(TPart& part) {
  for (const std::string& name : part.Names) FModel.AddOption(name);
  for (std::size_t c = 0; c < FColumns.size(); ++c) {
    FColumns[c].Attribute->TakeOptionTexts(0, part.Columns[c]);
    FColumns[c].Attribute->TakeOptionWeights(0, part.Weights[c]);
  }
}

void TOptionsFileReader::Fill(const TAllOptions& all) {
  FModel.ClearOptions();
  for (const std::string& name : all.Names) FModel.AddOption(name);
  const int count = FModel.OptionCount();
  for (std::size_t c = 0; c < FColumns.size(); ++c) {
    const std::vector<std::string>& texts = FColumns[c].Texts;
    const std::vector<TTextIndex>& cells = all.Cells[c];
    FColumns[c].Attribute->OptionValues().AppendStrings(
        count, [&](int k) -> const std::string& { return texts[cells[k]]; });
    if (FColumns[c].Weighted) {
      TStrList weights;
      weights.AppendStrings(
          count, [&](int k) -> const std::string& { return FColumns[c].WeightFields[cells[k]]; });
      FColumns[c].Attribute->TakeOptionWeights(0, weights);
    }
  }
}

// The same few cells fill most of a column: each of them is read once.
TOptionsFileReader::TKnownCell& TOptionsFileReader::ValueSet(TColumn& column, std::string_view cell,
                                                             int line) const {
  TKnownCell& known = column.Known[QuickHash(cell) % kKnownCells];
  if (!known.Used || !SameText(known.Cell, cell)) {
    TWeightedValue value = ParseValue(column, cell, line);
    known.Text = std::move(value.Codes);
    known.Weights = value.Weights.empty() ? std::string() : WeightsField(value.Weights);
    known.Cell = cell;
    known.Used = true;
    known.Index = kNoText;
  }
  return known;
}

TOptionsFileReader::TTextIndex TOptionsFileReader::TextIndex(TColumn& column, std::string_view cell,
                                                             int line) const {
  TKnownCell& known = ValueSet(column, cell, line);
  if (known.Index == kNoText) {
    const std::string key = known.Weights.empty() ? known.Text : known.Text + '\0' + known.Weights;
    const auto [found, added] =
        column.IndexOfText.try_emplace(key, static_cast<TTextIndex>(column.Texts.size()));
    if (added) {
      column.Texts.push_back(known.Text);
      column.WeightFields.push_back(known.Weights);
      column.Weighted = column.Weighted || !known.Weights.empty();
    }
    known.Index = found->second;
  }
  return known.Index;
}

TWeightedValue TOptionsFileReader::ParseValue(const TColumn& column, std::string_view cell,
                                              int line) const {
  try {
    return column.Names.Value(cell, Utf8ToCp1250(FFields[0]));
  } catch (const EOptionsFileError& e) {
    throw EOptionsFileError(Located(e.what(), line));
  }
}

namespace {

// The part size of a reader that reads the file whole, which it does not use.
constexpr int kUnusedPartSize = 1;

// The options of a model and every attribute's values of them, to be put back after a failure.
class TOptionsSnapshot {
 public:
  explicit TOptionsSnapshot(TUbicModel& model) : FSelection(model.OptionSelection()) {
    for (int k = 0; k < model.OptionCount(); ++k) FNames.push_back(model.Options()[k]);
    model.Root()->CollectAttributes(FAttributes);
    for (const TUbicAttribute* attribute : FAttributes) {
      std::vector<std::string>& values = FValues.emplace_back();
      for (int k = 0; k < attribute->OptionValues().Count(); ++k) {
        values.push_back(attribute->OptionValues()[k]);
      }
      FWeights.push_back(attribute->OptionWeights().Strings());
    }
  }

  void Restore(TUbicModel& model) const {
    model.ClearOptions();
    for (const std::string& name : FNames) model.AddOption(name);
    for (std::size_t a = 0; a < FAttributes.size(); ++a) {
      for (std::size_t k = 0; k < FValues[a].size(); ++k) {
        FAttributes[a]->SetOptionText(static_cast<int>(k), FValues[a][k]);
      }
      TStrList weights;
      weights.Assign(FWeights[a]);
      FAttributes[a]->TakeOptionWeights(0, weights);
    }
    model.SetOptionSelection(FSelection);
  }

 private:
  std::vector<std::string> FNames;
  std::vector<TUbicAttribute*> FAttributes;
  std::vector<std::vector<std::string>> FValues;
  std::vector<std::vector<std::string>> FWeights;
  std::string FSelection;
};

}  // namespace

void ImportOptions(TUbicModel& model, std::istream& stream, const std::string& fileName) {
  const TOptionsSnapshot snapshot(model);
  try {
    ReplaceOptions(model, stream, fileName);
  } catch (...) {
    snapshot.Restore(model);
    throw;
  }
}

void ReplaceOptions(TUbicModel& model, const std::string& csvText, const std::string& fileName) {
  TOptionsFileReader(model, csvText, fileName, kUnusedPartSize).ReplaceAllOptions();
}

void ReplaceOptions(TUbicModel& model, std::istream& stream, const std::string& fileName) {
  TOptionsFileReader(model, stream, fileName, kUnusedPartSize).ReplaceAllOptions();
}

namespace {

// The cells of one attribute's values as the reader reads them back, each different one made once.
class TOptionCells {
 public:
  explicit TOptionCells(const TUbicAttribute& attribute) : FAttribute(attribute) {}

  const std::string& Cell(int option) {
    static const std::string undefined;
    if (const auto weights = FAttribute.OptionWeightsOf(option)) {
      const TWeightedValue value{FAttribute.OptionText(option), *weights};
      FWeighted = CsvField(Cp1250ToUtf8(WeightsText(FAttribute.Scale(), value)));
      return FWeighted;
    }
    const TStrList& values = FAttribute.OptionValues();
    const std::string& codes = option < values.Count() ? values[option] : undefined;
    const auto known = FCells.find(codes);
    if (known != FCells.end()) return known->second;
    const TUbicScale* scale = FAttribute.Scale();
    const std::string text = Cp1250ToUtf8(ValueSetText(scale, HeldValues(scale, codes)));
    return FCells.emplace(codes, CsvField(text)).first->second;
  }

 private:
  const TUbicAttribute& FAttribute;
  std::unordered_map<std::string, std::string> FCells;
  std::string FWeighted;
};

}  // namespace

void OptionsCsv(const TUbicModel& model, const std::function<void(const std::string&)>& write) {
  std::vector<const TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);
  std::vector<std::string> header{"Option"};
  std::vector<TOptionCells> cells;
  for (const TUbicAttribute* attribute : basic) {
    header.push_back(Cp1250ToUtf8(attribute->GetName()));
    cells.emplace_back(*attribute);
  }
  write(CsvRecord(header));
  std::vector<std::string> row(basic.size() + 1);
  for (int k = 0; k < model.OptionCount(); ++k) {
    row[0] = CsvField(Cp1250ToUtf8(model.Options()[k]));
    for (std::size_t a = 0; a < basic.size(); ++a) row[a + 1] = cells[a].Cell(k);
    write(JoinCsvFields(row));
  }
}

}  // namespace ubic
