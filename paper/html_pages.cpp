#include "paper/html_pages.h"

#include "core/text_encoding.h"

namespace quillbat {
namespace {

constexpr std::string_view kPaperName = "The League Paper";

std::string escaped(std::string_view text) {
    return escapeText(ArticleFormat::kHtml, text);
}

std::string gameAnchor(std::size_t game) {
    return "game-" + std::to_string(game + 1);
}

std::string link(const std::string& target, std::string_view text) {
    return "<a href=\"" + escaped(target) + "\">" + escaped(text) + "</a>";
}

// A whole page around body, in the encoding of the bytes it holds.
std::string wholePage(std::string_view title, std::string_view heading, const std::string& body) {
    const std::string masthead = "<header class=\"masthead\">\n<p class=\"paper-name\">" +
                                 link("index.html", kPaperName) + "</p>\n<h1>" + escaped(heading) +
                                 "</h1>\n</header>\n";
    const std::string_view charset =
        isValidUtf8(title) && isValidUtf8(masthead) && isValidUtf8(body) ? "utf-8" : "windows-1252";
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"" + std::string(charset) +
           "\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" +
           escaped(title) +
           "</title>\n<link rel=\"stylesheet\" href=\"paper.css\">\n</head>\n<body>\n" + masthead +
           body + "</body>\n</html>\n";
}

// The links to the day before, to the index and to the day after; the style sheet places each
// in its column, so a missing one leaves its column empty.
std::string dayLinks(const DayPage& page) {
    std::string links = "<nav class=\"day-links\">\n";
    if (page.previous) {
        links += "<a rel=\"prev\" href=\"" + escaped(page.previous->fileName) + "\">&larr; " +
                 escaped(page.previous->title) + "</a>\n";
    }
    links += "<a class=\"all-days\" href=\"index.html\">All days</a>\n";
    if (page.next) {
        links += "<a rel=\"next\" href=\"" + escaped(page.next->fileName) + "\">" +
                 escaped(page.next->title) + " &rarr;</a>\n";
    }
    return links + "</nav>\n";
}

std::string headlines(const DayPage& page) {
    std::string list = "<section class=\"scores\">\n<h2>Scores</h2>\n<ul>\n";
    for (std::size_t game = 0; game < page.games.size(); ++game) {
        list += "<li>" + link("#" + gameAnchor(game), page.games[game].headline) + "</li>\n";
    }
    return list + "</ul>\n</section>\n";
}

std::string star(std::string_view role, const std::optional<DayStar>& star) {
    if (!star) {
        return {};
    }
    return "<dt>" + std::string(role) + "</dt>\n<dd>" +
           link("#" + gameAnchor(star->game), star->name) + ", " + escaped(star->team) + ": " +
           escaped(star->line) + "</dd>\n";
}

std::string stars(const DayPage& page) {
    if (!page.batter && !page.pitcher) {
        return {};
    }
    return "<section class=\"stars\">\n<h2>Stars of the day</h2>\n<dl>\n" +
           star("Batting", page.batter) + star("Pitching", page.pitcher) + "</dl>\n</section>\n";
}

std::string games(const DayPage& page) {
    std::string blocks = "<div class=\"games\">\n";
    for (std::size_t game = 0; game < page.games.size(); ++game) {
        blocks += "<div class=\"game\" id=\"" + gameAnchor(game) + "\">\n" +
                  page.games[game].rendering + "</div>\n";
    }
    return blocks + "</div>\n";
}

std::string standings(const DayPage& page) {
    std::string table =
        "<section class=\"standings\">\n<h2>Standings</h2>\n<table>\n<thead>\n<tr><th "
        "scope=\"col\">Team</th><th scope=\"col\">W</th><th scope=\"col\">L</th><th "
        "scope=\"col\">Pct</th><th scope=\"col\">GB</th><th scope=\"col\">Streak</th></tr>\n"
        "</thead>\n<tbody>\n";
    for (const StandingsRow& row : page.standings) {
        table += "<tr><th scope=\"row\">" + escaped(row.team) + "</th><td>" +
                 std::to_string(row.won) + "</td><td>" + std::to_string(row.lost) + "</td><td>" +
                 row.percentage + "</td><td>" + row.gamesBehind + "</td><td>" + row.streak +
                 "</td></tr>\n";
    }
    return table + "</tbody>\n</table>\n<p class=\"note\">Through " + escaped(page.link.title) +
           ". Only the games of this paper count.</p>\n</section>\n";
}

}  // namespace

std::string htmlDayPage(const DayPage& page) {
    const std::string links = dayLinks(page);
    const std::string body = links + "<main>\n" + headlines(page) + stars(page) + games(page) +
                             standings(page) + "</main>\n<footer class=\"page-foot\">\n" + links +
                             "</footer>\n";
    return wholePage(page.link.title + " - " + std::string(kPaperName), page.link.title, body);
}

std::string htmlIndexPage(const std::vector<IndexDay>& days,
                          const std::vector<std::string>& refusals) {
    std::string body = "<main>\n<div class=\"days\">\n";
    for (const IndexDay& day : days) {
        body += "<section class=\"day\">\n<h2>" + link(day.link.fileName, day.link.title) +
                "</h2>\n<ul>\n";
        for (std::size_t game = 0; game < day.headlines.size(); ++game) {
            body += "<li>" + link(day.link.fileName + "#" + gameAnchor(game), day.headlines[game]) +
                    "</li>\n";
        }
        body += "</ul>\n</section>\n";
    }
    body += "</div>\n";
    if (!refusals.empty()) {
        body +=
            "<section class=\"refused\">\n<h2>Refused boxscores</h2>\n<p class=\"note\">These "
            "files are not in the paper:</p>\n<ul>\n";
        for (const std::string& refusal : refusals) {
            body += "<li>" + escaped(refusal) + "</li>\n";
        }
        body += "</ul>\n</section>\n";
    }
    return wholePage(kPaperName, "Every game, day by day", body + "</main>\n");
}

}  // namespace quillbat
