#include <gtest/gtest.h>

#include "desktop/desktop_arguments.h"

namespace quillbat {
namespace {

TEST(DesktopArgumentsTest, VersionIsAskedForOnlyByItsExactOption) {
    const auto version = [](std::vector<std::string> arguments) -> std::optional<bool> {
        auto parsed = parseDesktopArguments(arguments);
        const auto* given = std::get_if<DesktopArguments>(&parsed);
        return given ? std::optional(given->version) : std::nullopt;
    };
    EXPECT_EQ(version({"--version"}), true);
    EXPECT_EQ(version({"--seed", "5", "--version", "gm05.box"}), true);
    EXPECT_EQ(version({"--", "--version"}), false);
    EXPECT_EQ(version({"gm05.box"}), false);
    EXPECT_EQ(version({"--versions"}), std::nullopt);
    EXPECT_EQ(version({"--version=1"}), std::nullopt);
}

}  // namespace
}  // namespace quillbat
