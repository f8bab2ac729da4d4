#include "core/record_json.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

#include "core/text_encoding.h"

namespace quillbat {
namespace {

using Json = nlohmann::ordered_json;

// The float's own shortest decimal, held as the double of that decimal so that the JSON
// prints it unchanged (0.301f would otherwise print as 0.30099999904632568).
double shortestDecimal(float value) {
    char buffer[32];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double decimal = 0;
    std::from_chars(buffer, written.ptr, decimal);
    return decimal;
}

template <typename T, typename Convert>
Json perTeam(const PerTeam<T>& values, Convert convert) {
    return Json::array({convert(values[kVisitors]), convert(values[kHome])});
}

template <typename T>
Json perTeam(const PerTeam<T>& values) {
    return perTeam(values, [](const T& value) { return Json(value); });
}

Json text(const std::string& bytes) {
    return displayText(bytes);
}

Json batterJson(const Batter& batter) {
    Json json;
    json["batterName"] = text(batter.batterName);
    json["atBats"] = batter.atBats;
    json["runsScored"] = batter.runsScored;
    json["batterHits"] = batter.batterHits;
    json["runsBattedIn"] = batter.runsBattedIn;
    json["average"] = shortestDecimal(batter.average);
    json["doubles"] = batter.doubles;
    json["triples"] = batter.triples;
    json["homeRuns"] = batter.homeRuns;
    json["walks"] = batter.walks;
    json["seasonDoubles"] = batter.seasonDoubles;
    json["seasonTriples"] = batter.seasonTriples;
    json["seasonHomeRuns"] = batter.seasonHomeRuns;
    json["seasonRunsBattedIn"] = batter.seasonRunsBattedIn;
    json["rating"] = shortestDecimal(batter.rating);
    return json;
}

Json teamBatters(const GameRecord& record, Team team) {
    Json batters = Json::array();
    for (const Batter& batter : record.batters[team]) {
        batters.push_back(batterJson(batter));
    }
    return batters;
}

Json teamInningRuns(const GameRecord& record, Team team) {
    Json runs = Json::array();
    const std::vector<std::int16_t>& read = record.inningRuns[team];
    int innings = std::clamp<int>(record.innings, 0, kMaxInnings);
    for (std::size_t inning = 0; inning < static_cast<std::size_t>(innings); ++inning) {
        runs.push_back(inning < read.size() ? read[inning] : 0);
    }
    return runs;
}

// Stars by their slot in the team's batting table, 1..50; 50 also stands for no star, as the
// table's last slot is where the search for one starts.
Json starSlots(const PerTeam<std::optional<std::size_t>>& stars) {
    return perTeam(stars, [](const std::optional<std::size_t>& star) {
        return Json(star ? *star + 1 : std::size_t{kMaxBatters});
    });
}

// The facts of the game's story, names and text as the play-by-play prints them; null for none.
Json storyJson(const std::optional<GameStory>& story) {
    if (!story) {
        return nullptr;
    }
    Json json;
    json["category"] = storyCategoryName(story->category);
    json["inning"] = story->inning;
    json["half"] = story->half == Half::kTop ? "top" : "bottom";
    json["outs"] = story->outs;
    json["subject"] = text(story->subject);
    json["batter"] = text(story->batter);
    json["event"] = playEventName(story->event);
    json["runs"] = story->runs;
    json["score"] = {story->score.winner, story->score.loser};
    json["walkoff"] = story->walkoff;
    json["deficit"] = story->deficit;
    json["leadChanges"] = story->leadChanges;
    json["bigInning"] = story->bigInning;
    json["bigInningRuns"] = story->bigInningRuns;
    json["text"] = text(story->text);
    return json;
}

}  // namespace

std::string recordToJson(const BoxscoreReading& reading, StoryReading story) {
    const GameRecord& record = reading.record;
    const BoxscoreSections& sections = reading.sections;
    Json json;
    json["gameLabel"] = text(record.gameLabel);
    json["gameDate"] = text(record.gameDate);
    json["ballparkName"] = text(record.ballparkName);
    json["ballpark"] = text(record.ballpark);
    json["teamName"] = perTeam(record.teamName, text);
    json["innings"] = record.innings;
    json["inningRuns"] = {teamInningRuns(record, kVisitors), teamInningRuns(record, kHome)};
    json["runs"] = perTeam(record.runs);
    json["hits"] = perTeam(record.hits);
    json["errors"] = perTeam(record.errors);
    json["leftOnBase"] = perTeam(record.leftOnBase);
    json["doublePlays"] = perTeam(record.doublePlays);
    json["winTeam"] = teamNumber(record.winTeam());
    json["loseTeam"] = teamNumber(record.loseTeam());
    json["rainDelays"] = text(record.rainDelays);
    json["windSpeed"] = record.windSpeed;
    json["strongWind"] = record.strongWind;
    json["windText"] = text(record.windText);
    json["threatening"] = record.threatening;
    json["wetField"] = record.wetField;
    json["temperature"] = record.temperature.value_or(-99);
    json["winPitcher"] = text(record.winPitcher);
    json["winWins"] = record.winWins;
    json["winLosses"] = record.winLosses;
    json["winInnings"] = text(record.winInnings);
    json["winHits"] = record.winHits;
    json["winRuns"] = record.winRuns;
    json["winEarnedRuns"] = record.winEarnedRuns;
    json["winStrikeouts"] = record.winStrikeouts;
    json["winPitches"] = record.winPitches;
    json["winEra"] = record.winEra;
    json["losePitcher"] = text(record.losePitcher);
    json["loseWins"] = record.loseWins;
    json["loseLosses"] = record.loseLosses;
    json["loseInnings"] = text(record.loseInnings);
    json["savePitcher"] = text(record.savePitcher);
    json["saves"] = record.saves;
    json["lineScoreHeaderLine"] = sections.lineScoreHeaderLine;
    json["fullColumn"] = sections.fullColumn;
    json["firstFullHeaderLine"] = sections.firstFullHeaderLine;
    json["secondFullHeaderLine"] = sections.secondFullHeaderLine;
    json["battingHeaderLine"] = sections.battingHeaderLine;
    json["firstNotesLine"] = sections.firstNotesLine;
    json["weatherLine"] = sections.weatherLine;
    json["pitchingHeaderLine"] = sections.pitchingHeaderLine;
    json["pitchingEndLine"] = sections.pitchingEndLine;
    json["firstStar"] = starSlots(record.firstStar);
    json["secondStar"] = starSlots(record.secondStar);
    json["batters"] = {teamBatters(record, kVisitors), teamBatters(record, kHome)};
    json["inningCells"] = perTeam(record.inningCells, [](const std::vector<std::string>& cells) {
        Json texts = Json::array();
        for (const std::string& cell : cells) {
            texts.push_back(text(cell));
        }
        return texts;
    });
    if (story == StoryReading::kRead) {
        json["story"] = storyJson(record.story);
    }
    return json.dump();
}

}  // namespace quillbat
