#include "tools/boxscore_layout.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <tuple>
#include <vector>

#include "tools/later_pages.h"
#include "tools/page_layout.h"

namespace quillbat::generator {
namespace {

std::string averageText(int thousandths) {
    if (thousandths >= 1000) {
        return "1.000";
    }
    return "." + format("%03d", thousandths);
}

std::string inningsText(int outs) {
    return std::to_string(outs / 3) + "." + std::to_string(outs % 3);
}

// Writes the game in the columns the game prints.
class BoxscoreWriter {
  public:
    BoxscoreWriter(const GeneratedGame& game, BattingLayout layout)
        : game_(game), layout_(layout) {}

    void line(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }

    std::string write() {
        line(firstLine(game_));
        line(" ");
        for (const std::string& row : lineScoreLines(game_)) {
            line(row);
        }
        line(" ");
        if (layout_ == BattingLayout::kSideBySide) {
            writeSideBySide();
        } else {
            writeFullColumn(game_.teams[0]);
            writeFullColumn(game_.teams[1]);
        }
        writePitching(game_.teams[0]);
        writePitching(game_.teams[1]);
        writeSubstitutions();
        writeNotes();
        if (!game_.gameWinningRbi.empty()) {
            line("GWRBI: " + game_.gameWinningRbi);
        }
        for (const std::string& weather : game_.weatherLines) {
            line(weather);
        }
        // The reader of the boxscore stops at the scoresheet's form feed.
        for (const std::string& page : scoresheetLines(game_)) {
            line(page);
        }
        for (const std::string& page : playByPlayLines(game_)) {
            line(page);
        }
        return std::move(text_);
    }

    static std::string nameField(const GeneratedBatter& batter) {
        return padRight((batter.substitute ? " " : "") + batter.name, 18) +
               padRight(batter.position, 2);
    }

    static std::string sideBySideRow(const GeneratedBatter& batter) {
        return nameField(batter) + format(" %2d", batter.atBats) + format(" %2d", batter.runs) +
               format(" %2d", batter.hits) + format(" %2d", batter.rbi) + " " +
               padLeft(averageText(batter.average), 5);
    }

    static std::string sideBySideTotals(const GeneratedTeam& team) {
        int atBats = 0;
        int runs = 0;
        int rbi = 0;
        for (const GeneratedBatter& batter : team.batters) {
            atBats += batter.atBats;
            runs += batter.runs;
            rbi += batter.rbi;
        }
        return std::string(20, ' ') + format(" %2d", atBats) + format(" %2d", runs) +
               format(" %2d", team.hits) + format(" %2d", rbi);
    }

    // When one list is longer, the other team's totals share a line with its next batter.
    void writeSideBySide() {
        std::array<std::vector<std::string>, 2> columns;
        for (std::size_t team = 0; team < 2; ++team) {
            for (const GeneratedBatter& batter : game_.teams[team].batters) {
                columns[team].push_back(sideBySideRow(batter));
            }
            columns[team].push_back(sideBySideTotals(game_.teams[team]));
        }
        line(padRight(game_.teams[0].nickname, 21) + "AB  R  H BI   AVG    " +
             padRight(game_.teams[1].nickname, 21) + "AB  R  H BI   AVG");
        std::size_t rows = std::max(columns[0].size(), columns[1].size());
        for (std::size_t row = 0; row < rows; ++row) {
            std::string left = row < columns[0].size() ? columns[0][row] : "";
            if (row < columns[1].size()) {
                left = padRight(left, 42) + columns[1][row];
            }
            line(left);
        }
        line(" ");
    }

    void writeFullColumn(const GeneratedTeam& team) {
        line(padRight(team.nickname, 21) +
             "AB  R  H BI  D  T HR BB  K SB CS IW HP SH SF   AVG  PO  A  E");
        std::array<int, 9> totals{};
        for (const GeneratedBatter& batter : team.batters) {
            std::array<int, 9> counts = {batter.atBats,   batter.runs,    batter.hits,
                                         batter.rbi,      batter.doubles, batter.triples,
                                         batter.homeRuns, batter.walks,   batter.strikeouts};
            std::string row = nameField(batter);
            for (std::size_t i = 0; i < counts.size(); ++i) {
                row += format(" %2d", counts[i]);
                totals[i] += counts[i];
            }
            row += "  0  0  0  0  0  0 " + padLeft(averageText(batter.average), 5);
            row += format(" %3d", batter.putouts) + format(" %2d", batter.assists) + "  0";
            line(row);
        }
        std::string totalsRow(20, ' ');
        for (int total : totals) {
            totalsRow += format(" %2d", total);
        }
        line(totalsRow);
        line(" ");
    }

