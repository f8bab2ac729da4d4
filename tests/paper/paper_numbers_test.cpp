// The numbers of a league paper: the standings and streaks, the game score of a pitching line
// and the stars of a day.

#include <gtest/gtest.h>

#include <span>

#include "paper/day_stars.h"
#include "paper/game_score.h"
#include "paper/standings.h"

namespace quillbat {
namespace {

struct Score {
    const char* visitors;
    int visitorRuns;
    const char* home;
    int homeRuns;
};

// Every row of the table as "team won-lost percentage games-behind streak", apart by "|".
std::string tableAfter(std::span<const Score> games) {
    Standings standings;
    for (const Score& game : games) {
        standings.addGame(game.visitors, game.visitorRuns, game.home, game.homeRuns);
    }
    std::string table;
    for (const StandingsRow& row : standings.table()) {
        table += row.team + " " + std::to_string(row.won) + "-" + std::to_string(row.lost) + " " +
                 row.percentage + " " + row.gamesBehind + " " + row.streak + "|";
    }
    return table;
}

TEST(Standings, OrderedByExactPercentageThenWinsThenNameWithHalfGamesAndStreaks) {
    const Score games[] = {
        {"Owls", 3, "Hawks", 1},      // 1
        {"Gulls", 2, "Miners", 2},    // 2: a tie counts for neither, both have played
        {"Owls", 5, "Gulls", 4},      // 3
        {"Hawks", 0, "Miners", 1},    // 4
        {"Hawks", 2, "Gulls", 2},     // 5: Hawks keep their streak over the tie
        {"Owls", 1, "Hawks", 6},      // 6
        {"Owls", 7, "Ravens", 0},     // 7
        {"Ravens", 4, "Loggers", 2},  // 8
        {"Loggers", 5, "Owls", 3},    // 9
        {"Ravens", 1, "Owls", 2},     // 10
    };
    struct Case {
        std::size_t played;
        std::string table;
    };
    const Case cases[] = {
        {0, ""},
        // Teams that have not played yet have no row.
        {1, "Owls 1-0 1.000 - W1|Hawks 0-1 .000 1.0 L1|"},
        {2,
         "Owls 1-0 1.000 - W1|Gulls 0-0 .000 0.5 -|Hawks 0-1 .000 1.0 L1|"
         "Miners 0-0 .000 0.5 -|"},
        {5,
         "Owls 2-0 1.000 - W2|Miners 1-0 1.000 0.5 W1|Gulls 0-1 .000 1.5 L1|"
         "Hawks 0-2 .000 2.0 L2|"},
        // The leader by percentage is half a game behind the team with more games; equals by
        // percentage and wins go by name.
        {10,
         "Miners 1-0 1.000 - W1|Owls 4-2 .667 +0.5 W1|Loggers 1-1 .500 0.5 W1|"
         "Hawks 1-2 .333 1.0 W1|Ravens 1-2 .333 1.0 L1|Gulls 0-1 .000 1.0 L1|"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tableAfter(std::span(games, c.played)), c.table) << c.played << " games";
    }
}

TEST(Standings, EqualPercentagesGoByWinsThenName) {
    const Score games[] = {{"B", 1, "A", 0}, {"A", 1, "B", 0}, {"D", 2, "C", 1},
                           {"C", 2, "D", 1}, {"D", 3, "C", 1}, {"C", 3, "D", 1}};
    EXPECT_EQ(tableAfter(games),
              "C 2-2 .500 - W1|D 2-2 .500 - L1|A 1-1 .500 - W1|"
              "B 1-1 .500 - L1|");
}

TEST(GameScore, FiftyPlusOutsAndInningsAfterTheFourthLessHitsRunsAndWalks) {
    struct Case {
        PitchingLine line;
        int outs;
        int score;
    };
    const Case cases[] = {
        {{"9.0", 0, 0, 0, 0, 10}, 27, 50 + 27 + 10 + 10},
        // Just under and just at the fifth full inning.
        {{"4.2", 0, 0, 0, 0, 0}, 14, 64},
        {{"5.0", 0, 0, 0, 0, 0}, 15, 67},
        {{"6.2", 7, 3, 2, 1, 5}, 20, 50 + 20 + 4 + 5 - 14 - 8 - 2 - 1},
        // A box that credits more earned runs than runs has no unearned ones.
        {{"8.0", 7, 2, 3, 2, 6}, 24, 50 + 24 + 8 + 6 - 14 - 12 - 2},
        {{"0.1", 1, 1, 0, 0, 0}, 1, 50 + 1 - 2 - 2},
        {{"7", 0, 0, 0, 0, 0}, 21, 50 + 21 + 6},
        {{"", 2, 2, 2, 0, 0}, 0, 50 - 4 - 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(outsPitched(c.line.innings), c.outs) << c.line.innings;
        EXPECT_EQ(gameScore(c.line), c.score) << c.line.innings;
    }
}

TEST(BattingLine, HitsForAtBatsThenWhatHeHadACountBeforeMoreThanOne) {
    EXPECT_EQ(battingLineText({.batterName = "",
                               .atBats = 4,
                               .runsScored = 3,
                               .batterHits = 3,
                               .runsBattedIn = 5,
                               .doubles = 1,
                               .homeRuns = 2,
                               .walks = 1}),
              "3-for-4, 2B, 2 HR, 5 RBI, 3 R, BB");
    EXPECT_EQ(battingLineText(
                  {.batterName = "", .atBats = 3, .runsBattedIn = 1, .triples = 2, .walks = 2}),
              "0-for-3, 2 3B, RBI, 2 BB");
}

// A game of two teams whose batters have these names and ratings, won by the home team when
// winner is named.
GameRecord game(std::vector<std::pair<const char*, float>> batters, int homeRuns,
                const char* winner = "", PitchingLine line = {}) {
    GameRecord record;
    record.teamName[kVisitors] = "Ravens";
    record.teamName[kHome] = "Loggers";
    record.runs[kVisitors] = 2;
    record.runs[kHome] = static_cast<std::int16_t>(homeRuns);
    for (const auto& [name, rating] : batters) {
        record.batters[kHome].push_back({.batterName = name, .atBats = 4, .rating = rating});
    }
    record.winPitcher = winner;
    record.winInnings = line.innings;
    record.winHits = static_cast<std::int16_t>(line.hits);
    record.winStrikeouts = static_cast<std::int16_t>(line.strikeouts);
    return record;
}

TEST(DayStars, HighestRatingAndGameScoreTheFirstOfEqualsAndNoPitcherOfATie) {
    DayStars stars;
    stars.addGame(
        game({{"Pike", 1.5F}, {"", 9.0F}, {"Ocampo", 2.0F}}, 5, "Harlan", {"7.0", 5, 0, 0, 0, 6}));
    // Equal to the first game's best: the first stays. A tie has no winning pitcher.
    stars.addGame(game({{"Reyes", 2.0F}}, 2, "Tied", {"9.0", 0, 0, 0, 0, 20}));
    stars.addGame(game({{"Lowe", 1.9F}}, 3, "Dunn", {"9.0", 3, 0, 0, 0, 0}));
    EXPECT_EQ(stars.batter(), (DayStar{"Ocampo", "Loggers", "0-for-4", 0}));
    EXPECT_EQ(stars.pitcher(),
              (DayStar{"Dunn", "Loggers", "9.0 IP, 3 H, 0 R, 0 ER, 0 BB, 0 K", 2}));
}

TEST(DayStars, ABatterRatedZeroOrLessIsNoStar) {
    for (const float rating : {-1.0F, 0.0F, 0.01F}) {
        DayStars stars;
        stars.addGame(game({{"Pike", rating}}, 2));
        EXPECT_EQ(stars.batter().has_value(), rating > 0) << rating;
        EXPECT_EQ(stars.pitcher(), std::nullopt);
    }
}

}  // namespace
}  // namespace quillbat
