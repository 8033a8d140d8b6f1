// The sample generator window's model: list editing, parameters, the waveform, "Play" and files.
#include "editor/sample_generator_model.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "audio/sample_files.hpp"
#include "audio/sample_operation_table.hpp"
#include "audio/synthesiser.hpp"
#include "audio/wav_file.hpp"
#include "editor/editor_session.hpp"
#include "editor/waveform_picture.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

using namespace sampleop;

SampleCommand command(int op, SampleParams p = {}) {
  return {op, p};
}

// A session whose sample `sample` holds commands, the last one current and the list run.
class SampleGeneratorModelTest : public ::testing::Test {
 protected:
  SampleGeneratorModelTest() {
    session_.subscribe([this](Changes changes) {
      if (changes.has(Change::Samples)) ++published_;
    });
  }

  void setList(std::initializer_list<SampleCommand> commands, int sample = 0) {
    SampleStore& store = session_.samples();
    store.currentSample = sample;
    int n = 0;
    for (const SampleCommand& c : commands) store.currentRow()[n++] = c;
    store.counts[sample] = n;
    store.currentCommand = n - 1;
    runSampleList(store);
  }

  SampleStore& store() { return session_.samples(); }
  int stageValue(int k, int i) { return store().stages.stage(k, store().length())[i]; }
  // Publishes since the last call.
  int published() { return std::exchange(published_, 0); }

  EditorSession session_;
  SampleGeneratorModel model_{session_};
  int published_ = 0;
};

TEST_F(SampleGeneratorModelTest, SampleStepsStopAtBothEndsAndShowTheLastCommand) {
  model_.previousSample();
  EXPECT_EQ(model_.sampleNumber(), "0");
  setList({command(Sinus, {440, 255, 0}), command(Saw, {220, 255, 0})}, 254);
  store().currentCommand = 0;
  model_.nextSample();
  EXPECT_EQ(model_.sampleNumber(), "254");
  EXPECT_EQ(model_.selectedEntry(), 0);  // the last command, on top
  EXPECT_EQ(model_.operationName(), "Saw");
  EXPECT_EQ(published(), 2);
}

TEST_F(SampleGeneratorModelTest, AddShowsASilentSinusAndIsRefusedWhenFull) {
  EXPECT_EQ(model_.operationName(), "");
  EXPECT_FALSE(model_.parameterRows()[0].shown);
  store().stages.stage(0, store().length()).set(10, 1234);  // left over from another sample

  model_.add();
  EXPECT_EQ(model_.commandEntries(), std::vector<std::string>{"00:Sinus(0,0,0)"});
  EXPECT_EQ(model_.selectedEntry(), 0);
  EXPECT_EQ(model_.operationName(), "Sinus");
  EXPECT_EQ(stageValue(0, 10), 0);
  const auto rows = model_.parameterRows();
  EXPECT_TRUE(rows[2].shown);
  EXPECT_FALSE(rows[3].shown);
  EXPECT_EQ(rows[0].label, "частота");
  EXPECT_EQ(rows[0].maximum, 1760);
  EXPECT_EQ(published(), 1);

  store().counts[0] = kMaxSampleCommands;
  model_.add();
  EXPECT_EQ(store().count(), kMaxSampleCommands);
  EXPECT_EQ(published(), 0);
}

