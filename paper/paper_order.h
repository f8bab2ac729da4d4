#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "boxscore/game_date.h"
#include "system/env.h"

// Which boxscores a league paper holds and in what order: by the date of their first line, then
// by file name.
namespace quillbat {

// The games of one page of the paper, in the paper's order.
struct PaperDay {
    std::optional<CalendarDate> date;    // nothing: the games whose date cannot be read
    std::vector<std::string> boxscores;  // UTF-8 names, as named or as the folder's name and
                                         // the file's
    bool operator==(const PaperDay&) const = default;
};

struct PaperGames {
    // The days oldest first, then (when there are any) the games without a date.
    std::vector<PaperDay> days;
    // A named folder that cannot be read or holds no .box file: its name and the reason.
    std::vector<std::string> problems;

    // The number of boxscores in days.
    std::size_t count() const;
};

// The games of a paper from the names of boxscores and folders (UTF-8): every file named (a
// .box file or not), and every file of a named folder whose name ends in ".box" (in any case),
// not those of its subfolders; a file named twice, or named and in a named folder, goes in
// once, where it came first. Each file's date is the date text of its first line as the
// article reads it (see calendarDate); only that line is read. A file that cannot be read or
// whose date cannot be read is undated (loading it tells why it is refused). Within a day the
// games are ordered by file name, then by their whole name.
// While the dates are read, after each file progress (when given) is called with 0 and the
// number of files, so that a window showing how a paper is written stays painted.
PaperGames paperGames(
    Env& env, const std::vector<std::string>& names,
    const std::function<void(std::size_t done, std::size_t total)>& progress = {});

}  // namespace quillbat
