// Feeds every file named on the command line, and every file in and below every folder named there,
// to the fuzz target in name order, so that a normal build checks the corpus without libFuzzer.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzzcheck.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputFiles(int argc, char** argv) {
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    if (!fs::is_directory(path)) {
      files.push_back(path);
      continue;
    }
    std::vector<fs::path> folder;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path)) {
      if (entry.is_regular_file()) folder.push_back(entry.path());
    }
    std::sort(folder.begin(), folder.end());
    files.insert(files.end(), folder.begin(), folder.end());
  }
  return files;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    std::exit(1);
  }
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<fs::path> files = InputFiles(argc, argv);
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s FOLDER_OR_FILE...: no input files found\n", argv[0]);
    return 1;
  }
  for (const fs::path& file : files) {
    // Named first, so that a fault reported below points at its input.
    std::fprintf(stderr, "%s\n", file.c_str());
    const std::string bytes = ReadBytes(file);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::fprintf(stderr, "replayed %zu inputs\n", files.size());
  return 0;
}
