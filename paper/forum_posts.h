#pragma once

#include <string>

#include "core/article_format.h"
#include "paper/paper_pages.h"

// A day of the league paper as one forum post, ready to paste.
namespace quillbat {

// The day's post in format (kBbcode or kMarkdown): the paper's name and the day's title, the
// games' headlines as a list, the stars of the day, every game as its rendering (two apart by
// an empty line), the standings as a fixed-width table with a note that only the paper's games
// count, and the titles of the days before and after. Every value from a boxscore or a phrase
// file is escaped as the game's rendering escapes it.
std::string forumPost(ArticleFormat format, const DayPage& page);

// The standings as a fixed-width table, one line per row after a header line, each ending in
// "\n": the team names padded to one width, then won, lost, percentage, games behind and streak
// right-aligned in their columns. Columns count bytes; the values are unescaped.
std::string standingsText(const std::vector<StandingsRow>& rows);

}  // namespace quillbat
