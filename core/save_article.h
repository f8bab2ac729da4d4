#pragma once

#include <string>
#include <string_view>

#include "core/article_format.h"
#include "system/env.h"

// Save To File: the article goes into a text file beside its boxscore, under the boxscore's
// name with "txt" in place of the last three characters.
namespace quillbat {

// The article file's name: boxscorePath (UTF-8) with its last three characters replaced by
// ending ("C:\League\gm05.box" gives "C:\League\gm05.txt", with "md" "C:\League\gm05.md"). A
// name of three characters or fewer gives an empty text, since no article file can be named
// after it.
std::string articleFileName(const std::string& boxscorePath, std::string_view ending = "txt");

// The bytes Save To File writes: the article without the blanks at its two ends (only ' ';
// line breaks and tabs stay), then CR LF.
std::string savedArticleText(std::string_view article);

// The number of characters the user sees in the article: UTF-8 characters when the text is
// valid UTF-8, otherwise one per byte (Windows-1252).
std::size_t articleLength(std::string_view article);

// An article of fewer characters than this (see articleLength) is not saved: the article box
// holds no article.
inline constexpr std::size_t kShortestSavedArticle = 16;

// Writes the article beside its boxscore through env: returns false and writes nothing when the
// article has 15 characters or fewer; otherwise replaces the article file atomically (an existing
// file is overwritten without asking) and returns true. Throws FileWriteError naming the file and
// the reason when it cannot be written, when no name can be made from boxscorePath, or when
// the article file would be the boxscore itself (a boxscore whose name ends in "txt"); then no
// file is changed.
bool saveArticle(Env& env, const std::string& boxscorePath, std::string_view article);

// Writes the rendering of parts in format beside its boxscore as saveArticle writes the article
// (kText: saveArticle itself), under the name that format's fileEnding gives: nothing when
// the article has 15 characters or fewer, otherwise the rendering's bytes as they are. Throws
// FileWriteError as saveArticle does.
bool saveArticle(Env& env, const std::string& boxscorePath, ArticleFormat format,
                 const ArticleParts& parts);

}  // namespace quillbat
