#include "model/consistency.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/valuecode.h"
#include "model_builders.h"
#include "random_model.h"

namespace ubic::test {
namespace {

// Top(A(A1, A2), B) with a function on Top and on A, two options evaluated.
struct TSoundModel {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicAttribute* A;

  TSoundModel() {
    auto top = MakeAttribute("Top", 3);
    auto a = MakeAttribute("A", 2);
    a->AddInput(MakeAttribute("A1", 2));
    a->AddInput(MakeAttribute("A2", 3));
    A = a.get();
    top->AddInput(std::move(a));
    top->AddInput(MakeAttribute("B", 3));
    Top = top.get();
    Model.Root()->AddInput(std::move(top));
    for (TUbicAttribute* owner : {Top, A}) owner->SetFunct(FunctionFor(owner));
    Model.AddOption("first");
    Model.AddOption("second");
    A->Input(0)->SetOptionText(0, "01");
    Model.SetOptionSelection("10");
    Model.SetLastScale(Top->Scale());
    Model.EvaluateAll();
  }

  static std::unique_ptr<TUbicFunction> FunctionFor(TUbicAttribute* attribute) {
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(attribute);
    return function;
  }

  // One of the faults found names Fragment.
  void ExpectFault(const std::string& fragment) const {
    const std::vector<std::string> errors = ConsistencyErrors(Model);
    EXPECT_TRUE(std::any_of(errors.begin(), errors.end(), [&](const std::string& error) {
      return error.find(fragment) != std::string::npos;
    })) << fragment;
  }
};

TEST(Consistency, SoundModelHasNoFaults) {
  TSoundModel sound;
  EXPECT_EQ(ConsistencyErrors(sound.Model), std::vector<std::string>{});
  // A scale value deleted under an entered rule leaves its interval empty, as it should.
  sound.Top->Funct()->SetRuleValue(0, 0);
  sound.Top->Funct()->SetRuleEntered(0, true);
  sound.Top->DeleteScaleValue(0);
  sound.Model.EvaluateAll();
  EXPECT_EQ(ConsistencyErrors(sound.Model), std::vector<std::string>{});
}

TEST(Consistency, RandomModelsAreSound) {
  for (unsigned seed = 1; seed <= 50; ++seed) {
    TRandomModel random(seed, {.TopLevel = 3, .Depth = 4, .Varied = true});
    EXPECT_EQ(ConsistencyErrors(random.Model), std::vector<std::string>{}) << seed;
  }
}

TEST(Consistency, FunctionsThatNoLongerFit) {
  TSoundModel inputAdded;
  inputAdded.A->AddInput(MakeAttribute("A3", 2));
  inputAdded.Model.EvaluateAll();
  inputAdded.ExpectFault("\"A\": its function has 6 rules for 12");

  TSoundModel scaleRemoved;
  scaleRemoved.A->Input(1)->SetScale(nullptr);
  scaleRemoved.ExpectFault("\"A\": has a function but can have none");

  TSoundModel elsewhere;
  TSoundModel other;
  elsewhere.A->SetFunct(TSoundModel::FunctionFor(other.A));
  elsewhere.ExpectFault("\"A\": its function belongs elsewhere");

  TSoundModel codeBeyondScale;
  codeBeyondScale.A->Funct()->SetRuleCodes(0, ValueCode(0), ValueCode(2));
  codeBeyondScale.ExpectFault("\"A\": rule 0");

  TSoundModel beyondTop;
  beyondTop.Top->Funct()->SetRuleCodes(1, ValueCode(0), ValueCode(3));
  beyondTop.ExpectFault("has no interval of the scale");

  TSoundModel twice;
  std::vector<std::string> rules = twice.A->Funct()->Rules().Strings();
  rules[1] = rules[0];
  twice.A->Funct()->SetRules(rules);
  twice.ExpectFault("a combination of inputs more than once");
}

TEST(Consistency, OptionValuesThatFitNoScaleOrOption) {
  TSoundModel descending;
  descending.A->Input(1)->SetOptionText(1, "20");
  descending.ExpectFault("\"A2\": option 1 has the value text \"20\"");

  TSoundModel beyondScale;
  beyondScale.A->Input(0)->SetOptionText(0, "2");
  beyondScale.ExpectFault("\"A1\": option 0");

  TSoundModel tooMany;
  tooMany.Top->Input(1)->SetOptionText(2, "1");
  tooMany.ExpectFault("\"B\": has 3 option values for 2 options");

  // Before evaluation an option may lack values, but not after it.
  TSoundModel missing;
  missing.Model.AddOption("third");
  missing.Model.Changed();
  EXPECT_EQ(ConsistencyErrors(missing.Model), std::vector<std::string>{});
  missing.Model.SetNeedsEvaluation(false);
  missing.ExpectFault("has 2 option values for 3 options");
}

TEST(Consistency, ModelStateReferringToWhatIsNotThere) {
  TSoundModel foreignScale;
  TSoundModel other;
  foreignScale.Model.SetLastScale(other.Top->Scale());
  foreignScale.ExpectFault("the remembered scale");

  TSoundModel longSelection;
  longSelection.Model.SetOptionSelection("101");
  longSelection.ExpectFault("longer than the 2 options");
}

}  // namespace
}  // namespace ubic::test
