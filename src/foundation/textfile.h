#pragma once

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ubic {

// A file that could not be read or written; the message names the file. Like every message of
// the program it is Windows-1250 text.
class EFileError : public std::runtime_error {
 public:
  explicit EFileError(const std::string& message, int error = 0)
      : std::runtime_error(message), FError(error) {}
  // The system's error number (errno), 0 when the system told none.
  int Error() const { return FError; }

 private:
  int FError;
};

// The file opened for reading its bytes; EFileError if it cannot be opened.
std::ifstream OpenFileForReading(const std::string& fileName);
// The whole content of a file.
std::string ReadFileText(const std::string& fileName);
// The lines of a file; a line ends at CR, LF or CR LF, and no end-of-line character remains.
std::vector<std::string> ReadTextLines(const std::string& fileName);

// Writes Content to FileName without ever leaving a half-written file: the text goes to a
// temporary file in the same folder, which replaces the target only when all of it was written
// and flushed to disk. On any failure the old file stays as it was and the temporary file is
// removed.
void WriteFileSafely(const std::string& fileName, const std::string& content);

class TTemporaryFile;

// A file written in parts that takes the place of FileName only when Commit succeeds, the way
// WriteFileSafely writes: until then the old file stays as it was, and a writer destroyed
// without Commit removes what it wrote. A device or a pipe (/dev/stdout, a FIFO) is written
// directly instead, as nothing can take its place. Failures raise EFileError.
class TSafeFileWriter {
 public:
  explicit TSafeFileWriter(const std::string& fileName);
  TSafeFileWriter(const TSafeFileWriter&) = delete;
  TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;
  ~TSafeFileWriter();

  void Write(std::string_view data);
  // Where a writer of its own (a printer, a PDF writer) may put the content instead of Write:
  // the temporary file, or the device or pipe itself.
  const std::string& WritePath() const;
  void Commit();

 private:
  std::string FFileName;
  std::string FTarget;
  std::unique_ptr<TTemporaryFile> FTemporary;
  int FInPlace = -1;  // the descriptor of a device or a pipe written directly
};

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace ubic
