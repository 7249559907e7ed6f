#include <gtest/gtest.h>

#include "foundation/checkedint.h"
#include "model/model.h"
#include "model/valuecode.h"
#include "model_builders.h"

namespace ubic::test {
namespace {

std::vector<std::string> Names(const std::vector<TUbicAttribute*>& attributes) {
  std::vector<std::string> names;
  for (const TUbicAttribute* a : attributes) names.push_back(a->GetName());
  return names;
}

// Top(A(A1, A2), B, C(C1)) below the model's root.
struct TTree {
  TUbicModel Model;
  TUbicAttribute* Top;
  TUbicAttribute* A;
  TUbicAttribute* B;
  TUbicAttribute* C;

  TTree() {
    auto top = MakeAttribute("Top", 3);
    auto a = MakeAttribute("A", 2);
    a->AddInput(MakeAttribute("A1", 2));
    a->AddInput(MakeAttribute("A2", 3));
    auto c = MakeAttribute("C", 2);
    c->AddInput(MakeAttribute("C1", 4));
    A = a.get();
    C = c.get();
    top->AddInput(std::move(a));
    top->AddInput(MakeAttribute("B", 3));
    top->AddInput(std::move(c));
    Top = top.get();
    B = Top->Input(1);
    Model.Root()->AddInput(std::move(top));
  }

  TUbicAttribute* A2() const { return A->Input(1); }
};

TEST(AttributeTree, NavigationAndCollection) {
  TTree t;
  EXPECT_EQ(t.Model.Root()->Level(), 0);
  EXPECT_EQ(t.Top->Level(), 1);
  EXPECT_EQ(t.A->Input(1)->Level(), 3);
  EXPECT_TRUE(t.A->Input(0)->HasAncestor(t.Top));
  EXPECT_TRUE(t.A->Input(0)->HasAncestor(t.Model.Root()));
  EXPECT_FALSE(t.A->HasAncestor(t.A));
  EXPECT_FALSE(t.Top->HasAncestor(t.A));
  EXPECT_EQ(t.Top->IndexOfInput(t.C), 2);
  EXPECT_EQ(t.Top->IndexOfInput(t.A->Input(0)), -1);
  EXPECT_EQ(t.B->IndexOfInput(t.A), -1);

  std::vector<TUbicAttribute*> list{t.B};
  t.Top->CollectAttributes(list);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "A1", "A2", "B", "C", "C1"}));
  t.Top->CollectBasicAttributes(list);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A1", "A2", "B", "C1"}));
  t.A->CollectAttributes(list, [](const TUbicAttribute& a) { return a.GetName() != "A1"; });
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A2"}));
}

TEST(AttributeTree, DeleteExtractAndMoveInputs) {
  TTree t;
  const int registered = GlobalObjects().Count();
  t.A->DeleteInput(t.A->Input(0));
  // The attribute, its scale and the scale's two values left the registry.
  EXPECT_EQ(GlobalObjects().Count(), registered - 4);
  std::unique_ptr<TUbicAttribute> a2 = t.A->ExtractInput(t.A->Input(0));
  ASSERT_NE(a2, nullptr);
  EXPECT_EQ(a2->GetName(), "A2");
  EXPECT_EQ(a2->Parent(), t.A);
  EXPECT_EQ(t.A->InputCount(), 0);
  EXPECT_TRUE(t.A->IsBasic());
  EXPECT_EQ(t.A->IndexOfInput(a2.get()), -1);
  EXPECT_EQ(t.A->ExtractInput(a2.get()), nullptr);

  t.Top->MoveInputUp(2);
  EXPECT_EQ(t.Top->Input(1), t.C);
  t.Top->MoveInputDown(0);
  EXPECT_EQ(t.Top->Input(0), t.C);
  EXPECT_EQ(t.Top->Input(1), t.A);
  EXPECT_THROW(t.Top->MoveInputUp(0), EListError);
  EXPECT_THROW(t.Top->MoveInputDown(2), EListError);
  EXPECT_THROW(t.B->MoveInputUp(1), EListError);
  EXPECT_EQ(t.Top->Input(2), t.B);
}

