#include "article/losing_pitcher_paragraph.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

TEST(LoserRecordCategory, FirstRowThatHolds) {
    const struct {
        int wins;
        int losses;
        const char* category;
    } cases[] = {
        {12, 5, "gap"},   {11, 5, "gap"},   {10, 5, "normal"}, {3, 10, "dismal"},
        {3, 9, "dismal"}, {3, 8, "falls"},  {4, 5, "below"},   {3, 4, "normal"},
        {6, 8, "falls"},  {5, 6, "below"},  {2, 5, "normal"},  {7, 7, "evens"},
        {0, 0, "evens"},  {0, 1, "normal"}, {1, 6, "falls"},   {8, 2, "gap"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(loserRecordCategory(static_cast<std::int16_t>(c.wins),
                                      static_cast<std::int16_t>(c.losses)),
                  c.category)
            << c.wins << "-" << c.losses;
    }
}

TEST(SaveCategory, OverTwentyOverTenOverZero) {
    EXPECT_EQ(saveCategory(21), "20");
    EXPECT_EQ(saveCategory(45), "20");
    EXPECT_EQ(saveCategory(20), "10");
    EXPECT_EQ(saveCategory(11), "10");
    EXPECT_EQ(saveCategory(10), "0");
    EXPECT_EQ(saveCategory(1), "0");
    EXPECT_EQ(saveCategory(0), std::nullopt);
    EXPECT_EQ(saveCategory(-3), std::nullopt);
}

TEST(SavesText, OrdinalSuffixOnlyOverTwenty) {
    const struct {
        int saves;
        const char* text;
    } cases[] = {
        {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {24, "24th"}, {30, "30th"}, {31, "31st"},
        {42, "42nd"}, {20, "20"},   {15, "15"},   {11, "11"},   {12, "12"},   {1, "1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(savesText(static_cast<std::int16_t>(c.saves)), c.text);
    }
}

class LosingPitcher : public testing::Test, public ArticleFixture {
  protected:
    LosingPitcher() {
        phrases.set("pitch_lost.dat",
                    "gap,G\ndismal,D\nbelow,B\nfalls,F\nnormal,N\n"
                    "evens,\"#losePitch# fell to #wins#-#losses#.  \"\n");
        phrases.set(
            "pitch_save.dat",
            "0,\"#savePitch# got save #saves#.  \"\n10,\"#savePitch# got save #saves#.  \"\n"
            "20,\"#savePitch# notched his #saves# save.  \"\n");
        record = quietGame();
        record.losePitcher = "Carl Dunn";
        record.loseWins = 7;
        record.loseLosses = 7;
    }
    GameRecord record;
};

TEST_F(LosingPitcher, LoserOnlyWithoutSavingPitcher) {
    record.saves = 14;  // no name: no save
    script({0.0});
    writeLosingPitcherParagraphs(record, context);
    EXPECT_EQ(text(), "Carl Dunn fell to 7-7.  ");
    EXPECT_EQ(random.draws(), 1);
}

TEST_F(LosingPitcher, LoserThenSaverWithOrdinal) {
    record.savePitcher = "Lou Vance";
    record.saves = 21;
    script({0.0, 0.0});
    writeLosingPitcherParagraphs(record, context);
    EXPECT_EQ(text(), "Carl Dunn fell to 7-7.  Lou Vance notched his 21st save.  ");
}

TEST_F(LosingPitcher, SaverOfTwentyIsWrittenBare) {
    record.savePitcher = "Lou Vance";
    record.saves = 20;
    script({0.0, 0.0});
    writeLosingPitcherParagraphs(record, context);
    EXPECT_EQ(text(), "Carl Dunn fell to 7-7.  Lou Vance got save 20.  ");
}

TEST_F(LosingPitcher, SaverWithoutSavesIsLeftOutAndDrawsNothing) {
    record.savePitcher = "Lou Vance";
    record.saves = 0;
    script({0.0});
    writeLosingPitcherParagraphs(record, context);
    EXPECT_EQ(text(), "Carl Dunn fell to 7-7.  ");
    EXPECT_EQ(random.draws(), 1);
}

TEST_F(LosingPitcher, NoLosingPitcherLineIsStillWrittenAsEvens) {
    record.losePitcher.clear();
    record.loseWins = 0;
    record.loseLosses = 0;
    script({0.0});
    writeLosingPitcherParagraphs(record, context);
    EXPECT_EQ(text(), " fell to 0-0.  ");
}

}  // namespace
}  // namespace quillbat
