#include "article/batter_paragraphs.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

// A batting line: hits, doubles, triples, home runs, at bats, runs batted in.
Batter line(std::int16_t hits, std::int16_t doubles, std::int16_t triples, std::int16_t homeRuns,
            std::int16_t atBats, std::int16_t runsBattedIn = 0) {
    Batter batter;
    batter.batterName = "Al Harlan";
    batter.batterHits = hits;
    batter.doubles = doubles;
    batter.triples = triples;
    batter.homeRuns = homeRuns;
    batter.atBats = atBats;
    batter.runsBattedIn = runsBattedIn;
    return batter;
}

// Three extra-base hits without a single are no cycle, nor are notes that credit more than the
// hits; the last row is an empty slot.
TEST(StarCategory, FirstRowThatHolds) {
    // clang-format off
    const struct {
        Batter batter;
        std::string_view firstStar, otherStar;
    } cases[] = {
        {line(4, 1, 1, 1, 4), "cycle", "cycle"},      {line(3, 1, 1, 1, 4), "Hits234", "Hits234"},
        {line(1, 1, 1, 1, 4), "Hits234", "Hits234"},  {line(3, 0, 1, 2, 4), "HRs", "HRs"},
        {line(3, 0, 1, 1, 4), "Hits34", "Hits34"},    {line(2, 0, 1, 1, 4), "Hits4", "none"},
        {line(3, 1, 0, 1, 4), "Hits24", "Hits24"},    {line(3, 1, 1, 0, 4, 1), "Hits23RBI", "none"},
        {line(3, 1, 1, 0, 4), "Hits23", "none"},      {line(2, 1, 1, 0, 4), "Hits3", "none"},
        {line(2, 0, 0, 1, 4), "Hits4", "none"},       {line(3, 0, 0, 1, 4), "Hits4", "Hits4"},
        {line(2, 0, 1, 0, 3, 1), "Hits3RBI", "none"}, {line(2, 0, 1, 0, 3), "Hits3", "none"},
        {line(2, 1, 0, 0, 3, 1), "Hits2RBI", "none"}, {line(2, 1, 0, 0, 3), "Hits2", "none"},
        {line(3, 0, 0, 0, 4, 1), "RBI", "none"},      {line(3, 0, 0, 0, 4), "normal", "none"},
        {line(1, 0, 0, 1, 4), "oneHR", "none"},       {line(1, 0, 0, 1, 3), "normal", "none"},
        {line(1, 0, 0, 0, 4), "none", "none"},        {line(1, 0, 0, 0, 3), "normal", "none"},
        {line(1, 1, 0, 0, 4, 2), "none", "none"},     {line(0, 0, 0, 0, 4), "normal", "none"},
        {Batter{}, "normal", "none"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Batter& b = c.batter;
        EXPECT_EQ(firstStarCategory(b), c.firstStar) << c.firstStar << " " << b.batterHits;
        EXPECT_EQ(otherStarCategory(b), c.otherStar) << c.firstStar << " " << b.batterHits;
    }
}

Batter season(std::int16_t homeRunsToday, std::int16_t homeRuns, std::int16_t runsBattedIn,
              std::int16_t triples, std::int16_t doubles) {
    Batter batter = line(2, 0, 0, homeRunsToday, 4);
    batter.seasonHomeRuns = homeRuns;
    batter.seasonRunsBattedIn = runsBattedIn;
    batter.seasonTriples = triples;
    batter.seasonDoubles = doubles;
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

// Harbor City (home) beat Riverton; the star phrases name their file and category, the
// home-run phrase shows its tokens.
class BatterParagraphs : public testing::Test, public ArticleFixture {
  protected:
    BatterParagraphs() {
        std::string winner1, winner2, loser1;
        for (const char* category :
             {"cycle", "HRs", "Hits234", "Hits34", "Hits24", "Hits23RBI", "Hits23", "Hits4",
              "Hits3RBI", "Hits3", "Hits2RBI", "Hits2", "RBI", "oneHR", "none", "normal"}) {
            const std::string c = category;
            winner1 += c + ",\"1:" + c + " \"\n";
            winner2 += c + ",\"2:" + c + " \"\n";
            loser1 += c + ",\"" + c + " \"\n";
        }
        phrases.set("winner_1_batter.dat", winner1);
        phrases.set("winner_2_batter.dat", winner2);
        phrases.set("loser_1_batter.dat", loser1);
        phrases.set("homerun.dat",
                    "oRBI3B,\"[HR #homeruns# #triples# #doubles# #rbi# #batter#] \"\n");
        record = quietGame();
        first() = line(2, 1, 0, 0, 4);
        for (int team : {kVisitors, kHome}) {
            record.firstStar[team] = 1;
            record.secondStar[team] = 2;
        }
    }
    Batter& first() { return record.batters[kHome][1]; }
    Batter& second() { return record.batters[kHome][2]; }
    Batter& loser() { return record.batters[kVisitors][1]; }
    std::string written(std::initializer_list<double> draws) {
        script(draws);
        writeBatterParagraphs(record, context);
        EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
        return text();
    }
    GameRecord record;
};

TEST_F(BatterParagraphs, StarTokensInTableOrder) {
    phrases.set("winner_1_batter.dat",
                "Hits2,\"[#batter# #winners# #losers# #gmH-AB# #gmHits# #gmAB# #gm2B# #gm3B# "
                "#gmHR# #gmRBI#]\"\n");
    first().atBats = 11;
    EXPECT_EQ(written({0.0}), "[Al Harlan Harbor City losers 2-11 two 11 one 0 0 0]");
}

TEST_F(BatterParagraphs, LosingStarKnowsLosersNotWinners) {
    phrases.set("loser_1_batter.dat", "HRs,\"[#batter# #winners# #losers# #gmHR#]\"\n");
    loser() = line(2, 0, 0, 2, 4, 3);
    loser().batterName = "Ned Pike";
    loser().rating = 2.5f;
    EXPECT_EQ(written({0.0, 0.0}), "1:Hits2 [Ned Pike winners Riverton two]");
}

TEST_F(BatterParagraphs, SecondAndLosingStarsOnlyOverTheThreshold) {
    second() = line(3, 0, 0, 1, 4);
    loser() = line(2, 0, 0, 1, 4);
    second().rating = 1.99f;
    loser().rating = 1.99f;
    EXPECT_EQ(written({0.0}), "1:Hits2 ");
    second().rating = 1.9901f;
    loser().rating = 2.0f;
    article = StringArticle();
    EXPECT_EQ(written({0.0, 0.0, 0.0}), "1:Hits2 2:Hits4 none ");
}

TEST_F(BatterParagraphs, HomeRunWalksAndAverageSentencesInOrder) {
    first() = season(1, 15, 85, 7, 12);
    first().batterHits = 3;  // .750 today
    first().runsBattedIn = 3;
    first().walks = 3;
    first().average = 0.301f;
    EXPECT_EQ(written({0.0, 0.0, pick(6, 16)}),
              "1:Hits4 [HR 15 7 12 85 batter] He also drew 3 walks.  "
              "His batting average climbed to .301.  ");
}

TEST_F(BatterParagraphs, NoneSkipsTheFirstStarsOwnSentences) {
    first() = line(1, 0, 0, 0, 4);
    first().seasonHomeRuns = 30;
    first().walks = 3;
    first().average = 0.300f;
    EXPECT_EQ(written({0.0}), "1:none ");
}

TEST_F(BatterParagraphs, NormalDayKeepsTheFirstStarsOwnSentences) {
    first() = season(1, 15, 80, 7, 0);
    first().batterHits = 1;
    first().atBats = 3;
    first().walks = 4;
    first().average = 0.300f;
    EXPECT_EQ(written({0.0, 0.0, pick(0, 16)}),
              "1:normal [HR 15 7 0 80 batter] He also drew 4 walks.  His batting average is now "
              ".300.  ");
}

TEST_F(BatterParagraphs, FourteenSeasonHomeRunsAndTwoWalksGiveNoSentence) {
    first().seasonHomeRuns = 14;
    first().seasonRunsBattedIn = 85;
    first().seasonTriples = 7;
    first().walks = 2;
    EXPECT_EQ(written({0.0}), "1:Hits2 ");
}

TEST_F(BatterParagraphs, AverageSentenceBoundsAreSinglePrecision) {
    const struct {
        std::int16_t hits, atBats;
        float average;
        bool written;
    } cases[] = {
        {2, 4, 0.300f, true}, {1, 4, 0.300f, false}, {2, 4, 0.285f, false},
        {2, 4, 0.286f, true}, {3, 4, 0.425f, false}, {3, 4, 0.424f, true},
        {1, 3, 0.333f, true}, {1, 3, 0.334f, false}, {0, 0, 0.300f, false},
    };
    phrases.set("winner_1_batter.dat", "");
    for (const auto& c : cases) {
        first() = line(c.hits, 0, 0, 0, c.atBats, 1);
        first().average = c.average;
        article = StringArticle();
        const std::string expected =
            c.written ? "He magnified his batting average to " + formatAverage(c.average) + ".  "
                      : "";
        EXPECT_EQ(c.written ? written({0.0, pick(15, 16)}) : written({0.0}), expected)
            << c.hits << "-" << c.atBats << " " << c.average;
    }
}

TEST_F(BatterParagraphs, EveryAverageOpening) {
    // clang-format off
    const char* openings[] = {
        "His batting average is now ",            "He improved his average to ",
        "He raised his average to ",              "He upped his average to ",
        "His average increased to ",              "He boosted his batting average to ",
        "His batting average climbed to ",        "He strengthened his batting average to ",
        "His average rose to ",                   "He enhanced his batting average to ",
        "He heightened his average to ",          "He upped his batting average to ",
        "His average elevated to ",               "He elevated his batting average to ",
        "His batting average grew to ",           "He magnified his batting average to ",
    };
    // clang-format on
    phrases.set("winner_1_batter.dat", "");
    first().average = 0.312f;
    for (int v = 0; v < 16; ++v) {
        article = StringArticle();
        EXPECT_EQ(written({0.0, pick(v, 16)}), std::string(openings[v]) + ".312.  ") << v;
    }
}

TEST_F(BatterParagraphs, EmptyFirstStarSlotIsLeftOutAndDrawsNothing) {
    record = quietGame();  // the stars stay at slot 50, an empty slot
    EXPECT_EQ(written({}), "");
}

TEST_F(BatterParagraphs, DrawsInTheOrderTheTextIsAppended) {
    phrases.set("winner_1_batter.dat", "Hits2,A\nHits2,B\n");
    phrases.set("homerun.dat", "other,C\nother,D\n");
    phrases.set("winner_2_batter.dat", "none,E\nnone,F\n");
    phrases.set("loser_1_batter.dat", "none,G\nnone,H\n");
    first().seasonHomeRuns = 15;
    first().average = 0.300f;
    second().rating = 3.0f;
    loser().rating = 3.0f;
    EXPECT_EQ(written({0.9, 0.1, pick(2, 16), 0.9, 0.1}), "BCHe raised his average to .300.  FG");
}

}  // namespace
}  // namespace quillbat
