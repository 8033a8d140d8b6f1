#include "audio/sample_log.hpp"

#include "audio/command_text.hpp"
#include "audio/sample_files.hpp"
#include "audio/sample_operation_table.hpp"
#include "core/crt_text.hpp"
#include "core/echoed_line.hpp"

namespace tess {

namespace {

std::string_view trimmed(std::string_view text) {
  const std::size_t first = skipWhiteSpace(text, 0);
  text.remove_prefix(first);
  while (!text.empty() &&
         std::string_view(" \t\r\n\f\v").find(text.back()) != std::string_view::npos)
    text.remove_suffix(1);
  return text;
}

// One "Name(p,...);" line into command; an empty string or the problem.
std::string readLine(std::string_view line, SampleCommand& command) {
  const std::size_t open = line.find('(');
  const std::size_t close = line.find(')', open == std::string_view::npos ? 0 : open);
  if (open == std::string_view::npos || close == std::string_view::npos)
    return "expected Name(...);";
  command.op = sampleOpByName(line.substr(0, open));
  if (command.op < 0) return "unknown command \"" + echoedLine(line) + "\"";

  const int count = sampleOperations()[command.op].count;
  const std::string_view params = line.substr(open + 1, close - open - 1);
  if (trimmed(params).empty()) return {};
  int j = 0;
  for (std::size_t pos = 0;; ++j) {
    if (j >= count)
      return std::string(sampleOperations()[command.op].name) + " takes " + itoa10(count) +
             " parameters";
    command.p[j] = atoiAt(params, pos);
    pos = params.find(',', pos);
    if (pos == std::string_view::npos) break;
    ++pos;
  }
  return {};
}

}  // namespace

std::string sampleLogText(const SampleStore& store) {
  std::string text;
  for (int v = 0; v < store.count(); ++v) text += commandText(store.currentRow()[v]) + ";\n";
  return text;
}

Status saveSampleLog(const SampleStore& store, const std::filesystem::path& path) {
  return writeFileAtomically(path, sampleLogText(store));
}

Status readSampleLog(SampleStore& store, std::string_view text, const std::filesystem::path& name) {
  CommandRow row{};
  int count = 0;
  int lineNumber = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty()) continue;
    const std::string where = "'" + name.string() + "': line " + itoa10(lineNumber) + ": ";
    if (count >= kMaxSampleCommands) return Status::failure(where + "more than 255 commands");
    if (std::string problem = readLine(line, row[count]); !problem.empty())
      return Status::failure(where + problem);
    ++count;
  }
  store.currentRow() = row;
  store.counts[store.currentSample] = count;
  store.currentCommand = count - 1;
  return Status::success();
}

Status loadSampleLog(SampleStore& store, const std::filesystem::path& path) {
  return loadWith(store, path, readSampleLog);
}

}  // namespace tess
