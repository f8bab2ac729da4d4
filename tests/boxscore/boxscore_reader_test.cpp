#include "boxscore/boxscore_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
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

// The refusal's text, or "accepted" when the boxscore is read.
std::string refusalOf(const std::string& text, const std::string& name = "ex.box") {
    try {
        readBoxscore(std::string_view(text), name);
    } catch (const InputError& refused) {
        return refused.what();
    }
    return "accepted";
}

std::string refusalOf(const Lines& lines) {
    return refusalOf(joinLines(lines));
}

// The worked example with filler lines added after its 21 lines until it has `count` lines.
Lines exampleWithLines(int count, const std::string& lastLine = "filler") {
    Lines lines = workedExampleLines();
    while (static_cast<int>(lines.size()) < count - 1) {
        lines.push_back("filler");
    }
    lines.push_back(lastLine);
    return lines;
}

TEST(WorkedExample, GivesEveryValueOfItsTable) {
    GameRecord r =
        readBoxscore(std::string_view(testing::readExample("riverton-at-harbor-city.box")),
                     "riverton-at-harbor-city.box");
    EXPECT_EQ(r.gameLabel, "");
    EXPECT_EQ(r.gameDate, "April 10, 1999");
    EXPECT_EQ(r.ballparkName, "Lakeside Park");
    EXPECT_EQ(r.ballpark, "Lakeside Park");
    EXPECT_EQ(r.lineScoreHeaderLine, 3);
    EXPECT_EQ(r.innings, 9);
    EXPECT_EQ(r.teamName[kVisitors], "Riverton");
    EXPECT_EQ(r.teamName[kHome], "Harbor City");
    const std::array<int, 4> visitors{3, 8, 1, 7};
    EXPECT_EQ((std::array<int, 4>{r.runs[1], r.hits[1], r.errors[1], r.leftOnBase[1]}), visitors);
    EXPECT_EQ(r.doublePlays[kVisitors], 1);
    const std::array<int, 4> home{5, 9, 0, 6};
    EXPECT_EQ((std::array<int, 4>{r.runs[2], r.hits[2], r.errors[2], r.leftOnBase[2]}), home);
    EXPECT_EQ(r.doublePlays[kHome], 2);
    const std::array<std::int16_t, 9> visitorInnings{0, 0, 1, 0, 0, 2, 0, 0, 0};
    const std::array<std::int16_t, 9> homeInnings{1, 0, 0, 0, 3, 0, 0, 1, 0};
    for (std::size_t i = 1; i <= 9; ++i) {
        EXPECT_EQ(r.inningRuns[kVisitors][i], visitorInnings[i - 1]) << i;
        EXPECT_EQ(r.inningRuns[kHome][i], homeInnings[i - 1]) << i;
    }
    EXPECT_EQ(r.inningRuns[kHome][10], 0);
    EXPECT_EQ(r.winTeam, 2);
    EXPECT_EQ(r.loseTeam, 1);
    EXPECT_EQ(r.battingHeaderLine, 7);
    EXPECT_EQ(r.batterCount[kVisitors], 3);
    EXPECT_EQ(r.batterCount[kHome], 3);
    const Batter& pike = r.batters[kVisitors][1];
    EXPECT_EQ(pike.batterName, "Ned Pike cf");
    EXPECT_EQ(pike.atBats, 4);
    EXPECT_EQ(pike.runsScored, 1);
    EXPECT_EQ(pike.batterHits, 2);
    EXPECT_EQ(pike.runsBattedIn, 1);
    EXPECT_EQ(pike.average, 0.301f);
    EXPECT_EQ(r.batters[kHome][2].batterName, "Joe Reyes rf");
    EXPECT_EQ(r.batters[kHome][2].average, 0.310f);
    EXPECT_EQ(r.firstNotesLine, 11);
    EXPECT_EQ(r.weatherLine, 13);
    EXPECT_EQ(r.line(13), "Temperature: 72, Wind: Out to CF at 22 MPH.");
    EXPECT_EQ(r.line(1), "4/10/1999, Riverton at Harbor City, Lakeside Park");
    EXPECT_EQ(r.temperature, 72);
    EXPECT_EQ(r.windSpeed, 22);
    EXPECT_TRUE(r.strongWind);
    EXPECT_EQ(r.windText, "out to cf at 22 mph");
    EXPECT_FALSE(r.threatening);
    EXPECT_FALSE(r.wetField);
    EXPECT_EQ(r.rainDelays, "");
    EXPECT_EQ(r.pitchingHeaderLine, 15);
    EXPECT_EQ(r.pitchingEndLine, 21);
    EXPECT_EQ(r.winPitcher, "Tom Ashford");
    EXPECT_EQ(r.winWins, 12);
    EXPECT_EQ(r.winLosses, 5);
    EXPECT_EQ(r.winInnings, "8.0");
    EXPECT_EQ(r.winHits, 7);
    EXPECT_EQ(r.winRuns, 3);
    EXPECT_EQ(r.winEarnedRuns, 3);
    EXPECT_EQ(r.winStrikeouts, 9);
    EXPECT_EQ(r.winPitches, 112);
    EXPECT_DOUBLE_EQ(r.winEra, 3.05);
    EXPECT_EQ(r.losePitcher, "Carl Dunn");
    EXPECT_EQ(r.loseWins, 3);
    EXPECT_EQ(r.loseLosses, 7);
    EXPECT_EQ(r.loseInnings, "7.0");
    EXPECT_EQ(r.savePitcher, "Lou Vance");
    EXPECT_EQ(r.saves, 14);
    // The reading stops at the form feed line that follows the game.
    EXPECT_EQ(r.lineCount(), 22);
}

