#pragma once

#include "article/article_sink.h"
#include "article/phrase_source.h"
#include "article/random_source.h"

namespace quillbat {

// What every paragraph writer works with: the phrase files, the random source of this article
// and the article being written. The writers only append to the article.
struct ArticleContext {
    PhraseSource& phrases;
    RandomSource& random;
    ArticleSink& article;
};

}  // namespace quillbat
