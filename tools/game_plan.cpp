#include "tools/game_plan.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include "tools/dice.h"
#include "tools/game_plays.h"
#include "tools/score_plan.h"

namespace quillbat::generator {
namespace {

// Made-up surnames. None holds "2B", "3B", "HR", "BB", "-" or a blank, which the notes scan
// would take for a tag or a count.
constexpr std::array<std::string_view, 96> kSurnames = {
    "Abernale", "Alcorn",    "Ambrose",  "Arbuckle",  "Ashdown",  "Balfour",     "Barlowe",
    "Beckwith", "Bellamy",   "Birtwell", "Blakely",   "Brannock", "Brisco",      "Cadwell",
    "Calloway", "Carmody",   "Castell",  "Chalmers",  "Colquitt", "Corrigan",    "Crandall",
    "Dabney",   "Dallow",    "Delacy",   "Dimmock",   "Dorsett",  "Drummond",    "Eastlake",
    "Eckford",  "Elwood",    "Esposito", "Fairley",   "Farrow",   "Fenwick",     "Finnegan",
    "Fordyce",  "Galway",    "Garrity",  "Gilchrist", "Goodell",  "Granger",     "Haddock",
    "Halloran", "Hargrove",  "Hatcher",  "Hollis",    "Ibarra",   "Ingram",      "Jardine",
    "Jessup",   "Kavanagh",  "Keating",  "Kilgore",   "Kinsella", "Lachance",    "Langley",
    "Larkin",   "Ledford",   "Lomax",    "Lyndon",    "Macklin",  "Mallory",     "Marchetti",
    "Mayhew",   "Medford",   "Merrick",  "Nadeau",    "Nesbitt",  "Norcross",    "Oakley",
    "Ogilvie",  "Oldham",    "Padgett",  "Pelletier", "Pickford", "Plunkett",    "Quarles",
    "Radford",  "Ramsey",    "Redfern",  "Rigby",     "Rockwell", "Saltonstall", "Sandoval",
    "Sayer",    "Shelton",   "Sinclair", "Stroud",    "Tallis",   "Tennant",     "Thorne",
    "Trask",    "Underhill", "Vance",    "Waverly",   "Yardley"};

constexpr std::array<std::string_view, 12> kInitials = {",A", ",B", ",C", ",D", ",E", ",F",
                                                        ",G", ",J", ",K", ",M", ",R", ",T"};

// Nicknames of at most 15 characters, as the line score prints them.
constexpr std::array<std::string_view, 16> kNicknames = {
    "Griffins", "Bombers",   "Wahoos",       "Blues",     "Mud Dogs", "Fugitives",
    "Rivermen", "Ironclads", "Lumberjacks",  "Sea Lions", "Comets",   "Night Owls",
    "Miners",   "Harriers",  "Lamplighters", "Foxes"};

constexpr std::array<std::string_view, 10> kBallparks = {
    "Lakeside Park", "Fenway Park", "Ebbets Field", "Bennett Park",  "Neutral park",
    "Kingdome",      "Astrodome",   "Metrodome",    "Rogers Centre", "Harbor Grounds"};

constexpr std::array<std::string_view, 8> kWinds = {
    "in from right",  "out to left",   "left to right", "right to left",
    "in from center", "out to center", "in from left",  "out to right"};

constexpr std::array<std::string_view, 9> kPositions = {"c",  "1b", "2b", "3b", "ss",
                                                        "lf", "cf", "rf", "dh"};

// The kinds of day a featured batter can have, one for each batter category of the article.
enum class StarDay {
    kCycle,
    kTwoHomers,
    kDoubleTripleHomer,
    kTripleHomer,
    kDoubleHomer,
    kDoubleTriple,
    kHomer,
    kTriple,
    kDouble,
    kSingles,
    kLoneHomer,
    kOneHit,
    kQuiet,
};
// The featured day of the winners' batter: the multi-homer days come more often, since only
// they lead to the six home-run sentences of the "mult" family.
constexpr std::array<StarDay, 16> kFeaturedDays = {StarDay::kCycle,
                                                   StarDay::kTwoHomers,
                                                   StarDay::kTwoHomers,
                                                   StarDay::kTwoHomers,
                                                   StarDay::kDoubleTripleHomer,
                                                   StarDay::kTripleHomer,
                                                   StarDay::kDoubleHomer,
                                                   StarDay::kDoubleTriple,
                                                   StarDay::kHomer,
                                                   StarDay::kTriple,
                                                   StarDay::kDouble,
                                                   StarDay::kSingles,
                                                   StarDay::kLoneHomer,
                                                   StarDay::kOneHit,
                                                   StarDay::kQuiet,
                                                   StarDay::kQuiet};

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// Decides the game step by step: teams and score, lineups and featured stars, pitching staffs,
// then notes and weather. Every step draws from the one seeded source, in this order.
class GameMaker {
  public:
    GameMaker(std::uint32_t seed, BattingLayout layout) : dice_(seed), layout_(layout) {}

