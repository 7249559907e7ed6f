#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/modelfile.h"
#include "model/model.h"

namespace ubic {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kExamples = {"car.ubm", "applicant.ubm", "home.ubm"};

std::string ExamplePath(const std::string& file) {
  return std::string(UBIC_EXAMPLES_DIR) + "/" + file;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An example model loaded from its file, with the results stored for the aggregate attributes
// thrown away and evaluated again, so that every result comes from the rule tables.
struct TExample {
  TUbicModel Model;
  std::vector<std::vector<std::string>> StoredResults;

  explicit TExample(const std::string& file) {
    LoadFromFile(Model, ExamplePath(file));
    std::vector<TUbicAttribute*> all;
    Model.Root()->CollectAttributes(all);
    for (TUbicAttribute* a : all) {
      if (a->IsBasic()) continue;
      StoredResults.push_back(a->OptionValues().Strings());
      a->OptionValues().Clear();
    }
    Model.EvaluateAll();
  }

  // The names of the values that attribute Name has for option Option, joined by "/"; empty
  // when the value is undefined.
  std::string Value(const std::string& name, const std::string& option) const {
    const TUbicAttribute* a = Model.FindAttribute(name);
    const int k = Model.Options().IndexOf(option);
    if (a == nullptr || k < 0) return "<no such attribute or option>";
    std::string names;
    for (char c : a->OptionText(k)) {
      if (!names.empty()) names += "/";
      names += a->DiscreteScale()->ValueName(c - '0');
    }
    return names;
  }
};

TEST(ExampleModels, SavingWritesTheFileBackByteForByte) {
  for (const std::string& file : kExamples) {
    SCOPED_TRACE(file);
    TUbicModel model;
    LoadFromFile(model, ExamplePath(file));
    const fs::path copy = fs::temp_directory_path() / ("ubic_example_copy_" + file);
    SaveToFile(model, copy.string());
    const std::string original = ReadBytes(ExamplePath(file));
    const std::string written = ReadBytes(copy);
    fs::remove(copy);
    EXPECT_FALSE(original.empty());
    EXPECT_EQ(written, original);
  }
}

TEST(ExampleModels, EvaluationReproducesTheStoredResults) {
  for (const std::string& file : kExamples) {
    SCOPED_TRACE(file);
    TExample example(file);
    std::vector<TUbicAttribute*> all;
    example.Model.Root()->CollectAttributes(all);
    std::size_t aggregate = 0;
    for (const TUbicAttribute* a : all) {
      if (a->IsBasic()) continue;
      ASSERT_LT(aggregate, example.StoredResults.size());
      EXPECT_EQ(a->OptionValues().Strings(), example.StoredResults[aggregate++]) << a->GetName();
    }
    EXPECT_GE(aggregate, 2u);
  }
}

TEST(ExampleModels, CarOptions) {
  TExample car("car.ubm");
  EXPECT_EQ(car.Value("CAR", "Compact Hatchback"), "good");
  EXPECT_EQ(car.Value("CAR", "Family Estate"), "good");
  EXPECT_EQ(car.Value("CAR", "Sports Coupe"), "unacceptable");
  EXPECT_EQ(car.Value("CAR", "Electric City Car"), "acceptable");
  // A rule filled in by the weighted approximation (price weighs 60, running costs 40).
  EXPECT_EQ(car.Value("COSTS", "Electric City Car"), "medium");
  const TUbicFunction* costs = car.Model.FindAttribute("COSTS")->Funct();
  EXPECT_TRUE(costs->UseWeights());
  EXPECT_EQ(costs->Weights(), (floatarray{60, 40}));
  // Safety is known only as medium or high: both rules apply, and the union goes upwards.
  EXPECT_EQ(car.Value("Safety", "Used SUV"), "medium/high");
  EXPECT_EQ(car.Value("TECHNICAL", "Used SUV"), "adequate/good");
  EXPECT_EQ(car.Value("CAR", "Used SUV"), "acceptable/good");
}

TEST(ExampleModels, ApplicantOptions) {
  TExample applicant("applicant.ubm");
  EXPECT_EQ(applicant.Value("APPLICANT", "Anna Novak"), "hire");
  EXPECT_EQ(applicant.Value("APPLICANT", "Chloe Martin"), "reject");
  EXPECT_EQ(applicant.Value("APPLICANT", "David Kim"), "hire");
  // Teamwork either good or excellent.
  EXPECT_EQ(applicant.Value("PERSONAL", "Ben Carter"), "average/strong");
  EXPECT_EQ(applicant.Value("APPLICANT", "Ben Carter"), "consider/hire");
  // Teamwork not assessed: the matching rules together allow every value, so the result is
  // undefined, and so is the overall recommendation built on it.
  EXPECT_EQ(applicant.Value("Teamwork", "Eva Horvat"), "");
  EXPECT_EQ(applicant.Value("QUALIFICATIONS", "Eva Horvat"), "excellent");
  EXPECT_EQ(applicant.Value("PERSONAL", "Eva Horvat"), "");
  EXPECT_EQ(applicant.Value("APPLICANT", "Eva Horvat"), "");
}

TEST(ExampleModels, HomeOptions) {
  TExample home("home.ubm");
  EXPECT_EQ(home.Value("HOME", "Suburban house"), "good");
  EXPECT_EQ(home.Value("HOME", "Country cottage"), "poor");
  EXPECT_EQ(home.Value("HOME", "City flat"), "very poor/poor");
  // The area is not ordered: the city centre with a short commute is only suitable.
  EXPECT_EQ(home.Value("LOCATION", "City flat"), "suitable");
  // Garden unknown: the union of the rules with and without a garden.
  EXPECT_EQ(home.Value("Garden", "Terraced house"), "");
  EXPECT_EQ(home.Value("DWELLING", "Terraced house"), "adequate/very good");
  EXPECT_EQ(home.Value("HOME", "Terraced house"), "good/excellent");
  // Two or three bedrooms: both rules give the same value.
  EXPECT_EQ(home.Value("Bedrooms", "Riverside apartment"), "two/three");
  EXPECT_EQ(home.Value("DWELLING", "Riverside apartment"), "adequate");
  EXPECT_EQ(home.Value("HOME", "Riverside apartment"), "acceptable");
}

TEST(ExampleModels, GroupsOfValuesAreRestored) {
  TExample home("home.ubm");
  const TUbicScale* overall = home.Model.FindAttribute("HOME")->Scale();
  EXPECT_TRUE(overall->IsBad(0) && overall->IsBad(1));
  EXPECT_FALSE(overall->IsBad(2) || overall->IsGood(2) || overall->IsGood(3));
  EXPECT_TRUE(overall->IsGood(4));
  const TUbicScale* commute = home.Model.FindAttribute("Commute")->Scale();
  EXPECT_EQ(commute->Order(), TScaleOrder::Descending);
  EXPECT_TRUE(commute->IsGood(0) && commute->IsBad(2));
  EXPECT_FALSE(commute->IsGood(1) || commute->IsBad(1));
  const TUbicScale* area = home.Model.FindAttribute("Area")->Scale();
  EXPECT_EQ(area->Order(), TScaleOrder::None);
  for (int k = 0; k < area->Count(); ++k) EXPECT_FALSE(area->IsBad(k) || area->IsGood(k));

  TExample applicant("applicant.ubm");
  const TUbicScale* education = applicant.Model.FindAttribute("Education")->Scale();
  EXPECT_TRUE(education->IsBad(0) && education->IsGood(2) && education->IsGood(3));
  EXPECT_FALSE(education->IsBad(1) || education->IsGood(1));
}

}  // namespace
}  // namespace ubic