    void writePitching(const GeneratedTeam& team) {
        line(padRight(team.nickname, 33) + "INN  H  R ER BB  K PCH STR   ERA");
        int outs = 0;
        std::array<int, 7> totals{};
        for (const GeneratedPitcher& pitcher : team.pitchers) {
            int strikes = pitcher.pitches * 3 / 5;
            std::string row = padRight(padRight(pitcher.name, 17) + pitcher.decision, 32) +
                              padLeft(inningsText(pitcher.outs), 4) + format("%3d", pitcher.hits) +
                              format("%3d", pitcher.runs) + format("%3d", pitcher.earnedRuns) +
                              format("%3d", pitcher.walks) + format("%3d", pitcher.strikeouts) +
                              format("%4d", pitcher.pitches) + format("%4d", strikes) +
                              padLeft(pitcher.era, 6);
            line(row);
            outs += pitcher.outs;
            std::array<int, 7> counts = {pitcher.hits,  pitcher.runs,       pitcher.earnedRuns,
                                         pitcher.walks, pitcher.strikeouts, pitcher.pitches,
                                         strikes};
            for (std::size_t i = 0; i < counts.size(); ++i) {
                totals[i] += counts[i];
            }
        }
        std::string totalsRow = std::string(32, ' ') + padLeft(inningsText(outs), 4);
        for (std::size_t i = 0; i < totals.size(); ++i) {
            totalsRow += format(i < 5 ? "%3d" : "%4d", totals[i]);
        }
        line(totalsRow + " ");
        line(" ");
    }

    void writeSubstitutions() {
        bool any = false;
        for (std::size_t team = 0; team < 2; ++team) {
            std::string prefix = game_.teams[team].code + ": ";
            for (std::size_t slot = 9; slot < game_.teams[team].batters.size(); ++slot) {
                const GeneratedBatter& batter = game_.teams[team].batters[slot];
                line(prefix + batter.name + " batted for " +
                     game_.teams[team].batters[slot - 9].name + " in the " +
                     std::to_string(batter.enteredInning) + "th");
                prefix = "     ";
                any = true;
            }
        }
        if (any) {
            line(" ");
        }
    }

    // A notes item: the name, the game count when above one, the season total in parentheses.
    static std::string noteItem(const GeneratedBatter& batter, int count, int season,
                                bool withSeason) {
        std::string item = batter.name;
        if (count > 1) {
            item += " " + std::to_string(count);
        }
        if (withSeason) {
            item += "(" + std::to_string(season) + ")";
        }
        return item;
    }

    void addList(std::vector<std::string>& lists, std::string_view tag,
                 const std::vector<std::string>& items) {
        if (items.empty()) {
            return;
        }
        std::string list(tag);
        for (std::size_t i = 0; i < items.size(); ++i) {
            list += (i == 0 ? "" : ", ") + items[i];
        }
        lists.push_back(list + ".");
    }

    template <typename Count>
    std::vector<std::string> itemsOf(Count count) {
        std::vector<std::string> items;
        for (const GeneratedTeam& team : game_.teams) {
            for (const GeneratedBatter& batter : team.batters) {
                auto [games, season, withSeason] = count(batter);
                if (games > 0) {
                    items.push_back(noteItem(batter, games, season, withSeason));
                }
            }
        }
        return items;
    }

    // The notes paragraph, wrapped at 78 characters after the blank of a ", " or ". ", every
    // line ending in a blank as the game writes them.
    void writeNotes() {
        std::vector<std::string> lists;
        addList(lists, "E-", game_.errorNames);
        addList(lists, "2B-", itemsOf([](const GeneratedBatter& b) {
                    return std::tuple{b.doubles, b.seasonDoubles, true};
                }));
        addList(lists, "3B-", itemsOf([](const GeneratedBatter& b) {
                    return std::tuple{b.triples, b.seasonTriples, true};
                }));
        addList(lists, "HR-", itemsOf([](const GeneratedBatter& b) {
                    return std::tuple{b.homeRuns, b.seasonHomeRuns, true};
                }));
        addList(lists, "RBI-", itemsOf([](const GeneratedBatter& b) {
                    return std::tuple{b.rbi, b.seasonRbi, true};
                }));
        addList(lists, "K-", itemsOf([](const GeneratedBatter& b) {
                    return std::tuple{b.strikeouts, 0, false};
                }));
        addList(lists, "BB-", itemsOf([](const GeneratedBatter& b) {
                    return std::tuple{b.walks, 0, false};
                }));
        std::string current;
        for (const std::string& list : lists) {
            std::size_t start = 0;
            while (start < list.size()) {
                std::size_t comma = list.find(", ", start);
                std::size_t end = comma == std::string::npos ? list.size() : comma + 2;
                std::string chunk = list.substr(start, end - start);
                if (comma == std::string::npos) {
                    chunk += " ";
                }
                if (current.size() + chunk.size() > 78) {
                    line(current);
                    current.clear();
                }
                current += chunk;
                start = end;
            }
        }
        if (!current.empty()) {
            line(current);
        }
    }

    const GeneratedGame& game_;
    BattingLayout layout_;
    std::string text_;
};

}  // namespace

std::string layOutBoxscore(const GeneratedGame& game, BattingLayout layout) {
    return BoxscoreWriter(game, layout).write();
}

}  // namespace quillbat::generator
