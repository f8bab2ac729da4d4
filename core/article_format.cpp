#include "core/article_format.h"

#include <algorithm>
#include <vector>

namespace quillbat {
namespace {

std::string escapeHtml(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// BBCode has no escape character; an empty tag right after the bracket keeps it from opening
// a tag, and shows nothing.
std::string escapeBbcode(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '[') {
            escaped += "[b][/b]";
        }
    }
    return escaped;
}

std::string escapeMarkdown(std::string_view text) {
    constexpr std::string_view kMarkup = "\\`*_|[]<>&#~";
    std::string escaped;
    for (char c : text) {
        if (kMarkup.find(c) != std::string_view::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

std::vector<std::string_view> paragraphs(std::string_view article) {
    std::vector<std::string_view> found;
    while (!article.empty()) {
        const std::size_t end = std::min(article.find_first_of("\r\n"), article.size());
        std::string_view line = article.substr(0, end);
        article.remove_prefix(std::min(end + 1, article.size()));
        const std::size_t first = line.find_first_not_of(' ');
        if (first != std::string_view::npos) {
            found.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
        }
    }
    return found;
}

// A code fence that no run of backticks in the text can close.
std::string codeFence(std::string_view text) {
    std::size_t longestRun = 0;
    std::size_t run = 0;
    for (char c : text) {
        run = c == '`' ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    return std::string(std::max<std::size_t>(3, longestRun + 1), '`');
}

std::string renderBbcode(const ArticleParts& parts) {
    std::string text = "[b]" + escapeBbcode(parts.headline) + "[/b]\n" +
                       codeBlock(ArticleFormat::kBbcode, lineScoreText(parts.lineScore));
    std::string_view gap;
    for (std::string_view paragraph : paragraphs(parts.article)) {
        text += std::string(gap) + escapeBbcode(paragraph) + "\n";
        gap = "\n";
    }
    return text;
}

std::string renderMarkdown(const ArticleParts& parts) {
    std::string text = "**" + escapeMarkdown(parts.headline) + "**\n\n" +
                       codeBlock(ArticleFormat::kMarkdown, lineScoreText(parts.lineScore));
    for (std::string_view paragraph : paragraphs(parts.article)) {
        text += "\n" + escapeMarkdown(paragraph) + "\n";
    }
    return text;
}

std::string htmlCell(std::string_view element, std::string_view cssClass, std::string_view text) {
    return "<" + std::string(element) + " class=\"" + std::string(cssClass) + "\">" +
           escapeHtml(text) + "</" + std::string(element) + ">";
}

std::string htmlTable(const LineScore& lineScore) {
    std::string columns = "<colgroup class=\"team\"></colgroup>";
    for (std::size_t first = 0; first < lineScore.innings; first += kInningsPerGroup) {
        columns += "<colgroup class=\"innings\" span=\"" +
                   std::to_string(std::min(kInningsPerGroup, lineScore.innings - first)) +
                   "\"></colgroup>";
    }
    columns += "<colgroup class=\"totals\" span=\"3\"></colgroup>";

    std::string header = "<tr><td class=\"team\"></td>";
    for (std::size_t inning = 1; inning <= lineScore.innings; ++inning) {
        header += htmlCell("th", "inning", std::to_string(inning));
    }
    header += htmlCell("th", "runs", "R") + htmlCell("th", "hits", "H") +
              htmlCell("th", "errors", "E") + "</tr>";

    std::string rows;
    for (const LineScoreRow& row : lineScore.rows) {
        rows += "<tr><th class=\"team\" scope=\"row\">" + escapeHtml(row.teamName) + "</th>";
        for (const std::string& cell : row.inningCells) {
            rows += htmlCell("td", "inning", cell);
        }
        rows += htmlCell("td", "runs", row.runs) + htmlCell("td", "hits", row.hits) +
                htmlCell("td", "errors", row.errors) + "</tr>\n";
    }
    return "<table class=\"quillbat-line-score\">\n" + columns + "\n<thead>\n" + header +
           "\n</thead>\n<tbody>\n" + rows + "</tbody>\n</table>\n";
}

std::string renderHtml(const ArticleParts& parts) {
    std::string text = "<article class=\"quillbat-game\">\n" +
                       htmlCell("h2", "quillbat-headline", parts.headline) + "\n" +
                       htmlTable(parts.lineScore);
    for (std::string_view paragraph : paragraphs(parts.article)) {
        text += htmlCell("p", "quillbat-article", paragraph) + "\n";
    }
    return text + "</article>\n";
}

}  // namespace

std::string_view fileEnding(ArticleFormat format) {
    switch (format) {
        case ArticleFormat::kBbcode:
            return "bbcode.txt";
        case ArticleFormat::kMarkdown:
            return "md";
        case ArticleFormat::kHtml:
            return "html";
        case ArticleFormat::kText:
            break;
    }
    return "txt";
}

ArticleParts articleParts(const LoadedGame& game) {
    return {game.headline, lineScoreOf(game.record), game.article};
}

std::string renderArticle(ArticleFormat format, const ArticleParts& parts) {
    switch (format) {
        case ArticleFormat::kBbcode:
            return renderBbcode(parts);
        case ArticleFormat::kMarkdown:
            return renderMarkdown(parts);
        case ArticleFormat::kHtml:
            return renderHtml(parts);
        case ArticleFormat::kText:
            break;
    }
    return parts.article;
}

std::string escapeText(ArticleFormat format, std::string_view text) {
    switch (format) {
        case ArticleFormat::kBbcode:
            return escapeBbcode(text);
        case ArticleFormat::kMarkdown:
            return escapeMarkdown(text);
        case ArticleFormat::kHtml:
            return escapeHtml(text);
        case ArticleFormat::kText:
            break;
    }
    return std::string(text);
}

std::string codeBlock(ArticleFormat format, std::string_view table) {
    switch (format) {
        case ArticleFormat::kBbcode:
            return "[code]\n" + escapeBbcode(table) + "[/code]\n";
        case ArticleFormat::kMarkdown: {
            const std::string fence = codeFence(table);
            return fence + "\n" + std::string(table) + fence + "\n";
        }
        case ArticleFormat::kHtml:
        case ArticleFormat::kText:
            break;
    }
    return std::string(table);
}

}  // namespace quillbat
