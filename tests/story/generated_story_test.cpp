// The story read from generated whole files against the generator's own plan: the generator
// decides where and how the winners go ahead for good and writes the play-by-play, the reader
// finds the decisive play from the text alone, so a fault in either shows here.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "boxscore/boxscore_reader.h"
#include "tools/boxscore_layout.h"
#include "tools/game_plan.h"

namespace quillbat {
namespace {

TEST(GeneratedStories, TheDecisivePlayIsTheGeneratorsGoAheadPlay) {
    std::set<std::string> categories;
    std::set<std::string> events;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        const auto layout = seed % 5 == 0 ? generator::BattingLayout::kFullColumn
                                          : generator::BattingLayout::kSideBySide;
        const generator::GeneratedGame game = generator::planGame(seed, layout);
        const GameRecord record = readBoxscore(generator::layOutBoxscore(game, layout),
                                               "2026000100010.box", StoryReading::kRead)
                                      .record;
        ASSERT_TRUE(record.story.has_value()) << "seed " << seed;
        const GameStory& story = *record.story;
        const generator::GeneratedGoAhead& planned = game.goAhead;
        EXPECT_EQ(std::tuple(story.inning, story.half == Half::kBottom,
                             std::string(playEventName(story.event)), story.batter, story.walkoff),
                  std::tuple(planned.inning, planned.bottom, planned.event, planned.batter,
                             planned.walkoff))
            << "seed " << seed << ": " << story.text;
        // The line score read is the generator's, and the plays end on it.
        EXPECT_EQ(std::tuple(record.runs[kVisitors], record.runs[kHome]),
                  std::tuple(game.teams[0].runs, game.teams[1].runs))
            << "seed " << seed;
        categories.insert(std::string(storyCategoryName(story.category)));
        events.insert(std::string(playEventName(story.event)));
    }
    EXPECT_EQ(categories.size(), 8u);
    EXPECT_EQ(events.size(), 13u);
}

}  // namespace
}  // namespace quillbat
