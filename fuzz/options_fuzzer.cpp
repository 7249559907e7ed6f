// The options file: a CSV file that replaces the options of a model.

#include "files/modelfile.h"
#include "files/optionscsv.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ubic;
  // The example has value sets, weights and attributes of every kind of scale.
  TUbicModel model;
  LoadFromFile(model, UBIC_EXAMPLES_DIR "/car.ubm");
  const std::string csv(fuzz::Bytes(data, size));
  if (fuzz::Accepted([&] { ReplaceOptions(model, csv, "options.csv"); })) {
    fuzz::UseModel(model);
  }
  return 0;
}
