#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "boxscore/game_record.h"

// The stars of a day of the league paper: the best batting line of the day's games and the best
// pitching line among their winning pitchers.
namespace quillbat {

// A star with his team, the line the paper prints for him ("3-for-4, 2 HR, 5 RBI") and the
// game he starred in.
struct DayStar {
    std::string name;  // as the record holds it (the names style in force)
    std::string team;  // as the line score prints it
    std::string line;
    std::size_t game = 0;  // the game's place among the day's games, from 0
    bool operator==(const DayStar&) const = default;
};

class DayStars {
  public:
    // Takes in the batters and the winning pitcher of the day's next game, games in the paper's
    // order. Among equals the one taken in first stays the star.
    void addGame(const GameRecord& record);

    // The named batter with the highest rating, the rating the article's stars are chosen by,
    // when it is above 0 (as for the article's stars); nothing otherwise.
    const std::optional<DayStar>& batter() const { return batter_; }
    // The winning pitcher with the highest game score; nothing when no game of the day had one
    // (a tie has none).
    const std::optional<DayStar>& pitcher() const { return pitcher_; }

  private:
    std::size_t games_ = 0;
    std::optional<DayStar> batter_;
    float batterRating_ = 0;
    std::optional<DayStar> pitcher_;
    int pitcherScore_ = 0;
};

// A batter's line of one game as a box-score summary writes it: hits for at-bats, then the
// doubles, triples, home runs, runs batted in, runs and walks he had, a count before each one
// that is more than one ("3-for-4, 2B, 2 HR, 5 RBI, 3 R, BB").
std::string battingLineText(const Batter& batter);

}  // namespace quillbat
