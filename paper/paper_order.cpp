#include "paper/paper_order.h"

#include <algorithm>
#include <set>

#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"
#include "boxscore/text_lines.h"
#include "system/file_system.h"

namespace quillbat {
namespace fs = std::filesystem;
namespace {

// A name ending in ".box" in any case ("GM05.BOX", as some programs on Windows write it).
bool isBoxscoreName(const fs::path& file) {
    std::string ending = pathToUtf8(file.extension());
    std::transform(ending.begin(), ending.end(), ending.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return ending == ".box";
}

// The date of the boxscore's first line, read alone; nothing when there is none or the file
// cannot be read.
std::optional<CalendarDate> firstLineDate(Env& env, const std::string& boxscore) {
    try {
        const std::unique_ptr<std::istream> in =
            env.openForReading(pathFromUtf8(boxscore), boxscore);
        StreamLines lines(*in, kMaxLineLength);
        std::string line;
        if (lines.next(line) != StreamLines::Result::Line) {
            return std::nullopt;
        }
        const std::optional<std::string_view> dateText = firstLineDateText(line);
        return dateText ? calendarDate(*dateText) : std::nullopt;
    } catch (const InputError&) {
        return std::nullopt;
    }
}

// The full name of a file in its plain form, the same for two names of one file
// ("league/gm05.box" and "./league/../league/gm05.box").
fs::path sameFileKey(const fs::path& path) {
    std::error_code error;
    const fs::path full = fs::absolute(path, error);
    return (error ? path : full).lexically_normal();
}

struct DatedGame {
    std::optional<CalendarDate> date;
    std::string fileName;
    std::string boxscore;
};

// Undated games after every date, then by file name and whole name.
bool comesBefore(const DatedGame& one, const DatedGame& other) {
    if (one.date.has_value() != other.date.has_value()) {
        return one.date.has_value();
    }
    if (one.date != other.date) {
        return *one.date < *other.date;
    }
    if (one.fileName != other.fileName) {
        return one.fileName < other.fileName;
    }
    return one.boxscore < other.boxscore;
}

}  // namespace

std::size_t PaperGames::count() const {
    std::size_t games = 0;
    for (const PaperDay& day : days) {
        games += day.boxscores.size();
    }
    return games;
}

PaperGames paperGames(Env& env, const std::vector<std::string>& names,
                      const std::function<void(std::size_t done, std::size_t total)>& progress) {
    PaperGames paper;
    std::vector<std::string> boxscores;
    for (const std::string& name : names) {
        const fs::path path = pathFromUtf8(name);
        if (!env.isFolder(path)) {
            boxscores.push_back(name);
            continue;
        }
        try {
            std::vector<fs::path> files = env.filesInFolder(path, name);
            std::erase_if(files, [](const fs::path& file) { return !isBoxscoreName(file); });
            if (files.empty()) {
                throw InputError(name, "holds no boxscore (.box file)");
            }
            for (const fs::path& file : files) {
                boxscores.push_back(pathToUtf8(path / file.filename()));
            }
        } catch (const InputError& error) {
            paper.problems.push_back(error.what());
        }
    }

    std::vector<DatedGame> games;
    std::set<fs::path> seen;
    for (const std::string& boxscore : boxscores) {
        const fs::path path = pathFromUtf8(boxscore);
        if (seen.insert(sameFileKey(path)).second) {
            games.push_back({firstLineDate(env, boxscore), pathToUtf8(path.filename()), boxscore});
        }
        if (progress) {
            progress(0, boxscores.size());
        }
    }
    std::sort(games.begin(), games.end(), comesBefore);
    for (DatedGame& game : games) {
        if (paper.days.empty() || paper.days.back().date != game.date) {
            paper.days.push_back({game.date, {}});
        }
        paper.days.back().boxscores.push_back(std::move(game.boxscore));
    }
    return paper;
}

}  // namespace quillbat
