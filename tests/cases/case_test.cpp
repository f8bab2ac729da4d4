// Every boxscore of examples/ and tests/cases/ read and written up as the command-line tool does.
// Beside each, in tests/cases/: NAME.record.json (the record as --record prints it) or
// NAME.refusal.txt (the refusal), and NAME.seedN.txt, the article written with seed N and the
// phrase files of data/, NAME.story7.txt the same with the game's story (the real samples kept
// beside the checkout have theirs too). README.md there says how each expected file was checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "article/number_word.h"
#include "article/opening_paragraph.h"
#include "article/random_source.h"
#include "article/story_sentence.h"
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

// The boxscores of the folders (examples/, then tests/cases/ unless others are named), each
// folder's in order; a folder that is not there has none.
std::vector<fs::path> boxscores(const std::vector<fs::path>& folders = {kSource / "examples",
                                                                        kCases}) {
    std::vector<fs::path> all;
    for (const fs::path& folder : folders) {
        if (!fs::is_directory(folder)) {
            continue;
        }
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
    for (const fs::path& boxscore : boxscores({kSource / "examples", kCases, kRealSamples})) {
        for (const auto& [kind, seed] : {std::pair{"seed7", 7u}, {"seed8", 8u}, {"story7", 7u}}) {
            const fs::path article = kCases / (boxscore.stem().string() + "." + kind + ".txt");
            if (fs::exists(article)) {
                const GameLoad load = loadGame(systemEnv(), pathToUtf8(boxscore), phrases, seed,
                                               {.story = kind == std::string("story7")});
                ASSERT_TRUE(load.complete) << load.message;
                EXPECT_EQ(load.game->article + "\n", textOf(article)) << article.filename();
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, fs::is_directory(kRealSamples) ? 22 : 18);
}

// With the story, the article is the article without it and one sentence right after the
// score sentence (the end of the opening paragraph), which names the decisive play (a rout's,
// its biggest inning), in either names style; the headline is the story's.
// A game without a story reads the same in every byte.
TEST(Cases, TheStoryAddsItsSentenceAfterTheScoreAndNothingElse) {
    FolderPhraseSource phrases(kSource / "data", systemEnv());
    int stories = 0;
    for (const fs::path& boxscore :
         boxscores({kSource / "examples", kCases, kSource / "tests/story/cases", kRealSamples})) {
        for (const auto& [seed, names] : {std::pair{1u, NameStyle::kBoxscore},
                                          {7u, NameStyle::kNewspaper},
                                          {4294967295u, NameStyle::kBoxscore}}) {
            const std::string path = pathToUtf8(boxscore);
            const GameLoad plain = loadGame(systemEnv(), path, phrases, seed, {.names = names});
            const GameLoad told =
                loadGame(systemEnv(), path, phrases, seed, {.names = names, .story = true});
            ASSERT_EQ(told.game.has_value(), plain.game.has_value()) << path;
            if (!plain.game) {
                continue;
            }
            ASSERT_TRUE(told.complete && plain.complete) << told.message << plain.message;
            const std::string& with = told.game->article;
            const std::string& without = plain.game->article;
            const std::optional<GameStory>& story = told.game->record.story;
            if (!story) {
                EXPECT_EQ(with, without) << path;
                EXPECT_EQ(told.game->headline, plain.game->headline) << path;
                continue;
            }
            ++stories;
            MersenneRandom random(seed);
            StringArticle opening;
            ArticleContext context{phrases, random, opening};
            writeOpeningParagraph(told.game->record, context);
            const std::size_t end = opening.text().size();
            ASSERT_GT(with.size(), without.size()) << path;
            const std::string sentence = with.substr(end, with.size() - without.size());
            EXPECT_EQ(with, without.substr(0, end) + sentence + without.substr(end)) << path;
            // The play may begin the sentence, capitalized; a rout's names its biggest inning.
            EXPECT_NE(sentence.find(story->category == StoryCategory::kRout
                                        ? inningWord(story->bigInning)
                                        : decidingPlay(*story).substr(1)),
                      std::string::npos)
                << sentence;
            EXPECT_NE(told.game->headline, plain.game->headline) << path;
        }
    }
    // Game Two of the examples and 15 of the story cases (and the four real samples), each
    // three times.
    EXPECT_EQ(stories, fs::is_directory(kRealSamples) ? 60 : 48);
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
