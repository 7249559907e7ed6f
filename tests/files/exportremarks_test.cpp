#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>
#include <set>

#include "files/modelio.h"
#include "model/ubicstr.h"
#include "model/valuecode.h"
#include "test_models.h"

namespace ubic::test {
namespace {

// What an export can lose, as the comparison of a model with its read-back copy finds it.
enum class TLoss {
  ModelText,
  OptionName,
  AttributeText,
  ValueText,
  Scale,
  Function,
  RuleLow,
  RuleOffScale,
  RuleInterval,
  RuleEntered,
  Weights,
  OptionWeights,
  UndefinedValue,
  OptionValue,
  ForeignValue,
};
using TLosses = std::set<TLoss>;

// Each remark names one kind of loss; the texts are matched as patterns of the message table.
const std::vector<std::pair<const char*, TLoss>>& RemarkKinds() {
  static const std::vector<std::pair<const char*, TLoss>> kinds{
      {ubicstr::ExportWeights, TLoss::Weights},
      {ubicstr::ExportUndefinedValues, TLoss::UndefinedValue},
      {ubicstr::ExportOptionWeights, TLoss::OptionWeights},
      {ubicstr::JkivEmptyAttributeName, TLoss::AttributeText},
      {ubicstr::JkivSharedAttributeName, TLoss::AttributeText},
      {ubicstr::JkivSeparatorInAttributeName, TLoss::AttributeText},
      {ubicstr::JkivEmptyValueName, TLoss::ValueText},
      {ubicstr::JkivSharedValueName, TLoss::ValueText},
      {ubicstr::JkivSeparatorInValueName, TLoss::ValueText},
      {ubicstr::JkivOptionValueAsAny, TLoss::OptionValue},
      {ubicstr::JkivNarrowedRules, TLoss::RuleInterval},
      {ubicstr::JkivComputedRules, TLoss::RuleEntered},
      {ubicstr::JkivRulesOffScale, TLoss::RuleOffScale},
      {ubicstr::JkivFunctionLeftOut, TLoss::Function},
      {ubicstr::KvxModelTextBreaks, TLoss::ModelText},
      {ubicstr::KvxOptionNameBreaks, TLoss::OptionName},
      {ubicstr::KvxAttributeTextBreaks, TLoss::AttributeText},
      {ubicstr::KvxValueTextBreaks, TLoss::ValueText},
      {ubicstr::KvxFirstValueSet, TLoss::OptionValue},
  };
  return kinds;
}

std::regex RemarkPattern(std::string text) {
  text.pop_back();  // the carriage return that ends every remark
  std::string pattern;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "%s") == 0) {
      pattern += ".*";
      ++i;
    } else if (std::string("\\^$.|?*+()[]{}").find(text[i]) != std::string::npos) {
      pattern += std::string("\\") + text[i];
    } else {
      pattern += text[i];
    }
  }
  return std::regex(pattern);
}

// The kinds of loss the remarks name; a line that is no remark of the table fails the test.
TLosses RemarkedLosses(const std::string& remarks) {
  static const std::vector<std::pair<std::regex, TLoss>> patterns = [] {
    std::vector<std::pair<std::regex, TLoss>> list;
    for (const auto& [text, loss] : RemarkKinds()) list.emplace_back(RemarkPattern(text), loss);
    return list;
  }();
  TLosses losses;
  if (!remarks.empty()) {
    EXPECT_EQ(remarks.back(), '\r');
  }
  std::string rest = remarks;
  std::string line;
  while (!rest.empty()) {
    SplitAt(rest, '\r', line);
    const auto known = std::find_if(patterns.begin(), patterns.end(), [&line](const auto& pattern) {
      return std::regex_match(line, pattern.first);
    });
    if (known != patterns.end()) {
      losses.insert(known->second);
    } else {
      ADD_FAILURE() << "not a remark of the table: " << line;
    }
  }
  return losses;
}

std::string Name(TLoss loss) {
  static const char* const names[] = {
      "ModelText", "OptionName",    "AttributeText",  "ValueText",    "Scale",
      "Function",  "RuleLow",       "RuleOffScale",   "RuleInterval", "RuleEntered",
      "Weights",   "OptionWeights", "UndefinedValue", "OptionValue",  "ForeignValue"};
  return names[static_cast<int>(loss)];
}

std::string Names(const TLosses& losses) {
  std::string text;
  for (const TLoss loss : losses) text += Name(loss) + " ";
  return text;
}

