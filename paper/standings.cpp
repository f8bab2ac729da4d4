#include "paper/standings.h"

#include <algorithm>
#include <cstdlib>

namespace quillbat {
namespace {

// Wins over decisions to three decimals, rounded half up, as ".583" (and "1.000").
std::string percentageText(int won, int lost) {
    const int decisions = won + lost;
    if (decisions == 0) {
        return ".000";
    }
    const int thousandths = (2000 * won + decisions) / (2 * decisions);
    if (thousandths == 1000) {
        return "1.000";
    }
    std::string digits = std::to_string(thousandths);
    return "." + std::string(3 - digits.size(), '0') + digits;
}

// Half-games behind as "2.0" or "2.5"; "-" for none; "+0.5" for half a game ahead.
std::string gamesBehindText(int halfGames) {
    if (halfGames == 0) {
        return "-";
    }
    const std::string sign = halfGames < 0 ? "+" : "";
    const int magnitude = std::abs(halfGames);
    return sign + std::to_string(magnitude / 2) + (magnitude % 2 == 0 ? ".0" : ".5");
}

std::string streakText(int streak) {
    if (streak == 0) {
        return "-";
    }
    return (streak > 0 ? "W" : "L") + std::to_string(std::abs(streak));
}

}  // namespace

void Standings::addGame(const std::string& visitors, int visitorRuns, const std::string& home,
                        int homeRuns) {
    records_.try_emplace(visitors);
    records_.try_emplace(home);
    if (visitorRuns == homeRuns) {
        return;
    }
    decide(visitors, visitorRuns > homeRuns);
    decide(home, homeRuns > visitorRuns);
}

void Standings::decide(const std::string& team, bool won) {
    Record& record = records_[team];
    if (won) {
        ++record.won;
        record.streak = record.streak > 0 ? record.streak + 1 : 1;
    } else {
        ++record.lost;
        record.streak = record.streak < 0 ? record.streak - 1 : -1;
    }
}

std::vector<StandingsRow> Standings::table() const {
    struct Entry {
        const std::string* team;
        const Record* record;
    };
    std::vector<Entry> entries;
    for (const auto& [team, record] : records_) {
        entries.push_back({&team, &record});
    }
    // Percentages compared exactly, as fractions: a/(a+b) > c/(c+d) when a(c+d) > c(a+b); a team
    // without a decision counts as .000.
    const auto decisions = [](const Record& r) { return r.won + r.lost; };
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& one, const Entry& other) {
        const long long oneShare =
            static_cast<long long>(one.record->won) * std::max(1, decisions(*other.record));
        const long long otherShare =
            static_cast<long long>(other.record->won) * std::max(1, decisions(*one.record));
        if (oneShare != otherShare) {
            return oneShare > otherShare;
        }
        if (one.record->won != other.record->won) {
            return one.record->won > other.record->won;
        }
        return *one.team < *other.team;
    });

    std::vector<StandingsRow> rows;
    for (const Entry& entry : entries) {
        const Record& leader = *entries.front().record;
        const Record& record = *entry.record;
        const int halfGames = (leader.won - record.won) + (record.lost - leader.lost);
        rows.push_back({*entry.team, record.won, record.lost,
                        percentageText(record.won, record.lost), gamesBehindText(halfGames),
                        streakText(record.streak)});
    }
    return rows;
}

}  // namespace quillbat
