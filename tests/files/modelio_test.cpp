#include <gtest/gtest.h>

#include <string>

#include "files/modelfile.h"
#include "files/modelio.h"
#include "files/xml.h"
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

// A picture opened as a model of any format is named as binary data; a text file is quoted as
// far as it is printable.
TEST(ModelIo, AFileOfBinaryDataIsNamedNotQuoted) {
  const TTempFolder folder;
  const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0<x>\xF3\xFAX\xAC", 28);
  for (const char* name : {"picture.ubm", "picture.xml", "picture.kvx", "picture.png"}) {
    const std::string file = folder.File(name);
    WriteBytes(file, png);
    try {
      OpenModel(file);
      ADD_FAILURE() << name;
    } catch (const EUbicError& error) {
      EXPECT_EQ(std::string(error.what()), "File \"" + file + "\" holds binary data, not a model.");
    }
  }
  const std::string letter = folder.File("letter.ubm");
  WriteBytes(
      letter,
      "<?xml version=\"1.0\"?>\r\nDear reader, this is a letter.\x01 It is not a model. <x/>");
  try {
    OpenModel(letter);
    ADD_FAILURE();
  } catch (const EXmlError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Error reading XML around line 3: A tag expected instead of text \"Dear reader, "
              "this is a letter....\"");
  }
}

}  // namespace
}  // namespace ubic::test
