#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "fuzz_target.hpp"

namespace tess::fuzz {

void expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "reader contract broken: %s\n", what);
  std::abort();
}

void expectRefusal(const Status& status, const std::filesystem::path& file) {
  expect(!status.ok(), "a refusal has a message");
  expect(status.message.find('\n') == std::string::npos, "a refusal is one line");
  expect(status.message.find(file.string()) != std::string::npos, "a refusal names the file");
}

FuzzFiles::FuzzFiles() {
  // Every input rewrites its file: on a disk each truncation may wait for a block discard, which
  // cut one target to a third of its speed. Memory, where there is a folder for it.
  const std::filesystem::path memory = "/dev/shm";
  const std::filesystem::path base =
      ::access(memory.c_str(), W_OK) == 0 ? memory : std::filesystem::temp_directory_path();
  std::string pattern = (base / "tessarine-fuzz-XXXXXX").string();
  expect(::mkdtemp(pattern.data()) != nullptr, "a private folder for the inputs");
  folder_ = pattern;
}

FuzzFiles::~FuzzFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::filesystem::path FuzzFiles::write(const std::string& name, std::string_view data) const {
  std::filesystem::path path = folder_ / name;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(data.data(), static_cast<std::streamsize>(data.size()));
  expect(static_cast<bool>(file), "writing the input file");
  return path;
}

}  // namespace tess::fuzz
