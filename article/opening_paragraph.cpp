#include "article/opening_paragraph.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "article/append_phrase.h"

namespace quillbat {

std::string_view temperatureCategory(std::optional<double> given) {
    if (!given) {
        return "none";
    }
    const double temperature = *given;
    if (temperature >= 100) {
        return "100";
    }
    if (temperature >= 95) {
        return "hot";
    }
    if (temperature >= 46 && temperature < 55) {
        return "chilly";
    }
    if (temperature < 46) {
        return "cold";
    }
    return "normal";
}

std::string_view gameType(std::int16_t visitorRuns, std::int16_t homeRuns, std::int16_t innings) {
    int r1 = visitorRuns;
    int r2 = homeRuns;
    int margin = std::abs(r1 - r2);
    std::string_view type = "normal";
    if (margin == r1 || (margin == r2 && margin > 4)) {
        type = "double";
    }
    if (margin > 6) {
        type = "rout";
    }
    if (r1 == 0 || r2 == 0) {
        type = "shutout";
    }
    if (margin < 3) {
        type = "close";
    }
    if (innings > 9) {
        type = "extra";
    }
    return type;
}

std::string degreesText(double temperature) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, temperature);
    return std::string(buffer, result.ptr);
}

namespace {

// The weather sentence: it closes the temperature phrase and opens the score sentence. Only
// the first condition that holds is told.
std::string weatherSentence(const GameRecord& record) {
    const std::string& label = record.gameLabel;
    const std::string& park = record.ballpark;
    if (!record.rainDelays.empty() && record.rainDelays.find("and") != std::string::npos) {
        return ".  " + label + "After " + record.rainDelays + "-minute rain delays at " + park +
               ", the ";
    }
    if (!record.rainDelays.empty()) {
        return ".  " + label + "After a " + record.rainDelays + "-minute rain delay at " + park +
               ", the ";
    }
    if (record.threatening) {
        return ".  " + label + "Under threatening skies at " + park + ", the ";
    }
    if (record.wetField) {
        return ".  " + label + "Having rained at " + park + " earlier, on a wet field the ";
    }
    if (record.strongWind) {
        return ".  " + label + "The wind was gusting " + record.windText + " at " + park +
               ".  The ";
    }
    return " at " + park + ".  " + label + "The ";
}

}  // namespace

void writeOpeningParagraph(const GameRecord& record, ArticleContext& context) {
    appendPhrase(context, "temperature.dat", temperatureCategory(record.temperature),
                 {{"degrees", record.temperature ? degreesText(*record.temperature) : ""},
                  {"date", record.gameDate}});
    context.article.append(weatherSentence(record));
    const Team winner = record.winTeam();
    const Team loser = record.loseTeam();
    appendPhrase(context, "score.dat",
                 gameType(record.runs[kVisitors], record.runs[kHome], record.innings),
                 {{"winners", record.teamName[winner]},
                  {"losers", record.teamName[loser]},
                  {"winRuns", std::to_string(record.runs[winner])},
                  {"loseRuns", std::to_string(record.runs[loser])},
                  {"numInnings", std::to_string(record.innings)}});
}

}  // namespace quillbat