    GeneratedGame make() {
        chooseTeams();
        chooseScore();
        for (int team = 0; team < 2; ++team) {
            makeBatters(team);
        }
        featureStars();
        for (GeneratedTeam& team : game_.teams) {
            keepHittingWithinRuns(team, std::nullopt);
            finishTeamTotals(team);
        }
        makePitchers();
        playTheGame();
        chooseNotesAndWeather();
        return std::move(game_);
    }

  private:
    void chooseTeams() {
        std::string_view visitors = dice_.pick(kNicknames);
        std::string_view home = visitors;
        while (home == visitors) {
            home = dice_.pick(kNicknames);
        }
        game_.teams[0].nickname = visitors;
        game_.teams[1].nickname = home;
        game_.teams[0].code = std::string(visitors.substr(0, 3));
        game_.teams[1].code = std::string(home.substr(0, 3));
        int month = dice_.between(4, 10);
        int day = dice_.between(1, 28);
        game_.year = dice_.between(1995, 2030);
        std::string monthDay = std::to_string(month) + "/" + std::to_string(day) + "/";
        switch (dice_.between(0, 9)) {
            case 0:
                game_.date = std::to_string(month) + "-" + std::to_string(day) + "-" +
                             std::to_string(game_.year);
                break;
            case 1:
                game_.date = monthDay + twoDigits(game_.year % 100);
                break;
            default:
                game_.date = monthDay + std::to_string(game_.year);
                break;
        }
        game_.ballpark = std::string(dice_.pick(kBallparks));
    }

    void chooseScore() {
        ScorePlan plan = planScore(dice_);
        game_.innings = plan.innings;
        homeWins_ = plan.homeWins;
        winner_ = homeWins_ ? 1 : 0;
        for (std::size_t team = 0; team < 2; ++team) {
            game_.teams[team].runs = plan.runs[team];
            game_.teams[team].inningRuns = std::move(plan.cells[team]);
        }
        goAhead_ = std::move(plan.goAhead);
    }

    GeneratedTeam& winnerTeam() { return game_.teams[static_cast<std::size_t>(winner_)]; }
    GeneratedTeam& loserTeam() { return game_.teams[static_cast<std::size_t>(1 - winner_)]; }

    // ---- batters ----

    std::string freshName() {
        for (;;) {
            std::string name(dice_.pick(kSurnames));
            if (dice_.chance(30)) {
                name += dice_.pick(kInitials);
            }
            if (std::find(usedNames_.begin(), usedNames_.end(), name) == usedNames_.end()) {
                usedNames_.push_back(name);
                return name;
            }
        }
    }

    void makeBatters(int teamIndex) {
        GeneratedTeam& team = game_.teams[static_cast<std::size_t>(teamIndex)];
        bool hotBats = dice_.chance(25);
        int lineup = 9;
        int substitutes = dice_.between(0, 4);
        for (int slot = 0; slot < lineup + substitutes; ++slot) {
            GeneratedBatter line;
            line.name = freshName();
            line.substitute = slot >= lineup;
            line.enteredInning = line.substitute ? dice_.between(5, 9) : 0;
            line.position = line.substitute
                                ? (dice_.chance(70) ? "ph" : "pr")
                                : std::string(kPositions[static_cast<std::size_t>(slot)]);
            line.atBats = line.substitute ? dice_.between(0, 2) : dice_.between(3, 5);
            for (int atBat = 0; atBat < line.atBats; ++atBat) {
                if (dice_.chance(hotBats ? 45 : 25)) {
                    addHit(line, dice_.between(1, 100));
                }
            }
            line.walks = dice_.chance(25) ? dice_.between(1, 2) : 0;
            line.rbi = line.homeRuns + (dice_.chance(30) ? dice_.between(0, 2) : 0);
            line.strikeouts = dice_.between(0, std::max(0, line.atBats - line.hits));
            line.average = dice_.between(150, 340);
            giveSeasonTotals(line);
            team.batters.push_back(line);
        }
    }

