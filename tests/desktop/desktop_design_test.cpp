#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "desktop/article_text.h"
#include "desktop/boxscore_filter.h"
#include "desktop/desktop_arguments.h"
#include "desktop/desktop_menu.h"
#include "desktop/window_design.h"

namespace quillbat {
namespace {

TEST(ArticleText, EditedTextComesBackInTheEncodingItWasShownIn) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string expectedShown;
        std::string edited;  // as the text box gives it back
        std::string expectedBytes;
    };
    const Case cases[] = {
        {"UTF-8 as it is", "Espa\xC3\xB1ola won.  ", "Espa\xC3\xB1ola won.  ",
         "Espa\xC3\xB1ola won.  ", "Espa\xC3\xB1ola won.  "},
        {"Windows-1252 decoded and encoded again", "Espa\xF1ola \x93won\x94 \x80",
         "Espa\xC3\xB1ola \xE2\x80\x9Cwon\xE2\x80\x9D \xE2\x82\xAC",
         "Espa\xC3\xB1ola \xE2\x80\x9Cwon\xE2\x80\x9D \xE2\x82\xAC!",
         "Espa\xF1ola \x93won\x94 \x80!"},
        {"a typed line feed becomes CR LF", "a", "a", "\na\nb\n", "\r\na\r\nb\r\n"},
        {"CR LF stays one line break", "a", "a", "a\r\nb\r\n\r\n", "a\r\nb\r\n\r\n"},
        {"Windows-1252 line breaks", "\xF1", "\xC3\xB1", "\xC3\xB1\n", "\xF1\r\n"},
        {"a character Windows-1252 lacks keeps the text UTF-8", "Espa\xF1ola", "Espa\xC3\xB1ola",
         "Espa\xC3\xB1ola \xE5\xA4\xA7\n", "Espa\xC3\xB1ola \xE5\xA4\xA7\r\n"},
    };
    for (const Case& c : cases) {
        ShownArticle shown = showArticle(c.bytes);
        EXPECT_EQ(shown.text, c.expectedShown) << c.what;
        EXPECT_EQ(articleBytes(c.edited, shown.encoding), c.expectedBytes) << c.what;
    }
}

// The texts of all scoreboard labels, each followed by "|"; "-" for a label that keeps its
// caption.
std::string shownTexts(const ScoreboardValues& values) {
    std::string texts;
    for (const ScoreboardLabel& label : kScoreboardLabels) {
        texts += scoreboardText(values, label.field).value_or("-") + "|";
    }
    return texts;
}

// The colours of all scoreboard labels: "Y" yellow, "W" white, "-" kept.
std::string shownColours(const ScoreboardValues& values) {
    std::string colours;
    for (const ScoreboardLabel& label : kScoreboardLabels) {
        std::optional<Rgb> colour = scoreboardColour(values, label.field);
        colours += !colour ? "-" : *colour == kYellow ? "Y" : *colour == kWhite ? "W" : "?";
    }
    return colours;
}

ScoreboardValues values(std::optional<Team> leadingTeam) {
    ScoreboardValues values;
    values.teamName[kVisitors] = "Riverton";
    values.teamName[kHome] = "Espa\xF1ola";
    values.runs[kVisitors] = "5";
    values.runs[kHome] = "3";
    values.hits[kVisitors] = "9";
    values.hits[kHome] = "7";
    values.errors[kVisitors] = "0";
    values.errors[kHome] = "2";
    values.innings = "12";
    values.ballparkName = "Kingdome";
    values.gameDate = "April 10, 1999";
    values.leadingTeam = leadingTeam;
    return values;
}

TEST(ScoreboardLabels, ShowTheValuesDecodedAndTheColoursOfTheTeams) {
    EXPECT_EQ(shownTexts(values(kVisitors)),
              "Kingdome|April 10, 1999|-|-|-|Riverton|5|9|0|Espa\xC3\xB1ola|3|7|2|12|");
    EXPECT_EQ(shownColours(values(kVisitors)), "-----YYYYWWWW-");
    EXPECT_EQ(shownColours(values(kHome)), "-----WWWWYYYY-");
    EXPECT_EQ(shownColours(values(std::nullopt)), "--------------");
}

TEST(DroppedFiles, OnlyOneBoxscoreIsLoaded) {
    struct Case {
        std::vector<std::string> dropped;
        std::optional<std::string> loaded;
    };
    const Case cases[] = {
        {{"C:\\League\\gm05.box"}, "C:\\League\\gm05.box"},
        {{"/home/league/GM05.BOX"}, "/home/league/GM05.BOX"},
        {{".box"}, ".box"},
        {{"gm05.boxx"}, std::nullopt},
        {{"gm05box"}, std::nullopt},
        {{"box"}, std::nullopt},
        {{"gm05.txt"}, std::nullopt},
        {{}, std::nullopt},
        {{"gm05.box", "gm06.box"}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(droppedBoxscore(c.dropped), c.loaded) << c.dropped.size();
    }
}

TEST(OpenDialogFilter, NamesThePatternsItLists) {
    EXPECT_EQ(dialogDescription(boxscoreFilter(kAllTeams)), "Boxscores (*.box)");
    EXPECT_EQ(dialogDescription(boxscoreFilter(5)), "Boxscores (*050.box *051.box *052.box)");
    EXPECT_EQ(dialogDescription(boxscoreFilter(0)), "Boxscores (*000.box *001.box *002.box)");
    EXPECT_EQ(dialogDescription(boxscoreFilter(12)), "Boxscores (*120.box *121.box *122.box)");
    EXPECT_EQ(dialogDescription(boxscoreFilter(123)), "Boxscores (*1230.box *1231.box *1232.box)");
    EXPECT_EQ(dialogDescription(boxscoreFilter(-5)), "Boxscores (*-050.box *-051.box *-052.box)");
}

// In every menu of the table the items' access keys differ, so that each key chooses one item.
void expectDistinctKeys(std::span<const MenuItem> items) {
    std::set<char> keys;
    for (const MenuItem& item : items) {
        const std::size_t amp = item.text.find('&');
        ASSERT_LT(amp + 1, item.text.size()) << item.text << " has no access key";
        EXPECT_TRUE(keys.insert(static_cast<char>(std::tolower(item.text[amp + 1]))).second)
            << item.text << ": access key taken twice";
        if (const auto* submenu = std::get_if<std::span<const MenuItem>>(&item.action)) {
            expectDistinctKeys(*submenu);
        }
    }
}

TEST(MenuTable, AccessKeysAreDistinctInEveryMenu) {
    expectDistinctKeys(kMenuBar);
}

}  // namespace
}  // namespace quillbat
