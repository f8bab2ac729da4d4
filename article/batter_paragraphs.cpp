#include "article/batter_paragraphs.h"

#include <array>
#include <cstdio>

#include "article/append_phrase.h"
#include "article/number_word.h"

namespace quillbat {
namespace {

// The counts the category rows look at.
struct Day {
    int singles;
    int doubles;
    int triples;
    int homeRuns;
    int hits;
    int atBats;
    int runsBattedIn;
};

Day dayOf(const Batter& batter) {
    // The singles can come out negative when the notes credit more extra-base hits than the
    // batting line shows hits.
    return {batter.batterHits - batter.doubles - batter.triples - batter.homeRuns,
            batter.doubles,
            batter.triples,
            batter.homeRuns,
            batter.batterHits,
            batter.atBats,
            batter.runsBattedIn};
}

struct CategoryRow {
    std::string_view category;
    bool (*holds)(const Day&);
};

constexpr std::array<CategoryRow, 15> kFirstStarRows{{
    {"cycle",
     [](const Day& d) {
         return d.singles >= 1 && d.doubles >= 1 && d.triples >= 1 && d.homeRuns >= 1;
     }},
    {"HRs", [](const Day& d) { return d.homeRuns >= 2; }},
    {"Hits234", [](const Day& d) { return d.doubles >= 1 && d.triples >= 1 && d.homeRuns >= 1; }},
    {"Hits34", [](const Day& d) { return d.triples >= 1 && d.homeRuns >= 1 && d.hits >= 3; }},
    {"Hits24", [](const Day& d) { return d.doubles >= 1 && d.homeRuns >= 1 && d.hits >= 3; }},
    {"Hits23RBI",
     [](const Day& d) {
         return d.doubles >= 1 && d.triples >= 1 && d.hits >= 3 && d.runsBattedIn >= 1;
     }},
    {"Hits23", [](const Day& d) { return d.doubles >= 1 && d.triples >= 1 && d.hits >= 3; }},
    {"Hits4", [](const Day& d) { return d.homeRuns >= 1 && d.hits >= 2; }},
    {"Hits3RBI", [](const Day& d) { return d.triples >= 1 && d.hits >= 2 && d.runsBattedIn >= 1; }},
    {"Hits3", [](const Day& d) { return d.triples >= 1 && d.hits >= 2; }},
    {"Hits2RBI", [](const Day& d) { return d.doubles >= 1 && d.hits >= 2 && d.runsBattedIn >= 1; }},
    {"Hits2", [](const Day& d) { return d.doubles >= 1 && d.hits >= 2; }},
    {"RBI", [](const Day& d) { return d.runsBattedIn >= 1 && d.hits >= 2; }},
    {"oneHR", [](const Day& d) { return d.homeRuns == 1 && d.atBats >= 4; }},
    {"none", [](const Day& d) { return d.hits == 1 && d.atBats >= 4; }},
}};

constexpr std::array<CategoryRow, 6> kOtherStarRows{{
    {"cycle", kFirstStarRows[0].holds},
    {"HRs", kFirstStarRows[1].holds},
    {"Hits234", kFirstStarRows[2].holds},
    {"Hits34", kFirstStarRows[3].holds},
    {"Hits24", kFirstStarRows[4].holds},
    {"Hits4", [](const Day& d) { return d.homeRuns >= 1 && d.hits >= 3; }},
}};

template <std::size_t N>
std::string_view firstRowThatHolds(const std::array<CategoryRow, N>& rows, const Batter& batter,
                                   std::string_view otherwise) {
    const Day day = dayOf(batter);
    for (const CategoryRow& row : rows) {
        if (row.holds(day)) {
            return row.category;
        }
    }
    return otherwise;
}

PhraseTokens starTokens(const Batter& star, std::string_view teamToken, const std::string& team) {
    auto word = [](int count) { return getNumberWord(std::to_string(count)); };
    return {{"batter", star.batterName},
            {std::string(teamToken), team},
            {"gmH-AB", std::to_string(star.batterHits) + "-" + std::to_string(star.atBats)},
            {"gmHits", word(star.batterHits)},
            {"gmAB", word(star.atBats)},
            {"gm2B", word(star.doubles)},
            {"gm3B", word(star.triples)},
            {"gmHR", word(star.homeRuns)},
            {"gmRBI", word(star.runsBattedIn)}};
}

constexpr std::array<std::string_view, 16> kAverageOpenings{
    "His batting average is now ",
    "He improved his average to ",
    "He raised his average to ",
    "He upped his average to ",
    "His average increased to ",
    "He boosted his batting average to ",
    "His batting average climbed to ",
    "He strengthened his batting average to ",
    "His average rose to ",
    "He enhanced his batting average to ",
    "He heightened his average to ",
    "He upped his batting average to ",
    "His average elevated to ",
    "He elevated his batting average to ",
    "His batting average grew to ",
    "He magnified his batting average to ",
};

// The average sentence is told when a good hitter (.286 to .424) raised his average today. Both
// bounds and the game average are single precision, as the printed average is. Without an at
// bat there is no game average.
bool averageWasRaised(const Batter& batter) {
    if (batter.atBats == 0) {
        return false;
    }
    const float gameAverage =
        static_cast<float>(batter.batterHits) / static_cast<float>(batter.atBats);
    return gameAverage > batter.average && batter.average > 0.285f && batter.average < 0.425f;
}

const Batter* star(const GameRecord& record, Team team,
                   const PerTeam<std::optional<std::size_t>>& stars) {
    return stars[team] ? &record.batters[team].at(*stars[team]) : nullptr;
}

// A second winning star or losing star is written up only after a day rated over 1.99.
bool playedWellEnough(const Batter* batter) {
    return batter != nullptr && batter->rating > 1.99f;
}

}  // namespace

std::string_view firstStarCategory(const Batter& batter) {
    return firstRowThatHolds(kFirstStarRows, batter, "normal");
}

std::string_view otherStarCategory(const Batter& batter) {
    return firstRowThatHolds(kOtherStarRows, batter, "none");
}

std::string homeRunCategory(const Batter& batter) {
    std::string family;
    if (batter.homeRuns >= 2) {
        family = "mult";
    } else {
        switch (std::to_string(batter.seasonHomeRuns).back()) {
            case '1':
                family = "1";
                break;
            case '2':
                family = "2";
                break;
            case '3':
                family = "3";
                break;
            default:
                family = "o";
        }
    }
    const int rbi = batter.seasonRunsBattedIn;
    if (rbi >= 80 && batter.seasonTriples >= 7) {
        return family + "RBI3B";
    }
    if (rbi >= 80 && batter.seasonDoubles >= 30) {
        return family + "RBI2B";
    }
    if (rbi >= 80) {
        return family + "RBI";
    }
    if (batter.seasonTriples >= 5) {
        return family + "3B";
    }
    if (batter.seasonDoubles >= 25) {
        return family + "2B";
    }
    return family == "o" ? "other" : family;
}

std::string formatAverage(float average) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(average));
    std::string text = buffer;
    const std::size_t zero = text[0] == '-' ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0) {
        text.erase(zero, 1);
    }
    return text;
}

