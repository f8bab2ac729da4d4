#pragma once

#include <string>
#include <string_view>

#include "boxscore/game_record.h"
#include "core/line_score.h"
#include "core/load_game.h"

// The renderings of a game story for the places it is posted: plain text, forum BBCode,
// Markdown (Discord, Reddit, GitHub) and an HTML fragment for a web page.
namespace quillbat {

enum class ArticleFormat { kText, kBbcode, kMarkdown, kHtml };

// What a saved rendering's file name ends in, in place of the boxscore's last three characters:
// "txt", "bbcode.txt", "md" or "html".
std::string_view fileEnding(ArticleFormat format);

// The parts every rendering is made of.
struct ArticleParts {
    std::string headline;
    LineScore lineScore;
    std::string article;
};

// The headline, line score and article of a loaded game.
ArticleParts articleParts(const LoadedGame& game);

// One rendering of the parts.
// - kText: the article alone, unchanged.
// - The others: the headline, the line score and the article's paragraphs (the article split at
//   its line breaks, each line without the blanks at its ends, empty ones left out), every line
//   ending in "\n". BBCode: the headline in [b], the line score table (lineScoreText) in [code],
//   paragraphs apart by an empty line. Markdown: the headline in **, an empty line, the table in
//   a fenced code block, then the paragraphs, each after an empty line. HTML: one <article>
//   fragment holding an <h2> headline, a <table> line score with a <thead> and the innings in
//   <colgroup>s of three, and a <p> per paragraph; classes for styling, no script, no style.
// Every value is text in its format: in HTML & < > " become references; in BBCode a "[" cannot
// open a tag (an empty [b][/b] follows it); in Markdown a backslash goes before each of
// \ ` * _ | [ ] < > & # ~, and the code fence is longer than any run of backticks in the table.
std::string renderArticle(ArticleFormat format, const ArticleParts& parts);

// A value from a boxscore or phrase file as text in format, escaped as renderArticle escapes
// it; kText: unchanged.
std::string escapeText(ArticleFormat format, std::string_view text);

// A fixed-width table (every line ending in "\n") as renderArticle sets the line score apart
// so that its columns stay: in BBCode inside [code] and escaped, in Markdown inside a code
// fence longer than any run of backticks in it; kText and kHtml: unchanged.
std::string codeBlock(ArticleFormat format, std::string_view table);

}  // namespace quillbat