    void addHit(GeneratedBatter& line, int roll) {
        ++line.hits;
        if (roll <= 10) {
            ++line.homeRuns;
        } else if (roll <= 13) {
            ++line.triples;
        } else if (roll <= 30) {
            ++line.doubles;
        }
    }

    void giveSeasonTotals(GeneratedBatter& line) {
        line.seasonDoubles = line.doubles + dice_.between(0, 34);
        line.seasonTriples = line.triples + dice_.between(0, 8);
        line.seasonHomeRuns = line.homeRuns + dice_.between(0, 40);
        line.seasonRbi = line.rbi + dice_.between(line.seasonHomeRuns, 120);
    }

    // One batter of the winners (and often of the losers) gets a day of a chosen kind, so every
    // batter category comes up across a few hundred games. On a quiet featured day the rest of
    // the lineup stays quieter still, so the featured batter is the one written about.
    void featureStars() {
        StarDay day = dice_.pick(kFeaturedDays);
        GeneratedTeam& winner = winnerTeam();
        GeneratedBatter& star = winner.batters[static_cast<std::size_t>(dice_.between(0, 8))];
        shapeDay(star, day);
        if (day >= StarDay::kSingles) {
            quietLineup(winner, star);
        }
        if (dice_.chance(30)) {
            GeneratedBatter& second = winner.batters[static_cast<std::size_t>(dice_.between(0, 8))];
            if (&second != &star && day < StarDay::kSingles) {
                shapeDay(second, static_cast<StarDay>(dice_.between(0, 7)));
            }
        }
        if (dice_.chance(60)) {
            GeneratedTeam& loser = loserTeam();
            shapeDay(loser.batters[static_cast<std::size_t>(dice_.between(0, 8))],
                     static_cast<StarDay>(dice_.between(0, 9)));
        }
    }

    void shapeDay(GeneratedBatter& line, StarDay day) {
        int singles = 0;
        line.doubles = 0;
        line.triples = 0;
        line.homeRuns = 0;
        int minimumAtBats = 0;
        bool drivesIn = dice_.chance(60);
        switch (day) {
            case StarDay::kCycle:
                singles = dice_.between(1, 2);
                line.doubles = line.triples = line.homeRuns = 1;
                break;
            case StarDay::kTwoHomers:
                line.homeRuns = dice_.chance(85) ? 2 : 3;
                singles = dice_.between(0, 1);
                line.triples = dice_.chance(40) ? 1 : 0;
                line.doubles = dice_.chance(50) ? 1 : 0;
                break;
            case StarDay::kDoubleTripleHomer:
                line.doubles = dice_.between(1, 2);
                line.triples = line.homeRuns = 1;
                break;
            case StarDay::kTripleHomer:
                line.triples = line.homeRuns = 1;
                singles = dice_.between(1, 2);
                break;
            case StarDay::kDoubleHomer:
                line.doubles = dice_.between(1, 2);
                line.homeRuns = 1;
                singles = dice_.between(0, 1);
                break;
            case StarDay::kDoubleTriple:
                line.doubles = line.triples = 1;
                singles = dice_.between(1, 2);
                break;
            case StarDay::kHomer:
                line.homeRuns = 1;
                singles = dice_.between(1, 2);
                break;
            case StarDay::kTriple:
                line.triples = 1;
                singles = 1;
                break;
            case StarDay::kDouble:
                line.doubles = 1;
                singles = dice_.between(1, 2);
                break;
            case StarDay::kSingles:
                singles = dice_.between(2, 3);
                break;
            case StarDay::kLoneHomer:
                line.homeRuns = 1;
                minimumAtBats = 4;
                break;
            case StarDay::kOneHit:
                if (dice_.chance(60)) {
                    singles = 1;
                } else {
                    line.doubles = 1;
                }
                minimumAtBats = 4;
                drivesIn = dice_.chance(30);
                break;
            case StarDay::kQuiet:
                singles = dice_.between(0, 1);
                line.homeRuns = singles == 0 && dice_.chance(40) ? 1 : 0;
                break;
        }
        line.hits = singles + line.doubles + line.triples + line.homeRuns;
        line.atBats = std::max({line.hits + dice_.between(0, 2), minimumAtBats, 1});
        if (day == StarDay::kQuiet) {
            line.atBats = std::min(line.atBats, 3);
        }
        line.rbi = line.homeRuns + (drivesIn ? dice_.between(1, 3) : 0);
        if (line.homeRuns == 0 && !drivesIn) {
            line.rbi = 0;
        }
        line.walks = dice_.chance(25) ? dice_.between(1, 4) : 0;
        if (line.hits == 0) {
            // A hitless day needs a walk to rate above nothing; the notes carry no single.
            line.walks = std::max(line.walks, 1);
        }
        if (line.doubles + line.triples + line.homeRuns + line.walks + line.rbi == 0) {
            line.walks = 1;  // named in the notes, so the batter is rated
        }
        line.average = pickAverage();
        giveStarSeason(line);
    }

