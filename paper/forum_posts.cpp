#include "paper/forum_posts.h"

#include <algorithm>
#include <array>

namespace quillbat {
namespace {

// The markup of the parts of a post that differ between BBCode and Markdown.
struct PostMarkup {
    std::string_view titleStart, titleEnd;
    std::string_view headingStart, headingEnd;
    std::string_view listStart, itemStart, listEnd;
    std::string_view boldStart, boldEnd;
};

constexpr PostMarkup kBbcodeMarkup{"[b]", "[/b]\n",    "[b]", "[/b]\n", "[list]\n",
                                   "[*]", "[/list]\n", "[b]", "[/b]"};
constexpr PostMarkup kMarkdownMarkup{"# ", "\n", "## ", "\n\n", "", "- ", "", "**", "**"};

std::string padded(const std::string& text, std::size_t width, bool left) {
    const std::string pad(width - std::min(width, text.size()), ' ');
    return left ? text + pad : pad + text;
}

}  // namespace

std::string standingsText(const std::vector<StandingsRow>& rows) {
    std::vector<std::array<std::string, 6>> lines = {{"Team", "W", "L", "Pct", "GB", "Strk"}};
    for (const StandingsRow& row : rows) {
        lines.push_back({row.team, std::to_string(row.won), std::to_string(row.lost),
                         row.percentage, row.gamesBehind, row.streak});
    }
    std::array<std::size_t, 6> widths{};
    for (const auto& line : lines) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            widths[column] = std::max(widths[column], line[column].size());
        }
    }
    std::string text;
    for (const auto& line : lines) {
        text += padded(line[0], widths[0], true);
        for (std::size_t column = 1; column < widths.size(); ++column) {
            text += "  " + padded(line[column], widths[column], false);
        }
        text += "\n";
    }
    return text;
}

std::string forumPost(ArticleFormat format, const DayPage& page) {
    const PostMarkup& markup = format == ArticleFormat::kBbcode ? kBbcodeMarkup : kMarkdownMarkup;
    const auto escaped = [format](std::string_view text) { return escapeText(format, text); };
    const auto heading = [&markup](std::string_view text) {
        return "\n" + std::string(markup.headingStart) + std::string(text) +
               std::string(markup.headingEnd);
    };

    std::string post =
        std::string(markup.titleStart) + "The League Paper: " + escaped(page.link.title) +
        std::string(markup.titleEnd) + heading("Scores") + std::string(markup.listStart);
    for (const PageGame& game : page.games) {
        post += std::string(markup.itemStart) + escaped(game.headline) + "\n";
    }
    post += markup.listEnd;

    if (page.batter || page.pitcher) {
        post += heading("Stars of the day") + std::string(markup.listStart);
        for (const auto& [role, star] :
             {std::pair{"Batting", &page.batter}, std::pair{"Pitching", &page.pitcher}}) {
            if (*star) {
                post += std::string(markup.itemStart) + role + ": " +
                        std::string(markup.boldStart) + escaped((*star)->name) +
                        std::string(markup.boldEnd) + ", " + escaped((*star)->team) + ": " +
                        escaped((*star)->line) + "\n";
            }
        }
        post += markup.listEnd;
    }

    for (const PageGame& game : page.games) {
        post += "\n" + game.rendering;
    }

    post += heading("Standings") + codeBlock(format, standingsText(page.standings)) + "\n" +
            "Through " + escaped(page.link.title) + ". Only the games of this paper count.\n";
    if (page.previous || page.next) {
        post += "\n";
        if (page.previous) {
            post += "Day before: " + escaped(page.previous->title) + ".";
        }
        if (page.next) {
            post += std::string(page.previous ? " " : "") +
                    "Day after: " + escaped(page.next->title) + ".";
        }
        post += "\n";
    }
    return post;
}

}  // namespace quillbat
