#pragma once

#include "article/article_context.h"
#include "boxscore/game_record.h"

namespace quillbat {

// Writes the whole article of a game read whole (batter statistics and stars complete): the
// opening, team hitting, winning pitcher, losing and saving pitcher and batter paragraphs, in this
// order, each appended directly after the one before. Throws InputError from the phrase files; the
// article keeps what was appended before.
void writeArticle(const GameRecord& record, ArticleContext& context);

}  // namespace quillbat
