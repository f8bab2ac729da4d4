#pragma once

#include <string>

#include "boxscore/boxscore_reader.h"

namespace quillbat {

// A boxscore as read, as one line of JSON (no line end), keys in the order of the record's
// fields: game identity, line score (inningRuns per team for innings 1 up to innings, at most
// 40; innings the rows did not give read 0), conditions (temperature -99 when none was given),
// pitchers, then the reader's section markers, the stars as slot numbers 1..50 (50 for none),
// per team its batters, and last inningCells: per team the cell of every inning as the line
// score prints it, all the innings of a wrapped line score included. Per-team values are arrays
// [visitors, home]. Floats (average, rating) and doubles are written as the shortest decimal
// that reads back to the same value. When the play-by-play was read (StoryReading::kRead), one
// key follows: story, null for a game without one, else its facts: category, inning, half ("top"
// or "bottom"), outs, subject, batter, event, runs, score ([winner's, loser's]), walkoff,
// deficit, leadChanges, bigInning, bigInningRuns and text (the play's, without its pitches).
// Text is shown as UTF-8: bytes that are not valid UTF-8 are taken as Windows-1252.
std::string recordToJson(const BoxscoreReading& reading, StoryReading story = StoryReading::kSkip);

}  // namespace quillbat
