// The game's story as the article tells it: the decisive play named as a paper names it, the
// innings and counts as words, and the sentence and headline drawn from story.dat.
#include <gtest/gtest.h>

#include "article/number_word.h"
#include "article/story_sentence.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

GameStory play(PlayEvent event, int runs, std::string batter, std::string text = "") {
    GameStory story;
    story.event = event;
    story.runs = runs;
    story.batter = std::move(batter);
    story.text = std::move(text);
    return story;
}

TEST(StoryDecider, NamesEachPlayWithItsRunsAndItsBatter) {
    using enum PlayEvent;
    const std::pair<GameStory, const char*> cases[] = {
        {play(kHomer, 1, "Tice"), "Tice's solo homer"},
        {play(kHomer, 2, "Tice"), "Tice's two-run homer"},
        {play(kHomer, 4, "Flowers"), "Flowers' grand slam"},
        {play(kDouble, 2, "Hill,A"), "Hill,A's two-run double"},
        {play(kSingle, 1, "Davis,S"), "Davis,S's RBI single"},
        {play(kSacrificeFly, 1, "Hill"), "Hill's sacrifice fly"},
        {play(kWalk, 1, "Reddick"), "Reddick's bases-loaded walk"},
        {play(kHitByPitch, 1, "Hale"), "Hale's bases-loaded hit-by-pitch"},
        {play(kWildPitch, 1, ""), "a wild pitch"},
        {play(kSteal, 1, ""), "a steal of home"},
        {play(kError, 3, ""), "an error"},
        {play(kHomer, 4, ""), "a grand slam"},
        // An out is named by the kind of out its text tells, the first that it holds.
        {play(kOut, 1, "Kent", "Kent grounded out to short, Ives scored"), "Kent's RBI groundout"},
        {play(kOut, 1, "Kent", "Kent grounded into a double play, Ives scored"),
         "Kent's double-play grounder"},
        {play(kOut, 1, "Kent", "Kent grounded to short, forcing Lowe at second, Ives scored"),
         "Kent's run-scoring forceout"},
        {play(kOut, 1, "Kent", "Kent sacrifice bunted to the mound, Ives scored"),
         "Kent's squeeze bunt"},
        {play(kOut, 1, "", "on a fielder's choice, Ives scored"), "a run-scoring fielder's choice"},
        {play(kOut, 1, "Kent", "Kent struck out, Ives scored"), "Kent's run-scoring out"},
    };
    for (const auto& [story, named] : cases) {
        EXPECT_EQ(decidingPlay(story), named) << playEventName(story.event) << " " << story.runs;
    }
}

TEST(StoryNumbers, InningsAsWordsToTheNinthThenOrdinals) {
    const std::pair<int, const char*> cases[] = {
        {1, "first"},   {2, "second"},  {3, "third"},   {4, "fourth"},  {9, "ninth"}, {10, "10th"},
        {11, "11th"},   {12, "12th"},   {13, "13th"},   {21, "21st"},   {22, "22nd"}, {23, "23rd"},
        {101, "101st"}, {111, "111th"}, {112, "112th"}, {113, "113th"},
    };
    for (const auto& [inning, word] : cases) {
        EXPECT_EQ(inningWord(inning), word);
    }
}

// A story of the Spikes (home) over the Bashers 5-4, decided by Tice's homer in the eighth.
class StoryPhrases : public testing::Test, public ArticleFixture {
  protected:
    StoryPhrases() {
        record.teamName[kVisitors] = "Bashers";
        record.teamName[kHome] = "Spikes";
        record.runs[kVisitors] = 4;
        record.runs[kHome] = 5;
        story = play(PlayEvent::kHomer, 2, "Tice");
        story.category = StoryCategory::kLate;
        std::tie(story.inning, story.half, story.outs) = std::tuple(8, Half::kBottom, 2);
        story.score = {5, 3};
        std::tie(story.deficit, story.bigInning, story.bigInningRuns) = std::tuple(11, 8, 3);
    }

    GameRecord record;
    GameStory story;
};

// The sentence comes from the story's category, the headline from "headline_" and it; each
// draws once, also when the file holds no template for it.
TEST_F(StoryPhrases, SentenceAndHeadlineFromTheirCategoriesEveryTokenFilled) {
    phrases.set("story.dat",
                "late,\"#Decider#, #decider#: #winners# #winRuns#, #losers# #loseRuns#; #half# "
                "#inning#, #outs#, #score#, down #deficit#, #bigInningRuns# in #bigInning#.  \"\n"
                "late,\"Other.  \"\nheadline_late,\"#winners# top #losers# on #decider#\"\n"
                "headline_early,\"Wrong\"\n");
    script({pick(0, 2), pick(0, 1)});
    writeStorySentence(record, story, context);
    writeStoryHeadline(record, story, context);
    const std::string late =
        "Tice's two-run homer, Tice's two-run homer: Spikes 5, Bashers 4; bottom eighth, two outs, "
        "5-3, down 11, three in eighth.  Spikes top Bashers on Tice's two-run homer";
    EXPECT_EQ(text(), late);
    // A wire-to-wire win on a wild pitch: this file has neither its sentence nor its headline.
    story.category = StoryCategory::kWire;
    story.batter.clear();
    std::tie(story.event, story.outs) = std::tuple(PlayEvent::kWildPitch, 0);
    script({pick(0, 1), pick(0, 1)});
    writeStoryHeadline(record, story, context);
    writeStorySentence(record, story, context);
    EXPECT_TRUE(random.exhausted());
    phrases.set("story.dat", "wire,\"#Decider# with #outs# did it.  \"\n");
    script({pick(0, 1)});
    writeStorySentence(record, story, context);
    EXPECT_EQ(text(), late + "A wild pitch with nobody out did it.  ");
}

}  // namespace
}  // namespace quillbat
