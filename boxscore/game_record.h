#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillbat {

// Team index of every per-team value: the visitors are team 1 (upper line-score row, left
// half of a side-by-side batting section), the home team is team 2.
inline constexpr int kVisitors = 1;
inline constexpr int kHome = 2;

// Bounds of the record. Input beyond them is refused by the reader (more lines, more
// batters) or dropped (innings after the 40th).
inline constexpr int kMaxStoredLines = 200;
inline constexpr int kMaxBatters = 50;
inline constexpr int kMaxInnings = 40;

// One value per team, addressed by team index 1 (visitors) or 2 (home).
template <typename T>
class PerTeam {
  public:
    T& operator[](int team) {
        assert(team == kVisitors || team == kHome);
        return values_[static_cast<std::size_t>(team - 1)];
    }
    const T& operator[](int team) const {
        assert(team == kVisitors || team == kHome);
        return values_[static_cast<std::size_t>(team - 1)];
    }
    bool operator==(const PerTeam&) const = default;

  private:
    std::array<T, 2> values_{};
};

// One slot of the batter table. An empty slot has an empty name, all counts 0 and rating 0.
struct Batter {
    std::string batterName;
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

// Everything one load knows about one game. A value-initialised record holds the start values:
// empty strings, zero numbers, false flags, except where a member says otherwise.
struct GameRecord {
    // Stored lines 1..200; lines[0] is unused. Every line after the first is stored with each
    // ". " replaced by ", ".
    std::vector<std::string> lines = std::vector<std::string>(1);

    // Game identity.
    std::string gameLabel;  // "Game One.  ", "Game Two.  " or empty
    std::string gameDate;   // "April 10, 1999", or the raw date text
    std::string ballparkName;
    std::string ballpark;  // ballparkName, with "the " before the four domes that take it

    // Line score.
    PerTeam<std::string> teamName;
    std::int16_t innings = 0;
    PerTeam<std::array<std::int16_t, kMaxInnings + 1>> inningRuns;  // index 0 unused
    PerTeam<std::int16_t> runs;
    PerTeam<std::int16_t> hits;
    PerTeam<std::int16_t> errors;
    PerTeam<std::int16_t> leftOnBase;
    PerTeam<std::int16_t> doublePlays;
    std::int16_t winTeam = 0;  // derived once the reading is done: see deriveWinner
    std::int16_t loseTeam = 0;

    // Conditions.
    std::string rainDelays;
    std::int16_t windSpeed = 0;
    bool strongWind = false;
    std::string windText;
    bool threatening = false;
    bool wetField = false;
    double temperature = 0;  // -99: a "GWRBI:" line was seen and no temperature after it

    // Pitchers with a decision.
    std::string winPitcher;
    std::int16_t winWins = 0;
    std::int16_t winLosses = 0;
    std::string winInnings;
    std::int16_t winHits = 0;
    std::int16_t winRuns = 0;
    std::int16_t winEarnedRuns = 0;
    std::int16_t winStrikeouts = 0;
    std::int16_t winPitches = 0;
    double winEra = 0;
    std::string losePitcher;
    std::int16_t loseWins = 0;
    std::int16_t loseLosses = 0;
    std::string loseInnings;
    std::string savePitcher;
    std::int16_t saves = 0;

    // Batter table: slots 1..50 per team; slot 0 is unused.
    PerTeam<std::array<Batter, kMaxBatters + 1>> batters;
    PerTeam<std::int16_t> batterCount = oneEach(1);  // next free slot
    PerTeam<std::int16_t> firstStar = oneEach(kMaxBatters);
    PerTeam<std::int16_t> secondStar = oneEach(kMaxBatters);

    // Section markers: line numbers into `lines`.
    std::int16_t lineScoreHeaderLine = kMaxStoredLines;
    bool fullColumn = false;
    std::int16_t firstFullHeaderLine = 0;
    std::int16_t secondFullHeaderLine = 0;
    std::int16_t battingHeaderLine = 0;
    std::int16_t firstNotesLine = 0;
    std::int16_t weatherLine = 0;
    std::int16_t pitchingHeaderLine = kMaxStoredLines;
    std::int16_t pitchingEndLine = kMaxStoredLines;

    // The stored line n, or an empty text when the file has no line n.
    const std::string& line(int n) const {
        static const std::string none;
        return n >= 1 && n < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(n)]
                                                            : none;
    }
    int lineCount() const { return static_cast<int>(lines.size()) - 1; }

  private:
    static PerTeam<std::int16_t> oneEach(std::int16_t value) {
        PerTeam<std::int16_t> both;
        both[kVisitors] = value;
        both[kHome] = value;
        return both;
    }
};

// Sets winTeam to 1 when the visitors scored more runs, otherwise 2 (a tie counts as a home
// win), and loseTeam to the other team.
inline void deriveWinner(GameRecord& record) {
    record.winTeam = record.runs[kVisitors] > record.runs[kHome] ? kVisitors : kHome;
    record.loseTeam = static_cast<std::int16_t>(3 - record.winTeam);
}

}  // namespace quillbat