TEST_F(SampleGeneratorModelTest, DelRemovesTheSelectedOrLastCommandAndSelectsItsSuccessor) {
  const SampleCommand a = command(Sinus, {1}), b = command(Saw, {2}), c = command(Noise, {3, 255}),
                      d = command(Invert);
  setList({a, b, c, d});
  model_.remove(2);  // entry 2 shows command 1 (b)
  EXPECT_EQ(model_.commandEntries(),
            (std::vector<std::string>{"02:Invert()", "01:Noise(3,255)", "00:Sinus(1,0,0)"}));
  EXPECT_EQ(store().currentCommand, 1);  // c moved into b's place
  EXPECT_EQ(model_.selectedEntry(), 1);
  EXPECT_NE(stageValue(1, 3000), 0);  // the noise ran in its new place

  model_.remove(0);  // the last command: the new last one is current, on top
  EXPECT_EQ(store().count(), 2);
  EXPECT_EQ(model_.selectedEntry(), 0);
  EXPECT_EQ(model_.operationName(), "Noise");

  model_.remove(-1);  // no selection: the last command goes
  EXPECT_EQ(model_.commandEntries(), std::vector<std::string>{"00:Sinus(1,0,0)"});
  model_.remove(0);
  EXPECT_EQ(store().currentCommand, -1);
  EXPECT_EQ(published(), 4);
  model_.remove(-1);  // an empty list
  EXPECT_EQ(published(), 0);
}

TEST_F(SampleGeneratorModelTest, UpAndDownMoveTheSelectedCommandAndItStaysCurrent) {
  setList({command(Sinus, {440, 255, 0}), command(Invert), command(Saw, {220, 255, 0})});
  model_.moveUp(0);    // the top entry
  model_.moveDown(2);  // the bottom entry
  model_.moveUp(3);    // beyond the list
  EXPECT_EQ(published(), 0);
  EXPECT_EQ(model_.commandEntries()[0], "02:Saw(220,255,0)");

  model_.selectEntry(1);  // the Invert
  model_.moveUp(1);
  EXPECT_EQ(model_.commandEntries(),
            (std::vector<std::string>{"02:Invert()", "01:Saw(220,255,0)", "00:Sinus(440,255,0)"}));
  EXPECT_EQ(model_.selectedEntry(), 0);
  EXPECT_EQ(model_.operationName(), "Invert");
  // It now inverts the Saw, which ran in its new place first: the stage is what the whole list
  // gives.
  const int inverted = stageValue(2, 25);
  runSampleList(store());
  EXPECT_EQ(stageValue(2, 25), inverted);
  EXPECT_LT(inverted, 0);

  model_.moveDown(0);
  EXPECT_EQ(model_.commandEntries()[1], "01:Invert()");
  EXPECT_EQ(model_.selectedEntry(), 1);
  EXPECT_EQ(published(), 3);
}

TEST_F(SampleGeneratorModelTest, ParametersStepTypeAndSlideWithinTheirRange) {
  setList({command(Sinus, {1759, 255, 0})});
  model_.stepParameter(0, 1);
  model_.stepParameter(0, 1);  // at the maximum it stays
  EXPECT_EQ(model_.parameterRows()[0].value, 1760);
  model_.stepParameter(2, -1);  // at 0 it stays
  EXPECT_EQ(model_.parameterRows()[2].value, 0);

  model_.typeParameter(0, "99999");
  EXPECT_EQ(model_.parameterRows()[0].value, 1760);
  EXPECT_EQ(parameterEditText("99999", 1760), "1760");
  model_.typeParameter(0, "abc");
  EXPECT_EQ(model_.parameterRows()[0].value, 0);
  EXPECT_EQ(parameterEditText("abc", 0), "0");
  model_.typeParameter(0, "0220");
  EXPECT_EQ(model_.parameterRows()[0].value, 220);
  EXPECT_EQ(parameterEditText("0220", 220), "0220");  // what the user typed stays
  EXPECT_EQ(parameterEditText("", 0), "0");
  EXPECT_EQ(parameterEditText("-5", 0), "0");
  model_.slideParameter(1, 100);
  EXPECT_EQ(model_.commandEntries()[0], "00:Sinus(220,100,0)");
  EXPECT_EQ(published(), 7);

  // Only the current command ran: a sine of 220 Hz at amplitude 100 in its stage.
  EXPECT_EQ(stageValue(0, 50),
            static_cast<int>(100 * 32767 * std::sin(50 * 220 * 0.00014240362811791384) / 256));

  model_.stepParameter(3, 1);  // a hidden row
  store().currentCommand = -1;
  model_.slideParameter(0, 5);
  EXPECT_EQ(published(), 0);
  EXPECT_EQ(store().currentRow()[0].p[0], 220);
}

