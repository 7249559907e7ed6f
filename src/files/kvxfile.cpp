#include "kvxfile.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <vector>

#include "exportremarks.h"
#include "foundation/checkedint.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"
#include "modelfile.h"
#include "scalegroups.h"

// What is wrong with the attributes' numbers and levels.
namespace ubic::ubicstr {

constexpr const char* KvxNoAttribute = UBIC_TEXT("No attribute has the number %d");
constexpr const char* KvxNumberTooLarge = UBIC_TEXT("Attribute number %d is larger than %d");
constexpr const char* KvxLevelOutOfRange = UBIC_TEXT("Attribute level %d is not between 1 and %d");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

constexpr int kRulesPerLine = 12;
// The attribute table is indexed by attribute number; a larger number would only pad it.
constexpr int kMaxAttributeNumber = 1'000'000;
// The option text of an option that may take any value.
constexpr char kAnyValue = '*';

constexpr const char* kFormatName = "KVX";

// --- Writing ---

// Every name and description stands on one line of its record: a line break would end the record
// there, so it becomes a blank.
std::string OneLine(const std::string& text) {
  return ReplaceChar(ReplaceChar(ReplaceText(text, "\r\n", " "), '\r', ' '), '\n', ' ');
}

std::string FixedSixDecimals(double value) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

std::string CountsLine(const TUbicModel& model,
                       const std::vector<const TUbicAttribute*>& attributes) {
  const TModelStatistics statistics = model.Statistics();
  int inputs = 0;
  int values = 0;
  for (const TUbicAttribute* attribute : attributes) {
    inputs = std::max(inputs, attribute->InputCount());
    if (attribute->Scale() != nullptr) values = std::max(values, attribute->Scale()->Count());
  }
  return Format("T%d t%d A%d a%d b%d v%d G1 O%d o%d", model.Root()->InputCount(), inputs,
                statistics.Attributes, statistics.Complex, statistics.Basic, values,
                statistics.Options, CheckedAdd(statistics.Attributes, 1));
}

void WriteDkbRecord(const TUbicModel& model, const std::vector<const TUbicAttribute*>& attributes,
                    std::vector<std::string>& lines) {
  const std::string name = model.GetName().empty() ? model.DisplayName() : model.GetName();
  const std::string description =
      model.GetDescription().empty() ? model.DisplayName() : model.GetDescription();
  lines.push_back(" DKB " + OneLine(name));
  lines.push_back(std::string("D").append(OneLine(description)));
  lines.push_back(CountsLine(model, attributes));
  lines.push_back("PP- UDU MC* ME* MD*");
  lines.push_back("=4000");
}

char OrderChar(TScaleOrder order) {
  switch (order) {
    case TScaleOrder::Ascending:
      return '+';
    case TScaleOrder::Descending:
      return '-';
    case TScaleOrder::None:
      break;
  }
  return '~';
}

void WriteDomRecord(const TUbicDiscreteScale& scale, std::vector<std::string>& lines) {
  lines.push_back(std::string(" DOM D") + OrderChar(scale.Order()));
  for (int k = 0; k < scale.Count(); ++k) {
    const char group = scale.IsBad(k) ? 'B' : scale.IsGood(k) ? 'G' : 'N';
    lines.push_back(group + OneLine(scale.ValueName(k)));
    if (!scale.ValueDescription(k).empty()) {
      lines.push_back(std::string("D").append(OneLine(scale.ValueDescription(k))));
    }
  }
}

void WriteAttRecord(const TUbicAttribute& attribute, int number, std::vector<std::string>& lines) {
  lines.push_back(" ATT " + OneLine(attribute.GetName()));
  if (!attribute.GetDescription().empty()) {
    lines.push_back(std::string("D").append(OneLine(attribute.GetDescription())));
  }
  lines.push_back(Format("L%d I%d", attribute.Level(), number));
  if (const TUbicDiscreteScale* scale = attribute.DiscreteScale()) WriteDomRecord(*scale, lines);
}

std::string RuleItem(const TUbicFunction& function, int rule) {
  std::string item = function.RuleEntered(rule) ? "R" : "r";
  item += std::to_string(function.RuleLow(rule) + 1);
  if (function.RuleHigh(rule) != function.RuleLow(rule)) {
    item.append(":").append(std::to_string(function.RuleHigh(rule) + 1));
  }
  return item;
}

void WriteFncRecord(const TUbicFunction& function, int number, std::vector<std::string>& lines) {
  lines.push_back(Format(" FNC DI I%d", number));
  lines.push_back(Format("S%d d", function.RuleCount()) +
                  FixedSixDecimals(function.Determinedness()) + " MC* ME* MD*");
  // KVX lists the rules with the first input varying fastest.
  const std::vector<int> order = function.RuleOrder(true);
  // Rules are separated by a blank, and after every twelfth one by a line break instead; an empty
  // table still gives its one, empty line.
  std::string line;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (k > 0 && k % kRulesPerLine == 0) {
      lines.push_back(line);
      line.clear();
    } else if (k > 0) {
      line += ' ';
    }
    line += RuleItem(function, order[k]);
  }
  lines.push_back(line);
}

