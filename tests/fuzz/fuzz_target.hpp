#pragma once

// One fuzz target per file reader. Each target feeds the input to the reader and checks the
// contract every reader keeps: a read either fails with a one-line message naming the file and
// leaves the stores exactly as they were, or succeeds, and what it read writes back to text that
// reads again to the same state. A broken contract aborts with what broke.
//
// Built with clang and TESSARINE_FUZZ, a target is a libFuzzer program; in the ordinary build the
// same code is a GoogleTest case that replays the seed inputs and the kept findings.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_io.hpp"

#ifndef TESSARINE_LIBFUZZER
#include <gtest/gtest.h>
#endif

namespace tess::fuzz {

using TargetFunction = void (*)(std::string_view input);

#ifdef TESSARINE_LIBFUZZER
#define TESS_FUZZ_TARGET(name)                                                        \
  static void fuzz_##name(std::string_view input);                                    \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
    fuzz_##name(std::string_view(reinterpret_cast<const char*>(data), size));         \
    return 0;                                                                         \
  }                                                                                   \
  static void fuzz_##name(std::string_view input)
#else
// Runs target over the seed inputs and the kept findings of the target named name.
void replayInputs(std::string_view name, TargetFunction target);
#define TESS_FUZZ_TARGET(name)                      \
  static void fuzz_##name(std::string_view input);  \
  TEST(FuzzReplay, name) {                          \
    ::tess::fuzz::replayInputs(#name, fuzz_##name); \
  }                                                 \
  static void fuzz_##name(std::string_view input)
#endif

// Aborts with what when holds is false.
void expect(bool holds, const char* what);

// A refusal: one line, naming the file.
void expectRefusal(const Status& status, const std::filesystem::path& file);

// A private folder for the files a target hands to readers that take a path; removed at exit.
class FuzzFiles {
 public:
  FuzzFiles();
  ~FuzzFiles();
  FuzzFiles(const FuzzFiles&) = delete;
  FuzzFiles& operator=(const FuzzFiles&) = delete;

  // Writes data to the file called name in the folder and returns its path (a plain write: no
  // flush to disk for the millions of inputs).
  std::filesystem::path write(const std::string& name, std::string_view data) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace tess::fuzz
