#include "core/file_io.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

}  // namespace
}  // namespace tess
