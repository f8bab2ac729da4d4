#include "cli/help_formatter.h"

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

namespace quillbat {
namespace {

constexpr std::size_t kNarrowestWidth = 60;

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

}  // namespace

std::string wrapWords(std::string_view text, std::size_t width, std::string_view first,
                      std::string_view next) {
    std::string wrapped(first);
    std::size_t lineStart = 0;
    bool lineHasWord = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t wordEnd = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, wordEnd - at);
        const std::size_t needed = (lineHasWord ? 1 : 0) + word.size();
        if (lineHasWord && wrapped.size() - lineStart + needed > width) {
            wrapped += '\n';
            lineStart = wrapped.size();
            wrapped += next;
            lineHasWord = false;
        }
        wrapped += lineHasWord ? " " : "";
        wrapped += word;
        lineHasWord = true;
        at = wordEnd;
    }
    return wrapped + '\n';
}

HelpFormatter::HelpFormatter(std::size_t width, std::string usage)
    : width_(std::max(width, kNarrowestWidth)), usage_(std::move(usage)) {}

std::string HelpFormatter::make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const {
    std::ostringstream help;
    help << wrapWords(app->get_description(), width_, "", "") << '\n' << usage_ << '\n';
    for (const std::string& group : app->get_groups()) {
        help << group << ":\n";
        for (const CLI::Option* option : app->get_options(
                 [&group](const CLI::Option* option) { return option->get_group() == group; })) {
            help << make_option(option, option->get_positional());
        }
        help << '\n';
    }
    std::istringstream footer(app->get_footer());
    std::string line;
    while (std::getline(footer, line)) {
        const std::size_t wordStart = line.find_first_not_of(' ');
        const std::string indent = blanks(wordStart == std::string::npos ? 0 : wordStart);
        help << wrapWords(line, width_, indent, indent);
    }
    return help.str();
}

std::string HelpFormatter::make_option(const CLI::Option* option, bool isPositional) const {
    const std::string name =
        "  " + make_option_name(option, isPositional) + make_option_opts(option);
    const std::string column = blanks(column_width_);
    if (name.size() + 1 >= column_width_) {
        return name + "\n" + wrapWords(option->get_description(), width_, column, column);
    }
    return wrapWords(option->get_description(), width_, name + blanks(column_width_ - name.size()),
                     column);
}

std::string HelpFormatter::make_option_name(const CLI::Option* option, bool isPositional) const {
    if (isPositional) {
        return option->get_name() + (option->get_items_expected_max() > 1 ? "..." : "");
    }
    return CLI::Formatter::make_option_name(option, isPositional);
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
    const std::string& text = option->get_option_text();
    return text.empty() ? std::string() : " " + text;
}

}  // namespace quillbat
