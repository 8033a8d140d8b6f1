#include "audio/command_text.hpp"

#include "audio/sample_operation_table.hpp"
#include "core/crt_text.hpp"

namespace tess {

std::string commandText(const SampleCommand& command) {
  if (!isSampleOp(command.op)) return "op" + itoa10(command.op) + "()";
  const SampleOpInfo& info = sampleOperations()[command.op];
  std::string text(info.name);
  text += '(';
  for (int j = 0; j < info.count; ++j) {
    if (j > 0) text += ',';
    text += itoa10(command.p[j]);
  }
  text += ')';
  return text;
}

std::string commandListEntry(int v, const SampleCommand& command) {
  return (v < 10 ? "0" : "") + itoa10(v) + ":" + commandText(command);
}

std::vector<std::string> commandListEntries(const SampleStore& store) {
  std::vector<std::string> entries;
  for (int v = store.count() - 1; v >= 0; --v)
    entries.push_back(commandListEntry(v, store.currentRow()[v]));
  return entries;
}

}  // namespace tess
