#include "cli/sample_command.hpp"

#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "audio/sample_files.hpp"
#include "audio/sample_log.hpp"
#include "audio/synthesiser.hpp"
#include "audio/wav_file.hpp"
#include "cli/arguments.hpp"
#include "cli/commands.hpp"
#include "cli/status_report.hpp"
#include "core/file_io.hpp"

namespace tess::cli {

namespace {

// How each input kind loads and saves again.
struct SampleFormat {
  std::string_view extension;
  Status (*load)(SampleStore&, const std::filesystem::path&);
  Status (*save)(const SampleStore&, const std::filesystem::path&);
};

constexpr SampleFormat kFormats[] = {
    {".tsp", loadSamplePack, saveSamplePack},
    {".tsm", loadSampleFile, saveSampleFile},
    {".slog", loadSampleLog, saveSampleLog},
};

const SampleFormat* formatOf(const std::filesystem::path& input) {
  for (const SampleFormat& format : kFormats)
    if (input.extension() == format.extension) return &format;
  return nullptr;
}

struct SampleRequest {
  Arguments arguments;
  const SampleFormat* format = nullptr;
  int sample = 0;
};

std::optional<SampleRequest> parseRequest(const std::vector<std::string>& args,
                                          std::string& message) {
  SampleRequest request;
  auto arguments = parseArguments(args, {"sample", "wav", "raw", "log", "resave"}, message);
  if (!arguments) return std::nullopt;
  request.arguments = std::move(*arguments);
  if (request.arguments.positional.size() != 1) {
    message = "expected one sample file";
    return std::nullopt;
  }
  const std::string& input = request.arguments.positional[0];
  request.format = formatOf(input);
  if (!request.format) {
    message = "'" + input + "' is not a .tsp, .tsm or .slog file";
    return std::nullopt;
  }
  if (auto requested = request.arguments.option("sample")) {
    auto parsed = parseInteger(*requested, 0, kSampleCount - 1);
    if (!parsed) {
      message = "--sample must be 0..254";
      return std::nullopt;
    }
    request.sample = *parsed;
  }
  return request;
}

}  // namespace

int runSampleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string message;
  auto request = parseRequest(args, message);
  if (!request) {
    err << "tessarine-cli sample: " << message << "\n" << usageLine("sample");
    return kExitUsage;
  }
  const Arguments& arguments = request->arguments;
  const SampleFormat* format = request->format;
  const int sample = request->sample;
  const std::string& input = arguments.positional[0];

  auto store = std::make_unique<SampleStore>();
  store->currentSample = sample;
  if (!report(format->load(*store, input), err)) return kExitBadInput;
  store->currentCommand = store->count() - 1;
  runSampleList(*store);

  if (auto wav = arguments.option("wav")) {
    if (!report(saveWav(*store, *wav), err)) return kExitBadInput;
  }
  if (auto raw = arguments.option("raw")) {
    if (!report(writeFileAtomically(*raw, soundBytes(*store)), err)) return kExitBadInput;
  }
  if (auto log = arguments.option("log")) {
    if (!report(saveSampleLog(*store, *log), err)) return kExitBadInput;
  }
  if (auto resave = arguments.option("resave")) {
    if (!report(format->save(*store, *resave), err)) return kExitBadInput;
  }
  out << "'" << input << "': sample " << sample << ", " << store->count() << " commands, "
      << store->length() << " values\n";
  return kExitSuccess;
}

}  // namespace tess::cli
