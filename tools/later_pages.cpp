#include "tools/later_pages.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>

#include "tools/page_layout.h"

namespace quillbat::generator {
namespace {

constexpr std::size_t kWrapColumn = 74;
constexpr std::size_t kMarksPerRow = 5;

std::vector<std::string> pageStart(const GeneratedGame& game) {
    std::vector<std::string> lines = {"\f" + firstLine(game), " "};
    for (std::string& line : lineScoreLines(game)) {
        lines.push_back(std::move(line));
    }
    return lines;
}

// "1st", "2nd", "3rd", "4th" ... "11th", "12th", "13th", "21st".
std::string ordinal(int number) {
    const int tens = number % 100;
    const int ones = number % 10;
    const char* suffix = tens >= 11 && tens <= 13 ? "th"
                         : ones == 1              ? "st"
                         : ones == 2              ? "nd"
                         : ones == 3              ? "rd"
                                                  : "th";
    return std::to_string(number) + suffix;
}

// Appends `text` after `start`, broken at blanks so that no line passes kWrapColumn; the lines
// after the first start with 18 blanks.
void addWrapped(std::string start, const std::string& text, std::vector<std::string>& lines) {
    std::string line = std::move(start);
    std::size_t at = 0;
    while (line.size() + text.size() - at > kWrapColumn) {
        const std::size_t room = kWrapColumn - line.size();
        const std::size_t blank = text.rfind(' ', at + room - 1);
        if (blank == std::string::npos || blank < at) {
            break;
        }
        lines.push_back(line + text.substr(at, blank + 1 - at));
        line = std::string(18, ' ');
        at = blank + 1;
    }
    lines.push_back(line + text.substr(at));
}

std::string playLine(const GeneratedPlay& play) {
    char start[32];
    std::snprintf(start, sizeof start, "%2d-%-2d %d %c%c%c %d%d  ", play.scoreBefore[0],
                  play.scoreBefore[1], play.outs, play.runners[0] ? '1' : '-',
                  play.runners[1] ? '2' : '-', play.runners[2] ? '3' : '-', play.balls,
                  play.strikes);
    return start;
}

// The marks of every batter of a team, in the order he came up.
std::vector<std::vector<std::string>> marksOf(const GeneratedGame& game, bool home) {
    const GeneratedTeam& team = game.teams[home ? 1 : 0];
    std::vector<std::vector<std::string>> marks(team.batters.size());
    for (const GeneratedHalfInning& half : game.playByPlay) {
        for (const GeneratedPlay& play : half.plays) {
            if (half.bottom == home && play.batter >= 0) {
                marks[static_cast<std::size_t>(play.batter)].push_back(play.mark);
            }
        }
    }
    return marks;
}

void addBattingGrid(const GeneratedGame& game, bool home, std::vector<std::string>& lines) {
    const GeneratedTeam& team = game.teams[home ? 1 : 0];
    lines.push_back(padRight(team.nickname, 21) +
                    "-----A------ -----B------ -----C------ -----D------ -----E------");
    const std::vector<std::vector<std::string>> marks = marksOf(game, home);
    for (std::size_t b = 0; b < team.batters.size(); ++b) {
        const GeneratedBatter& batter = team.batters[b];
        std::string row = padRight((batter.substitute ? " " : "") + batter.name, 18) +
                          padRight(batter.position, 2) + " ";
        for (std::size_t turn = 0; turn < std::max<std::size_t>(marks[b].size(), 1); ++turn) {
            if (turn > 0 && turn % kMarksPerRow == 0) {
                lines.push_back(row);
                row = std::string(21, ' ');
            }
            row += padRight(turn < marks[b].size() ? marks[b][turn] : "", 13);
        }
        lines.push_back(row);
    }
}

// "A1  C9": the inning a pitcher came in and the inning he left, from the outs before him.
std::string pitcherRow(const GeneratedPitcher& pitcher, int outsBefore) {
    const int in = outsBefore / 3 + 1;
    const int out = (outsBefore + std::max(pitcher.outs, 1) - 1) / 3 + 1;
    return padRight(padRight(pitcher.name, 17) + padRight("A" + std::to_string(in), 4) +
                        padRight("A" + std::to_string(out), 3) + format("%2d", pitcher.earnedRuns) +
                        " " + pitcher.decision,
                    44);
}

}  // namespace

std::vector<std::string> scoresheetLines(const GeneratedGame& game) {
    std::vector<std::string> lines = pageStart(game);
    for (bool home : {false, true}) {
        lines.insert(lines.end(), {" ", " "});
        addBattingGrid(game, home, lines);
    }
    lines.insert(lines.end(), {" ", " "});
    std::string header;
    for (const GeneratedTeam& team : game.teams) {
        header += padRight(padRight(team.nickname, 17) + "IN OUT ER", 44);
    }
    lines.push_back(header);
    const std::array<const std::vector<GeneratedPitcher>*, 2> staffs = {&game.teams[0].pitchers,
                                                                        &game.teams[1].pitchers};
    std::array<int, 2> outsBefore{};
    for (std::size_t row = 0; row < std::max(staffs[0]->size(), staffs[1]->size()); ++row) {
        std::string line;
        for (std::size_t team = 0; team < 2; ++team) {
            if (row < staffs[team]->size()) {
                line += pitcherRow((*staffs[team])[row], outsBefore[team]);
                outsBefore[team] += (*staffs[team])[row].outs;
            } else {
                line += std::string(44, ' ');
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> playByPlayLines(const GeneratedGame& game) {
    std::vector<std::string> lines = pageStart(game);
    lines.insert(lines.end(), {" ", "Score O Rnr BS  Event", "----- - --- --  -----"});
    for (const GeneratedHalfInning& half : game.playByPlay) {
        const GeneratedTeam& batting = game.teams[half.bottom ? 1 : 0];
        lines.push_back(" ");
        lines.push_back("**************  " + std::string(half.bottom ? "Bottom" : "Top") +
                        " of the " + ordinal(half.inning) + " inning, " + batting.nickname +
                        " batting");
        for (const GeneratedPlay& play : half.plays) {
            for (const std::string& change : play.changes) {
                lines.push_back(std::string(16, ' ') + change);
            }
            addWrapped(playLine(play),
                       play.text + (play.pitches.empty() ? "" : " (" + play.pitches + ")"), lines);
        }
    }
    return lines;
}

}  // namespace quillbat::generator
