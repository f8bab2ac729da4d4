#pragma once

#include <span>
#include <string_view>
#include <vector>

// What a template may say beyond its tokens. A category is chosen by what its rule knows (the
// margin, a pitcher's record after the game, the temperature, a batter's counts, how the game
// was decided); a phrase such as "held off", "remains" or "sunny" claims more, and only the
// categories that know it may use it.
namespace quillbat {

// Categories of one phrase file.
struct ClaimScope {
    std::string_view fileName;
    std::vector<std::string_view> categories;
};

// Phrases that make one claim, and where it may be made.
struct PhraseClaim {
    // Lower-case words. A phrase matches where it begins and ends at a word's border (letters
    // and digits make words; a token's name between its "#" counts as a word); "*" at its end
    // takes any ending ("rall*": rally, rallied).
    std::vector<std::string_view> phrases;
    // Files whose every category knows the claim.
    std::vector<std::string_view> wholeFiles;
    // Further categories that know it. A claim with neither is made by no template.
    std::vector<ClaimScope> scopes;
};

// The claims, in the order they are looked for: text that an earlier claim's phrase matched is
// not read again, so "never trailed" (the wire-to-wire story) is taken before "trail*" (the
// comeback).
std::span<const PhraseClaim> phraseClaims();

// The phrases of the table that `phraseTemplate` holds (compared without regard to case) and
// that a template of `category` in `fileName` may not use: each once, in table order.
std::vector<std::string_view> claimsBeyondCategory(std::string_view fileName,
                                                   std::string_view category,
                                                   std::string_view phraseTemplate);

}  // namespace quillbat
