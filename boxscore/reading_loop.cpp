#include "boxscore/reading_loop.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "boxscore/field_reading.h"
#include "boxscore/game_date.h"
#include "boxscore/input_error.h"

namespace quillbat {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// The markers every line is searched for, found in one pass over the line.
enum Marker : unsigned {
    kFormFeed,
    kFullColumnHeader,
    kBattingHeader,
    kRainDelays,
    kMilesPerHour,
    kThreatening,
    kWetField,
    kGameWinningRbi,
    kTemperature,
    kDoublesList,
    kTriplesList,
    kHomeRunsList,
    kMarkerCount
};
constexpr std::array<std::string_view, kMarkerCount> kMarkers = {
    "\f",  // the game ends on this line
    "AB  R  H BI  D  T HR BB  K SB CS IW HP SH SF",
    "AB  R  H BI",  // the side-by-side batting header
    "Rain Delays",
    "MPH.",
    "threatening",
    "Field: wet",
    "GWRBI:",
    "Temperature:",
    "2B-",
    "3B-",
    "HR-"};

// For every pair of bytes, the markers of two or more bytes that begin with it. A table of
// first bytes alone sends frequent digits and letters to a comparison at almost every byte.
constexpr std::size_t pairIndex(char first, char second) {
    return static_cast<std::size_t>(static_cast<unsigned char>(first)) << 8 |
           static_cast<unsigned char>(second);
}
static_assert(kMarkerCount <= 16, "a marker set must fit in 16 bits");
constexpr std::array<std::uint16_t, 65536> kMarkersByFirstPair = [] {
    std::array<std::uint16_t, 65536> table{};
    for (unsigned marker = 0; marker < kMarkerCount; ++marker) {
        if (kMarkers[marker].size() >= 2) {
            table[pairIndex(kMarkers[marker][0], kMarkers[marker][1])] |=
                static_cast<std::uint16_t>(1u << marker);
        }
    }
    return table;
}();

// The set of markers the line contains, one bit per marker.
class MarkersFound {
  public:
    explicit MarkersFound(std::string_view line) {
        if (line.find('\f') != npos) {
            bits_ |= 1u << kFormFeed;
        }
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            unsigned candidates = kMarkersByFirstPair[pairIndex(line[i], line[i + 1])] & ~bits_;
            while (candidates != 0) {
                auto marker = static_cast<unsigned>(std::countr_zero(candidates));
                candidates &= candidates - 1;
                if (line.substr(i).starts_with(kMarkers[marker])) {
                    bits_ |= 1u << marker;
                }
            }
        }
    }
    bool has(Marker marker) const { return (bits_ & (1u << marker)) != 0; }

  private:
    unsigned bits_ = 0;
};

bool contains(std::string_view line, std::string_view marker) {
    return line.find(marker) != npos;
}

// True when the line holds " INN  H  R". Searched from the "I": a search that starts with the
// blank would stop at every blank of the line.
bool isPitchingHeader(std::string_view line) {
    constexpr std::string_view kColumns = "INN  H  R";
    for (std::size_t at = line.find(kColumns); at != npos; at = line.find(kColumns, at + 1)) {
        if (at > 0 && line[at - 1] == ' ') {
            return true;
        }
    }
    return false;
}

// The position of the first blank, letter, blank in the line, or npos.
std::size_t findDecision(std::string_view line, char letter) {
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
        if (line[i + 1] == letter && line[i] == ' ' && line[i + 2] == ' ') {
            return i;
        }
    }
    return npos;
}

// A decision (" W ", " L ", " S ") counts only where its first occurrence starts at column 16
// or later: earlier it lies inside a pitcher's name.
bool hasDecision(std::string_view line, char letter) {
    std::size_t position = findDecision(line, letter);
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
    for (std::size_t at = stored.find(". "); at != npos; at = stored.find(". ", at + 2)) {
        stored[at] = ',';
    }
    return stored;
}

