// The analyses of a model for scripts: what ubic-cli check, explain and target compute, as objects
// that hold both the parts of each answer and the very texts the tool prints for it.
#include <pybind11/stl.h>

#include <optional>
#include <stdexcept>

#include "bindings.h"
#include "files/checktable.h"
#include "files/explaintable.h"
#include "files/targettable.h"
#include "foundation/cp1250.h"
#include "model/conflicts.h"
#include "model/explain.h"
#include "model/target.h"
#include "model/valuetext.h"

using namespace pybind11::literals;

namespace ubic::python {
namespace {

std::string Utf8ValueSet(const TUbicAttribute& attribute, const std::string& codes) {
  return Cp1250ToUtf8(ValueSetText(attribute.Scale(), codes));
}

std::string Utf8Value(const TUbicAttribute& attribute, int value) {
  return Cp1250ToUtf8(ValueText(attribute.Scale(), value));
}

// The rows of one of the tool's tables, taken in turn by the parts of an answer they describe.
// Each part is made by the model's own analysis and finds its texts in its row, so that the texts
// are those the tool prints.
class TTableRows {
 public:
  template <class TMakeRows>
  explicit TTableRows(TMakeRows makeRows) {
    makeRows([this](const TTableRow& row) { FRows.push_back(row); });
    FHeader = FRows.front();
  }

  // The next row, which must be of Kind and Attribute.
  const TTableRow& Next(const std::string& kind, const TUbicAttribute& attribute) {
    if (++FNext >= FRows.size() || FRows[FNext][0] != kind ||
        FRows[FNext][1] != Cp1250ToUtf8(attribute.GetName())) {
      throw std::logic_error("The table does not follow the analysis");
    }
    return FRows[FNext];
  }

  // The rows as dicts of the header's names to the cells.
  py::list Dicts() const {
    py::list rows;
    for (std::size_t r = 1; r < FRows.size(); ++r) {
      py::dict row;
      for (std::size_t c = 0; c < FHeader.size(); ++c) row[py::str(FHeader[c])] = FRows[r][c];
      rows.append(row);
    }
    return rows;
  }

