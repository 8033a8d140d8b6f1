#include "audio/wav_file.hpp"

#include "audio/synthesiser.hpp"
#include "core/little_endian.hpp"

namespace tess {

namespace {

void appendSound(const SampleStore& store, std::string& out) {
  const ConstStageView stage = store.stages.stage(soundStage(store), store.length());
  for (int i = 0; i < store.length(); ++i)
    appendLittleEndian16(out, static_cast<std::int16_t>(stage[i]));
}

}  // namespace

std::string wavBytes(const SampleStore& store) {
  const std::int32_t dataBytes = 2 * store.length();
  std::string out;
  out.reserve(kWavHeaderBytes + dataBytes);
  out += "RIFF";
  appendLittleEndian32(out, dataBytes + 38);
  out += "WAVEfmt ";
  appendLittleEndian32(out, 18);
  appendLittleEndian16(out, 1);  // PCM
  appendLittleEndian16(out, 1);  // channels
  appendLittleEndian32(out, kSampleRate);
  appendLittleEndian32(out, 2 * kSampleRate);  // bytes per second
  appendLittleEndian16(out, 2);                // block align
  appendLittleEndian16(out, 16);               // bits per sample
  appendLittleEndian16(out, 0);                // extra format bytes
  out += "data";
  appendLittleEndian32(out, dataBytes);
  appendSound(store, out);
  return out;
}

Status saveWav(const SampleStore& store, const std::filesystem::path& path) {
  return writeFileAtomically(path, wavBytes(store));
}

std::string soundBytes(const SampleStore& store) {
  std::string out;
  appendSound(store, out);
  return out;
}

}  // namespace tess
