#include "filestamp.h"

#include <system_error>

#include "foundation/textfile.h"

namespace ubic {

namespace {

// FNV-1a: quick, and more than enough to tell a file written anew from the one a document knows.
std::uint64_t HashOf(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  return hash;
}

}  // namespace

TFileStamp::TFileStamp(const std::string& fileName, std::string_view bytes)
    : FSize(bytes.size()), FHash(HashOf(bytes)) {
  std::error_code error;
  FTime = std::filesystem::last_write_time(fileName, error);
}

bool TFileStamp::ChangedOn(const std::string& fileName) const {
  std::error_code error;
  const auto size = std::filesystem::file_size(fileName, error);
  if (error) return false;
  if (size != FSize) return true;
  const auto time = std::filesystem::last_write_time(fileName, error);
  if (!error && time == FTime) return false;
  try {
    return HashOf(ReadFileText(fileName)) != FHash;
  } catch (const std::exception&) {
    // A file that can no longer be read will not be read over what the window holds either.
    return false;
  }
}

}  // namespace ubic
