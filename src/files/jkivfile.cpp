#include "jkivfile.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "exportremarks.h"
#include "foundation/textcompare.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"
#include "modelfile.h"
#include "scalegroups.h"
#include "xml.h"

namespace ubic::ubicstr {

constexpr const char* InputAfterFunction =
    UBIC_TEXT("The attribute \"%s\" comes after the function of its parent \"%s\"");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

// The name given to an attribute or a value whose own name is empty.
constexpr const char* kUnnamed = "Unnamed";
constexpr const char* kFormatName = "jKIV";

// jKIV files have no header line: the XML reader and writer go without one for as long as this
// lives.
class TNoXmlHeader {
 public:
  TNoXmlHeader() : FSaved(std::exchange(XmlHeader, {})) {}
  TNoXmlHeader(const TNoXmlHeader&) = delete;
  TNoXmlHeader& operator=(const TNoXmlHeader&) = delete;
  ~TNoXmlHeader() { XmlHeader = std::move(FSaved); }

 private:
  std::string FSaved;
};

// Lists of names are joined by ";", which is only put after a text that is not empty.
void AppendName(std::string& list, const std::string& name) {
  if (!list.empty()) list += ';';
  list += name;
}

// --- Writing ---

enum class TNameProblem { None, Empty, Shared, Separator };

// Orders names as the reader compares them: exactly, or regardless of letter case as it finds
// the attribute of a function.
class TNameOrder {
 public:
  explicit TNameOrder(bool ignoreCase) : FIgnoreCase(ignoreCase) {}
  bool operator()(const std::string& a, const std::string& b) const {
    return FIgnoreCase ? AnsiCompareText(a, b) < 0 : a < b;
  }

 private:
  bool FIgnoreCase;
};

// Hands out the names by which the file links its elements: none empty, none with the ";" that
// separates names in lists, and each unlike every name handed out before. A name that is all that
// is kept; another one is mended and numbered until it is.
class TLinkNames {
 public:
  explicit TLinkNames(bool ignoreCase)
      : FTaken(TNameOrder(ignoreCase)), FNextNumber(TNameOrder(ignoreCase)) {}

  std::string Give(const std::string& name, TNameProblem& problem) {
    problem = name.empty()                          ? TNameProblem::Empty
              : name.find(';') != std::string::npos ? TNameProblem::Separator
              : FTaken.count(name) != 0             ? TNameProblem::Shared
                                                    : TNameProblem::None;
    const std::string base = name.empty() ? std::string(kUnnamed) : ReplaceChar(name, ';', ',');
    std::string given = base;
    // Numbers go on from the last one given to the base, so many equal names stay cheap.
    int& number = FNextNumber.try_emplace(base, 2).first->second;
    while (FTaken.count(given) != 0) given = Format("%s (%d)", base, number++);
    FTaken.insert(given);
    return given;
  }

 private:
  std::set<std::string, TNameOrder> FTaken;
  std::map<std::string, int, TNameOrder> FNextNumber;
};

std::string AttributeRemark(TNameProblem problem, const std::string& own,
                            const std::string& given) {
  switch (problem) {
    case TNameProblem::Empty:
      return Format(ubicstr::JkivEmptyAttributeName, RemarkName(given));
    case TNameProblem::Shared:
      return Format(ubicstr::JkivSharedAttributeName, RemarkName(own), RemarkName(given));
    case TNameProblem::Separator:
      return Format(ubicstr::JkivSeparatorInAttributeName, RemarkName(own), RemarkName(given));
    case TNameProblem::None:
      break;
  }
  return {};
}

std::string ValueRemark(TNameProblem problem, const std::string& scale, const std::string& own,
                        const std::string& given) {
  switch (problem) {
    case TNameProblem::Empty:
      return Format(ubicstr::JkivEmptyValueName, RemarkName(scale), RemarkName(given));
    case TNameProblem::Shared:
      return Format(ubicstr::JkivSharedValueName, RemarkName(scale), RemarkName(own),
                    RemarkName(given));
    case TNameProblem::Separator:
      return Format(ubicstr::JkivSeparatorInValueName, RemarkName(scale), RemarkName(own),
                    RemarkName(given));
    case TNameProblem::None:
      break;
  }
  return {};
}

// A scale as the file lists it: under the name of the first attribute in pre-order that has a
// scale equal to it, and with value names that link.
struct TListedScale {
  std::string Name;
  const TUbicScale* Original;
  std::unique_ptr<TUbicDiscreteScale> Linked;
};

// Writes a model in the flat layout, where scales, attributes, functions and options refer to
// each other by name. Names the format cannot link are replaced, so that the file always reads
// back as the same tree with the same tables and values.
class TJkivWriter {
 public:
  explicit TJkivWriter(const TUbicModel& model);

