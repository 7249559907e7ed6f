#include "modelfile.h"

#include "excerpt.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "model/ubicstr.h"

namespace ubic::ubicstr {

constexpr const char* TooManyRules = UBIC_TEXT(
    "The rule tables of the file would consist of more than %d rules together, which is too much.");
constexpr const char* NestedTooDeep =
    UBIC_TEXT("The attribute \"%s\" is nested deeper than %d levels");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

void WriteScale(const TUbicScale& scale, TXmlItem& parent) {
  TXmlItem& item = *parent.AddItem("SCALE");
  if (scale.Order() == TScaleOrder::None) item.AddItem("ORDER", "NONE");
  if (scale.Order() == TScaleOrder::Descending) item.AddItem("ORDER", "DESC");
  WriteScaleValues(scale, item);
}

void WriteFunction(const TUbicFunction& function, TXmlItem& parent) {
  std::string low, high, entered;
  for (int r = 0; r < function.RuleCount(); ++r) {
    const std::string& rule = function.Rules()[r];
    const std::size_t n = rule.size() - 3;
    low += rule[n];
    high += rule[n + 1];
    entered += rule[n + 2];
  }
  TXmlItem& item = *parent.AddItem("FUNCTION");
  item.AddItem("LOW", low);
  if (high != low) item.AddItem("HIGH", high);
  if (function.EnteredCount() < function.RuleCount()) item.AddItem("ENTERED", entered);
  if (function.UseWeights()) item.AddItem("WEIGHTS", FloatArrayToText(function.Weights()));
}

std::unique_ptr<TUbicDiscreteScale> ReadScale(const TXmlItem& item) {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  std::vector<const TXmlItem*> values;
  for (int i = 0; i < item.ItemCount(); ++i) {
    const TXmlItem& child = *item.Item(i);
    if (child.Name == "ORDER") {
      scale->SetOrder(child.Text == "NONE"   ? TScaleOrder::None
                      : child.Text == "DESC" ? TScaleOrder::Descending
                                             : TScaleOrder::Ascending);
    } else if (child.Name == "SCALEVALUE") {
      scale->AddValue(child.ItemText("NAME"), child.ItemText("DESCRIPTION"));
      values.push_back(&child);
    }
  }
  // The groups are stored per value; the two thresholds are found again from them.
  scale->ClearThresholds();
  for (int k = 0; k < static_cast<int>(values.size()); ++k) {
    const std::string group = values[k]->ItemText("GROUP");
    if (group == "BAD" && !scale->IsBad(k)) scale->SetBadThreshold(k);
    if (group == "GOOD" && !scale->IsGood(k)) scale->SetGoodThreshold(k);
  }
  return scale;
}

void ReadFunction(const TXmlItem& item, TUbicAttribute& attribute, TRuleBudget& budget) {
  budget.Take(attribute);
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  std::string low, high, entered;
  for (int i = 0; i < item.ItemCount(); ++i) {
    const TXmlItem& child = *item.Item(i);
    if (child.Name == "LOW") low = child.Text;
    if (child.Name == "HIGH") high = child.Text;
    if (child.Name == "ENTERED") entered = child.Text;
    if (child.Name == "WEIGHTS") {
      function->SetUseWeights(true);
      function->SetWeights(TextToFloatArray(child.Text));
    }
  }
  if (high.empty()) high = low;
  std::vector<std::string> rules = function->Rules().Strings();
  for (std::size_t r = 0; r < rules.size() && r < low.size(); ++r) {
    const std::size_t n = rules[r].size() - 3;
    rules[r][n] = low[r];
    rules[r][n + 1] = r < high.size() ? high[r] : low[r];
    rules[r][n + 2] = r < entered.size() ? entered[r] : '+';
  }
  function->SetRules(rules);
  attribute.SetFunct(std::move(function));
}

// Beside each option's value: its weights (one per value of the value text), or nothing.
constexpr const char* kOptionWeights = "OPTIONWEIGHTS";

// An attribute and its subtree, the attribute at Level (1 for a top-level one).
std::unique_ptr<TUbicAttribute> ReadAttributeAt(const TXmlItem& item, int level,
                                                TRuleBudget& budget) {
  auto attribute =
      std::make_unique<TUbicAttribute>(item.ItemText("NAME"), item.ItemText("DESCRIPTION"));
  CheckReadableLevel(attribute->GetName(), level);
  TStrList weights;
  for (int i = 0; i < item.ItemCount(); ++i) {
    const TXmlItem& child = *item.Item(i);
    if (child.Name == "ATTRIBUTE") attribute->AddInput(ReadAttributeAt(child, level + 1, budget));
    if (child.Name == "SCALE") attribute->SetScale(ReadScale(child));
    if (child.Name == "OPTION") attribute->OptionValues().Add(child.Text);
    if (child.Name == kOptionWeights) weights.Add(child.Text);
  }
  attribute->TakeOptionWeights(0, weights);
  // The rule table depends on the inputs and their scales, so it comes last.
  for (int i = 0; i < item.ItemCount(); ++i) {
    if (item.Item(i)->Name == "FUNCTION") ReadFunction(*item.Item(i), *attribute, budget);
  }
  return attribute;
}

}  // namespace

