#include "cli/mesh_command.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "cli/arguments.hpp"
#include "cli_test_support.hpp"
#include "core/file_io.hpp"
#include "engine/mesh_vertex.hpp"
#include "test_folder.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

int runMesh(const std::vector<std::string>& args, std::string* out = nullptr) {
  CliRun run = runCli(runMeshCommand, args);
  if (out) *out = run.out;
  return run.status;
}

TEST(MeshCommand, WritesRawRecordsAndAnObjFile) {
  TestFolder folder;
  const fs::path raw = folder.path() / "m.raw", obj = folder.path() / "m.obj";
  std::string out;
  ASSERT_EQ(runMesh({kExamplePack, "--scene", "0", "--object", "0", "--time", "1.5", "--raw", raw,
                     "--obj", obj},
                    &out),
            kExitSuccess);
  int vertices = 0, triangles = 0;
  ASSERT_EQ(std::sscanf(out.c_str(), "%d vertices, %d triangles", &vertices, &triangles), 2);
  EXPECT_GT(vertices, 0);
  EXPECT_EQ(vertices, 3 * triangles);
  std::string bytes, text;
  ASSERT_TRUE(readWholeFile(raw, bytes).ok());
  EXPECT_EQ(bytes.size(), sizeof(MeshVertex) * vertices);
  std::uint32_t diffuse = 0;
  std::memcpy(&diffuse, bytes.data() + 24, 4);
  EXPECT_EQ(diffuse, kMeshDiffuse);
  ASSERT_TRUE(readWholeFile(obj, text).ok());
  EXPECT_EQ(std::count(text.begin(), text.end(), 'f'), triangles);
  EXPECT_NE(text.find("\nvn "), std::string::npos);
}

TEST(MeshCommand, RefusesBadArguments) {
  EXPECT_EQ(runMesh({kExamplePack, "--scene", "0"}), kExitUsage);
  EXPECT_EQ(runMesh({kExamplePack, "--scene", "9", "--object", "0"}), kExitBadInput);
  EXPECT_EQ(runMesh({kExamplePack, "--scene", "0", "--object", "200"}), kExitBadInput);
  EXPECT_EQ(runMesh({kExamplePack, "--scene", "0", "--object", "0", "--time", "x"}), kExitBadInput);
  EXPECT_EQ(runMesh({"/nonexistent.tsc", "--scene", "0", "--object", "0"}), kExitBadInput);
}

}  // namespace
}  // namespace tess::cli
