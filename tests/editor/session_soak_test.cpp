// The session soak with a fixed seed, as CI runs it (also under the sanitizers).
#include <gtest/gtest.h>

#include <iostream>

#include "session_soak.hpp"
#include "test_folder.hpp"

namespace tess::soak {
namespace {

TEST(SessionSoak, FixedSeedKeepsEveryIndexInRangeAndSavesWhatItLoads) {
  TestFolder folder;
  const std::optional<std::string> failure = soak(20261207, 3000, folder.path() / "walk", std::cerr);
  EXPECT_FALSE(failure) << *failure;
}

}  // namespace
}  // namespace tess::soak