TEST(WorkedExample, NotesNamesDifferFromThePrintedNamesSoNoBatterIsRated) {
    GameRecord r = readLines(workedExampleLines());
    for (int team : {kVisitors, kHome}) {
        for (std::size_t slot = 1; slot <= 2; ++slot) {
            EXPECT_EQ(r.batters[team][slot].rating, 0.0f);
            EXPECT_EQ(r.batters[team][slot].doubles, 0);
        }
        EXPECT_EQ(r.firstStar[team], 50);
        EXPECT_EQ(r.secondStar[team], 50);
    }
}

TEST(LineEnds, CrLfLoneCrAndLoneLfReadAlike) {
    Lines lines = workedExampleLines();
    for (std::string end : {"\n", "\r"}) {
        GameRecord r = readBoxscore(std::string_view(joinLines(lines, end)), "ex.box");
        EXPECT_EQ(r.lineCount(), 21) << int(end[0]);
        EXPECT_EQ(r.winPitcher, "Tom Ashford");
        EXPECT_EQ(r.pitchingEndLine, 21);
        EXPECT_EQ(r.batterCount[kHome], 3);
    }
}

TEST(StreamReading, GivesTheSameRecordAsTheText) {
    std::string text = testing::readExample("riverton-at-harbor-city.box");
    std::istringstream in(text);
    GameRecord fromStream = readBoxscore(in, "x2.box");
    GameRecord fromText = readBoxscore(std::string_view(text), "x2.box");
    EXPECT_EQ(fromStream.lines, fromText.lines);
    EXPECT_EQ(fromStream.gameLabel, "Game Two.  ");
    EXPECT_EQ(fromStream.winPitcher, fromText.winPitcher);
    EXPECT_EQ(fromStream.batterCount, fromText.batterCount);
    EXPECT_EQ(fromStream.windText, fromText.windText);
}

