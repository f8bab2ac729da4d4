#include "article/winning_pitcher_paragraph.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "article/append_phrase.h"
#include "article/number_word.h"
#include "boxscore/field_reading.h"

namespace quillbat {

std::string_view winnerRecordCategory(std::int16_t wins, std::int16_t losses) {
    const int w = wins;
    const int l = losses;
    if (w > 19) {
        return "twenty";
    }
    if (w - l > 10) {
        return "great";
    }
    if (w - l > 5) {
        return "gap";
    }
    if (l - w > 10) {
        return "dismal";
    }
    if (w - l == 1 && w > 3) {
        return "above";
    }
    if (w > l && w > 5) {
        return "raises";
    }
    if (w == l) {
        return "evens";
    }
    return "normal";
}

double inningsPitchedNumber(std::string_view inningsText) {
    return leadingNumber(inningsText);
}

double inningsValue(std::string_view inningsText) {
    const double number = leadingNumber(inningsText);
    // The game prints innings pitched as whole innings, a point and a thirds digit.
    if (inningsText.find('.') == std::string_view::npos) {
        return number;
    }
    const char last = inningsText.back();
    const int thirds = last >= '0' && last <= '9' ? last - '0' : 0;
    return std::floor(number) + thirds * 0.33333;
}

std::string_view eraAdjective(double era) {
    struct Band {
        double from;
        double to;
        std::string_view adjective;
    };
    // Each band runs from `from` to `to`, both included, tested in this order.
    static constexpr std::array<Band, 13> kBands{{
        {1.25, 1.4999, "a stunning "},
        {1.5, 1.7499, "a stellar "},
        {1.75, 1.9999, "a dominating "},
        {2.0, 2.1999, "an astounding "},
        {2.2, 2.3999, "a minute "},
        {2.4, 2.5999, "a phenomenal "},
        {2.6, 2.7999, "an awesome "},
        {2.8, 2.9999, "an exceptional "},
        {3.0, 3.09999, "a superb "},
        {3.1, 3.19999, "an outstanding "},
        {3.2, 3.29999, "an impressive "},
        {3.3, 3.39999, "a notable "},
        {3.4, 3.49999, "a nice "},
    }};
    if (era < 1.0) {
        return "a microscopic ";
    }
    if (era <= 1.24999) {
        return "a miniscule ";
    }
    for (const Band& band : kBands) {
        if (era >= band.from && era <= band.to) {
            return band.adjective;
        }
    }
    return {};
}

std::string formatEra(double era) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", era);
    return buffer;
}

namespace {

// The sentence on the outing, first that holds; empty when none does.
std::string outingSentence(const GameRecord& record) {
    const std::string& ip = record.winInnings;
    const double pitched = inningsPitchedNumber(ip);
    const int loserRuns = record.runs[record.loseTeam()];
    if (pitched == record.innings) {
        if (record.winHits == 0) {
            return "It was a NO-HITTER folks!!!  ";
        }
        if (record.winRuns == 0) {
            return "Give him a ShutOut!  ";
        }
        return "Credit him with a complete game!  ";
    }
    if (pitched > 6.0 && record.winHits == 2) {
        return "He pitched " + ip + " innings of two-hit ball.  ";
    }
    if (pitched > 6.0 && record.winHits == 1) {
        return "He tossed a one-hitter for his " + ip + " innings of work.  ";
    }
    if (pitched > 6.0 && record.winHits == 0) {
        return "He threw " + ip + " innings of no-hit ball.  ";
    }
    if (loserRuns > 0 && record.winEarnedRuns == 0 && pitched > 5.0) {
        return "He didn't allow an earned run in his " + ip + " innings of work.  ";
    }
    if (loserRuns > 1 && record.winEarnedRuns == 1 && pitched > 5.0) {
        return "He allowed only one earned run in " + ip + " innings.  ";
    }
    if (loserRuns > 2 && record.winEarnedRuns == 2 && pitched > 5.0) {
        return "He was charged with two earned runs in his " + ip + " innings of work.  ";
    }
    return {};
}

// The sentence on strikeouts or the pitch count, first that holds; empty when none does.
std::string strikeoutSentence(const GameRecord& record) {
    const std::string strikeouts = getNumberWord(std::to_string(record.winStrikeouts));
    const std::string pitches = std::to_string(record.winPitches);
    if (record.winStrikeouts > 7 && record.winPitches > 110) {
        return "He threw " + pitches + " pitches and struck out " + strikeouts + ".  ";
    }
    if (record.winStrikeouts > 7) {
        return "He struck out " + strikeouts + " batters in the victory.  ";
    }
    if (record.winPitches > 125) {
        return "He was a workhorse, throwing " + pitches + " pitches in this contest.  ";
    }
    return {};
}

constexpr std::array<std::string_view, 25> kEraOpenings{
    "His earned run average fell to ",
    "He improved his ERA to ",
    "This lowered his ERA to ",
    "His ERA dropped to ",
    "This took his ERA down to ",
    "He trimmed his ERA to ",
    "He reduced his ERA to ",
    "This pulled his ERA down to ",
    "His earned run average fell to ",
    "This dropped his earned run average to ",
    "He pared his ERA down to ",
    "He pruned his earned run average to ",
    "This decreased his ERA to ",
    "He diminished his ERA to ",
    "He downsized his ERA to ",
    "This shrunk his ERA down to ",
    "His earned run average lowered to ",
    "This lowered his earned run average to ",
    "He decreased his ERA down to ",
    "He compressed his earned run average to ",
    "He lessened his ERA to ",
    "He scaled down his ERA to ",
    "He decreased his ERA to ",
    "He lowered his ERA to ",
    "He dropped his ERA to ",
};

// The ERA sentence is told when this game pulled a good season figure of a pitcher with more
// than five decisions down. Without innings pitched there is no game ERA to compare.
bool eraWasLowered(const GameRecord& record) {
    const double innings = inningsValue(record.winInnings);
    if (innings == 0) {
        return false;
    }
    const double gameEra = record.winEarnedRuns * 9 / innings;
    return gameEra < record.winEra && record.winWins + record.winLosses > 5 && record.winEra < 4.0;
}

}  // namespace

void writeWinningPitcherParagraph(const GameRecord& record, ArticleContext& context) {
    appendPhrase(context, "pitch_won.dat", winnerRecordCategory(record.winWins, record.winLosses),
                 {{"winPitch", record.winPitcher},
                  {"wins", std::to_string(record.winWins)},
                  {"losses", std::to_string(record.winLosses)}});
    context.article.append(outingSentence(record));
    context.article.append(strikeoutSentence(record));
    if (eraWasLowered(record)) {
        const auto opening = static_cast<std::size_t>(
            drawVariant(context.random, static_cast<int>(kEraOpenings.size())));
        context.article.append(kEraOpenings[opening]);
        context.article.append(eraAdjective(record.winEra));
        context.article.append(formatEra(record.winEra) + ".  ");
    }
}

}  // namespace quillbat
