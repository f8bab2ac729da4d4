#pragma once

#include <string>
#include <vector>

#include "paper/paper_pages.h"

// The league paper as web pages: index.html and a page per day, each a whole HTML5 page that
// takes its look from paper.css beside it and fetches nothing else. A page declares the
// encoding of its bytes: UTF-8 when they are valid UTF-8, otherwise Windows-1252 (the bytes of
// boxscores and phrase files are never re-encoded; the paper's own texts are ASCII).
namespace quillbat {

// A day's page: the masthead and the day's title, the links to the days before and after and
// to the index, the games' headlines linking to the games, the stars of the day, every game
// as its HTML rendering inside an element with the id "game-1", "game-2", ... in the page's
// order, the standings with a note that only the paper's games count, and the links again.
std::string htmlDayPage(const DayPage& page);

// The index: the days in the order given (newest first), each with its games' headlines
// linking to them, then the refused boxscores (one line each: the file and the reason) when
// there are any.
std::string htmlIndexPage(const std::vector<IndexDay>& days,
                          const std::vector<std::string>& refusals);

}  // namespace quillbat
