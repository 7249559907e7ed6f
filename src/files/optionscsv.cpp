#include "optionscsv.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "csv.h"
#include "foundation/cp1250.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"

namespace ubic {
namespace {

// One column of the file: the basic attribute it fills and its values by name.
struct TColumn {
  TUbicAttribute* Attribute;
  std::unordered_map<std::string, int> Values;
};

class TOptionsReader {
 public:
  TOptionsReader(TUbicModel& model, const std::string& csvText, const std::string& fileName)
      : FModel(model), FReader(csvText), FFileName(fileName) {}

  void Read() {
    std::vector<std::string> fields;
    if (!Next(fields)) throw EOptionsFileError("Missing header" + Where(1));
    ReadHeader(fields);
    FModel.ClearOptions();
    while (Next(fields)) ReadOption(fields);
  }

 private:
  std::string Where(int line) const {
    return " (" + FFileName + " line " + std::to_string(line) + ")";
  }

  bool Next(std::vector<std::string>& fields) {
    try {
      return FReader.Next(fields);
    } catch (const ECsvError& e) {
      throw EOptionsFileError(e.what() + Where(FReader.RecordLine()));
    }
  }

  void ReadHeader(const std::vector<std::string>& fields) {
    std::vector<TUbicAttribute*> basic;
    FModel.Root()->CollectBasicAttributes(basic);
    std::unordered_map<std::string, int> columnsOfName;
    for (std::size_t i = 1; i < fields.size(); ++i) {
      const std::string name = Utf8ToCp1250(fields[i]);
      int skip = columnsOfName[name]++;
      const auto found = std::find_if(basic.begin(), basic.end(), [&](const TUbicAttribute* a) {
        return a->GetName() == name && skip-- == 0;
      });
      if (found == basic.end()) {
        throw EOptionsFileError("Unknown attribute \"" + fields[i] + "\"" + Where(1));
      }
      FColumns.push_back({*found, ValuesOf(**found)});
    }
  }

  static std::unordered_map<std::string, int> ValuesOf(const TUbicAttribute& attribute) {
    std::unordered_map<std::string, int> values;
    if (const TUbicDiscreteScale* scale = attribute.DiscreteScale()) {
      // The first of equal names counts, as it does everywhere a value is found by name.
      for (int v = 0; v < scale->Count(); ++v) values.emplace(scale->ValueName(v), v);
    }
    return values;
  }

  void ReadOption(const std::vector<std::string>& fields) {
    const int line = FReader.RecordLine();
    if (fields.size() > FColumns.size() + 1) {
      throw EOptionsFileError("Too many values" + Where(line));
    }
    const int k = FModel.AddOption(Utf8ToCp1250(fields[0]));
    for (std::size_t i = 1; i < fields.size(); ++i) {
      const std::string text = ValueSet(FColumns[i - 1], fields[i], line);
      if (!text.empty()) FColumns[i - 1].Attribute->SetOptionText(k, text);
    }
  }

  std::string ValueSet(const TColumn& column, const std::string& cell, int line) const {
    if (cell.empty() || cell == "*") return {};
    std::vector<int> indices;
    std::string rest = Utf8ToCp1250(cell);
    std::string name;
    do {
      SplitAt(rest, ';', name);
      const auto found = column.Values.find(name);
      if (found == column.Values.end()) {
        const TUbicAttribute& a = *column.Attribute;
        throw EOptionsFileError(
            Cp1250ToUtf8(Format(ubicstr::UnknownAttributeValue,
                                a.DiscreteScale() ? a.GetName() : "NULL", name)) +
            Where(line));
      }
      indices.push_back(found->second);
    } while (!rest.empty());
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::string text;
    for (const int index : indices) text += ValueCode(index);
    return text;
  }

  TUbicModel& FModel;
  TCsvReader FReader;
  const std::string& FFileName;
  std::vector<TColumn> FColumns;
};

}  // namespace

void ReplaceOptions(TUbicModel& model, const std::string& csvText, const std::string& fileName) {
  TOptionsReader(model, csvText, fileName).Read();
}

}  // namespace ubic
