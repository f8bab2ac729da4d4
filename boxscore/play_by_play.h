#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <utility>

#include "boxscore/game_record.h"
#include "boxscore/game_story.h"
#include "boxscore/text_lines.h"

// Reading the play-by-play part of a boxscore file: the part after the boxscore's form feed
// whose line begins "Score O Rnr BS  Event", one play at a time.
namespace quillbat {

// Bounds of the reading. A file beyond them tells no story; nothing past them is read.
inline constexpr int kMaxPlayByPlayLines = 20000;        // lines of the play-by-play part
inline constexpr int kMaxLinesBeforePlayByPlay = 20000;  // lines of the parts before it
inline constexpr std::size_t kMaxPlayLineLength = 1000;  // bytes of any line read

// One play line with its continuation lines.
struct Play {
    Half half = Half::kTop;  // of the half-inning header above it
    int inning = 0;
    PerTeam<int> scoreBefore;
    int outs = 0;                   // before the play, 0 to 2
    std::array<bool, 3> runners{};  // first, second and third base taken before the play
    int balls = 0;                  // the count before the play's last pitch
    int strikes = 0;
    std::string text;     // the event text, continuation lines joined with one blank, no pitches
    std::string pitches;  // inside the final parentheses ("BBX"); empty when there are none

    auto battingTeam() const { return half == Half::kTop ? kVisitors : kHome; }

    // Trades every value, the texts' storage included.
    friend void swap(Play& a, Play& b) noexcept {
        std::swap(a.half, b.half);
        std::swap(a.inning, b.inning);
        std::swap(a.scoreBefore, b.scoreBefore);
        std::swap(a.outs, b.outs);
        std::swap(a.runners, b.runners);
        std::swap(a.balls, b.balls);
        std::swap(a.strikes, b.strikes);
        a.text.swap(b.text);
        a.pitches.swap(b.pitches);
    }
};

// The runs a play scores for the team batting: each " scored" of its text, one for "homered"
// (the batter) and one for each "stole home".
int runsScoredOn(const Play& play);

// Where the reader takes its lines from.
class PlayLines {
  public:
    enum class Result { kLine, kEnd, kTooLong };
    virtual ~PlayLines() = default;

    // kLine: line holds the next line without its line end, valid until the next call. kEnd:
    // there is no further line. kTooLong: the next line has more than kMaxPlayLineLength bytes
    // (line is unspecified).
    virtual Result next(std::string_view& line) = 0;
};

// The lines of a text in memory that `lines` has not yet given.
class TextPlayLines final : public PlayLines {
  public:
    explicit TextPlayLines(TextLines& lines) : lines_(lines) {}
    Result next(std::string_view& line) override;

  private:
    TextLines& lines_;
};

// The lines of a stream from where it stands; never more than kMaxPlayLineLength + 1 bytes of
// a line are read.
class StreamPlayLines final : public PlayLines {
  public:
    explicit StreamPlayLines(std::istream& in) : lines_(in, kMaxPlayLineLength) {}
    Result next(std::string_view& line) override;

  private:
    StreamLines lines_;
    std::string line_;
};

// Why the reading ended.
enum class PlayByPlayEnd {
    kReading,        // not ended yet
    kPartEnd,        // the play-by-play part ended with the next form feed or the file
    kNoPlayByPlay,   // no play-by-play part within the bounds
    kTooManyLines,   // a part longer than kMaxPlayByPlayLines lines
    kLineTooLong,    // a line longer than kMaxPlayLineLength bytes
    kMalformedLine,  // a line of the part that is no play, header, continuation or change
};

// Pulls the plays of the play-by-play part out of `lines`, which begin with the line after the
// boxscore's form-feed line; that line, the first of the scoresheet part, counts as read. Keeps
// only the play being read: memory stays flat whatever the file's size.
//
// Within the part, a line of fourteen '*' and two blanks is a half-inning header ("Top of the
// 6th inning"), a line of exactly 18 blanks and text continues the play above it, a line of 16
// blanks and text (a change of players) is skipped, blank lines are skipped, and every other
// line after the first header must be a play line: the score before it (at most 3 digits a
// team), the outs, the runners, the count and the event text. Blanks at the end of a line are
// ignored. Reading stops at the first line that breaks this, or a bound.
class PlayByPlayReader {
  public:
    // partStart: the text after the form feed on the boxscore's form-feed line.
    PlayByPlayReader(PlayLines& lines, std::string_view partStart);

    // Sets play to the next play and returns true. Returns false once the reading has ended
    // (end() says why), leaving play unspecified. play's earlier value is reused as storage.
    bool next(Play& play);

    PlayByPlayEnd end() const { return end_; }

  private:
    // Takes one line; true when it completed a play, which is then in play.
    bool take(std::string_view line, Play& play);
    void search(std::string_view line);
    void handOut(Play& play);
    void stop(PlayByPlayEnd why) { end_ = why; }

    PlayLines& lines_;
    PlayByPlayEnd end_ = PlayByPlayEnd::kReading;
    bool inPart_ = false;        // the "Score O Rnr BS  Event" line has been read
    bool inHalfInning_ = false;  // a half-inning header has been read
    bool pending_ = false;       // play_ holds a play whose continuation lines may follow
    int linesBefore_ = 0;        // lines of the parts before the current one
    int linesInPart_ = 1;
    Half half_ = Half::kTop;
    int inning_ = 0;
    Play play_;
};

}  // namespace quillbat
