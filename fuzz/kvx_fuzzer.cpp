// The KVX interchange import (".kvx").

#include "files/kvxfile.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The import's remarks are only shown to the user.
  return ubic::fuzz::ReadAndUse(ubic::fuzz::Bytes(data, size), "input.kvx",
                                [](ubic::TUbicModel& model, const std::string& file) {
                                  ubic::LoadFromKvxFile(model, file);
                                });
}
