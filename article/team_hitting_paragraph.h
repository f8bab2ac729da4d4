#pragma once

#include "article/article_context.h"
#include "boxscore/game_record.h"

namespace quillbat {

// Appends up to three fixed sentences: the winning team's big hitting day (more than 12 hits in
// at most 10 innings; one of 13 variants), the first that holds of double plays, errors and
// runners stranded, and the losing team's hitting (a slugfest sentence when both teams had a big
// day, one of 5 variants when only the loser had). A variant is drawn only when its sentence is
// written. Uses no phrase file.
void writeTeamHittingParagraph(const GameRecord& record, ArticleContext& context);

}  // namespace quillbat
