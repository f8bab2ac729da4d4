#pragma once

#include <string_view>

#include "article/phrase_source.h"

namespace quillbat::fuzzing {

// Feeds arbitrary bytes to the boxscore reader as a file named "gm051.box", both from memory
// and as a stream, and writes the JSON and the article of every accepted record, the article
// with `phrases`. Refusal by InputError is a correct answer. Throws FuzzCheckFailure when the
// two readings disagree (one refuses and the other does not, different reasons, different
// records, or different articles from the same seed) or when writing the article of an
// accepted record throws.
// Crashes and out-of-bounds reads are left to the sanitizers.
void checkBoxscoreInput(std::string_view input, PhraseSource& phrases);

}  // namespace quillbat::fuzzing
