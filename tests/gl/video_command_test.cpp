// Exports of the example project, read back with FFmpeg's demuxers and decoders.
#include "cli/video_command.hpp"

#include <gtest/gtest.h>
#include <png.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "cli/arguments.hpp"
#include "cli/png_sequence.hpp"
#include "cli/render_command.hpp"
#include "timeline/test_module.hpp"
#include "editor/editor_session.hpp"
#include "engine/gl/headless_context.hpp"
#include "scene/pack_files.hpp"
#include "test_folder.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kDemo = fs::path(TESS_SOURCE_DIR) / "data/examples/demo.tsc";

struct ReadBack {
  std::string container;
  std::string videoCodec;
  int width = 0, height = 0;
  int frames = 0;
  double videoSeconds = 0;
  std::string audioCodec;  // empty without a sound stream
  int sampleRate = 0;
  std::int64_t samples = 0;
  std::vector<std::uint8_t> picked;  // the picked frame as blue, green, red, alpha
};

// Demuxes and decodes the whole file, keeping frame `pick`.
ReadBack readVideo(const fs::path& file, int pick) {
  ReadBack result;
  AVFormatContext* input = nullptr;
  if (avformat_open_input(&input, file.c_str(), nullptr, nullptr) < 0) return result;
  avformat_find_stream_info(input, nullptr);
  result.container = input->iformat->name;
  AVCodecContext* decoders[2] = {};
  const int video = av_find_best_stream(input, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  const int audio = av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  for (int i = 0; i < 2; ++i) {
    const int index = i == 0 ? video : audio;
    if (index < 0) continue;
    const AVCodecParameters* parameters = input->streams[index]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    decoders[i] = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoders[i], parameters);
    avcodec_open2(decoders[i], codec, nullptr);
    (i == 0 ? result.videoCodec : result.audioCodec) = avcodec_get_name(parameters->codec_id);
  }
  if (video >= 0) {
    const AVStream* stream = input->streams[video];
    result.width = stream->codecpar->width;
    result.height = stream->codecpar->height;
    result.videoSeconds = static_cast<double>(stream->duration) * av_q2d(stream->time_base);
  }
  if (audio >= 0) result.sampleRate = input->streams[audio]->codecpar->sample_rate;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  auto drain = [&](int i) {
    while (avcodec_receive_frame(decoders[i], frame) == 0) {
      if (i == 1) {
        result.samples += frame->nb_samples;
        continue;
      }
      if (result.frames++ != pick) continue;
      result.picked.resize(std::size_t{4} * frame->width * frame->height);
      SwsContext* convert = sws_getContext(frame->width, frame->height,
                                           static_cast<AVPixelFormat>(frame->format), frame->width,
                                           frame->height, AV_PIX_FMT_BGRA, SWS_POINT, nullptr,
                                           nullptr, nullptr);
      std::uint8_t* planes[1] = {result.picked.data()};
      const int strides[1] = {4 * frame->width};
      sws_scale(convert, frame->data, frame->linesize, 0, frame->height, planes, strides);
      sws_freeContext(convert);
    }
  };
  while (av_read_frame(input, packet) >= 0) {
    const int i = packet->stream_index == video ? 0 : packet->stream_index == audio ? 1 : -1;
    if (i >= 0 && avcodec_send_packet(decoders[i], packet) >= 0) drain(i);
    av_packet_unref(packet);
  }
  for (int i = 0; i < 2; ++i)
    if (decoders[i] != nullptr && avcodec_send_packet(decoders[i], nullptr) >= 0) drain(i);
  av_frame_free(&frame);
  av_packet_free(&packet);
  for (AVCodecContext*& decoder : decoders) avcodec_free_context(&decoder);
  avformat_close_input(&input);
  return result;
}

std::vector<std::uint8_t> readPng(const fs::path& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::vector<std::uint8_t> pixels;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return pixels;
  image.format = PNG_FORMAT_BGRA;
  pixels.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) pixels.clear();
  return pixels;
}

// Mean absolute difference of blue, green and red over two pictures of the same size.
double meanDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  if (a.size() != b.size() || a.empty()) return 255;
  double sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (i % 4 != 3) sum += std::abs(int{a[i]} - int{b[i]});
  return sum / (static_cast<double>(a.size()) * 3 / 4);
}

int exportVideo(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, error;
  const int status = runVideoCommand(args, out, error);
  if (err) *err = error.str();
  return status;
}

class VideoCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    if (!gl::HeadlessContext::create(error)) GTEST_SKIP() << "no headless OpenGL: " << error;
  }

  // The example project beside a module of its own, named in its "sound" field.
  fs::path demoWithMusic() {
    const fs::path pack = folder_.path() / "demo.tsc";
    EXPECT_TRUE(writeFileAtomically(folder_.path() / "tune.mod", testing::squareWaveModule()).ok());
    EditorSession session;
    PackLoadOptions options;
    options.regenerateTextures = false;
    EXPECT_TRUE(loadPack(session.project(), kDemo, options).status.ok());
    session.tracker().sound = "tune.mod";
    EXPECT_TRUE(savePack(session.project(), pack).ok());
    return pack;
  }

  TestFolder folder_;
};

