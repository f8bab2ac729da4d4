#include "boxscore/play_by_play.h"

namespace quillbat {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kPlayByPlayHeading = "Score O Rnr BS  Event";
constexpr std::string_view kHeaderStart = "**************  ";
constexpr std::size_t kChangeIndent = 16;
constexpr std::size_t kContinuationIndent = 18;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view withoutEndBlanks(std::string_view line) {
    std::size_t last = line.find_last_not_of(' ');
    return last == npos ? std::string_view{} : line.substr(0, last + 1);
}

// The blanks before the text of a line that starts with 16 or 18 of them, else 0.
std::size_t indentOf(std::string_view line) {
    constexpr std::string_view kBlanks = "                  ";
    if (!line.starts_with(kBlanks.substr(0, kChangeIndent)) || line.size() == kChangeIndent) {
        return 0;
    }
    if (line[kChangeIndent] != ' ') {
        return kChangeIndent;
    }
    return line.starts_with(kBlanks) && line.size() > kContinuationIndent &&
                   line[kContinuationIndent] != ' '
               ? kContinuationIndent
               : 0;
}

std::size_t occurrences(std::string_view text, std::string_view words) {
    std::size_t count = 0;
    for (std::size_t at = text.find(words); at != npos; at = text.find(words, at + words.size())) {
        ++count;
    }
    return count;
}

// Reads the digits at `at` (at least one, at most `maxDigits`) into value and moves past them.
bool readNumber(std::string_view line, std::size_t& at, std::size_t maxDigits, int& value) {
    const std::size_t start = at;
    value = 0;
    while (at < line.size() && isDigit(line[at]) && at - start < maxDigits) {
        value = value * 10 + (line[at] - '0');
        ++at;
    }
    return at > start && (at == line.size() || !isDigit(line[at]));
}

// "Top of the 6th inning, Storm batting" after the fourteen stars and two blanks.
bool readHeader(std::string_view line, Half& half, int& inning) {
    std::string_view rest = line.substr(kHeaderStart.size());
    if (rest.starts_with("Top of the ")) {
        half = Half::kTop;
        rest.remove_prefix(std::string_view("Top of the ").size());
    } else if (rest.starts_with("Bottom of the ")) {
        half = Half::kBottom;
        rest.remove_prefix(std::string_view("Bottom of the ").size());
    } else {
        return false;
    }
    std::size_t at = 0;
    if (!readNumber(rest, at, 3, inning) || inning < 1) {
        return false;
    }
    rest.remove_prefix(at);
    for (std::string_view suffix : {"st", "nd", "rd", "th"}) {
        if (rest.starts_with(suffix)) {
            return rest.substr(suffix.size()).starts_with(" inning");
        }
    }
    return false;
}

// " 9-6  1 1-3 00  Kipnis grounded a double down the third base line, Moss": the score before
// the play (visitors first, the visitors' runs right-aligned before the '-'), the outs, the
// runners, the count and the event text. Leaves half and inning as they are.
bool readPlayLine(std::string_view line, Play& play) {
    // The visitors' runs take two columns, three past 99.
    const std::size_t dash = line.size() > 3 && line[2] == '-'   ? 2
                             : line.size() > 4 && line[3] == '-' ? 3
                                                                 : npos;
    if (dash == npos) {
        return false;
    }
    std::size_t at = line.find_first_not_of(' ');
    if (at >= dash || !readNumber(line, at, 3, play.scoreBefore[kVisitors]) || at != dash) {
        return false;
    }
    ++at;
    if (!readNumber(line, at, 3, play.scoreBefore[kHome]) || at >= line.size() || line[at] != ' ') {
        return false;
    }
    at = line.find_first_not_of(' ', at);
    // "1 1-3 00  " and at least one character of text.
    constexpr std::size_t kColumnsAfterScore = 10;
    if (at == npos || line.size() - at <= kColumnsAfterScore) {
        return false;
    }
    const std::string_view columns = line.substr(at, kColumnsAfterScore);
    if (columns[0] < '0' || columns[0] > '2' || columns[1] != ' ' || columns[5] != ' ' ||
        !isDigit(columns[6]) || !isDigit(columns[7]) || columns.substr(8) != "  ") {
        return false;
    }
    for (std::size_t base = 0; base < 3; ++base) {
        const char runner = columns[2 + base];
        if (runner != '-' && runner != static_cast<char>('1' + base)) {
            return false;
        }
        play.runners[base] = runner != '-';
    }
    play.outs = columns[0] - '0';
    play.balls = columns[6] - '0';
    play.strikes = columns[7] - '0';
    play.text.assign(line.substr(at + kColumnsAfterScore));
    return true;
}

// Moves the pitches, the final parenthesised group without blanks, out of the text.
void separatePitches(Play& play) {
    std::string& text = play.text;
    std::size_t open = text.size();
    if (open == 0 || text.back() != ')') {
        play.pitches.clear();
        return;
    }
    while (open > 0 && text[open - 1] != '(' && text[open - 1] != ' ') {
        --open;
    }
    if (open == 0 || text[open - 1] != '(') {
        play.pitches.clear();
        return;
    }
    play.pitches.assign(text, open, text.size() - open - 1);
    --open;
    while (open > 0 && text[open - 1] == ' ') {
        --open;
    }
    text.resize(open);
}

}  // namespace