    int pickAverage() {
        static constexpr std::array<int, 10> kEdges = {284, 285, 286, 300, 333,
                                                       350, 401, 424, 425, 426};
        return dice_.chance(60) ? dice_.pick(kEdges) : dice_.between(180, 450);
    }

    // Season totals for one row of the home-run sentence, picked among the rows today's hits
    // allow (the notes give a season total only for a kind of hit made today), with values at
    // the thresholds: 14 and 15 home runs and every last digit, 79 and 80 runs batted in, 4, 5
    // and 7 triples, 24, 25 and 30 doubles.
    void giveStarSeason(GeneratedBatter& line) {
        static constexpr std::array<int, 16> kHomeRuns = {14, 15, 16, 19, 20, 21, 22, 23,
                                                          24, 30, 31, 32, 33, 41, 42, 50};
        static constexpr std::array<int, 3> kManyRbi = {80, 95, 121};
        static constexpr std::array<int, 3> kFewerRbi = {45, 60, 79};
        enum Row { kRbiTriples, kRbiDoubles, kRbiOnly, kTriples, kDoubles, kPlain };
        std::vector<Row> rows = {kRbiOnly, kPlain};
        if (line.triples > 0) {
            rows.insert(rows.end(), {kRbiTriples, kTriples});
        }
        if (line.doubles > 0) {
            rows.insert(rows.end(), {kRbiDoubles, kDoubles});
        }
        Row row =
            rows[static_cast<std::size_t>(dice_.between(0, static_cast<int>(rows.size()) - 1))];
        bool manyRbi = row == kRbiTriples || row == kRbiDoubles || row == kRbiOnly;
        line.seasonHomeRuns = std::max(line.homeRuns, dice_.pick(kHomeRuns));
        line.seasonRbi = std::max({line.rbi, line.seasonHomeRuns,
                                   manyRbi ? dice_.pick(kManyRbi) : dice_.pick(kFewerRbi)});
        line.seasonTriples = std::max(line.triples, row == kRbiTriples ? dice_.between(7, 11)
                                                    : row == kTriples  ? dice_.between(5, 7)
                                                                       : dice_.between(1, 4));
        line.seasonDoubles = std::max(line.doubles, row == kRbiDoubles ? dice_.between(30, 41)
                                                    : row == kDoubles  ? dice_.between(25, 30)
                                                                       : dice_.between(10, 24));
    }

    void quietLineup(GeneratedTeam& team, const GeneratedBatter& star) {
        for (GeneratedBatter& line : team.batters) {
            if (&line == &star) {
                continue;
            }
            line.hits = std::min(line.hits, 1);
            line.doubles = line.triples = line.homeRuns = 0;
            line.walks = 0;
            line.rbi = line.hits == 0 && line.atBats > 0 && dice_.chance(20) ? 1 : 0;
            line.atBats = std::max(line.atBats, line.hits);
        }
    }