TEST_F(VideoCommand, TwoSecondsOfTheExampleReadBackAsH264WithTheirMusic) {
  const fs::path pack = demoWithMusic();
  const fs::path video = folder_.path() / "demo.mp4";
  std::string err;
  ASSERT_EQ(exportVideo({pack, "--out", video, "--size", "160x120", "--fps", "25", "--to", "2000"},
                        &err),
            kExitSuccess)
      << err;
  EXPECT_FALSE(fs::exists(video.string() + ".part"));
  const ReadBack read = readVideo(video, 25);
  EXPECT_NE(read.container.find("mp4"), std::string::npos) << read.container;
  EXPECT_EQ(read.videoCodec, "h264");
  EXPECT_EQ(read.width, 160);
  EXPECT_EQ(read.height, 120);
  EXPECT_EQ(read.frames, 50);
  EXPECT_NEAR(read.videoSeconds, 2.0, 0.001);
  EXPECT_EQ(read.audioCodec, "aac");
  EXPECT_EQ(read.sampleRate, 48000);
  EXPECT_NEAR(static_cast<double>(read.samples), 96000, 1024);  // within one AAC frame

  // Frame 25 shows the show at one second, as "render --at 1000" draws it: within the codec's
  // loss, and nearer to that picture than to those of other times.
  auto renderedAt = [&](int ms) {
    const fs::path still = folder_.path() / "still.png";
    std::ostringstream out, err;
    EXPECT_EQ(runRenderCommand({pack, "--at", std::to_string(ms), "--size", "160x120", "--png",
                                still}, out, err),
              kExitSuccess) << err.str();
    return readPng(still);
  };
  const double difference = meanDifference(read.picked, renderedAt(1000));
  EXPECT_LT(difference, 6) << "mean absolute difference to the rendered frame";
  for (int other : {0, 500, 1500})
    EXPECT_LT(difference, meanDifference(read.picked, renderedAt(other))) << other;
}

TEST_F(VideoCommand, WebmCarriesVp9AndOpusAndAPackWithoutMusicHasNoSound) {
  const fs::path webm = folder_.path() / "demo.webm";
  ASSERT_EQ(exportVideo({demoWithMusic(), "--out", webm, "--size", "65x49", "--fps", "10",
                         "--from", "1000", "--to", "1500"}),
            kExitSuccess);
  ReadBack read = readVideo(webm, 0);
  EXPECT_NE(read.container.find("webm"), std::string::npos) << read.container;
  EXPECT_EQ(read.videoCodec, "vp9");
  EXPECT_EQ(read.width, 65);
  EXPECT_EQ(read.frames, 5);
  EXPECT_EQ(read.audioCodec, "opus");
  EXPECT_NEAR(static_cast<double>(read.samples), 24000, 960);

  const fs::path mkv = folder_.path() / "silent.mkv";
  ASSERT_EQ(exportVideo({kDemo, "--out", mkv, "--size", "64x48", "--fps", "5", "--to", "1000"}),
            kExitSuccess);
  read = readVideo(mkv, 0);
  EXPECT_NE(read.container.find("matroska"), std::string::npos) << read.container;
  EXPECT_EQ(read.frames, 5);
  EXPECT_EQ(read.audioCodec, "");
}

TEST_F(VideoCommand, PictureFolderHoldsOneNumberedPngPerFrame) {
  const fs::path frames = folder_.path() / "frames";
  ASSERT_EQ(exportVideo({kDemo, "--png-dir", frames, "--size", "32x24", "--fps", "4", "--from",
                         "250", "--to", "1250"}),
            kExitSuccess);
  int count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(frames)) ++count;
  EXPECT_EQ(count, 4);
  EXPECT_EQ(readPng(frames / PngSequence::fileName(3)).size(), 32u * 24 * 4);
}

TEST_F(VideoCommand, BadRequestsStopBeforeAnyWorkAndLeaveNothing) {
  const fs::path video = folder_.path() / "out.mp4";
  std::string err;
  EXPECT_EQ(exportVideo({kDemo, "--out", folder_.path() / "no/such/folder/out.mp4"}, &err),
            kExitBadInput);
  EXPECT_NE(err.find("no/such/folder/out.mp4"), std::string::npos) << err;
  EXPECT_EQ(exportVideo({kDemo, "--out", folder_.path() / "out.mov"}), kExitUsage);
  EXPECT_EQ(exportVideo({kDemo, "--out", video, "--size", "161x120"}), kExitUsage);
  EXPECT_EQ(exportVideo({(folder_.path() / "missing.tsc").string(), "--out", video}, &err),
            kExitBadInput);
  EXPECT_NE(err.find("missing.tsc"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  // A span after the end of the show has no frames.
  EXPECT_EQ(exportVideo({kDemo, "--out", video, "--from", "86000000"}, &err), kExitBadInput);
  EXPECT_TRUE(fs::is_empty(folder_.path())) << "a partly written file was left";
}

}  // namespace
}  // namespace tess::cli
