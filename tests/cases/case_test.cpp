// Every boxscore of examples/ and tests/cases/ read and written up as the command-line tool does.
// Beside each, in tests/cases/: NAME.record.json (the record as --record prints it) or
// NAME.refusal.txt (the refusal), and NAME.seedN.txt, the article written with seed N and the
// phrase files of data/. README.md there says how each expected file was checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "boxscore/input_error.h"
#include "core/folder_phrase_source.h"
#include "core/load_game.h"
#include "core/record_json.h"
#include "system/env.h"
#include "system/file_system.h"
#include "tests/support/real_samples.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = QUILLBAT_SOURCE_DIR;
const fs::path kCases = kSource / "tests/cases";

std::string textOf(const fs::path& path) {
    return readWholeFile(path, path.filename().string());
}

// The boxscores of examples/, then those of tests/cases/.
std::vector<fs::path> boxscores() {
    std::vector<fs::path> all;
    for (const fs::path& folder : {kSource / "examples", kCases}) {
        const std::size_t start = all.size();
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".box") {
                all.push_back(entry.path());
            }
        }
        std::sort(all.begin() + static_cast<std::ptrdiff_t>(start), all.end());
    }
    return all;
}

TEST(Cases, EveryBoxscoreGivesItsExpectedRecordOrRefusal) {
    for (const fs::path& boxscore : boxscores()) {
        const fs::path record = kCases / (boxscore.stem().string() + ".record.json");
        try {
            const std::string json =
                recordToJson(readBoxscore(textOf(boxscore), boxscore.filename().string())) + "\n";
            ASSERT_TRUE(fs::exists(record)) << boxscore << " has no expected record";
            const std::string expected = textOf(record);
            EXPECT_EQ(json, expected) << boxscore.filename() << " differs from its record: "
                                      << nlohmann::json::diff(nlohmann::json::parse(expected),
                                                              nlohmann::json::parse(json));
        } catch (const InputError& refusal) {
            const fs::path expected = kCases / (boxscore.stem().string() + ".refusal.txt");
            EXPECT_EQ(std::string(refusal.what()) + "\n", textOf(expected));
        }
    }
}

TEST(Cases, SeededArticlesAreWrittenAsExpected) {
    FolderPhraseSource phrases(kSource / "data", systemEnv());
    int compared = 0;
    for (const fs::path& boxscore : boxscores()) {
        for (std::uint32_t seed : {7u, 8u}) {
            const fs::path article =
                kCases / (boxscore.stem().string() + ".seed" + std::to_string(seed) + ".txt");
            if (fs::exists(article)) {
                const GameLoad load = loadGame(systemEnv(), pathToUtf8(boxscore), phrases, seed);
                ASSERT_TRUE(load.complete) << load.message;
                EXPECT_EQ(load.game->article + "\n", textOf(article)) << article.filename();
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 17);
}

// The real samples (see real_samples.h); the values were read off the files by hand.
TEST(Cases, RealSamplesGiveTheValuesReadByHand) {
    if (!fs::is_directory(kRealSamples)) {
        GTEST_SKIP() << kNoRealSamples;
    }
    auto read = [](const char* name) {
        return readBoxscore(textOf(kRealSamples / name), name).record;
    };
    // Cano went 4 for 5 with a double; Stanton homered among his two hits.
    const GameRecord bombers = read("2013-0402-bal120.box");
    EXPECT_EQ(std::tuple(bombers.runs[kHome], bombers.winPitcher, bombers.windText,
                         bombers.firstStar[kHome], bombers.secondStar[kHome],
                         bombers.batters[kHome][2].rating),
              std::tuple(9, "Hernandez,F", "in from right at 24 mph", 2u, 4u, 2.1432f));
    const GameRecord scalpers = read("2026-0314-190.box");
    EXPECT_EQ(std::tuple(scalpers.innings, scalpers.teamName[kHome], scalpers.winInnings),
              std::tuple(13, "Chain Saw Scalp", "1.2"));
}

}  // namespace
}  // namespace quillbat
