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
};

// One phrase file the article draws from: the categories its writer can ask for and the
// tokens it fills, both compared exactly.
struct PhraseFileEntry {
    std::string_view fileName;
    TemplatePlace place;
    std::vector<std::string_view> categories;
    std::vector<std::string_view> tokens;
};

// The nine phrase files, in the order their paragraphs are written.
std::span<const PhraseFileEntry> phraseCatalog();

}  // namespace quillbat
