#include "jkivfile.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "foundation/textcompare.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"
#include "modelfile.h"
#include "scalegroups.h"
#include "xml.h"

namespace ubic {
namespace {

constexpr const char* kTooDeep = "The attribute \"%s\" is nested deeper than %d levels";

constexpr const char* kEmptyAttributeName =
    "An attribute has an empty name; the jKIV file can not refer to it.\r";
constexpr const char* kSharedAttributeName =
    "More than one attribute is named \"%s\"; the jKIV file can not tell them apart.\r";
constexpr const char* kSeparatorInAttributeName =
    "The attribute name \"%s\" contains \";\", which the jKIV file uses to separate names.\r";
constexpr const char* kEmptyValueName =
    "The scale \"%s\" has a value with an empty name; the jKIV file can not refer to it.\r";
constexpr const char* kSharedValueName =
    "The scale \"%s\" has more than one value named \"%s\"; the jKIV file can not tell them "
    "apart.\r";
constexpr const char* kSeparatorInValueName =
    "The scale \"%s\" has the value name \"%s\", which contains \";\", the separator of names in "
    "the jKIV file.\r";

// jKIV files have no header line: the XML reader and writer go without one for as long as this
// lives.
class TNoXmlHeader {
 public:
  TNoXmlHeader() { XmlHeader.clear(); }
  TNoXmlHeader(const TNoXmlHeader&) = delete;
  TNoXmlHeader& operator=(const TNoXmlHeader&) = delete;
  ~TNoXmlHeader() { XmlHeader = kDefaultXmlHeader; }
};

// Lists of names are joined by ";", which is only put after a text that is not empty.
void AppendName(std::string& list, const std::string& name) {
  if (!list.empty()) list += ';';
  list += name;
}

// --- Writing ---

// The name of value Index of Attribute's scale; nil when Index names no value.
const std::string* ValueNameAt(const TUbicAttribute& attribute, int index) {
  const TUbicDiscreteScale* scale = attribute.DiscreteScale();
  if (scale == nullptr || index < 0 || index >= scale->Count()) return nullptr;
  return &scale->ValueName(index);
}

const TUbicScale& ListedScale(const TStrList& scales, int index) {
  return *CheckedCast<TUbicScale>(scales.Objects(index));
}

// The name under which the file lists Scale: that of the first listed scale equal to it.
const std::string& ScaleName(const TStrList& scales, const TUbicScale& scale) {
  for (int i = 0; i < scales.Count(); ++i) {
    if (ListedScale(scales, i).IsEqual(scale)) return scales[i];
  }
  throw std::logic_error("A scale is missing from the distinct scales");
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

void WriteAttribute(const TUbicModel& model, const TUbicAttribute& attribute,
                    const TStrList& scales, TXmlItem& root) {
  TXmlItem& item = *root.AddItem("ATTRIBUTE");
  if (!attribute.GetName().empty()) item.AddItem("NAME", attribute.GetName());
  if (!attribute.GetDescription().empty()) item.AddItem("DESCRIPTION", attribute.GetDescription());
  if (attribute.Parent() != model.Root()) item.AddItem("PARENT", attribute.Parent()->GetName());
  if (attribute.Scale() != nullptr) item.AddItem("SCALE", ScaleName(scales, *attribute.Scale()));
  item.AddItem("FUNCTION", attribute.GetName());
}

// A rule is written by the names of its input values and of its low value. A rule that names no
// value, as a damaged table may, is left out and reads back undefined.
void WriteRule(const TUbicAttribute& attribute, int rule, TXmlItem& function) {
  const std::string* result = ValueNameAt(attribute, attribute.Funct()->RuleLow(rule));
  if (result == nullptr) return;
  std::string condition;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    const std::string* value =
        ValueNameAt(*attribute.Input(i), attribute.Funct()->RuleInput(i, rule));
    if (value == nullptr) return;
    AppendName(condition, *value);
  }
  TXmlItem& item = *function.AddItem("RULE");
  item.AddItem("CONDITION", condition);
  item.AddItem("RESULT", *result);
}

void WriteFunction(const TUbicAttribute& attribute, TXmlItem& root) {
  TXmlItem& item = *root.AddItem("FUNCTION");
  item.AddItem("NAME", attribute.GetName());
  std::string inputs;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    AppendName(inputs, attribute.Input(i)->GetName());
  }
  item.AddItem("ATTRLIST", inputs);
  for (int r = 0; r < attribute.Funct()->RuleCount(); ++r) WriteRule(attribute, r, item);
}

// A single value is written by its name. Undefined and any value are "*", and so is a set of
// values, which the format cannot hold, rather than one of its values.
std::string OptionValueName(const TUbicAttribute& attribute, int option) {
  const std::string text = attribute.OptionText(option);
  const std::string* name =
      text.size() == 1 ? ValueNameAt(attribute, ValueIndexOf(text[0])) : nullptr;
  return name != nullptr ? *name : "*";
}

void WriteOptions(const TUbicModel& model, TXmlItem& root) {
  std::vector<TUbicAttribute*> basics;
  model.Root()->CollectBasicAttributes(basics);
  for (int k = 0; k < model.OptionCount(); ++k) {
    TXmlItem& option = *root.AddItem("OPTION");
    option.AddItem("NAME", model.Options()[k]);
    for (const TUbicAttribute* basic : basics) {
      TXmlItem& value = *option.AddItem("OPTIONVALUE");
      value.AddItem("ATTRIBUTE", basic->GetName());
      value.AddItem("VALUE", OptionValueName(*basic, k));
    }
  }
}

enum class TNameProblem { Empty, Shared, Separator };

// Reports each problem of Names that breaks the links by name once, in the order in which the
// names first occur.
void FindNameProblems(const std::vector<std::string>& names,
                      const std::function<void(TNameProblem, const std::string&)>& report) {
  std::map<std::string, int> counts;
  for (const std::string& name : names) ++counts[name];
  std::set<std::string> seen;
  for (const std::string& name : names) {
    if (!seen.insert(name).second) continue;
    if (name.empty()) {
      report(TNameProblem::Empty, name);
      continue;
    }
    if (counts[name] > 1) report(TNameProblem::Shared, name);
    if (name.find(';') != std::string::npos) report(TNameProblem::Separator, name);
  }
}

std::string NameRemarks(const std::vector<TUbicAttribute*>& attributes, const TStrList& scales) {
  std::string remarks;
  std::vector<std::string> names;
  for (const TUbicAttribute* attribute : attributes) names.push_back(attribute->GetName());
  FindNameProblems(names, [&remarks](TNameProblem problem, const std::string& name) {
    if (problem == TNameProblem::Empty) remarks += kEmptyAttributeName;
    if (problem == TNameProblem::Shared) remarks += Format(kSharedAttributeName, name);
    if (problem == TNameProblem::Separator) remarks += Format(kSeparatorInAttributeName, name);
  });
  for (int i = 0; i < scales.Count(); ++i) {
    const std::string& scale = scales[i];
    const auto* discrete = dynamic_cast<const TUbicDiscreteScale*>(&ListedScale(scales, i));
    if (discrete == nullptr) continue;
    names.clear();
    for (int k = 0; k < discrete->Count(); ++k) names.push_back(discrete->ValueName(k));
    FindNameProblems(names, [&remarks, &scale](TNameProblem problem, const std::string& name) {
      if (problem == TNameProblem::Empty) remarks += Format(kEmptyValueName, scale);
      if (problem == TNameProblem::Shared) remarks += Format(kSharedValueName, scale, name);
      if (problem == TNameProblem::Separator) remarks += Format(kSeparatorInValueName, scale, name);
    });
  }
  return remarks;
}

// --- Reading ---

// Letter case is ignored as the user's own comparison of texts ignores it.
struct TTextLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return AnsiCompareText(a, b) < 0;
  }
};