TEST_F(SampleGeneratorModelTest, PickingAnOperationRetypesAndADoubleClickInsertsInstead) {
  setList({command(Saw, {300, 200, 7})});
  model_.pickOperation(Env);
  EXPECT_EQ(model_.commandEntries()[0], "00:Env(0,255,100,0)");
  model_.pickOperation(Reverse);    // the first click of a double click...
  model_.insertOperation(Reverse);  // ...is taken back
  EXPECT_EQ(model_.commandEntries(),
            (std::vector<std::string>{"01:Reverse()", "00:Env(0,255,100,0)"}));
  EXPECT_EQ(model_.selectedEntry(), 0);
  EXPECT_EQ(published(), 3);

  store().currentCommand = -1;
  model_.pickOperation(Sinus);  // no current command: nothing to retype
  EXPECT_EQ(published(), 0);
}

TEST(WaveformPicture, BarsRiseAndFallFromTheZeroLine) {
  // Stage values; the stage is 4 samples long, and position 4 (its end) is still drawn.
  const std::int16_t values[] = {0, 16384, -16384, 32767, -32768, 100};
  const ConstStageView stage(values, 6, 0);
  const int width = 7, height = 9;  // half height 4; the odd ninth row stays black
  std::vector<std::uint32_t> picture(width * height);
  auto rows = [&] {
    std::vector<std::string> text(height, std::string(width, '.'));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::uint32_t pixel = picture[y * width + x];
        EXPECT_TRUE(pixel == 0xFF000000u || pixel == 0xFF0000FFu) << std::hex << pixel;
        if (pixel == 0xFF0000FFu) text[y][x] = '#';
      }
    return text;
  };
  drawWaveform(stage, 4, {0, 256}, width, height, picture.data());
  EXPECT_EQ(rows(), (std::vector<std::string>{".......", ".......", "...#...", ".####..", "....#..",
                                              "....#..", ".......", ".......", "......."}));
  // Every second sample from sample 1: 16384, 32767, beyond the end.
  drawWaveform(stage, 4, {1, 512}, width, height, picture.data());
  EXPECT_EQ(rows(), (std::vector<std::string>{".......", ".......", ".#.....", "##.....", ".......",
                                              ".......", ".......", ".......", "......."}));
  // The sliders: zoom 2 is two samples a column; scroll 1 is 44,100 / width samples.
  EXPECT_EQ(waveformWindow(0, 2, width).zoom, 512);
  EXPECT_EQ(waveformWindow(1, 0, 441).scroll, 100);
}

