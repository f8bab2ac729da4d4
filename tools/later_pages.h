#pragma once

#include <string>
#include <vector>

#include "tools/generated_game.h"

// The pages the game prints after the boxscore, each starting with a form feed before its
// line 1 and the line score.
namespace quillbat::generator {

// The scoresheet: what every batter did in each turn at bat, five turns a row, then the
// pitchers with the innings they came in and left, their earned runs and decisions.
std::vector<std::string> scoresheetLines(const GeneratedGame& game);

// The play-by-play: the "Score O Rnr BS  Event" heading, then each half-inning under its
// header, each change of players on a line of its own indented 16 blanks, each play with the
// score before it, the outs, the runners and the count, its event text and its pitches in
// parentheses; a text past 74 columns goes on in lines indented 18 blanks.
std::vector<std::string> playByPlayLines(const GeneratedGame& game);

}  // namespace quillbat::generator