TEST(Refusals, LinesBeforeTheEnd) {
    EXPECT_EQ(refusalOf(exampleWithLines(200)), "accepted");
    EXPECT_EQ(refusalOf(exampleWithLines(201)), "ex.box: has more than 200 lines before its end");
    // The line holding the form feed counts; what follows it is never read.
    Lines feedOn200 = exampleWithLines(200, "\f4/10/1999, Riverton at Harbor City");
    Lines feedOn201 = exampleWithLines(201, "\f4/10/1999, Riverton at Harbor City");
    for (int i = 0; i < 300; ++i) {
        feedOn200.push_back("play-by-play");
        feedOn201.push_back("play-by-play");
    }
    EXPECT_EQ(refusalOf(feedOn200), "accepted");
    EXPECT_EQ(refusalOf(feedOn201), "ex.box: has more than 200 lines before its end");
}

TEST(Refusals, InningsThatAreNotANumber) {
    Lines lines = workedExampleLines();
    lines[2] = atColumn(lines[2], 48, "x9");
    EXPECT_EQ(refusalOf(lines),
              "ex.box: line 3: innings in the line-score header are not a number: \"x9\"");
    lines[2] = atColumn(lines[2], 48, "  ");
    EXPECT_EQ(refusalOf(lines),
              "ex.box: line 3: innings in the line-score header are not a number: \"  \"");
    lines[2] = atColumn(lines[2], 48, "1 ");
    EXPECT_EQ(refusalOf(lines), "accepted");
    EXPECT_EQ(readLines(lines).innings, 1);
}

TEST(Refusals, HeaderTooShortToHoldTheInnings) {
    const std::string message =
        "ex.box: line 3: the line-score header is too short to hold the number of innings";
    for (const std::string& header : Lines{"DP", "R H E LOB DP", std::string(20, ' ') + "DP"}) {
        Lines lines = workedExampleLines();
        lines[2] = header;
        EXPECT_EQ(refusalOf(lines), message) << header;
    }
    // 23 characters are just enough: positions 23-22 from the end are the first two.
    Lines lines = workedExampleLines();
    lines[2] = "12" + std::string(19, ' ') + "DP";
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.innings, 12);
}

TEST(Refusals, NoLineScore) {
    const std::string message = "ex.box: has no line score: it is not a boxscore of the game";
    EXPECT_EQ(refusalOf(""), message);
    EXPECT_EQ(refusalOf("\r\n"), message);
    EXPECT_EQ(refusalOf("Dear diary,\r\ntoday it rained.\r\n"), message);
    EXPECT_EQ(refusalOf(std::string("\x7F"
                                    "ELF\x02\x01\x01\0\0\0\xFF\xFE",
                                    12)),
              message);
    // "DP" after the form feed does not count.
    EXPECT_EQ(refusalOf("a\r\n\fb\r\n" + workedExampleLines()[2] + "\r\n"), message);
}

TEST(Refusals, MoreThanFiftyBattersForATeam) {
    auto withRows = [](int visitors, int home) {
        Lines lines = workedExampleLines();
        Lines rows;
        for (int i = 0; i < std::max(visitors, home); ++i) {
            std::string row;
            if (i < visitors) {
                row = atColumn(atColumn(row, 1, "Visitor" + std::to_string(i)), 22,
                               " 4  1  2  1  .301");
            }
            if (i < home) {
                row = atColumn(atColumn(row, 43, "Home" + std::to_string(i)), 64,
                               " 4  2  3  2  .288");
            }
            rows.push_back(row);
        }
        lines.erase(lines.begin() + 7, lines.begin() + 9);
        lines.insert(lines.begin() + 7, rows.begin(), rows.end());
        return lines;
    };
    GameRecord full = readLines(withRows(50, 50));
    EXPECT_EQ(full.batterCount[kVisitors], 51);
    EXPECT_EQ(full.batterCount[kHome], 51);
    EXPECT_EQ(full.batters[kHome][50].batterName, "Home49");
    EXPECT_EQ(full.batters[kHome][50].runsScored, 2);
    EXPECT_EQ(full.batters[kVisitors][50].average, 0.301f);
    EXPECT_EQ(refusalOf(withRows(51, 3)),
              "ex.box: line 58: the visitors have more than 50 batting rows");
    EXPECT_EQ(refusalOf(withRows(2, 51)),
              "ex.box: line 58: the home team has more than 50 batting rows");
}

