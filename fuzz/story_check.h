#pragma once

#include <string_view>

namespace quillbat::fuzzing {

// Feeds arbitrary bytes to the boxscore reader as a whole file named "gm051.box", with and
// without the story, from memory and as a stream. Refusal by InputError is a correct answer.
// Throws FuzzCheckFailure when reading the story changes whether or why the boxscore is
// refused or any other value of its record, when the two readings tell different stories, or
// when a story breaks what every story holds: the plays of its play-by-play part end on the
// line score's runs, its decisive play scores at least one run for the winner and leaves it
// ahead, the outs are 0 to 2, the deficit and the lead changes are not negative, a walk-off
// comes with the home team batting, and the biggest inning is one of the game's.
// Crashes and out-of-bounds reads are left to the sanitizers.
void checkStoryInput(std::string_view input);

}  // namespace quillbat::fuzzing
