#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "boxscore/game_story.h"

namespace quillbat {

// The two teams of a game: the visitors (upper line-score row, left half of a side-by-side
// batting section) and the home team. Where a team is written as a number, the visitors are
// team 1 and the home team is team 2 (teamNumber).
enum class Team { kVisitors, kHome };
using enum Team;

inline constexpr Team kTeams[] = {kVisitors, kHome};

constexpr Team otherTeam(Team team) {
    return team == kVisitors ? kHome : kVisitors;
}

// 1 for the visitors, 2 for the home team.
constexpr int teamNumber(Team team) {
    return team == kVisitors ? 1 : 2;
}

// Bounds of a boxscore. Input beyond them is refused by the reader (more lines, more
// batters) or dropped (innings after the 40th).
inline constexpr int kMaxStoredLines = 200;
inline constexpr int kMaxBatters = 50;
inline constexpr int kMaxInnings = 40;

// One value per team.
template <typename T>
class PerTeam {
  public:
    T& operator[](Team team) { return values_[team == kVisitors ? 0 : 1]; }
    const T& operator[](Team team) const { return values_[team == kVisitors ? 0 : 1]; }
    bool operator==(const PerTeam&) const = default;

  private:
    std::array<T, 2> values_{};
};

// One batter of a team's batting section.
struct Batter {
    std::string batterName;  // as printed, trimmed; empty for a row with numbers and no name
    std::int16_t atBats = 0;
    std::int16_t runsScored = 0;
    std::int16_t batterHits = 0;
    std::int16_t runsBattedIn = 0;
    float average = 0;  // season average as printed: .312 reads 0.312
    std::int16_t doubles = 0;
    std::int16_t triples = 0;
    std::int16_t homeRuns = 0;
    std::int16_t walks = 0;
    std::int16_t seasonDoubles = 0;
    std::int16_t seasonTriples = 0;
    std::int16_t seasonHomeRuns = 0;
    std::int16_t seasonRunsBattedIn = 0;
    float rating = 0;
};

// Everything a load knows about one game, as read from its boxscore. A value-initialised
// record holds the values of a boxscore that says nothing: empty texts, zero numbers, false
// flags, no batters and no stars.
struct GameRecord {
    // Game identity.
    std::string gameLabel;  // "Game One.  ", "Game Two.  " or empty
    std::string gameDate;   // "April 10, 1999", or the raw date text
    std::string ballparkName;
    std::string ballpark;  // ballparkName, with "the " before the four domes that take it

    // Line score.
    PerTeam<std::string> teamName;
    std::int16_t innings = 0;
    // Runs of innings 1, 2, ... as the team rows under a one-block line score give them (at
    // most 40); empty when the rows came before the innings were known.
    PerTeam<std::vector<std::int16_t>> inningRuns;
    // Every inning's cell of each team row as the line score prints it ("0", "12", "x"), for
    // innings 1 up to innings (past the 40th too), from every block of a wrapped line score of
    // 13 innings or more; a cell the line score does not print is empty.
    PerTeam<std::vector<std::string>> inningCells;
    PerTeam<std::int16_t> runs;
    PerTeam<std::int16_t> hits;
    PerTeam<std::int16_t> errors;
    PerTeam<std::int16_t> leftOnBase;
    PerTeam<std::int16_t> doublePlays;

    // Conditions.
    std::string rainDelays;
    std::int16_t windSpeed = 0;
    bool strongWind = false;
    std::string windText;  // only set by a strong wind
    bool threatening = false;
    bool wetField = false;
    // Degrees after "Temperature:". None when a "GWRBI:" line came and no temperature after
    // it; a boxscore with neither reads 0 degrees.
    std::optional<double> temperature = 0.0;

    // Pitchers with a decision. Innings pitched stay the text the game printed ("6.2"): the
    // article quotes it, and reads the digit after the point as thirds.
    std::string winPitcher;
    std::int16_t winWins = 0;
    std::int16_t winLosses = 0;
    std::string winInnings;
    std::int16_t winHits = 0;
    std::int16_t winRuns = 0;
    std::int16_t winEarnedRuns = 0;
    std::int16_t winWalks = 0;
    std::int16_t winStrikeouts = 0;
    std::int16_t winPitches = 0;
    double winEra = 0;
    std::string losePitcher;
    std::int16_t loseWins = 0;
    std::int16_t loseLosses = 0;
    std::string loseInnings;
    std::string savePitcher;
    std::int16_t saves = 0;

    // Each team's batters in batting order (at most 50), and the positions in that list of
    // its two best batters (see chooseStars).
    PerTeam<std::vector<Batter>> batters;
    PerTeam<std::optional<std::size_t>> firstStar;
    PerTeam<std::optional<std::size_t>> secondStar;

    // How the game was won, when the play-by-play was read and tells it.
    std::optional<GameStory> story;

    // The team that scored more runs; a tie counts as a home win.
    Team winTeam() const { return runs[kVisitors] > runs[kHome] ? kVisitors : kHome; }
    Team loseTeam() const { return otherTeam(winTeam()); }
};

}  // namespace quillbat
