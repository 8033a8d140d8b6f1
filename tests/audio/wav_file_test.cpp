#include "audio/wav_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "audio/preview.hpp"
#include "audio_test_support.hpp"
#include "core/little_endian.hpp"
#include "test_folder.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

std::string header(std::int32_t dataBytes) {
  std::string h("RIFF", 4);
  appendLittleEndian32(h, dataBytes + 38);
  h += "WAVEfmt ";
  appendLittleEndian32(h, 18);
  h += std::string("\x01\x00\x01\x00", 4);
  appendLittleEndian32(h, 44'100);
  appendLittleEndian32(h, 88'200);
  h += std::string("\x02\x00\x10\x00\x00\x00", 6);
  h += "data";
  appendLittleEndian32(h, dataBytes);
  return h;
}

TEST(WavFileTest, HeaderThenTheLastCommandsStage) {
  auto store = storeWithList({command(SetSize, {1}), command(Saw, {440, 255, 0}), command(Invert)});
  runSampleList(*store);
  const std::string wav = wavBytes(*store);
  ASSERT_EQ(wav.size(), 46u + 2 * 4'410);
  EXPECT_EQ(wav.substr(0, 46), header(2 * 4'410));
  const std::vector<int> last = stageValues(*store, 2);
  for (int i : {0, 1, 4'409})
    EXPECT_EQ(static_cast<std::int16_t>(readLittleEndian32(wav + "xx", 46 + 2 * i)), last[i]);
  EXPECT_EQ(soundBytes(*store), wav.substr(46));
}

TEST(WavFileTest, AnEmptyListGivesLSilentSamples) {
  auto store = storeWithList({});
  const std::string wav = wavBytes(*store);
  EXPECT_EQ(wav, header(88'200) + std::string(88'200, '\0'));
}

// Python's wave module stands in for any program that plays the file.
TEST(WavFileTest, ARealReaderReadsIt) {
  auto store = storeWithList({command(SetSize, {2}), command(Sinus, {440, 255, 0})});
  runSampleList(*store);
  TestFolder folder;
  const auto path = folder.path() / "sine.wav";
  ASSERT_TRUE(saveWav(*store, path).ok());
  const std::string script =
      "import sys, wave, struct\n"
      "w = wave.open(sys.argv[1])\n"
      "n = w.getnframes()\n"
      "v = struct.unpack('<%dh' % n, w.readframes(n))\n"
      "print(w.getnchannels(), w.getsampwidth(), w.getframerate(), n, max(v), v[25])\n";
  const std::string commandLine =
      std::string(TESS_PYTHON3) + " -c \"" + script + "\" '" + path.string() + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(commandLine.c_str(), "r"), ::pclose);
  ASSERT_TRUE(pipe);
  char line[200] = {};
  ASSERT_TRUE(std::fgets(line, sizeof line, pipe.get()));
  const std::vector<int> sine = stageValues(*store, 1);
  const int peak = *std::max_element(sine.begin(), sine.end());
  EXPECT_EQ(std::string(line),
            "1 2 44100 8820 " + std::to_string(peak) + " " + std::to_string(sine[25]) + "\n");
}

TEST(PreviewTest, RunsTheListTwiceAndWritesTemplateWavInTheCacheFolder) {
  // Command 0 reads stage 2, which only the first run fills; the sound is stage 3 = stage 0.
  auto store =
      storeWithList({command(Mixer, {2, 2, 256, 0, 0, 0, 0}), command(Invert),
                     command(Saw, {440, 255, 0}), command(Mixer, {0, 0, 256, 0, 0, 0, 0})});
  ASSERT_TRUE(writePreviewWav(*store).ok());
  EXPECT_EQ(previewWavPath().filename(), "template.wav");
  EXPECT_NE(previewWavPath().string().find("cache"), std::string::npos);
  std::string written;
  ASSERT_TRUE(readWholeFile(previewWavPath(), written).ok());
  EXPECT_EQ(written, wavBytes(*store));
  EXPECT_EQ(static_cast<std::int16_t>(readLittleEndian32(written, 46)),
            32'639);  // the saw, not silence
}

}  // namespace
}  // namespace tess::testing
