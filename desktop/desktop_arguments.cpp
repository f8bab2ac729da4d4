#include "desktop/desktop_arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "desktop/window_design.h"

namespace quillbat {
namespace {

std::optional<std::uint32_t> seedNumber(const std::string& text) {
    std::uint32_t seed = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, seed);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return seed;
}

DesktopUsageError usageError(const std::string& why) {
    return {"quillbat: " + why + " (" + std::string(kDesktopUsage) + ")"};
}

}  // namespace

std::variant<DesktopArguments, DesktopUsageError> parseDesktopArguments(
    const std::vector<std::string>& arguments) {
    DesktopArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "--version") {
            if (parsed.start != DesktopStart::kPrintHelp) {
                parsed.start = DesktopStart::kPrintVersion;
            }
        } else if (!optionsEnded && argument == "--help") {
            parsed.start = DesktopStart::kPrintHelp;
        } else if (!optionsEnded && (argument == "--seed" || argument.starts_with("--seed="))) {
            std::optional<std::string> value;
            if (argument != "--seed") {
                value = argument.substr(std::string_view("--seed=").size());
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            }
            if (!value) {
                return usageError("--seed needs a number");
            }
            std::optional<std::uint32_t> seed = seedNumber(*value);
            if (!seed) {
                return usageError("--seed takes a number from 0 to 4294967295, not \"" + *value +
                                  "\"");
            }
            parsed.seed = seed;
        } else if (!optionsEnded && argument.starts_with("-") && argument != "-") {
            return usageError("unknown option \"" + argument + "\"");
        } else if (parsed.boxscore) {
            return usageError("one boxscore at a time, not also \"" + argument + "\"");
        } else {
            parsed.boxscore = argument;
        }
    }
    return parsed;
}

std::string desktopHelp() {
    return std::string(kDesktopUsage) + "\n" + std::string(kDesktopOptions);
}

std::optional<std::string> droppedBoxscore(const std::vector<std::string>& paths) {
    if (paths.size() != 1) {
        return std::nullopt;
    }
    std::string ending =
        paths.front().substr(paths.front().size() - std::min<std::size_t>(paths.front().size(), 4));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending != ".box") {
        return std::nullopt;
    }
    return paths.front();
}

}  // namespace quillbat
