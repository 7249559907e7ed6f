#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace ubic::test {

// A fresh folder for one test, removed with everything in it afterwards.
class TTempFolder {
 public:
  TTempFolder() {
    FPath = std::filesystem::temp_directory_path() /
            ("ubic-test-" + std::to_string(::getpid()) + "-" + std::to_string(Counter()++));
    std::filesystem::create_directories(FPath);
  }
  ~TTempFolder() { std::filesystem::remove_all(FPath); }

  std::string File(const std::string& name) const { return (FPath / name).string(); }
  int FileCount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(FPath),
                                          std::filesystem::directory_iterator()));
  }

 private:
  static int& Counter() {
    static int counter = 0;
    return counter;
  }
  std::filesystem::path FPath;
};

inline std::string ReadBytes(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& fileName, const std::string& bytes) {
  std::ofstream(fileName, std::ios::binary) << bytes;
}

}  // namespace ubic::test
