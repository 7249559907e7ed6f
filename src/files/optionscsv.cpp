#include "optionscsv.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "foundation/cp1250.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"

namespace ubic {
namespace {

// The number of slots for the cells of a column met before.
constexpr std::size_t kKnownCells = 64;

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

TValueNames::TValueNames(const TUbicAttribute& attribute)
    : FMessageName(attribute.DiscreteScale() ? attribute.GetName() : "NULL") {
  if (const TUbicDiscreteScale* scale = attribute.DiscreteScale()) {
    // The first of equal names counts, as it does everywhere a value is found by name.
    for (int v = 0; v < scale->Count(); ++v) FValues.emplace(scale->ValueName(v), v);
  }
}

std::string TValueNames::ValueSet(std::string_view cell) const {
  if (cell.empty() || cell == "*") return {};
  std::vector<int> indices;
  std::string rest = Utf8ToCp1250(cell);
  std::string name;
  do {
    SplitAt(rest, ';', name);
    const auto found = FValues.find(name);
    if (found == FValues.end()) {
      throw EOptionsFileError(
          Cp1250ToUtf8(Format(ubicstr::UnknownAttributeValue, FMessageName, name)));
    }
    indices.push_back(found->second);
  } while (!rest.empty());
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  std::string text;
  for (const int index : indices) text += ValueCode(index);
  return text;
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

std::string TOptionsFileReader::Where(int line) const {
  return " (" + FFileName + " line " + std::to_string(line) + ")";
}

bool TOptionsFileReader::Next() {
  try {
    return FReader.Next(FFields);
  } catch (const ECsvError& e) {
    throw EOptionsFileError(e.what() + Where(FReader.RecordLine()));
  }
}

void TOptionsFileReader::ReadHeader() {
  if (!Next()) throw EOptionsFileError("Missing header" + Where(1));
  std::vector<TUbicAttribute*> basic;
  FModel.Root()->CollectBasicAttributes(basic);
  std::unordered_map<std::string, int> columnsOfName;
  for (std::size_t i = 1; i < FFields.size(); ++i) {
    const std::string name = Utf8ToCp1250(FFields[i]);
    int skip = columnsOfName[name]++;
    const auto found = std::find_if(basic.begin(), basic.end(), [&](const TUbicAttribute* a) {
      return a->GetName() == name && skip-- == 0;
    });
    if (found == basic.end()) {
      throw EOptionsFileError("Unknown attribute \"" + std::string(FFields[i]) + "\"" + Where(1));
    }
    const TUbicAttribute& attribute = **found;
    FColumns.push_back({*found, TValueNames(attribute), std::vector<TKnownCell>(kKnownCells)});
  }
}

TOptionsFileReader::TPart TOptionsFileReader::ReadPart(TPart part) {
  part.Names.clear();
  // The model took the columns' texts, leaving the lists empty.
  while (part.Columns.size() < FColumns.size()) part.Columns.emplace_back();
  while (static_cast<int>(part.Names.size()) < FPartSize && Next()) ReadOption(part);
  return part;
}

int TOptionsFileReader::OptionLine() const {
  const int line = FReader.RecordLine();
  if (FFields.size() > FColumns.size() + 1) {
    throw EOptionsFileError("Too many values" + Where(line));
  }
  return line;
}

void TOptionsFileReader::ReadOption(TPart& part) {
  const int line = OptionLine();
  static const std::string undefined;
  part.Names.push_back(Utf8ToCp1250(FFields[0]));
  for (std::size_t i = 1; i <= FColumns.size(); ++i) {
    part.Columns[i - 1].Add(i < FFields.size() ? ValueSet(FColumns[i - 1], FFields[i], line).Text
                                               : undefined);
  }
}

void TOptionsFileReader::ReadOption(TAllOptions& all) {
  const int line = OptionLine();
  all.Names.push_back(Utf8ToCp1250(FFields[0]));
  for (std::size_t i = 1; i <= FColumns.size(); ++i) {
    // Index 0 is the undefined text.
    all.Cells[i - 1].push_back(i < FFields.size() ? TextIndex(FColumns[i - 1], FFields[i], line)
                                                  : 0);
  }
}

void TOptionsFileReader::Fill(TPart& part) {
  for (const std::string& name : part.Names) FModel.AddOption(name);
  for (std::size_t c = 0; c < FColumns.size(); ++c) {
    FColumns[c].Attribute->TakeOptionTexts(0, part.Columns[c]);
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
  }
}

// The same few cells fill most of a column: each of them is read once.
TOptionsFileReader::TKnownCell& TOptionsFileReader::ValueSet(TColumn& column, std::string_view cell,
                                                             int line) const {
  TKnownCell& known = column.Known[QuickHash(cell) % kKnownCells];
  if (!known.Used || !SameText(known.Cell, cell)) {
    known.Text = ParseValueSet(column, cell, line);
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
    const auto [found, added] =
        column.IndexOfText.try_emplace(known.Text, static_cast<TTextIndex>(column.Texts.size()));
    if (added) column.Texts.push_back(known.Text);
    known.Index = found->second;
  }
  return known.Index;
}

std::string TOptionsFileReader::ParseValueSet(const TColumn& column, std::string_view cell,
                                              int line) const {
  try {
    return column.Names.ValueSet(cell);
  } catch (const EOptionsFileError& e) {
    throw EOptionsFileError(e.what() + Where(line));
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
    }
  }

  void Restore(TUbicModel& model) const {
    model.ClearOptions();
    for (const std::string& name : FNames) model.AddOption(name);
    for (std::size_t a = 0; a < FAttributes.size(); ++a) {
      for (std::size_t k = 0; k < FValues[a].size(); ++k) {
        FAttributes[a]->SetOptionText(static_cast<int>(k), FValues[a][k]);
      }
    }
    model.SetOptionSelection(FSelection);
  }

 private:
  std::vector<std::string> FNames;
  std::vector<TUbicAttribute*> FAttributes;
  std::vector<std::vector<std::string>> FValues;
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

}  // namespace ubic
