#include "article/write_article.h"

#include "article/batter_paragraphs.h"
#include "article/losing_pitcher_paragraph.h"
#include "article/opening_paragraph.h"
#include "article/story_sentence.h"
#include "article/team_hitting_paragraph.h"
#include "article/winning_pitcher_paragraph.h"

namespace quillbat {

void writeArticle(const GameRecord& record, ArticleContext& context, RandomSource& storyRandom) {
    writeOpeningParagraph(record, context);
    if (record.story) {
        ArticleContext story{context.phrases, storyRandom, context.article};
        writeStorySentence(record, *record.story, story);
    }
    writeTeamHittingParagraph(record, context);
    writeWinningPitcherParagraph(record, context);
    writeLosingPitcherParagraphs(record, context);
    writeBatterParagraphs(record, context);
}

}  // namespace quillbat
