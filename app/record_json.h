#pragma once

#include <string>

#include "boxscore/game_record.h"

namespace quillbat {

// The game record as one line of JSON (no line end), keys in the order of the record's fields:
// game identity, line score (inningRuns per team for innings 1 up to innings, at most 40),
// conditions, pitchers, section markers, stars, and per team the filled batter slots
// 1..batterCount-1. Per-team values are arrays [visitors, home]. Floats (average, rating) and
// doubles are written as the shortest decimal that reads back to the same value. Text is
// shown as UTF-8: bytes that are not valid UTF-8 are taken as Windows-1252.
std::string recordToJson(const GameRecord& record);

}  // namespace quillbat
