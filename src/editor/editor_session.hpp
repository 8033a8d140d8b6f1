#pragma once

#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/output/sound_output.hpp"
#include "audio/sample_store.hpp"
#include "core/clock.hpp"
#include "core/file_io.hpp"
#include "editor/changes.hpp"
#include "editor/recent_files.hpp"
#include "editor/recovery_file.hpp"
#include "editor/window_layout.hpp"
#include "scene/pack_files.hpp"
#include "scene/project.hpp"
#include "timeline/music/music_playback.hpp"
#include "timeline/music/music_player.hpp"
#include "timeline/timeline.hpp"

namespace tess {

// A message box the user is shown after a command: its title and text.
struct Notice {
  std::string title;
  std::string text;
};

// How a command that reads or writes files went: a failure names the file and the problem; a
// command that succeeded may still have something to tell.
struct Outcome {
  Status status;
  std::optional<Notice> notice;

  bool ok() const { return status.ok(); }
};

// The open project and everything the editor keeps about it: the texture, scene and sample
// stores, the tracker and its playback, the music and sound outputs, the window layout, the
// recent packs, the pack's path, the undo snapshots and whether the document changed since it was
// loaded or saved. The main window, the command-line tool and the tests each build one.
//
// Every command reports what it changed: the session calls its subscribers once per command with
// the union of the changes. A command that fails or refuses changes nothing and notifies nothing.
class EditorSession {
 public:
  // The audio outputs open on first use, so a session without sound (the command-line tool,
  // tests) never touches an audio device.
  explicit EditorSession(std::ostream& diagnostics = std::cerr);
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  // The state the editor starts in: DrwTxt's font from the data folder and undo snapshot "1".
  void startBlankProject();

  Project& project() { return project_; }
  SceneStore& scenes() { return *scenes_; }
  const SceneStore& scenes() const { return *scenes_; }
  TextureStore& textures() { return *textures_; }
  const TextureStore& textures() const { return *textures_; }
  SampleStore& samples() { return *samples_; }
  TrackerTable& tracker() { return tracker_; }
  Timeline& timeline() { return timeline_; }
  UndoSnapshots& undoSnapshots() { return undo_; }
  WindowLayout& layout() { return layout_; }
  const RecentFiles& recentFiles() const { return recent_; }
  const std::filesystem::path& packPath() const { return packPath_; }
  bool modified() const { return modified_; }
  MusicPlayer& music();
  SoundOutput& sound();

  // Change notification.
  using Subscriber = std::function<void(Changes)>;
  int subscribe(Subscriber subscriber);
  void unsubscribe(int id);
  // Tells every subscriber what a command changed; changes to what a pack holds mark the
  // document modified. Window models call it after editing the stores.
  void publish(Changes changes);

  // Called after each texture a load regenerates, with that slot current, so that the renderer's
  // device texture receives the image (the stage area holds only the current slot's stages).
  std::function<void()> textureRegenerated;

  // Packs. A pack that fails to read changes nothing; its message names the file.
  Outcome openPack(const std::filesystem::path& path);  // then recent name 1
  Outcome openRecentFile(int k);                        // 1..4
  // Writes the pack to its path; without a path there is nothing to write to (false: ask for one).
  bool hasPackPath() const { return !packPath_.empty(); }
  Outcome savePack();
  Outcome savePackAs(const std::filesystem::path& path);
  // The current project appended behind the chosen pack; nothing when no file was chosen.
  Outcome mergePacks(const std::optional<std::filesystem::path>& chosen);

  // The pack text a save would write now, without the save's pre-save pass changing the project.
  std::string packTextAsSaved();

  // Crash recovery, off until the editor names the folder for the copy. While the project is
  // modified, writeRecovery keeps a copy of it there; loading or saving a pack removes the copy,
  // since the changes it kept are then saved or were given up.
  void keepRecoveryIn(const std::filesystem::path& folder) { recovery_.emplace(folder); }
  Status writeRecovery();
  std::optional<RecoveryNote> pendingRecovery() const;
  // Opens the copy as a modified project with the path of the pack it was edited from; the recent
  // files stay as they are.
  Outcome restoreRecovery(const RecoveryNote& note);
  void discardRecovery();

