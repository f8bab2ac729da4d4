#pragma once

#include <filesystem>

// Boxscores written by the game itself, kept beside a checkout of the repository, not in it: a
// clone without them skips the tests that read them, saying so in the test's output (which
// ./test.sh prints after the run).
namespace quillbat {

inline const std::filesystem::path kRealSamples =
    std::filesystem::path(QUILLBAT_SOURCE_DIR) / "../shared/samples";

// Why a test that reads them skips, as GTEST_SKIP() prints it.
inline constexpr const char* kNoRealSamples =
    "skipped: the real sample boxscores are not beside this checkout (../shared/samples)";

}  // namespace quillbat