void WriteValRecord(const TUbicModel& model, const TUbicAttribute& attribute, int option,
                    int number, std::vector<std::string>& lines) {
  // Stored results of aggregate attributes are marked when they may be out of date.
  const std::string mark = model.NeedsEvaluation() && !attribute.IsBasic() ? " E" : "";
  const std::string text = attribute.OptionText(option);
  if (text.empty() || text == "*") {
    lines.push_back(" VAL" + mark + Format(" * G1 I%d", number));
    return;
  }
  lines.push_back(" VAL" + mark + Format(" G1 I%d", number));
  std::string values;
  for (const char code : text) {
    if (!values.empty()) values += ' ';
    values.append("V").append(std::to_string(ValueIndexOf(code) + 1));
  }
  lines.push_back(values);
}

void WriteOptRecords(const TUbicModel& model, const std::vector<const TUbicAttribute*>& attributes,
                     std::vector<std::string>& lines) {
  for (int k = 0; k < model.OptionCount(); ++k) {
    lines.push_back(" OPT " + OneLine(model.Options()[k]));
    lines.push_back(" VAL * G1 I0");
    for (std::size_t i = 0; i < attributes.size(); ++i) {
      WriteValRecord(model, *attributes[i], k, static_cast<int>(i) + 1, lines);
    }
  }
}

// --- Remarks on what the file can not hold ---

bool HasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

bool ValuesHaveLineBreak(const TUbicDiscreteScale& scale) {
  for (int k = 0; k < scale.Count(); ++k) {
    if (HasLineBreak(scale.ValueName(k)) || HasLineBreak(scale.ValueDescription(k))) return true;
  }
  return false;
}

// Only the model's own texts count: a name or description that it lacks is no loss when the file
// fills it in.
std::string TextRemarks(const TUbicModel& model,
                        const std::vector<const TUbicAttribute*>& attributes) {
  std::string remarks;
  if (HasLineBreak(model.GetName()) || HasLineBreak(model.GetDescription())) {
    remarks += Translated(ubicstr::KvxModelTextBreaks);
  }
  for (int k = 0; k < model.OptionCount(); ++k) {
    if (HasLineBreak(model.Options()[k])) {
      remarks += Format(ubicstr::KvxOptionNameBreaks, RemarkName(model.Options()[k]));
    }
  }
  for (const TUbicAttribute* attribute : attributes) {
    const std::string name = RemarkName(attribute->GetName());
    if (HasLineBreak(attribute->GetName()) || HasLineBreak(attribute->GetDescription())) {
      remarks += Format(ubicstr::KvxAttributeTextBreaks, name);
    }
    const TUbicDiscreteScale* scale = attribute->DiscreteScale();
    if (scale != nullptr && ValuesHaveLineBreak(*scale)) {
      remarks += Format(ubicstr::KvxValueTextBreaks, name);
    }
  }
  return remarks;
}

