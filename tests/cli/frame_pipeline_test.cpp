#include "cli/frame_pipeline.hpp"

#include <gtest/gtest.h>

#include "cli/export_report.hpp"

namespace tess::cli {
namespace {

// Keeps the first byte of every picture and the sound it was given; fails on one picture.
class RecordingSink final : public FrameSink {
 public:
  explicit RecordingSink(int failAt = -1) : failAt_(failAt) {}
  Status addFrame(const std::uint8_t* bgra) override {
    if (static_cast<int>(pictures.size()) == failAt_) return Status::failure("'x.mp4': disk full");
    pictures.push_back(bgra[0]);
    return Status::success();
  }
  Status addSound(const float* interleaved, int frames) override {
    sound.insert(sound.end(), interleaved, interleaved + 2 * frames);
    return Status::success();
  }
  Status finish() override {
    finished = true;
    return Status::success();
  }

  std::vector<int> pictures;
  std::vector<float> sound;
  bool finished = false;

 private:
  int failAt_;
};

TEST(FramePipeline, HandsEveryFrameOverInOrderWithItsSound) {
  RecordingSink sink;
  {
    FramePipeline pipeline(sink, 16, 2);
    for (int k = 0; k < 100; ++k) {
      PipelineFrame* frame = pipeline.next();
      ASSERT_NE(frame, nullptr);
      frame->picture[0] = static_cast<std::uint8_t>(k);
      frame->sound.assign({static_cast<float>(k), -static_cast<float>(k)});
      pipeline.submit(frame);
    }
    EXPECT_TRUE(pipeline.finish().ok());
  }
  ASSERT_EQ(sink.pictures.size(), 100u);
  for (int k = 0; k < 100; ++k) EXPECT_EQ(sink.pictures[k], k);
  ASSERT_EQ(sink.sound.size(), 200u);
  EXPECT_EQ(sink.sound[198], 99.0f);
  EXPECT_TRUE(sink.finished);
}

TEST(FramePipeline, AFailingSinkStopsTheExportAndIsNotFinished) {
  RecordingSink sink(5);
  FramePipeline pipeline(sink, 16, 3);
  int handed = 0;
  for (PipelineFrame* frame; handed < 1000 && (frame = pipeline.next()) != nullptr; ++handed)
    pipeline.submit(frame);
  EXPECT_LT(handed, 1000);
  const Status finished = pipeline.finish();
  EXPECT_EQ(finished.message, "'x.mp4': disk full");
  EXPECT_EQ(sink.pictures.size(), 5u);
  EXPECT_FALSE(sink.finished);
}

TEST(ExportReport, SaysHowFarHowFastAndWhereTheTimeWent) {
  EXPECT_EQ(exportProgressText(0, 600, 0), "frame 0 of 600 (0%)");
  EXPECT_EQ(exportProgressText(120, 600, 4), "frame 120 of 600 (20%), 30.0 fps, 16 s left");
  ExportTimes times{3.0, 0.5, 1.5, 4.0};
  EXPECT_EQ(exportSummaryText(100, times),
            "100 frames in 4.0 s (25.0 fps): drawing 60%, read-back 10%, encoding 30% (beside the "
            "drawing)");
}

}  // namespace
}  // namespace tess::cli
