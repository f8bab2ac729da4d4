#include "fuzz/story_check.h"

#include <optional>
#include <sstream>
#include <string>

#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"
#include "boxscore/play_by_play.h"
#include "core/record_json.h"
#include "fuzz/fuzz_check_failure.h"

namespace quillbat::fuzzing {
namespace {

const std::string kFileName = "gm051.box";

struct Outcome {
    std::optional<BoxscoreReading> reading;
    std::string refusal;
};

template <typename Read>
Outcome outcomeOf(Read read) {
    try {
        return {read(), {}};
    } catch (const InputError& error) {
        return {std::nullopt, error.what()};
    }
}

void require(bool holds, const std::string& what) {
    if (!holds) {
        throw FuzzCheckFailure(what);
    }
}

// The score after the last play of the play-by-play part, as the plays themselves give it,
// or nothing when the part does not end as a story needs.
std::optional<PerTeam<int>> finalScoreOfThePlays(std::string_view input) {
    TextLines lines(input);
    std::string_view line;
    while (lines.next(line) && line.find('\f') == std::string_view::npos) {
    }
    TextPlayLines rest(lines);
    PlayByPlayReader plays(rest, line.substr(line.rfind('\f') + 1));
    Play play;
    std::optional<Play> last;
    while (plays.next(play)) {
        last = play;
    }
    if (!last || plays.end() != PlayByPlayEnd::kPartEnd) {
        return std::nullopt;
    }
    PerTeam<int> score = last->scoreBefore;
    score[last->battingTeam()] += runsScoredOn(*last);
    return score;
}

void checkStory(const GameStory& story, const GameRecord& record, std::string_view input) {
    const auto winner = record.winTeam();
    const auto loser = record.loseTeam();
    const std::optional<PerTeam<int>> final = finalScoreOfThePlays(input);
    require(final.has_value() && (*final)[kVisitors] == record.runs[kVisitors] &&
                (*final)[kHome] == record.runs[kHome],
            "a story whose plays do not end on the line score's runs");
    require(story.runs >= 1, "a decisive play that scores no run for the winner");
    require(story.score.winner > story.score.loser && story.score.winner <= record.runs[winner] &&
                story.score.loser <= record.runs[loser],
            "a score after the decisive play that is not a lead within the final score");
    require(story.outs >= 0 && story.outs <= 2, "outs outside 0-2");
    require(story.deficit >= 0 && story.leadChanges >= 0,
            "a negative deficit or number of lead changes");
    require(!story.walkoff || story.half == Half::kBottom, "a walk-off of the visitors");
    require(story.bigInning >= 1 && story.bigInning <= record.innings,
            "a biggest inning that is not one of the game's");
    require(story.batter.empty() || story.batter == story.subject,
            "a batter who is not the play's subject");
}

}  // namespace

void checkStoryInput(std::string_view input) {
    const Outcome plain = outcomeOf([&] { return readBoxscore(input, kFileName); });
    const Outcome withStory =
        outcomeOf([&] { return readBoxscore(input, kFileName, StoryReading::kRead); });
    require(plain.refusal == withStory.refusal, "reading the story changed the refusal: \"" +
                                                    plain.refusal + "\" and \"" +
                                                    withStory.refusal + "\"");
    if (!withStory.reading) {
        return;
    }
    require(recordToJson(*plain.reading) == recordToJson(*withStory.reading),
            "reading the story changed the record");
    std::istringstream stream{std::string(input)};
    const BoxscoreReading streamed = readBoxscore(stream, kFileName, StoryReading::kRead);
    const std::optional<GameStory>& story = withStory.reading->record.story;
    require(streamed.record.story == story, "the text and the stream tell different stories");
    if (story) {
        checkStory(*story, withStory.reading->record, input);
    }
}

}  // namespace quillbat::fuzzing