  void Write(TXmlItem& root) const;
  const std::string& Remarks() const { return FRemarks; }

 private:
  void NameAttributes();
  void ListScales();
  std::unique_ptr<TUbicDiscreteScale> LinkedScale(const std::string& name, const TUbicScale& scale);
  const std::string& Name(const TUbicAttribute& attribute) const;
  // The name of value Index of Attribute's scale; nil when Index names no value.
  const std::string* ValueName(const TUbicAttribute& attribute, int index) const;
  // Whether the rule names values only; a rule that does not is left out.
  bool Writable(const TUbicAttribute& attribute, int rule) const;
  // The name of the single value Attribute has for Option; nil for a set, an undefined value or
  // any value.
  const std::string* OptionValue(const TUbicAttribute& attribute, int option) const;
  void RemarkLosses();
  void RemarkRuleLosses(const TUbicAttribute& attribute);
  void WriteAttribute(const TUbicAttribute& attribute, TXmlItem& root) const;
  void WriteFunction(const TUbicAttribute& attribute, TXmlItem& root) const;
  void WriteRule(const TUbicAttribute& attribute, int rule, TXmlItem& function) const;
  std::string OptionValueName(const TUbicAttribute& attribute, int option) const;
  void WriteOptions(TXmlItem& root) const;

  const TUbicModel& FModel;
  std::vector<const TUbicAttribute*> FAttributes;
  std::unordered_map<const TUbicAttribute*, std::string> FNames;
  std::vector<TListedScale> FScales;
  // Each attribute's entry of FScales.
  std::unordered_map<const TUbicAttribute*, std::size_t> FScaleOf;
  std::string FRemarks;
};

TJkivWriter::TJkivWriter(const TUbicModel& model) : FModel(model) {
  FModel.Root()->CollectAttributes(FAttributes);
  NameAttributes();
  ListScales();
  RemarkLosses();
}

void TJkivWriter::NameAttributes() {
  // Functions are found by name regardless of letter case, so names must differ in more.
  TLinkNames names(true);
  for (const TUbicAttribute* attribute : FAttributes) {
    TNameProblem problem = TNameProblem::None;
    const std::string& own = attribute->GetName();
    const std::string& given = FNames[attribute] = names.Give(own, problem);
    FRemarks += AttributeRemark(problem, own, given);
  }
}

void TJkivWriter::ListScales() {
  for (const TUbicAttribute* attribute : FAttributes) {
    const TUbicScale* scale = attribute->Scale();
    if (scale == nullptr) continue;
    std::size_t listed = 0;
    while (listed < FScales.size() && !FScales[listed].Original->IsEqual(*scale)) ++listed;
    if (listed == FScales.size()) {
      const std::string& name = Name(*attribute);
      FScales.push_back({name, scale, LinkedScale(name, *scale)});
    }
    FScaleOf[attribute] = listed;
  }
}

std::unique_ptr<TUbicDiscreteScale> TJkivWriter::LinkedScale(const std::string& name,
                                                             const TUbicScale& scale) {
  auto linked = std::make_unique<TUbicDiscreteScale>();
  linked->Assign(scale);
  TLinkNames names(false);
  for (int k = 0; k < linked->Count(); ++k) {
    TNameProblem problem = TNameProblem::None;
    const std::string own = linked->ValueName(k);
    const std::string given = names.Give(own, problem);
    linked->SetValueName(k, given);
    FRemarks += ValueRemark(problem, name, own, given);
  }
  return linked;
}

const std::string& TJkivWriter::Name(const TUbicAttribute& attribute) const {
  return FNames.at(&attribute);
}

const std::string* TJkivWriter::ValueName(const TUbicAttribute& attribute, int index) const {
  const auto listed = FScaleOf.find(&attribute);
  if (listed == FScaleOf.end()) return nullptr;
  const TUbicDiscreteScale& scale = *FScales[listed->second].Linked;
  if (index < 0 || index >= scale.Count()) return nullptr;
  return &scale.ValueName(index);
}

void WriteScale(const std::string& name, const TUbicScale& scale, TXmlItem& root) {
  TXmlItem& item = *root.AddItem("SCALE");
  item.AddItem("NAME", name);
  item.AddItem("ORDERED", scale.IsOrdered() ? "YES" : "NO");
  if (scale.IsOrdered()) {
    item.AddItem("ORDER", scale.Order() == TScaleOrder::Descending ? "DESC" : "ASC");
  }
  WriteScaleValues(scale, item);
}

void TJkivWriter::WriteAttribute(const TUbicAttribute& attribute, TXmlItem& root) const {
  TXmlItem& item = *root.AddItem("ATTRIBUTE");
  item.AddItem("NAME", Name(attribute));
  if (!attribute.GetDescription().empty()) item.AddItem("DESCRIPTION", attribute.GetDescription());
  if (attribute.Parent() != FModel.Root()) item.AddItem("PARENT", Name(*attribute.Parent()));
  if (const auto listed = FScaleOf.find(&attribute); listed != FScaleOf.end()) {
    item.AddItem("SCALE", FScales[listed->second].Name);
  }
  item.AddItem("FUNCTION", Name(attribute));
}

bool TJkivWriter::Writable(const TUbicAttribute& attribute, int rule) const {
  const TUbicFunction& function = *attribute.Funct();
  if (ValueName(attribute, function.RuleLow(rule)) == nullptr) return false;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    if (ValueName(*attribute.Input(i), function.RuleInput(i, rule)) == nullptr) return false;
  }
  return true;
}