    // What the go-ahead play gave its batter, which his line keeps.
    struct Credit {
        std::size_t batter;
        int homeRuns;
        int rbi;
    };

    // A team hits no more homers than it scores runs, and drives in no more runs than it
    // scores; every batter drives in at least his homers. Extra homers become doubles.
    static void keepHittingWithinRuns(GeneratedTeam& team, std::optional<Credit> credit) {
        auto total = [&](int GeneratedBatter::*count) {
            int sum = 0;
            for (const GeneratedBatter& line : team.batters) {
                sum += line.*count;
            }
            return sum;
        };
        auto kept = [&](std::size_t b, int Credit::*count) {
            return credit && credit->batter == b ? (*credit).*count : 0;
        };
        const int otherRunsBattedIn = credit ? credit->rbi - credit->homeRuns : 0;
        for (std::size_t b = team.batters.size(); b-- > 0;) {
            GeneratedBatter& line = team.batters[b];
            while (line.homeRuns > kept(b, &Credit::homeRuns) &&
                   total(&GeneratedBatter::homeRuns) + otherRunsBattedIn > team.runs) {
                --line.homeRuns;
                ++line.doubles;
            }
        }
        for (std::size_t b = team.batters.size(); b-- > 0;) {
            GeneratedBatter& line = team.batters[b];
            while (line.rbi > std::max(line.homeRuns, kept(b, &Credit::rbi)) &&
                   total(&GeneratedBatter::rbi) > team.runs) {
                --line.rbi;
            }
        }
    }

    void finishTeamTotals(GeneratedTeam& team) {
        sumHits(team);
        for (GeneratedBatter& line : team.batters) {
            line.runs = line.hits + line.walks > 0 ? dice_.between(0, 2) : 0;
        }
        settleRuns(team);
        team.errors = dice_.chance(15) ? dice_.between(4, 5) : dice_.between(0, 2);
        team.leftOnBase = dice_.chance(20) ? dice_.between(11, 16) : dice_.between(2, 10);
        team.doublePlays = dice_.chance(10) ? dice_.between(4, 5) : dice_.between(0, 3);
    }

    // The batters' runs add up to the team's, each homer scoring its hitter; runs are taken
    // from the end of the list first.
    static void settleRuns(GeneratedTeam& team) {
        int runs = 0;
        for (GeneratedBatter& line : team.batters) {
            line.runs = std::max(line.runs, line.homeRuns);
            runs += line.runs;
        }
        for (std::size_t b = team.batters.size(); b-- > 0 && runs > team.runs;) {
            GeneratedBatter& line = team.batters[b];
            const int fewer = std::min(runs - team.runs, line.runs - line.homeRuns);
            line.runs -= fewer;
            runs -= fewer;
        }
        for (std::size_t b = 0; runs < team.runs; b = (b + 1) % team.batters.size()) {
            ++team.batters[b].runs;
            ++runs;
        }
    }

    static void sumHits(GeneratedTeam& team) {
        team.hits = 0;
        for (GeneratedBatter& line : team.batters) {
            line.hits = std::min(line.hits, line.atBats);
            team.hits += line.hits;
        }
    }

    // ---- pitchers ----

    struct Record {
        int wins;
        int losses;
    };

    Record winnerRecord() {
        switch (dice_.between(0, 7)) {
            case 0:
                return {dice_.between(20, 25), dice_.between(2, 9)};
            case 1: {
                int wins = dice_.between(12, 19);
                return {wins, dice_.between(0, wins - 11)};
            }
            case 2: {
                int wins = dice_.between(8, 19);
                return {wins, wins - dice_.between(6, std::min(10, wins))};
            }
            case 3: {
                int wins = dice_.between(1, 5);
                return {wins, wins + dice_.between(11, 14)};
            }
            case 4: {
                int wins = dice_.between(4, 15);
                return {wins, wins - 1};
            }
            case 5: {
                int wins = dice_.between(6, 17);
                return {wins, wins - dice_.between(2, 5)};
            }
            case 6: {
                int wins = dice_.between(1, 12);
                return {wins, wins};
            }
            default: {
                static constexpr std::array<Record, 7> kOthers = {
                    {{1, 0}, {2, 1}, {3, 2}, {2, 5}, {1, 4}, {5, 1}, {1, 11}}};
                return dice_.pick(kOthers);
            }
        }
    }

