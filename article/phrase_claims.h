#pragma once

#include <string_view>
#include <vector>

// What a template may say beyond its tokens. A category is chosen by what its rule knows (the
// margin, a pitcher's record after the game, the temperature, a batter's counts, how the game
// was decided); a phrase such as "held off", "remains" or "sunny" claims more, and only the
// categories that know it may use it. The table of claims, in article/phrase_claims.cpp, lists
// for each claim its phrases and the files and categories allowed to make it.
namespace quillbat {

// The claim phrases that `phraseTemplate` holds and that a template of `category` in `fileName`
// may not use, each once, in the table's order. Phrases are lower-case words compared without
// regard to case; one matches where it begins and ends at a word's border (letters and digits
// make words, and a token's name between its "#" counts as a word), and a "*" at its end takes
// any ending ("rall*": rally, rallied). Text that an earlier phrase of the table matched is not
// read again, so "never trailed" (a wire-to-wire story) is taken before "trail*" (a comeback).
std::vector<std::string_view> claimsBeyondCategory(std::string_view fileName,
                                                   std::string_view category,
                                                   std::string_view phraseTemplate);

}  // namespace quillbat
