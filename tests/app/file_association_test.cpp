#include "app/file_association.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/file_io.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

TEST(FileAssociation, WritesTheSameEntriesAtEveryStart) {
  TestFolder home;
  ::setenv("XDG_DATA_HOME", home.path().c_str(), 1);
  ::setenv("XDG_DATA_DIRS", (home.path() / "system").c_str(), 1);  // nothing installed there
  const std::filesystem::path program = "/opt/my \"demo\" tools/tessarine";
  registerPackFileType(program);

  const auto desktop = home.path() / "applications" / "tessarine.desktop";
  const auto mime = home.path() / "mime" / "packages" / "tessarine-pack.xml";
  std::string entry, types;
  ASSERT_TRUE(readWholeFile(desktop, entry).ok());
  ASSERT_TRUE(readWholeFile(mime, types).ok());
  EXPECT_NE(entry.find("Exec=\"/opt/my \\\"demo\\\" tools/tessarine\" %f\n"), std::string::npos);
  EXPECT_NE(entry.find("MimeType=application/x-tessarine-pack;"), std::string::npos);
  EXPECT_NE(types.find("<glob pattern=\"*.tsc\"/>"), std::string::npos);
  EXPECT_NE(types.find("Tessarine Complex Pack"), std::string::npos);

  const auto written = std::filesystem::last_write_time(desktop);
  registerPackFileType(program);
  EXPECT_EQ(std::filesystem::last_write_time(desktop), written);  // unchanged text is not rewritten
  std::string again;
  ASSERT_TRUE(readWholeFile(desktop, again).ok());
  EXPECT_EQ(again, entry);
}

TEST(FileAssociation, AnInstalledDesktopEntryTakesThePlaceOfThePerUserOne) {
  TestFolder home;
  const auto system = home.path() / "system";
  ::setenv("XDG_DATA_HOME", (home.path() / "user").c_str(), 1);
  ::setenv("XDG_DATA_DIRS", ("/nonexistent::" + system.string()).c_str(), 1);
  EXPECT_FALSE(systemDesktopEntryInstalled());
  std::filesystem::create_directories(system / "applications");
  ASSERT_TRUE(writeFileAtomically(system / "applications" / kDesktopEntryName, "[Desktop Entry]\n").ok());
  EXPECT_TRUE(systemDesktopEntryInstalled());
  registerPackFileType("/usr/bin/tessarine");
  EXPECT_FALSE(std::filesystem::exists(home.path() / "user"));
}

TEST(FileAssociation, AFolderThatCannotBeWrittenIsIgnored) {
  TestFolder home;
  const auto blocked = home.path() / "file";
  ASSERT_TRUE(writeFileAtomically(blocked, "not a folder").ok());
  ::setenv("XDG_DATA_HOME", blocked.c_str(), 1);
  registerPackFileType("/usr/bin/tessarine");  // must neither throw nor crash
  std::string contents;
  ASSERT_TRUE(readWholeFile(blocked, contents).ok());
  EXPECT_EQ(contents, "not a folder");
}

}  // namespace
}  // namespace tess
