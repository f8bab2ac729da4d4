#pragma once

#include <array>
#include <string>
#include <vector>

namespace quillbat::generator {

// The two batting layouts the game prints.
enum class BattingLayout {
    kSideBySide,  // both teams on one line; extra-base hits, walks and RBI in the notes lines
    kFullColumn,  // one team after the other, every count in its own column
};

// One batting line with the batter's notes entries and fielding.
struct GeneratedBatter {
    std::string name;
    std::string position;
    bool substitute = false;
    int enteredInning = 0;  // substitutes only
    int atBats = 0;
    int runs = 0;
    int hits = 0;
    int rbi = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int walks = 0;
    int strikeouts = 0;
    int average = 0;  // thousandths: 312 is printed .312
    int seasonDoubles = 0;
    int seasonTriples = 0;
    int seasonHomeRuns = 0;
    int seasonRbi = 0;
    int putouts = 0;
    int assists = 0;
};

struct GeneratedPitcher {
    std::string name;
    std::string decision;  // "W 12-5", "L 3-7", "S 14", "H 2", "BS 1, W 3-2" or empty
    int outs = 0;          // innings pitched times three
    int hits = 0;
    int runs = 0;
    int earnedRuns = 0;
    int walks = 0;
    int strikeouts = 0;
    int pitches = 0;
    std::string era;  // as printed: "3.05"
};

struct GeneratedTeam {
    std::string code;  // three letters for line 1
    std::string nickname;
    std::vector<GeneratedBatter> batters;  // the nine starters, then the substitutes
    std::vector<GeneratedPitcher> pitchers;
    std::vector<std::string> inningRuns;  // one per inning: "0", "3" or "x"
    int runs = 0;
    int hits = 0;
    int errors = 0;
    int leftOnBase = 0;
    int doublePlays = 0;
};

// One play of the play-by-play, as its line prints it.
struct GeneratedPlay {
    std::vector<std::string> changes;  // changes of players announced just before it
    std::array<int, 2> scoreBefore{};  // visitors, home
    int outs = 0;
    std::array<bool, 3> runners{};  // first, second, third
    int balls = 0;                  // the count before the last pitch
    int strikes = 0;
    std::string text;     // the event text without the pitches
    std::string pitches;  // empty: the line prints none (a balk)
    int batter = -1;      // the batter's place in his team's batters; -1 for a play without one
    std::string mark;     // what the scoresheet prints for the batter: "k", "63", "S", "HR"
};

struct GeneratedHalfInning {
    int inning = 1;
    bool bottom = false;  // the home team batting
    std::vector<GeneratedPlay> plays;
};

// The play that put the winners ahead for good, as the play-by-play has it.
struct GeneratedGoAhead {
    int inning = 1;
    bool bottom = false;
    std::string event;   // "homer", "single", "wildPitch", ... "out"
    std::string batter;  // empty for a play without one (a wild pitch, an error)
    bool walkoff = false;
};

// A made-up game with every printed value decided, ready to be laid out as a boxscore.
struct GeneratedGame {
    std::string date;  // as line 1 prints it: "4/10/1999"
    int year = 2000;
    std::string ballpark;
    int innings = 9;
    std::array<GeneratedTeam, 2> teams;           // visitors, home
    std::vector<std::string> errorNames;          // the fielders of the "E-" notes list
    std::string gameWinningRbi;                   // empty: no "GWRBI:" line
    std::vector<std::string> weatherLines;        // empty: no weather line
    std::vector<GeneratedHalfInning> playByPlay;  // every half-inning played, in order
    GeneratedGoAhead goAhead;
};

}  // namespace quillbat::generator
