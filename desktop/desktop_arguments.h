#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What the desktop programs are given: the command line, quillbat [--seed N] [BOXSCORE],
// quillbat --version or quillbat --help, and files dropped on the main window.
namespace quillbat {

// What the program does with its command line: start, or print a text and end with status 0
// before any window (or display) is needed.
enum class DesktopStart { kWindows, kPrintVersion, kPrintHelp };

struct DesktopArguments {
    // Seeds the first article as quillbat-cli --seed does; the next loads take the following
    // numbers.
    std::optional<std::uint32_t> seed;
    // A boxscore to load as soon as the main window shows ("Open with", a double-click).
    std::optional<std::string> boxscore;
    // --version prints the program's version, --help its command line; --help wins when both
    // are given.
    DesktopStart start = DesktopStart::kWindows;
    bool operator==(const DesktopArguments&) const = default;
};

// A command line that cannot be used, with the one line that tells the user why.
struct DesktopUsageError {
    std::string message;
    bool operator==(const DesktopUsageError&) const = default;
};

// Reads the arguments after the program's name (UTF-8): "--seed N" or "--seed=N" with N from 0
// to 4294967295, "--version", "--help", and at most one boxscore; "--" ends the options, so a
// boxscore may start with "-".
std::variant<DesktopArguments, DesktopUsageError> parseDesktopArguments(
    const std::vector<std::string>& arguments);

// What quillbat --help prints: the usage line, then the options, each line ending in "\n".
std::string desktopHelp();

// The boxscore among files dropped on a desktop window (UTF-8 names): the file when exactly one
// was dropped and its name ends in ".box", in any case; nothing otherwise.
std::optional<std::string> droppedBoxscore(const std::vector<std::string>& paths);

}  // namespace quillbat
