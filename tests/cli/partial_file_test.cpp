#include "cli/partial_file.hpp"

#include <gtest/gtest.h>

#include "test_folder.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::string data;
  EXPECT_TRUE(readWholeFile(file, data).ok());
  return data;
}

TEST(PartialFile, AFileThatWasThereStaysUntilTheNewOneIsCommitted) {
  TestFolder folder;
  const fs::path video = folder.path() / "demo.mp4";
  ASSERT_TRUE(writeFileAtomically(video, "old").ok());
  {
    PartialFile unfinished(video);
    ASSERT_TRUE(unfinished.create().ok());
    ASSERT_TRUE(writeFileAtomically(unfinished.path(), "half").ok());
  }
  EXPECT_EQ(contents(video), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
  PartialFile finished(video);
  ASSERT_TRUE(finished.create().ok());
  ASSERT_TRUE(writeFileAtomically(finished.path(), "new").ok());
  ASSERT_TRUE(finished.commit().ok());
  EXPECT_EQ(contents(video), "new");
  EXPECT_FALSE(fs::exists(finished.path()));
}

TEST(PartialFile, AnUnwritableDestinationIsKnownAtCreation) {
  TestFolder folder;
  const Status missing = PartialFile(folder.path() / "no/such/demo.mp4").create();
  EXPECT_NE(missing.message.find("no/such/demo.mp4"), std::string::npos) << missing.message;
  EXPECT_NE(PartialFile(folder.path()).create().message.find("is a folder"), std::string::npos);
}

}  // namespace
}  // namespace tess::cli
