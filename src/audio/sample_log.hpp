#pragma once

// The sample log (.slog): the current sample's list as text, one command a line in list order,
// each its command text followed by ";":
//
//   SetSize(20);
//   Sinus(440,255,0);
//   Reverse();

#include <filesystem>
#include <string>
#include <string_view>

#include "audio/sample_store.hpp"
#include "core/file_io.hpp"

namespace tess {

std::string sampleLogText(const SampleStore& store);
Status saveSampleLog(const SampleStore& store, const std::filesystem::path& path);

// Reads a log into the current sample: its row is cleared and filled, its count set and its last
// command made current. Blank lines are skipped; parameters convert as atoi does and missing ones
// are 0. Refused (store unchanged, message naming the file and the line): a line that is not
// Name(...) with a known name, a line with more parameters than its operation takes, more than
// 255 commands.
Status readSampleLog(SampleStore& store, std::string_view text, const std::filesystem::path& name);
Status loadSampleLog(SampleStore& store, const std::filesystem::path& path);

}  // namespace tess
