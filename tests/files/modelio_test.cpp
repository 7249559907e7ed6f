#include <gtest/gtest.h>

#include <string>

#include "files/modelfile.h"
#include "files/modelio.h"
#include "test_files.h"

namespace ubic::test {
namespace {

struct TFormatCase {
  TModelFormat Format;
  const char* Extension;
};

// Saving by a chosen format writes what saving by that format's extension writes, whatever the
// target file is called.
TEST(ModelIo, SavingByChosenFormatIgnoresTheExtension) {
  TUbicModel model;
  LoadFromFile(model, std::string(UBIC_EXAMPLES_DIR) + "/car.ubm");
  const TTempFolder folder;
  const TFormatCase cases[] = {
      {TModelFormat::Own, ".ubm"}, {TModelFormat::Jkiv, ".xml"}, {TModelFormat::Kvx, ".kvx"}};
  for (const TFormatCase& c : cases) {
    SCOPED_TRACE(c.Extension);
    const std::string byExtension = folder.File(std::string("reference") + c.Extension);
    const std::string chosen = folder.File("chosen.dat");
    ASSERT_EQ(FormatOfFile(byExtension), c.Format);
    const std::string referenceRemarks = SaveModel(model, byExtension);
    EXPECT_EQ(SaveModel(model, chosen, c.Format), referenceRemarks);
    const std::string written = ReadBytes(chosen);
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written, ReadBytes(byExtension));
  }
}

TEST(ModelIo, OwnExtensionReplacesOnlyTheLastExtensionOfTheFileName) {
  EXPECT_EQ(WithOwnExtension("car.xml"), "car.ubm");
  EXPECT_EQ(WithOwnExtension("/home/me/car.model.KVX"), "/home/me/car.model.ubm");
  EXPECT_EQ(WithOwnExtension("dir.v2/car"), "dir.v2/car.ubm");
  EXPECT_EQ(WithOwnExtension("car"), "car.ubm");
  EXPECT_EQ(WithOwnExtension("car.ubm"), "car.ubm");
}

}  // namespace
}  // namespace ubic::test
