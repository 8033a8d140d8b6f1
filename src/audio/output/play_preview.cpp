#include "audio/output/play_preview.hpp"

#include "audio/preview.hpp"

namespace tess {

Status playPreview(SampleStore& store, SoundOutput& output) {
  Status written = writePreviewWav(store);
  return written.ok() ? output.playWavFile(previewWavPath()) : written;
}

}  // namespace tess
