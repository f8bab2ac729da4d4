// Replays the fuzz seed corpus and every input the fuzzers ever found at fault through the same
// checks the fuzz targets run, so the normal test run keeps them fixed.
#include <gtest/gtest.h>

#include <exception>
#include <filesystem>
#include <string>

#include "fuzz/boxscore_check.h"
#include "fuzz/phrase_check.h"
#include "fuzz/shipped_phrases.h"
#include "fuzz/story_check.h"
#include "system/file_system.h"

namespace quillbat::fuzzing {
namespace {

namespace fs = std::filesystem;

// Runs `check` on every file of fuzz/corpus/<target> and fuzz/regressions/<target>; a refused
// property fails the test with the input's name and the reason. Returns how many it ran.
template <typename Check>
int replay(const std::string& target, Check check) {
    int inputs = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(QUILLBAT_SOURCE_DIR) / "fuzz" / kind / target;
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            try {
                check(readWholeFile(entry.path(), entry.path().filename().string()));
            } catch (const std::exception& error) {
                ADD_FAILURE() << entry.path().filename() << ": " << error.what();
            }
            ++inputs;
        }
    }
    return inputs;
}

TEST(FuzzReplay, EveryInputPassesItsChecks) {
    ShippedPhrases phrases(fs::path(QUILLBAT_SOURCE_DIR) / "data");
    EXPECT_GT(replay("boxscore_reader",
                     [&](const std::string& bytes) { checkBoxscoreInput(bytes, phrases); }),
              0);
    EXPECT_GT(replay("phrase_file", [](const std::string& bytes) { checkPhraseInput(bytes); }), 0);
    EXPECT_GT(replay("play_by_play", [](const std::string& bytes) { checkStoryInput(bytes); }), 0);
}

}  // namespace
}  // namespace quillbat::fuzzing
