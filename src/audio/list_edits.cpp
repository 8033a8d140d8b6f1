#include "audio/list_edits.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <utility>

#include "audio/sample_operation_table.hpp"
#include "audio/synthesiser.hpp"

namespace tess {

namespace {

// The command at list index selection, or -1 for an index outside the list.
int commandAt(const SampleStore& store, int selection) {
  return selection >= 0 && selection < store.count() ? store.count() - 1 - selection : -1;
}

// Swaps commands a and b the way the window does: a goes to the exchange slot first.
void swapThroughExchangeSlot(CommandRow& row, int a, int b) {
  row[kExchangeSlot] = row[a];
  row[a] = row[b];
  row[b] = row[kExchangeSlot];
}

void changeSample(SampleStore& store, int sample) {
  store.currentSample = sample;
  store.currentCommand = store.count() - 1;
  runSampleList(store);
  selectCommand(store, 0);
}

// The current command's parameter j with its maximum, or nothing when it has none.
std::pair<std::int32_t*, int> currentParameter(SampleStore& store, int j) {
  if (store.currentCommand < 0 || j < 0 || j >= kSampleParamCount) return {nullptr, 0};
  SampleCommand& command = store.currentRow()[store.currentCommand];
  if (!isSampleOp(command.op)) return {nullptr, 0};
  return {&command.p[j], sampleOperations()[command.op].maxima[j]};
}

}  // namespace

int currentListIndex(const SampleStore& store) {
  return store.currentCommand < 0 ? -1 : store.count() - 1 - store.currentCommand;
}

bool addCommand(SampleStore& store) {
  const int n = store.count();
  if (n >= kMaxSampleCommands) return false;
  CommandRow& row = store.currentRow();
  for (int v = n - 1; v > store.currentCommand; --v) row[v + 1] = row[v];
  store.counts[store.currentSample] = n + 1;
  ++store.currentCommand;
  row[store.currentCommand] = SampleCommand{};
  runCommand(store);
  return true;
}

int deleteCommand(SampleStore& store, int selection) {
  const int n = store.count();
  if (n == 0) return -1;
  const int picked = commandAt(store, selection);
  const int v = picked < 0 ? n : picked;
  CommandRow& row = store.currentRow();
  for (int w = v; w < n - 1; ++w) row[w] = row[w + 1];
  store.counts[store.currentSample] = n - 1;
  store.currentCommand = std::min(v, n - 2);
  return currentListIndex(store);
}

int moveCommandUp(SampleStore& store, int selection) {
  const int v = commandAt(store, selection);
  if (v < 0 || v == store.count() - 1) return selection;
  swapThroughExchangeSlot(store.currentRow(), v, v + 1);
  runCommand(store);
  return selection - 1;
}

int moveCommandDown(SampleStore& store, int selection) {
  const int v = commandAt(store, selection);
  if (v <= 0) return selection;
  swapThroughExchangeSlot(store.currentRow(), v, v - 1);
  runCommand(store);
  return selection + 1;
}

void selectCommand(SampleStore& store, int selection) {
  const int v = commandAt(store, selection);
  if (v < 0) return;
  store.currentCommand = v;
  runCommand(store);
}

void previousSample(SampleStore& store) {
  changeSample(store, std::max(store.currentSample - 1, 0));
}

void nextSample(SampleStore& store) {
  changeSample(store, std::min(store.currentSample + 1, kSampleCount - 1));
}

void retypeCommand(SampleStore& store, int op) {
  if (store.currentCommand < 0) return;
  SampleCommand& command = store.currentRow()[store.currentCommand];
  command.op = op;
  if (isSampleOp(op)) {
    const SampleOpInfo& info = sampleOperations()[op];
    std::copy_n(info.defaults.begin(), info.count, command.p.begin());
  }
  runCommand(store);
}

int typedParameterValue(std::string_view text, int maximum) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size() || text.empty()) return 0;
  if (error == std::errc::result_out_of_range)
    value = text.front() == '-' ? LLONG_MIN : LLONG_MAX;
  else if (error != std::errc())
    return 0;
  return static_cast<int>(std::clamp<long long>(value, 0, maximum));
}

void setParameter(SampleStore& store, int j, int value) {
  auto [parameter, maximum] = currentParameter(store, j);
  if (!parameter) return;
  *parameter = value;
  runCommand(store);
}

void stepParameter(SampleStore& store, int j, int step) {
  auto [parameter, maximum] = currentParameter(store, j);
  if (!parameter) return;
  if ((step > 0 && *parameter < maximum) || (step < 0 && *parameter > 0)) *parameter += step;
  runCommand(store);
}

}  // namespace tess