void WriteScaleValues(const TUbicScale& scale, TXmlItem& item) {
  const auto* discrete = dynamic_cast<const TUbicDiscreteScale*>(&scale);
  for (int k = 0; k < scale.Count(); ++k) {
    TXmlItem& value = *item.AddItem("SCALEVALUE");
    if (discrete != nullptr && !discrete->ValueName(k).empty()) {
      value.AddItem("NAME", discrete->ValueName(k));
    }
    if (discrete != nullptr && !discrete->ValueDescription(k).empty()) {
      value.AddItem("DESCRIPTION", discrete->ValueDescription(k));
    }
    if (scale.IsBad(k)) {
      value.AddItem("GROUP", "BAD");
    } else if (scale.IsGood(k)) {
      value.AddItem("GROUP", "GOOD");
    }
  }
}

void UnknownFileFormat(const std::string& fileName) {
  throw EUbicError(Format(ubicstr::UnknownFileFormat, Utf8ToCp1250(fileName)));
}

void RefuseBinaryContent(std::string_view content, const std::string& fileName) {
  // A file that begins as a model does is left to its reader: names may hold any byte.
  if (!content.empty() &&
      std::string_view("< \t\r\n\xEF").find(content[0]) != std::string_view::npos) {
    return;
  }
  if (HoldsBinaryData(content.substr(0, kBinaryProbe))) {
    throw EUbicError(Format(ubicstr::BinaryFile, Utf8ToCp1250(fileName)));
  }
}

void TRuleBudget::Take(const TUbicAttribute& attribute) {
  if (!attribute.CanHaveFunction()) return;
  long long count = 1;
  for (int i = 0; i < attribute.InputCount() && count <= kMaxReadRules; ++i) {
    count *= attribute.Input(i)->Scale()->Count();
  }
  if (count > kMaxReadRules) {
    // Past the bound the exact count no longer matters; it is only reported.
    try {
      count = attribute.RuleCount();
    } catch (const std::overflow_error&) {
    }
    throw EUbicError(TableTooLargeText(count, attribute.GetName()));
  }
  if (count > FLeft) throw EUbicError(Format(ubicstr::TooManyRules, kMaxReadRules));
  FLeft -= count;
}

void CheckReadableLevel(const std::string& name, int level) {
  if (level > kMaxReadLevel) {
    throw EUbicError(Format(ubicstr::NestedTooDeep, name, kMaxReadLevel));
  }
}

void WriteAttribute(const TUbicAttribute& attribute, TXmlItem& parent, bool withOptionValues) {
  TXmlItem& item = *parent.AddItem("ATTRIBUTE");
  if (!attribute.GetName().empty()) item.AddItem("NAME", attribute.GetName());
  if (!attribute.GetDescription().empty()) item.AddItem("DESCRIPTION", attribute.GetDescription());
  if (attribute.Scale() != nullptr) WriteScale(*attribute.Scale(), item);
  if (attribute.Funct() != nullptr) WriteFunction(*attribute.Funct(), item);
  for (int k = 0; withOptionValues && k < attribute.OptionValues().Count(); ++k) {
    item.AddItem("OPTION", attribute.OptionValues()[k]);
  }
  // The weights go in elements of their own, which readers of plain values pass over; a model
  // without weights is written as it always was.
  if (withOptionValues && attribute.HasOptionWeights()) {
    for (int k = 0; k < attribute.OptionValues().Count(); ++k) {
      const auto weights = attribute.OptionWeightsOf(k);
      item.AddItem(kOptionWeights, weights ? WeightsField(*weights) : std::string());
    }
  }
  for (int i = 0; i < attribute.InputCount(); ++i) {
    WriteAttribute(*attribute.Input(i), item, withOptionValues);
  }
}

std::unique_ptr<TUbicAttribute> ReadAttribute(const TXmlItem& item, TRuleBudget& budget) {
  return ReadAttributeAt(item, 1, budget);
}

std::unique_ptr<TXmlItem> ModelDocument(const TUbicModel& model, bool withOptionValues) {
  auto root = std::make_unique<TXmlItem>("Ubic");
  for (int k = 0; k < model.OptionCount(); ++k) root->AddItem("OPTION", model.Options()[k]);
  for (int i = 0; i < model.Root()->InputCount(); ++i) {
    WriteAttribute(*model.Root()->Input(i), *root, withOptionValues);
  }
  return root;
}

void ReadModelDocument(TUbicModel& model, const TXmlItem& document) {
  model.ClearOptions();
  model.ResetTree();
  TRuleBudget budget;
  for (int i = 0; i < document.ItemCount(); ++i) {
    const TXmlItem& child = *document.Item(i);
    if (child.Name == "ATTRIBUTE") model.Root()->AddInput(ReadAttribute(child, budget));
    if (child.Name == "OPTION") model.AddOption(child.Text);
  }
}

std::string ModelFileText(const TUbicModel& model) {
  return XmlText(*ModelDocument(model));
}

void SaveToFile(const TUbicModel& model, const std::string& fileName) {
  WriteFileSafely(fileName, ModelFileText(model));
}

void LoadFromFile(TUbicModel& model, const std::string& fileName) {
  LoadFromText(model, ReadFileText(fileName), fileName);
}

void LoadFromText(TUbicModel& model, const std::string& text, const std::string& fileName) {
  RefuseBinaryContent(text, fileName);
  TXmlItem root;
  ReadXml(root, SplitLines(text));
  if (root.Name != "Ubic") UnknownFileFormat(fileName);
  ReadModelDocument(model, root);
  model.SetNeedsEvaluation(true);
}

}  // namespace ubic
