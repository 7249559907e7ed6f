#include "textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <utility>

#include "cp1250.h"
#include "translation.h"
#include "utils.h"

// What went wrong with a file: its name, then the system's reason.
namespace ubic::ubicstr {

constexpr const char* CannotOpenFile = UBIC_TEXT("Cannot open file \"%s\": %s");
constexpr const char* CannotReadFile = UBIC_TEXT("Cannot read file \"%s\": %s");
constexpr const char* CannotCreateFile = UBIC_TEXT("Cannot create file \"%s\": %s");
constexpr const char* CannotWriteFile = UBIC_TEXT("Cannot write file \"%s\": %s");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

// Messages are Windows-1250 text like every other message of the program; the file name comes
// from the system in UTF-8.
[[noreturn]] void Fail(const char* message, const std::string& fileName, int error) {
  throw EFileError(Format(message, Utf8ToCp1250(fileName), std::strerror(error)), error);
}

}  // namespace

// Closes the descriptor and removes the temporary file unless it was handed over.
class TTemporaryFile {
 public:
  explicit TTemporaryFile(const std::string& target) : FPath(target + ".XXXXXX") {
    FDescriptor = mkstemp(FPath.data());
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;
  ~TTemporaryFile() {
    if (FDescriptor >= 0) close(FDescriptor);
    if (!FKept) unlink(FPath.c_str());
  }

  bool IsOpen() const { return FDescriptor >= 0; }
  int Descriptor() const { return FDescriptor; }
  const std::string& Path() const { return FPath; }
  // Closes the file; false (with errno set) if the last data could not be written.
  bool Close() { return close(std::exchange(FDescriptor, -1)) == 0; }
  void Keep() { FKept = true; }

 private:
  std::string FPath;
  int FDescriptor = -1;
  bool FKept = false;
};

namespace {

bool WriteAll(int descriptor, std::string_view content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = write(descriptor, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::ifstream OpenFileForReading(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) Fail(ubicstr::CannotOpenFile, fileName, errno);
  return file;
}

std::string ReadFileText(const std::string& fileName) {
  std::ifstream file = OpenFileForReading(fileName);
  // In blocks rather than a character at a time: model files can be tens of megabytes.
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) Fail(ubicstr::CannotReadFile, fileName, errno);
  return std::move(content).str();
}

std::vector<std::string> ReadTextLines(const std::string& fileName) {
  return SplitLines(ReadFileText(fileName));
}

namespace {

// A link is followed, so that the file it points to is replaced and the link stays.
std::string ResolvedTarget(const std::string& fileName) {
  struct stat link {};
  if (lstat(fileName.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return fileName;
  std::unique_ptr<char, decltype(&std::free)> resolved(realpath(fileName.c_str(), nullptr),
                                                       &std::free);
  return resolved ? std::string(resolved.get()) : fileName;
}

// Makes the rename itself durable.
void SyncFolderOf(const std::string& fileName) {
  const auto slash = fileName.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : fileName.substr(0, slash + 1);
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

}  // namespace

TSafeFileWriter::TSafeFileWriter(const std::string& fileName)
    : FFileName(fileName), FTarget(ResolvedTarget(fileName)) {
  struct stat existing {};
  const bool exists = stat(FTarget.c_str(), &existing) == 0;
  // A device or a pipe cannot be replaced by a file: it is written as it is.
  if (exists && !S_ISREG(existing.st_mode)) {
    FInPlace = open(FTarget.c_str(), O_WRONLY | O_CLOEXEC);
    if (FInPlace < 0) Fail(ubicstr::CannotCreateFile, fileName, errno);
    return;
  }
  FTemporary = std::make_unique<TTemporaryFile>(FTarget);
  if (!FTemporary->IsOpen()) Fail(ubicstr::CannotCreateFile, fileName, errno);
  // A new file gets the permissions a plain create would give it; a replaced one keeps its own.
  if (exists) {
    fchmod(FTemporary->Descriptor(), existing.st_mode & 07777);
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(FTemporary->Descriptor(), 0666 & ~mask);
  }
}

TSafeFileWriter::~TSafeFileWriter() {
  if (FInPlace >= 0) close(FInPlace);
}

void TSafeFileWriter::Write(std::string_view data) {
  const int descriptor = FTemporary ? FTemporary->Descriptor() : FInPlace;
  if (!WriteAll(descriptor, data)) Fail(ubicstr::CannotWriteFile, FFileName, errno);
}

const std::string& TSafeFileWriter::WritePath() const {
  return FTemporary ? FTemporary->Path() : FTarget;
}

void TSafeFileWriter::Commit() {
  if (!FTemporary) {
    if (close(std::exchange(FInPlace, -1)) != 0) Fail(ubicstr::CannotWriteFile, FFileName, errno);
    return;
  }
  if (fsync(FTemporary->Descriptor()) != 0 || !FTemporary->Close()) {
    Fail(ubicstr::CannotWriteFile, FFileName, errno);
  }
  if (std::rename(FTemporary->Path().c_str(), FTarget.c_str()) != 0) {
    Fail(ubicstr::CannotWriteFile, FFileName, errno);
  }
  FTemporary->Keep();
  SyncFolderOf(FTarget);
}

void WriteFileSafely(const std::string& fileName, const std::string& content) {
  TSafeFileWriter file(fileName);
  file.Write(content);
  file.Commit();
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace ubic
