// The transfer text of an attribute subtree, as copy and paste exchange it.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "files/subtree.h"
#include "foundation/textfile.h"
#include "fuzzcheck.h"

namespace ubic::fuzz {
namespace {

// The subtree pasted as the first attribute of a new model, with as many options as its
// attributes have values for.
void Paste(std::unique_ptr<TUbicAttribute> subtree) {
  TUbicModel model;
  std::vector<TUbicAttribute*> attributes;
  subtree->CollectAttributes(attributes);
  attributes.push_back(subtree.get());
  int options = 0;
  for (const TUbicAttribute* attribute : attributes) {
    options = std::max(options, attribute->OptionValues().Count());
  }
  for (int k = 0; k < options; ++k) model.AddOption("Option " + std::to_string(k + 1));
  model.Root()->AddInput(std::move(subtree));
  UseModel(model);
}

}  // namespace
}  // namespace ubic::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ubic;
  const std::vector<std::string> lines =
      ReadTextLines(fuzz::WriteScratch("input.txt", fuzz::Bytes(data, size)));
  std::unique_ptr<TUbicAttribute> subtree;
  if (!fuzz::Accepted([&] { subtree = ReadSubtree(lines); }) || subtree == nullptr) return 0;
  // Duplicate copies through the same text.
  fuzz::Must("duplicating the subtree", [&] { DuplicateSubtree(*subtree); });
  fuzz::Paste(std::move(subtree));
  return 0;
}
