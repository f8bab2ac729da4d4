#include "article/write_article.h"

#include "article/batter_paragraphs.h"
#include "article/losing_pitcher_paragraph.h"
#include "article/opening_paragraph.h"
#include "article/team_hitting_paragraph.h"
#include "article/winning_pitcher_paragraph.h"

namespace quillbat {

void writeArticle(const GameRecord& record, ArticleContext& context) {
    writeOpeningParagraph(record, context);
    writeTeamHittingParagraph(record, context);
    writeWinningPitcherParagraph(record, context);
    writeLosingPitcherParagraphs(record, context);
    writeBatterParagraphs(record, context);
}

}  // namespace quillbat
