#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "article/article_context.h"

namespace quillbat {

// A token of a template and the text that takes its place.
struct PhraseToken {
    std::string name;
    std::string value;
};
using PhraseTokens = std::vector<PhraseToken>;

// A phrase file holds at most this many templates of one category.
inline constexpr int kMaxTemplatesPerCategory = 126;

// Draws one template of `category` from the phrase file `fileName` and appends it filled.
// Categories are compared exactly. Exactly one number is drawn from context.random, also when
// the category has no template, in which case nothing is appended. The template is split at
// every "#"; a piece equal to a token name (tested in the order of `tokens`, case-sensitive)
// becomes that token's value, every other piece is appended as written.
// Throws InputError when the file cannot be loaded, or when it holds more than 126 templates of
// `category` (naming the line of the 127th); nothing is appended or drawn then.
void appendPhrase(ArticleContext& context, std::string_view fileName, std::string_view category,
                  const PhraseTokens& tokens);

}  // namespace quillbat
