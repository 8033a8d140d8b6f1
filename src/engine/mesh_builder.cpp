#include "engine/mesh_builder.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/modifier_engine.hpp"
#include "engine/point_generators.hpp"
#include "scene/scene_codes.hpp"

namespace tess {

namespace {

bool isCubeType(int type) {
  return type == objtype::Cube || type == objtype::LandscapeOnCubePlus ||
         type == objtype::LandscapeOnCubeMinus;
}

double normalScale(int normalMode) {
  switch (normalMode) {
    case 1: return 0;
    case 2: case 4: return -1;
    default: return 1;
  }
}

// Everything one grid (one face) of a build reads.
struct GridJob {
  const SceneObject& object;
  const ModifierProgram& modifiers;
  const MeshInputs& inputs;
  const ViewTransform& view;
  MeshScratch& scratch;
};

void gridStage(const GridJob& job, const PointGenerator& generator) {
  const SceneObject& o = job.object;
  const int segU = o.segU, segV = o.segV, columns = segU + 1;
  const bool post = o.type == objtype::Postprocessor;
  const ModifierPass pass{o, GridCell{0, 0, double(segU), double(segV), nullptr}, job.inputs.time};
  const double ox = o.posX / 64.0, oy = o.posY / 64.0, oz = o.posZ / 64.0;
  std::array<MeshPoint, kGridSide> row;
  std::array<double, kGridSide> columnU;
  for (int c = 0; c <= segU; ++c) columnU[c] = (c * 360.0 / segU) / 360;
  for (int r = 0; r <= segV; ++r) {
    std::uint8_t* weights = &job.scratch.selection[r * kGridSide];
    std::fill_n(weights, columns, std::uint8_t{1});
    const double rowV = (r * 360.0 / segV) / 360;
    for (int c = 0; c <= segU; ++c) {
      MeshPoint& p = row[c];
      p = MeshPoint{};
      p.tu0 = columnU[c];
      p.tv0 = rowV;
      generator.generate(r, c, p);
      if (!post) {
        p.px *= 1.0 / 64;
        p.py *= 1.0 / 64;
        p.pz *= 1.0 / 64;
      }
    }
    ModifierPass rowPass = pass;
    rowPass.cell.r = r;
    job.modifiers.applyRow(rowPass, row.data(), weights, columns);
    for (int c = 0; c <= segU; ++c) {
      MeshPoint& p = row[c];
      if (post) {
        p.px += ox;
        p.py += oy;
      } else {
        p.px += ox;
        p.py += oy;
        p.pz += oz;
        job.view.apply(p.px, p.py, p.pz);
      }
      GridPoint& g = job.scratch.grid[r * columns + c];
      g.x = p.px;
      g.y = p.pz;
      g.z = p.py;
      g.tu = o.mosaic1 * p.tu0;
      g.tv = o.mosaic2 * p.tv0;
    }
  }
}

void normalStage(const SceneObject& o, std::vector<GridPoint>& grid) {
  const int segU = o.segU, segV = o.segV, columns = segU + 1;
  const double s = normalScale(o.normalMode);
  for (int r = 0; r < segV; ++r) {
    for (int c = 0; c < segU; ++c) {
      GridPoint& a = grid[r * columns + c];
      const GridPoint& right = grid[r * columns + c + 1];
      const GridPoint& below = grid[(r + 1) * columns + c];
      const double d1x = right.x - a.x, d1y = right.y - a.y, d1z = right.z - a.z;
      const double d2x = below.x - a.x, d2y = below.y - a.y, d2z = below.z - a.z;
      double nx = d1y * d2z - d1z * d2y, ny = d1z * d2x - d1x * d2z, nz = d1x * d2y - d1y * d2x;
      const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
      if (length != 0) {
        const double k = s / length;
        nx *= k;
        ny *= k;
        nz *= k;
      }
      a.nx = nx;
      a.ny = ny;
      a.nz = nz;
    }
    GridPoint& last = grid[r * columns + segU];
    const GridPoint& first = grid[r * columns];
    last.nx = first.nx, last.ny = first.ny, last.nz = first.nz;
  }
  for (int c = 0; c <= segU; ++c) {
    GridPoint& last = grid[segV * columns + c];
    const GridPoint& first = grid[c];
    last.nx = first.nx, last.ny = first.ny, last.nz = first.nz;
  }
}

MeshVertex toVertex(const GridPoint& g) {
  return MeshVertex{float(g.x),  float(g.y),  float(g.z), float(g.nx), float(g.ny),
                    float(g.nz), kMeshDiffuse, float(g.tu), float(g.tv)};
}

void convertRow(const GridPoint* row, int columns, MeshVertex* out) {
  for (int c = 0; c < columns; ++c) out[c] = toVertex(row[c]);
}

// Emits A, B, C, B, D, C for every cell, row by row; every grid point is converted once.
void triangleStage(const SceneObject& o, const std::vector<GridPoint>& grid, MeshVertex* out) {
  const int segU = o.segU, segV = o.segV, columns = segU + 1;
  std::array<MeshVertex, kGridSide> first, second;
  MeshVertex* above = first.data();
  MeshVertex* below = second.data();
  convertRow(grid.data(), columns, above);
  for (int r = 0; r < segV; ++r) {
    convertRow(grid.data() + (r + 1) * columns, columns, below);
    for (int c = 0; c < segU; ++c) {
      *out++ = above[c];
      *out++ = above[c + 1];
      *out++ = below[c];
      *out++ = above[c + 1];
      *out++ = below[c + 1];
      *out++ = below[c];
    }
    std::swap(above, below);
  }
}

}  // namespace

bool isLandscape(int type) {
  return type == objtype::Landscape || type == objtype::LandscapeOnSphere ||
         type == objtype::LandscapeOnTube || type == objtype::LandscapeOnCubePlus ||
         type == objtype::LandscapeOnCubeMinus || type == objtype::LandscapeOnTorus;
}

void buildMesh(const SceneStore& scenes, int sceneIndex, int index, const MeshInputs& inputs,
               MeshBuffers& buffers) {
  buildMesh(scenes, sceneIndex, index, inputs, buffers, buffers);
}

void buildMesh(const SceneStore& scenes, int sceneIndex, int index, const MeshInputs& inputs,
               MeshScratch& scratch, BuiltMesh& mesh) {
  mesh.vertexCount = 0;
  mesh.triangleCount = 0;
  const Scene& scene = scenes.scenes[sceneIndex];
  const SceneObject& o = scene.objects[index];
  if (!typeHasGeometry(o.type) || o.segU == 0 || o.segV == 0) return;

  const int cells = o.segU * o.segV;
  const int faces = isCubeType(o.type) ? 6 : 1;
  const std::size_t needed = static_cast<std::size_t>(6) * cells * faces;
  if (mesh.vertices.size() < needed) mesh.vertices.resize(needed);

  // Material 255 does not exist: its landscape has no height map.
  const Material* material = o.material < kMaterialCount ? &scenes.materials[o.material] : nullptr;
  const TextureImage* heights = isLandscape(o.type) && inputs.images && material
                                    ? inputs.images->image(material->displaceMap)
                                    : nullptr;
  const int depth = material ? material->displaceDepth : 0;
  const ViewTransform view(inputs.camera, inputs.rotation, inputs.viewMode);
  // A postprocessor applies its own list only, in its own coordinates.
  scratch.modifiers.rebuild(scene, index, inputs.time, o.type != objtype::Postprocessor,
                            inputs.trig);
  const GridJob job{o, scratch.modifiers, inputs, view, scratch};
  double tilt = 0;
  for (int face = 0; face < faces; ++face) {
    const PointGenerator generator(o, scene.modifiers[index], heights, depth, face, tilt);
    gridStage(job, generator);
    normalStage(o, scratch.grid);
    triangleStage(o, scratch.grid, mesh.vertices.data() + std::size_t{6} * face * cells);
  }
  mesh.vertexCount = 6 * cells * faces;
  mesh.triangleCount = 2 * cells * faces;
}

void BuildObjectMesh(const SceneStore& scenes, const MeshInputs& inputs, MeshBuffers& buffers) {
  buildMesh(scenes, scenes.currentScene, scenes.activeObjectIndex(), inputs, buffers);
}

}  // namespace tess
