#include "audio/preview.hpp"

#include "audio/synthesiser.hpp"
#include "audio/wav_file.hpp"
#include "core/folders.hpp"

namespace tess {

std::filesystem::path previewWavPath() {
  return cacheFolder() / "template.wav";
}

Status writePreviewWav(SampleStore& store) {
  runSampleList(store);
  runSampleList(store);
  return saveWav(store, previewWavPath());
}

}  // namespace tess
