#include "boxscore/boxscore_reader.h"

#include "boxscore/batter_statistics.h"
#include "boxscore/batting_rows.h"
#include "boxscore/game_label.h"
#include "boxscore/inning_cells.h"
#include "boxscore/input_error.h"
#include "boxscore/play_by_play.h"
#include "boxscore/reading_loop.h"
#include "boxscore/text_lines.h"

namespace quillbat {
namespace {

constexpr std::size_t kExpectedLines = 112;

[[noreturn]] void refuseLongLine(const std::string& fileName, int lineNumber) {
    throw InputError(fileName, "line " + std::to_string(lineNumber) + " is longer than " +
                                   std::to_string(kMaxLineLength) + " characters");
}

BoxscoreReading startReading(const std::string& fileName) {
    BoxscoreReading reading;
    reading.sections.lines.reserve(kExpectedLines);
    reading.record.gameLabel = gameLabelFromFileName(fileName);
    return reading;
}

void finishReading(BoxscoreReading& reading, const ReadingLoop& loop, const std::string& fileName) {
    loop.finish();
    readInningCells(reading.sections, reading.record);
    readBattingRows(reading.sections, reading.record, fileName);
    completeBatterStatistics(reading.sections, reading.record);
}

// The story from the lines after the boxscore's form-feed line.
std::optional<GameStory> storyAfter(std::string_view formFeedLine, PlayLines& rest,
                                    const GameRecord& record) {
    PlayByPlayReader plays(rest, formFeedLine.substr(formFeedLine.rfind('\f') + 1));
    return readGameStory(plays, record);
}

}  // namespace

BoxscoreReading readBoxscore(std::istream& in, const std::string& fileName, StoryReading story) {
    BoxscoreReading reading = startReading(fileName);
    ReadingLoop loop(reading.record, reading.sections, fileName);
    StreamLines lines(in, kMaxLineLength);
    std::string line;
    bool atFormFeed = false;
    for (;;) {
        // Look one byte ahead rather than read a 201st line that is refused anyway.
        if (loop.nextLineNumber() > kMaxStoredLines && lines.hasMore()) {
            loop.take({});
        }
        StreamLines::Result result = lines.next(line);
        if (result == StreamLines::Result::End) {
            break;
        }
        if (result == StreamLines::Result::TooLong) {
            refuseLongLine(fileName, loop.nextLineNumber());
        }
        if (!loop.take(line)) {
            atFormFeed = true;
            break;
        }
    }
    finishReading(reading, loop, fileName);
    if (story == StoryReading::kRead && atFormFeed) {
        StreamPlayLines rest(in);
        reading.record.story = storyAfter(line, rest, reading.record);
    }
    return reading;
}

BoxscoreReading readBoxscore(std::string_view text, const std::string& fileName,
                             StoryReading story) {
    BoxscoreReading reading = startReading(fileName);
    ReadingLoop loop(reading.record, reading.sections, fileName);
    TextLines lines(text);
    std::string_view line;
    bool atFormFeed = false;
    while (lines.next(line)) {
        // A 201st line is refused for its number, however long it is, as the stream reading does.
        if (line.size() > kMaxLineLength && loop.nextLineNumber() <= kMaxStoredLines) {
            refuseLongLine(fileName, loop.nextLineNumber());
        }
        if (!loop.take(line)) {
            atFormFeed = true;
            break;
        }
    }
    finishReading(reading, loop, fileName);
    if (story == StoryReading::kRead && atFormFeed) {
        TextPlayLines rest(lines);
        reading.record.story = storyAfter(line, rest, reading.record);
    }
    return reading;
}

}  // namespace quillbat