// A rule is written by the names of its input values and of its low value. A rule that names no
// value, as a damaged table may, is left out and reads back undefined.
void TJkivWriter::WriteRule(const TUbicAttribute& attribute, int rule, TXmlItem& function) const {
  if (!Writable(attribute, rule)) return;
  const TUbicFunction& rules = *attribute.Funct();
  std::string condition;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    AppendName(condition, *ValueName(*attribute.Input(i), rules.RuleInput(i, rule)));
  }
  TXmlItem& item = *function.AddItem("RULE");
  item.AddItem("CONDITION", condition);
  item.AddItem("RESULT", *ValueName(attribute, rules.RuleLow(rule)));
}

void TJkivWriter::WriteFunction(const TUbicAttribute& attribute, TXmlItem& root) const {
  TXmlItem& item = *root.AddItem("FUNCTION");
  item.AddItem("NAME", Name(attribute));
  std::string inputs;
  for (int i = 0; i < attribute.InputCount(); ++i) AppendName(inputs, Name(*attribute.Input(i)));
  item.AddItem("ATTRLIST", inputs);
  for (int r = 0; r < attribute.Funct()->RuleCount(); ++r) WriteRule(attribute, r, item);
}

const std::string* TJkivWriter::OptionValue(const TUbicAttribute& attribute, int option) const {
  const std::string text = attribute.OptionText(option);
  return text.size() == 1 ? ValueName(attribute, ValueIndexOf(text[0])) : nullptr;
}

// A single value is written by its name. Undefined and any value are "*", and so is a set of
// values, which the format cannot hold, rather than one of its values.
std::string TJkivWriter::OptionValueName(const TUbicAttribute& attribute, int option) const {
  const std::string* name = OptionValue(attribute, option);
  return name != nullptr ? *name : "*";
}

