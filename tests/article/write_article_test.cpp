#include "article/write_article.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "article/phrase_catalog.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

// The test phrase files under tests/article/phrases, read from disk once.
void loadTestPhrases(MemoryPhraseSource& phrases) {
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        const std::string name(entry.fileName);
        std::ifstream in(std::string(QUILLBAT_SOURCE_DIR) + "/tests/article/phrases/" + name,
                         std::ios::binary);
        ASSERT_TRUE(in) << name;
        phrases.set(name, std::string(std::istreambuf_iterator<char>(in), {}));
    }
}

Batter batter(const char* name, int atBats, int hits, int doubles, int triples, int homeRuns,
              int runsBattedIn, float average, float rating) {
    Batter b;
    b.batterName = name;
    b.atBats = static_cast<std::int16_t>(atBats);
    b.batterHits = static_cast<std::int16_t>(hits);
    b.doubles = static_cast<std::int16_t>(doubles);
    b.triples = static_cast<std::int16_t>(triples);
    b.homeRuns = static_cast<std::int16_t>(homeRuns);
    b.runsBattedIn = static_cast<std::int16_t>(runsBattedIn);
    b.average = average;
    b.rating = rating;
    return b;
}

// A windy first game of a doubleheader that Harbor City won 9-4 with fourteen hits.
GameRecord windyDoubleheaderOpener() {
    GameRecord record;
    record.gameLabel = "Game One.  ";
    record.gameDate = "April 10, 1999";
    record.ballparkName = "Kingdome";
    record.ballpark = "the Kingdome";
    record.teamName[kVisitors] = "Riverton";
    record.teamName[kHome] = "Harbor City";
    record.innings = 9;
    record.runs[kVisitors] = 4;
    record.runs[kHome] = 9;
    record.hits[kVisitors] = 9;
    record.hits[kHome] = 14;
    record.errors[kVisitors] = 4;
    record.temperature = 72;
    record.windSpeed = 22;
    record.strongWind = true;
    record.windText = "out to cf at 22 mph";
    record.winPitcher = "Tom Ashford";
    record.winWins = 12;
    record.winLosses = 5;
    record.winInnings = "8.0";
    record.winHits = 7;
    record.winRuns = 2;
    record.winEarnedRuns = 1;
    record.winStrikeouts = 9;
    record.winPitches = 112;
    record.winEra = 3.05;
    record.losePitcher = "Carl Dunn";
    record.loseWins = 3;
    record.loseLosses = 7;
    record.savePitcher = "Lou Vance";
    record.saves = 22;
    deriveWinner(record);

    Batter& harlan = record.batters[kHome][1];
    harlan = batter("Al Harlan", 4, 3, 1, 0, 1, 4, 0.288f, 3.1f);
    harlan.seasonHomeRuns = 21;
    harlan.seasonRunsBattedIn = 50;
    harlan.seasonDoubles = 26;
    harlan.seasonTriples = 3;
    record.batters[kHome][2] = batter("Joe Reyes", 3, 2, 0, 0, 1, 2, 0.310f, 2.2f);
    record.batters[kVisitors][1] = batter("Ned Pike", 4, 3, 0, 1, 1, 3, 0.301f, 2.5f);
    record.batterCount[kHome] = 3;
    record.batterCount[kVisitors] = 2;
    record.firstStar[kHome] = 1;
    record.secondStar[kHome] = 2;
    record.firstStar[kVisitors] = 1;
    return record;
}

TEST(WriteArticle, WholeArticleWithAFixedSeed) {
    MemoryPhraseSource phrases;
    loadTestPhrases(phrases);
    MersenneRandom random(7);
    StringArticle article;
    ArticleContext context{phrases, random, article};
    writeArticle(windyDoubleheaderOpener(), context);
    // Draws with seed 7: 0.076 (temperature, 2 templates), 0.227 (score), 0.780 (big hitting
    // day, variant 10), 0.319 (winner "gap", 2 templates), 0.438 (ERA opening 10), then one for
    // each phrase and 0.308 for the average opening 4.
    EXPECT_EQ(article.text(),
              "It was a fine 72 degrees on April 10, 1999.  Game One.  The wind was gusting out to "
              "cf at 22 mph at the Kingdome.  The Harbor City beat the Riverton 9-4.  The Harbor "
              "City bats were rocking, clobbering 14 hits.  They took advantage of 4 errors by the "
              "Riverton.  Tom Ashford (gap) won to go 12-5.  He allowed only one earned run in "
              "8.0 innings.  He threw 112 pitches and struck out nine.  He pared his ERA down to a "
              "superb 3.05.  Carl Dunn (falls) fell to 3-7.  Lou Vance (20) earned his 22nd save.  "
              "Al Harlan (Hits24) went 3-4 for the Harbor City with four RBI.  That made 21 home "
              "runs (12B) with 50 RBI, 26 doubles and 3 triples.  His average increased to .288.  "
              "Joe Reyes (none) added two hits for the Harbor City.  Ned Pike (Hits34) had three "
              "hits in four at bats for the Riverton.  ");
}

}  // namespace
}  // namespace quillbat
