#pragma once

#include <optional>
#include <string>
#include <vector>

#include "boxscore/game_date.h"
#include "core/article_format.h"
#include "paper/day_stars.h"
#include "paper/standings.h"

// What the pages of a league paper show: a page (or forum post) per day and the index of the
// days (html_pages.h, forum_posts.h).
namespace quillbat {

// A page of the paper as another page links to it.
struct PageLink {
    std::string fileName;  // "2026-08-19.html", "undated.md"
    std::string title;     // "Wednesday, August 19, 2026", "Undated games"
    bool operator==(const PageLink&) const = default;
};

// The link to the page of date (nothing: the undated games) in format (kHtml, kBbcode or
// kMarkdown): "2026-08-19.html", "2026-08-19.bbcode.txt", "2026-08-19.md", "undated.html".
PageLink pageLink(const std::optional<CalendarDate>& date, ArticleFormat format);

// One game of a day.
struct PageGame {
    std::string headline;   // the game's headline, unescaped
    std::string rendering;  // the game as --format prints it
};

// What a day's page shows, in this order: its title; the games' headlines; the stars of the
// day; every game; the standings through the day; the links to the pages before and after.
// Every text is as the boxscore and phrase files give it, unescaped; the renderings are whole.
struct DayPage {
    PageLink link;
    std::vector<PageGame> games;
    std::optional<DayStar> batter;
    std::optional<DayStar> pitcher;
    std::vector<StandingsRow> standings;
    std::optional<PageLink> previous;
    std::optional<PageLink> next;
};

// A day as the index lists it: its page and its games' headlines (unescaped).
struct IndexDay {
    PageLink link;
    std::vector<std::string> headlines;
};

}  // namespace quillbat
