#include "article/team_hitting_paragraph.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

// Riverton (visitors) beat Harbor City 6-2; every other count is set by the test.
GameRecord hitting(std::int16_t winners = 0, std::int16_t losers = 0, std::int16_t innings = 9) {
    GameRecord record;
    record.teamName[kVisitors] = "Riverton";
    record.teamName[kHome] = "Harbor City";
    record.runs[kVisitors] = 6;
    record.runs[kHome] = 2;
    record.hits[kVisitors] = winners;
    record.hits[kHome] = losers;
    record.innings = innings;
    deriveWinner(record);
    return record;
}

// The paragraph with `draw` scripted, or no draw at all when it is negative.
std::string paragraph(const GameRecord& record, double draw = -1) {
    ArticleFixture fixture;
    if (draw >= 0) {
        fixture.script({draw});
    }
    writeTeamHittingParagraph(record, fixture.context);
    EXPECT_TRUE(fixture.random.exhausted()) << "fewer draws than scripted";
    return fixture.text();
}

TEST(TeamHitting, BigDaysNeedThirteenHitsInAtMostTenInnings) {
    const struct {
        std::int16_t winners, losers, innings;
        double draw;
        const char* expected;
    } cases[] = {
        {8, 7, 9, -1, ""},
        {12, 0, 9, -1, ""},
        {13, 0, 9, pick(1, 13), "The Riverton amassed 13 hits in the game.  "},
        {15, 14, 11, -1, ""},
        {15, 14, 10, pick(0, 13),
         "This was a torrid 15-hit game for the Riverton.  "
         "The Harbor City also collected 14 hits in this slugfest.  "},
        {14, 15, 9, pick(2, 13),
         "The Riverton racked up 14 hits in this one.  "
         "The Harbor City had more hits but still lost the game.  "},
        {14, 14, 9, pick(2, 13),
         "The Riverton racked up 14 hits in this one.  "
         "The Harbor City also collected 14 hits in this slugfest.  "},
        {14, 12, 9, pick(5, 13), "It was a 14-hit outing for the Riverton.  "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paragraph(hitting(c.winners, c.losers, c.innings), c.draw), c.expected)
            << c.winners << "-" << c.losers << " in " << c.innings;
    }
}

TEST(TeamHitting, EveryVariantOfTheWinnersAndOfTheLosersAlone) {
    const char* winners[] = {
        "This was a torrid 14-hit game for the Riverton.  ",
        "The Riverton amassed 14 hits in the game.  ",
        "The Riverton racked up 14 hits in this one.  ",
        "The Riverton pounded out 14 hits off Harbor City pitching.  ",
        "The Riverton bats were sizzling, collecting 14 hits.  ",
        "It was a 14-hit outing for the Riverton.  ",
        "The Riverton bats were on fire, pounding out 14 hits.  ",
        "It was a 14-hit performance by the Riverton offense.  ",
        "The Riverton offense was hot, hammering out 14 hits in this contest.  ",
        "The Riverton attack was on fire, racking up 14 hits in this contest.  ",
        "The Riverton bats were rocking, clobbering 14 hits.  ",
        "It was a 14-hit thrashing by the Riverton offense.  ",
        "The Riverton offense was blistering, belting out 14 hits in this contest.  ",
    };
    const char* losers[] = {
        "It was a 14-hit game for the Harbor City offense.  ",
        "The Harbor City pounded out 14 hits in a losing effort.  ",
        "It was a 14-hit day in a losing effort for the Harbor City.  ",
        "The Harbor City racked up 14 hits, but came up short in the runs column.  ",
        "The Harbor City offense collected 14 hits, but it wasn't enough.  ",
    };
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(paragraph(hitting(14, 5), pick(k, 13)), winners[k]) << k;
    }
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(paragraph(hitting(10, 14), pick(k, 5)), losers[k]) << k;
    }
}

TEST(TeamHitting, FieldingSentenceFirstRowThatHolds) {
    const struct {
        std::int16_t winnerDoublePlays, winnerErrors, loserErrors, loserLeftOnBase;
        std::int16_t winnerRuns, loserRuns;
        const char* expected;
    } cases[] = {
        {4, 5, 5, 20, 6, 2, "In addition, they turned 4 double-plays.  "},
        {3, 4, 5, 20, 6, 2, "They overcame 4 errors to come out on top.  "},
        {3, 3, 4, 20, 6, 2, "They took advantage of 4 errors by the Harbor City.  "},
        {3, 3, 3, 13, 4, 3,
         "The Harbor City might have pulled it out had they not stranded 13 runners.  "},
        {3, 3, 3, 10, 4, 3, ""},
        {0, 0, 0, 11, 4, 3,
         "The Harbor City might have pulled it out had they not stranded 11 runners.  "},
        {0, 0, 0, 14, 6, 2,
         "The Harbor City might have pulled it out had they not stranded 14 runners.  "},
        {0, 0, 0, 13, 6, 2, ""},
        {0, 0, 0, 0, 6, 2, ""},
    };
    for (const auto& c : cases) {
        GameRecord game = hitting();
        game.doublePlays[kVisitors] = c.winnerDoublePlays;
        game.errors[kVisitors] = c.winnerErrors;
        game.errors[kHome] = c.loserErrors;
        game.leftOnBase[kHome] = c.loserLeftOnBase;
        game.runs[kVisitors] = c.winnerRuns;
        game.runs[kHome] = c.loserRuns;
        EXPECT_EQ(paragraph(game), c.expected) << c.winnerDoublePlays << " " << c.loserLeftOnBase;
    }
}

TEST(TeamHitting, TiedGameStrandedRunnersOfTheVisitorsAsAWord) {
    GameRecord game = hitting();
    game.runs[kVisitors] = 4;
    game.runs[kHome] = 4;
    deriveWinner(game);  // a tie counts as a home win
    game.leftOnBase[kVisitors] = 10;
    EXPECT_EQ(paragraph(game),
              "The Riverton might have pulled it out had they not stranded ten runners.  ");
}

TEST(TeamHitting, AllThreeSentencesInOrder) {
    GameRecord game = hitting(13, 13);
    game.doublePlays[kVisitors] = 4;
    EXPECT_EQ(paragraph(game, pick(12, 13)),
              "The Riverton offense was blistering, belting out 13 hits in this contest.  "
              "In addition, they turned 4 double-plays.  "
              "The Harbor City also collected 13 hits in this slugfest.  ");
}

}  // namespace
}  // namespace quillbat
