#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "boxscore/boxscore_sections.h"
#include "boxscore/game_record.h"

namespace quillbat {

// The longest line a boxscore may hold; a longer one means the file is not a boxscore, and
// reading stops there instead of taking the whole file into memory.
inline constexpr std::size_t kMaxLineLength = 1000000;

// Whether readBoxscore goes on past the boxscore to read the game's story.
enum class StoryReading {
    kSkip,  // nothing after the boxscore's form-feed line is read
    kRead,  // the play-by-play after it gives record.story (see readGameStory)
};

// A boxscore as read: the game, and the stored lines with the sections the reader found.
struct BoxscoreReading {
    GameRecord record;
    BoxscoreSections sections;
};

// Reads a whole boxscore: the game label from fileName, the reading loop up to and including
// the first line that holds a form feed, the line score's inning cells, the batting stage, the
// batter statistics and the stars. fileName names the file as the user chose it; it gives the game
// label and names the file in refusals.
//
// Throws InputError (and returns nothing) when the boxscore needs more than 200 lines before
// its form feed or end, holds a line longer than kMaxLineLength, is empty (no line holds more
// than blanks), has no line score, has a line-score header whose innings are not a number, or
// gives a team more than 50 batters.
//
// The stream version reads no further than the first line past the 200th and never more than
// kMaxLineLength + 1 bytes of one line; bytes after the game's end are not read.
//
// With StoryReading::kRead, the lines after the form-feed line are then read as the
// PlayByPlayReader does, within its bounds, and record.story is the game's story or nothing;
// the play-by-play never makes a boxscore refused, and every other value of the reading is
// the same as with kSkip. A boxscore without a form feed has no story.
BoxscoreReading readBoxscore(std::istream& in, const std::string& fileName,
                             StoryReading story = StoryReading::kSkip);
BoxscoreReading readBoxscore(std::string_view text, const std::string& fileName,
                             StoryReading story = StoryReading::kSkip);

}  // namespace quillbat
