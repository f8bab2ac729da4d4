#include "article/team_hitting_paragraph.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

// Riverton (visitors) beat Harbor City; every count is set by the test.
class TeamHitting : public testing::Test, public ArticleFixture {
  protected:
    TeamHitting() {
        record.teamName[kVisitors] = "Riverton";
        record.teamName[kHome] = "Harbor City";
        record.runs[kVisitors] = 6;
        record.runs[kHome] = 2;
        record.innings = 9;
        deriveWinner(record);
    }
    void hits(int winners, int losers) {
        record.hits[kVisitors] = static_cast<std::int16_t>(winners);
        record.hits[kHome] = static_cast<std::int16_t>(losers);
    }
    std::string written() {
        writeTeamHittingParagraph(record, context);
        EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
        return text();
    }
    GameRecord record;
};

TEST_F(TeamHitting, QuietGameAppendsNothingAndDrawsNothing) {
    hits(8, 7);
    EXPECT_EQ(written(), "");
    EXPECT_EQ(random.draws(), 0);
}

TEST_F(TeamHitting, WinnersBigDayNeedsThirteenHitsInAtMostTenInnings) {
    hits(12, 0);
    EXPECT_EQ(written(), "");
    hits(13, 0);
    script({pick(1, 13)});
    EXPECT_EQ(written(), "The Riverton amassed 13 hits in the game.  ");
}

TEST_F(TeamHitting, NoBigDayInElevenInnings) {
    record.innings = 11;
    hits(15, 14);
    EXPECT_EQ(written(), "");
    record.innings = 10;
    script({pick(0, 13)});
    EXPECT_EQ(written(),
              "This was a torrid 15-hit game for the Riverton.  "
              "The Harbor City also collected 14 hits in this slugfest.  ");
}

TEST_F(TeamHitting, EveryWinnersVariant) {
    const char* expected[] = {
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
    hits(14, 5);
    for (int k = 0; k < 13; ++k) {
        ArticleFixture fresh;
        fresh.script({pick(k, 13)});
        writeTeamHittingParagraph(record, fresh.context);
        EXPECT_EQ(fresh.text(), expected[k]) << k;
    }
}

TEST_F(TeamHitting, EveryLosersVariantWhenOnlyTheLosersHadABigDay) {
    const char* expected[] = {
        "It was a 14-hit game for the Harbor City offense.  ",
        "The Harbor City pounded out 14 hits in a losing effort.  ",
        "It was a 14-hit day in a losing effort for the Harbor City.  ",
        "The Harbor City racked up 14 hits, but came up short in the runs column.  ",
        "The Harbor City offense collected 14 hits, but it wasn't enough.  ",
    };
    hits(10, 14);
    for (int k = 0; k < 5; ++k) {
        ArticleFixture fresh;
        fresh.script({pick(k, 5)});
        writeTeamHittingParagraph(record, fresh.context);
        EXPECT_EQ(fresh.text(), expected[k]) << k;
        EXPECT_EQ(fresh.random.draws(), 1);
    }
}

TEST_F(TeamHitting, BothBigDays) {
    hits(14, 15);
    script({pick(2, 13)});
    EXPECT_EQ(written(),
              "The Riverton racked up 14 hits in this one.  "
              "The Harbor City had more hits but still lost the game.  ");
}

TEST_F(TeamHitting, BothBigDaysWithEqualHitsIsASlugfest) {
    hits(14, 14);
    script({pick(2, 13)});
    EXPECT_EQ(written(),
              "The Riverton racked up 14 hits in this one.  "
              "The Harbor City also collected 14 hits in this slugfest.  ");
}

TEST_F(TeamHitting, LosersTwelveHitsAreNoBigDay) {
    hits(14, 12);
    script({pick(5, 13)});
    EXPECT_EQ(written(), "It was a 14-hit outing for the Riverton.  ");
}

struct FieldingCase {
    int winnerDoublePlays;
    int winnerErrors;
    int loserErrors;
    int loserLeftOnBase;
    int winnerRuns;
    int loserRuns;
    const char* expected;
};

TEST_F(TeamHitting, FieldingSentenceFirstRowThatHolds) {
    const FieldingCase cases[] = {
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
    for (const FieldingCase& c : cases) {
        ArticleFixture fresh;
        GameRecord game = record;
        game.doublePlays[kVisitors] = static_cast<std::int16_t>(c.winnerDoublePlays);
        game.errors[kVisitors] = static_cast<std::int16_t>(c.winnerErrors);
        game.errors[kHome] = static_cast<std::int16_t>(c.loserErrors);
        game.leftOnBase[kHome] = static_cast<std::int16_t>(c.loserLeftOnBase);
        game.runs[kVisitors] = static_cast<std::int16_t>(c.winnerRuns);
        game.runs[kHome] = static_cast<std::int16_t>(c.loserRuns);
        writeTeamHittingParagraph(game, fresh.context);
        EXPECT_EQ(fresh.text(), c.expected) << c.winnerDoublePlays << " " << c.loserLeftOnBase;
    }
}

TEST_F(TeamHitting, TiedGameStrandedRunnersOfTheVisitorsAsAWord) {
    record.runs[kVisitors] = 4;
    record.runs[kHome] = 4;
    deriveWinner(record);  // a tie counts as a home win
    record.leftOnBase[kVisitors] = 10;
    EXPECT_EQ(written(),
              "The Riverton might have pulled it out had they not stranded ten runners.  ");
}

TEST_F(TeamHitting, AllThreeSentencesInOrder) {
    hits(13, 13);
    record.doublePlays[kVisitors] = 4;
    script({pick(12, 13)});
    EXPECT_EQ(written(),
              "The Riverton offense was blistering, belting out 13 hits in this contest.  "
              "In addition, they turned 4 double-plays.  "
              "The Harbor City also collected 13 hits in this slugfest.  ");
}

}  // namespace
}  // namespace quillbat
