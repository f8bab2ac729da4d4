// The paragraph writers through their public functions, with marker phrase files and a scripted
// random source: which sentences are written, in which order, and what is drawn for them.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "article/batter_paragraphs.h"
#include "article/team_hitting_paragraph.h"
#include "article/winning_pitcher_paragraph.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

using Draws = std::vector<double>;

// Harbor City beat Riverton 5-3 in nine; each test sets what it is about.
class Paragraphs : public testing::Test, public ArticleFixture {
  protected:
    Paragraphs() {
        useMarkerPhrases();
        record.teamName[kVisitors] = "Riverton";
        record.teamName[kHome] = "Harbor City";
        record.runs[kVisitors] = 3;
        record.runs[kHome] = 5;
        record.innings = 9;
    }

    // What `write` appends with the draws scripted; every scripted draw must be taken.
    template <typename Write>
    std::string written(Write write, const Draws& draws) {
        article = StringArticle();
        script(draws);
        write(record, context);
        EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
        return text();
    }

    GameRecord record;
};

// Winners' and losers' hits, the innings, the draws of the variants, what is written.
TEST_F(Paragraphs, TeamHittingBigDaysNeedThirteenHitsInTenInningsOrFewer) {
    const std::string big = "The Harbor City amassed 13 hits in the game.  ";  // variant 1
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, Draws, std::string> cases[] = {
        {12, 12, 10, {}, ""},
        {13, 0, 10, {pick(0, 13)}, "This was a torrid 13-hit game for the Harbor City.  "},
        {13, 13, 11, {}, ""},
        {0, 13, 9, {pick(0, 5)}, "It was a 13-hit game for the Riverton offense.  "},
        {13, 14, 9, {pick(1, 13)}, big + "The Riverton had more hits but still lost the game.  "},
        {13, 13, 9, {pick(1, 13)}, big + "The Riverton also collected 13 hits in this slugfest.  "},
    };
    for (const auto& [winners, losers, innings, draws, expected] : cases) {
        record.hits[kHome] = winners;
        record.hits[kVisitors] = losers;
        record.innings = innings;
        EXPECT_EQ(written(writeTeamHittingParagraph, draws), expected) << winners << "-" << losers;
    }
}

// Winners' double plays and errors, losers' errors and runners left on base (beyond the margin
// of two runs).
TEST_F(Paragraphs, TeamHittingFieldingSentenceFirstThatHolds) {
    using Row = std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, const char*>;
    const Row cases[] = {
        {4, 4, 4, 20, "In addition, they turned 4 double-plays.  "},
        {3, 4, 4, 20, "They overcame 4 errors to come out on top.  "},
        {3, 3, 4, 20, "They took advantage of 4 errors by the Riverton.  "},
        {3, 3, 3, 12, "The Riverton might have pulled it out had they not stranded 12 runners.  "},
        {3, 3, 3, 11, ""},
    };
    for (const auto& [doublePlays, errors, loserErrors, leftOnBase, expected] : cases) {
        record.doublePlays[kHome] = doublePlays;
        record.errors[kHome] = errors;
        record.errors[kVisitors] = loserErrors;
        record.leftOnBase[kVisitors] = leftOnBase;
        EXPECT_EQ(written(writeTeamHittingParagraph, {}), expected);
    }
}

// Innings pitched, hits, runs and earned runs allowed, the losers' runs, the outing sentence.
TEST_F(Paragraphs, WinningPitcherOutingSentence) {
    using Row = std::tuple<const char*, std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                           const char*>;
    const Row cases[] = {
        {"9.0", 0, 0, 0, 0, "It was a NO-HITTER folks!!!  "},
        {"9", 4, 0, 0, 0, "Give him a ShutOut!  "},
        {"9.0", 4, 1, 1, 3, "Credit him with a complete game!  "},
        {"8.2", 2, 0, 0, 3, "He pitched 8.2 innings of two-hit ball.  "},
        {"6.1", 1, 0, 0, 0, "He tossed a one-hitter for his 6.1 innings of work.  "},
        {"6.1", 0, 0, 0, 0, "He threw 6.1 innings of no-hit ball.  "},
        {"6.0", 1, 0, 0, 1, "He didn't allow an earned run in his 6.0 innings of work.  "},
        {"5.0", 3, 0, 0, 1, ""},
        {"5.1", 3, 0, 0, 0, ""},
        {"5.1", 3, 1, 1, 2, "He allowed only one earned run in 5.1 innings.  "},
        {"5.1", 3, 1, 1, 1, ""},
        {"5.1", 3, 2, 2, 3, "He was charged with two earned runs in his 5.1 innings of work.  "},
        {"5.1", 3, 2, 2, 2, ""},
    };
    phrases.set("pitch_won.dat", "");
    for (const auto& [innings, hits, runs, earnedRuns, loserRuns, expected] : cases) {
        record.winInnings = innings;
        record.winHits = hits;
        record.winRuns = runs;
        record.winEarnedRuns = earnedRuns;
        record.runs[kVisitors] = loserRuns;
        EXPECT_EQ(written(writeWinningPitcherParagraph, {0.0}), expected) << innings;
    }
}

