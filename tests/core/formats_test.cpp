// The line score's cells as read, the headline, the line-score table and the four renderings of
// a game.

#include <gtest/gtest.h>

#include <sstream>

#include "core/article_format.h"
#include "core/boxscore_file.h"
#include "core/game_headline.h"

namespace quillbat {
namespace {

const std::filesystem::path kSource = QUILLBAT_SOURCE_DIR;

std::string joined(const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        text += (i > 0 ? "," : "") + cells[i];
    }
    return text;
}

TEST(InningCells, EveryInningAsPrintedInEveryBlockOfTheLineScore) {
    // The examples' cells are in their records under tests/cases.
    const std::array<const char*, 3> cases[] = {
        // file, visitors, home
        {"tests/core/formats/innings-12.box", "0,0,0,0,0,0,0,0,0,10,0,1",
         "1,0,0,0,0,0,0,0,0,0,0,X"},
        {"tests/core/formats/innings-25.box", "0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,2",
         "0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,x"},
    };
    for (const auto& [file, visitors, home] : cases) {
        const GameRecord record = readBoxscoreFile(systemEnv(), (kSource / file).string()).record;
        EXPECT_EQ(joined(record.inningCells[kVisitors]), visitors) << file;
        EXPECT_EQ(joined(record.inningCells[kHome]), home) << file;
    }
}

GameRecord game(int visitorRuns, int homeRuns, int innings, const char* label = "") {
    GameRecord record;
    record.teamName[kVisitors] = "Ravens";
    record.teamName[kHome] = "Loggers";
    record.runs[kVisitors] = static_cast<std::int16_t>(visitorRuns);
    record.runs[kHome] = static_cast<std::int16_t>(homeRuns);
    record.innings = static_cast<std::int16_t>(innings);
    record.gameLabel = label;
    return record;
}

TEST(GameHeadline, WinnerFirstThenTheExtraInningsAndTheDoubleheaderGame) {
    EXPECT_EQ(gameHeadline(game(1, 0, 9)), "Ravens 1, Loggers 0");
    EXPECT_EQ(gameHeadline(game(2, 3, 9)), "Loggers 3, Ravens 2");
    EXPECT_EQ(gameHeadline(game(4, 4, 9)), "Loggers 4, Ravens 4");
    EXPECT_EQ(gameHeadline(game(5, 4, 10)), "Ravens 5, Loggers 4 (10 innings)");
    EXPECT_EQ(gameHeadline(game(5, 4, 7, "Game One.  ")), "Ravens 5, Loggers 4, Game One");
    EXPECT_EQ(gameHeadline(game(0, 1, 15, "Game Two.  ")),
              "Loggers 1, Ravens 0 (15 innings), Game Two");
    // The story's words take the place of the teams and runs alone.
    EXPECT_EQ(gameHeadline(game(0, 1, 15, "Game Two.  "), "Loggers edge Ravens 1-0"),
              "Loggers edge Ravens 1-0 (15 innings), Game Two");
}

// The record with the cells of the two teams, each list separated by blanks.
GameRecord withCells(GameRecord record, const std::string& visitors, const std::string& home) {
    for (auto [team, cells] : {std::pair{kVisitors, visitors}, std::pair{kHome, home}}) {
        std::istringstream in(cells);
        for (std::string cell; in >> cell;) {
            record.inningCells[team].push_back(cell);
        }
    }
    return record;
}

std::string lineScoreText(const GameRecord& record) {
    return lineScoreText(lineScoreOf(record));
}

TEST(LineScoreText, InningsInGroupsOfThreeAndEveryColumnAsWideAsItsWidestCell) {
    EXPECT_EQ(lineScoreText(withCells(game(1, 0, 9), "0 0 0 1 0 0 0 0 0", "0 0 0 0 0 0 0 0 x")),
              "         123 456 789  R H E\n"
              "Ravens   000 100 000  1 0 0\n"
              "Loggers  000 000 00x  0 0 0\n");
    EXPECT_EQ(lineScoreText(withCells(game(12, 0, 7), "0 0 3 0 0 9 0", "0 10 0 0 0 0")),
              "           1  2  3   4  5  6   7   R  H  E\n"
              "Ravens     0  0  3   0  0  9   0  12  0  0\n"
              "Loggers    0 10  0   0  0  0       0  0  0\n");
    EXPECT_EQ(
        lineScoreText(withCells(game(1, 0, 10), "0 0 0 0 0 0 0 0 0 1", "0 0 0 0 0 0 0 0 0 0")),
        "           1  2  3   4  5  6   7  8  9  10  R H E\n"
        "Ravens     0  0  0   0  0  0   0  0  0   1  1 0 0\n"
        "Loggers    0  0  0   0  0  0   0  0  0   0  0 0 0\n");
}

// Team names and an article that would be markup in every format.
ArticleParts markupParts() {
    GameRecord record = withCells(game(1, 0, 4), "1 0 0 0", "0 0 0 x");
    record.teamName[kVisitors] = "<script>";
    record.teamName[kHome] = "```[url=x]*_|";
    return {gameHeadline(record), lineScoreOf(record),
            "  Tom & \"Jo\" [i]won*  \r\n\r\n  2nd ` line "};
}

TEST(RenderArticle, EveryValueStaysTextInEveryFormat) {
    const std::pair<ArticleFormat, std::string> cases[] = {
        {ArticleFormat::kText, "  Tom & \"Jo\" [i]won*  \r\n\r\n  2nd ` line "},
        {ArticleFormat::kBbcode,
         "[b]<script> 1, ```[[b][/b]url=x]*_| 0[/b]\n[code]\n"
         "               123 4  R H E\n"
         "<script>       100 0  1 0 0\n"
         "```[[b][/b]url=x]*_|  000 x  0 0 0\n"
         "[/code]\nTom & \"Jo\" [[b][/b]i]won*\n\n2nd ` line\n"},
        {ArticleFormat::kMarkdown,
         "**\\<script\\> 1, \\`\\`\\`\\[url=x\\]\\*\\_\\| 0**\n\n````\n"
         "               123 4  R H E\n"
         "<script>       100 0  1 0 0\n"
         "```[url=x]*_|  000 x  0 0 0\n"
         "````\n\nTom \\& \"Jo\" \\[i\\]won\\*\n\n2nd \\` line\n"},
        {ArticleFormat::kHtml,
         "<article class=\"quillbat-game\">\n"
         "<h2 class=\"quillbat-headline\">&lt;script&gt; 1, ```[url=x]*_| 0</h2>\n"
         "<table class=\"quillbat-line-score\">\n"
         "<colgroup class=\"team\"></colgroup><colgroup class=\"innings\" span=\"3\"></colgroup>"
         "<colgroup class=\"innings\" span=\"1\"></colgroup><colgroup class=\"totals\" "
         "span=\"3\"></colgroup>\n<thead>\n"
         "<tr><td class=\"team\"></td><th class=\"inning\">1</th><th class=\"inning\">2</th><th "
         "class=\"inning\">3</th><th class=\"inning\">4</th><th class=\"runs\">R</th><th "
         "class=\"hits\">H</th><th class=\"errors\">E</th></tr>\n</thead>\n<tbody>\n"
         "<tr><th class=\"team\" scope=\"row\">&lt;script&gt;</th><td class=\"inning\">1</td><td "
         "class=\"inning\">0</td><td class=\"inning\">0</td><td class=\"inning\">0</td><td "
         "class=\"runs\">1</td><td class=\"hits\">0</td><td class=\"errors\">0</td></tr>\n"
         "<tr><th class=\"team\" scope=\"row\">```[url=x]*_|</th><td class=\"inning\">0</td><td "
         "class=\"inning\">0</td><td class=\"inning\">0</td><td class=\"inning\">x</td><td "
         "class=\"runs\">0</td><td class=\"hits\">0</td><td class=\"errors\">0</td></tr>\n"
         "</tbody>\n</table>\n"
         "<p class=\"quillbat-article\">Tom &amp; &quot;Jo&quot; [i]won*</p>\n"
         "<p class=\"quillbat-article\">2nd ` line</p>\n</article>\n"},
    };
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(renderArticle(format, markupParts()), expected) << fileEnding(format);
    }
}

}  // namespace
}  // namespace quillbat