    Record loserRecord() {
        switch (dice_.between(0, 5)) {
            case 0: {
                int wins = dice_.between(8, 18);
                return {wins, std::max(1, wins - dice_.between(6, 10))};
            }
            case 1: {
                int losses = dice_.between(7, 16);
                return {std::max(0, losses - dice_.between(6, 10)), losses};
            }
            case 2: {
                int wins = dice_.between(4, 14);
                return {wins, wins + 1};
            }
            case 3: {
                int losses = dice_.between(6, 15);
                return {losses - dice_.between(2, 5), losses};
            }
            case 4: {
                int wins = dice_.between(1, 12);
                return {wins, wins};
            }
            default: {
                static constexpr std::array<Record, 6> kOthers = {
                    {{0, 1}, {3, 4}, {1, 2}, {5, 3}, {2, 4}, {6, 4}}};
                return dice_.pick(kOthers);
            }
        }
    }

    std::string eraText() {
        static constexpr std::array<int, 12> kEdges = {0,   99,  124, 125, 150, 200,
                                                       300, 349, 350, 399, 400, 9999};
        int hundredths = dice_.chance(25) ? dice_.pick(kEdges) : dice_.between(50, 600);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%d.%02d", hundredths / 100, hundredths % 100);
        return buffer;
    }

    GeneratedPitcher pitcher(int outs) {
        GeneratedPitcher line;
        line.name = freshName();
        line.outs = outs;
        int innings = std::max(1, outs / 3);
        line.hits = dice_.between(0, innings + 2);
        line.runs = dice_.between(0, std::min(line.hits + 1, 4));
        line.earnedRuns = dice_.between(0, line.runs);
        line.walks = dice_.between(0, 3);
        line.strikeouts = dice_.between(0, innings + 3);
        line.pitches = std::max(5, innings * 15 + dice_.between(-10, 15));
        line.era = eraText();
        return line;
    }

    void makePitchers() {
        int gameOuts = game_.innings * 3;
        GeneratedTeam& winner = winnerTeam();
        GeneratedTeam& loser = loserTeam();

        // The winners: a complete game now and then, or a starter and a bullpen.
        bool completeGame = dice_.chance(15);
        int starterOuts = completeGame ? gameOuts : std::min(gameOuts - 1, dice_.between(12, 24));
        GeneratedPitcher starter = pitcher(starterOuts);
        if (completeGame) {
            starter.hits = loser.hits;
            starter.runs = loser.runs;
            starter.earnedRuns = std::min(starter.runs, dice_.between(0, loser.runs));
            starter.pitches = dice_.between(95, 140);
        } else if (dice_.chance(30)) {
            starter.hits = dice_.between(0, 2);  // a few hits over many innings
            starter.earnedRuns = std::min(starter.earnedRuns, 2);
        }
        starter.strikeouts = dice_.chance(30) ? dice_.between(8, 13) : starter.strikeouts;
        if (dice_.chance(20)) {
            starter.pitches = dice_.between(108, 135);
        }
        winner.pitchers.push_back(starter);
        int outsLeft = gameOuts - starterOuts;
        while (outsLeft > 0) {
            int outs = std::min(outsLeft, dice_.between(1, 6));
            winner.pitchers.push_back(pitcher(outs));
            outsLeft -= outs;
        }
        won_ = winnerRecord();

        // The losers: a starter and a bullpen. They record every out of the winners' turns:
        // none in the ninth the home team did not need, only those before a walk-off.
        int loserOutsLeft = homeWins_ ? gameOuts - 3 + goAhead_.walkoffOuts.value_or(0) : gameOuts;
        while (loserOutsLeft > 0) {
            int outs = loser.pitchers.empty() ? std::min(loserOutsLeft, dice_.between(2, 24))
                                              : std::min(loserOutsLeft, dice_.between(1, 7));
            loser.pitchers.push_back(pitcher(outs));
            loserOutsLeft -= outs;
        }
        lost_ = loserRecord();
    }

    // ---- the play-by-play and the boxscore that agrees with it ----

