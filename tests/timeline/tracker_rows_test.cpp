#include "timeline/tracker_rows.hpp"

#include <gtest/gtest.h>

namespace tess::testing {
namespace {

TrackerEvent event(int command, int p1) {
  return {static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(p1), 0, 0, 0};
}

TEST(TrackerRowsTest, RowText) {
  TrackerTable tracker;
  tracker.events[5] = event(trackcmd::SetScn, 3);
  tracker.events[999] = {trackcmd::MatITp, 1, 2, 3, 255};
  tracker.events[7] = event(40, 0);
  EXPECT_EQ(trackerRowText(tracker, 5), " 0005\tSetScn\t3,0,0,0");
  EXPECT_EQ(trackerRowText(tracker, 0), " 0000\t.......\t0,0,0,0");
  EXPECT_EQ(trackerRowText(tracker, 999), " 0999\tMatITp\t1,2,3,255");
  EXPECT_EQ(trackerRowText(tracker, 7), " 0007\t40\t0,0,0,0");
}

TEST(TrackerRowsTest, InsertMovesRowsDownAndOnRow999OnlyClearsIt) {
  TrackerTable tracker;
  for (int r = 0; r < kTrackerRows; ++r) tracker.events[r] = event(1, r % 256);
  TrackerTable inserted = tracker;
  insertTrackerRow(inserted, 10);
  EXPECT_EQ(inserted.events[9], tracker.events[9]);
  EXPECT_TRUE(inserted.events[10].empty());
  EXPECT_EQ(inserted.events[11], tracker.events[10]);
  EXPECT_EQ(inserted.events[999], tracker.events[998]);

  TrackerTable last = tracker;
  insertTrackerRow(last, 999);
  EXPECT_TRUE(last.events[999].empty());
  EXPECT_EQ(last.events[998], tracker.events[998]);
}

TEST(TrackerRowsTest, DeleteOnRow0MovesEverythingUpAndRow999KeepsItsEvent) {
  TrackerTable tracker;
  for (int r = 0; r < kTrackerRows; ++r) tracker.events[r] = event(2, r % 256);
  TrackerTable deleted = tracker;
  deleteTrackerRow(deleted, 0);
  EXPECT_EQ(deleted.events[0], tracker.events[1]);
  EXPECT_EQ(deleted.events[998], tracker.events[999]);
  EXPECT_EQ(deleted.events[999], tracker.events[999]);

  TrackerTable last = tracker;
  deleteTrackerRow(last, 999);
  EXPECT_EQ(last, tracker);
}

TEST(TrackerRowsTest, StretchDoublesRowNumbersAndDropsTheSecondHalf) {
  TrackerTable tracker;
  tracker.events[0] = event(1, 9);
  tracker.events[1] = event(1, 1);
  tracker.events[2] = event(2, 2);
  tracker.events[3] = event(3, 3);
  tracker.events[499] = event(4, 4);
  tracker.events[500] = event(5, 5);
  stretchTracker(tracker);
  EXPECT_EQ(tracker.events[0], event(1, 9));
  EXPECT_EQ(tracker.events[2], event(1, 1));
  EXPECT_EQ(tracker.events[4], event(2, 2));
  EXPECT_EQ(tracker.events[6], event(3, 3));
  EXPECT_EQ(tracker.events[998], event(4, 4));
  for (int r = 1; r < kTrackerRows; r += 2) EXPECT_TRUE(tracker.events[r].empty()) << r;
  for (const TrackerEvent& e : tracker.events) EXPECT_NE(e, event(5, 5));  // row 500 dropped
}

TEST(TrackerRowsTest, TypedParametersKeepTheirLow8Bits) {
  TrackerTable tracker;
  setTrackerParameters(tracker, 3, 300, 255, 256, -1);
  EXPECT_EQ(tracker.events[3], (TrackerEvent{0, 44, 255, 0, 255}));
  setTrackerEvent(tracker, 3, trackcmd::SldObj, 1, 2, 3, 4);
  EXPECT_EQ(tracker.events[3], (TrackerEvent{trackcmd::SldObj, 1, 2, 3, 4}));
}

}  // namespace
}  // namespace tess::testing