TEST(Refusals, OverlongLine) {
    Lines lines = workedExampleLines();
    lines[11] = std::string(kMaxLineLength, 'x');
    EXPECT_EQ(refusalOf(lines), "accepted");
    lines[11] += 'x';
    EXPECT_EQ(refusalOf(lines), "ex.box: line 12 is longer than 1000000 characters");
    std::istringstream in(joinLines(lines));
    EXPECT_THROW(readBoxscore(in, "ex.box"), InputError);
}

TEST(Refusals, TextAndStreamGiveTheSameReason) {
    const Lines longLast = exampleWithLines(201, std::string(kMaxLineLength + 1, 'x'));
    const Lines longFirst = {std::string(kMaxLineLength + 1, 'x'), "DP"};
    for (const Lines& lines : {longLast, longFirst}) {
        std::string text = joinLines(lines);
        std::istringstream in(text);
        std::string fromStream;
        try {
            readBoxscore(in, "ex.box");
        } catch (const InputError& refused) {
            fromStream = refused.what();
        }
        EXPECT_EQ(refusalOf(text), fromStream);
    }
    EXPECT_EQ(refusalOf(longLast), "ex.box: has more than 200 lines before its end");
    EXPECT_EQ(refusalOf(longFirst), "ex.box: line 1 is longer than 1000000 characters");
}

// A stream of endless short lines that counts how much the reader took from it.
class EndlessLines : public std::streambuf {
  public:
    explicit EndlessLines(std::string line) : line_(std::move(line)) { refill(); }
    long long consumed() const { return consumed_ + (gptr() - eback()); }

  protected:
    int_type underflow() override {
        consumed_ += egptr() - eback();
        refill();
        return traits_type::to_int_type(*gptr());
    }

  private:
    void refill() { setg(line_.data(), line_.data(), line_.data() + line_.size()); }
    std::string line_;
    long long consumed_ = 0;
};

TEST(BadInput, EndlessFileOfShortLinesStopsAtLine201) {
    EndlessLines source("1234567890123456789012345678901234567890\r\n");
    std::istream in(&source);
    EXPECT_THROW(readBoxscore(in, "huge.box"), InputError);
    EXPECT_EQ(source.consumed(), 200 * 42);
}

TEST(BadInput, EndlessLineWithoutLineEndStopsAfterTheLimit) {
    EndlessLines source("abcdefghij");
    std::istream in(&source);
    try {
        readBoxscore(in, "huge.box");
        FAIL() << "an endless line was accepted";
    } catch (const InputError& refused) {
        EXPECT_STREQ(refused.what(), "huge.box: line 1 is longer than 1000000 characters");
    }
    EXPECT_EQ(source.consumed(), static_cast<long long>(kMaxLineLength) + 1);
}

TEST(BadInput, NulBytesAndLongLinesAreJustText) {
    Lines lines = workedExampleLines();
    lines[1] = std::string("\0\0\0", 3);
    lines[11] = "GWRBI: " + std::string(100000, 'z');
    lines[12] = std::string("Temperature: 72\0, Wind: Out to CF at 22 MPH.", 44);
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.temperature, 72);
    EXPECT_EQ(r.windSpeed, 22);
    EXPECT_EQ(r.line(2), std::string("\0\0\0", 3));
    EXPECT_EQ(r.line(12).size(), 100007u);
}

TEST(BadInput, LoneCrFileIsOneLineEach) {
    GameRecord r = readBoxscore(std::string_view(joinLines(workedExampleLines(), "\r")), "cr.box");
    EXPECT_EQ(r.innings, 9);
    EXPECT_EQ(r.saves, 14);
}