class TJkivReader {
 public:
  explicit TJkivReader(TUbicModel& model) : FModel(model) {}

  void Read(const TXmlItem& root);

 private:
  void ReadScale(const TXmlItem& item);
  void ReadAttribute(const TXmlItem& item);
  void ReadFunction(const TXmlItem& item);
  void ReadRule(const TXmlItem& item, TUbicAttribute& attribute, TUbicFunction& function) const;
  void ReadOption(const TXmlItem& item);
  TUbicAttribute* FindAttribute(const std::string& name) const;

  TUbicModel& FModel;
  // The attributes hold copies of these scales.
  std::vector<std::unique_ptr<TUbicDiscreteScale>> FScales;
  // The first scale of each name.
  std::map<std::string, const TUbicDiscreteScale*> FScaleNames;
  // The attribute of the first function reference of each name; not owned.
  std::map<std::string, TUbicAttribute*, TTextLess> FFunctions;
  // The attributes read so far by name; nil for a name that several of them share.
  std::unordered_map<std::string, TUbicAttribute*> FAttributeNames;
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
  if (parent->Level() >= kMaxReadLevel) {
    throw EUbicError(Format(kTooDeep, attribute->GetName(), kMaxReadLevel));
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
  CheckReadableTable(attribute);
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  for (int i = 0; i < item.ItemCount(); ++i) {
    if (item.Item(i)->Name == "RULE") ReadRule(*item.Item(i), attribute, *function);
  }
  attribute.SetFunct(std::move(function));
}

void TJkivReader::ReadRule(const TXmlItem& item, TUbicAttribute& attribute,
                           TUbicFunction& function) const {
  const int result = TUbicAttribute::ValueIndex(&attribute, item.ItemText("RESULT"));
  // The new table lists every combination once, the first input most significant, so the rule of
  // a combination is found by its position.
  std::string condition = item.ItemText("CONDITION");
  int rule = 0;
  for (int i = 0; i < attribute.InputCount(); ++i) {
    std::string part;
    SplitAt(condition, ';', part);
    const TUbicAttribute& input = *attribute.Input(i);
    rule = rule * input.Scale()->Count() + TUbicAttribute::ValueIndex(&input, part);
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
      value = std::string(1, ValueCode(TUbicAttribute::ValueIndex(attribute, value)));
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
  model.SetModified(false);
  model.SetNeedsEvaluation(true);
}

std::string SaveToJkivFile(TUbicModel& model, const std::string& fileName) {
  const TNoXmlHeader noHeader;
  std::vector<TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  TStrList scales;
  model.DistinctScales(scales);

  TXmlItem root("MODEL");
  if (!model.GetName().empty()) root.AddItem("NAME", model.GetName());
  if (!model.GetDescription().empty()) root.AddItem("DESCRIPTION", model.GetDescription());
  for (int i = 0; i < scales.Count(); ++i) WriteScale(scales[i], ListedScale(scales, i), root);
  for (const TUbicAttribute* attribute : attributes) {
    WriteAttribute(model, *attribute, scales, root);
  }
  // A function of an attribute that cannot carry one (an own file may hold it) has an empty
  // table; written, it would make the file unreadable.
  for (const TUbicAttribute* attribute : attributes) {
    if (attribute->Funct() != nullptr && attribute->CanHaveFunction()) {
      WriteFunction(*attribute, root);
    }
  }
  WriteOptions(model, root);
  SaveXmlToFile(root, fileName);
  model.SetModified(false);
  return NameRemarks(attributes, scales);
}

}  // namespace ubic
