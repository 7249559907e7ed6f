#include <gtest/gtest.h>

#include "files/modelfile.h"
#include "files/subtree.h"

namespace ubic::test {
namespace {

std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name, int values) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (int v = 0; v < values; ++v) scale->AddValue("v" + std::to_string(v));
  attribute->SetScale(std::move(scale));
  return attribute;
}

// Top(X, Y) with a function, below the root of a model with two options.
struct TSource {
  TUbicModel Model;
  TUbicAttribute* Top;

  TSource() {
    Model.AddOption("a");
    Model.AddOption("b");
    auto top = MakeAttribute("Top", 3);
    top->AddInput(MakeAttribute("X", 2));
    top->AddInput(MakeAttribute("Y", 3));
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(top.get());
    function->SetRuleValue(0, 0);
    function->SetRuleEntered(0, true);
    function->SetWeights({80, 20});
    function->Recompute();
    top->SetFunct(std::move(function));
    top->Input(0)->SetOptionText(0, "1");
    top->Input(1)->SetOptionText(1, "02");
    Top = top.get();
    Model.Root()->AddInput(std::move(top));
  }
};

TEST(SubtreeTransfer, DuplicateIsADeepCopyOfWhatTheFileHolds) {
  TSource source;
  std::unique_ptr<TUbicAttribute> copy = DuplicateSubtree(*source.Top);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Parent(), nullptr);
  EXPECT_EQ(copy->GetName(), "Top");
  ASSERT_EQ(copy->InputCount(), 2);
  EXPECT_NE(copy->Input(0), source.Top->Input(0));
  EXPECT_EQ(copy->Input(0)->Parent(), copy.get());
  EXPECT_EQ(copy->Input(1)->OptionValues().Strings(), (std::vector<std::string>{"", "02"}));
  ASSERT_NE(copy->Funct(), nullptr);
  EXPECT_EQ(copy->Funct()->Attribute(), copy.get());
  EXPECT_EQ(copy->Funct()->Rules().Strings(), source.Top->Funct()->Rules().Strings());
  // Weights travel only with a function that uses them.
  EXPECT_EQ(copy->Funct()->Weights(), (floatarray{50, 50}));

  source.Top->Funct()->SetUseWeights(true);
  source.Top->Input(0)->SetName("renamed");
  EXPECT_EQ(copy->Input(0)->GetName(), "X");
  EXPECT_EQ(DuplicateSubtree(*source.Top)->Funct()->Weights(), (floatarray{80, 20}));
}

TEST(SubtreeTransfer, TextRoundTripAndErrors) {
  TSource source;
  const std::vector<std::string> lines = WriteSubtree(source.Model, source.Top->Input(1));
  EXPECT_EQ(lines[0], "<?xml version=\"1.0\"?>");
  EXPECT_EQ(lines[1], "<SUBTREE>");
  EXPECT_EQ(ReadSubtree(lines)->GetName(), "Y");

  // Without an attribute the whole tree is written below the hidden root.
  const std::unique_ptr<TUbicAttribute> root = ReadSubtree(WriteSubtree(source.Model, nullptr));
  EXPECT_EQ(root->GetName(), "Root");
  EXPECT_EQ(root->Input(0)->GetName(), "Top");

  EXPECT_EQ(ReadSubtree({"<?xml version=\"1.0\"?>", "<SUBTREE/>"}), nullptr);
  try {
    ReadSubtree({"<?xml version=\"1.0\"?>", "<Ubic/>"});
    FAIL() << "no error";
  } catch (const EUbicError& e) {
    EXPECT_STREQ(e.what(), "Unknown string list format");
  }
  EXPECT_THROW(ReadSubtree({"<SUBTREE/>"}), EXmlError);
}

TEST(OptionTransfer, CopyAndPasteBetweenModels) {
  TSource source;
  const std::vector<const TUbicAttribute*> rows{source.Top->Input(0), source.Top->Input(1)};
  const std::vector<std::string> clipboard = CopyOptionToClipboard(source.Model, 1, rows);
  EXPECT_EQ(clipboard, (std::vector<std::string>{"b", "", "02"}));

  TSource target;
  target.Model.InsertOption(0, "Paste");
  const std::vector<TUbicAttribute*> targetRows{target.Top->Input(1), target.Top->Input(0)};
  PasteOptionFromClipboard(target.Model, 0, targetRows, clipboard);
  EXPECT_EQ(target.Model.Options()[0], "b");
  EXPECT_EQ(target.Top->Input(1)->OptionText(0), "");
  // X has two values: the code of the third is dropped rather than stored.
  EXPECT_EQ(target.Top->Input(0)->OptionText(0), "0");
  // Extra rows beyond the copied lines stay as they were.
  const std::vector<TUbicAttribute*> moreRows{target.Top->Input(0), target.Top->Input(1),
                                              target.Top};
  target.Top->SetOptionText(2, "2");
  PasteOptionFromClipboard(target.Model, 2, moreRows, clipboard);
  EXPECT_EQ(target.Top->OptionText(2), "2");
  EXPECT_EQ(target.Top->Input(1)->OptionText(2), "02");
  // A text with no value the scale holds becomes undefined; "*" stays.
  PasteOptionFromClipboard(target.Model, 2, moreRows, {"c", "2", "*"});
  EXPECT_EQ(target.Top->Input(0)->OptionText(2), "");
  EXPECT_EQ(target.Top->Input(1)->OptionText(2), "*");
}

}  // namespace
}  // namespace ubic::test