TEST(AttributeTree, DeleteSubtreeKeepsScaleAndOptionValues) {
  TTree t;
  t.C->SetOptionText(0, "1");
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(t.C);
  t.C->SetFunct(std::move(function));
  EXPECT_TRUE(t.C->AffectsFunction());
  EXPECT_TRUE(t.C->Input(0)->AffectsFunction());
  EXPECT_FALSE(t.B->AffectsFunction());
  t.C->DeleteSubtree();
  EXPECT_TRUE(t.C->IsBasic());
  EXPECT_EQ(t.C->Funct(), nullptr);
  ASSERT_NE(t.C->Scale(), nullptr);
  EXPECT_EQ(t.C->OptionText(0), "1");
}

TEST(AttributeTree, FunctionPrerequisites) {
  TTree t;
  EXPECT_TRUE(t.Top->CanHaveFunction());
  EXPECT_TRUE(t.Top->InputsAscending());
  EXPECT_EQ(t.Top->RuleCount(), 2 * 3 * 2);
  EXPECT_FALSE(t.B->CanHaveFunction());
  EXPECT_EQ(t.B->RuleCount(), -1);

  t.B->DiscreteScale()->SetOrder(TScaleOrder::Descending);
  EXPECT_TRUE(t.Top->CanHaveFunction());
  EXPECT_FALSE(t.Top->InputsAscending());
  t.B->DiscreteScale()->DeleteValue(2);
  t.B->DiscreteScale()->DeleteValue(1);
  EXPECT_FALSE(t.Top->CanHaveFunction());
  t.A->SetScale(nullptr);
  EXPECT_FALSE(t.A->CanHaveFunction());

  auto wide = MakeAttribute("Wide", 2);
  for (int i = 0; i < 5; ++i) wide->AddInput(MakeAttribute("I", kMaxScaleValues));
  EXPECT_THROW(wide->RuleCount(), EIntOverflow);
}

TEST(Model, StatisticsAndLookup) {
  TUbicModel empty;
  EXPECT_EQ(empty.Statistics(), TModelStatistics{});
  EXPECT_EQ(empty.FirstAttribute(), nullptr);
  EXPECT_EQ(empty.DisplayName(), "");
  EXPECT_FALSE(empty.NeedsEvaluation());

  TTree t;
  t.Model.AddOption("o1");
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(t.Top);
  t.Top->SetFunct(std::move(function));
  const TModelStatistics s = t.Model.Statistics();
  EXPECT_EQ(s, (TModelStatistics{7, 4, 3, 7, 1, 1}));
  EXPECT_EQ(s.Text(),
            "Attributes: 7 (4 basic, 3 complex)   |   Scales: 7   |   Functions: 1   |   "
            "Options: 1");
  EXPECT_EQ(t.Model.DisplayName(), "Top");
  EXPECT_EQ(t.Model.FindAttribute("C1"), t.C->Input(0));
  EXPECT_EQ(t.Model.FindAttribute("c1"), nullptr);
  t.B->SetName("A2");
  EXPECT_EQ(t.Model.FindAttribute("A2"), t.A->Input(1));

  t.Model.Changed();
  EXPECT_TRUE(t.Model.NeedsEvaluation());
  t.Model.ResetTree();
  EXPECT_EQ(t.Model.Root()->InputCount(), 0);
  EXPECT_EQ(t.Model.Root()->GetName(), "Root");
  EXPECT_EQ(t.Model.OptionCount(), 1);
}

TEST(Model, LastScaleIsForgottenOnceDestroyed) {
  TTree t;
  EXPECT_EQ(t.Model.NewAttribute()->Scale(), nullptr);
  t.Model.SetLastScale(t.B->Scale());
  std::unique_ptr<TUbicAttribute> fresh = t.Model.NewAttribute();
  EXPECT_EQ(fresh->GetName(), "New");
  ASSERT_NE(fresh->Scale(), nullptr);
  EXPECT_NE(fresh->Scale(), t.B->Scale());
  EXPECT_TRUE(fresh->Scale()->IsEqual(*t.B->Scale()));

  t.Top->DeleteInput(t.B);
  EXPECT_EQ(t.Model.LastScale(), nullptr);
  EXPECT_EQ(t.Model.NewAttribute()->Scale(), nullptr);
}