// The reader takes the first set of values of a basic attribute, in the order of the file, for any
// value (and says so); the later ones it keeps.
std::string FirstValueSetRemark(const TUbicModel& model,
                                const std::vector<const TUbicAttribute*>& basics) {
  for (int k = 0; k < model.OptionCount(); ++k) {
    for (const TUbicAttribute* basic : basics) {
      if (basic->OptionText(k).size() >= 2) {
        return Format(ubicstr::KvxFirstValueSet, RemarkName(model.Options()[k]),
                      RemarkName(basic->GetName()));
      }
    }
  }
  return {};
}

std::string ExportRemarks(const TUbicModel& model,
                          const std::vector<const TUbicAttribute*>& attributes) {
  std::string remarks = TextRemarks(model, attributes);
  for (const TUbicAttribute* attribute : attributes)
    remarks += WeightsRemark(*attribute, kFormatName);
  // The values of aggregate attributes are results of evaluation, which is done again.
  std::vector<const TUbicAttribute*> basics;
  model.Root()->CollectBasicAttributes(basics);
  for (const TUbicAttribute* basic : basics) {
    remarks += UndefinedValuesRemark(model, *basic, kFormatName);
    remarks += OptionWeightsRemark(*basic, kFormatName);
  }
  return remarks + FirstValueSetRemark(model, basics);
}

// --- Reading ---

// The value code of a value number from a file: number 1 is the first value. Codes below the
// first value's are accepted too, so that whatever rule or option text was written reads back.
char ValueChar(int number) {
  const int code = CheckedAdd(number, kFirstValueCode - 1);
  if (code < 0 || code > 255) ListIndexError(CheckedAdd(number, -1));
  return static_cast<char>(code);
}

class TKvxReader {
 public:
  TKvxReader(TUbicModel& model, const std::vector<std::string>& lines, const std::string& fileName)
      : FModel(model), FParser(lines), FFileName(fileName) {}

  std::string Read();

 private:
  [[noreturn]] void UnknownFormat() const;
  void ReadHeader();
  void ReadAttributes();
  // The attribute of an ATT record; Level and Number keep their values when it has none.
  std::unique_ptr<TUbicAttribute> ReadAttRecord(int& level, int& number) const;
  std::unique_ptr<TUbicDiscreteScale> ReadScale() const;
  void EnterInTable(TUbicAttribute& attribute, int number);
  TUbicAttribute* TableEntry(int number) const;
  void ReadFunctions();
  void ReadFncRecord();
  // Reads rule number Rule of the record, counted with the first input varying fastest, into the
  // table at Order[Rule]; a rule beyond Order fails as a rule beyond the table.
  void ReadRule(TUbicFunction& function, const std::vector<int>& order, int rule, int item) const;
  void ReadOptions();
  void ReadValRecord(int option);

  TUbicModel& FModel;
  TKvxParser FParser;
  const std::string& FFileName;
  // Attributes by number; not owned. Entry 0 never holds one.
  std::vector<TUbicAttribute*> FTable;
  TRuleBudget FRuleBudget;
  std::string FRemarks;
  bool FDistributedMet = false;
};

std::string TKvxReader::Read() {
  ReadHeader();
  ReadAttributes();
  ReadFunctions();
  ReadOptions();
  // Whatever follows in another order is not part of the model.
  return FRemarks;
}

void TKvxReader::UnknownFormat() const {
  UnknownFileFormat(FFileName);
}

void TKvxReader::ReadHeader() {
  FParser.Next();
  if (FParser.Section() != "KIV" && FParser.ItemTag(0) != 'I') UnknownFormat();
  FParser.Next();
  if (FParser.Section() != "DKB" && FParser.ItemTag(0) != ' ') UnknownFormat();
  FModel.SetName(FParser.ItemValue(0));
  if (FParser.ItemTag(1) == 'D') FModel.SetDescription(FParser.ItemValue(1));
  FParser.Next();
}

