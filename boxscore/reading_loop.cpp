#include "boxscore/reading_loop.h"

#include <algorithm>
#include <array>

#include "boxscore/field_reading.h"
#include "boxscore/game_date.h"
#include "boxscore/input_error.h"

namespace quillbat {
namespace {

constexpr std::string_view kFullColumnHeader = "AB  R  H BI  D  T HR BB  K SB CS IW HP SH SF";
constexpr std::string_view kBattingHeader = "AB  R  H BI";
constexpr std::string_view kPitchingHeader = " INN  H  R";
constexpr std::size_t npos = std::string_view::npos;

bool contains(std::string_view line, std::string_view marker) {
    return line.find(marker) != npos;
}

// A decision (" W ", " L ", " S ") counts only where its first occurrence starts at column 16
// or later: earlier it lies inside a pitcher's name.
bool hasDecision(std::string_view line, std::string_view marker) {
    std::size_t position = line.find(marker);
    return position != npos && position >= 15;
}

// The `width` characters right after the last occurrence of marker; empty when it is missing.
std::string_view afterLast(std::string_view line, std::string_view marker, std::size_t width) {
    std::size_t position = line.rfind(marker);
    if (position == npos) {
        return {};
    }
    return line.substr(position + marker.size()).substr(0, width);
}

std::string trimmed(std::string_view text) {
    return std::string(trimBlanks(text));
}

std::string storedLine(std::string_view line) {
    std::string stored(line);
    // Sentences inside a line are read as comma lists, so ". " becomes ", ".
    for (std::size_t i = 0; i + 1 < stored.size(); ++i) {
        if (stored[i] == '.' && stored[i + 1] == ' ') {
            stored[i] = ',';
        }
    }
    return stored;
}

bool isDomedBallpark(std::string_view name) {
    constexpr std::array<std::string_view, 4> kNames = {"Kingdome", "Astrodome", "Metrodome",
                                                        "Rogers Centre"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

}  // namespace

ReadingLoop::ReadingLoop(GameRecord& record, const std::string& fileName)
    : record_(record), fileName_(fileName) {}

bool ReadingLoop::take(std::string_view rawLine) {
    const int n = lineNumber_;
    if (n > kMaxStoredLines) {
        throw InputError(fileName_, "has more than 200 lines before its end");
    }
    record_.lines.push_back(n > 1 ? storedLine(rawLine) : std::string(rawLine));
    std::string_view line = record_.lines.back();

    if (n == 1) {
        readFirstLine(line);
    }
    if (line.size() >= 2 && line.substr(line.size() - 2) == "DP") {
        readLineScoreHeader(line);
    }
    if (n == record_.lineScoreHeaderLine + 1) {
        readTeamTotals(kVisitors, line);
    } else if (n == record_.lineScoreHeaderLine + 2) {
        readTeamTotals(kHome, line);
    }
    if (n == 4) {
        readInningRow(kVisitors, line);
    } else if (n == 5) {
        readInningRow(kHome, line);
    }
    if (contains(line, kFullColumnHeader)) {
        if (!record_.fullColumn) {
            record_.fullColumn = true;
            record_.firstFullHeaderLine = static_cast<std::int16_t>(n);
        } else {
            record_.secondFullHeaderLine = static_cast<std::int16_t>(n);
        }
    }
    if (contains(line, "Rain Delays")) {
        readRainDelays(line);
    }
    if (contains(line, "MPH.")) {
        readWind(line);
    }
    if (contains(line, "threatening")) {
        record_.threatening = true;
    }
    if (contains(line, "Field: wet")) {
        record_.wetField = true;
    }
    if (contains(line, "GWRBI:")) {
        record_.temperature = -99;
        record_.weatherLine = static_cast<std::int16_t>(n + 1);
    }
    if (contains(line, "Temperature:")) {
        readTemperature(line);
    }
    trackPitchingSection(line);
    if (!record_.fullColumn) {
        if (contains(line, kBattingHeader)) {
            record_.battingHeaderLine = static_cast<std::int16_t>(n);
        }
        if (record_.firstNotesLine == 0 &&
            (contains(line, "2B-") || contains(line, "3B-") || contains(line, "HR-"))) {
            record_.firstNotesLine = static_cast<std::int16_t>(n);
        }
    }
    ++lineNumber_;
    return !contains(line, "\f");
}

void ReadingLoop::finish() const {
    if (!seenLineScore_) {
        throw InputError(fileName_, "has no line score: it is not a boxscore of the game");
    }
}

void ReadingLoop::readFirstLine(std::string_view line) {
    std::size_t firstComma = line.find(',');
    if (firstComma == npos) {
        return;
    }
    record_.gameDate = gameDateText(line.substr(0, firstComma));
    std::size_t lastComma = line.rfind(',');
    std::string_view afterComma = line.substr(lastComma + 1);
    record_.ballparkName = trimmed(afterComma.substr(std::min<std::size_t>(1, afterComma.size())));
    record_.ballpark = isDomedBallpark(record_.ballparkName) ? "the " + record_.ballparkName
                                                             : record_.ballparkName;
}

void ReadingLoop::readLineScoreHeader(std::string_view line) {
    if (line.size() < 23) {
        throw InputError(fileName_, lineNumber_,
                         "the line-score header is too short to hold the number of innings");
    }
    std::string_view field = fieldFromEnd(line, 23, 2);
    auto innings = strictNumber(field);
    if (!innings) {
        throw InputError(
            fileName_, lineNumber_,
            "innings in the line-score header are not a number: \"" + std::string(field) + "\"");
    }
    seenLineScore_ = true;
    record_.lineScoreHeaderLine = static_cast<std::int16_t>(lineNumber_);
    record_.innings = roundToInt16(*innings);
}

void ReadingLoop::readTeamTotals(int team, std::string_view line) {
    record_.runs[team] = fieldInt16(fieldFromEnd(line, 17, 2));
    record_.hits[team] = fieldInt16(fieldFromEnd(line, 14, 2));
    record_.errors[team] = fieldInt16(fieldFromEnd(line, 11, 2));
    record_.leftOnBase[team] = fieldInt16(fieldFromEnd(line, 5, 2));
    record_.doublePlays[team] = fieldInt16(fieldFromEnd(line, 2, 2));
}

void ReadingLoop::readInningRow(int team, std::string_view line) {
    record_.teamName[team] = trimmed(fieldAt(line, 6, 15));
    // Innings after the 40th have no place in the record; the innings count stays as read.
    int stored = std::min<int>(record_.innings, kMaxInnings);
    for (int inning = 1; inning <= stored; ++inning) {
        record_.inningRuns[team][static_cast<std::size_t>(inning)] =
            fieldInt16(fieldAt(line, 20 + 3 * inning, 3));
    }
}

void ReadingLoop::readRainDelays(std::string_view line) {
    // The delay text starts at the blank after "Rain Delays:"; "45 and 30" needs more room.
    std::size_t start = line.find("Rain Delays") + std::string_view("Rain Delays:").size();
    std::size_t width = contains(line, "and") ? 10 : 3;
    if (start < line.size()) {
        record_.rainDelays = trimmed(line.substr(start, width));
    } else {
        record_.rainDelays.clear();
    }
}

void ReadingLoop::readWind(std::string_view line) {
    std::size_t mph = line.find("MPH.");
    std::size_t start = mph >= 3 ? mph - 3 : 0;
    auto speed = strictNumber(line.substr(start, mph - start));
    if (!speed) {
        return;  // a speed that is no number reads as no wind at all
    }
    record_.windSpeed = roundToInt16(*speed);
    if (record_.windSpeed <= 20) {
        return;
    }
    record_.strongWind = true;
    // The game wraps a long weather line, so "Wind: " may stand on the line before; the wind
    // text then starts this line.
    std::size_t wind = line.find("Wind: ");
    std::size_t textStart = wind == npos ? 0 : wind + std::string_view("Wind: ").size();
    std::string_view text = trimBlanks(line.substr(textStart, 30));
    if (!text.empty()) {
        text.remove_suffix(1);
    }
    record_.windText = lowerCase(text);
}

void ReadingLoop::readTemperature(std::string_view line) {
    std::size_t start = line.find("Temperature:") + std::string_view("Temperature: ").size();
    record_.temperature = start < line.size() ? leadingNumber(line.substr(start, 3)) : 0;
    record_.weatherLine = static_cast<std::int16_t>(lineNumber_);
}

void ReadingLoop::trackPitchingSection(std::string_view line) {
    const int n = lineNumber_;
    if (record_.pitchingHeaderLine == kMaxStoredLines && contains(line, kPitchingHeader)) {
        record_.pitchingHeaderLine = static_cast<std::int16_t>(n);
    }
    bool afterHeader = n > record_.pitchingHeaderLine;
    if (line == " " && afterHeader && n < record_.pitchingEndLine) {
        // The first single-blank line ends the visitors' pitchers, the second the home team's.
        record_.pitchingEndLine = record_.pitchingEndLine == kMaxStoredLines
                                      ? static_cast<std::int16_t>(kMaxStoredLines - 1)
                                      : static_cast<std::int16_t>(n);
    }
    if (afterHeader && n < record_.pitchingEndLine) {
        readDecisions(line);
    }
}

void ReadingLoop::readDecisions(std::string_view line) {
    if (hasDecision(line, " W ")) {
        record_.winPitcher = trimmed(fieldAt(line, 1, 16));
        record_.winWins = fieldInt16(afterLast(line, " W ", 2));
        record_.winLosses = fieldInt16(afterLast(line, "-", 2));
        record_.winInnings = trimmed(fieldAt(line, 33, 5));
        record_.winHits = fieldInt16(fieldAt(line, 38, 3));
        record_.winRuns = fieldInt16(fieldAt(line, 41, 3));
        record_.winEarnedRuns = fieldInt16(fieldAt(line, 44, 3));
        record_.winStrikeouts = fieldInt16(fieldAt(line, 50, 3));
        record_.winPitches = fieldInt16(fieldAt(line, 52, 4));
        record_.winEra = leadingNumber(trimBlanks(fieldFromEnd(line, 5, 5)));
    }
    if (hasDecision(line, " L ")) {
        record_.losePitcher = trimmed(fieldAt(line, 1, 16));
        record_.loseWins = fieldInt16(afterLast(line, " L ", 2));
        record_.loseLosses = fieldInt16(afterLast(line, "-", 2));
        record_.loseInnings = trimmed(fieldAt(line, 33, 5));
    }
    if (hasDecision(line, " S ")) {
        record_.savePitcher = trimmed(fieldAt(line, 1, 16));
        record_.saves = fieldInt16(afterLast(line, " S ", 3));
    }
}

}  // namespace quillbat