// Strikeouts, pitches, and the sentence on them; then the ERA sentence, told with one more draw
// only when this game's ERA was below a season ERA under 4 of a pitcher with over five decisions.
TEST_F(Paragraphs, WinningPitcherStrikeoutsAndEra) {
    const std::tuple<std::int16_t, std::int16_t, const char*> strikeouts[] = {
        {8, 111, "He threw 111 pitches and struck out eight.  "},
        {8, 110, "He struck out eight batters in the victory.  "},
        {11, 0, "He struck out 11 batters in the victory.  "},
        {7, 126, "He was a workhorse, throwing 126 pitches in this contest.  "},
        {7, 125, ""},
    };
    phrases.set("pitch_won.dat", "");
    record.innings = 10;  // no complete game, no outing sentence
    record.winHits = 5;
    record.runs[kVisitors] = 0;
    for (const auto& [count, pitches, expected] : strikeouts) {
        record.winStrikeouts = count;
        record.winPitches = pitches;
        EXPECT_EQ(written(writeWinningPitcherParagraph, {0.0}), expected)
            << count << " " << pitches;
    }
    record.winStrikeouts = record.winPitches = 0;
    const std::tuple<const char*, std::int16_t, std::int16_t, double, const char*> eras[] = {
        {"9.0", 1, 3, 3.05, "His earned run average fell to a superb 3.05.  "},
        {"9.0", 1, 2, 3.05, ""},
        {"9.0", 1, 3, 4.0, ""},
        {"9.0", 1, 3, 3.99, "His earned run average fell to 3.99.  "},
        {"9.0", 3, 3, 3.0, ""},
        {"0.1", 0, 3, 3.0, "His earned run average fell to a superb 3.00.  "},
        {"", 0, 3, 3.0, ""},
    };
    record.winWins = 3;
    for (const auto& [innings, earnedRuns, losses, era, sentence] : eras) {
        record.winInnings = innings;
        record.winEarnedRuns = earnedRuns;
        record.winLosses = losses;
        record.winEra = era;
        EXPECT_EQ(written(writeWinningPitcherParagraph, *sentence ? Draws{0.0, 0.0} : Draws{0.0}),
                  sentence)
            << innings << " " << era;
    }
}

Batter star(const char* name, std::int16_t hits, std::int16_t atBats, float rating = 1.0f) {
    return {.batterName = name, .atBats = atBats, .batterHits = hits, .rating = rating};
}

// The second winning star and the losing star are written up after a day rated over 1.99;
// without a first star the winners have no sentence at all.
TEST_F(Paragraphs, BatterStarsAndWhoIsWrittenUp) {
    phrases.set("loser_1_batter.dat", "none,\"#batter# #winners# #losers# #gmH-AB# #gmHits#\"");
    record.firstStar[kHome] = record.firstStar[kVisitors] = 0;
    record.secondStar[kHome] = 1;
    record.batters[kHome] = {star("Al Harlan", 2, 4), star("Joe Reyes", 3, 4, 1.99f)};
    record.batters[kVisitors] = {star("Ned Pike", 2, 11, 1.99f)};
    EXPECT_EQ(written(writeBatterParagraphs, {0.0}), "[winner_1_batter normal] ");
    record.batters[kHome][1].rating = record.batters[kVisitors][0].rating = 1.9901f;
    EXPECT_EQ(written(writeBatterParagraphs, {0.0, 0.0, 0.0}),
              "[winner_1_batter normal] [winner_2_batter none] Ned Pike winners Riverton 2-11 two");
    record.firstStar[kHome].reset();
    record.secondStar[kHome].reset();
    EXPECT_EQ(written(writeBatterParagraphs, {0.0}), "Ned Pike winners Riverton 2-11 two");
}

// The first star's own sentences: home runs from 15 on the season, walks from 3, and the
// average of a good hitter (.286 to .424) that this game raised; none after one hit in four.
TEST_F(Paragraphs, FirstStarsOwnSentences) {
    const std::string normal = "[winner_1_batter normal] ";
    const std::string raised = normal + "His batting average is now ";
    const std::string allThree =
        "[homerun other] He also drew 3 walks.  His batting average climbed to .300.  ";
    using Row = std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, float, Draws,
                           std::string>;
    const Row cases[] = {
        {2, 4, 15, 3, 0.3f, {0.0, 0.0, pick(6, 16)}, normal + allThree},
        {1, 4, 15, 3, 0.3f, {0.0}, "[winner_1_batter none] "},
        {2, 4, 14, 2, 0.285f, {0.0}, normal},
        {2, 4, 0, 0, 0.286f, {0.0, 0.0}, raised + ".286.  "},
        {3, 4, 0, 0, 0.424f, {0.0, 0.0}, raised + ".424.  "},
        {3, 4, 0, 0, 0.425f, {0.0}, normal},
        {2, 8, 0, 0, 0.3f, {0.0}, normal},
        {0, 0, 0, 0, 0.3f, {0.0}, normal},
    };
    record.firstStar[kHome] = 0;
    for (const auto& [hits, atBats, seasonHomeRuns, walks, average, draws, expected] : cases) {
        Batter& first = record.batters[kHome].emplace_back(star("Al Harlan", hits, atBats));
        first.seasonHomeRuns = seasonHomeRuns;
        first.walks = walks;
        first.average = average;
        EXPECT_EQ(written(writeBatterParagraphs, draws), expected) << average;
        record.batters[kHome].clear();
    }
}

}  // namespace
}  // namespace quillbat