// Compares a model with the copy read back from its export, by what the own format holds; the
// values of aggregate attributes are results of evaluation and left out. The model's own name and
// description count when it has them.
class TComparison {
 public:
  TComparison(const TUbicModel& original, const TUbicModel& back) {
    if (!original.GetName().empty() && original.GetName() != back.GetName()) {
      Losses.insert(TLoss::ModelText);
    }
    if (!original.GetDescription().empty() && original.GetDescription() != back.GetDescription()) {
      Losses.insert(TLoss::ModelText);
    }
    EXPECT_EQ(original.OptionCount(), back.OptionCount());
    for (int k = 0; k < original.OptionCount() && k < back.OptionCount(); ++k) {
      if (original.Options()[k] != back.Options()[k]) Losses.insert(TLoss::OptionName);
    }
    original.Root()->CollectAttributes(FOriginal);
    back.Root()->CollectAttributes(FBack);
    EXPECT_EQ(FOriginal.size(), FBack.size());
    for (std::size_t i = 0; i < FOriginal.size() && i < FBack.size(); ++i) {
      CompareAttribute(*FOriginal[i], *FBack[i], original.OptionCount());
    }
  }

  TLosses Losses;

 private:
  void CompareAttribute(const TUbicAttribute& a, const TUbicAttribute& b, int options) {
    EXPECT_EQ(a.InputCount(), b.InputCount()) << a.GetName();
    if (a.GetName() != b.GetName() || a.GetDescription() != b.GetDescription()) {
      Losses.insert(TLoss::AttributeText);
    }
    CompareScale(a.DiscreteScale(), b.DiscreteScale());
    if ((a.Funct() == nullptr) != (b.Funct() == nullptr)) {
      Losses.insert(TLoss::Function);
    } else if (a.Funct() != nullptr) {
      CompareFunction(a, *a.Funct(), *b.Funct());
    }
    if (!a.IsBasic()) return;
    for (int k = 0; k < options; ++k) {
      if (a.OptionWeightsOf(k) && !b.OptionWeightsOf(k)) Losses.insert(TLoss::OptionWeights);
      const std::string own = a.OptionText(k);
      if (own == b.OptionText(k)) continue;
      const bool single = own.size() == 1 && a.OptionValue(k) >= 0;
      Losses.insert(own.empty() ? TLoss::UndefinedValue
                    : single    ? TLoss::ForeignValue
                                : TLoss::OptionValue);
    }
  }

  void CompareScale(const TUbicDiscreteScale* a, const TUbicDiscreteScale* b) {
    if (a == nullptr || b == nullptr) {
      if (a != b) Losses.insert(TLoss::Scale);
      return;
    }
    if (a->Order() != b->Order() || a->Count() != b->Count() || Groups(*a) != Groups(*b)) {
      Losses.insert(TLoss::Scale);
      return;
    }
    for (int k = 0; k < a->Count(); ++k) {
      if (a->ValueName(k) != b->ValueName(k) || a->ValueDescription(k) != b->ValueDescription(k)) {
        Losses.insert(TLoss::ValueText);
      }
    }
  }

  void CompareFunction(const TUbicAttribute& attribute, const TUbicFunction& a,
                       const TUbicFunction& b) {
    if (a.UseWeights() && (!b.UseWeights() || a.Weights() != b.Weights())) {
      Losses.insert(TLoss::Weights);
    }
    if (!a.UseWeights() && b.UseWeights()) Losses.insert(TLoss::Weights);
    if (a.Rules().Strings() == b.Rules().Strings()) return;
    if (a.RuleCount() != b.RuleCount()) {
      Losses.insert(TLoss::Function);
      return;
    }
    const int values = attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
    for (int r = 0; r < a.RuleCount(); ++r) {
      if (a.Rules()[r] == b.Rules()[r]) continue;
      if (a.RuleLow(r) < 0 || a.RuleLow(r) >= values) {
        Losses.insert(TLoss::RuleOffScale);
        continue;
      }
      if (a.RuleLow(r) != b.RuleLow(r)) Losses.insert(TLoss::RuleLow);
      if (a.RuleHigh(r) != b.RuleHigh(r)) Losses.insert(TLoss::RuleInterval);
      if (a.RuleEntered(r) != b.RuleEntered(r)) Losses.insert(TLoss::RuleEntered);
    }
  }

  std::vector<const TUbicAttribute*> FOriginal;
  std::vector<const TUbicAttribute*> FBack;
};

// A random model with every feature the own format holds, each only now and then, so that many
// models lose nothing in one format or the other: names and descriptions with line breaks, empty,
// shared or holding ";", markup and letters beyond ASCII; scales of every order and grouping, also
// of one value or none; functions with intervals, computed rules, values off the scale and
// weights, also on attributes that can not have one; options without a value, with any value, a
// set or a value off the scale.
class TFeatureModel {
 public:
  explicit TFeatureModel(unsigned seed) : FRandom(seed) {
    Model.SetName(Text("Model"));
    Model.SetDescription(Text("About"));
    for (int k = Pick(4); k > 0; --k) Model.AddOption(Text("Option"));
    for (int i = 1 + Pick(2); i > 0; --i) Model.Root()->AddInput(Tree(1));
    std::vector<TUbicAttribute*> attributes;
    Model.Root()->CollectAttributes(attributes);
    for (TUbicAttribute* attribute : attributes) {
      if (!attribute->IsBasic() ? Pick(5) != 0 : Rare()) AddRules(*attribute);
      for (int k = 0; k < Model.OptionCount(); ++k) {
        attribute->SetOptionText(k, OptionText(*attribute));
        const int values = attribute->Scale() != nullptr ? attribute->Scale()->Count() : 0;
        if (attribute->IsBasic() && values >= 2 && Rare()) {
          attribute->SetOptionWeighted(k, {{ValueCode(0), ValueCode(1)}, {0.25, 0.75}});
        }
      }
    }
  }

