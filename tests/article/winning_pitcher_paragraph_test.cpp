#include "article/winning_pitcher_paragraph.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

TEST(WinnerRecordCategory, FirstRowThatHolds) {
    const struct {
        int wins;
        int losses;
        const char* category;
    } cases[] = {
        {20, 3, "twenty"}, {20, 25, "twenty"}, {19, 3, "great"},  {15, 4, "great"},
        {15, 5, "gap"},    {12, 6, "gap"},     {12, 7, "raises"}, {2, 13, "dismal"},
        {2, 12, "normal"}, {5, 4, "above"},    {4, 3, "above"},   {3, 2, "normal"},
        {8, 5, "raises"},  {6, 5, "above"},    {6, 4, "raises"},  {5, 3, "normal"},
        {4, 4, "evens"},   {0, 0, "evens"},    {1, 0, "normal"},  {3, 7, "normal"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(winnerRecordCategory(static_cast<std::int16_t>(c.wins),
                                       static_cast<std::int16_t>(c.losses)),
                  c.category)
            << c.wins << "-" << c.losses;
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

TEST(EraAdjective, BandsWithTheirExactBounds) {
    const struct {
        double era;
        const char* adjective;
    } cases[] = {
        {0.0, "a microscopic "},
        {0.99, "a microscopic "},
        {1.0, "a miniscule "},
        {1.24999, "a miniscule "},
        {1.25, "a stunning "},
        {1.4999, "a stunning "},
        {1.49995, ""},
        {1.5, "a stellar "},
        {1.7499, "a stellar "},
        {1.75, "a dominating "},
        {1.9999, "a dominating "},
        {2.0, "an astounding "},
        {2.1999, "an astounding "},
        {2.2, "a minute "},
        {2.3999, "a minute "},
        {2.4, "a phenomenal "},
        {2.5999, "a phenomenal "},
        {2.6, "an awesome "},
        {2.7999, "an awesome "},
        {2.8, "an exceptional "},
        {2.9999, "an exceptional "},
        {3.0, "a superb "},
        {3.09999, "a superb "},
        {3.1, "an outstanding "},
        {3.19999, "an outstanding "},
        {3.2, "an impressive "},
        {3.29999, "an impressive "},
        {3.3, "a notable "},
        {3.39999, "a notable "},
        {3.4, "a nice "},
        {3.49999, "a nice "},
        {3.5, ""},
        {3.99, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eraAdjective(c.era), c.adjective) << c.era;
    }
}

TEST(FormatEra, AtLeastOneDigitBeforeThePointAndTwoAfter) {
    EXPECT_EQ(formatEra(1.62), "1.62");
    EXPECT_EQ(formatEra(0.5), "0.50");
    EXPECT_EQ(formatEra(3), "3.00");
    EXPECT_EQ(formatEra(12.345678), "12.35");
}

// Harbor City (home) beat Riverton 5-3 in nine innings; the winner's line is set per test.
class WinningPitcher : public testing::Test, public ArticleFixture {
  protected:
    WinningPitcher() {
        phrases.set("pitch_won.dat",
                    "twenty,T\ngreat,G\ngap,P\ndismal,D\nabove,A\nraises,R\nevens,E\n"
                    "normal,\"#winPitch# (#wins#-#losses#) won.  \"\n");
        record = quietGame();
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
        script({0.0});
    }
    // The text after the phrase.
    std::string sentences() {
        writeWinningPitcherParagraph(record, context);
        EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
        const std::string phrase = "Tom Ashford (3-1) won.  ";
        EXPECT_EQ(text().substr(0, phrase.size()), phrase);
        return text().substr(phrase.size());
    }
    GameRecord record;
};

TEST_F(WinningPitcher, PhraseOnlyWhenNothingElseHolds) {
    EXPECT_EQ(sentences(), "");
    EXPECT_EQ(random.draws(), 1);
}

struct OutingCase {
    const char* innings;
    int gameInnings;
    int hits;
    int runs;
    int earnedRuns;
    int loserRuns;
    const char* expected;
};

TEST_F(WinningPitcher, OutingSentenceFirstThatHolds) {
    const OutingCase cases[] = {
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
    for (const OutingCase& c : cases) {
        ArticleFixture fresh;
        fresh.phrases.set("pitch_won.dat", "");
        fresh.script({0.0});
        GameRecord game = record;
        game.winInnings = c.innings;
        game.innings = static_cast<std::int16_t>(c.gameInnings);
        game.winHits = static_cast<std::int16_t>(c.hits);
        game.winRuns = static_cast<std::int16_t>(c.runs);
        game.winEarnedRuns = static_cast<std::int16_t>(c.earnedRuns);
        game.runs[game.loseTeam] = static_cast<std::int16_t>(c.loserRuns);
        writeWinningPitcherParagraph(game, fresh.context);
        EXPECT_EQ(fresh.text(), c.expected) << c.innings << " " << c.hits << " hits";
    }
}

TEST_F(WinningPitcher, StrikeoutOrPitchCountSentence) {
    const struct {
        int strikeouts;
        int pitches;
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
        ArticleFixture fresh;
        fresh.phrases.set("pitch_won.dat", "");
        fresh.script({0.0});
        GameRecord game = record;
        game.winStrikeouts = static_cast<std::int16_t>(c.strikeouts);
        game.winPitches = static_cast<std::int16_t>(c.pitches);
        writeWinningPitcherParagraph(game, fresh.context);
        EXPECT_EQ(fresh.text(), c.expected) << c.strikeouts << " " << c.pitches;
    }
}

// A 12-5 pitcher who allowed 1 earned run in 8 innings (game ERA 1.125).
class EraSentence : public WinningPitcher {
  protected:
    EraSentence() {
        record.winWins = 12;
        record.winLosses = 5;
        phrases.set("pitch_won.dat", "gap,\"#winPitch# (#wins#-#losses#) won.  \"\n");
        record.winInnings = "8.0";
        record.winEarnedRuns = 1;
        record.winRuns = 1;
        record.runs[record.loseTeam] = 1;
    }
    std::string eraText() {
        writeWinningPitcherParagraph(record, context);
        EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
        const std::string before = "Tom Ashford (12-5) won.  ";
        return text().substr(before.size());
    }
};

TEST_F(EraSentence, OpeningAdjectiveAndEraWithTheDrawAfterThePhrase) {
    record.winEra = 1.62;
    script({0.0, pick(5, 25)});
    EXPECT_EQ(eraText(), "He trimmed his ERA to a stellar 1.62.  ");
}

TEST_F(EraSentence, NoAdjectiveFromThreeAndAHalf) {
    record.winEra = 3.75;
    script({0.0, pick(24, 25)});
    EXPECT_EQ(eraText(), "He dropped his ERA to 3.75.  ");
}

TEST_F(EraSentence, EveryOpening) {
    const char* openings[] = {
        "His earned run average fell to ",
        "He improved his ERA to ",
        "This lowered his ERA to ",
        "His ERA dropped to ",
        "This took his ERA down to ",
        "He trimmed his ERA to ",
        "He reduced his ERA to ",
        "This pulled his ERA down to ",
        "His earned run average fell to ",
        "This dropped his earned run average to ",
        "He pared his ERA down to ",
        "He pruned his earned run average to ",
        "This decreased his ERA to ",
        "He diminished his ERA to ",
        "He downsized his ERA to ",
        "This shrunk his ERA down to ",
        "His earned run average lowered to ",
        "This lowered his earned run average to ",
        "He decreased his ERA down to ",
        "He compressed his earned run average to ",
        "He lessened his ERA to ",
        "He scaled down his ERA to ",
        "He decreased his ERA to ",
        "He lowered his ERA to ",
        "He dropped his ERA to ",
    };
    record.winEra = 2.05;
    for (int r = 0; r < 25; ++r) {
        ArticleFixture fresh;
        fresh.phrases.set("pitch_won.dat", "");
        fresh.script({0.0, pick(r, 25)});
        writeWinningPitcherParagraph(record, fresh.context);
        EXPECT_EQ(fresh.text(), std::string(openings[r]) + "an astounding 2.05.  ") << r;
    }
}

TEST_F(EraSentence, NotWrittenAndNotDrawnUnlessAllThreeHold) {
    const struct {
        const char* innings;
        int earnedRuns;
        int wins;
        int losses;
        double era;
    } cases[] = {
        {"6.2", 2, 12, 5, 2.70},  // game ERA 2.7000027 is not below 2.70
        {"8.0", 0, 12, 5, 0.00},  // nothing is below 0.00
        {"8.0", 1, 12, 5, 4.00},  // season ERA must be under 4
        {"8.0", 1, 3, 2, 2.00},   // five decisions are not enough
        {"0.0", 0, 12, 5, 2.00},  // no innings: no game ERA
        {"", 0, 12, 5, 2.00},
    };
    for (const auto& c : cases) {
        ArticleFixture fresh;
        fresh.phrases.set("pitch_won.dat", "");
        fresh.script({0.0});
        GameRecord game = record;
        game.winInnings = c.innings;
        game.winEarnedRuns = static_cast<std::int16_t>(c.earnedRuns);
        game.winWins = static_cast<std::int16_t>(c.wins);
        game.winLosses = static_cast<std::int16_t>(c.losses);
        game.winEra = c.era;
        writeWinningPitcherParagraph(game, fresh.context);
        EXPECT_EQ(fresh.random.draws(), 1) << c.innings << " " << c.era;
        EXPECT_EQ(fresh.text().find("ERA"), std::string::npos) << fresh.text();
        EXPECT_EQ(fresh.text().find("earned run average"), std::string::npos) << fresh.text();
    }
}

TEST_F(EraSentence, SixDecisionsAndAThirdsGameEraJustBelow) {
    record.winWins = 4;
    record.winLosses = 2;
    record.winInnings = "6.2";
    record.winEarnedRuns = 2;  // game ERA 2.7000027
    record.winEra = 2.71;
    phrases.set("pitch_won.dat", "");
    script({0.0, pick(1, 25)});
    writeWinningPitcherParagraph(record, context);
    EXPECT_EQ(text(), "He improved his ERA to an awesome 2.71.  ");
}

}  // namespace
}  // namespace quillbat
