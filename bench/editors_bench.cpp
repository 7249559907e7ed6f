// The rule editor on a table of 1,000 rules and the weights dialog of six inputs, offscreen.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QTableView>

#include "bench_models.h"
#include "childnamed.h"
#include "ui/functform.h"
#include "ui/weiform.h"

using namespace ubic;

namespace {

int Average(const TUbicFunction& function, int rule) {
  int sum = 0;
  for (int i = 0; i < function.InputCount(); ++i) sum += function.RuleInput(i, rule);
  return sum / function.InputCount();
}

// An attribute of 10 values over Inputs inputs of Values values each; every Step-th rule entered.
std::unique_ptr<TUbicAttribute> MakeAggregate(int inputs, int values, int step) {
  auto attribute = bench::MakeAttribute("TOP", 10);
  for (int i = 0; i < inputs; ++i) {
    attribute->AddInput(bench::MakeAttribute("I" + std::to_string(i), values));
  }
  TUbicFunction* function = bench::FillFunction(*attribute, Average);
  for (int r = 0; r < function->RuleCount(); ++r) {
    if (r % step != 0) function->SetRuleEntered(r, false);
  }
  function->Recompute();
  return attribute;
}

// Setup, show and paint the editor of a 1,000-rule table.
void BM_OpenRuleEditorOn1000Rules(benchmark::State& state) {
  auto attribute = MakeAggregate(3, 10, 10);
  TFunctForm form;
  for (auto _ : state) {
    form.Setup(attribute.get(), *attribute->Funct());
    form.show();
    form.repaint();
    state.PauseTiming();
    form.reject();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenRuleEditorOn1000Rules)->Unit(benchmark::kMillisecond);

// One value entered or deleted, in turn, on a rule that agrees with the others: each a full
// completion of the table, refill and repaint. With weights in use, each entry or deletion also
// fits the approximation to the entered rules anew and fills the open rules from it.
void EnterValuesIn1000Rules(benchmark::State& state, bool withWeights) {
  auto attribute = MakeAggregate(3, 10, 10);
  TFunctForm form;
  form.Setup(attribute.get(), *attribute->Funct());
  form.show();
  if (withWeights) {
    form.UseWeightsClick();
    if (!form.EditedFunction()->UseWeights()) state.SkipWithError("the weights are not in use");
  }
  form.SetCurrentRule(555);
  const int value = Average(*form.EditedFunction(), 555);
  bool enter = true;
  for (auto _ : state) {
    if (enter) {
      form.ValueComboChange(value);
    } else {
      form.DeleteRule();
    }
    enter = !enter;
    Child<QTableView>(&form, "RuleGrid")->viewport()->repaint();
  }
  if (!withWeights && !form.EditedFunction()->IsConsistent()) {
    state.SkipWithError("the entries contradict");
  }
  form.reject();
}

void BM_EnterValueIn1000Rules(benchmark::State& state) {
  EnterValuesIn1000Rules(state, false);
}
BENCHMARK(BM_EnterValueIn1000Rules)->Unit(benchmark::kMillisecond);

void BM_EnterValueIn1000RulesWithWeights(benchmark::State& state) {
  EnterValuesIn1000Rules(state, true);
}
BENCHMARK(BM_EnterValueIn1000RulesWithWeights)->Unit(benchmark::kMillisecond);

// Every rule of a 1,000-rule table entered: one of them lowered below its neighbours, which
// marks it and those it conflicts with, and put back, in turn; each with the table repainted.
void BM_ConflictEnteredAndResolvedIn1000EnteredRules(benchmark::State& state) {
  auto attribute = MakeAggregate(3, 10, 1);
  TFunctForm form;
  form.Setup(attribute.get(), *attribute->Funct());
  form.show();
  form.SetCurrentRule(555);
  const int value = Average(*form.EditedFunction(), 555);
  bool conflict = true;
  for (auto _ : state) {
    form.ValueComboChange(conflict ? 0 : value);
    conflict = !conflict;
    Child<QTableView>(&form, "RuleGrid")->viewport()->repaint();
  }
  if (!conflict) form.ValueComboChange(value);
  if (!form.EditedFunction()->IsConsistent()) state.SkipWithError("the conflict stayed");
  form.reject();
}
BENCHMARK(BM_ConflictEnteredAndResolvedIn1000EnteredRules)->Unit(benchmark::kMillisecond);

// The weights dialog of a six-input function opened: set up, actual weights computed, shown.
void BM_OpenWeightsDialogOf6Inputs(benchmark::State& state) {
  auto attribute = MakeAggregate(6, 3, 3);
  for (auto _ : state) {
    TWeiForm form;
    form.Setup(attribute.get(), attribute->Funct());
    form.show();
    form.repaint();
    state.PauseTiming();
    form.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenWeightsDialogOf6Inputs)->Unit(benchmark::kMillisecond);

}  // namespace