TEST_F(SampleGeneratorModelTest, FilesAskWithTheirFiltersAndLoadsChangeOnlyWhatTheFileHolds) {
  TestFolder folder;
  std::vector<SampleFileRequest> asked;
  std::vector<std::int32_t> autofocus;
  std::optional<std::filesystem::path> answer;
  const SampleFileChooser choose = [&](const SampleFileRequest& request) {
    asked.push_back(request);
    autofocus.push_back(session_.layout().autofocusOff);
    return answer;
  };
  setList({command(Noise, {440, 255})}, 0);
  setList({command(SetSize, {2}), command(Saw, {220, 255, 0}), command(Invert)}, 7);

  answer = folder.path() / "seven";
  ASSERT_TRUE(model_.runFileCommand(SampleFileCommand::SaveWave, choose).ok());
  ASSERT_TRUE(model_.runFileCommand(SampleFileCommand::SaveLog, choose).ok());
  ASSERT_TRUE(model_.runFileCommand(SampleFileCommand::SaveSample, choose).ok());
  EXPECT_EQ(asked[0].suggestedName, "7.wav");
  EXPECT_EQ(asked[0].filterName, "Wav file");
  EXPECT_EQ(asked[1].suggestedName, "7.slog");
  EXPECT_EQ(asked[1].filterName, "sample file");
  EXPECT_EQ(asked[2].suggestedName, "");
  EXPECT_EQ(asked[2].pattern, "*.tsm");
  EXPECT_EQ(autofocus, (std::vector<std::int32_t>{0, 0, 1}));
  EXPECT_EQ(session_.layout().autofocusOff, 0);
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "seven.wav"), kWavHeaderBytes + 2 * 8820);
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "seven.tsm"), kSampleFileBytes);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "seven.slog"));
  EXPECT_EQ(published(), 1);  // save wave ran the list

  // The saved sample comes back over a changed one; sample 0 stays as it was.
  const CommandRow sampleZero = store().rows[0];
  model_.add();
  model_.add();
  answer = folder.path() / "seven.tsm";
  ASSERT_TRUE(model_.runFileCommand(SampleFileCommand::LoadSample, choose).ok());
  EXPECT_EQ(store().counts[7], 3);
  EXPECT_EQ(model_.commandEntries()[0], "02:Invert()");
  EXPECT_EQ(model_.selectedEntry(), 0);
  EXPECT_EQ(store().rows[0], sampleZero);
  EXPECT_EQ(store().counts[0], 1);

  // A damaged file is refused, naming it, and nothing changes.
  ASSERT_TRUE(writeFileAtomically(folder.path() / "bad.tsm", "short").ok());
  answer = folder.path() / "bad.tsm";
  model_.selectEntry(2);
  published();
  const Status refused = model_.runFileCommand(SampleFileCommand::LoadSample, choose);
  EXPECT_NE(refused.message.find("bad.tsm"), std::string::npos) << refused.message;
  EXPECT_EQ(store().currentCommand, 0);
  EXPECT_EQ(store().counts[7], 3);
  EXPECT_EQ(published(), 0);

  // A save that cannot write says so.
  answer = folder.path() / "no-such-folder" / "all";
  const Status unsaved = model_.runFileCommand(SampleFileCommand::SaveSamplePack, choose);
  EXPECT_NE(unsaved.message.find("all.tsp"), std::string::npos) << unsaved.message;

  // A cancelled load still runs the list and shows its last command.
  answer.reset();
  ASSERT_TRUE(model_.runFileCommand(SampleFileCommand::LoadSamplePack, choose).ok());
  EXPECT_EQ(store().currentCommand, 2);
  EXPECT_EQ(autofocus.back(), 1);
  EXPECT_EQ(published(), 1);
}

// Waits (within a generous limit) until check() holds.
template <typename Check>
bool eventually(Check check) {
  for (int tries = 0; tries < 500; ++tries) {
    if (check()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

TEST_F(SampleGeneratorModelTest, PlayHandsTheSoundToTheAudioDevice) {
  TestFolder folder;
  const auto played = folder.path() / "played.raw";
  ::setenv("XDG_CACHE_HOME", (folder.path() / "cache").c_str(), 1);
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", played.c_str(), 1);
  ::unsetenv("SDL_DISKAUDIODELAY");  // the driver keeps time, so the file grows only slowly
  setList({command(SetSize, {1}), command(Triangle, {300, 255, 0}), command(Reverse)});
  ASSERT_TRUE(model_.play().ok());
  EXPECT_EQ(model_.status(), "");
  const std::string sound = soundBytes(store());
  std::string bytes;
  EXPECT_TRUE(eventually(
      [&] { return readWholeFile(played, bytes).ok() && bytes.find(sound) != std::string::npos; }));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "cache" / "tessarine" / "template.wav"));
}

TEST_F(SampleGeneratorModelTest, WithoutASoundDevicePlaySaysSoOnce) {
  TestFolder folder;
  ::setenv("XDG_CACHE_HOME", folder.path().c_str(), 1);
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  setList({command(Sinus, {440, 255, 0})});
  EXPECT_TRUE(model_.play().ok());
  EXPECT_NE(model_.status().find("No sound device"), std::string::npos);
  EXPECT_EQ(published(), 1);
  EXPECT_TRUE(model_.play().ok());
  EXPECT_EQ(published(), 0);
}

}  // namespace
}  // namespace tess