    void playTheGame() {
        PlayedGame played = playGame(game_, goAhead_, dice_);
        game_.playByPlay = std::move(played.halves);
        game_.goAhead = played.goAhead;
        const auto winner = static_cast<std::size_t>(winner_);
        if (played.goAheadBatter && creditsRunsBattedIn(played.goAheadKind)) {
            GeneratedTeam& team = winnerTeam();
            const std::size_t batter = *played.goAheadBatter;
            creditGoAhead(team.batters[batter], played.goAheadKind, played.goAheadRuns);
            const int homer = played.goAheadKind == PlayKind::kHomer ? 1 : 0;
            keepHittingWithinRuns(team, Credit{batter, homer, played.goAheadRuns});
            settleRuns(team);
            sumHits(team);
            goAheadBatter_ = team.batters[batter].name;
        }
        for (std::size_t team = 0; team < 2; ++team) {
            std::vector<GeneratedBatter>& batters = game_.teams[team].batters;
            for (std::size_t b = 9; b < batters.size(); ++b) {
                if (played.inningEntered[team][b] > 0) {
                    batters[b].enteredInning = played.inningEntered[team][b];
                }
            }
            chargeRuns(game_.teams[team].pitchers, played.runsAllowed[team],
                       game_.teams[1 - team].hits);
        }
        decide(played.pitcherAtGoAhead[winner], played.pitcherAtGoAhead[1 - winner]);
    }

    // Kinds of go-ahead play whose batter is credited with the runs batted in (not an error,
    // a double play or a play without a batter).
    static bool creditsRunsBattedIn(PlayKind kind) {
        return kind != PlayKind::kReachedOnError && kind != PlayKind::kDoublePlayRun &&
               hasBatter(kind);
    }

    // The go-ahead batter's line holds the hit or walk and the runs batted in of his play.
    static void creditGoAhead(GeneratedBatter& line, PlayKind kind, int runs) {
        switch (kind) {
            case PlayKind::kHomer:
                ++line.homeRuns;
                break;
            case PlayKind::kTriple:
                ++line.triples;
                break;
            case PlayKind::kDouble:
            case PlayKind::kDoubleAll:
                ++line.doubles;
                break;
            case PlayKind::kWalk:
                ++line.walks;
                break;
            default:
                break;
        }
        const bool hit = kind == PlayKind::kHomer || kind == PlayKind::kTriple ||
                         kind == PlayKind::kDouble || kind == PlayKind::kDoubleAll ||
                         kind == PlayKind::kSingle || kind == PlayKind::kSingleHold;
        if (hit) {
            ++line.hits;
            line.atBats = std::max(line.atBats, line.hits);
        }
        line.rbi = std::max(line.rbi + runs, line.homeRuns);
        line.seasonHomeRuns = std::max(line.seasonHomeRuns, line.homeRuns);
        line.seasonTriples = std::max(line.seasonTriples, line.triples);
        line.seasonDoubles = std::max(line.seasonDoubles, line.doubles);
        line.seasonRbi = std::max(line.seasonRbi, line.rbi);
    }

    // Each pitcher's runs are those scored while he was on the mound, his earned runs no more;
    // the hits the staff allowed are the other team's, shared out as his line had them.
    static void chargeRuns(std::vector<GeneratedPitcher>& staff, const std::vector<int>& runs,
                           int hits) {
        int drawnHits = 0;
        for (std::size_t p = 0; p < staff.size(); ++p) {
            staff[p].runs = runs[p];
            staff[p].earnedRuns = std::min(staff[p].earnedRuns, runs[p]);
            drawnHits += staff[p].hits;
        }
        int hitsLeft = hits;
        for (GeneratedPitcher& pitcher : staff) {
            pitcher.hits = drawnHits == 0 ? 0 : pitcher.hits * hits / drawnHits;
            hitsLeft -= pitcher.hits;
        }
        for (std::size_t p = staff.size() - 1; hitsLeft > 0;
             p = p == 0 ? staff.size() - 1 : p - 1) {
            ++staff[p].hits;
            --hitsLeft;
        }
    }