TEST(Wind, StrongFromTwentyOne) {
    struct Case {
        std::string line;
        int speed;
        bool strong;
        std::string text;
    };
    const Case cases[] = {
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
    };
    for (const Case& c : cases) {
        Lines lines = workedExampleLines();
        lines[12] = c.line;
        GameRecord r = readLines(lines);
        EXPECT_EQ(r.windSpeed, c.speed) << c.line;
        EXPECT_EQ(r.strongWind, c.strong) << c.line;
        EXPECT_EQ(r.windText, c.text) << c.line;
    }
}

TEST(Wind, CalmerLaterLineKeepsTheStrongWind) {
    Lines lines = workedExampleLines();
    lines[13] = "Wind: calm at 5 MPH.";
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.windSpeed, 5);
    EXPECT_TRUE(r.strongWind);
    EXPECT_EQ(r.windText, "out to cf at 22 mph");
}

TEST(Conditions, RainThreateningWetAndTemperature) {
    Lines lines = workedExampleLines();
    lines[12] = "Temperature: 66, Field: wet, Sky: threatening, Wind: left to right at 10 MPH, ";
    lines[13] = "Rain Delays: 79 minutes.";
    GameRecord r = readLines(lines);
    EXPECT_TRUE(r.wetField);
    EXPECT_TRUE(r.threatening);
    EXPECT_EQ(r.rainDelays, "79");
    EXPECT_EQ(r.windSpeed, 0);
    EXPECT_EQ(r.temperature, 66);

    lines[13] = "Rain Delays: 45 and 30 minutes.";
    EXPECT_EQ(readLines(lines).rainDelays, "45 and 30");
    lines[13] = "Rain Delays: 31";
    EXPECT_EQ(readLines(lines).rainDelays, "31");
    lines[13] = "Rain Delays";
    EXPECT_EQ(readLines(lines).rainDelays, "");
}

TEST(Conditions, TemperatureWithAndWithoutGameWinningRbi) {
    Lines lines = workedExampleLines();
    lines[12] = "Wind: none.";
    GameRecord noTemperature = readLines(lines);
    EXPECT_EQ(noTemperature.temperature, -99);
    EXPECT_EQ(noTemperature.weatherLine, 13);
    lines[11] = "";
    EXPECT_EQ(readLines(lines).temperature, 0);
    EXPECT_EQ(readLines(lines).weatherLine, 0);
    lines[12] = "Temperature: 105, Sky: clear";
    EXPECT_EQ(readLines(lines).temperature, 105);
    lines[12] = "Temperature: -5, Sky: clear";
    EXPECT_EQ(readLines(lines).temperature, -5);
}

TEST(Decisions, CountOnlyFromColumnSixteen) {
    Lines lines = workedExampleLines();
    // " W " starting at column 15 lies inside the name; at 16 it is a decision.
    lines[18] =
        atColumn(std::string(14, 'A'), 15, " W 12-5           8.0  7  3  3  1 9 112   3.05");
    EXPECT_EQ(readLines(lines).winPitcher, "");
    lines[18] = atColumn(std::string(15, 'A'), 16, " W 12-5          8.0  7  3  3  1 9 112   3.05");
    EXPECT_EQ(readLines(lines).winPitcher, std::string(15, 'A'));
    // The first " W " decides, even when a later one stands further right.
    lines[18] = "Al W Smith       W 12-5           8.0  7  3  3  1 9 112   3.05";
    EXPECT_EQ(readLines(lines).winPitcher, "");
}

TEST(Decisions, PitchingHeaderNeedsTheBlankBeforeInn) {
    Lines lines = workedExampleLines();
    lines[14] = "RivertonINN  H  R ER BB K PIT    ERA";
    lines[17] = "Harbor City INN  H  R ER BB K PIT    ERA";
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.pitchingHeaderLine, 18);
    EXPECT_EQ(r.losePitcher, "");  // line 16 lies before the header
    EXPECT_EQ(r.winPitcher, "Tom Ashford");
}

