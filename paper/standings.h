#pragma once

#include <map>
#include <string>
#include <vector>

// The standings of a league paper: every team's wins and losses over the games the paper has
// taken in so far, as a newspaper prints them.
namespace quillbat {

// One row of the standings table, every value as the paper prints it.
struct StandingsRow {
    std::string team;  // as the line score prints the name
    int won = 0;
    int lost = 0;
    std::string percentage;  // ".583", "1.000"; ".000" for a team without a decision
    // "-" for a team level with the leader, else "2.0", "2.5"; "+0.5" for a team ahead of the
    // leader in games (it played more and has the lower percentage).
    std::string gamesBehind;
    std::string streak;  // "W3", "L1"; "-" for a team without a decision
    bool operator==(const StandingsRow&) const = default;
};

class Standings {
  public:
    // Counts one final score. The team with more runs wins, the other loses; a tie counts for
    // neither team (their streaks go on), but both teams have played and have a row.
    void addGame(const std::string& visitors, int visitorRuns, const std::string& home,
                 int homeRuns);

    // One row per team that has played, ordered by percentage (highest first), then wins (most
    // first), then name. Games behind are counted from the first row: half the difference in
    // wins plus half the difference in losses.
    std::vector<StandingsRow> table() const;

  private:
    struct Record {
        int won = 0;
        int lost = 0;
        int streak = 0;  // +n: won the last n decisions; -n: lost them
    };
    void decide(const std::string& team, bool won);

    std::map<std::string, Record> records_;
};

}  // namespace quillbat
