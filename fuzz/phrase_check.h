#pragma once

#include <string_view>

namespace quillbat::fuzzing {

// Feeds arbitrary bytes to the phrase-file reader as "score.dat" and, when they are accepted,
// draws every category of the file with appendPhrase: once with the smallest draw and once
// with the largest, filling the tokens of score.dat. A refusal by InputError is a correct
// answer. Throws FuzzCheckFailure when a drawn phrase is not the first (smallest draw) or last
// (largest draw) template of its category filled, when a category of more than 126 templates
// is not refused, or when one of at most 126 is.
void checkPhraseInput(std::string_view input);

}  // namespace quillbat::fuzzing
