#include "tools/page_layout.h"

#include <cstdio>

namespace quillbat::generator {
namespace {

std::string rowStart(const GeneratedGame& game, const GeneratedTeam& team) {
    return padRight(std::to_string(game.year) + " " + team.nickname, 20) + " ";
}

std::string totalsTail(const GeneratedTeam& team) {
    return "    " + format("%2d", team.runs) + format("%3d", team.hits) +
           format("%3d", team.errors) + "    " + format("%2d", team.leftOnBase) +
           format("%3d", team.doublePlays);
}

void addBlock(const GeneratedGame& game, int first, int last, bool withTotals,
              std::vector<std::string>& lines) {
    std::string header(21, ' ');
    for (int inning = first; inning <= last; ++inning) {
        header += format("%3d", inning);
    }
    if (withTotals) {
        header += "     R  H  E   LOB DP";
    }
    lines.push_back(header);
    for (const GeneratedTeam& team : game.teams) {
        std::string row = rowStart(game, team);
        for (int inning = first; inning <= last; ++inning) {
            row += padLeft(team.inningRuns[static_cast<std::size_t>(inning - 1)], 3);
        }
        if (withTotals) {
            row += totalsTail(team);
        }
        lines.push_back(row);
    }
}

}  // namespace

std::string format(const char* pattern, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string firstLine(const GeneratedGame& game) {
    const std::string year = format("%02d", game.year % 100);
    return game.date + ", " + game.teams[0].code + year + "-" + game.teams[1].code + year + ", " +
           game.ballpark;
}

std::vector<std::string> lineScoreLines(const GeneratedGame& game) {
    std::vector<std::string> lines;
    if (game.innings <= 12) {
        addBlock(game, 1, game.innings, true, lines);
        return lines;
    }
    addBlock(game, 1, 12, false, lines);
    lines.push_back(" ");
    addBlock(game, 13, game.innings, true, lines);
    return lines;
}

}  // namespace quillbat::generator
