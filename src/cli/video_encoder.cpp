#include "cli/video_encoder.hpp"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>

namespace tess::cli {

namespace {

struct Codecs {
  const char* muxer;
  const char* video;
  const char* audio;
  int audioBitRate;
};

Codecs codecsFor(VideoContainer container) {
  switch (container) {
    case VideoContainer::Mp4:
      return {"mp4", "libx264", "aac", 192'000};
    case VideoContainer::Matroska:
      return {"matroska", "libx264", "aac", 192'000};
    case VideoContainer::WebM:
      break;
  }
  return {"webm", "libvpx-vp9", "libopus", 160'000};
}

std::string errorText(int error) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(error, text, sizeof text);
  return text;
}

// The encoder's own interleaved float format when it takes one, else its first.
AVSampleFormat soundFormatFor(const AVCodec& codec) {
  if (codec.sample_fmts == nullptr) return AV_SAMPLE_FMT_FLTP;
  for (const AVSampleFormat* f = codec.sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
    if (*f == AV_SAMPLE_FMT_FLT || *f == AV_SAMPLE_FMT_FLTP) return *f;
  return codec.sample_fmts[0];
}

}  // namespace

VideoEncoder::VideoEncoder(std::filesystem::path file, const VideoFormat& format)
    : file_(std::move(file)), format_(format) {}

VideoEncoder::~VideoEncoder() {
  if (output_ != nullptr && output_->pb != nullptr) avio_closep(&output_->pb);
  avformat_free_context(output_);
  avcodec_free_context(&video_);
  avcodec_free_context(&audio_);
  av_frame_free(&picture_);
  av_frame_free(&soundFrame_);
  av_packet_free(&packet_);
  sws_freeContext(scaler_);
  swr_free(&resampler_);
}

Status VideoEncoder::failure(const std::string& what, int error) const {
  return Status::failure("'" + file_.string() + "': " + what +
                         (error < 0 ? " (" + errorText(error) + ")" : ""));
}

std::unique_ptr<VideoEncoder> VideoEncoder::open(const std::filesystem::path& file,
                                                 const VideoFormat& format, Status& status) {
  av_log_set_level(AV_LOG_QUIET);  // failures come back as statuses, in one line
  std::unique_ptr<VideoEncoder> encoder(new VideoEncoder(file, format));
  status = encoder->openStreams();
  if (!status.ok()) return nullptr;
  return encoder;
}

Status VideoEncoder::openStreams() {
  const Codecs codecs = codecsFor(format_.container);
  int error = avformat_alloc_output_context2(&output_, nullptr, codecs.muxer, file_.c_str());
  if (error < 0) return failure(std::string("no ") + codecs.muxer + " writer in FFmpeg", error);

  const AVCodec* videoCodec = avcodec_find_encoder_by_name(codecs.video);
  if (videoCodec == nullptr) return failure(std::string("FFmpeg has no ") + codecs.video + " encoder", 0);
  videoStream_ = avformat_new_stream(output_, nullptr);
  video_ = avcodec_alloc_context3(videoCodec);
  picture_ = av_frame_alloc();
  packet_ = av_packet_alloc();
  if (videoStream_ == nullptr || video_ == nullptr || picture_ == nullptr || packet_ == nullptr)
    return failure("out of memory", 0);
  video_->width = format_.width;
  video_->height = format_.height;
  video_->time_base = AVRational{1, format_.fps};
  video_->framerate = AVRational{format_.fps, 1};
  video_->pix_fmt = AV_PIX_FMT_YUV420P;
  // swscale converts with the BT.601 matrix into the limited range: say so in the stream.
  video_->colorspace = AVCOL_SPC_SMPTE170M;
  video_->color_primaries = AVCOL_PRI_SMPTE170M;
  video_->color_trc = AVCOL_TRC_SMPTE170M;
  video_->color_range = AVCOL_RANGE_MPEG;
  video_->gop_size = 2 * format_.fps;  // a key frame every two seconds, for seeking
  if (output_->oformat->flags & AVFMT_GLOBALHEADER) video_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  const std::string crf = std::to_string(format_.crf);
  av_opt_set(video_->priv_data, "crf", crf.c_str(), 0);
  if (format_.container == VideoContainer::WebM) {
    video_->bit_rate = 0;  // constant quality alone
    av_opt_set(video_->priv_data, "deadline", "good", 0);
    av_opt_set(video_->priv_data, "cpu-used", "4", 0);
    av_opt_set(video_->priv_data, "row-mt", "1", 0);
  } else {
    av_opt_set(video_->priv_data, "preset", "fast", 0);
  }
  if ((error = avcodec_open2(video_, videoCodec, nullptr)) < 0)
    return failure(std::string("the ") + codecs.video + " encoder does not open", error);
  avcodec_parameters_from_context(videoStream_->codecpar, video_);
  videoStream_->time_base = video_->time_base;
  picture_->format = video_->pix_fmt;
  picture_->width = format_.width;
  picture_->height = format_.height;
  if ((error = av_frame_get_buffer(picture_, 0)) < 0) return failure("out of memory", error);
  scaler_ = sws_getContext(format_.width, format_.height, AV_PIX_FMT_BGRA, format_.width,
                           format_.height, AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
  if (scaler_ == nullptr) return failure("no picture conversion to YUV 4:2:0", 0);

  if (format_.sound) {
    const AVCodec* audioCodec = avcodec_find_encoder_by_name(codecs.audio);
    if (audioCodec == nullptr)
      return failure(std::string("FFmpeg has no ") + codecs.audio + " encoder", 0);
    audioStream_ = avformat_new_stream(output_, nullptr);
    audio_ = avcodec_alloc_context3(audioCodec);
    soundFrame_ = av_frame_alloc();
    if (audioStream_ == nullptr || audio_ == nullptr || soundFrame_ == nullptr)
      return failure("out of memory", 0);
    audio_->sample_rate = format_.sampleRate;
    av_channel_layout_default(&audio_->ch_layout, 2);
    audio_->sample_fmt = soundFormatFor(*audioCodec);
    audio_->bit_rate = codecs.audioBitRate;
    audio_->time_base = AVRational{1, format_.sampleRate};
    if (output_->oformat->flags & AVFMT_GLOBALHEADER) audio_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if ((error = avcodec_open2(audio_, audioCodec, nullptr)) < 0)
      return failure(std::string("the ") + codecs.audio + " encoder does not open", error);
    avcodec_parameters_from_context(audioStream_->codecpar, audio_);
    audioStream_->time_base = audio_->time_base;
    AVChannelLayout stereo{};
    av_channel_layout_default(&stereo, 2);
    error = swr_alloc_set_opts2(&resampler_, &audio_->ch_layout, audio_->sample_fmt,
                                format_.sampleRate, &stereo, AV_SAMPLE_FMT_FLT, format_.sampleRate,
                                0, nullptr);
    if (error < 0 || (error = swr_init(resampler_)) < 0)
      return failure("no sound conversion for the encoder", error);
  }

  if ((error = avio_open(&output_->pb, file_.c_str(), AVIO_FLAG_WRITE)) < 0)
    return failure("cannot be written", error);
  AVDictionary* options = nullptr;
  // The index at the front, so that players start before the whole file has arrived.
  if (format_.container == VideoContainer::Mp4) av_dict_set(&options, "movflags", "+faststart", 0);
  error = avformat_write_header(output_, &options);
  av_dict_free(&options);
  if (error < 0) return failure("the header cannot be written", error);
  return Status::success();
}

Status VideoEncoder::send(AVCodecContext* codec, AVStream* stream, const AVFrame* frame) {
  int error = avcodec_send_frame(codec, frame);
  if (error < 0) return failure("encoding failed", error);
  for (;;) {
    error = avcodec_receive_packet(codec, packet_);
    if (error == AVERROR(EAGAIN) || error == AVERROR_EOF) return Status::success();
    if (error < 0) return failure("encoding failed", error);
    // Every picture lasts one frame; a container told nothing (MP4) would cut the last one off.
    if (codec == video_ && packet_->duration == 0) packet_->duration = 1;
    av_packet_rescale_ts(packet_, codec->time_base, stream->time_base);
    packet_->stream_index = stream->index;
    error = av_interleaved_write_frame(output_, packet_);  // takes the packet's data
    if (error < 0) return failure("cannot be written", error);
  }
}

Status VideoEncoder::addFrame(const std::uint8_t* bgra) {
  int error = av_frame_make_writable(picture_);
  if (error < 0) return failure("out of memory", error);
  const std::uint8_t* planes[1] = {bgra};
  const int strides[1] = {4 * format_.width};
  sws_scale(scaler_, planes, strides, 0, format_.height, picture_->data, picture_->linesize);
  picture_->pts = picturesSent_++;
  return send(video_, videoStream_, picture_);
}

Status VideoEncoder::encodeSound(int frames) {
  soundFrame_->nb_samples = frames;
  soundFrame_->format = audio_->sample_fmt;
  soundFrame_->sample_rate = audio_->sample_rate;
  av_channel_layout_copy(&soundFrame_->ch_layout, &audio_->ch_layout);
  int error = av_frame_get_buffer(soundFrame_, 0);
  if (error < 0) return failure("out of memory", error);
  const auto* source = reinterpret_cast<const std::uint8_t*>(pendingSound_.data());
  error = swr_convert(resampler_, soundFrame_->data, frames, &source, frames);
  if (error < 0) return failure("sound conversion failed", error);
  pendingSound_.erase(pendingSound_.begin(), pendingSound_.begin() + 2 * frames);
  soundFrame_->pts = samplesSent_;
  samplesSent_ += frames;
  Status sent = send(audio_, audioStream_, soundFrame_);
  av_frame_unref(soundFrame_);
  return sent;
}

Status VideoEncoder::addSound(const float* interleaved, int frames) {
  if (audio_ == nullptr) return Status::success();
  pendingSound_.insert(pendingSound_.end(), interleaved, interleaved + 2 * frames);
  // Encoders with a fixed frame size take exactly that many samples but for the last frame.
  const int size = audio_->frame_size > 0 ? audio_->frame_size : 1024;
  while (pendingSound_.size() >= 2 * static_cast<std::size_t>(size))
    if (Status encoded = encodeSound(size); !encoded.ok()) return encoded;
  return Status::success();
}

Status VideoEncoder::finish() {
  if (audio_ != nullptr) {
    if (!pendingSound_.empty())
      if (Status encoded = encodeSound(static_cast<int>(pendingSound_.size() / 2)); !encoded.ok())
        return encoded;
    if (Status drained = send(audio_, audioStream_, nullptr); !drained.ok()) return drained;
  }
  if (Status drained = send(video_, videoStream_, nullptr); !drained.ok()) return drained;
  if (int error = av_write_trailer(output_); error < 0) return failure("cannot be completed", error);
  if (int error = avio_closep(&output_->pb); error < 0) return failure("cannot be written", error);
  return Status::success();
}

}  // namespace tess::cli
