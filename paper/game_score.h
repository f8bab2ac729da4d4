#pragma once

#include <string>
#include <string_view>

// How well a pitcher pitched in one game, as one number: the game score of the league paper's
// star pitcher of the day.
namespace quillbat {

// A pitcher's line of one game as the boxscore prints it.
struct PitchingLine {
    std::string innings;  // innings pitched as printed: "6.2" is six innings and two outs
    int hits = 0;
    int runs = 0;
    int earnedRuns = 0;
    int walks = 0;
    int strikeouts = 0;
};

// The outs of an innings-pitched text: three per whole inning before the point plus the digit
// after it ("6.2" gives 20, "7" gives 21); 0 for a text that does not start with a number.
int outsPitched(std::string_view innings);

// 50, plus 1 per out, plus 2 per full inning after the fourth, plus 1 per strikeout, minus 2
// per hit, minus 4 per earned run, minus 2 per unearned run, minus 1 per walk.
int gameScore(const PitchingLine& line);

}  // namespace quillbat
