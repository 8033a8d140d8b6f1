#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/sample_types.hpp"
#include "core/file_io.hpp"
#include "editor/changes.hpp"

namespace tess {

class EditorSession;
struct SampleStore;

// What a file button asks the user: a file to open, or a name to save under, with one filter.
struct SampleFileRequest {
  bool save = false;
  std::string caption;        // the dialog's title
  std::string filterName;     // "Wav file"
  std::string pattern;        // "*.wav"
  std::string suggestedName;  // "7.wav"; empty for none
};
// Asks the user; nothing when the dialog was cancelled.
using SampleFileChooser =
    std::function<std::optional<std::filesystem::path>(const SampleFileRequest&)>;

// The file buttons, in the order the window shows them.
enum class SampleFileCommand {
  SaveWave,
  LoadSample,
  SaveSample,
  LoadSamplePack,
  SaveSamplePack,
  SaveLog
};

// One parameter row: label, slider 0..maximum, "+", "-" and edit.
struct ParameterRow {
  bool shown = false;
  std::string label;
  int maximum = 0;
  std::int32_t value = 0;
  std::string text;  // the value as the edit shows it: unsigned decimal
};

// The text a parameter edit shows for value: what the user typed when it reads as exactly that
// value ("0220" for 220), else the value itself, so a typed number outside the range or text that
// is no number is replaced by what was stored.
std::string parameterEditText(std::string_view typed, std::int32_t value);

// The sample generator window's behaviour over the session's sample store: the current sample's
// command list, the current command's parameter rows, the waveform view, "Play" and the files.
// The list's selection is always the current command, so the rows, the view, "Del", "up" and
// "down" all act on the command that is highlighted. Every command that acts publishes
// Change::Samples once; a refused one publishes nothing.
class SampleGeneratorModel {
 public:
  explicit SampleGeneratorModel(EditorSession& session) : session_(session) {}

  static constexpr Changes kShown = Change::Samples;

  // What the window shows.
  std::string sampleNumber() const;
  // Newest command on top: "01:Saw(220,255,0)", "00:Sinus(440,255,0)".
  std::vector<std::string> commandEntries() const;
  // The current command's entry; -1 when none is current.
  int selectedEntry() const;
  // The current command's operation; -1 when none is current or its code is unknown.
  int selectedOperation() const;
  // "fname": the name of the current command's operation, empty when none.
  std::string operationName() const;
  // Rows beyond the operation's parameter count are hidden.
  std::array<ParameterRow, kSampleParamCount> parameterRows() const;
  // Said once "Play" found no sound device; empty otherwise.
  const std::string& status() const { return status_; }

  // "<" and ">": the neighbouring sample (0..254); its list runs and its last command is current.
  void previousSample();
  void nextSample();
  // A pick in the operation list retypes the current command with op's defaults; a double click
  // inserts a new op command after the current one instead (the pick that came with its first
  // click is taken back).
  void pickOperation(int op);
  void insertOperation(int op);
  // "Add": a Sinus(0,0,0) after the current command; refused at 255 commands.
  void add();
  // Edits of the list at a list index (-1: no selection). "Del" without a selection deletes the
  // last command; "up" and "down" do nothing at either end, and the current command follows the
  // moved one.
  void remove(int selection);
  void moveUp(int selection);
  void moveDown(int selection);
  void selectEntry(int selection);
  // Parameter row j of the current command: "+" (step 1) / "-" (step -1) within 0..maximum, a
  // typed text (no number: 0, limited to 0..maximum) and a slider position. Each reruns the
  // current command only.
  void stepParameter(int j, int step);
  void typeParameter(int j, std::string_view text);
  void slideParameter(int j, int value);

  // The waveform view: the current command's stage through the "scroll" (0..255) and "zoom"
  // (0..160) sliders.
  int scrollPosition() const { return scrollPosition_; }
  int zoomPosition() const { return zoomPosition_; }
  void setScrollPosition(int position);
  void setZoomPosition(int position);
  // A width x height picture, row 0 at the top, 0xAARRGGBB words.
  void drawWaveform(int width, int height, std::uint32_t* picture) const;

  // "Play": runs the list twice, writes "template.wav" to the cache folder and plays it in the
  // background, replacing what plays. Without a sound device it says so in status() and later
  // presses do nothing. A failure names the file.
  Status play();

  // The file buttons: ask with choose, then write or read; the pack and sample dialogs run with
  // window autofocus off. A load (also a cancelled one) runs the list and makes its last command
  // current; a refused load changes nothing. A failure names the file and the problem.
  Status runFileCommand(SampleFileCommand command, const SampleFileChooser& choose);
  static SampleFileRequest fileRequest(SampleFileCommand command, int sample);

 private:
  SampleStore& samples();
  const SampleStore& samples() const;
  bool hasParameter(int j) const;
  // Publishes Change::Samples and forgets the last operation pick.
  void acted();
  void showLastCommand();

  EditorSession& session_;
  int scrollPosition_ = 0;
  int zoomPosition_ = 0;
  std::string status_;
  // The command as it was before the last pick in the operation list, so that a double click
  // can take that pick back.
  struct Retyped {
    int sample = 0;
    int command = 0;
    SampleCommand before;
  };
  std::optional<Retyped> retyped_;
};

}  // namespace tess