// Functions that lose rules, their intervals, their being computed or their weights, then option
// values written as any value that were something else.
void TJkivWriter::RemarkLosses() {
  for (const TUbicAttribute* attribute : FAttributes) {
    if (attribute->Funct() == nullptr) continue;
    // A function left out is lost with its weights.
    if (!attribute->CanHaveFunction()) {
      FRemarks += Format(ubicstr::JkivFunctionLeftOut, RemarkName(attribute->GetName()));
      continue;
    }
    RemarkRuleLosses(*attribute);
    FRemarks += WeightsRemark(*attribute, kFormatName);
  }
  std::vector<const TUbicAttribute*> basics;
  FModel.Root()->CollectBasicAttributes(basics);
  for (const TUbicAttribute* basic : basics) {
    FRemarks += UndefinedValuesRemark(FModel, *basic, kFormatName);
    FRemarks += OptionWeightsRemark(*basic, kFormatName);
  }
  for (int k = 0; k < FModel.OptionCount(); ++k) {
    for (const TUbicAttribute* basic : basics) {
      const std::string text = basic->OptionText(k);
      if (text.empty() || text == "*" || OptionValue(*basic, k) != nullptr) continue;
      FRemarks += Format(ubicstr::JkivOptionValueAsAny, RemarkName(FModel.Options()[k]),
                         RemarkName(basic->GetName()));
    }
  }
}

void TJkivWriter::RemarkRuleLosses(const TUbicAttribute& attribute) {
  const TUbicFunction& function = *attribute.Funct();
  bool offScale = false;
  bool narrowed = false;
  bool computed = false;
  for (int r = 0; r < function.RuleCount(); ++r) {
    // Left out, the rule reads back undefined.
    if (!Writable(attribute, r)) {
      offScale = true;
      continue;
    }
    narrowed = narrowed || function.RuleLow(r) != function.RuleHigh(r);
    computed = computed || !function.RuleEntered(r);
  }
  const std::string name = RemarkName(attribute.GetName());
  if (offScale) FRemarks += Format(ubicstr::JkivRulesOffScale, name);
  if (narrowed) FRemarks += Format(ubicstr::JkivNarrowedRules, name);
  if (computed) FRemarks += Format(ubicstr::JkivComputedRules, name);
}

void TJkivWriter::WriteOptions(TXmlItem& root) const {
  std::vector<const TUbicAttribute*> basics;
  FModel.Root()->CollectBasicAttributes(basics);
  for (int k = 0; k < FModel.OptionCount(); ++k) {
    TXmlItem& option = *root.AddItem("OPTION");
    option.AddItem("NAME", FModel.Options()[k]);
    for (const TUbicAttribute* basic : basics) {
      TXmlItem& value = *option.AddItem("OPTIONVALUE");
      value.AddItem("ATTRIBUTE", Name(*basic));
      value.AddItem("VALUE", OptionValueName(*basic, k));
    }
  }
}

void TJkivWriter::Write(TXmlItem& root) const {
  if (!FModel.GetName().empty()) root.AddItem("NAME", FModel.GetName());
  if (!FModel.GetDescription().empty()) root.AddItem("DESCRIPTION", FModel.GetDescription());
  for (const TListedScale& scale : FScales) WriteScale(scale.Name, *scale.Linked, root);
  for (const TUbicAttribute* attribute : FAttributes) WriteAttribute(*attribute, root);
  // A function of an attribute that cannot carry one (an own file may hold it) has an empty
  // table; written, it would make the file unreadable.
  for (const TUbicAttribute* attribute : FAttributes) {
    if (attribute->Funct() != nullptr && attribute->CanHaveFunction()) {
      WriteFunction(*attribute, root);
    }
  }
  WriteOptions(root);
}

// --- Reading ---

class TJkivReader {
 public:
  explicit TJkivReader(TUbicModel& model) : FModel(model) {}

  void Read(const TXmlItem& root);

 private:
  void ReadScale(const TXmlItem& item);
  void ReadAttribute(const TXmlItem& item);
  void ReadFunction(const TXmlItem& item);
  void ReadRule(const TXmlItem& item, TUbicAttribute& attribute, TUbicFunction& function);
  void ReadOption(const TXmlItem& item);
  TUbicAttribute* FindAttribute(const std::string& name) const;
  // The index of the value called Name in Attribute's scale; raises the model's error if none.
  int ValueIndex(const TUbicAttribute* attribute, const std::string& name);