int runsScoredOn(const Play& play) {
    const std::string_view text = play.text;
    return static_cast<int>(occurrences(text, " scored") + occurrences(text, "stole home") +
                            (text.find("homered") != npos ? 1 : 0));
}

PlayLines::Result TextPlayLines::next(std::string_view& line) {
    if (!lines_.next(line)) {
        return Result::kEnd;
    }
    return line.size() > kMaxPlayLineLength ? Result::kTooLong : Result::kLine;
}

PlayLines::Result StreamPlayLines::next(std::string_view& line) {
    switch (lines_.next(line_)) {
        case StreamLines::Result::Line:
            line = line_;
            return Result::kLine;
        case StreamLines::Result::End:
            return Result::kEnd;
        case StreamLines::Result::TooLong:
            break;
    }
    return Result::kTooLong;
}

PlayByPlayReader::PlayByPlayReader(PlayLines& lines, std::string_view partStart) : lines_(lines) {
    inPart_ = partStart.starts_with(kPlayByPlayHeading);
}

bool PlayByPlayReader::next(Play& play) {
    while (end_ == PlayByPlayEnd::kReading) {
        std::string_view line;
        switch (lines_.next(line)) {
            case PlayLines::Result::kLine:
                if (take(line, play)) {
                    return true;
                }
                break;
            case PlayLines::Result::kEnd:
                stop(inPart_ ? PlayByPlayEnd::kPartEnd : PlayByPlayEnd::kNoPlayByPlay);
                break;
            case PlayLines::Result::kTooLong:
                stop(PlayByPlayEnd::kLineTooLong);
                return false;
        }
    }
    if (end_ != PlayByPlayEnd::kPartEnd || !pending_) {
        return false;
    }
    handOut(play);
    return true;
}

void PlayByPlayReader::handOut(Play& play) {
    separatePitches(play_);
    swap(play, play_);
    pending_ = false;
}

// The line starts a new part when it holds a form feed (the text after it is the part's first
// line); the part is the play-by-play part once one of its lines begins with the heading.
void PlayByPlayReader::search(std::string_view line) {
    if (line.find('\f') != npos) {
        const std::size_t formFeed = line.rfind('\f');
        linesBefore_ += linesInPart_;
        linesInPart_ = 1;
        line.remove_prefix(formFeed + 1);
        if (linesBefore_ > kMaxLinesBeforePlayByPlay) {
            stop(PlayByPlayEnd::kNoPlayByPlay);
            return;
        }
    } else if (++linesInPart_ > kMaxPlayByPlayLines) {
        stop(PlayByPlayEnd::kTooManyLines);
        return;
    }
    inPart_ = line.starts_with(kPlayByPlayHeading);
}

bool PlayByPlayReader::take(std::string_view line, Play& play) {
    if (!inPart_) {
        search(line);
        return false;
    }
    if (line.find('\f') != npos) {
        stop(PlayByPlayEnd::kPartEnd);
        return false;
    }
    if (++linesInPart_ > kMaxPlayByPlayLines) {
        stop(PlayByPlayEnd::kTooManyLines);
        return false;
    }
    line = withoutEndBlanks(line);
    if (line.empty()) {
        return false;
    }
    // A play is complete when the next header or play line comes.
    if (line.starts_with(kHeaderStart)) {
        if (!readHeader(line, half_, inning_)) {
            stop(PlayByPlayEnd::kMalformedLine);
            return false;
        }
        inHalfInning_ = true;
        if (pending_) {
            handOut(play);
            return true;
        }
        return false;
    }
    if (!inHalfInning_) {
        // The heading's underline stands before the first header; a play there belongs to no
        // half-inning.
        if (readPlayLine(line, play)) {
            stop(PlayByPlayEnd::kMalformedLine);
        }
        return false;
    }
    const std::size_t indent = indentOf(line);
    if (indent == kChangeIndent) {
        return false;
    }
    if (indent == kContinuationIndent) {
        if (!pending_) {
            stop(PlayByPlayEnd::kMalformedLine);
            return false;
        }
        play_.text += ' ';
        play_.text.append(line.substr(kContinuationIndent));
        return false;
    }
    // The new play is read into the caller's storage, which then trades places with the
    // complete one.
    const bool complete = pending_;
    Play& fresh = complete ? play : play_;
    if (!readPlayLine(line, fresh)) {
        stop(PlayByPlayEnd::kMalformedLine);
        return false;
    }
    fresh.half = half_;
    fresh.inning = inning_;
    if (!complete) {
        pending_ = true;
        return false;
    }
    separatePitches(play_);
    swap(play, play_);
    return true;
}

}  // namespace quillbat
