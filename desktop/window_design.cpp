#include "desktop/window_design.h"

#include "core/text_encoding.h"
#include "core/version.h"

namespace quillbat {
namespace {

// The team whose label this is, for the labels that take a team's colour.
std::optional<Team> teamOf(ScoreboardField field) {
    switch (field) {
        case ScoreboardField::VisitorsName:
        case ScoreboardField::VisitorsRuns:
        case ScoreboardField::VisitorsHits:
        case ScoreboardField::VisitorsErrors:
            return kVisitors;
        case ScoreboardField::HomeName:
        case ScoreboardField::HomeRuns:
        case ScoreboardField::HomeHits:
        case ScoreboardField::HomeErrors:
            return kHome;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> scoreboardText(const ScoreboardValues& values, ScoreboardField field) {
    switch (field) {
        case ScoreboardField::Ballpark:
            return displayText(values.ballparkName);
        case ScoreboardField::Date:
            return displayText(values.gameDate);
        case ScoreboardField::RunsHeading:
        case ScoreboardField::HitsHeading:
        case ScoreboardField::ErrorsHeading:
            return std::nullopt;
        case ScoreboardField::VisitorsName:
            return displayText(values.teamName[kVisitors]);
        case ScoreboardField::VisitorsRuns:
            return displayText(values.runs[kVisitors]);
        case ScoreboardField::VisitorsHits:
            return displayText(values.hits[kVisitors]);
        case ScoreboardField::VisitorsErrors:
            return displayText(values.errors[kVisitors]);
        case ScoreboardField::HomeName:
            return displayText(values.teamName[kHome]);
        case ScoreboardField::HomeRuns:
            return displayText(values.runs[kHome]);
        case ScoreboardField::HomeHits:
            return displayText(values.hits[kHome]);
        case ScoreboardField::HomeErrors:
            return displayText(values.errors[kHome]);
        case ScoreboardField::Innings:
            return displayText(values.innings);
    }
    return std::nullopt;
}

std::optional<Rgb> scoreboardColour(const ScoreboardValues& values, ScoreboardField field) {
    std::optional<Team> team = teamOf(field);
    if (!team || !values.leadingTeam) {
        return std::nullopt;
    }
    return *team == *values.leadingTeam ? kYellow : kWhite;
}

std::string paperProgressText(std::size_t done, std::size_t total) {
    return "Writing the league paper: " + std::to_string(done) + " of " + std::to_string(total) +
           (total == 1 ? " game" : " games");
}

std::string paperWrittenText(const std::string& folder, std::size_t days, std::size_t games) {
    return "The league paper of " + std::to_string(days) +
           (days == 1 ? " day and " : " days and ") + std::to_string(games) +
           (games == 1 ? " game" : " games") + " is in " + folder + ".";
}

std::string versionText() {
    return "Version " + std::string(programVersion());
}

}  // namespace quillbat
