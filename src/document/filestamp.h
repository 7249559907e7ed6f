#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ubic {

// What a file held when a document last read or wrote it: its size, its time and a hash of its
// bytes. Another program, or another window, that writes the file changes at least one of them.
class TFileStamp {
 public:
  // The stamp of FileName, which holds Bytes now (just read or written).
  TFileStamp(const std::string& fileName, std::string_view bytes);

  // Whether FileName holds other bytes than the stamp recorded. A file that is gone holds
  // nothing that could be lost, and so has not changed. Size and time that are still the same
  // spare reading the file; a file only touched is found to be the same by its bytes.
  bool ChangedOn(const std::string& fileName) const;

  bool operator==(const TFileStamp&) const = default;

 private:
  std::uintmax_t FSize;
  std::filesystem::file_time_type FTime;
  std::uint64_t FHash;
};

}  // namespace ubic
