#include "audio/sample_files.hpp"

#include "core/crt_text.hpp"
#include "core/little_endian.hpp"

namespace tess {

namespace {

constexpr int kReservedWords = 3;

void appendRow(std::string& out, const CommandRow& row) {
  for (const SampleCommand& command : row) {
    appendLittleEndian32(out, command.op);
    for (std::int32_t value : command.p) appendLittleEndian32(out, value);
    for (int w = 0; w < kReservedWords; ++w) appendLittleEndian32(out, 0);
  }
}

void readRow(std::string_view bytes, std::size_t offset, CommandRow& row) {
  for (SampleCommand& command : row) {
    command.op = readLittleEndian32(bytes, offset);
    for (int j = 0; j < kSampleParamCount; ++j)
      command.p[j] = readLittleEndian32(bytes, offset + 4 + 4 * j);
    offset += kCommandBytes;
  }
}

Status refuse(const std::filesystem::path& name, const std::string& problem) {
  return Status::failure("'" + name.string() + "': " + problem);
}

Status checkSize(std::string_view bytes, std::size_t expected, const char* what,
                 const std::filesystem::path& name) {
  if (bytes.size() == expected) return Status::success();
  return refuse(name, "is " + std::to_string(bytes.size()) + " bytes long; " + what + " has " +
                          std::to_string(expected));
}

Status checkCount(int count, const std::string& what, const std::filesystem::path& name) {
  if (count >= 0 && count <= kMaxSampleCommands) return Status::success();
  return refuse(name, what + " has " + itoa10(count) + " commands (0..255 allowed)");
}

Status checkCurrentCommand(int index, const std::filesystem::path& name) {
  if (index >= -1 && index < kMaxSampleCommands) return Status::success();
  return refuse(name, "the current command " + itoa10(index) + " is outside -1..254");
}

}  // namespace

std::string samplePackBytes(const SampleStore& store) {
  std::string out;
  out.reserve(kSamplePackBytes);
  for (const CommandRow& row : store.rows) appendRow(out, row);
  appendLittleEndian32(out, store.currentCommand);
  for (std::int32_t count : store.counts) appendLittleEndian32(out, count);
  return out;
}

std::string sampleFileBytes(const SampleStore& store) {
  std::string out;
  out.reserve(kSampleFileBytes);
  appendRow(out, store.currentRow());
  appendLittleEndian32(out, store.currentCommand);
  appendLittleEndian32(out, store.count());
  return out;
}

Status readSamplePack(SampleStore& store, std::string_view bytes,
                      const std::filesystem::path& name) {
  if (Status status = checkSize(bytes, kSamplePackBytes, "a sample pack", name); !status.ok())
    return status;
  const std::size_t tail = kCommandRows * kRowBytes;
  const int current = readLittleEndian32(bytes, tail);
  if (Status status = checkCurrentCommand(current, name); !status.ok()) return status;
  decltype(store.counts) counts;
  for (int s = 0; s < kSampleCount; ++s) {
    counts[s] = readLittleEndian32(bytes, tail + 4 + 4 * s);
    if (Status status = checkCount(counts[s], "sample " + itoa10(s), name); !status.ok())
      return status;
  }
  for (int row = 0; row < kCommandRows; ++row) readRow(bytes, row * kRowBytes, store.rows[row]);
  store.counts = counts;
  store.currentCommand = current;
  store.keepCurrentCommandInList();
  return Status::success();
}

Status readSampleFile(SampleStore& store, std::string_view bytes,
                      const std::filesystem::path& name) {
  if (Status status = checkSize(bytes, kSampleFileBytes, "a sample file", name); !status.ok())
    return status;
  const int current = readLittleEndian32(bytes, kRowBytes);
  const int count = readLittleEndian32(bytes, kRowBytes + 4);
  if (Status status = checkCurrentCommand(current, name); !status.ok()) return status;
  if (Status status = checkCount(count, "the sample", name); !status.ok()) return status;
  readRow(bytes, 0, store.currentRow());
  store.counts[store.currentSample] = count;
  store.currentCommand = current;
  store.keepCurrentCommandInList();
  return Status::success();
}

Status loadWith(SampleStore& store, const std::filesystem::path& path, SampleFileReader read) {
  std::string bytes;
  Status status = readWholeFile(path, bytes);
  return status.ok() ? read(store, bytes, path) : status;
}

Status loadSamplePack(SampleStore& store, const std::filesystem::path& path) {
  return loadWith(store, path, readSamplePack);
}

Status loadSampleFile(SampleStore& store, const std::filesystem::path& path) {
  return loadWith(store, path, readSampleFile);
}

Status saveSamplePack(const SampleStore& store, const std::filesystem::path& path) {
  return writeFileAtomically(path, samplePackBytes(store));
}

Status saveSampleFile(const SampleStore& store, const std::filesystem::path& path) {
  return writeFileAtomically(path, sampleFileBytes(store));
}

}  // namespace tess
