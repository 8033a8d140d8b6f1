#include "editor/tracker_model.hpp"

#include "core/crt_text.hpp"
#include "editor/editor_session.hpp"
#include "timeline/tracker_rows.hpp"

namespace tess {
namespace {

std::array<int, 4> numbers(const TrackerModel::ParameterTexts& texts) {
  return {atoiAt(texts[0]), atoiAt(texts[1]), atoiAt(texts[2]), atoiAt(texts[3])};
}

// The chosen file relative to the pack's folder when it lies inside it, else as chosen.
std::string soundFieldText(const std::filesystem::path& chosen, const std::filesystem::path& pack) {
  namespace fs = std::filesystem;
  const fs::path file = fs::absolute(chosen).lexically_normal();
  if (pack.empty()) return file.string();
  const fs::path inside = file.lexically_relative(fs::absolute(pack).parent_path().lexically_normal());
  if (inside.empty() || *inside.begin() == "..") return file.string();
  return inside.string();
}

}  // namespace

std::string TrackerModel::rowText(int row) const { return trackerRowText(session_.tracker(), row); }

const TrackerEvent& TrackerModel::selectedEvent() const {
  return session_.tracker().events[selected_];
}

const std::string& TrackerModel::soundFile() const { return session_.tracker().sound; }

void TrackerModel::selectRow(int row) {
  if (row >= 0 && row < kTrackerRows) selected_ = row;
}

void TrackerModel::followPlayback() {
  if (session_.playing()) selected_ = session_.timeline().row;
}

void TrackerModel::edited() { session_.publish(Change::TimelineRows); }

void TrackerModel::typeParameters(const ParameterTexts& texts) {
  const auto [p1, p2, p3, p4] = numbers(texts);
  setTrackerParameters(session_.tracker(), selected_, p1, p2, p3, p4);
  edited();
}

void TrackerModel::chooseCommand(int command, const ParameterTexts& texts) {
  if (command < 0 || command >= kTrackerCommandCount) return;
  const auto [p1, p2, p3, p4] = numbers(texts);
  setTrackerEvent(session_.tracker(), selected_, command, p1, p2, p3, p4);
  edited();
}

void TrackerModel::insertRow() {
  insertTrackerRow(session_.tracker(), selected_);
  edited();
}

void TrackerModel::deleteRow() {
  if (selected_ == kTrackerRows - 1) return;
  deleteTrackerRow(session_.tracker(), selected_);
  edited();
}

void TrackerModel::clearRow() {
  clearTrackerRow(session_.tracker(), selected_);
  edited();
}

void TrackerModel::stretch() {
  stretchTracker(session_.tracker());
  edited();
}

void TrackerModel::play() { session_.play(selected_); }

void TrackerModel::playWithMusic() {
  const Status music = session_.playWithMusic();
  status_ = music.ok() ? std::string() : music.message + "; playing without music";
}

void TrackerModel::stop() { session_.stopPlayback(); }

void TrackerModel::typeSoundFile(const std::string& text) {
  std::string& sound = session_.tracker().sound;
  const std::string fitting = text.substr(0, kSoundTextMax);
  status_.clear();
  if (fitting == sound) return;
  sound = fitting;
  edited();
}

void TrackerModel::chooseSoundFile(const std::filesystem::path& chosen) {
  const std::string text = soundFieldText(chosen, session_.packPath());
  if (text.size() > kSoundTextMax) {
    status_ = "'" + text + "': the name is longer than " + std::to_string(kSoundTextMax) +
              " characters; keep the module beside the pack";
    return;
  }
  typeSoundFile(text);
}

}  // namespace tess