  TUbicModel& FModel;
  // The attributes hold copies of these scales.
  std::vector<std::unique_ptr<TUbicDiscreteScale>> FScales;
  // The first scale of each name.
  std::map<std::string, const TUbicDiscreteScale*> FScaleNames;
  // The attribute of the first function reference of each name, letter case aside as the user's
  // own comparison of texts ignores it; not owned.
  std::map<std::string, TUbicAttribute*, TNameOrder> FFunctions{TNameOrder(true)};
  // The attributes read so far by name; nil for a name that several of them share.
  std::unordered_map<std::string, TUbicAttribute*> FAttributeNames;
  TRuleBudget FRuleBudget;
  // The values of each attribute by name, the first of equal names; made at the first lookup,
  // since an attribute's scale is complete once its element is read.
  std::unordered_map<const TUbicAttribute*, std::unordered_map<std::string, int>> FValueIndices;
};

void TJkivReader::Read(const TXmlItem& root) {
  for (int i = 0; i < root.ItemCount(); ++i) {
    const TXmlItem& child = *root.Item(i);
    if (child.Name == "NAME") FModel.SetName(child.Text);
    if (child.Name == "DESCRIPTION") FModel.SetDescription(child.Text);
    if (child.Name == "SCALE") ReadScale(child);
    if (child.Name == "ATTRIBUTE") ReadAttribute(child);
    if (child.Name == "FUNCTION") ReadFunction(child);
    if (child.Name == "OPTION") ReadOption(child);
  }
}

TUbicAttribute* TJkivReader::FindAttribute(const std::string& name) const {
  const auto found = FAttributeNames.find(name);
  if (found == FAttributeNames.end()) return nullptr;
  // Of several attributes with the name, the first in the tree's order counts.
  return found->second != nullptr ? found->second : FModel.FindAttribute(name);
}

void TJkivReader::ReadScale(const TXmlItem& item) {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  scale->SetName(item.ItemText("NAME"));
  scale->SetDescription(item.ItemText("DESCRIPTION"));
  TScaleGroups groups;
  for (int i = 0; i < item.ItemCount(); ++i) {
    const TXmlItem& child = *item.Item(i);
    if (child.Name == "ORDERED" && child.Text == "NO") scale->SetOrder(TScaleOrder::None);
    if (child.Name == "ORDER" && child.Text == "ASC") scale->SetOrder(TScaleOrder::Ascending);
    if (child.Name == "ORDER" && child.Text == "DESC") scale->SetOrder(TScaleOrder::Descending);
    if (child.Name != "SCALEVALUE") continue;
    scale->AddValue(child.ItemText("NAME"), child.ItemText("DESCRIPTION"));
    for (int g = 0; g < child.ItemCount(); ++g) {
      const TXmlItem& group = *child.Item(g);
      if (group.Name == "GROUP" && group.Text == "GOOD") groups.MarkGood(scale->HighIndex());
      if (group.Name == "GROUP" && group.Text == "BAD") groups.MarkBad(scale->HighIndex());
    }
  }
  groups.Apply(*scale);
  FScaleNames.emplace(scale->GetName(), scale.get());
  FScales.push_back(std::move(scale));
}

void TJkivReader::ReadAttribute(const TXmlItem& item) {
  auto attribute =
      std::make_unique<TUbicAttribute>(item.ItemText("NAME"), item.ItemText("DESCRIPTION"));
  TUbicAttribute* parent = nullptr;
  std::vector<std::string> functions;
  for (int i = 0; i < item.ItemCount(); ++i) {
    const TXmlItem& child = *item.Item(i);
    if (child.Name == "PARENT" && !child.Text.empty()) parent = FindAttribute(child.Text);
    if (child.Name == "SCALE") {
      const auto found = FScaleNames.find(child.Text);
      if (found != FScaleNames.end()) {
        auto scale = std::make_unique<TUbicDiscreteScale>();
        scale->Assign(*found->second);
        attribute->SetScale(std::move(scale));
      }
    }
    if (child.Name == "FUNCTION") functions.push_back(child.Text);
  }
  // A parent that names nothing known makes the attribute top-level.
  if (parent == nullptr) parent = FModel.Root();
  CheckReadableLevel(attribute->GetName(), parent->Level() + 1);
  // A function's table holds the inputs its attribute had when it was read; another input would
  // not fit it.
  if (parent->Funct() != nullptr) {
    throw EUbicError(Format(ubicstr::InputAfterFunction, attribute->GetName(), parent->GetName()));
  }
  TUbicAttribute& added = *attribute;
  parent->AddInput(std::move(attribute));
  const auto [entry, inserted] = FAttributeNames.emplace(added.GetName(), &added);
  if (!inserted) entry->second = nullptr;
  for (const std::string& name : functions) FFunctions.emplace(name, &added);
}

