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

// A made-up game with every printed value decided, ready to be laid out as a boxscore.
struct GeneratedGame {
    std::string date;  // as line 1 prints it: "4/10/1999"
    int year = 2000;
    std::string ballpark;
    int innings = 9;
    std::array<GeneratedTeam, 2> teams;     // visitors, home
    std::vector<std::string> errorNames;    // the fielders of the "E-" notes list
    std::string gameWinningRbi;             // empty: no "GWRBI:" line
    std::vector<std::string> weatherLines;  // empty: no weather line
};

}  // namespace quillbat::generator
