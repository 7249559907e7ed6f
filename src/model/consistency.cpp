#include "consistency.h"

#include <set>

#include "valuecode.h"

namespace ubic {

namespace {

class TConsistencyCheck {
 public:
  explicit TConsistencyCheck(const TUbicModel& model) : FModel(model) {}

  std::vector<std::string> Run() {
    const TUbicAttribute* root = FModel.Root();
    if (!root) return {"the model has no root"};
    if (root->Parent()) Fault(*root, "the root has a parent");
    if (root->Scale() || root->Funct()) Fault(*root, "the root has a scale or a function");
    VisitTree(*root);
    CheckRememberedScale();
    CheckSelection();
    return std::move(FErrors);
  }

 private:
  void Fault(const TUbicAttribute& attribute, const std::string& what) {
    FErrors.push_back("\"" + attribute.GetName() + "\": " + what);
  }

  void VisitTree(const TUbicAttribute& attribute) {
    if (!FAttributes.insert(&attribute).second) {
      Fault(attribute, "is in the tree more than once");
      return;
    }
    CheckScale(attribute);
    CheckFunction(attribute);
    // The hidden root holds no option values of its own: options are kept below it.
    if (&attribute != FModel.Root()) CheckOptionValues(attribute);
    for (int i = 0; i < attribute.InputCount(); ++i) {
      const TUbicAttribute* input = attribute.Input(i);
      if (!input) {
        Fault(attribute, "input " + std::to_string(i) + " is nil");
        continue;
      }
      if (input->Parent() != &attribute) Fault(*input, "its parent is not the one holding it");
      VisitTree(*input);
    }
  }

  void CheckScale(const TUbicAttribute& attribute) {
    const TUbicScale* scale = attribute.Scale();
    if (!scale) return;
    if (!FScales.insert(scale).second) Fault(attribute, "shares its scale with another attribute");
    if (!attribute.DiscreteScale()) Fault(attribute, "its scale is not discrete");
    if (scale->Count() < 1 || scale->Count() > kMaxScaleValues) {
      Fault(attribute, "its scale has " + std::to_string(scale->Count()) + " values");
    }
  }

  static int ValueCount(const TUbicAttribute* attribute) {
    return attribute && attribute->Scale() ? attribute->Scale()->Count() : 0;
  }

  void CheckFunction(const TUbicAttribute& attribute) {
    const TUbicFunction* function = attribute.Funct();
    if (!function) return;
    if (!attribute.CanHaveFunction()) {
      Fault(attribute, "has a function but can have none");
      return;
    }
    if (function->Attribute() != &attribute) Fault(attribute, "its function belongs elsewhere");
    if (function->InputCount() != attribute.InputCount()) {
      Fault(attribute, "its function has " + std::to_string(function->InputCount()) +
                           " inputs for " + std::to_string(attribute.InputCount()));
    }
    if (function->RuleCount() != attribute.RuleCount()) {
      Fault(attribute, "its function has " + std::to_string(function->RuleCount()) + " rules for " +
                           std::to_string(attribute.RuleCount()));
    }
    std::set<std::string> combinations;
    for (int r = 0; r < function->RuleCount(); ++r) {
      CheckRule(attribute, r);
      combinations.insert(function->Rules()[r].substr(0, attribute.InputCount()));
    }
    if (static_cast<int>(combinations.size()) != function->RuleCount()) {
      Fault(attribute, "its function has a combination of inputs more than once");
    }
  }

  void CheckRule(const TUbicAttribute& attribute, int r) {
    const std::string& rule = attribute.Funct()->Rules()[r];
    const int n = attribute.InputCount();
    const std::string where = "rule " + std::to_string(r) + " \"" + rule + "\" ";
    if (static_cast<int>(rule.size()) != n + 3) {
      Fault(attribute, where + "has the wrong length");
      return;
    }
    for (int i = 0; i < n; ++i) {
      const int value = ValueIndexOf(rule[i]);
      if (value < 0 || value >= ValueCount(attribute.Input(i))) {
        Fault(attribute, where + "has no value of input " + std::to_string(i));
      }
    }
    const int low = ValueIndexOf(rule[n]);
    const int high = ValueIndexOf(rule[n + 1]);
    const int count = ValueCount(&attribute);
    // Deleting the values of an interval leaves it empty, High below Low, and values inserted
    // later may part its ends further; the ends stay next to the scale.
    const bool fits = high < low ? low <= count && high >= -1 : low >= 0 && high < count;
    if (!fits) Fault(attribute, where + "has no interval of the scale");
    if (rule[n + 2] != '+' && rule[n + 2] != '-') Fault(attribute, where + "has no entered mark");
  }

  void CheckOptionValues(const TUbicAttribute& attribute) {
    const int entries = attribute.OptionValues().Count();
    const int options = FModel.OptionCount();
    // Evaluation gives every attribute an entry per option; before it, missing ones are undefined.
    if (FModel.NeedsEvaluation() ? entries > options : entries != options) {
      Fault(attribute, "has " + std::to_string(entries) + " option values for " +
                           std::to_string(options) + " options");
    }
    for (int k = 0; k < entries; ++k) {
      const std::string& text = attribute.OptionValues()[k];
      if (!IsValueSetText(text, ValueCount(&attribute))) {
        Fault(attribute, "option " + std::to_string(k) + " has the value text \"" + text + "\"");
      }
    }
  }

  // Empty, "*", or codes of values of the scale in increasing order.
  static bool IsValueSetText(const std::string& text, int count) {
    if (text.empty() || text == "*") return true;
    int previous = -1;
    for (const char code : text) {
      const int value = ValueIndexOf(code);
      if (value <= previous || value >= count) return false;
      previous = value;
    }
    return true;
  }

  void CheckRememberedScale() {
    const TUbicScale* last = FModel.LastScale();
    if (last && !FScales.contains(last)) {
      FErrors.push_back("the remembered scale is no scale of the model's attributes");
    }
  }

  void CheckSelection() {
    const std::string& selection = FModel.OptionSelection();
    if (static_cast<int>(selection.size()) > FModel.OptionCount()) {
      FErrors.push_back("the option selection \"" + selection + "\" is longer than the " +
                        std::to_string(FModel.OptionCount()) + " options");
    }
    if (selection.find_first_not_of("01") != std::string::npos) {
      FErrors.push_back("the option selection \"" + selection + "\" holds more than 0 and 1");
    }
  }

  const TUbicModel& FModel;
  std::vector<std::string> FErrors;
  std::set<const TUbicAttribute*> FAttributes;
  std::set<const TUbicScale*> FScales;
};

}  // namespace

std::vector<std::string> ConsistencyErrors(const TUbicModel& model) {
  return TConsistencyCheck(model).Run();
}

}  // namespace ubic
