#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <thread>

#include "foundation/textfile.h"
#include "test_files.h"

namespace ubic::test {
namespace {

TEST(TextFile, LinesEndAtCrLfOrBoth) {
  TTempFolder folder;
  const std::string file = folder.File("lines.txt");
  WriteBytes(file, "a\r\nb\rc\n\nd");
  EXPECT_EQ(ReadTextLines(file), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  WriteBytes(file, "");
  EXPECT_TRUE(ReadTextLines(file).empty());
  EXPECT_THROW(ReadTextLines(folder.File("missing.txt")), EFileError);
}

TEST(TextFile, SafeWriteReplacesAndKeepsLinks) {
  TTempFolder folder;
  const std::string file = folder.File("model.ubm");
  WriteFileSafely(file, "first");
  WriteFileSafely(file, "second");
  EXPECT_EQ(ReadBytes(file), "second");
  const std::string link = folder.File("link.ubm");
  std::filesystem::create_symlink(file, link);
  WriteFileSafely(link, "through the link");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(file), "through the link");
  EXPECT_EQ(folder.FileCount(), 2);
  try {
    WriteFileSafely(folder.File("no/such/folder.ubm"), "x");
    FAIL() << "no error";
  } catch (const EFileError& e) {
    EXPECT_NE(std::string(e.what()).find("no/such/folder.ubm"), std::string::npos) << e.what();
  }
}

// Lowers the file-size limit for the test's own process, so that a write fails part-way as on
// a full disk.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &FSaved);
    FSavedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = FSaved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FSaved);
    std::signal(SIGXFSZ, FSavedHandler);
  }

 private:
  rlimit FSaved{};
  void (*FSavedHandler)(int);
};

TEST(TextFile, FailedWriteLeavesTheOldFileAlone) {
  TTempFolder folder;
  const std::string file = folder.File("model.ubm");
  WriteBytes(file, "the user's only copy");
  std::string message;
  {
    TFileSizeLimit limit(1000);
    try {
      WriteFileSafely(file, std::string(100'000, 'x'));
    } catch (const EFileError& e) {
      message = e.what();
    }
  }
  EXPECT_NE(message.find(file), std::string::npos) << message;
  EXPECT_EQ(ReadBytes(file), "the user's only copy");
  EXPECT_EQ(folder.FileCount(), 1);
}

TEST(TextFile, WriterInPartsReplacesOnlyOnCommit) {
  TTempFolder folder;
  const std::string file = folder.File("rows.csv");
  WriteBytes(file, "old");
  {
    TSafeFileWriter writer(file);
    writer.Write("new ");
    EXPECT_EQ(ReadBytes(file), "old");
  }
  EXPECT_EQ(ReadBytes(file), "old");
  EXPECT_EQ(folder.FileCount(), 1);
  TSafeFileWriter writer(file);
  writer.Write("new ");
  writer.Write("rows");
  writer.Commit();
  EXPECT_EQ(ReadBytes(file), "new rows");
}

// A pipe (or a device such as /dev/null) cannot be replaced by a file: it is written directly
// and stays what it was.
TEST(TextFile, PipeIsWrittenDirectly) {
  TTempFolder folder;
  const std::string pipe = folder.File("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadBytes(pipe); });
  WriteFileSafely(pipe, "through the pipe");
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_EQ(folder.FileCount(), 1);
}

}  // namespace
}  // namespace ubic::test
