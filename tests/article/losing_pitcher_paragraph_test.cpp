#include "article/losing_pitcher_paragraph.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

TEST(LoserRecordCategory, FirstRowThatHolds) {
    const struct {
        std::int16_t wins, losses;
        std::string_view category;
    } cases[] = {
        {12, 5, "gap"},   {11, 5, "gap"},   {10, 5, "normal"}, {3, 10, "dismal"},
        {3, 9, "dismal"}, {3, 8, "falls"},  {4, 5, "below"},   {3, 4, "normal"},
        {6, 8, "falls"},  {5, 6, "below"},  {2, 5, "normal"},  {7, 7, "evens"},
        {0, 0, "evens"},  {0, 1, "normal"}, {1, 6, "falls"},   {8, 2, "gap"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(loserRecordCategory(c.wins, c.losses), c.category) << c.wins << "-" << c.losses;
    }
}

TEST(SaveCategory, OverTwentyOverTenOverZero) {
    const struct {
        std::int16_t saves;
        std::optional<std::string_view> category;
    } cases[] = {{21, "20"}, {45, "20"}, {20, "10"},        {11, "10"},
                 {10, "0"},  {1, "0"},   {0, std::nullopt}, {-3, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(saveCategory(c.saves), c.category) << c.saves;
    }
}

TEST(SavesText, OrdinalSuffixOnlyOverTwenty) {
    const struct {
        std::int16_t saves;
        const char* text;
    } cases[] = {
        {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {24, "24th"}, {30, "30th"}, {31, "31st"},
        {42, "42nd"}, {20, "20"},   {15, "15"},   {11, "11"},   {12, "12"},   {1, "1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(savesText(c.saves), c.text) << c.saves;
    }
}

// Carl Dunn (7-7) lost; `saver` and `saves` name the saving pitcher.
std::string paragraphs(const char* saver, std::int16_t saves, std::initializer_list<double> draws) {
    ArticleFixture fixture;
    fixture.phrases.set("pitch_lost.dat",
                        "gap,G\ndismal,D\nbelow,B\nfalls,F\nnormal,N\n"
                        "evens,\"#losePitch# fell to #wins#-#losses#.  \"\n");
    fixture.phrases.set(
        "pitch_save.dat",
        "0,\"#savePitch# got save #saves#.  \"\n10,\"#savePitch# got save #saves#.  \"\n"
        "20,\"#savePitch# notched his #saves# save.  \"\n");
    GameRecord record = quietGame();
    record.losePitcher = "Carl Dunn";
    record.loseWins = 7;
    record.loseLosses = 7;
    record.savePitcher = saver;
    record.saves = saves;
    fixture.script(draws);
    writeLosingPitcherParagraphs(record, fixture.context);
    EXPECT_TRUE(fixture.random.exhausted()) << "fewer draws than scripted";
    return fixture.text();
}

// A saver is told only with a name and a save, the number as an ordinal only over twenty.
TEST(LosingPitcher, LoserThenSaver) {
    EXPECT_EQ(paragraphs("", 14, {0.0}), "Carl Dunn fell to 7-7.  ");
    EXPECT_EQ(paragraphs("Lou Vance", 0, {0.0}), "Carl Dunn fell to 7-7.  ");
    EXPECT_EQ(paragraphs("Lou Vance", 20, {0.0, 0.0}),
              "Carl Dunn fell to 7-7.  Lou Vance got save 20.  ");
    EXPECT_EQ(paragraphs("Lou Vance", 21, {0.0, 0.0}),
              "Carl Dunn fell to 7-7.  Lou Vance notched his 21st save.  ");
}

TEST(LosingPitcher, NoLosingPitcherLineIsStillWrittenAsEvens) {
    ArticleFixture fixture;
    fixture.phrases.set("pitch_lost.dat", "evens,\"#losePitch# fell to #wins#-#losses#.  \"\n");
    fixture.script({0.0});
    writeLosingPitcherParagraphs(quietGame(), fixture.context);
    EXPECT_EQ(fixture.text(), " fell to 0-0.  ");
}

}  // namespace
}  // namespace quillbat