bool isDomedBallpark(std::string_view name) {
    constexpr std::array<std::string_view, 4> kNames = {"Kingdome", "Astrodome", "Metrodome",
                                                        "Rogers Centre"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

}  // namespace

ReadingLoop::ReadingLoop(GameRecord& record, BoxscoreSections& sections,
                         const std::string& fileName)
    : record_(record), sections_(sections), fileName_(fileName) {}

bool ReadingLoop::take(std::string_view rawLine) {
    const int n = lineNumber_;
    if (n > kMaxStoredLines) {
        throw InputError(fileName_, "has more than 200 lines before its end");
    }
    seenText_ = seenText_ || rawLine.find_first_not_of(" \t") != npos;
    sections_.lines.push_back(n > 1 ? storedLine(rawLine) : std::string(rawLine));
    std::string_view line = sections_.lines.back();
    const MarkersFound found(line);

    if (n == 1) {
        readFirstLine(line);
    }
    if (line.size() >= 2 && line.substr(line.size() - 2) == "DP") {
        readLineScoreHeader(line);
    }
    if (n == sections_.lineScoreHeaderLine + 1) {
        readTeamTotals(kVisitors, line);
    } else if (n == sections_.lineScoreHeaderLine + 2) {
        readTeamTotals(kHome, line);
    }
    if (n == 4) {
        readInningRow(kVisitors, line);
    } else if (n == 5) {
        readInningRow(kHome, line);
    }
    if (found.has(kFullColumnHeader)) {
        if (!sections_.fullColumn) {
            sections_.fullColumn = true;
            sections_.firstFullHeaderLine = static_cast<std::int16_t>(n);
        } else {
            sections_.secondFullHeaderLine = static_cast<std::int16_t>(n);
        }
    }
    if (found.has(kRainDelays)) {
        readRainDelays(line);
    }
    if (found.has(kMilesPerHour)) {
        readWind(line);
    }
    if (found.has(kThreatening)) {
        record_.threatening = true;
    }
    if (found.has(kWetField)) {
        record_.wetField = true;
    }
    if (found.has(kGameWinningRbi)) {
        record_.temperature.reset();
        sections_.weatherLine = static_cast<std::int16_t>(n + 1);
    }
    if (found.has(kTemperature)) {
        readTemperature(line);
    }
    trackPitchingSection(line);
    if (!sections_.fullColumn) {
        if (found.has(kBattingHeader)) {
            sections_.battingHeaderLine = static_cast<std::int16_t>(n);
        }
        if (sections_.firstNotesLine == 0 &&
            (found.has(kDoublesList) || found.has(kTriplesList) || found.has(kHomeRunsList))) {
            sections_.firstNotesLine = static_cast<std::int16_t>(n);
        }
    }
    ++lineNumber_;
    return !found.has(kFormFeed);
}

void ReadingLoop::finish() const {
    if (!seenText_) {
        throw InputError(fileName_, "is empty");
    }
    if (!seenLineScore_) {
        throw InputError(fileName_, "has no line score: it is not a boxscore of the game");
    }
}

void ReadingLoop::readFirstLine(std::string_view line) {
    const std::optional<std::string_view> dateText = firstLineDateText(line);
    if (!dateText) {
        return;
    }
    record_.gameDate = gameDateText(*dateText);
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
    sections_.lineScoreHeaderLine = static_cast<std::int16_t>(lineNumber_);
    record_.innings = roundToInt16(*innings);
}

void ReadingLoop::readTeamTotals(Team team, std::string_view line) {
    record_.runs[team] = fieldInt16(fieldFromEnd(line, 17, 2));
    record_.hits[team] = fieldInt16(fieldFromEnd(line, 14, 2));
    record_.errors[team] = fieldInt16(fieldFromEnd(line, 11, 2));
    record_.leftOnBase[team] = fieldInt16(fieldFromEnd(line, 5, 2));
    record_.doublePlays[team] = fieldInt16(fieldFromEnd(line, 2, 2));
}

void ReadingLoop::readInningRow(Team team, std::string_view line) {
    record_.teamName[team] = trimmed(fieldAt(line, 6, 15));
    // Innings after the 40th have no place in the record; the innings count stays as read.
    std::vector<std::int16_t>& runs = record_.inningRuns[team];
    runs.clear();
    for (int inning = 1; inning <= std::min<int>(record_.innings, kMaxInnings); ++inning) {
        runs.push_back(fieldInt16(fieldAt(line, 20 + 3 * inning, 3)));
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
    sections_.weatherLine = static_cast<std::int16_t>(lineNumber_);
}

void ReadingLoop::trackPitchingSection(std::string_view line) {
    const int n = lineNumber_;
    if (sections_.pitchingHeaderLine == kMaxStoredLines && isPitchingHeader(line)) {
        sections_.pitchingHeaderLine = static_cast<std::int16_t>(n);
    }
    bool afterHeader = n > sections_.pitchingHeaderLine;
    if (line == " " && afterHeader && n < sections_.pitchingEndLine) {
        // The first single-blank line ends the visitors' pitchers, the second the home team's.
        sections_.pitchingEndLine = sections_.pitchingEndLine == kMaxStoredLines
                                        ? static_cast<std::int16_t>(kMaxStoredLines - 1)
                                        : static_cast<std::int16_t>(n);
    }
    if (afterHeader && n < sections_.pitchingEndLine) {
        readDecisions(line);
    }
}

void ReadingLoop::readDecisions(std::string_view line) {
    if (hasDecision(line, 'W')) {
        record_.winPitcher = trimmed(fieldAt(line, 1, 16));
        record_.winWins = fieldInt16(afterLast(line, " W ", 2));
        record_.winLosses = fieldInt16(afterLast(line, "-", 2));
        record_.winInnings = trimmed(fieldAt(line, 33, 5));
        record_.winHits = fieldInt16(fieldAt(line, 38, 3));
        record_.winRuns = fieldInt16(fieldAt(line, 41, 3));
        record_.winEarnedRuns = fieldInt16(fieldAt(line, 44, 3));
        record_.winWalks = fieldInt16(fieldAt(line, 47, 3));
        record_.winStrikeouts = fieldInt16(fieldAt(line, 50, 3));
        record_.winPitches = fieldInt16(fieldAt(line, 52, 4));
        record_.winEra = leadingNumber(trimBlanks(fieldFromEnd(line, 5, 5)));
    }
    if (hasDecision(line, 'L')) {
        record_.losePitcher = trimmed(fieldAt(line, 1, 16));
        record_.loseWins = fieldInt16(afterLast(line, " L ", 2));
        record_.loseLosses = fieldInt16(afterLast(line, "-", 2));
        record_.loseInnings = trimmed(fieldAt(line, 33, 5));
    }
    if (hasDecision(line, 'S')) {
        record_.savePitcher = trimmed(fieldAt(line, 1, 16));
        record_.saves = fieldInt16(afterLast(line, " S ", 3));
    }
}

}  // namespace quillbat
