#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "desktop/desktop_session.h"
#include "tests/support/memory_env.h"
#include "tests/support/test_games.h"

namespace quillbat {

using Files = std::map<std::filesystem::path, std::string>;

// A desktop session over files in memory: a settings folder, the phrase files and the paper's
// style sheet that came with the program, the user's phrase folder, and a league folder holding
// the worked example as gm05.box.
class DesktopFixture : public testing::Test {
  protected:
    DesktopFixture() {
        env.copyFromDisk(kTestPhrases, shipped);
        env.files[shipped / "paper.css"] = "body { color: black; }\n";
        env.files[league / "gm05.box"] = systemEnv().readFile(kWorkedExample, kWorkedExample);
        initial = env.files;
    }
    DesktopSession& startSession() {
        return session_.emplace(FileLocations{settings, shipped, userPhrases, shipped, "c:\\"}, env,
                                7);
    }
    // The worked example's article with the test phrase files and seed.
    static std::string article(std::uint32_t seed) { return testArticle(kWorkedExample, seed); }
    // The files whose bytes differ from those in before, or that before lacks.
    Files changedSince(const Files& before) const {
        Files changed;
        for (const auto& [path, bytes] : env.files) {
            auto old = before.find(path);
            if (old == before.end() || old->second != bytes) {
                changed[path] = bytes;
            }
        }
        return changed;
    }

    const std::filesystem::path settings = kMemoryFolder / "settings";
    const std::filesystem::path shipped = kMemoryFolder / "program";
    const std::filesystem::path userPhrases = kMemoryFolder / "config" / "phrases";
    const std::filesystem::path league = kMemoryFolder / "league";
    const std::string game = pathToUtf8(league / "gm05.box");
    MemoryEnv env;
    Files initial;  // the files before the test
    std::optional<DesktopSession> session_;
};

}  // namespace quillbat
