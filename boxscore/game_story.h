#pragma once

#include <optional>
#include <string>
#include <string_view>

// How a game was won, as its play-by-play tells it.
namespace quillbat {

struct GameRecord;
class PlayByPlayReader;

enum class Half { kTop, kBottom };

// The kind of the play that decided the game, by the words of its event text.
enum class PlayEvent {
    kHomer,
    kTriple,
    kDouble,
    kSingle,
    kSacrificeFly,
    kWalk,
    kHitByPitch,
    kWildPitch,
    kPassedBall,
    kBalk,
    kSteal,
    kError,
    kOut,
};

// What kind of win the game was, the first that holds in this order.
enum class StoryCategory {
    kWalkoffHomer,
    kWalkoff,
    kComeback,
    kExtra,
    kLate,
    kRout,
    kWire,
    kEarly,
};

// Runs of the winner and of the loser.
struct StoryScore {
    int winner = 0;
    int loser = 0;
    bool operator==(const StoryScore&) const = default;
};

// The facts of a game's story. The decisive play is the last play before which the winner was
// not ahead and after which it was; the winner never gave up the lead from then on.
struct GameStory {
    StoryCategory category = StoryCategory::kEarly;
    int inning = 0;  // of the decisive play's half-inning header
    Half half = Half::kTop;
    int outs = 0;         // before the decisive play
    std::string subject;  // the names that open its event text ("De Aza"); may be empty
    std::string batter;   // the subject when the play has a batter, otherwise empty
    PlayEvent event = PlayEvent::kOut;
    int runs = 0;          // the winner's runs scored on it
    StoryScore score;      // just after it
    bool walkoff = false;  // the game's last play, with the home team batting
    int deficit = 0;       // the most runs the winner trailed by, up to and including it
    int leadChanges = 0;   // how often the team ahead changed (ties put no one ahead)
    int bigInning = 0;     // the winner's inning with the most runs in the line score
    int bigInningRuns = 0;
    std::string text;  // its event text without the pitches, continuation lines joined

    bool operator==(const GameStory&) const = default;
};

// "walkoff_homer", "walkoff", "comeback", "extra", "late", "rout", "wire", "early".
std::string_view storyCategoryName(StoryCategory category);

// "homer", "triple", "double", "single", "sacrificeFly", "walk", "hitByPitch", "wildPitch",
// "passedBall", "balk", "steal", "error", "out".
std::string_view playEventName(PlayEvent event);

// The story of the game `record` holds (read from its line score first), from the plays the
// reader gives, read in one pass. Nothing when the game has no story: the runs of the line
// score are equal, the reader gives no play or stops short of the end of the play-by-play part,
// the first play's score is not 0-0, a team's runs go down from one play to the next, the last
// play's score and the runs it scores do not give the line score's runs, or the line score has
// no inning cells. Reads nothing when the runs are equal, and stops reading at the first fault.
std::optional<GameStory> readGameStory(PlayByPlayReader& plays, const GameRecord& record);

}  // namespace quillbat
