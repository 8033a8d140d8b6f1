#include "editor/recent_files.hpp"

#include <gtest/gtest.h>

namespace tess {
namespace {

RecentFiles threeFiles() {
  RecentFiles recent;
  for (const char* name : {"/c.tsc", "/b.tsc", "/a.tsc"}) recent.openedNew(name);
  return recent;
}

TEST(RecentFiles, OpeningReordersAsTheMenuExpects) {
  RecentFiles recent = threeFiles();
  EXPECT_EQ(recent.count, 3);
  EXPECT_EQ(recent.names[0], "/a.tsc");

  recent.openedRecent(3);  // names 1 and 3 change places, the count stays
  EXPECT_EQ(recent.names[0], "/c.tsc");
  EXPECT_EQ(recent.names[1], "/b.tsc");
  EXPECT_EQ(recent.names[2], "/a.tsc");
  EXPECT_EQ(recent.count, 3);

  recent.openedRecent(1);
  EXPECT_EQ(recent.names[0], "/c.tsc");

  recent.openedNew("/d.tsc");
  recent.openedNew("/e.tsc");  // the fifth pushes the oldest out
  EXPECT_EQ(recent.count, 4);
  EXPECT_EQ(recent.names[0], "/e.tsc");
  EXPECT_EQ(recent.names[3], "/b.tsc");
}

TEST(RecentFiles, PathsThatDoNotFitAreNotEntered) {
  RecentFiles recent = threeFiles();
  recent.openedNew("/" + std::string(99, 'x'));
  EXPECT_EQ(recent.count, 3);
  EXPECT_EQ(recent.names[0], "/a.tsc");
  recent.openedNew(std::string(99, 'y'));
  EXPECT_EQ(recent.names[0], std::string(99, 'y'));
}

TEST(RecentFiles, FileRoundTripAndDamagedFiles) {
  const std::string bytes = encodeRecentFiles(threeFiles());
  ASSERT_EQ(bytes.size(), 401u);
  EXPECT_EQ(bytes.back(), '3');
  EXPECT_EQ(bytes.substr(100, 7), std::string("/b.tsc\0", 7));
  EXPECT_EQ(bytes[350], '\0');

  const RecentFiles read = decodeRecentFiles(bytes);
  EXPECT_EQ(read.count, 3);
  EXPECT_EQ(read.names, threeFiles().names);

  std::string badCount = bytes;
  badCount.back() = '7';
  EXPECT_EQ(decodeRecentFiles(badCount).count, 0);
  EXPECT_EQ(decodeRecentFiles(bytes.substr(0, 400)).count, 0);
  EXPECT_EQ(decodeRecentFiles("").count, 0);

  std::string unterminated(401, 'z');  // a field without its zero reads 99 characters
  unterminated.back() = '1';
  EXPECT_EQ(decodeRecentFiles(unterminated).names[0], std::string(99, 'z'));
}

}  // namespace
}  // namespace tess
