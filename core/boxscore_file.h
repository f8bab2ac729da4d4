#pragma once

#include <string>

#include "system/env.h"

#include "boxscore/boxscore_reader.h"

namespace quillbat {

// Reads the boxscore file at utf8Path (a UTF-8 file name, as the command line and the file
// dialog give it) through env into a complete game record (see readBoxscore). Without the story
// it reads no further into the file than the game's form feed, or line 201 of a file without
// one; with it, on to the end of the play-by-play within its bounds. Throws InputError naming
// utf8Path as given when the file cannot be opened or read (missing, a folder) or is refused.
BoxscoreReading readBoxscoreFile(Env& env, const std::string& utf8Path,
                                 StoryReading story = StoryReading::kSkip);

}  // namespace quillbat
