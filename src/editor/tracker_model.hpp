#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "editor/changes.hpp"
#include "scene/tracker_table.hpp"

namespace tess {

class EditorSession;

// The tracker window's behaviour: the row texts, the editor of the selected row, the row edits
// ("ins", "del", "clr", "x2"), playback ("play", "stop", "play with music") and the "sound" field
// with a status line that says why music does not play.
class TrackerModel {
 public:
  explicit TrackerModel(EditorSession& session) : session_(session) {}

  // The changes after which the window shows something else.
  static constexpr Changes kShown = Change::TimelineRows | Change::Playback;

  // " 0005\tSetScn\t3,0,0,0"
  std::string rowText(int row) const;
  int selectedRow() const { return selected_; }
  const TrackerEvent& selectedEvent() const;
  const std::string& soundFile() const;
  const std::string& status() const { return status_; }

  // A row chosen in the list; anything outside 0..999 is ignored.
  void selectRow(int row);
  // While the timeline plays, the selected row follows the playing row.
  void followPlayback();

  // The four parameter edits typed into the selected row: each text is read as a number (text
  // that is not one reads 0) and keeps its low 8 bits.
  using ParameterTexts = std::array<std::string, 4>;
  void typeParameters(const ParameterTexts& texts);
  // A command chosen in the command box: stored with the four edits.
  void chooseCommand(int command, const ParameterTexts& texts);
  void insertRow();
  void deleteRow();  // nothing on row 999
  void clearRow();
  void stretch();

  void play();  // from the selected row
  void playWithMusic();
  void stop();

  // The "sound" field typed; it holds at most 99 characters.
  void typeSoundFile(const std::string& text);
  // A module chosen with "...": named relative to the pack's folder when it lies inside it. A
  // name that does not fit the field is refused and the status line says so.
  void chooseSoundFile(const std::filesystem::path& chosen);

 private:
  void edited();

  EditorSession& session_;
  int selected_ = 0;
  std::string status_;
};

}  // namespace tess
