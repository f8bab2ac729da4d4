#include "boxscore/boxscore_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "boxscore/input_error.h"
#include "tests/boxscore/boxscore_text.h"

namespace quillbat {
namespace {

using testing::atColumn;
using testing::joinLines;
using testing::workedExampleLines;
using Lines = std::vector<std::string>;

GameRecord readLines(const Lines& lines, const std::string& name = "ex.box") {
    return readBoxscore(std::string_view(joinLines(lines)), name);
}

// The reader's answer to a text or a stream: the refusal's text, or "accepted: N innings".
template <typename Input>
std::string readingAnswer(Input&& input) {
    try {
        return "accepted: " + std::to_string(readBoxscore(input, "ex.box").innings) + " innings";
    } catch (const InputError& refused) {
        return refused.what();
    }
}

// The reader's answer to a text; reading it as a stream must give the same answer.
std::string answerTo(const std::string& text) {
    std::istringstream in(text);
    const std::string answer = readingAnswer(std::string_view(text));
    EXPECT_EQ(readingAnswer(in), answer);
    return answer;
}

std::string answerTo(const Lines& lines) {
    return answerTo(joinLines(lines));
}

// The worked example read with the given lines (numbered from 1) replaced.
GameRecord readWith(const std::vector<std::pair<std::size_t, std::string>>& changes) {
    Lines lines = workedExampleLines();
    for (const auto& [number, text] : changes) {
        lines[number - 1] = text;
    }
    return readLines(lines);
}

// The worked example with filler lines added after its 21 lines until it has `count` lines.
Lines exampleWithLines(int count, const std::string& lastLine = "filler") {
    Lines lines = workedExampleLines();
    lines.resize(static_cast<std::size_t>(count - 1), "filler");
    lines.push_back(lastLine);
    return lines;
}

// A team's line-score totals: runs, hits, errors, left on base, double plays.
auto totals(const GameRecord& r, int team) {
    return std::tuple(r.runs[team], r.hits[team], r.errors[team], r.leftOnBase[team],
                      r.doublePlays[team]);
}

std::vector<int> inningRuns(const GameRecord& r, int team, std::size_t innings) {
    return {r.inningRuns[team].begin() + 1, r.inningRuns[team].begin() + 1 + innings};
}

TEST(WorkedExample, GivesEveryValueOfItsTable) {
    const std::string name = "riverton-at-harbor-city.box";
    GameRecord r = readBoxscore(std::string_view(testing::readExample(name)), name);
    EXPECT_EQ(std::tuple(r.gameLabel, r.gameDate, r.ballparkName, r.ballpark),
              std::tuple("", "April 10, 1999", "Lakeside Park", "Lakeside Park"));
    EXPECT_EQ(std::tuple(r.teamName[kVisitors], r.teamName[kHome], r.innings),
              std::tuple("Riverton", "Harbor City", 9));
    EXPECT_EQ(totals(r, kVisitors), std::tuple(3, 8, 1, 7, 1));
    EXPECT_EQ(totals(r, kHome), std::tuple(5, 9, 0, 6, 2));
    EXPECT_EQ(inningRuns(r, kVisitors, 10), (std::vector<int>{0, 0, 1, 0, 0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(inningRuns(r, kHome, 10), (std::vector<int>{1, 0, 0, 0, 3, 0, 0, 1, 0, 0}));
    EXPECT_EQ(std::tuple(r.winTeam, r.loseTeam), std::tuple(2, 1));
    // Section markers; the reading stops at the form feed line that follows the game.
    EXPECT_EQ(std::tuple(r.lineScoreHeaderLine, r.battingHeaderLine, r.firstNotesLine,
                         r.weatherLine, r.pitchingHeaderLine, r.pitchingEndLine, r.lineCount()),
              std::tuple(3, 7, 11, 13, 15, 21, 22));
    EXPECT_EQ(r.line(1), "4/10/1999, Riverton at Harbor City, Lakeside Park");
    EXPECT_EQ(r.line(13), "Temperature: 72, Wind: Out to CF at 22 MPH.");
    EXPECT_EQ(std::tuple(r.batterCount[kVisitors], r.batterCount[kHome]), std::tuple(3, 3));
    const Batter& pike = r.batters[kVisitors][1];
    EXPECT_EQ(std::tuple(pike.batterName, pike.atBats, pike.runsScored, pike.batterHits,
                         pike.runsBattedIn, pike.average),
              std::tuple("Ned Pike cf", 4, 1, 2, 1, 0.301f));
    EXPECT_EQ(std::tuple(r.batters[kHome][2].batterName, r.batters[kHome][2].average),
              std::tuple("Joe Reyes rf", 0.310f));
    EXPECT_EQ(std::tuple(r.temperature, r.windSpeed, r.strongWind, r.windText, r.threatening,
                         r.wetField, r.rainDelays),
              std::tuple(72.0, 22, true, "out to cf at 22 mph", false, false, ""));
    EXPECT_EQ(std::tuple(r.winPitcher, r.winWins, r.winLosses, r.winInnings, r.winHits, r.winRuns,
                         r.winEarnedRuns, r.winStrikeouts, r.winPitches),
              std::tuple("Tom Ashford", 12, 5, "8.0", 7, 3, 3, 9, 112));
    EXPECT_DOUBLE_EQ(r.winEra, 3.05);
    EXPECT_EQ(std::tuple(r.losePitcher, r.loseWins, r.loseLosses, r.loseInnings),
              std::tuple("Carl Dunn", 3, 7, "7.0"));
    EXPECT_EQ(std::tuple(r.savePitcher, r.saves), std::tuple("Lou Vance", 14));
    // The notes name "Pike", not the printed "Ned Pike cf": no batter is rated, no star chosen.
    for (int team : {kVisitors, kHome}) {
        for (std::size_t slot : {1u, 2u}) {
            EXPECT_EQ(std::tuple(r.batters[team][slot].rating, r.batters[team][slot].doubles),
                      std::tuple(0.0f, 0));
        }
        EXPECT_EQ(std::tuple(r.firstStar[team], r.secondStar[team]), std::tuple(50, 50));
    }
}

TEST(LineEnds, LoneLfLoneCrAndAStreamReadLikeCrLf) {
    const Lines lines = workedExampleLines();
    const GameRecord crlf = readLines(lines, "x2.box");
    EXPECT_EQ(crlf.lineCount(), 21);
    std::istringstream in(joinLines(lines));
    for (const GameRecord& r : {readBoxscore(in, "x2.box"),
                                readBoxscore(std::string_view(joinLines(lines, "\n")), "x2.box"),
                                readBoxscore(std::string_view(joinLines(lines, "\r")), "x2.box")}) {
        EXPECT_EQ(r.lines, crlf.lines);
        EXPECT_EQ(r.gameLabel, "Game Two.  ");
        EXPECT_EQ(std::tuple(r.winPitcher, r.saves, r.pitchingEndLine, r.batterCount, r.windText),
                  std::tuple(crlf.winPitcher, crlf.saves, crlf.pitchingEndLine, crlf.batterCount,
                             crlf.windText));
    }
}

TEST(Refusals, OneChangedLine) {
    const std::string header = workedExampleLines()[2];
    const std::string tooShort =
        "ex.box: line 3: the line-score header is too short to hold the number of innings";
    const struct {
        std::size_t line;
        std::string text;
        std::string answer;
    } cases[] = {
        {3, atColumn(header, 48, "x9"),
         "ex.box: line 3: innings in the line-score header are not a number: \"x9\""},
        {3, atColumn(header, 48, "  "),
         "ex.box: line 3: innings in the line-score header are not a number: \"  \""},
        {3, atColumn(header, 48, "1 "), "accepted: 1 innings"},
        {3, "DP", tooShort},
        {3, "R H E LOB DP", tooShort},
        {3, std::string(20, ' ') + "DP", tooShort},
        // 23 characters are just enough: positions 23-22 from the end are the first two.
        {3, "12" + std::string(19, ' ') + "DP", "accepted: 12 innings"},
        {12, std::string(kMaxLineLength, 'x'), "accepted: 9 innings"},
        {12, std::string(kMaxLineLength + 1, 'x'),
         "ex.box: line 12 is longer than 1000000 characters"},
    };
    for (const auto& c : cases) {
        Lines lines = workedExampleLines();
        lines[c.line - 1] = c.text;
        EXPECT_EQ(answerTo(lines), c.answer) << c.line << ": " << c.text.substr(0, 30);
    }
}

TEST(Refusals, LinesBeforeTheEnd) {
    const std::string tooMany = "ex.box: has more than 200 lines before its end";
    EXPECT_EQ(answerTo(exampleWithLines(200)), "accepted: 9 innings");
    EXPECT_EQ(answerTo(exampleWithLines(201)), tooMany);
    // Line 201 is counted before its length is looked at.
    EXPECT_EQ(answerTo(exampleWithLines(201, std::string(kMaxLineLength + 1, 'x'))), tooMany);
    // The line holding the form feed counts; what follows it is never read.
    Lines feedOn200 = exampleWithLines(200, "\f4/10/1999, Riverton at Harbor City");
    Lines feedOn201 = exampleWithLines(201, "\f4/10/1999, Riverton at Harbor City");
    feedOn200.resize(500, "play-by-play");
    feedOn201.resize(500, "play-by-play");
    EXPECT_EQ(answerTo(feedOn200), "accepted: 9 innings");
    EXPECT_EQ(answerTo(feedOn201), tooMany);
}

TEST(Refusals, NoLineScore) {
    const std::string message = "ex.box: has no line score: it is not a boxscore of the game";
    for (const std::string& text :
         {std::string(), std::string("\r\n"), std::string("Dear diary,\r\ntoday it rained.\r\n"),
          std::string("\x7F"
                      "ELF\x02\x01\x01\0\0\0\xFF\xFE",
                      12),
          // "DP" after the form feed does not count.
          "a\r\n\fb\r\n" + workedExampleLines()[2] + "\r\n"}) {
        EXPECT_EQ(answerTo(text), message) << text;
    }
    EXPECT_EQ(answerTo(Lines{std::string(kMaxLineLength + 1, 'x'), "DP"}),
              "ex.box: line 1 is longer than 1000000 characters");
}

TEST(Refusals, MoreThanFiftyBattersForATeam) {
    auto withRows = [](int visitors, int home) {
        Lines rows;
        for (int i = 0; i < std::max(visitors, home); ++i) {
            std::string row;
            if (i < visitors) {
                row = atColumn(atColumn(row, 1, "V" + std::to_string(i)), 22, " 4  1  2  1  .301");
            }
            if (i < home) {
                row = atColumn(atColumn(row, 43, "H" + std::to_string(i)), 64, " 4  2  3  2  .288");
            }
            rows.push_back(row);
        }
        Lines lines = workedExampleLines();
        lines.erase(lines.begin() + 7, lines.begin() + 9);
        lines.insert(lines.begin() + 7, rows.begin(), rows.end());
        return lines;
    };
    GameRecord full = readLines(withRows(50, 50));
    EXPECT_EQ(std::tuple(full.batterCount[kVisitors], full.batterCount[kHome]), std::tuple(51, 51));
    EXPECT_EQ(std::tuple(full.batters[kHome][50].batterName, full.batters[kHome][50].runsScored,
                         full.batters[kVisitors][50].average),
              std::tuple("H49", 2, 0.301f));
    EXPECT_EQ(answerTo(withRows(51, 3)),
              "ex.box: line 58: the visitors have more than 50 batting rows");
    EXPECT_EQ(answerTo(withRows(2, 51)),
              "ex.box: line 58: the home team has more than 50 batting rows");
}

// A stream of endless copies of one text that counts how much the reader took from it.
class EndlessText : public std::streambuf {
  public:
    explicit EndlessText(std::string text) : text_(std::move(text)) { refill(); }
    long long consumed() const { return consumed_ + (gptr() - eback()); }

  protected:
    int_type underflow() override {
        consumed_ += egptr() - eback();
        refill();
        return traits_type::to_int_type(*gptr());
    }

  private:
    void refill() { setg(text_.data(), text_.data(), text_.data() + text_.size()); }
    std::string text_;
    long long consumed_ = 0;
};

TEST(BadInput, EndlessStreamsAreReadOnlyUpToTheLimits) {
    EndlessText shortLines("1234567890123456789012345678901234567890\r\n");
    std::istream lines(&shortLines);
    EXPECT_EQ(readingAnswer(lines), "ex.box: has more than 200 lines before its end");
    EXPECT_EQ(shortLines.consumed(), 200 * 42);
    EndlessText oneLine("abcdefghij");
    std::istream line(&oneLine);
    EXPECT_EQ(readingAnswer(line), "ex.box: line 1 is longer than 1000000 characters");
    EXPECT_EQ(oneLine.consumed(), static_cast<long long>(kMaxLineLength) + 1);
}

TEST(BadInput, NulBytesAndLongLinesAreJustText) {
    GameRecord r =
        readWith({{2, std::string("\0\0\0", 3)},
                  {12, "GWRBI: " + std::string(100000, 'z')},
                  {13, std::string("Temperature: 72\0, Wind: Out to CF at 22 MPH.", 44)}});
    EXPECT_EQ(std::tuple(r.temperature, r.windSpeed, r.line(2), r.line(12).size()),
              std::tuple(72.0, 22, std::string("\0\0\0", 3), 100007u));
}

TEST(Wind, StrongFromTwentyOneAndKeptByACalmerLaterLine) {
    const struct {
        std::string line;
        int speed;
        bool strong;
        std::string text;
        std::string nextLine = "";
    } cases[] = {
        {"Temperature: 72, Wind: Out to CF at 20 MPH.", 20, false, ""},
        {"Temperature: 72, Wind: Out to CF at 21 MPH.", 21, true, "out to cf at 21 mph"},
        {"Temperature: 72, Wind: in from left at 7 MPH.", 7, false, ""},
        {"Temperature: 72, Wind: none.", 0, false, ""},
        // Wind speeds that are no number read as no wind.
        {"Temperature: 72, Wind: Out to CF at x2 MPH.", 0, false, ""},
        {"MPH.", 0, false, ""},
        {"Temperature: 72, Wind: Out to CF at 2 2MPH.", 0, false, ""},
        // "MPH." followed by a blank was rewritten to "MPH," and is not found.
        {"Temperature: 72, Wind: Out to CF at 22 MPH. Sky: clear", 0, false, ""},
        // A wrapped weather line: the wind text starts the line.
        {"out to right at 25 MPH.", 25, true, "out to right at 25 mph"},
        {"22 MPH.", 22, true, "22 mph"},
        {"Temperature: 72, Wind: Out to CF at 22 MPH.", 5, true, "out to cf at 22 mph",
         "Wind: calm at 5 MPH."},
    };
    for (const auto& c : cases) {
        GameRecord r = readWith({{13, c.line}, {14, c.nextLine}});
        EXPECT_EQ(std::tuple(r.windSpeed, r.strongWind, r.windText),
                  std::tuple(c.speed, c.strong, c.text))
            << c.line << " / " << c.nextLine;
    }
}

TEST(Conditions, RainThreateningWetAndTemperature) {
    for (const auto& [line, delays] : {std::pair{"Rain Delays: 79 minutes.", "79"},
                                       {"Rain Delays: 45 and 30 minutes.", "45 and 30"},
                                       {"Rain Delays: 31", "31"},
                                       {"Rain Delays", ""}}) {
        GameRecord r = readWith(
            {{13, "Temperature: 66, Field: wet, Sky: threatening, Wind: left to right at 10 MPH, "},
             {14, line}});
        EXPECT_EQ(std::tuple(r.wetField, r.threatening, r.rainDelays, r.windSpeed, r.temperature),
                  std::tuple(true, true, delays, 0, 66.0))
            << line;
    }
}

TEST(Conditions, TemperatureWithAndWithoutGameWinningRbi) {
    const struct {
        std::string gwrbi, weather;
        double temperature;
        int weatherLine;
    } cases[] = {
        {"GWRBI: Harlan.", "Wind: none.", -99, 13},
        {"", "Wind: none.", 0, 0},
        {"", "Temperature: 105, Sky: clear", 105, 13},
        {"", "Temperature: -5, Sky: clear", -5, 13},
    };
    for (const auto& c : cases) {
        GameRecord r = readWith({{12, c.gwrbi}, {13, c.weather}});
        EXPECT_EQ(std::tuple(r.temperature, r.weatherLine),
                  std::tuple(c.temperature, c.weatherLine))
            << c.gwrbi << " / " << c.weather;
    }
}

TEST(Decisions, CountOnlyFromColumnSixteen) {
    const std::string rest = " W 12-5           8.0  7  3  3  1 9 112   3.05";
    for (const auto& [line, winner] : {
             // " W " starting at column 15 lies inside the name; at 16 it is a decision.
             std::pair{std::string(14, 'A') + rest, std::string()},
             {std::string(15, 'A') + rest, std::string(15, 'A')},
             // The first " W " decides, even when a later one stands further right.
             {"Al W Smith       W 12-5           8.0  7  3  3  1 9 112   3.05", ""},
         }) {
        EXPECT_EQ(readWith({{19, line}}).winPitcher, winner) << line;
    }
}

TEST(Decisions, PitchingHeaderNeedsTheBlankBeforeInn) {
    GameRecord r = readWith({{15, "RivertonINN  H  R ER BB K PIT    ERA"},
                             {18, "Harbor City INN  H  R ER BB K PIT    ERA"}});
    // The loser's line 16 lies before the header on line 18.
    EXPECT_EQ(std::tuple(r.pitchingHeaderLine, r.losePitcher, r.winPitcher),
              std::tuple(18, "", "Tom Ashford"));
}

TEST(Decisions, HoldsAndBlownSaves) {
    GameRecord r =
        readWith({{16, "Carl Dunn        BS 1, L 3-7      7.0  8  5  5  2 4 104   4.12"},
                  {20, "Lou Vance        H 2              1.0  1  0  0  0 2  15   2.10"}});
    EXPECT_EQ(std::tuple(r.losePitcher, r.loseWins, r.loseLosses, r.savePitcher, r.saves),
              std::tuple("Carl Dunn", 3, 7, "", 0));
    EXPECT_EQ(readWith({{16, "Carl Dunn        L 3              7.0  8  5  5  2 4 104   4.12"}})
                  .loseLosses,
              0);
}

TEST(Decisions, OnlyInsideThePitchingSection) {
    Lines lines = workedExampleLines();
    lines.push_back("Late Arm         W 1-0            1.0  0  0  0  0 1  10   0.00");
    EXPECT_EQ(readLines(lines).winPitcher, "Tom Ashford");
    lines.erase(lines.begin() + 14);  // no pitching header: no decision line at all
    lines.erase(lines.begin() + 16);
    GameRecord r = readLines(lines);
    EXPECT_EQ(std::tuple(r.winPitcher, r.pitchingHeaderLine, r.pitchingEndLine),
              std::tuple("", 200, 200));
}

TEST(FirstLine, DateAndBallpark) {
    const struct {
        std::string line, date, ballparkName, ballpark;
    } cases[] = {
        {"4/2/2013, Arr12-Bal12, Fenway Park", "April 2, 2013", "Fenway Park", "Fenway Park"},
        {"7/1/1990, A-B, Kingdome", "July 1, 1990", "Kingdome", "the Kingdome"},
        {"7/1/1990, A-B, Astrodome ", "July 1, 1990", "Astrodome", "the Astrodome"},
        {"7/1/1990, A-B, Metrodome", "July 1, 1990", "Metrodome", "the Metrodome"},
        {"7/1/1990, A-B, Rogers Centre", "July 1, 1990", "Rogers Centre", "the Rogers Centre"},
        {"7/1/1990, A-B, ASTRODOME", "July 1, 1990", "ASTRODOME", "ASTRODOME"},
        {"Opening Day, A-B, Elm Field", "Opening Day", "Elm Field", "Elm Field"},
        {"no comma at all", "", "", ""},
        {"7/1/1990,", "July 1, 1990", "", ""},
    };
    for (const auto& c : cases) {
        GameRecord r = readWith({{1, c.line}});
        EXPECT_EQ(std::tuple(r.gameDate, r.ballparkName, r.ballpark),
                  std::tuple(c.date, c.ballparkName, c.ballpark))
            << c.line;
    }
}

TEST(LineScore, PointBlankBecomesCommaBlankAfterTheFirstLine) {
    const std::string row = workedExampleLines()[3];
    EXPECT_EQ(readWith({{4, atColumn(row, 6, "St. Paul ")}}).teamName[kVisitors], "St, Paul");
}

TEST(LineScore, ASecondHeaderMovesTheTeamRows) {
    Lines lines = workedExampleLines();
    lines.push_back(lines[2]);
    lines.push_back("     Riverton           0  0  0  0  0  0  0  0  0    11  8  1     7  1");
    lines.push_back("     Harbor City        0  0  0  0  0  0  0  0  0    10  9  0     6  2");
    GameRecord r = readLines(lines);
    EXPECT_EQ(
        std::tuple(r.lineScoreHeaderLine, r.runs[kVisitors], r.runs[kHome], r.winTeam, r.loseTeam),
        std::tuple(22, 11, 10, 1, 2));
}

TEST(LineScore, TieCountsAsAHomeWin) {
    GameRecord r = readWith({{4, atColumn(workedExampleLines()[3], 54, " 5")}});
    EXPECT_EQ(std::tuple(r.runs[kVisitors], r.winTeam, r.loseTeam), std::tuple(5, 2, 1));
}

TEST(LineScore, InningsAfterTheFortiethAreNotStored) {
    Lines lines = workedExampleLines();
    std::string header = std::string(20, ' ');
    std::string row = "     Riverton       ";
    for (int inning = 1; inning <= 41; ++inning) {
        header += inning < 10 ? "  " + std::to_string(inning) : " " + std::to_string(inning);
        row += "  " + std::to_string(inning % 10);
    }
    lines[2] = header + "     R  H  E   LOB DP";
    lines[3] = row + "     3  8  1     7  1";
    GameRecord r = readLines(lines);
    // Inning 39 printed 9 and inning 40 printed 0; the 41st, 1, has no place.
    EXPECT_EQ(std::tuple(r.innings, r.inningRuns[kVisitors][39], r.inningRuns[kVisitors][40],
                         r.runs[kVisitors]),
              std::tuple(41, 9, 0, 3));
}

TEST(LineScore, ShortTeamRowsReadWhatTheyHold) {
    GameRecord r = readWith({{4, "3  8"}, {5, ""}});
    EXPECT_EQ(std::tuple(r.teamName[kVisitors], r.runs[kVisitors], r.doublePlays[kVisitors],
                         r.runs[kHome]),
              std::tuple("", 0, 8, 0));
}

}  // namespace
}  // namespace quillbat
