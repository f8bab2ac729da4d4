#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace quillbat {

// Where a template stands in the article, which decides how it must begin and end.
enum class TemplatePlace {
    // Starts the article and is followed by the weather text (".  ..." or " at ..."), so it
    // begins with a capital letter and ends without a point or blank.
    kArticleStart,
    // Continues a sentence that has just said "the " or "The " and ends it: it begins with a
    // token or a lower-case word and ends with a point (or "!") and two blanks.
    kAfterThe,
    // Whole sentences, each beginning with a capital letter or a token and ending with a point
    // (or "!") and two blanks.
    kSentences,
    // A headline: one line in the present tense, beginning with a capital letter or a token,
    // without an article at its start and without a sentence end anywhere, the last character
    // included.
    kHeadline,
};

// Categories of one phrase file whose templates stand in the same place and must hold the
// same tokens.
struct CategoryGroup {
    TemplatePlace place;
    std::vector<std::string_view> categories;
    // Each inner list is met by a template that holds any one of its tokens ("decider" or
    // "Decider"); a template must meet every list.
    std::vector<std::vector<std::string_view>> requiredTokens;
};

// One phrase file the article draws from: the categories its writers can ask for and the
// tokens it fills, both compared exactly.
struct PhraseFileEntry {
    std::string_view fileName;
    std::vector<CategoryGroup> groups;
    std::vector<std::string_view> tokens;
    // Tokens whose values begin with a small letter ("two", "a wild pitch"), so no sentence
    // begins with them.
    std::vector<std::string_view> lowerCaseTokens;
    // Tokens whose values are capitalized to begin a sentence ("A wild pitch"), so they stand
    // nowhere else.
    std::vector<std::string_view> sentenceOpeningTokens;
};

// The ten phrase files: the nine of the paragraphs in the order they are written, then the
// game's story.
std::span<const PhraseFileEntry> phraseCatalog();

// Every category of the file, group after group.
std::vector<std::string_view> categoriesOf(const PhraseFileEntry& entry);

}  // namespace quillbat
