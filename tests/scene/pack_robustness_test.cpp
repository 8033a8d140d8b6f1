#include <gtest/gtest.h>

#include "core/msvc_random.hpp"
#include "scene/pack_files.hpp"
#include "scene_test_support.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

using testing::TestProject;

std::string samplePackText() {
  TestProject sample;
  testing::fillSampleProject(sample);
  return sample.packText();
}

// The sample names a texture "soundtrack_1": the tracker block is the one at the end.
std::size_t trackerStart(const std::string& text) {
  return text.size() - 40'106;
}

bool reads(std::string_view text, std::string* message = nullptr) {
  PackContents contents;
  Status status = readPackText(text, contents);
  if (message) *message = status.message;
  return status.ok();
}

// Loading parses everything aside before it touches the project, so a text that does not parse
// leaves the project as it was; the tests below check both halves.
class PackRobustness : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::fillSampleProject(project_);
    project_.scenes->fontName = "before.wbmp";
    project_.scenes->snapshotCounter = 7;
    project_.scene(0).currentObject = 1;
    before_ = project_.packText();
  }

  // Loads text; a failure must name the file and leave the project unchanged.
  bool load(const std::string& text) {
    const std::filesystem::path path = folder_.path() / "damaged.tsc";
    testing::writeFile(path, text);
    PackLoad load =
        loadPack(project_.project, path, {.regenerateTextures = false, .afterTexture = {}});
    if (load.status.ok()) return true;
    EXPECT_NE(load.status.message.find("damaged.tsc"), std::string::npos) << load.status.message;
    EXPECT_EQ(project_.packText(), before_);
    EXPECT_EQ(project_.scenes->snapshotCounter, 7);
    EXPECT_EQ(project_.scene(0).currentObject, 1);
    return false;
  }

  TestFolder folder_;
  TestProject project_;
  std::string before_;
};

// Prefixes: every one that ends in the font line, the geometry block, the first material line or
// at a section's start, and at a stride elsewhere; a cut anywhere in one material line or one
// texture entry fails the same way as in the next.
std::vector<std::size_t> prefixLengths(const std::string& text) {
  const std::size_t secondMaterial = text.find("\n", text.find("mname=")) + 1;
  const std::size_t tracker = trackerStart(text);
  std::vector<std::pair<std::size_t, std::size_t>> everyByte = {
      {0, secondMaterial}, {tracker - 8, tracker + 16}, {text.size() - 16, text.size()}};
  for (const char* key : {"section:rendersettings_", "section:texturedata_"}) {
    const std::size_t at = text.find(key);
    everyByte.emplace_back(at - 8, at + 48);
  }
  std::vector<std::size_t> lengths;
  for (std::size_t length = 0; length < text.size(); ++length) {
    bool take = length % (length < tracker ? 61 : 997) == 0;
    for (auto [from, to] : everyByte) take = take || (length >= from && length < to);
    if (take) lengths.push_back(length);
  }
  return lengths;
}

TEST_F(PackRobustness, PrefixesReadOrFailWithAMessage) {
  const std::string text = samplePackText();
  const std::size_t tracker = trackerStart(text);
  // The reader stops right behind the last entry's "end".
  const std::size_t texturesEnd = text.rfind("end\n", tracker) + 3;
  for (std::size_t length : prefixLengths(text)) {
    std::string message;
    const bool ok = reads(std::string_view(text).substr(0, length), &message);
    // Only a pack whose texture section is complete reads: without a tracker, or with all of it.
    EXPECT_EQ(ok, length >= texturesEnd && length <= tracker + 5)
        << "length " << length << ": " << message;
    if (!ok) {
      ASSERT_FALSE(message.empty());
    }
  }
  EXPECT_TRUE(reads(text));
}

TEST_F(PackRobustness, CutPacksFailWithoutChangingTheProject) {
  const std::string text = samplePackText();
  for (std::size_t length = 0; length < text.size(); length += 997) load(text.substr(0, length));
  EXPECT_FALSE(load(text.substr(0, text.size() - 1)));
}

TEST_F(PackRobustness, FlippedBytesEitherLoadOrLeaveTheProject) {
  const std::string text = samplePackText();
  const std::size_t textPart = trackerStart(text) + 6;
  MsvcRandom random;
  random.seed(5);
  int loaded = 0, refused = 0;
  for (int trial = 0; trial < 100; ++trial) {
    std::string damaged = text;
    for (int flips = 1 + random.next() % 4; flips > 0; --flips) {
      const std::size_t at =
          (static_cast<std::size_t>(random.next()) << 15 | random.next()) % textPart;
      damaged[at] = static_cast<char>(random.next());
    }
    if (load(damaged)) {
      ++loaded;
      SetUp();  // a load that worked replaced the project: start again
    } else {
      ++refused;
    }
  }
  // Both halves of the check ran.
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}

TEST_F(PackRobustness, CountsBeyondTheirTablesFailNamingTheProblem) {
  TestProject small;
  small.scene(0).modifiers[0].count = 1;
  const std::string text = small.packText();
  const std::size_t geometry = text.find("geometry_\n") + 10;
  const std::size_t objects = geometry + 3;
  const std::size_t modifiers = text.find("\n\n\n1,") + 3;
  struct Case {
    std::size_t at;
    const char* value;
    const char* problem;
  };
  for (const Case& c :
       {Case{geometry, "65", "scene count 65 is outside 1..64"},
        Case{geometry, "0", "scene count 0 is outside 1..64"},
        Case{geometry, "-1", "scene count -1 is outside 1..64"},
        Case{objects, "256", "scene 0: object count 256 is outside 0..255"},
        Case{objects, "-1", "scene 0: object count -1 is outside 0..255"},
        Case{modifiers, "65", "scene 0, object 0: modifier count 65 is outside 0..64"},
        Case{modifiers, "-1", "scene 0, object 0: modifier count -1 is outside 0..64"}}) {
    std::string damaged = text;
    damaged.replace(c.at, 1, c.value);
    const std::filesystem::path path = folder_.path() / "counts.tsc";
    testing::writeFile(path, damaged);
    PackLoad load = loadPack(project_.project, path);
    EXPECT_NE(load.status.message.find(c.problem), std::string::npos) << load.status.message;
    EXPECT_NE(load.status.message.find("counts.tsc"), std::string::npos);
    EXPECT_EQ(project_.packText(), before_);
  }
}

TEST_F(PackRobustness, PacksBeyondAMillionBytesLoadWhole) {
  TestProject big;
  big.scenes->sceneCount = 8;
  for (int s = 0; s < 8; ++s) {
    Scene& scene = big.scene(s);
    scene.objectCount = 255;
    for (int i = 0; i < 255; ++i) {
      scene.modifiers[i].count = 64;
      scene.modifiers[i].entries[63].p1 = static_cast<std::int16_t>(-s * 1000 - i);
    }
  }
  const std::string text = big.packText();
  ASSERT_GT(text.size(), 1'000'000u);
  ASSERT_TRUE(load(text));
  EXPECT_EQ(project_.scene(7).modifiers[254].entries[63].p1, -7254);
}

}  // namespace
}  // namespace tess