void TJkivReader::ReadFunction(const TXmlItem& item) {
  const std::string name = item.ItemText("NAME");
  const std::string inputList = item.ItemText("ATTRLIST");
  const auto found = FFunctions.find(name);
  if (found == FFunctions.end()) throw EUbicError(Format(ubicstr::UnknownFunction, name));
  TUbicAttribute& attribute = *found->second;
  // The list must name the inputs in their order; what follows them does not matter.
  std::string rest = inputList;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    std::string part;
    SplitAt(rest, ';', part);
    if (part != attribute.Input(i)->GetName()) {
      throw EUbicError(Format(ubicstr::UnacceptableParameters, name, inputList));
    }
  }
  if (!attribute.CanHaveFunction()) throw EUbicError(Format(ubicstr::FunctionNotBuilt, name));
  FRuleBudget.Take(attribute);
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  for (int i = 0; i < item.ItemCount(); ++i) {
    if (item.Item(i)->Name == "RULE") ReadRule(*item.Item(i), attribute, *function);
  }
  attribute.SetFunct(std::move(function));
}

int TJkivReader::ValueIndex(const TUbicAttribute* attribute, const std::string& name) {
  const TUbicDiscreteScale* scale = attribute != nullptr ? attribute->DiscreteScale() : nullptr;
  if (scale != nullptr) {
    const auto [entry, added] = FValueIndices.try_emplace(attribute);
    if (added) {
      for (int k = 0; k < scale->Count(); ++k) entry->second.emplace(scale->ValueName(k), k);
    }
    if (const auto found = entry->second.find(name); found != entry->second.end()) {
      return found->second;
    }
  }
  return TUbicAttribute::ValueIndex(attribute, name);
}

void TJkivReader::ReadRule(const TXmlItem& item, TUbicAttribute& attribute,
                           TUbicFunction& function) {
  const int result = ValueIndex(&attribute, item.ItemText("RESULT"));
  // The new table lists every combination once, the first input most significant, so the rule of
  // a combination is found by its position.
  std::string condition = item.ItemText("CONDITION");
  int rule = 0;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    std::string part;
    SplitAt(condition, ';', part);
    const TUbicAttribute& input = *attribute.Input(i);
    rule = rule * input.Scale()->Count() + ValueIndex(&input, part);
  }
  function.SetRuleValue(rule, result);
  function.SetRuleEntered(rule, true);
}

void TJkivReader::ReadOption(const TXmlItem& item) {
  FModel.AddOption(item.ItemText("NAME"));
  for (int i = 0; i < item.ItemCount(); ++i) {
    const TXmlItem& child = *item.Item(i);
    if (child.Name != "OPTIONVALUE") continue;
    const std::string name = child.ItemText("ATTRIBUTE");
    std::string value = child.ItemText("VALUE");
    if (name.empty() || value.empty()) continue;
    TUbicAttribute* attribute = FindAttribute(name);
    if (value != "*") {
      value = std::string(1, ValueCode(ValueIndex(attribute, value)));
    } else if (attribute == nullptr) {
      // Any value of an attribute the model lacks has nowhere to go.
      continue;
    }
    attribute->OptionValues().Add(value);
  }
}

}  // namespace

void LoadFromJkivFile(TUbicModel& model, const std::string& fileName) {
  const TNoXmlHeader noHeader;
  TXmlItem root;
  LoadXmlFromFile(root, fileName);
  if (root.Name != "MODEL") UnknownFileFormat(fileName);
  model.ResetTree();
  TJkivReader(model).Read(root);
  model.SetNeedsEvaluation(true);
}

TModelExport JkivExport(const TUbicModel& model) {
  const TNoXmlHeader noHeader;
  const TJkivWriter writer(model);
  TXmlItem root("MODEL");
  writer.Write(root);
  return {XmlText(root), writer.Remarks()};
}

std::string SaveToJkivFile(const TUbicModel& model, const std::string& fileName) {
  TModelExport exported = JkivExport(model);
  WriteFileSafely(fileName, exported.Bytes);
  return std::move(exported.Remarks);
}

}  // namespace ubic
