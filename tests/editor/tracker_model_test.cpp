// The tracker window's model and the session's playback: row edits at their edges, typed
// parameters, play and stop giving the project back, music, and playback against pack loads.
#include "editor/tracker_model.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/file_io.hpp"
#include "editor/editor_session.hpp"
#include "scene/complex_pack_text.hpp"
#include "test_folder.hpp"
#include "timeline/test_module.hpp"
#include "timeline/timeline.hpp"

namespace tess {
namespace {

TrackerEvent event(int command, int p1, int p2 = 0) {
  return {static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(p1),
          static_cast<std::uint8_t>(p2), 0, 0};
}

class TrackerModelTest : public ::testing::Test {
 protected:
  TrackerModelTest() {
    ::setenv("XDG_CONFIG_HOME", (folder_.path() / "config").c_str(), 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    session_.useClock(clock_);
    session_.subscribe([this](Changes changes) { notified_.push_back(changes); });
  }

  std::filesystem::path file(const std::string& name) const { return folder_.path() / name; }
  TrackerTable& tracker() { return session_.tracker(); }
  std::string pack() {
    return packText(session_.scenes(), session_.textures().slots, session_.tracker());
  }
  Changes notifiedSince(std::size_t from) const {
    Changes all;
    for (std::size_t k = from; k < notified_.size(); ++k) all |= notified_[k];
    return all;
  }
  void frames(double until) {
    while (clock_.milliseconds() + 16 <= until) {
      clock_.advance(16);
      session_.advancePlayback(clock_.milliseconds());
    }
  }

  TestFolder folder_;
  ManualClock clock_;
  EditorSession session_;
  TrackerModel model_{session_};
  std::vector<Changes> notified_;
};

TEST_F(TrackerModelTest, RowEditsAtTheirEdgesAndTypedParameters) {
  model_.selectRow(5);
  model_.chooseCommand(trackcmd::SetScn, {"3", "0", "0", "0"});
  EXPECT_EQ(model_.rowText(5), " 0005\tSetScn\t3,0,0,0");
  // 300 keeps its low 8 bits; text that is not a number reads 0.
  model_.typeParameters({"300", "abc", "-1", "12 rows"});
  EXPECT_EQ(model_.selectedEvent(), (TrackerEvent{trackcmd::SetScn, 44, 0, 255, 12}));
  EXPECT_EQ(notified_, (std::vector<Changes>{Change::TimelineRows | Change::Document,
                                             Change::TimelineRows}));
  EXPECT_TRUE(session_.modified());

  for (int r = 0; r < kTrackerRows; ++r) tracker().events[r] = event(trackcmd::SetCam, r % 256);
  const TrackerTable filled = tracker();
  model_.selectRow(999);
  model_.insertRow();  // on the last row it only clears it
  EXPECT_TRUE(tracker().events[999].empty());
  EXPECT_EQ(tracker().events[998], filled.events[998]);

  tracker() = filled;
  notified_.clear();
  model_.deleteRow();  // nothing on the last row
  EXPECT_EQ(tracker(), filled);
  EXPECT_TRUE(notified_.empty());
  model_.selectRow(0);
  model_.deleteRow();
  EXPECT_EQ(tracker().events[0], filled.events[1]);
  EXPECT_EQ(tracker().events[998], filled.events[999]);
  EXPECT_EQ(tracker().events[999], filled.events[999]);

  tracker() = {};
  for (int r = 1; r <= 3; ++r) tracker().events[r] = event(trackcmd::SetScn, r);
  model_.stretch();
  for (int r = 1; r <= 6; ++r)
    EXPECT_EQ(tracker().events[r], r % 2 ? TrackerEvent{} : event(trackcmd::SetScn, r / 2)) << r;
  model_.selectRow(kTrackerRows);  // outside the list: the selection stays
  EXPECT_EQ(model_.selectedRow(), 0);
}

TEST_F(TrackerModelTest, StopGivesTheProjectBackByteForByteAndPlaybackNeverMarksItModified) {
  SceneStore& scenes = session_.scenes();
  scenes.sceneCount = 2;
  for (int s = 0; s < 2; ++s) {
    scenes.scenes[s].objectCount = 2;
    scenes.scenes[s].objects[0].posX = static_cast<std::int16_t>(s * 640);
    scenes.scenes[s].modifiers[0].count = 1;
    scenes.scenes[s].modifiers[0].entries[0] = {static_cast<std::int16_t>(100 * s), 0, 0, 0, 0, 3};
  }
  scenes.materials[1].surface.diffuse = {0.25f, 0.5f, 1, 1};
  scenes.materials[2].surface.diffuse = {1, 0, 0, 1};
  scenes.cameras[1].eyeZ = 400;
  tracker().events[0] = event(trackcmd::SldScn, 0);
  tracker().events[1] = event(trackcmd::SldMat, 1, 2);
  tracker().events[2] = event(trackcmd::SldCam, 0);
  tracker().events[8] = event(trackcmd::SldScn, 1);
  tracker().events[9] = event(trackcmd::StopMat, 1);
  tracker().events[10] = event(trackcmd::SldCam, 1);
  const std::string edited = pack();

  model_.play();
  frames(3000);
  EXPECT_EQ(scenes.currentScene, 1);
  EXPECT_NE(scenes.scenes[1].objects[0].posX, 640);
  EXPECT_NE(scenes.materials[1].surface.diffuse, (ColorValue{0.25f, 0.5f, 1, 1}));
  EXPECT_NE(scenes.liveCamera.eyeZ, 100);
  const Changes played = notifiedSince(0);
  EXPECT_TRUE(played.has(Change::Playback) && played.has(Change::Objects) &&
              played.has(Change::Materials) && played.has(Change::LiveCamera) &&
              played.has(Change::CurrentScene));
  EXPECT_FALSE(played.has(Change::Document));
  EXPECT_FALSE(session_.modified());

  // Playing again starts from the project as edited, not from what playback made of it.
  model_.play();
  frames(5000);
  model_.stop();
  EXPECT_FALSE(session_.playing());
  EXPECT_EQ(pack(), edited);
  EXPECT_EQ(scenes.currentScene, 0);
  EXPECT_TRUE(notified_.back().has(Change::Objects));
  EXPECT_FALSE(session_.modified());

  // Frames that change nothing tell nothing: not while stopped, nor within a row without slides.
  notified_.clear();
  frames(6000);
  tracker() = {};
  model_.selectRow(7);
  model_.play();
  EXPECT_EQ(notified_, std::vector<Changes>{Change::Playback});
  frames(6000 + 500);
  EXPECT_EQ(notified_.size(), 1u);
  frames(6000 + 512);
  EXPECT_EQ(notified_.back(), Changes(Change::Playback));
  model_.followPlayback();
  EXPECT_EQ(model_.selectedRow(), 8);
}

TEST_F(TrackerModelTest, PlayWithMusicFreesTheEarlierModuleAndSaysWhyMusicDoesNotPlay) {
  ASSERT_TRUE(session_.savePackAs(file("demo.tsc")).ok());
  ASSERT_TRUE(writeFileAtomically(file("tune.mod"), testing::squareWaveModule()).ok());
  model_.selectRow(12);
  model_.chooseSoundFile(file("tune.mod"));
  EXPECT_EQ(model_.soundFile(), "tune.mod");  // found beside the pack
  model_.playWithMusic();
  EXPECT_EQ(model_.status(), "");
  EXPECT_TRUE(session_.music().loaded());
  model_.followPlayback();
  EXPECT_EQ(model_.selectedRow(), 0);

  model_.typeSoundFile("missing.mod");
  model_.playWithMusic();
  EXPECT_TRUE(session_.playing());
  EXPECT_FALSE(session_.music().loaded());  // the first module was stopped and freed
  EXPECT_NE(model_.status().find("missing.mod"), std::string::npos) << model_.status();
  EXPECT_NE(model_.status().find("playing without music"), std::string::npos);

  // "play" without music ends the music of an earlier "play with music".
  model_.typeSoundFile("tune.mod");
  model_.playWithMusic();
  model_.play();
  EXPECT_FALSE(session_.music().loaded());
  model_.stop();
  EXPECT_FALSE(session_.playing());

  // A module outside the pack's folder keeps its whole name, unless that does not fit.
  model_.chooseSoundFile("/music/tune.xm");
  EXPECT_EQ(model_.soundFile(), "/music/tune.xm");
  model_.chooseSoundFile("/" + std::string(120, 'm') + ".xm");
  EXPECT_EQ(model_.soundFile(), "/music/tune.xm");
  EXPECT_NE(model_.status().find("longer than 99"), std::string::npos) << model_.status();
}

TEST_F(TrackerModelTest, LoadingAPackWhilePlayingKeepsTheLoadedProject) {
  EditorSession other;
  other.scenes().scenes[0].objects[0].posY = 1234;
  ASSERT_TRUE(other.savePackAs(file("other.tsc")).ok());
  const std::string loaded =
      packText(other.scenes(), other.textures().slots, other.tracker());
  model_.play();
  frames(100);
  ASSERT_TRUE(session_.openPack(file("other.tsc")).ok());
  EXPECT_FALSE(session_.playing());
  EXPECT_TRUE(notified_.back().has(Change::Playback));
  model_.stop();
  EXPECT_EQ(pack(), loaded);
}

}  // namespace
}  // namespace tess