std::unique_ptr<TUbicAttribute> TKvxReader::ReadAttRecord(int& level, int& number) const {
  auto attribute = std::make_unique<TUbicAttribute>();
  for (int i = 0; i < FParser.ItemCount(); ++i) {
    switch (FParser.ItemTag(i)) {
      case ' ':
        attribute->SetName(FParser.ItemValue(i));
        break;
      case 'D':
        attribute->SetDescription(FParser.ItemValue(i));
        break;
      case 'L':
        level = FParser.ItemInt(i);
        break;
      case 'I':
        number = FParser.ItemInt(i);
        break;
      default:
        break;
    }
  }
  // Level 1 is the top; below it the search for the parent would climb past the root.
  if (level < 1 || level > kMaxReadLevel) {
    FParser.Error(Format(ubicstr::KvxLevelOutOfRange, level, kMaxReadLevel));
  }
  return attribute;
}

void TKvxReader::ReadAttributes() {
  TUbicAttribute* parent = FModel.Root();
  int parentLevel = 0;
  while (FParser.Section() == "ATT") {
    // Without a level the attribute follows the previous one as its sibling.
    int level = parentLevel;
    int number = 0;
    std::unique_ptr<TUbicAttribute> attribute = ReadAttRecord(level, number);
    while (parentLevel >= level) {
      parent = parent->Parent();
      --parentLevel;
    }
    TUbicAttribute& added = *attribute;
    parent->AddInput(std::move(attribute));
    EnterInTable(added, number);
    FParser.Next();
    if (FParser.Section() == "DOM") {
      added.SetScale(ReadScale());
      FParser.Next();
    }
    parent = &added;
    ++parentLevel;
  }
}

std::unique_ptr<TUbicDiscreteScale> TKvxReader::ReadScale() const {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  if (FParser.ItemTag(0) == 'D') {
    const std::string order = FParser.ItemValue(0);
    if (order == "-") scale->SetOrder(TScaleOrder::Descending);
    if (order == "~") scale->SetOrder(TScaleOrder::None);
  }
  TScaleGroups groups;
  for (int i = 0; i < FParser.ItemCount(); ++i) {
    const char tag = FParser.ItemTag(i);
    if (tag == 'D' && i > 0 && scale->Count() > 0) {
      scale->SetValueDescription(scale->HighIndex(), FParser.ItemValue(i));
    } else if (tag == 'B' || tag == 'G' || tag == 'N') {
      scale->AddValue(FParser.ItemValue(i));
      if (tag == 'B') groups.MarkBad(scale->HighIndex());
      if (tag == 'G') groups.MarkGood(scale->HighIndex());
    }
  }
  groups.Apply(*scale);
  return scale;
}

void TKvxReader::EnterInTable(TUbicAttribute& attribute, int number) {
  if (number > kMaxAttributeNumber) {
    FParser.Error(Format(ubicstr::KvxNumberTooLarge, number, kMaxAttributeNumber));
  }
  if (number < 0) ListIndexError(number);
  // An attribute without a number cannot be referred to.
  if (number == 0) return;
  if (FTable.size() <= static_cast<std::size_t>(number)) FTable.resize(number + 1, nullptr);
  FTable[number] = &attribute;
}

TUbicAttribute* TKvxReader::TableEntry(int number) const {
  // Each option's values start with a record for number 0, which holds no attribute.
  if (number == 0) return nullptr;
  if (number < 0 || static_cast<std::size_t>(number) >= FTable.size()) ListIndexError(number);
  return FTable[number];
}

void TKvxReader::ReadFunctions() {
  int groups = 0;
  while (FParser.Section() == "GRP") {
    FParser.Next();
    ++groups;
    if (groups > 1) {
      if (groups == 2) FRemarks = Translated(ubicstr::MoreThanOneGroup);
      while (FParser.Section() == "FNC") FParser.Next();
      continue;
    }
    while (FParser.Section() == "FNC") {
      ReadFncRecord();
      FParser.Next();
    }
  }
}

