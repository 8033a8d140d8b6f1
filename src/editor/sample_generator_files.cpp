// The sample generator's "Play" and its file buttons.
#include "audio/list_edits.hpp"
#include "audio/output/play_preview.hpp"
#include "audio/sample_files.hpp"
#include "audio/sample_log.hpp"
#include "audio/synthesiser.hpp"
#include "audio/wav_file.hpp"
#include "editor/editor_session.hpp"
#include "editor/sample_generator_model.hpp"

namespace tess {

namespace {

struct FileCommandInfo {
  bool save;
  const char* caption;
  const char* filterName;
  const char* extension;
  bool namedAfterSample;  // suggests "7.wav" for sample 7
  bool withoutAutofocus;
};

const FileCommandInfo& info(SampleFileCommand command) {
  static const FileCommandInfo kInfo[] = {
      {true, "save wave", "Wav file", ".wav", true, false},
      {false, "load sample", "Tessarine sample", ".tsm", false, true},
      {true, "save sample", "Tessarine sample", ".tsm", false, true},
      {false, "load sample pack", "Tessarine samples pack", ".tsp", false, true},
      {true, "save sample pack", "Tessarine samples pack", ".tsp", false, true},
      {true, "save log", "sample file", ".slog", true, false},
  };
  return kInfo[static_cast<int>(command)];
}

Status write(SampleFileCommand command, const SampleStore& store,
             const std::filesystem::path& path) {
  switch (command) {
    case SampleFileCommand::SaveWave:
      return saveWav(store, path);
    case SampleFileCommand::SaveSample:
      return saveSampleFile(store, path);
    case SampleFileCommand::SaveSamplePack:
      return saveSamplePack(store, path);
    case SampleFileCommand::SaveLog:
      return saveSampleLog(store, path);
    default:
      return Status::success();
  }
}

}  // namespace

SampleFileRequest SampleGeneratorModel::fileRequest(SampleFileCommand command, int sample) {
  const FileCommandInfo& about = info(command);
  return {about.save, about.caption, about.filterName, std::string("*") + about.extension,
          about.namedAfterSample ? std::to_string(sample) + about.extension : std::string()};
}

Status SampleGeneratorModel::play() {
  SoundOutput& sound = session_.sound();
  if (sound.unavailable()) return Status::success();
  const Status played = playPreview(samples(), sound);
  if (sound.unavailable()) status_ = "No sound device: Play stays silent.";
  acted();
  return played;
}

Status SampleGeneratorModel::runFileCommand(SampleFileCommand command,
                                            const SampleFileChooser& choose) {
  SampleStore& store = samples();
  const FileCommandInfo& about = info(command);
  if (command == SampleFileCommand::SaveWave) {
    runSampleList(store);
    acted();
  }

  std::int32_t& autofocusOff = session_.layout().autofocusOff;
  const std::int32_t autofocusBefore = autofocusOff;
  if (about.withoutAutofocus) autofocusOff = 1;
  std::optional<std::filesystem::path> chosen = choose(fileRequest(command, store.currentSample));
  autofocusOff = autofocusBefore;

  if (about.save)
    return chosen ? write(command, store, withExtension(*chosen, about.extension))
                  : Status::success();
  if (chosen) {
    const Status loaded = command == SampleFileCommand::LoadSamplePack
                              ? loadSamplePack(store, *chosen)
                              : loadSampleFile(store, *chosen);
    if (!loaded.ok()) return loaded;
  }
  showLastCommand();
  return Status::success();
}

void SampleGeneratorModel::showLastCommand() {
  SampleStore& store = samples();
  runSampleList(store);
  selectCommand(store, 0);
  acted();
}

}  // namespace tess
