#include "cli/mesh_command.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/arguments.hpp"
#include "cli/commands.hpp"
#include "editor/editor_session.hpp"
#include "engine/clone_expansion.hpp"
#include "engine/mesh_builder.hpp"
#include "scene/pack_files.hpp"

namespace tess::cli {

namespace {

std::optional<double> parseTime(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string rawRecords(const MeshBuffers& mesh) {
  const auto* bytes = reinterpret_cast<const char*>(mesh.vertices.data());
  return std::string(bytes, bytes + sizeof(MeshVertex) * mesh.vertexCount);
}

// Positions, texture coordinates and normals one per vertex, then one face per triangle.
std::string objText(const MeshBuffers& mesh) {
  std::string text = "# tessarine mesh\n";
  char line[160];
  for (int i = 0; i < mesh.vertexCount; ++i) {
    const MeshVertex& v = mesh.vertices[i];
    std::snprintf(line, sizeof line, "v %.9g %.9g %.9g\nvt %.9g %.9g\nvn %.9g %.9g %.9g\n", v.x,
                  v.y, v.z, v.tu, v.tv, v.nx, v.ny, v.nz);
    text += line;
  }
  for (int t = 0; t < mesh.triangleCount; ++t) {
    const int a = 3 * t + 1, b = a + 1, c = a + 2;
    std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b, b, c, c, c);
    text += line;
  }
  return text;
}

struct MeshRequest {
  int scene = 0;
  int object = 0;
  int camera = 0;
  double time = 0;
};

// The numeric options, checked against the loaded project.
std::optional<MeshRequest> readRequest(const Arguments& arguments, const SceneStore& scenes,
                                       std::string& message) {
  MeshRequest request;
  const auto scene = parseInteger(arguments.option("scene").value_or(""), 0, scenes.sceneCount - 1);
  if (!scene) return message = "--scene names no scene of the pack", std::nullopt;
  request.scene = *scene;
  const int objects = scenes.scenes[*scene].objectCount;
  const auto object = parseInteger(arguments.option("object").value_or(""), 0, objects - 1);
  if (!object) return message = "--object names no object of the scene", std::nullopt;
  request.object = *object;
  const auto camera = parseInteger(arguments.option("camera").value_or("0"), 0, kCameraSlots - 1);
  if (!camera) return message = "--camera must be a slot 0..254", std::nullopt;
  request.camera = *camera;
  const auto time = parseTime(arguments.option("time").value_or("0"));
  if (!time) return message = "--time must be a number", std::nullopt;
  request.time = *time;
  return request;
}

}  // namespace

int runMeshCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string message;
  auto arguments = parseArguments(args, {"scene", "object", "camera", "time", "raw", "obj"}, message);
  if (arguments && (arguments->positional.size() != 1 || !arguments->option("scene") ||
                    !arguments->option("object"))) {
    arguments.reset();
    message = "expected one pack file, --scene and --object";
  }
  if (!arguments) {
    err << "tessarine-cli mesh: " << message << "\n" << usageLine("mesh");
    return kExitUsage;
  }
  const std::string& input = arguments->positional[0];

  EditorSession loaded;
  TextureImages images;
  PackLoadOptions options;
  options.afterTexture = [&](int) { images.capture(loaded.textures()); };
  PackLoad load = loadPack(loaded.project(), input, options);
  for (const std::string& notice : load.notices) err << "'" << input << "': " << notice << "\n";
  if (!load.status.ok()) {
    err << load.status.message << "\n";
    return kExitBadInput;
  }
  SceneStore& scenes = loaded.scenes();
  const auto request = readRequest(*arguments, scenes, message);
  if (!request) {
    err << "'" << input << "': " << message << "\n";
    return kExitBadInput;
  }

  scenes.currentScene = static_cast<std::uint8_t>(request->scene);
  ExpandClones(scenes.activeScene());
  scenes.liveCamera = scenes.cameras[request->camera];
  MeshInputs inputs;
  inputs.images = &images;
  inputs.camera = scenes.liveCamera;
  inputs.rotation = ComputeViewRotation(scenes.liveCamera);
  inputs.time = request->time;
  MeshBuffers mesh;
  buildMesh(scenes, request->scene, request->object, inputs, mesh);

  for (const auto& [option, contents] :
       {std::pair{"raw", rawRecords(mesh)}, std::pair{"obj", objText(mesh)}}) {
    const auto path = arguments->option(option);
    if (!path) continue;
    Status written = writeFileAtomically(*path, contents);
    if (!written.ok()) {
      err << written.message << "\n";
      return kExitBadInput;
    }
  }
  out << mesh.vertexCount << " vertices, " << mesh.triangleCount << " triangles\n";
  return kExitSuccess;
}

}  // namespace tess::cli
