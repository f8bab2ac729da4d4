#pragma once

#include "article/article_context.h"
#include "boxscore/game_record.h"

namespace quillbat {

// Writes the whole article of a game read whole (batter statistics and stars complete): the
// opening, team hitting, winning pitcher, losing and saving pitcher and batter paragraphs, in this
// order, each appended directly after the one before. When the record holds the game's story,
// its sentence follows the opening's score sentence, drawn from storyRandom alone: every other
// draw is from context.random, so the article is the one without the story plus that sentence.
// Throws InputError from the phrase files; the article keeps what was appended before.
void writeArticle(const GameRecord& record, ArticleContext& context, RandomSource& storyRandom);

}  // namespace quillbat
