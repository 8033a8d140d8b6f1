#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tess::cli {

// tessarine-cli mesh IN.tsc --scene S --object I [--camera C] [--time T] [--raw OUT] [--obj OUT]
// Loads the pack (regenerating its textures on the CPU), makes scene S current, expands its
// clones once, makes camera slot C (default 0) live and builds object I at modifier time T
// (default 0). --raw writes the 36-byte vertex records, --obj a Wavefront OBJ; stdout names the
// vertex and triangle counts. Types without geometry give an empty mesh.
int runMeshCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
