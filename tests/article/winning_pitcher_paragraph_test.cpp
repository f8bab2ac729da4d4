#include "article/winning_pitcher_paragraph.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

TEST(WinnerRecordCategory, FirstRowThatHolds) {
    const struct {
        std::int16_t wins;
        std::int16_t losses;
        std::string_view category;
    } cases[] = {
        {20, 3, "twenty"}, {20, 25, "twenty"}, {19, 3, "great"},  {15, 4, "great"},
        {15, 5, "gap"},    {12, 6, "gap"},     {12, 7, "raises"}, {2, 13, "dismal"},
        {2, 12, "normal"}, {5, 4, "above"},    {4, 3, "above"},   {3, 2, "normal"},
        {8, 5, "raises"},  {6, 5, "above"},    {6, 4, "raises"},  {5, 3, "normal"},
        {4, 4, "evens"},   {0, 0, "evens"},    {1, 0, "normal"},  {3, 7, "normal"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(winnerRecordCategory(c.wins, c.losses), c.category) << c.wins << "-" << c.losses;
    }
}

TEST(InningsValue, LastDigitCountsThirds) {
    EXPECT_DOUBLE_EQ(inningsValue("6.2"), 6 + 2 * 0.33333);
    EXPECT_DOUBLE_EQ(inningsValue("7.0"), 7);
    EXPECT_DOUBLE_EQ(inningsValue("0.1"), 0.33333);
    EXPECT_DOUBLE_EQ(inningsValue("10.1"), 10.33333);
    EXPECT_DOUBLE_EQ(inningsValue("7"), 7);  // no point: no thirds
    EXPECT_DOUBLE_EQ(inningsValue("7."), 7);
    EXPECT_DOUBLE_EQ(inningsValue(""), 0);
    EXPECT_DOUBLE_EQ(inningsValue("x"), 0);
}

// Each band is checked at both ends; the next band starts just past the end of the last.
TEST(EraAdjective, BandsWithTheirExactBounds) {
    const struct {
        double from, to;
        std::string_view adjective;
    } bands[] = {
        {0.0, 0.99, "a microscopic "},
        {1.0, 1.24999, "a miniscule "},
        {1.25, 1.4999, "a stunning "},
        {1.49995, 1.49995, ""},
        {1.5, 1.7499, "a stellar "},
        {1.75, 1.9999, "a dominating "},
        {2.0, 2.1999, "an astounding "},
        {2.2, 2.3999, "a minute "},
        {2.4, 2.5999, "a phenomenal "},
        {2.6, 2.7999, "an awesome "},
        {2.8, 2.9999, "an exceptional "},
        {3.0, 3.09999, "a superb "},
        {3.1, 3.19999, "an outstanding "},
        {3.2, 3.29999, "an impressive "},
        {3.3, 3.39999, "a notable "},
        {3.4, 3.49999, "a nice "},
        {3.5, 3.99, ""},
    };
    for (const auto& band : bands) {
        EXPECT_EQ(eraAdjective(band.from), band.adjective) << band.from;
        EXPECT_EQ(eraAdjective(band.to), band.adjective) << band.to;
    }
}

TEST(FormatEra, AtLeastOneDigitBeforeThePointAndTwoAfter) {
    EXPECT_EQ(formatEra(1.62), "1.62");
    EXPECT_EQ(formatEra(0.5), "0.50");
    EXPECT_EQ(formatEra(3), "3.00");
    EXPECT_EQ(formatEra(12.345678), "12.35");
}

// Tom Ashford (3-1) won for Harbor City 5-3 in nine; no sentence of his is due.
GameRecord quietWin() {
    GameRecord record = quietGame();
    record.winPitcher = "Tom Ashford";
    record.winWins = 3;
    record.winLosses = 1;
    record.winInnings = "5.0";
    record.winHits = 6;
    record.winRuns = 3;
    record.winEarnedRuns = 3;
    record.winStrikeouts = 4;
    record.winPitches = 90;
    record.winEra = 4.5;
    return record;
}

// The paragraph after an empty phrase; `opening` is the ERA opening drawn, -1 for no such draw.
std::string sentences(const GameRecord& record, int opening = -1) {
    ArticleFixture fixture;
    fixture.phrases.set("pitch_won.dat", "");
    if (opening < 0) {
        fixture.script({0.0});
    } else {
        fixture.script({0.0, pick(opening, 25)});
    }
    writeWinningPitcherParagraph(record, fixture.context);
    EXPECT_TRUE(fixture.random.exhausted()) << "fewer draws than scripted";
    return fixture.text();
}

TEST(WinningPitcher, PhraseOfTheRecordCategoryAloneWhenNothingElseHolds) {
    ArticleFixture fixture;
    fixture.phrases.set("pitch_won.dat",
                        "twenty,T\ngreat,G\ngap,P\ndismal,D\nabove,A\nraises,R\nevens,E\n"
                        "normal,\"#winPitch# (#wins#-#losses#) won.  \"\n");
    fixture.script({0.0});
    writeWinningPitcherParagraph(quietWin(), fixture.context);
    EXPECT_EQ(fixture.text(), "Tom Ashford (3-1) won.  ");
    EXPECT_EQ(fixture.random.draws(), 1);
}

TEST(WinningPitcher, OutingSentenceFirstThatHolds) {
    const struct {
        const char* innings;
        std::int16_t gameInnings, hits, runs, earnedRuns, loserRuns;
        const char* expected;
    } cases[] = {
        {"9.0", 9, 0, 2, 0, 3, "It was a NO-HITTER folks!!!  "},
        {"9.0", 9, 4, 0, 0, 0, "Give him a ShutOut!  "},
        {"9.0", 9, 4, 1, 1, 3, "Credit him with a complete game!  "},
        {"10.0", 10, 4, 1, 1, 3, "Credit him with a complete game!  "},
        {"8.2", 9, 4, 1, 0, 3, "He didn't allow an earned run in his 8.2 innings of work.  "},
        {"7.0", 9, 2, 0, 0, 3, "He pitched 7.0 innings of two-hit ball.  "},
        {"6.1", 9, 1, 0, 0, 0, "He tossed a one-hitter for his 6.1 innings of work.  "},
        {"6.1", 9, 0, 0, 0, 0, "He threw 6.1 innings of no-hit ball.  "},
        {"6.0", 9, 2, 0, 0, 1, "He didn't allow an earned run in his 6.0 innings of work.  "},
        {"6.0", 9, 0, 0, 0, 0, ""},
        {"5.0", 9, 3, 0, 0, 1, ""},
        {"5.1", 9, 3, 0, 0, 1, "He didn't allow an earned run in his 5.1 innings of work.  "},
        {"5.1", 9, 3, 1, 1, 2, "He allowed only one earned run in 5.1 innings.  "},
        {"5.1", 9, 3, 1, 1, 1, ""},
        {"5.1", 9, 3, 2, 2, 3, "He was charged with two earned runs in his 5.1 innings of work.  "},
        {"5.1", 9, 3, 2, 2, 2, ""},
        {"5.1", 9, 3, 3, 3, 5, ""},
        {"", 0, 0, 0, 0, 0, "It was a NO-HITTER folks!!!  "},  // no innings text, no line score
    };
    for (const auto& c : cases) {
        GameRecord game = quietWin();
        game.winInnings = c.innings;
        game.innings = c.gameInnings;
        game.winHits = c.hits;
        game.winRuns = c.runs;
        game.winEarnedRuns = c.earnedRuns;
        game.runs[game.loseTeam] = c.loserRuns;
        EXPECT_EQ(sentences(game), c.expected) << c.innings << " " << c.hits << " hits";
    }
}

TEST(WinningPitcher, StrikeoutOrPitchCountSentence) {
    const struct {
        std::int16_t strikeouts, pitches;
        const char* expected;
    } cases[] = {
        {8, 111, "He threw 111 pitches and struck out eight.  "},
        {8, 110, "He struck out eight batters in the victory.  "},
        {10, 90, "He struck out ten batters in the victory.  "},
        {12, 130, "He threw 130 pitches and struck out 12.  "},
        {7, 126, "He was a workhorse, throwing 126 pitches in this contest.  "},
        {7, 125, ""},
        {0, 0, ""},
    };
    for (const auto& c : cases) {
        GameRecord game = quietWin();
        game.winStrikeouts = c.strikeouts;
        game.winPitches = c.pitches;
        EXPECT_EQ(sentences(game), c.expected) << c.strikeouts << " " << c.pitches;
    }
}

// Drawn only when written: the empty rows script the phrase's draw alone.
TEST(WinningPitcher, EraSentenceOnlyWhenTheGameLoweredAGoodSeasonFigure) {
    const struct {
        const char* innings;
        std::int16_t earnedRuns, wins, losses;
        double era;
        int opening;
        const char* expected;
    } cases[] = {
        {"8.0", 1, 12, 5, 1.62, 5, "He trimmed his ERA to a stellar 1.62.  "},
        {"8.0", 1, 12, 5, 3.75, 24, "He dropped his ERA to 3.75.  "},
        // six decisions, and a game ERA of 2.7000027 just below
        {"6.2", 2, 4, 2, 2.71, 1, "He improved his ERA to an awesome 2.71.  "},
        {"6.2", 2, 12, 5, 2.70, -1, ""},  // 2.7000027 is not below 2.70
        {"8.0", 0, 12, 5, 0.00, -1, ""},  // nothing is below 0.00
        {"8.0", 1, 12, 5, 4.00, -1, ""},  // the season ERA must be under 4
        {"8.0", 1, 3, 2, 2.00, -1, ""},   // five decisions are not enough
        {"0.0", 0, 12, 5, 2.00, -1, ""},  // no innings: no game ERA
        {"", 0, 12, 5, 2.00, -1, ""},
    };
    for (const auto& c : cases) {
        GameRecord game = quietWin();
        game.runs[game.loseTeam] = 0;  // no outing sentence
        game.winInnings = c.innings;
        game.winEarnedRuns = c.earnedRuns;
        game.winWins = c.wins;
        game.winLosses = c.losses;
        game.winEra = c.era;
        EXPECT_EQ(sentences(game, c.opening), c.expected) << c.innings << " " << c.era;
    }
}

TEST(WinningPitcher, EveryEraOpening) {
    // clang-format off
    const char* openings[] = {
        "His earned run average fell to ",           "He improved his ERA to ",
        "This lowered his ERA to ",                  "His ERA dropped to ",
        "This took his ERA down to ",                "He trimmed his ERA to ",
        "He reduced his ERA to ",                    "This pulled his ERA down to ",
        "His earned run average fell to ",           "This dropped his earned run average to ",
        "He pared his ERA down to ",                 "He pruned his earned run average to ",
        "This decreased his ERA to ",                "He diminished his ERA to ",
        "He downsized his ERA to ",                  "This shrunk his ERA down to ",
        "His earned run average lowered to ",        "This lowered his earned run average to ",
        "He decreased his ERA down to ",             "He compressed his earned run average to ",
        "He lessened his ERA to ",                   "He scaled down his ERA to ",
        "He decreased his ERA to ",                  "He lowered his ERA to ",
        "He dropped his ERA to ",
    };
    // clang-format on
    GameRecord game = quietWin();
    game.winWins = 12;
    game.winLosses = 5;
    game.winInnings = "8.0";
    game.winEarnedRuns = 1;
    game.runs[game.loseTeam] = 1;
    game.winEra = 2.05;
    for (int r = 0; r < 25; ++r) {
        EXPECT_EQ(sentences(game, r), std::string(openings[r]) + "an astounding 2.05.  ") << r;
    }
}

}  // namespace
}  // namespace quillbat
