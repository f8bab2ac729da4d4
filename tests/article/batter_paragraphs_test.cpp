#include "article/batter_paragraphs.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"
#include "tests/article/case_name.h"

namespace quillbat {
namespace {

// A batting line: hits, doubles, triples, home runs, at bats, runs batted in.
Batter line(int hits, int doubles, int triples, int homeRuns, int atBats, int runsBattedIn = 0) {
    Batter batter;
    batter.batterName = "Al Harlan";
    batter.batterHits = static_cast<std::int16_t>(hits);
    batter.doubles = static_cast<std::int16_t>(doubles);
    batter.triples = static_cast<std::int16_t>(triples);
    batter.homeRuns = static_cast<std::int16_t>(homeRuns);
    batter.atBats = static_cast<std::int16_t>(atBats);
    batter.runsBattedIn = static_cast<std::int16_t>(runsBattedIn);
    return batter;
}

struct StarCase {
    const char* name;
    Batter batter;
    const char* firstStar;
    const char* otherStar;
};

class StarCategory : public testing::TestWithParam<StarCase> {};

TEST_P(StarCategory, FirstRowThatHolds) {
    EXPECT_EQ(firstStarCategory(GetParam().batter), GetParam().firstStar);
    EXPECT_EQ(otherStarCategory(GetParam().batter), GetParam().otherStar);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StarCategory,
    testing::Values(StarCase{"Cycle", line(4, 1, 1, 1, 4), "cycle", "cycle"},
                    StarCase{"ExtraBaseHitsWithoutSingleNoCycle", line(3, 1, 1, 1, 4), "Hits234",
                             "Hits234"},
                    StarCase{"TwoHomersAndATriple", line(3, 0, 1, 2, 4), "HRs", "HRs"},
                    StarCase{"TripleAndHomerInThreeHits", line(3, 0, 1, 1, 4), "Hits34", "Hits34"},
                    StarCase{"TripleAndHomerInTwoHits", line(2, 0, 1, 1, 4), "Hits4", "none"},
                    StarCase{"DoubleAndHomerInThreeHits", line(3, 1, 0, 1, 4), "Hits24", "Hits24"},
                    StarCase{"DoubleTripleRbi", line(3, 1, 1, 0, 4, 1), "Hits23RBI", "none"},
                    StarCase{"DoubleTriple", line(3, 1, 1, 0, 4), "Hits23", "none"},
                    StarCase{"DoubleTripleInTwoHits", line(2, 1, 1, 0, 4), "Hits3", "none"},
                    StarCase{"HomerInTwoHits", line(2, 0, 0, 1, 4), "Hits4", "none"},
                    StarCase{"HomerInThreeHits", line(3, 0, 0, 1, 4), "Hits4", "Hits4"},
                    StarCase{"TripleRbi", line(2, 0, 1, 0, 3, 1), "Hits3RBI", "none"},
                    StarCase{"Triple", line(2, 0, 1, 0, 3), "Hits3", "none"},
                    StarCase{"DoubleRbi", line(2, 1, 0, 0, 3, 1), "Hits2RBI", "none"},
                    StarCase{"Double", line(2, 1, 0, 0, 3), "Hits2", "none"},
                    StarCase{"SinglesWithRbi", line(3, 0, 0, 0, 4, 1), "RBI", "none"},
                    StarCase{"SinglesWithoutRbi", line(3, 0, 0, 0, 4), "normal", "none"},
                    StarCase{"OneHomerInFour", line(1, 0, 0, 1, 4), "oneHR", "none"},
                    StarCase{"OneHomerInThree", line(1, 0, 0, 1, 3), "normal", "none"},
                    StarCase{"OneSingleInFour", line(1, 0, 0, 0, 4), "none", "none"},
                    StarCase{"OneSingleInThree", line(1, 0, 0, 0, 3), "normal", "none"},
                    StarCase{"DoubleAloneInFour", line(1, 1, 0, 0, 4, 2), "none", "none"},
                    StarCase{"Hitless", line(0, 0, 0, 0, 4), "normal", "none"},
                    StarCase{"EmptySlot", Batter{}, "normal", "none"},
                    StarCase{"NotesCreditMoreThanHits", line(1, 1, 1, 1, 4), "Hits234", "Hits234"}),
    CaseName());

Batter season(int homeRunsToday, int homeRuns, int runsBattedIn, int triples, int doubles) {
    Batter batter = line(2, 0, 0, homeRunsToday, 4);
    batter.seasonHomeRuns = static_cast<std::int16_t>(homeRuns);
    batter.seasonRunsBattedIn = static_cast<std::int16_t>(runsBattedIn);
    batter.seasonTriples = static_cast<std::int16_t>(triples);
    batter.seasonDoubles = static_cast<std::int16_t>(doubles);
    return batter;
}

TEST(HomeRunCategory, FamilyAndFirstRowThatHolds) {
    const struct {
        Batter batter;
        const char* category;
    } cases[] = {
        {season(1, 15, 85, 7, 0), "oRBI3B"},      {season(1, 21, 50, 3, 26), "12B"},
        {season(1, 23, 10, 0, 0), "3"},           {season(2, 30, 10, 0, 0), "mult"},
        {season(1, 20, 10, 0, 0), "other"},       {season(0, 32, 80, 6, 30), "2RBI2B"},
        {season(0, 32, 80, 6, 29), "2RBI"},       {season(0, 31, 79, 7, 30), "13B"},
        {season(0, 31, 79, 4, 25), "12B"},        {season(0, 31, 79, 4, 24), "1"},
        {season(3, 41, 120, 9, 40), "multRBI3B"}, {season(2, 41, 10, 5, 0), "mult3B"},
        {season(0, 19, 10, 0, 0), "other"},       {season(0, 33, 80, 7, 30), "3RBI3B"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(homeRunCategory(c.batter), c.category) << c.category;
    }
}

TEST(FormatAverage, ThreeDecimalsWithoutLeadingZero) {
    EXPECT_EQ(formatAverage(0.312f), ".312");
    EXPECT_EQ(formatAverage(0.3f), ".300");
    EXPECT_EQ(formatAverage(0.0f), ".000");
    EXPECT_EQ(formatAverage(1.0f), "1.000");
    EXPECT_EQ(formatAverage(0.4245f), ".424");
}

// Harbor City (home) beat Riverton; slots 1 and 2 of each team are set by the tests.
class BatterParagraphs : public testing::Test, public ArticleFixture {
  protected:
    BatterParagraphs() {
        std::string categories[] = {
            "cycle",    "HRs",   "Hits234",  "Hits34", "Hits24", "Hits23RBI", "Hits23", "Hits4",
            "Hits3RBI", "Hits3", "Hits2RBI", "Hits2",  "RBI",    "oneHR",     "none",   "normal"};
        std::string winner1;
        std::string winner2;
        std::string loser1;
        for (const std::string& category : categories) {
            winner1 += category + ",\"1:" + category + " \"\n";
            winner2 += category + ",\"2:" + category + " \"\n";
            loser1 += category + ",\"" + category + " \"\n";
        }
        phrases.set("winner_1_batter.dat", winner1);
        phrases.set("winner_2_batter.dat", winner2);
        phrases.set("loser_1_batter.dat", loser1);
        phrases.set("homerun.dat",
                    "oRBI3B,\"[HR #homeruns# #triples# #doubles# #rbi# #batter#] \"\n");
        record = quietGame();
        winningFirst() = line(2, 1, 0, 0, 4);
        winningFirst().batterName = "Al Harlan";
        record.firstStar[kHome] = 1;
        record.secondStar[kHome] = 2;
        record.firstStar[kVisitors] = 1;
        record.secondStar[kVisitors] = 2;
    }
    Batter& winningFirst() { return record.batters[kHome][1]; }
    Batter& winningSecond() { return record.batters[kHome][2]; }
    Batter& losingFirst() { return record.batters[kVisitors][1]; }
    std::string written() {
        writeBatterParagraphs(record, context);
        EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
        return text();
    }
    GameRecord record;
};

TEST_F(BatterParagraphs, StarTokensInTableOrder) {
    phrases.set(
        "winner_1_batter.dat",
        "Hits2,\"[#batter# #winners# #losers# #gmH-AB# #gmHits# #gmAB# #gm2B# #gm3B# #gmHR# "
        "#gmRBI#]\"\n");
    winningFirst().atBats = 11;
    script({0.0});
    EXPECT_EQ(written(), "[Al Harlan Harbor City losers 2-11 two 11 one 0 0 0]");
}

TEST_F(BatterParagraphs, LosingStarKnowsLosersNotWinners) {
    phrases.set("loser_1_batter.dat", "HRs,\"[#batter# #winners# #losers# #gmHR#]\"\n");
    losingFirst() = line(2, 0, 0, 2, 4, 3);
    losingFirst().batterName = "Ned Pike";
    losingFirst().rating = 2.5f;
    script({0.0, 0.0});
    EXPECT_EQ(written(), "1:Hits2 [Ned Pike winners Riverton two]");
}

TEST_F(BatterParagraphs, OnlyTheWinningFirstStarBelowTheThresholds) {
    winningSecond().rating = 1.99f;
    losingFirst().rating = 1.99f;
    script({0.0});
    EXPECT_EQ(written(), "1:Hits2 ");
}

TEST_F(BatterParagraphs, SecondAndLosingStarsJustOverTheThreshold) {
    winningSecond() = line(3, 0, 0, 1, 4);
    winningSecond().rating = 1.9901f;
    losingFirst() = line(2, 0, 0, 1, 4);
    losingFirst().rating = 2.0f;
    script({0.0, 0.0, 0.0});
    EXPECT_EQ(written(), "1:Hits2 2:Hits4 none ");
}

TEST_F(BatterParagraphs, HomeRunWalksAndAverageSentencesInOrder) {
    winningFirst() = line(3, 0, 0, 1, 4, 3);  // .750 today
    winningFirst().batterName = "Al Harlan";
    winningFirst().seasonHomeRuns = 15;
    winningFirst().seasonRunsBattedIn = 85;
    winningFirst().seasonTriples = 7;
    winningFirst().seasonDoubles = 12;
    winningFirst().walks = 3;
    winningFirst().average = 0.301f;
    script({0.0, 0.0, pick(6, 16)});
    EXPECT_EQ(written(),
              "1:Hits4 [HR 15 7 12 85 batter] He also drew 3 walks.  "
              "His batting average climbed to .301.  ");
}

TEST_F(BatterParagraphs, NoneSkipsTheFirstStarsOwnSentences) {
    winningFirst() = line(1, 0, 0, 0, 4);
    winningFirst().seasonHomeRuns = 30;
    winningFirst().walks = 3;
    winningFirst().average = 0.300f;
    script({0.0});
    EXPECT_EQ(written(), "1:none ");
}

TEST_F(BatterParagraphs, NormalDayKeepsTheFirstStarsOwnSentences) {
    winningFirst() = line(1, 0, 0, 1, 3);
    winningFirst().seasonHomeRuns = 15;
    winningFirst().seasonRunsBattedIn = 80;
    winningFirst().seasonTriples = 7;
    winningFirst().walks = 4;
    winningFirst().average = 0.300f;
    script({0.0, 0.0, pick(0, 16)});
    EXPECT_EQ(written(),
              "1:normal [HR 15 7 0 80 batter] He also drew 4 walks.  His batting average is now "
              ".300.  ");
}

TEST_F(BatterParagraphs, FourteenSeasonHomeRunsAndTwoWalksGiveNoSentence) {
    winningFirst().seasonHomeRuns = 14;
    winningFirst().seasonRunsBattedIn = 85;
    winningFirst().seasonTriples = 7;
    winningFirst().walks = 2;
    script({0.0});
    EXPECT_EQ(written(), "1:Hits2 ");
}

TEST_F(BatterParagraphs, AverageSentenceBoundsAreSinglePrecision) {
    const struct {
        int hits;
        int atBats;
        float average;
        bool written;
    } cases[] = {
        {2, 4, 0.300f, true}, {1, 4, 0.300f, false}, {2, 4, 0.285f, false},
        {2, 4, 0.286f, true}, {3, 4, 0.425f, false}, {3, 4, 0.424f, true},
        {1, 3, 0.333f, true}, {1, 3, 0.334f, false}, {0, 0, 0.300f, false},
    };
    for (const auto& c : cases) {
        ArticleFixture fresh;
        fresh.phrases.set("winner_1_batter.dat", "");
        fresh.phrases.set("homerun.dat", "");
        GameRecord game = record;
        Batter& star = game.batters[kHome][1];
        star = line(c.hits, 0, 0, 0, c.atBats, 1);
        star.average = c.average;
        fresh.script(c.written ? std::initializer_list<double>{0.0, pick(15, 16)}
                               : std::initializer_list<double>{0.0});
        writeBatterParagraphs(game, fresh.context);
        const std::string expected =
            c.written ? "He magnified his batting average to " + formatAverage(c.average) + ".  "
                      : "";
        EXPECT_EQ(fresh.text(), expected) << c.hits << "-" << c.atBats << " " << c.average;
        EXPECT_EQ(fresh.random.draws(), c.written ? 2 : 1);
    }
}

TEST_F(BatterParagraphs, EveryAverageOpening) {
    const char* openings[] = {
        "His batting average is now ",
        "He improved his average to ",
        "He raised his average to ",
        "He upped his average to ",
        "His average increased to ",
        "He boosted his batting average to ",
        "His batting average climbed to ",
        "He strengthened his batting average to ",
        "His average rose to ",
        "He enhanced his batting average to ",
        "He heightened his average to ",
        "He upped his batting average to ",
        "His average elevated to ",
        "He elevated his batting average to ",
        "His batting average grew to ",
        "He magnified his batting average to ",
    };
    winningFirst().average = 0.312f;
    for (int v = 0; v < 16; ++v) {
        ArticleFixture fresh;
        fresh.phrases.set("winner_1_batter.dat", "");
        fresh.script({0.0, pick(v, 16)});
        writeBatterParagraphs(record, fresh.context);
        EXPECT_EQ(fresh.text(), std::string(openings[v]) + ".312.  ") << v;
    }
}

TEST_F(BatterParagraphs, EmptyFirstStarSlotIsLeftOutAndDrawsNothing) {
    GameRecord game = quietGame();  // stars stay at slot 50, an empty slot
    writeBatterParagraphs(game, context);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(random.draws(), 0);
}

TEST_F(BatterParagraphs, DrawsInTheOrderTheTextIsAppended) {
    phrases.set("winner_1_batter.dat", "Hits2,A\nHits2,B\n");
    phrases.set("homerun.dat", "other,C\nother,D\n");
    phrases.set("winner_2_batter.dat", "none,E\nnone,F\n");
    phrases.set("loser_1_batter.dat", "none,G\nnone,H\n");
    winningFirst().seasonHomeRuns = 15;
    winningFirst().average = 0.300f;
    winningSecond().rating = 3.0f;
    losingFirst().rating = 3.0f;
    script({0.9, 0.1, pick(2, 16), 0.9, 0.1});
    EXPECT_EQ(written(), "BCHe raised his average to .300.  FG");
    EXPECT_EQ(random.draws(), 5);
}

}  // namespace
}  // namespace quillbat