    // The win to the winners' pitcher of record at the go-ahead play, the loss to the losers'
    // pitcher on the mound then, a save (and a hold before it) to the winners' last pitcher.
    void decide(std::size_t winning, std::size_t losing) {
        std::vector<GeneratedPitcher>& winners = winnerTeam().pitchers;
        winners[winning].decision = (winning > 0 && dice_.chance(5) ? "BS 1, W " : "W ") +
                                    std::to_string(won_.wins) + "-" + std::to_string(won_.losses);
        std::size_t closer = winners.size() - 1;
        if (closer > winning && dice_.chance(70)) {
            static constexpr std::array<int, 17> kSaves = {1,  2,  5,  9,  10, 11, 14, 19, 20,
                                                           21, 22, 23, 24, 30, 31, 33, 42};
            winners[closer].decision = "S " + std::to_string(dice_.pick(kSaves));
            if (closer > winning + 1 && dice_.chance(50)) {
                winners[closer - 1].decision = "H " + std::to_string(dice_.between(1, 9));
            }
        }
        loserTeam().pitchers[losing].decision = (dice_.chance(5) ? "BS 1, L " : "L ") +
                                                std::to_string(lost_.wins) + "-" +
                                                std::to_string(lost_.losses);
    }

    // ---- notes, substitutions, fielding and weather ----

    void chooseNotesAndWeather() {
        for (GeneratedTeam& team : game_.teams) {
            for (int error = 0; error < team.errors; ++error) {
                game_.errorNames.push_back(
                    team.batters[static_cast<std::size_t>(dice_.between(0, 8))].name);
            }
            for (GeneratedBatter& batter : team.batters) {
                batter.putouts = dice_.between(0, 9);
                batter.assists = dice_.between(0, 4);
            }
        }
        int kind = dice_.between(0, 99);
        if (kind >= 3) {
            game_.gameWinningRbi = goAheadBatter_;
        }
        // Without a weather line the temperature reads as none after a GWRBI line and as 0
        // without one. The notes range ends at the weather line, so a side-by-side game never
        // lacks both: its notes would not be read at all.
        bool notesStillRead =
            !game_.gameWinningRbi.empty() || layout_ == BattingLayout::kFullColumn;
        if (kind < 8 && notesStillRead) {
            return;
        }
        chooseWeather();
    }

    void chooseWeather() {
        std::vector<std::string> parts = {"Temperature: " + std::to_string(temperature())};
        if (dice_.chance(12)) {
            parts.push_back("Field: wet");
        }
        bool threatening = dice_.chance(12);
        parts.push_back(threatening ? "Sky: threatening"
                                    : (dice_.chance(50) ? "Sky: clear" : "Sky: cloudy"));
        int speed = dice_.chance(25) ? dice_.between(19, 30) : dice_.between(0, 18);
        parts.push_back(speed == 0 ? "Wind: none"
                                   : "Wind: " + std::string(dice_.pick(kWinds)) + " at " +
                                         std::to_string(speed) + " MPH");
        std::string weather;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            weather += (i == 0 ? "" : ", ") + parts[i];
        }
        if (dice_.chance(12)) {
            std::string delays = dice_.chance(40)
                                     ? std::to_string(dice_.between(10, 60)) + " and " +
                                           std::to_string(dice_.between(10, 60))
                                     : std::to_string(dice_.between(10, 99));
            // The wind then ends in "MPH, " and the delays wrap onto a line of their own.
            game_.weatherLines = {weather + ", ", "Rain Delays: " + delays + " minutes."};
        } else {
            game_.weatherLines = {weather + "."};
        }
    }

    int temperature() {
        switch (dice_.between(0, 9)) {
            case 0:
                return dice_.between(100, 106);
            case 1:
                return dice_.between(95, 99);
            case 2:
                return dice_.between(46, 54);
            case 3:
                return dice_.between(28, 45);
            default:
                return dice_.between(55, 94);
        }
    }

    Dice dice_;
    BattingLayout layout_;
    GeneratedGame game_;
    std::vector<std::string> usedNames_;
    int winner_ = 1;  // index into game_.teams
    bool homeWins_ = true;
    GoAheadPlan goAhead_;
    Record won_{};
    Record lost_{};
    std::string goAheadBatter_;  // credited with the go-ahead runs batted in
};

}  // namespace

GeneratedGame planGame(std::uint32_t seed, BattingLayout layout) {
    return GameMaker(seed, layout).make();
}

}  // namespace quillbat::generator
