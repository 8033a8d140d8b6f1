#include "cli/video_request.hpp"

#include <gtest/gtest.h>

namespace tess::cli {
namespace {

std::optional<VideoRequest> read(std::vector<std::string> args, std::string* message = nullptr) {
  std::string text;
  auto request = readVideoRequest(args, text);
  if (message) *message = text;
  EXPECT_EQ(request.has_value(), text.empty()) << text;
  return request;
}

TEST(VideoRequest, DefaultsToH264At1280x720And60FramesASecond) {
  const auto request = read({"demo.tsc", "--out", "demo.mp4"});
  ASSERT_TRUE(request);
  EXPECT_EQ(request->pack, "demo.tsc");
  EXPECT_EQ(request->out, "demo.mp4");
  EXPECT_EQ(request->format.container, VideoContainer::Mp4);
  EXPECT_EQ(request->format.width, 1280);
  EXPECT_EQ(request->format.height, 720);
  EXPECT_EQ(request->format.fps, 60);
  EXPECT_EQ(request->format.crf, 23);
  EXPECT_EQ(request->from, 0);
  EXPECT_FALSE(request->to);

  const auto webm = read({"demo.tsc", "--out", "a/Demo.WEBM", "--size", "321x241", "--fps", "240",
                          "--from", "500", "--to", "501", "--crf", "63"});
  ASSERT_TRUE(webm);
  EXPECT_EQ(webm->format.container, VideoContainer::WebM);  // VP9 takes odd sizes
  EXPECT_EQ(webm->format.width, 321);
  EXPECT_EQ(webm->format.crf, 63);
  EXPECT_EQ(*webm->to, 501);
  EXPECT_EQ(read({"demo.tsc", "--out", "x.mkv"})->format.container, VideoContainer::Matroska);
  EXPECT_EQ(read({"demo.tsc", "--png-dir", "frames", "--size", "17x17"})->pngDir, "frames");
}

TEST(VideoRequest, RefusesWhatCannotBeExportedWithOneLine) {
  const std::vector<std::vector<std::string>> refused = {
      {"demo.tsc"},                                           // no destination
      {"demo.tsc", "--out", "a.mp4", "--png-dir", "d"},       // two destinations
      {"--out", "a.mp4"},                                     // no pack
      {"demo.tsc", "--out", "a.avi"},                         // unknown extension
      {"demo.tsc", "--out", "mp4"},                           // no extension
      {"demo.tsc", "--out", "a.mp4", "--size", "15x100"},     // below 16
      {"demo.tsc", "--out", "a.webm", "--size", "8194x100"},  // above 8192
      {"demo.tsc", "--out", "a.mp4", "--size", "321x240"},    // odd for H.264
      {"demo.tsc", "--out", "a.mkv", "--size", "320x241"},
      {"demo.tsc", "--out", "a.mp4", "--fps", "0"},
      {"demo.tsc", "--out", "a.mp4", "--fps", "241"},
      {"demo.tsc", "--out", "a.mp4", "--from", "2000", "--to", "1000"},
      {"demo.tsc", "--out", "a.mp4", "--from", "1000", "--to", "1000"},
      {"demo.tsc", "--out", "a.mp4", "--from", "-1"},
      {"demo.tsc", "--out", "a.mp4", "--crf", "52"},          // H.264 stops at 51
      {"demo.tsc", "--out", "a.webm", "--crf", "64"},         // VP9 at 63
      {"demo.tsc", "--png-dir", "d", "--crf", "20"},
      {"demo.tsc", "--out", "a.mp4", "--speed", "2"},
  };
  for (const auto& args : refused) {
    std::string message;
    EXPECT_FALSE(read(args, &message)) << args.back();
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
  }
  std::string message;
  read({"demo.tsc", "--out", "clip.avi"}, &message);
  EXPECT_NE(message.find("clip.avi"), std::string::npos) << message;
}

}  // namespace
}  // namespace tess::cli
