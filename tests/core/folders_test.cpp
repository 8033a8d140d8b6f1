#include "core/folders.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/file_io.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(Folders, UserAndCacheFoldersFollowXdgAndAreCreated) {
  TestFolder folder;
  ScopedEnvironment config("XDG_CONFIG_HOME", (folder.path() / "config").string());
  ScopedEnvironment cache("XDG_CACHE_HOME", (folder.path() / "cache").string());
  EXPECT_EQ(userFolder(), folder.path() / "config" / "tessarine");
  EXPECT_EQ(cacheFolder(), folder.path() / "cache" / "tessarine");
  EXPECT_TRUE(fs::is_directory(userFolder()));
  EXPECT_TRUE(fs::is_directory(cacheFolder()));
}

TEST(Folders, UserFileIsPreferredOverTheDataFile) {
  TestFolder folder;
  ScopedEnvironment config("XDG_CONFIG_HOME", (folder.path() / "config").string());
  ScopedEnvironment data("TESSARINE_DATA_DIR", (folder.path() / "data").string());
  EXPECT_EQ(dataFolder(), folder.path() / "data");
  EXPECT_EQ(userOrDataFile("winpos1.twp"), folder.path() / "data" / "winpos1.twp");
  ASSERT_TRUE(writeFileAtomically(userFolder() / "winpos1.twp", "x").ok());
  EXPECT_EQ(userOrDataFile("winpos1.twp"), userFolder() / "winpos1.twp");
}

}  // namespace
}  // namespace tess
