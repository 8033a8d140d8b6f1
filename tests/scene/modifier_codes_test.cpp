#include "scene/modifier_codes.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <utility>

namespace tess {
namespace {

TEST(ModifierCodes, ListNamesCarryTheirRunPrefix) {
  EXPECT_EQ(kModifierCodes[modcode::Breath].listName, "•breath/exhalation");
  EXPECT_EQ(kModifierCodes[modcode::TwistY].listName, "  twist y");
  EXPECT_EQ(kModifierCodes[modcode::ZoomXyz].listName, "  zoom xyz");
  EXPECT_EQ(kModifierCodes[modcode::GlobalZoomX].listName, "•gl.zoom x");
  EXPECT_EQ(kModifierCodes[modcode::Empty].listName, "•empty");
  EXPECT_EQ(kModifierCodes[modcode::AnimaSpeed].listName, "anima-speed");
  for (int code = 0; code < kModifierCodeCount; ++code) {
    const std::string_view name = kModifierCodes[code].listName;
    const bool anima = code >= modcode::AnimaSpeed;
    EXPECT_EQ(name.starts_with("•") || name.starts_with("  "), !anima) << code;
    EXPECT_EQ(kModifierCodes[code].group == ModifierGroup::Anima, anima) << code;
  }
}

// Every row filled in (a short initialiser list would leave empty rows) and no two items of one
// menu alike.
TEST(ModifierCodes, EveryMenuHoldsDistinctFilledItems) {
  std::set<std::pair<std::string_view, std::string_view>> items[4];
  for (int code = 0; code < kModifierCodeCount; ++code) {
    const ModifierCodeInfo& info = kModifierCodes[code];
    EXPECT_FALSE(info.firstLabel.empty() || info.secondLabel.empty() || info.caption.empty())
        << code;
    EXPECT_TRUE(items[int(info.group)].emplace(info.subMenu, info.caption).second) << code;
  }
}

}  // namespace
}  // namespace tess