 private:
  std::vector<TTableRow> FRows;
  TTableRow FHeader;
  std::size_t FNext = 0;
};

// --- Check -------------------------------------------------------------------------------------

// What may keep a model from its answers, one of the rows of ubic-cli check.
struct TPyFinding {
  std::string Kind;
  TPyAttribute Attribute;
  std::string Details;
  // A conflict's rules, indices into Function.rules, and the inputs that make them comparable.
  std::optional<int> Worse;
  std::optional<int> Better;
  std::vector<TPyAttribute> Inputs;
  // The options whose value is missing.
  std::vector<std::string> Options;
};

std::vector<TPyFinding> Findings(const TModelPtr& model) {
  const TUbicModel& checked = model->Model();
  TTableRows rows([&](const auto& emit) { CheckRows(checked, emit); });
  std::vector<TPyFinding> findings;
  auto add = [&](const char* kind, const TUbicAttribute& attribute) -> TPyFinding& {
    TPyFinding& finding = findings.emplace_back();
    finding.Kind = kind;
    finding.Attribute = Handle(model, attribute);
    finding.Details = rows.Next(kind, attribute)[2];
    return finding;
  };
  const std::vector<TModelGap> gaps = ModelGaps(checked);
  for (const TUbicAttribute* attribute : Attributes(*model)) {
    if (const TUbicFunction* function = attribute->Funct()) {
      for (const TRuleConflict& conflict : RuleConflicts(*function)) {
        TPyFinding& finding = add("conflict", *attribute);
        finding.Worse = conflict.Worse;
        finding.Better = conflict.Better;
        for (int i = 0; i < function->InputCount() && i < 64; ++i) {
          if ((conflict.Inputs >> i & 1) != 0) {
            finding.Inputs.push_back(Handle(model, *attribute->Input(i)));
          }
        }
      }
    }
    for (const TModelGap& gap : gaps) {
      if (gap.Attribute != attribute) continue;
      switch (gap.Kind) {
        case TModelGapKind::NoScale:
          add("no scale", *attribute);
          break;
        case TModelGapKind::NoFunction:
          add("no function", *attribute);
          break;
        case TModelGapKind::ValueNames:
          add("value names", *attribute);
          break;
        case TModelGapKind::MissingValues: {
          TPyFinding& finding = add("values missing", *attribute);
          for (const int k : gap.Options) {
            finding.Options.push_back(Cp1250ToUtf8(checked.Options()[k]));
          }
          break;
        }
      }
    }
  }
  return findings;
}

// --- Explain -----------------------------------------------------------------------------------

struct TPyDecidingRule {
  int Rule = 0;
  std::string Origin;
  std::vector<int> Sources;
  std::string Text;
  std::string OriginText;
};

struct TPyInputStep {
  TPyAttribute Input;
  std::string FromValue;
  std::string ToValue;
  std::string Result;
  std::string Details;
};

struct TPyAggregateExplanation {
  TPyAttribute Attribute;
  std::string Value;
  std::vector<std::string> InputValues;
  std::vector<TPyDecidingRule> Rules;
  std::vector<TPyInputStep> Steps;
  std::string Details;
};

struct TPyExplanation {
  std::string Option;
  std::vector<TPyAggregateExplanation> Aggregates;
  std::vector<TPyAttribute> Strong;
  std::vector<TPyAttribute> Weak;
  py::list Rows;
};

const char* OriginName(TRuleOrigin origin) {
  switch (origin) {
    case TRuleOrigin::Monotonicity:
      return "monotonicity";
    case TRuleOrigin::Weights:
      return "weights";
    case TRuleOrigin::Undefined:
      return "undefined";
    case TRuleOrigin::Entered:
      break;
  }
  return "entered";
}

TPyDecidingRule DecidingRule(const TUbicFunction& function, const TDecidingRule& rule) {
  return {rule.Rule, OriginName(rule.Origin), rule.From,
          Cp1250ToUtf8(RuleText(function, rule.Rule)), RuleOriginText(rule)};
}

TPyAggregateExplanation AggregateExplanation(const TModelPtr& model,
                                             const TAggregateExplanation& explained,
                                             TTableRows& rows) {
  const TUbicAttribute& attribute = *explained.Attribute;
  TPyAggregateExplanation result;
  result.Attribute = Handle(model, attribute);
  result.Value = Utf8ValueSet(attribute, explained.Value);
  result.Details = rows.Next("aggregate", attribute)[3];
  for (int i = 0; i < attribute.InputCount(); ++i) {
    result.InputValues.push_back(Utf8ValueSet(*attribute.Input(i), explained.InputValues[i]));
  }
  for (const TDecidingRule& rule : explained.Rules) {
    result.Rules.push_back(DecidingRule(*attribute.Funct(), rule));
  }
  for (const TInputStep& step : explained.Steps) {
    const TUbicAttribute& input = *attribute.Input(step.Input);
    result.Steps.push_back({Handle(model, input), Utf8Value(input, step.From),
                            Utf8Value(input, step.To), Utf8ValueSet(attribute, step.Result),
                            rows.Next("step", attribute)[3]});
  }
  return result;
}

TPyExplanation Explanation(const TModelPtr& model, const py::object& option) {
  const TExplanation explained = ExplainOption(model->Model(), AnalysedOption(*model, option));
  TTableRows rows([&](const auto& emit) { ExplanationRows(explained, emit); });
  TPyExplanation result;
  result.Option = Cp1250ToUtf8(model->Model().Options()[explained.Option]);
  for (const TAggregateExplanation& aggregate : explained.Aggregates) {
    result.Aggregates.push_back(AggregateExplanation(model, aggregate, rows));
  }
  for (const TUbicAttribute* basic : explained.Strong)
    result.Strong.push_back(Handle(model, *basic));
  for (const TUbicAttribute* basic : explained.Weak) result.Weak.push_back(Handle(model, *basic));
  result.Rows = rows.Dicts();
  return result;
}

// --- Target ------------------------------------------------------------------------------------

struct TPyChange {
  TPyAttribute Attribute;
  std::string FromValue;
  std::string ToValue;
  int Steps = 0;
};

struct TPySolution {
  std::vector<TPyChange> Changes;
  int Steps = 0;
  std::string Text;
};

struct TPyTargetAnswer {
  std::string Outcome;
  std::string Target;
  int ChangeCount = 0;
  std::vector<TPySolution> Solutions;
  int More = 0;
};

const char* OutcomeName(TTargetOutcome outcome) {
  switch (outcome) {
    case TTargetOutcome::Reached:
      return "reached";
    case TTargetOutcome::Reachable:
      return "reachable";
    case TTargetOutcome::Unreachable:
      break;
  }
  return "unreachable";
}

// The attribute a target names, by name or as held; the first top-level one for None.
const TUbicAttribute& TargetAttribute(const TModelPtr& model, const py::object& attribute) {
  const TUbicAttribute* found = nullptr;
  std::string name;
  if (attribute.is_none()) {
    found = model->Model().FirstAttribute();
  } else if (py::isinstance<TPyAttribute>(attribute)) {
    const auto& handle = attribute.cast<const TPyAttribute&>();
    if (handle.Model != model) throw EScriptError("The attribute is of another model");
    found = &handle.Get();
    name = Cp1250ToUtf8(found->GetName());
  } else {
    name = attribute.cast<std::string>();
    found = model->Find(name);
  }
  if (found == nullptr && !attribute.is_none()) {
    std::vector<std::string> known;
    for (const TUbicAttribute* scaled :
         Attributes(*model, [](const TUbicAttribute& a) { return a.Scale() != nullptr; })) {
      known.push_back(Cp1250ToUtf8(scaled->GetName()));
    }
    throw EUnknownName("No attribute \"" + name + "\" with a scale", name, std::move(known));
  }
  if (found == nullptr || found->Scale() == nullptr) {
    throw EScriptError(attribute.is_none() ? std::string("The model has no attribute with a scale")
                                           : "No attribute \"" + name + "\" with a scale");
  }
  return *found;
}

TTargetQuestion TargetQuestion(const TModelPtr& model, const py::object& option,
                               const py::object& atLeast, const py::object& atMost,
                               const py::object& attribute, int limit) {
  if (atLeast.is_none() == atMost.is_none()) {
    throw py::value_error("target needs one of at_least and at_most");
  }
  if (limit < 0) throw py::value_error("The limit of solutions cannot be negative");
  TTargetQuestion question;
  question.Option = AnalysedOption(*model, option);
  question.Attribute = &TargetAttribute(model, attribute);
  question.Direction = atLeast.is_none() ? TTargetDirection::AtMost : TTargetDirection::AtLeast;
  question.Value = ValueOf(*question.Attribute, atLeast.is_none() ? atMost : atLeast);
  question.Limit = limit;
  return question;
}

TPyTargetAnswer Target(const TModelPtr& model, const py::object& option, const py::object& atLeast,
                       const py::object& atMost, const py::object& attribute, int limit) {
  const TTargetQuestion question = TargetQuestion(model, option, atLeast, atMost, attribute, limit);
  const TTargetAnswer answer = FindTargetChanges(question);
  TPyTargetAnswer result;
  result.Outcome = OutcomeName(answer.Outcome);
  result.Target = TargetText(question);
  result.ChangeCount = answer.ChangeCount;
  result.More = answer.More;
  for (const TTargetSolution& solution : answer.Solutions) {
    TPySolution& made = result.Solutions.emplace_back();
    made.Steps = solution.Steps;
    made.Text = TargetSolutionText(solution);
    for (const TBasicChange& change : solution.Changes) {
      const TUbicAttribute& changed = *change.Attribute;
      made.Changes.push_back({Handle(model, changed), Utf8ValueSet(changed, change.From),
                              Utf8Value(changed, change.To), change.Steps});
    }
  }
  return result;
}

// --- Bindings ----------------------------------------------------------------------------------

void BindFinding(py::module_& m) {
  py::class_<TPyFinding>(m, "Finding",
                         "What may keep a model from its answers: a row of ubic-cli check.")
      .def_readonly(
          "kind", &TPyFinding::Kind,
          "\"conflict\", \"no scale\", \"value names\", \"no function\" or \"values missing\".")
      .def_readonly("attribute", &TPyFinding::Attribute)
      .def_readonly("details", &TPyFinding::Details,
                    "As ubic-cli check prints it: the conflict in words, or the options whose "
                    "value is missing.")
      .def_readonly("worse", &TPyFinding::Worse,
                    "A conflict's rule of the worse inputs: an index into Function.rules.")
      .def_readonly("better", &TPyFinding::Better,
                    "A conflict's rule of the better inputs, whose value is yet lower.")
      .def_readonly("inputs", &TPyFinding::Inputs,
                    "The inputs in which a conflict's better rule is better.")
      .def_readonly("options", &TPyFinding::Options,
                    "The options without a value on the attribute.")
      .def("__repr__", [](const TPyFinding& f) {
        return "Finding('" + f.Kind + "', '" + Cp1250ToUtf8(f.Attribute.Get().GetName()) + "')";
      });
}

void BindExplanation(py::module_& m) {
  py::class_<TPyDecidingRule>(m, "DecidingRule", "A rule that decided an aggregate's value.")
      .def_readonly("rule", &TPyDecidingRule::Rule, "The rule's index into Function.rules.")
      .def_readonly("origin", &TPyDecidingRule::Origin,
                    "How it came: \"entered\", \"monotonicity\" (completed from entered rules), "
                    "\"weights\" (completed, then set by the weights) or \"undefined\".")
      .def_readonly("sources", &TPyDecidingRule::Sources,
                    "The entered rules that bound a completed rule, as indices.")
      .def_readonly("text", &TPyDecidingRule::Text,
                    "The rule's input values and value, such as \"high; 1 year -> good\".")
      .def_readonly("origin_text", &TPyDecidingRule::OriginText,
                    "How it came in words, the rules numbered from 1 as the rule editor shows "
                    "them.");
  py::class_<TPyInputStep>(m, "InputStep",
                           "An input whose one step down or up changes the aggregate's value.")
      .def_readonly("input", &TPyInputStep::Input)
      .def_readonly("from_value", &TPyInputStep::FromValue)
      .def_readonly("to_value", &TPyInputStep::ToValue)
      .def_readonly("result", &TPyInputStep::Result, "The aggregate's value after the step.")
      .def_readonly("details", &TPyInputStep::Details, "The step as ubic-cli explain prints it.");
  py::class_<TPyAggregateExplanation>(m, "AggregateExplanation",
                                      "Why an aggregate attribute has its value.")
      .def_readonly("attribute", &TPyAggregateExplanation::Attribute)
      .def_readonly("value", &TPyAggregateExplanation::Value)
      .def_readonly("input_values", &TPyAggregateExplanation::InputValues,
                    "The inputs' values, in the order of attribute.inputs.")
      .def_readonly("rules", &TPyAggregateExplanation::Rules,
                    "The rules the input values match: several when inputs hold sets; none "
                    "without a function.")
      .def_readonly("steps", &TPyAggregateExplanation::Steps)
      .def_readonly("details", &TPyAggregateExplanation::Details,
                    "The inputs' values and the deciding rules as ubic-cli explain prints them.");
  py::class_<TPyExplanation>(m, "Explanation", "Why an option has its values.")
      .def_readonly("option", &TPyExplanation::Option)
      .def_readonly("aggregates", &TPyExplanation::Aggregates,
                    "Every aggregate attribute, depth first.")
      .def_readonly("strong", &TPyExplanation::Strong,
                    "The basic attributes whose single value is good on its scale.")
      .def_readonly("weak", &TPyExplanation::Weak,
                    "The basic attributes whose single value is bad on its scale.")
      .def_readonly("rows", &TPyExplanation::Rows,
                    "The rows of ubic-cli explain: dicts of \"Kind\", \"Attribute\", \"Value\" "
                    "and \"Details\".")
      .def("__repr__",
           [](const TPyExplanation& e) {
             std::string repr =
                 "<ubic.Explanation of " + py::repr(py::str(e.Option)).cast<std::string>();
             if (!e.Aggregates.empty()) {
               const TPyAggregateExplanation& top = e.Aggregates.front();
               repr += ": " + Cp1250ToUtf8(top.Attribute.Get().GetName()) + " " + top.Value;
             }
             return repr + ">";
           })
      .def("_repr_html_", [](const TPyExplanation& e) {
        return "<div><b>" + Html(e.Option) + "</b>" + HtmlTable(e.Rows) + "</div>";
      });
}

void BindTarget(py::module_& m) {
  py::class_<TPyChange>(m, "Change", "A basic attribute set to a single value.")
      .def_readonly("attribute", &TPyChange::Attribute)
      .def_readonly("from_value", &TPyChange::FromValue, "The option's value as it is.")
      .def_readonly("to_value", &TPyChange::ToValue)
      .def_readonly("steps", &TPyChange::Steps,
                    "Scale steps from the nearest value the attribute had.");
  py::class_<TPySolution>(m, "Solution", "A set of changes that makes the option reach the target.")
      .def_readonly("changes", &TPySolution::Changes, "In the order of the attributes in the tree.")
      .def_readonly("steps", &TPySolution::Steps, "The changes' steps together.")
      .def_readonly("text", &TPySolution::Text,
                    "The changes in words, such as \"Price: high → medium\".")
      .def("__repr__", [](const TPySolution& s) { return "Solution('" + s.Text + "')"; });
  py::class_<TPyTargetAnswer>(m, "TargetAnswer", "What it would take to reach a target.")
      .def_readonly("outcome", &TPyTargetAnswer::Outcome,
                    "\"reached\" (already), \"reachable\" or \"unreachable\".")
      .def_readonly("target", &TPyTargetAnswer::Target, "In words, such as \"CAR at least good\".")
      .def_readonly("change_count", &TPyTargetAnswer::ChangeCount,
                    "The number of attributes every solution changes.")
      .def_readonly("solutions", &TPyTargetAnswer::Solutions,
                    "Those with the fewest changed attributes, by their steps, then by the tree.")
      .def_readonly("more", &TPyTargetAnswer::More, "How many solutions the limit left out.")
      .def("__repr__",
           [](const TPyTargetAnswer& a) {
             return "<ubic.TargetAnswer " + py::repr(py::str(a.Target)).cast<std::string>() + ": " +
                    a.Outcome + ", " + std::to_string(a.Solutions.size()) + " solutions>";
           })
      .def("_repr_html_", [](const TPyTargetAnswer& a) {
        py::list rows;
        for (const TPySolution& solution : a.Solutions) {
          rows.append(py::dict("Steps"_a = solution.Steps, "Changes"_a = solution.Text));
        }
        std::string html = "<div><b>" + Html(a.Target) + "</b>: " + a.Outcome;
        if (!a.Solutions.empty()) html += HtmlTable(rows);
        if (a.More > 0) html += "<p>" + std::to_string(a.More) + " more</p>";
        return html + "</div>";
      });
}

}  // namespace

void BindAnalyses(py::module_& m, py::class_<TScriptModel, TModelPtr>& model) {
  BindFinding(m);
  BindExplanation(m);
  BindTarget(m);
  model
      .def("conflicts", &Findings,
           "What may keep the model from its answers, as ubic-cli check finds it: the conflicts "
           "of every function's entered rules, attributes without a scale, scales whose value "
           "names can not stand, aggregates without a function and basic attributes with options "
           "whose value is missing, in the order of "
           "the tree.")
      .def("explain", &Explanation, "option"_a,
           "Why an option (name or index) has its values, as ubic-cli explain tells it.")
      .def("target", &Target, "option"_a, "at_least"_a = py::none(), "at_most"_a = py::none(),
           "attribute"_a = py::none(), "limit"_a = 20,
           "What would it take, as ubic-cli target finds it: the smallest changes of the "
           "option's basic values that make the attribute's value (every value of a set) at "
           "least or at most a value (name or index). Give one of at_least and at_most. The "
           "attribute is a name or an Attribute, the first top-level one by default; limit "
           "solutions are listed and the rest counted. The model is not changed.");
}

}  // namespace ubic::python