  TUbicModel Model;

 private:
  int Pick(int n) { return static_cast<int>(FRandom() % n); }
  bool Rare() { return Pick(12) == 0; }

  // Mostly a plain, distinct text; rarely one that some format can not carry.
  std::string Text(const std::string& plain) {
    static const std::vector<std::string> rare{"",
                                               "two\r\nlines",
                                               "cr\rline",
                                               "lf\nline",
                                               "a;b",
                                               "dup",
                                               "Dup",
                                               "<&\"'>",
                                               " lead",
                                               "trail ",
                                               "\x8A"
                                               "koda",
                                               "tab\tbed",
                                               "bell\x07",
                                               "  "};
    if (Rare()) return rare[Pick(static_cast<int>(rare.size()))];
    return plain + std::to_string(FNames++);
  }

  std::unique_ptr<TUbicAttribute> Tree(int level) {
    auto attribute = std::make_unique<TUbicAttribute>(Text("A"), Pick(3) == 0 ? Text("D") : "");
    if (Pick(15) != 0) attribute->SetScale(Scale());
    if (level < 3) {
      for (int i = Pick(4) - 1; i > 0; --i) attribute->AddInput(Tree(level + 1));
    }
    return attribute;
  }

  std::unique_ptr<TUbicDiscreteScale> Scale() {
    auto scale = std::make_unique<TUbicDiscreteScale>();
    scale->SetOrder(static_cast<TScaleOrder>(Pick(3)));
    const int count = Rare() ? Pick(2) : 2 + Pick(3);
    for (int k = 0; k < count; ++k) {
      scale->AddValue(Text("v"), Pick(4) == 0 ? Text("d") : "");
    }
    scale->ClearThresholds();
    if (count > 0 && Pick(2) == 0) scale->SetBadThreshold(Pick(count));
    if (count > 0 && Pick(2) == 0) scale->SetGoodThreshold(Pick(count));
    return scale;
  }

  void AddRules(TUbicAttribute& attribute) {
    TUbicFunction& function = AddFunction(attribute);
    const int values = attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
    for (int r = 0; r < function.RuleCount(); ++r) {
      const int low = Pick(values);
      const int high = Rare() ? low + Pick(values - low) : low;
      SetRule(function, r, Rare() ? values + Pick(3) : low, high, !Rare());
    }
    if (Rare()) {
      function.SetUseWeights(true);
      function.SetWeights({12.5, 87.5});
    }
  }

  std::string OptionText(const TUbicAttribute& attribute) {
    const int values = attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
    if (values == 0 || Rare()) return "";
    switch (Rare() ? Pick(3) : 3) {
      case 0:
        return "*";
      case 1:
        return std::string(1, ValueCode(values + Pick(3)));
      case 2:
        return std::string{ValueCode(Pick(values)), ValueCode(Pick(values))};
      default:
        return std::string(1, ValueCode(Pick(values)));
    }
  }

  std::mt19937 FRandom;
  int FNames = 0;
};

// For random models with every feature: the export's remarks name exactly the kinds of loss that
// reading the file back shows, so an export that loses nothing says nothing.
TEST(ExportRemarks, NameExactlyWhatReadingBackLoses) {
  const TTempFolder folder;
  int lossless[2] = {0, 0};
  for (unsigned seed = 1; seed <= 150; ++seed) {
    const char* files[] = {"model.xml", "model.kvx"};
    for (int f = 0; f < 2; ++f) {
      SCOPED_TRACE(std::string(files[f]) + " seed " + std::to_string(seed));
      TFeatureModel random(seed);
      const std::string file = folder.File(files[f]);
      const std::string remarks = SaveModel(random.Model, file);
      const TOpenedModel back = OpenModel(file);
      const TLosses found = TComparison(random.Model, *back.Model).Losses;
      const TLosses remarked = RemarkedLosses(remarks);
      EXPECT_EQ(Names(remarked), Names(found)) << remarks;
      if (found.empty()) ++lossless[f];
    }
  }
  // Both sides of the property are met often.
  EXPECT_GT(lossless[0], 15);
  EXPECT_GT(lossless[1], 15);
  EXPECT_LT(lossless[0], 135);
  EXPECT_LT(lossless[1], 135);
}

}  // namespace
}  // namespace ubic::test
