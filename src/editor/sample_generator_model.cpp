#include "editor/sample_generator_model.hpp"

#include <algorithm>
#include <charconv>

#include "audio/command_text.hpp"
#include "audio/list_edits.hpp"
#include "audio/sample_operation_table.hpp"
#include "audio/synthesiser.hpp"
#include "editor/editor_session.hpp"
#include "editor/waveform_picture.hpp"

namespace tess {

namespace {

std::string unsignedText(std::int32_t value) {
  return std::to_string(static_cast<std::uint32_t>(value));
}

}  // namespace

std::string parameterEditText(std::string_view typed, std::int32_t value) {
  std::uint64_t read = 0;
  const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), read);
  const bool exact = !typed.empty() && error == std::errc() && end == typed.data() + typed.size() &&
                     read == static_cast<std::uint32_t>(value);
  return exact ? std::string(typed) : unsignedText(value);
}

SampleStore& SampleGeneratorModel::samples() {
  return session_.samples();
}
const SampleStore& SampleGeneratorModel::samples() const {
  return session_.samples();
}

std::string SampleGeneratorModel::sampleNumber() const {
  return std::to_string(samples().currentSample);
}

std::vector<std::string> SampleGeneratorModel::commandEntries() const {
  return commandListEntries(samples());
}

int SampleGeneratorModel::selectedEntry() const {
  return currentListIndex(samples());
}

int SampleGeneratorModel::selectedOperation() const {
  const SampleStore& store = samples();
  if (store.currentCommand < 0) return -1;
  const int op = store.currentRow()[store.currentCommand].op;
  return isSampleOp(op) ? op : -1;
}

std::string SampleGeneratorModel::operationName() const {
  const int op = selectedOperation();
  return op < 0 ? std::string() : std::string(sampleOperations()[op].name);
}

std::array<ParameterRow, kSampleParamCount> SampleGeneratorModel::parameterRows() const {
  std::array<ParameterRow, kSampleParamCount> rows;
  const int op = selectedOperation();
  if (op < 0) return rows;
  const SampleOpInfo& info = sampleOperations()[op];
  const SampleCommand& command = samples().currentRow()[samples().currentCommand];
  for (int j = 0; j < info.count; ++j)
    rows[j] = {true, std::string(info.labels[j]), info.maxima[j], command.p[j],
               unsignedText(command.p[j])};
  return rows;
}

void SampleGeneratorModel::acted() {
  retyped_.reset();
  session_.publish(Change::Samples);
}

void SampleGeneratorModel::previousSample() {
  tess::previousSample(samples());
  acted();
}

void SampleGeneratorModel::nextSample() {
  tess::nextSample(samples());
  acted();
}

void SampleGeneratorModel::pickOperation(int op) {
  SampleStore& store = samples();
  if (store.currentCommand < 0) return;
  const Retyped before{store.currentSample, store.currentCommand,
                       store.currentRow()[store.currentCommand]};
  retypeCommand(store, op);
  acted();
  retyped_ = before;
}

void SampleGeneratorModel::insertOperation(int op) {
  SampleStore& store = samples();
  if (store.count() >= kMaxSampleCommands) return;
  if (retyped_ && retyped_->sample == store.currentSample &&
      retyped_->command == store.currentCommand) {
    store.currentRow()[store.currentCommand] = retyped_->before;
    runCommand(store);  // the new command reads its stage
  }
  addCommand(store);
  retypeCommand(store, op);
  acted();
}

void SampleGeneratorModel::add() {
  if (addCommand(samples())) acted();
}

void SampleGeneratorModel::remove(int selection) {
  SampleStore& store = samples();
  if (store.count() == 0) return;
  deleteCommand(store, selection);
  // Commands before the deleted one keep their stages, so running the one that took its place
  // shows its true result.
  runCommand(store);
  acted();
}

void SampleGeneratorModel::moveUp(int selection) {
  SampleStore& store = samples();
  const int moved = moveCommandUp(store, selection);
  if (moved == selection) return;
  // The moved command now reads the one it swapped with, just below it: run that one first.
  store.currentCommand = store.count() - 2 - moved;
  runCommand(store);
  selectCommand(store, moved);
  acted();
}

void SampleGeneratorModel::moveDown(int selection) {
  SampleStore& store = samples();
  const int moved = moveCommandDown(store, selection);
  if (moved == selection) return;
  selectCommand(store, moved);
  acted();
}

void SampleGeneratorModel::selectEntry(int selection) {
  SampleStore& store = samples();
  if (selection < 0 || selection >= store.count()) return;
  selectCommand(store, selection);
  acted();
}

bool SampleGeneratorModel::hasParameter(int j) const {
  const int op = selectedOperation();
  return op >= 0 && j >= 0 && j < sampleOperations()[op].count;
}

void SampleGeneratorModel::stepParameter(int j, int step) {
  if (!hasParameter(j)) return;
  tess::stepParameter(samples(), j, step);
  acted();
}

void SampleGeneratorModel::typeParameter(int j, std::string_view text) {
  if (!hasParameter(j)) return;
  setParameter(samples(), j, typedParameterValue(text, parameterRows()[j].maximum));
  acted();
}

void SampleGeneratorModel::slideParameter(int j, int value) {
  if (!hasParameter(j)) return;
  setParameter(samples(), j, std::clamp(value, 0, parameterRows()[j].maximum));
  acted();
}

void SampleGeneratorModel::setScrollPosition(int position) {
  scrollPosition_ = std::clamp(position, 0, kScrollSliderMaximum);
}

void SampleGeneratorModel::setZoomPosition(int position) {
  zoomPosition_ = std::clamp(position, 0, kZoomSliderMaximum);
}

void SampleGeneratorModel::drawWaveform(int width, int height, std::uint32_t* picture) const {
  const SampleStore& store = samples();
  tess::drawWaveform(store.stages.stage(store.currentCommand, store.length()), store.length(),
                     waveformWindow(scrollPosition_, zoomPosition_, width), width, height, picture);
}

}  // namespace tess
