#include "article/opening_paragraph.h"

#include <gtest/gtest.h>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

TEST(TemperatureCategory, FirstBandThatHoldsWithNearMisses) {
    const struct {
        double degrees;
        std::string_view category;
    } cases[] = {
        {-99, "none"},  {-98.9, "cold"},  {-99.1, "cold"},   {100, "100"},     {130, "100"},
        {99.9, "hot"},  {99.5, "hot"},    {95, "hot"},       {94.9, "normal"}, {94, "normal"},
        {55, "normal"}, {54.9, "chilly"}, {46, "chilly"},    {45.9, "cold"},   {45, "cold"},
        {0, "cold"},    {72, "normal"},   {54.99, "chilly"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(temperatureCategory(c.degrees), c.category) << c.degrees;
    }
}

TEST(GameType, LastTestThatHoldsWins) {
    const struct {
        std::int16_t visitors, home, innings;
        std::string_view type;
    } cases[] = {
        {3, 2, 9, "close"},    {1, 0, 9, "close"},    {2, 0, 9, "close"},   {5, 0, 9, "shutout"},
        {12, 0, 9, "shutout"}, {0, 12, 9, "shutout"}, {12, 4, 9, "rout"},   {4, 11, 9, "rout"},
        {4, 10, 9, "normal"},  {4, 8, 9, "double"},   {8, 4, 9, "normal"},  {10, 5, 9, "double"},
        {14, 7, 9, "rout"},    {6, 3, 9, "normal"},   {3, 6, 9, "double"},  {2, 4, 9, "close"},
        {3, 2, 10, "extra"},   {12, 0, 10, "extra"},  {3, 2, 8, "close"},   {5, 5, 9, "close"},
        {9, 4, 9, "normal"},   {6, 1, 9, "normal"},   {7, 0, 9, "shutout"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gameType(c.visitors, c.home, c.innings), c.type)
            << c.visitors << "-" << c.home << " in " << c.innings;
    }
}

TEST(DegreesText, WholeDegreesAsDigitsFractionsWithAPoint) {
    EXPECT_EQ(degreesText(72), "72");
    EXPECT_EQ(degreesText(72.5), "72.5");
    EXPECT_EQ(degreesText(0), "0");
    EXPECT_EQ(degreesText(-99), "-99");
    EXPECT_EQ(degreesText(101), "101");
}

// Phrase files whose templates name their category, so the text shows what was drawn.
class OpeningParagraph : public testing::Test, public ArticleFixture {
  protected:
    OpeningParagraph() {
        phrases.set("temperature.dat",
                    "none,[none]\n100,[100]\nhot,[hot]\nchilly,[chilly]\ncold,[cold]\n"
                    "normal,[normal #degrees# #date#]\n");
        phrases.set(
            "score.dat",
            "normal,[normal]\ndouble,[double]\nrout,[rout]\nshutout,[shutout]\n"
            "close,\"#winners# edged the #losers# #winRuns#-#loseRuns# in #numInnings#.  \"\n"
            "extra,[extra]\n");
        record = quietGame();
        record.temperature = 72;
        record.gameDate = "April 10, 1999";
        record.ballpark = "Lakeside Park";
        script({0.0, 0.0});
    }
    std::string written() {
        writeOpeningParagraph(record, context);
        EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
        return text();
    }
    GameRecord record;
};

TEST_F(OpeningParagraph, WorkedExampleWithMadeUpTemplates) {
    phrases.set("temperature.dat",
                "normal,A pleasant #degrees# degrees greeted the fans on #date#\n");
    phrases.set("score.dat", "close,\"#winners# edged the #losers# #winRuns#-#loseRuns#.  \"\n");
    record.runs[kVisitors] = 3;
    record.runs[kHome] = 2;
    deriveWinner(record);
    EXPECT_EQ(written(),
              "A pleasant 72 degrees greeted the fans on April 10, 1999 at Lakeside Park.  The "
              "Riverton edged the Harbor City 3-2.  ");
}

TEST_F(OpeningParagraph, HomeWinFillsScoreTokensFromTheWinner) {
    record.runs[kVisitors] = 3;
    record.runs[kHome] = 4;
    record.innings = 9;
    deriveWinner(record);
    EXPECT_EQ(written(),
              "[normal 72 April 10, 1999] at Lakeside Park.  The Harbor City edged the Riverton "
              "4-3 in 9.  ");
}

TEST_F(OpeningParagraph, MissingCategoryLeavesThePhraseOut) {
    phrases.set("temperature.dat", "hot,[hot]\n");
    EXPECT_EQ(written(), " at Lakeside Park.  The Harbor City edged the Riverton 5-3 in 9.  ");
}

TEST_F(OpeningParagraph, WeatherSentenceTellsOnlyTheFirstConditionThatHolds) {
    const struct {
        const char* rainDelays;
        bool threatening, wetField, strongWind;
        const char* expected;
    } cases[] = {
        {"45 and 30", true, true, true,
         ".  Game Two.  After 45 and 30-minute rain delays at the Kingdome, the "},
        {"band", false, false, false,  // "and" anywhere in the text
         ".  Game Two.  After band-minute rain delays at the Kingdome, the "},
        {"45", true, true, true,
         ".  Game Two.  After a 45-minute rain delay at the Kingdome, the "},
        {"45 AND 30", false, false, false,  // a capital AND is no second delay
         ".  Game Two.  After a 45 AND 30-minute rain delay at the Kingdome, the "},
        {"", true, true, true, ".  Game Two.  Under threatening skies at the Kingdome, the "},
        {"", false, true, true,
         ".  Game Two.  Having rained at the Kingdome earlier, on a wet field the "},
        {"", false, false, true,
         ".  Game Two.  The wind was gusting out to cf at 22 mph at the Kingdome.  The "},
        {"", false, false, false, " at the Kingdome.  Game Two.  The "},
    };
    phrases.set("temperature.dat", "normal,[t]\n");
    phrases.set("score.dat", "normal,[s]\n");
    record.runs[kHome] = 7;  // 3-7: a normal game
    deriveWinner(record);
    record.gameLabel = "Game Two.  ";
    record.ballpark = "the Kingdome";
    record.windText = "out to cf at 22 mph";
    for (const auto& c : cases) {
        record.rainDelays = c.rainDelays;
        record.threatening = c.threatening;
        record.wetField = c.wetField;
        record.strongWind = c.strongWind;
        article = StringArticle();
        script({0.0, 0.0});
        EXPECT_EQ(written(), std::string("[t]") + c.expected + "[s]");
    }
}

}  // namespace
}  // namespace quillbat