TEST(Decisions, HoldsAndBlownSaves) {
    Lines lines = workedExampleLines();
    lines[15] = "Carl Dunn        BS 1, L 3-7      7.0  8  5  5  2 4 104   4.12";
    lines[19] = "Lou Vance        H 2              1.0  1  0  0  0 2  15   2.10";
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.losePitcher, "Carl Dunn");
    EXPECT_EQ(r.loseWins, 3);
    EXPECT_EQ(r.loseLosses, 7);
    EXPECT_EQ(r.savePitcher, "");
    EXPECT_EQ(r.saves, 0);
    lines[15] = "Carl Dunn        L 3              7.0  8  5  5  2 4 104   4.12";
    EXPECT_EQ(readLines(lines).loseLosses, 0);
}

TEST(Decisions, OnlyInsideThePitchingSection) {
    Lines lines = workedExampleLines();
    lines.push_back("Late Arm         W 1-0            1.0  0  0  0  0 1  10   0.00");
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.winPitcher, "Tom Ashford");
    lines.erase(lines.begin() + 14);  // no pitching header: no decision line at all
    lines.erase(lines.begin() + 16);
    GameRecord noHeader = readLines(lines);
    EXPECT_EQ(noHeader.winPitcher, "");
    EXPECT_EQ(noHeader.pitchingHeaderLine, 200);
    EXPECT_EQ(noHeader.pitchingEndLine, 200);
}

TEST(FirstLine, DateAndBallpark) {
    struct Case {
        std::string line;
        std::string date;
        std::string ballparkName;
        std::string ballpark;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        Lines lines = workedExampleLines();
        lines[0] = c.line;
        GameRecord r = readLines(lines);
        EXPECT_EQ(r.gameDate, c.date) << c.line;
        EXPECT_EQ(r.ballparkName, c.ballparkName) << c.line;
        EXPECT_EQ(r.ballpark, c.ballpark) << c.line;
    }
}

TEST(LineScore, PointBlankBecomesCommaBlankAfterTheFirstLine) {
    Lines lines = workedExampleLines();
    lines[3] = atColumn(lines[3], 6, "St. Paul ");
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.teamName[kVisitors], "St, Paul");
}

TEST(LineScore, ASecondHeaderMovesTheTeamRows) {
    Lines lines = workedExampleLines();
    lines.push_back(lines[2]);
    lines.push_back("     Riverton           0  0  0  0  0  0  0  0  0    11  8  1     7  1");
    lines.push_back("     Harbor City        0  0  0  0  0  0  0  0  0    10  9  0     6  2");
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.lineScoreHeaderLine, 22);
    EXPECT_EQ(r.runs[kVisitors], 11);
    EXPECT_EQ(r.runs[kHome], 10);
    EXPECT_EQ(r.winTeam, 1);
    EXPECT_EQ(r.loseTeam, 2);
}

TEST(LineScore, TieCountsAsAHomeWin) {
    Lines lines = workedExampleLines();
    lines[3] = atColumn(lines[3], 54, " 5");
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.runs[kVisitors], 5);
    EXPECT_EQ(r.winTeam, 2);
    EXPECT_EQ(r.loseTeam, 1);
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
    EXPECT_EQ(r.innings, 41);
    EXPECT_EQ(r.inningRuns[kVisitors][40], 0);  // inning 40 printed 0
    EXPECT_EQ(r.inningRuns[kVisitors][39], 9);
    EXPECT_EQ(r.runs[kVisitors], 3);
}

TEST(LineScore, ShortTeamRowsReadWhatTheyHold) {
    Lines lines = workedExampleLines();
    lines[3] = "3  8";
    lines[4] = "";
    GameRecord r = readLines(lines);
    EXPECT_EQ(r.teamName[kVisitors], "");
    EXPECT_EQ(r.runs[kVisitors], 0);
    EXPECT_EQ(r.doublePlays[kVisitors], 8);
    EXPECT_EQ(r.runs[kHome], 0);
}

}  // namespace
}  // namespace quillbat
