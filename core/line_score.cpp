#include "core/line_score.h"

#include <algorithm>

namespace quillbat {
namespace {

std::string padLeft(const std::string& text, std::size_t width) {
    return std::string(width - std::min(width, text.size()), ' ') + text;
}

std::string padRight(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, text.size()), ' ');
}

// One line of the table: the name column, the inning columns, the totals columns.
struct TableLine {
    std::string name;
    std::vector<std::string> innings;
    std::array<std::string, 3> totals;
};

}  // namespace

LineScore lineScoreOf(const GameRecord& record) {
    LineScore lineScore;
    lineScore.innings =
        std::max(record.inningCells[kVisitors].size(), record.inningCells[kHome].size());
    for (Team team : kTeams) {
        LineScoreRow& row = lineScore.rows[team == kVisitors ? 0 : 1];
        row.teamName = record.teamName[team];
        row.inningCells = record.inningCells[team];
        row.inningCells.resize(lineScore.innings);
        row.runs = std::to_string(record.runs[team]);
        row.hits = std::to_string(record.hits[team]);
        row.errors = std::to_string(record.errors[team]);
    }
    return lineScore;
}

std::string lineScoreText(const LineScore& lineScore) {
    std::vector<TableLine> lines(1);
    for (std::size_t inning = 1; inning <= lineScore.innings; ++inning) {
        lines[0].innings.push_back(std::to_string(inning));
    }
    lines[0].totals = {"R", "H", "E"};
    for (const LineScoreRow& row : lineScore.rows) {
        lines.push_back({row.teamName, row.inningCells, {row.runs, row.hits, row.errors}});
    }

    std::size_t nameWidth = 0;
    std::size_t inningWidth = 1;
    std::size_t totalWidth = 1;
    for (const TableLine& line : lines) {
        nameWidth = std::max(nameWidth, line.name.size());
        for (const std::string& cell : line.innings) {
            inningWidth = std::max(inningWidth, cell.size());
        }
        for (const std::string& total : line.totals) {
            totalWidth = std::max(totalWidth, total.size());
        }
    }
    // Single characters stand side by side in their group, as newspapers print them; wider
    // cells need a blank to be told apart, and the groups one more.
    const std::string cellGap = inningWidth > 1 ? " " : "";
    const std::string groupGap = cellGap + " ";

    std::string text;
    for (const TableLine& line : lines) {
        text += padRight(line.name, nameWidth) + " ";
        for (std::size_t inning = 0; inning < line.innings.size(); ++inning) {
            text += (inning % kInningsPerGroup == 0 ? groupGap : cellGap) +
                    padLeft(line.innings[inning], inningWidth);
        }
        text += " ";
        for (const std::string& total : line.totals) {
            text += " " + padLeft(total, totalWidth);
        }
        text += "\n";
    }
    return text;
}

}  // namespace quillbat