TEST(Model, ScaleChoicesAndDistinctScales) {
  TTree t;
  const auto texts = [](const std::vector<TScaleChoice>& choices) {
    std::vector<std::string> result;
    for (const TScaleChoice& choice : choices) result.push_back(choice.Text);
    return result;
  };
  // A1 and C have equal scales: two values named v0, v1, ascending.
  std::vector<TScaleChoice> choices = t.Model.ScaleChoices(nullptr, nullptr);
  EXPECT_EQ(texts(choices), (std::vector<std::string>{"<undefined>", "+ v0(-);v1;v2(+)",
                                                      "+ v0(-);v1(+)", "+ v0(-);v1;v2;v3(+)"}));
  EXPECT_EQ(choices[0].Scale, nullptr);
  EXPECT_EQ(choices[1].Scale, t.Top->Scale());
  EXPECT_EQ(choices[2].Scale, t.A->Scale());

  choices = t.Model.ScaleChoices(t.C, t.A->Scale());
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[1].Scale, t.C->Scale());

  // A scale of one value, or of two names alike, is not offered to other attributes.
  t.C->DiscreteScale()->SetValueName(1, " V0");
  EXPECT_EQ(t.Model.ScaleChoices(t.Top, nullptr).size(), 4u);
  choices = t.Model.ScaleChoices(t.C, nullptr);
  ASSERT_EQ(choices.size(), 5u);
  EXPECT_EQ(choices[1].Scale, t.C->Scale());
  t.C->DiscreteScale()->SetValueName(1, "v1");

  // Scales are equal by their values and thresholds, whatever their own names.
  t.A2()->Scale()->SetName("Other name");
  t.C->DiscreteScale()->SetValueName(1, "yes");
  choices = t.Model.DistinctScales();
  EXPECT_EQ(texts(choices), (std::vector<std::string>{"Top", "A", "C", "C1"}));
  EXPECT_EQ(choices[1].Scale, t.A->Scale());
}

TEST(ScaleEdits, InsertValueKeepsOptionsAndFunctionsInStep) {
  TTree t;
  for (TUbicAttribute* owner : {t.Top, t.A}) {
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(owner);
    owner->SetFunct(std::move(function));
  }
  TUbicFunction& top = *t.Top->Funct();
  top.SetRuleValue(0, 1);
  top.SetRuleEntered(0, true);
  t.A->SetOptionText(0, "01");

  t.A->InsertScaleValue(1, "middle");
  EXPECT_EQ(t.A->DiscreteScale()->ValueName(1), "middle");
  EXPECT_EQ(t.A->OptionText(0), "02");
  // A's own function: every rule was undefined [0, 1] and is now [0, 2].
  EXPECT_EQ(t.A->Funct()->Rules()[0], "0002-");
  // The parent's function gained the rules for A = middle.
  EXPECT_EQ(top.RuleCount(), 3 * 3 * 2);
  EXPECT_EQ(top.Rules()[0], "00011+");
  EXPECT_EQ(top.RuleInput(0, 6), 1);
  EXPECT_FALSE(top.RuleEntered(6));
  EXPECT_EQ(top.RuleInput(0, 12), 2);

  t.A->DeleteScaleValue(1);
  EXPECT_EQ(t.A->OptionText(0), "01");
  EXPECT_EQ(t.A->Funct()->Rules()[0], "0001-");
  EXPECT_EQ(top.RuleCount(), 2 * 3 * 2);
  EXPECT_EQ(top.Rules()[0], "00011+");
  EXPECT_EQ(top.RuleInput(0, 6), 1);

  auto basic = MakeAttribute("Plain", 2);
  basic->SetScale(nullptr);
  EXPECT_THROW(basic->InsertScaleValue(0, "x"), std::logic_error);
}

}  // namespace
}  // namespace ubic::test
