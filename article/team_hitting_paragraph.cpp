#include "article/team_hitting_paragraph.h"

#include <array>
#include <string>

#include "article/number_word.h"

namespace quillbat {
namespace {

// The winning team's big hitting day, variants 0 to 12.
std::string bigDayOfWinners(int variant, const std::string& w, const std::string& l, int hits) {
    const std::string h = std::to_string(hits);
    switch (variant) {
        case 0:
            return "This was a torrid " + h + "-hit game for the " + w + ".  ";
        case 1:
            return "The " + w + " amassed " + h + " hits in the game.  ";
        case 2:
            return "The " + w + " racked up " + h + " hits in this one.  ";
        case 3:
            return "The " + w + " pounded out " + h + " hits off " + l + " pitching.  ";
        case 4:
            return "The " + w + " bats were sizzling, collecting " + h + " hits.  ";
        case 5:
            return "It was a " + h + "-hit outing for the " + w + ".  ";
        case 6:
            return "The " + w + " bats were on fire, pounding out " + h + " hits.  ";
        case 7:
            return "It was a " + h + "-hit performance by the " + w + " offense.  ";
        case 8:
            return "The " + w + " offense was hot, hammering out " + h + " hits in this contest.  ";
        case 9:
            return "The " + w + " attack was on fire, racking up " + h + " hits in this contest.  ";
        case 10:
            return "The " + w + " bats were rocking, clobbering " + h + " hits.  ";
        case 11:
            return "It was a " + h + "-hit thrashing by the " + w + " offense.  ";
        default:
            return "The " + w + " offense was blistering, belting out " + h +
                   " hits in this contest.  ";
    }
}
constexpr int kWinnerBigDayVariants = 13;

// The losing team's big hitting day, variants 0 to 4.
std::string bigDayOfLosers(int variant, const std::string& l, int hits) {
    const std::string h = std::to_string(hits);
    switch (variant) {
        case 0:
            return "It was a " + h + "-hit game for the " + l + " offense.  ";
        case 1:
            return "The " + l + " pounded out " + h + " hits in a losing effort.  ";
        case 2:
            return "It was a " + h + "-hit day in a losing effort for the " + l + ".  ";
        case 3:
            return "The " + l + " racked up " + h +
                   " hits, but came up short in the runs column.  ";
        default:
            return "The " + l + " offense collected " + h + " hits, but it wasn't enough.  ";
    }
}
constexpr int kLoserBigDayVariants = 5;

// Games of 11 innings or more never count as a big hitting day.
bool bigHittingGame(int hits, int innings) {
    return hits > 12 && innings < 11;
}

// The first that holds of double plays, errors and runners stranded; empty when none does.
std::string fieldingSentence(const GameRecord& record) {
    const Team winner = record.winTeam();
    const Team loser = record.loseTeam();
    if (record.doublePlays[winner] > 3) {
        return "In addition, they turned " + std::to_string(record.doublePlays[winner]) +
               " double-plays.  ";
    }
    if (record.errors[winner] > 3) {
        return "They overcame " + std::to_string(record.errors[winner]) +
               " errors to come out on top.  ";
    }
    if (record.errors[loser] > 3) {
        return "They took advantage of " + std::to_string(record.errors[loser]) +
               " errors by the " + record.teamName[loser] + ".  ";
    }
    // Runners left on base beyond the margin of defeat.
    if (record.leftOnBase[loser] - (record.runs[winner] - record.runs[loser]) > 9) {
        return "The " + record.teamName[loser] +
               " might have pulled it out had they not stranded " +
               getNumberWord(std::to_string(record.leftOnBase[loser])) + " runners.  ";
    }
    return {};
}

}  // namespace

void writeTeamHittingParagraph(const GameRecord& record, ArticleContext& context) {
    const std::string& winners = record.teamName[record.winTeam()];
    const std::string& losers = record.teamName[record.loseTeam()];
    const int hits = record.hits[record.winTeam()];
    const int loserHits = record.hits[record.loseTeam()];
    const bool winnersBigDay = bigHittingGame(hits, record.innings);
    const bool losersBigDay = bigHittingGame(loserHits, record.innings);

    if (winnersBigDay) {
        int variant = drawVariant(context.random, kWinnerBigDayVariants);
        context.article.append(bigDayOfWinners(variant, winners, losers, hits));
    }
    context.article.append(fieldingSentence(record));
    if (winnersBigDay && losersBigDay) {
        context.article.append(loserHits > hits
                                   ? "The " + losers + " had more hits but still lost the game.  "
                                   : "The " + losers + " also collected " +
                                         std::to_string(loserHits) + " hits in this slugfest.  ");
    } else if (losersBigDay) {
        int variant = drawVariant(context.random, kLoserBigDayVariants);
        context.article.append(bigDayOfLosers(variant, losers, loserHits));
    }
}

}  // namespace quillbat