namespace {

// The winning first star's phrase with its home-run, walks and average sentences.
void writeFirstStar(const Batter& first, const std::string& winners, ArticleContext& context) {
    const std::string_view category = firstStarCategory(first);
    appendPhrase(context, "winner_1_batter.dat", category, starTokens(first, "winners", winners));
    if (category == "none") {
        return;
    }
    if (first.seasonHomeRuns >= 15) {
        appendPhrase(context, "homerun.dat", homeRunCategory(first),
                     {{"homeruns", std::to_string(first.seasonHomeRuns)},
                      {"triples", std::to_string(first.seasonTriples)},
                      {"doubles", std::to_string(first.seasonDoubles)},
                      {"rbi", std::to_string(first.seasonRunsBattedIn)}});
    }
    if (first.walks >= 3) {
        context.article.append("He also drew " + std::to_string(first.walks) + " walks.  ");
    }
    if (averageWasRaised(first)) {
        const auto opening = static_cast<std::size_t>(
            drawVariant(context.random, static_cast<int>(kAverageOpenings.size())));
        context.article.append(kAverageOpenings[opening]);
        context.article.append(formatAverage(first.average) + ".  ");
    }
}

}  // namespace

void writeBatterParagraphs(const GameRecord& record, ArticleContext& context) {
    const Team winner = record.winTeam();
    const Team loser = record.loseTeam();
    const std::string& winners = record.teamName[winner];

    // When no batter of the winning team rated above zero there is no first star, and no
    // sentence about him.
    if (const Batter* first = star(record, winner, record.firstStar)) {
        writeFirstStar(*first, winners, context);
    }
    const Batter* second = star(record, winner, record.secondStar);
    if (playedWellEnough(second)) {
        appendPhrase(context, "winner_2_batter.dat", otherStarCategory(*second),
                     starTokens(*second, "winners", winners));
    }
    const Batter* loserStar = star(record, loser, record.firstStar);
    if (playedWellEnough(loserStar)) {
        appendPhrase(context, "loser_1_batter.dat", otherStarCategory(*loserStar),
                     starTokens(*loserStar, "losers", record.teamName[loser]));
    }
}

}  // namespace quillbat