  // Single files.
  Outcome loadTexture(const std::filesystem::path& path);
  Outcome saveTexture(const std::filesystem::path& path);
  Outcome exportTexturesPack(const std::filesystem::path& path);
  Outcome loadSceneLayer(const std::filesystem::path& path);
  Outcome saveSceneLayer(const std::filesystem::path& path);
  void clearScene();  // after the user confirmed
  Outcome loadMaterial(const std::filesystem::path& path);
  Outcome saveMaterial(const std::filesystem::path& path);
  // DrwTxt's font. A font from outside the user and data folders is copied into the user folder,
  // because a pack stores only the file name.
  Outcome changeFont(const std::filesystem::path& path);
  std::string statistics() const;

  // Scenes and objects; each returns whether it acted.
  bool addScene();
  bool deleteLastScene();
  bool selectScene(int scene);
  bool createObject(int type);
  bool copyObject();
  bool deleteObject();
  bool cloneGroup();
  bool ungroup();
  void armControlPick();
  bool resetControlObject();
  // A pick in the 3D view of object index v (none: nothing was hit) through the object
  // operation: selects it, or makes it the control object while that pick is armed.
  bool applyPick(std::optional<int> picked);
  // Steps back one undo snapshot.
  bool undo();

  // Timeline playback (session_playback.cpp). Commands read the session's clock, a monotonic one
  // unless a test drives its own. Playback changes only what "stop" gives back, so it never
  // marks the document modified.
  void useClock(Clock& clock) { clock_ = &clock; }
  bool playing() const { return timeline_.playing; }
  // "play": from this row (0..999), without music. Playing again starts from the project as
  // edited, not from what the running playback made of it.
  void play(int fromRow);
  // "play with music": from row 0 with the module named in the "sound" field (a relative name
  // is looked for beside the pack). The timeline plays in any case; the failure says why the
  // music does not.
  Status playWithMusic();
  // "stop": the music ends and the project gets back what playback changed.
  void stopPlayback();
  // The start of every frame, at the frame's clock reading: a playing timeline is evaluated and
  // what it changed is told (nothing on frames that change nothing).
  void advancePlayback(double milliseconds);

  // Window schemes and layout modes.
  bool chooseScheme(int scheme);  // then loads it
  // Reads the current scheme's file (user folder first, then data folder); false when there is
  // none or it is damaged, and the layout stays.
  bool loadScheme();
  // Writes the layout's rectangles and flags to the current scheme's file in the user folder.
  Outcome saveScheme();
  void setWindowsOpened(bool opened);
  void setAutofocusOff(bool off);
  void toggleTextureMaterialAutofocus();
  void setWindowShown(ToolWindow window, bool shown);
  // The collapsing layout's expanded window (a focusValue, kFocusMainFrame or kFocusNone);
  // false when it already was.
  bool setFocusedWindow(int focus);
  // Reads "rf.tmp" (user folder first, then data folder).
  void readRecentFiles();

 private:
  void deliver(Changes changes);
  // After a whole project was read: the pack path, an unmodified document, the recent list.
  Outcome projectOpened(const std::filesystem::path& path, std::vector<std::string> notices,
                        const std::function<void(RecentFiles&)>& recentUpdate);
  Outcome writeRecentFiles();
  // The project now equals its file.
  void markSaved();
  PackLoadOptions loadOptions();
  Outcome openPackFile(const std::filesystem::path& path,
                       const std::function<void(RecentFiles&)>& recentUpdate);
  bool act(Changes changes, bool acted);
  // Ends playback and music without telling anyone; returns what that changed.
  Changes haltPlayback();
  std::filesystem::path musicPath() const;

  std::ostream& diagnostics_;
  std::unique_ptr<SceneStore> scenes_ = std::make_unique<SceneStore>();
  std::unique_ptr<TextureStore> textures_ = std::make_unique<TextureStore>();
  std::unique_ptr<SampleStore> samples_ = std::make_unique<SampleStore>();
  TrackerTable tracker_;
  Timeline timeline_;
  UndoSnapshots undo_;
  Project project_{*scenes_, *textures_, tracker_, undo_};
  std::unique_ptr<MusicPlayer> music_;
  std::unique_ptr<SoundOutput> sound_;
  SteadyClock steadyClock_;
  Clock* clock_ = &steadyClock_;
  PlaybackClock playbackClock_;

  WindowLayout layout_ = initialWindowLayout();
  RecentFiles recent_;
  std::filesystem::path packPath_;
  bool modified_ = false;
  std::optional<RecoveryFile> recovery_;

  std::map<int, Subscriber> subscribers_;
  int nextSubscriber_ = 1;
};

// The chosen file name with the extension appended unless it already ends with it.
std::filesystem::path withExtension(const std::filesystem::path& chosen, std::string_view extension);

}  // namespace tess