void TKvxReader::ReadFncRecord() {
  // Rules before the first attribute number go to an empty function of no attribute, where they
  // fail as rules beyond the table.
  TUbicFunction unattached;
  TUbicFunction* function = &unattached;
  std::vector<int> order;
  int rule = 0;
  for (int i = 0; i < FParser.ItemCount(); ++i) {
    const char tag = FParser.ItemTag(i);
    if (tag == 'R' || tag == 'r') {
      ReadRule(*function, order, rule++, i);
    } else if (tag == 'I') {
      const int number = FParser.ItemInt(i);
      TUbicAttribute* attribute = TableEntry(number);
      if (attribute == nullptr) FParser.Error(Format(ubicstr::KvxNoAttribute, number));
      FRuleBudget.Take(*attribute);
      // Each attribute number starts that attribute's function; the one before is complete.
      auto built = std::make_unique<TUbicFunction>();
      built->Initialize(attribute);
      function = built.get();
      attribute->SetFunct(std::move(built));
      order = function->RuleOrder(true);
      rule = 0;
    }
  }
}

void TKvxReader::ReadRule(TUbicFunction& function, const std::vector<int>& order, int rule,
                          int item) const {
  // "R2" is the entered value 2, "r1:3" the computed interval from value 1 to value 3.
  const std::string value = FParser.ItemValue(item);
  const int position = rule < static_cast<int>(order.size()) ? order[rule] : rule;
  function.SetRuleCodes(position, ValueChar(TextToInt(TextBefore(value, ":"))),
                        ValueChar(TextToInt(TextAfter(value, ":"))));
  function.SetRuleEntered(position, FParser.ItemTag(item) == 'R');
}

void TKvxReader::ReadOptions() {
  while (FParser.Section() == "OPT") {
    const int option = FModel.AddOption(FParser.ItemValue(0));
    FParser.Next();
    while (FParser.Section() == "VAL") {
      ReadValRecord(option);
      FParser.Next();
    }
  }
}

void TKvxReader::ReadValRecord(int option) {
  int group = 0;
  TUbicAttribute* attribute = nullptr;
  std::string text;
  for (int i = 0; i < FParser.ItemCount(); ++i) {
    switch (FParser.ItemTag(i)) {
      case 'G':
        group = FParser.ItemInt(i);
        break;
      case 'I':
        attribute = TableEntry(FParser.ItemInt(i));
        break;
      case '*':
        text.assign(1, kAnyValue);
        break;
      case 'V':
        text += ValueChar(FParser.ItemInt(i));
        break;
      default:
        break;
    }
  }
  if (group != 1 || attribute == nullptr || text.empty()) return;
  if (attribute->IsBasic() && text.size() >= 2 && !FDistributedMet) {
    FRemarks += Translated(ubicstr::DistributedOptionValues);
    FDistributedMet = true;
    text.assign(1, kAnyValue);
  }
  attribute->SetOptionText(option, text);
}

}  // namespace

std::string LoadFromKvxFile(TUbicModel& model, const std::string& fileName) {
  const std::vector<std::string> lines = ReadTextLines(fileName);
  return TKvxReader(model, lines, fileName).Read();
}

TModelExport KvxExport(const TUbicModel& model) {
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  std::vector<std::string> lines{" KIV I1.5"};
  WriteDkbRecord(model, attributes, lines);
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    WriteAttRecord(*attributes[i], static_cast<int>(i) + 1, lines);
  }
  lines.push_back(" GRP");
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    if (const TUbicFunction* function = attributes[i]->Funct()) {
      WriteFncRecord(*function, static_cast<int>(i) + 1, lines);
    }
  }
  WriteOptRecords(model, attributes, lines);
  return {JoinLines(lines), ExportRemarks(model, attributes)};
}

std::string SaveToKvxFile(const TUbicModel& model, const std::string& fileName) {
  TModelExport exported = KvxExport(model);
  WriteFileSafely(fileName, exported.Bytes);
  return std::move(exported.Remarks);
}

}  // namespace ubic
