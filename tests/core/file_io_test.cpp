#include "core/file_io.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "test_folder.hpp"

namespace tess {
namespace {

namespace fs = std::filesystem;

TEST(FileIo, WritesAndReadsBackBinaryData) {
  TestFolder folder;
  const fs::path file = folder.path() / "data.bin";
  const std::string data("a\0b\nc\r\n\xff", 8);
  ASSERT_TRUE(writeFileAtomically(file, data).ok());
  std::string read;
  ASSERT_TRUE(readWholeFile(file, read).ok());
  EXPECT_EQ(read, data);
}

TEST(FileIo, ReadsFilesLargerThanAMegabyte) {
  TestFolder folder;
  const fs::path file = folder.path() / "big.txt";
  const std::string data(3'000'001, 'x');
  ASSERT_TRUE(writeFileAtomically(file, data).ok());
  std::string read;
  ASSERT_TRUE(readWholeFile(file, read).ok());
  EXPECT_EQ(read.size(), data.size());
}

TEST(FileIo, ReplacingKeepsTheFileModeAndLeavesNoTemporaryFile) {
  TestFolder folder;
  const fs::path file = folder.path() / "a.ttx";
  ASSERT_TRUE(writeFileAtomically(file, "old").ok());
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(writeFileAtomically(file, "new").ok());
  struct stat info{};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(FileIo, FailedSaveSaysSoAndKeepsTheOldFile) {
  TestFolder folder;
  // A folder standing where the file should go cannot be replaced by a file.
  const fs::path blocked = folder.path() / "blocked";
  fs::create_directory(blocked);
  fs::path keep = blocked / "inside.txt";
  ASSERT_TRUE(writeFileAtomically(keep, "precious").ok());
  Status status = writeFileAtomically(blocked, "new");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message.find("blocked"), std::string::npos);
  std::string read;
  ASSERT_TRUE(readWholeFile(keep, read).ok());
  EXPECT_EQ(read, "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

  EXPECT_FALSE(writeFileAtomically(folder.path() / "missing" / "x.ttx", "data").ok());
}

TEST(FileIo, ReadingAMissingFileOrAFolderNamesIt) {
  TestFolder folder;
  std::string read = "unchanged";
  Status missing = readWholeFile(folder.path() / "nothing.ttx", read);
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.message.find("nothing.ttx"), std::string::npos);
  EXPECT_FALSE(readWholeFile(folder.path(), read).ok());
  EXPECT_EQ(read, "unchanged");
}

std::string contentsOf(const fs::path& file) {
  std::string read;
  EXPECT_TRUE(readWholeFile(file, read).ok()) << file;
  return read;
}

TEST(FileIo, SavingThroughALinkReplacesItsTargetAndKeepsTheLink) {
  TestFolder folder;
  fs::create_directory(folder.path() / "real");
  const fs::path real = folder.path() / "real" / "a.tsc";
  ASSERT_TRUE(writeFileAtomically(real, "old").ok());
  fs::create_symlink("real/a.tsc", folder.path() / "near.tsc");
  fs::create_symlink(folder.path() / "near.tsc", folder.path() / "chained.tsc");

  ASSERT_TRUE(writeFileAtomically(folder.path() / "chained.tsc", "new").ok());
  EXPECT_TRUE(fs::is_symlink(folder.path() / "chained.tsc"));
  EXPECT_TRUE(fs::is_symlink(folder.path() / "near.tsc"));
  EXPECT_EQ(contentsOf(real), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "real"), fs::directory_iterator()), 1);

  // A link to a file not made yet creates that file.
  fs::create_symlink("later.tsc", folder.path() / "dangling.tsc");
  ASSERT_TRUE(writeFileAtomically(folder.path() / "dangling.tsc", "made").ok());
  EXPECT_TRUE(fs::is_symlink(folder.path() / "dangling.tsc"));
  EXPECT_EQ(contentsOf(folder.path() / "later.tsc"), "made");

  fs::create_symlink("loop2", folder.path() / "loop1");
  fs::create_symlink("loop1", folder.path() / "loop2");
  Status loop = writeFileAtomically(folder.path() / "loop1", "x");
  EXPECT_FALSE(loop.ok());
  EXPECT_NE(loop.message.find("loop1"), std::string::npos);
  EXPECT_TRUE(fs::is_symlink(folder.path() / "loop1"));
}

TEST(FileIo, SavingToAFifoWritesIntoIt) {
  TestFolder folder;
  const fs::path fifo = folder.path() / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_TRUE(writeFileAtomically(fifo, "through the pipe").ok());
  char got[64] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 16);
  EXPECT_STREQ(got, "through the pipe");
  ::close(reader);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(FileIo, SavingToADeviceWritesIntoItAndKeepsTheDevice) {
  // As root, a null device of our own in the test folder (a broken save cannot harm the system's);
  // otherwise /dev/null itself, which a broken save could not replace without root.
  TestFolder folder;
  fs::path device = "/dev/null";
  if (::geteuid() == 0) {
    device = folder.path() / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "no mknod here";
  }
  ASSERT_TRUE(writeFileAtomically(device, std::string(100'000, 'x')).ok());
  EXPECT_TRUE(fs::is_character_file(device));
  fs::create_symlink(device, folder.path() / "to-null");
  ASSERT_TRUE(writeFileAtomically(folder.path() / "to-null", "x").ok());
  EXPECT_TRUE(fs::is_character_file(device));
  EXPECT_TRUE(fs::is_symlink(folder.path() / "to-null"));
}

}  // namespace
}  // namespace tess
