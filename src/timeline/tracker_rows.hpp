#pragma once

// The tracker list's row texts and the row edits of the tracker window, as plain functions.

#include <array>
#include <string>
#include <string_view>

#include "scene/tracker_table.hpp"
#include "timeline/timeline.hpp"

namespace tess {

// Command names in code order, as the list and the command box show them.
inline constexpr std::array<std::string_view, kTrackerCommandCount> kTrackerCommandNames = {
    ".......", "SetScn", "SetCam",  "SldCam",  "SldMat", "SldScn",
    "SldObj",  "SetSpd", "StopObj", "StopMat", "CamITp", "MatITp"};

// " 0005\tSetScn\t3,0,0,0": the row number in four digits, the command name (a code without a
// name shows as its number) and p1..p4.
std::string trackerRowText(const TrackerTable& tracker, int row);

// "ins": rows row..998 move one down (row 999's event is lost), then row is cleared. On row 999
// only that row is cleared.
void insertTrackerRow(TrackerTable& tracker, int row);
// "del": rows row+1..999 move one up; row 999 keeps its event. Nothing on row 999.
void deleteTrackerRow(TrackerTable& tracker, int row);
// "clr"
void clearTrackerRow(TrackerTable& tracker, int row);
// "x2": row i moves to row 2i (i = 1..499), odd rows become empty, rows 500..999 are dropped.
void stretchTracker(TrackerTable& tracker);

// The four parameter edits typed into the row: each keeps its low 8 bits (300 stores 44).
void setTrackerParameters(TrackerTable& tracker, int row, int p1, int p2, int p3, int p4);
// A choice in the command box: the command and the four edits.
void setTrackerEvent(TrackerTable& tracker, int row, int command, int p1, int p2, int p3, int p4);

}  // namespace tess
