#include "fuzz_target.hpp"
#include "test_project.hpp"
#include "scene/pack_files.hpp"
#include "texture/texture_text.hpp"

namespace tess::fuzz {

namespace {

const PackLoadOptions kWithoutRegeneration{.regenerateTextures = false, .afterTexture = {}};

void expectOneLineNotices(const PackLoad& load) {
  for (const std::string& notice : load.notices)
    expect(notice.find('\n') == std::string::npos, "a notice is one line");
  expect(load.notices.size() <= kShownUnknownCommands + 2, "notices are capped");
}

}  // namespace

TESS_FUZZ_TARGET(complex_pack) {
  static FuzzFiles files;
  static testing::TestProject project, again;
  const std::string before = project.packText();
  const std::filesystem::path file = files.write("input.tsc", input);
  const PackLoad load = loadPack(project.project, file, kWithoutRegeneration);
  if (!load.status.ok()) {
    expectRefusal(load.status, file);
    expect(project.packText() == before, "a refused pack leaves the project as it was");
    return;
  }
  expectOneLineNotices(load);
  const std::string written = project.packText();
  const PackLoad reread =
      loadPack(again.project, files.write("written.tsc", written), kWithoutRegeneration);
  expect(reread.status.ok(), "a written pack reads again");
  expect(again.packText() == written, "a written pack reads again to the same project");
}

}  // namespace tess::fuzz
