#include "tests/support/boxscore_generator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string_view>
#include <tuple>
#include <vector>

namespace quillbat::testing {
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

// Draws from the seed alone; the modulo keeps the numbers the same with every standard library.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    int between(int low, int high) {
        return low + static_cast<int>(engine_() % static_cast<std::uint32_t>(high - low + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(N) - 1))];
    }

  private:
    std::mt19937 engine_;
};

struct BatLine {
    std::string name;
    std::string position;
    bool substitute = false;
    int atBats = 0;
    int runs = 0;
    int hits = 0;
    int rbi = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int walks = 0;
    int strikeouts = 0;
    int average = 0;  // thousandths
    int seasonDoubles = 0;
    int seasonTriples = 0;
    int seasonHomeRuns = 0;
    int seasonRbi = 0;
};

struct PitchLine {
    std::string name;
    std::string decision;
    int outs = 0;
    int hits = 0;
    int runs = 0;
    int earnedRuns = 0;
    int walks = 0;
    int strikeouts = 0;
    int pitches = 0;
    std::string era;
};

struct Team {
    std::string code;
    std::string nickname;
    std::vector<BatLine> batters;
    std::vector<PitchLine> pitchers;
    std::vector<std::string> inningRuns;
    int runs = 0;
    int hits = 0;
    int errors = 0;
    int leftOnBase = 0;
    int doublePlays = 0;
};

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
constexpr int kStarDays = 13;

std::string format(const char* pattern, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string averageText(int thousandths) {
    if (thousandths >= 1000) {
        return "1.000";
    }
    return "." + format("%03d", thousandths);
}

std::string inningsText(int outs) {
    return std::to_string(outs / 3) + "." + std::to_string(outs % 3);
}

class GameMaker {
  public:
    GameMaker(std::uint32_t seed, const GeneratorOptions& options)
        : dice_(seed), options_(options) {}

    std::string make() {
        chooseTeams();
        chooseScore();
        for (int team = 0; team < 2; ++team) {
            makeBatters(team);
        }
        featureStars();
        for (Team& team : teams_) {
            finishTeamTotals(team);
        }
        makePitchers();
        writeAll();
        return text_;
    }

  private:
    // ---- the game ----

    void chooseTeams() {
        std::string_view visitors = dice_.pick(kNicknames);
        std::string_view home = visitors;
        while (home == visitors) {
            home = dice_.pick(kNicknames);
        }
        teams_[0].nickname = visitors;
        teams_[1].nickname = home;
        teams_[0].code = std::string(visitors.substr(0, 3));
        teams_[1].code = std::string(home.substr(0, 3));
        month_ = dice_.between(4, 10);
        day_ = dice_.between(1, 28);
        year_ = dice_.between(1995, 2030);
    }

    void chooseScore() {
        innings_ = 9;
        int loser = 0;
        int winner = 0;
        switch (dice_.between(0, 5)) {
            case 0:  // close
                loser = dice_.between(0, 6);
                winner = loser + dice_.between(1, 2);
                break;
            case 1: {  // a margin of 3 to 6, never exactly double
                loser = dice_.between(1, 6);
                int margin = dice_.between(3, 6);
                if (margin == loser) {
                    margin = margin == 6 ? 5 : margin + 1;
                }
                winner = loser + margin;
                break;
            }
            case 2:  // the winner scores twice the loser's runs
                loser = dice_.between(3, 6);
                winner = 2 * loser;
                break;
            case 3:  // rout
                loser = dice_.between(1, 5);
                winner = loser + dice_.between(7, 12);
                break;
            case 4:  // shutout
                winner = dice_.between(3, 12);
                break;
            default:  // extra innings, a few long ones
                innings_ = dice_.chance(80) ? dice_.between(10, 12) : dice_.between(13, 20);
                loser = dice_.between(0, 6);
                winner = loser + (dice_.chance(80) ? 1 : dice_.between(2, 5));
                break;
        }
        bool doubled = winner == 2 * loser && loser > 0;
        homeWins_ = doubled && loser < 5 ? true : dice_.chance(55);
        winner_ = homeWins_ ? 1 : 0;
        winnerTeam().runs = winner;
        loserTeam().runs = loser;
        spreadRuns();
    }

    Team& winnerTeam() { return teams_[static_cast<std::size_t>(winner_)]; }
    Team& loserTeam() { return teams_[static_cast<std::size_t>(1 - winner_)]; }

    // The loser's runs fall in regulation; the winner's lead comes in the last inning it bats,
    // and a home team ahead after the top of the ninth does not bat ("x").
    void spreadRuns() {
        for (Team& team : teams_) {
            team.inningRuns.assign(static_cast<std::size_t>(innings_), "0");
        }
        int regulation = std::min(innings_, 9);
        auto scatter = [&](Team& team, int runs, int lastInning) {
            std::vector<int> perInning(static_cast<std::size_t>(innings_), 0);
            for (int run = 0; run < runs; ++run) {
                ++perInning[static_cast<std::size_t>(dice_.between(0, lastInning - 1))];
            }
            for (std::size_t i = 0; i < perInning.size(); ++i) {
                team.inningRuns[i] = std::to_string(perInning[i]);
            }
        };
        Team& loser = loserTeam();
        Team& winner = winnerTeam();
        scatter(loser, loser.runs, regulation);
        if (innings_ > 9) {
            scatter(winner, loser.runs, regulation);
            int last = innings_ - 1;
            winner.inningRuns[static_cast<std::size_t>(last)] =
                std::to_string(winner.runs - loser.runs);
        } else if (homeWins_) {
            scatter(winner, winner.runs, 8);
            winner.inningRuns[8] = "x";
        } else {
            scatter(winner, winner.runs, 9);
        }
    }

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
        Team& team = teams_[static_cast<std::size_t>(teamIndex)];
        bool hotBats = dice_.chance(25);
        int lineup = 9;
        int substitutes = dice_.between(0, 4);
        for (int slot = 0; slot < lineup + substitutes; ++slot) {
            BatLine line;
            line.name = freshName();
            line.substitute = slot >= lineup;
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

    void addHit(BatLine& line, int roll) {
        ++line.hits;
        if (roll <= 10) {
            ++line.homeRuns;
        } else if (roll <= 13) {
            ++line.triples;
        } else if (roll <= 30) {
            ++line.doubles;
        }
    }

    void giveSeasonTotals(BatLine& line) {
        line.seasonDoubles = line.doubles + dice_.between(0, 34);
        line.seasonTriples = line.triples + dice_.between(0, 8);
        line.seasonHomeRuns = line.homeRuns + dice_.between(0, 40);
        line.seasonRbi = line.rbi + dice_.between(line.seasonHomeRuns, 120);
    }

    // One batter of the winners (and often of the losers) gets a day of a chosen kind, so every
    // batter category comes up across a few hundred games. On a quiet featured day the rest of
    // the lineup stays quieter still, so the featured batter is the one written about.
    void featureStars() {
        auto day = static_cast<StarDay>(dice_.between(0, kStarDays - 1));
        Team& winner = winnerTeam();
        BatLine& star = winner.batters[static_cast<std::size_t>(dice_.between(0, 8))];
        shapeDay(star, day);
        if (day >= StarDay::kSingles) {
            quietLineup(winner, star);
        }
        if (dice_.chance(30)) {
            BatLine& second = winner.batters[static_cast<std::size_t>(dice_.between(0, 8))];
            if (&second != &star && day < StarDay::kSingles) {
                shapeDay(second, static_cast<StarDay>(dice_.between(0, 7)));
            }
        }
        if (dice_.chance(60)) {
            Team& loser = loserTeam();
            shapeDay(loser.batters[static_cast<std::size_t>(dice_.between(0, 8))],
                     static_cast<StarDay>(dice_.between(0, 9)));
        }
    }

    void shapeDay(BatLine& line, StarDay day) {
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
                line.triples = dice_.chance(15) ? 1 : 0;
                line.doubles = dice_.chance(25) ? 1 : 0;
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

    // Season totals around the thresholds of the home-run sentence: 14 and 15 home runs, every
    // last digit, 79 and 80 runs batted in, 4 to 7 triples, 24 to 30 doubles.
    void giveStarSeason(BatLine& line) {
        static constexpr std::array<int, 16> kHomeRuns = {14, 15, 16, 19, 20, 21, 22, 23,
                                                          24, 30, 31, 32, 33, 41, 42, 50};
        static constexpr std::array<int, 6> kRbi = {45, 60, 79, 80, 95, 121};
        static constexpr std::array<int, 6> kTriples = {3, 4, 5, 6, 7, 11};
        static constexpr std::array<int, 6> kDoubles = {12, 24, 25, 29, 30, 41};
        line.seasonHomeRuns = std::max(line.homeRuns, dice_.pick(kHomeRuns));
        line.seasonRbi = std::max({line.rbi, line.seasonHomeRuns, dice_.pick(kRbi)});
        line.seasonTriples = std::max(line.triples, dice_.pick(kTriples));
        line.seasonDoubles = std::max(line.doubles, dice_.pick(kDoubles));
    }

    void quietLineup(Team& team, const BatLine& star) {
        for (BatLine& line : team.batters) {
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

    void finishTeamTotals(Team& team) {
        team.hits = 0;
        for (BatLine& line : team.batters) {
            line.hits = std::min(line.hits, line.atBats);
            team.hits += line.hits;
        }
        int runsLeft = team.runs;
        for (BatLine& line : team.batters) {
            line.runs = std::min(runsLeft, line.hits + line.walks > 0 ? dice_.between(0, 2) : 0);
            runsLeft -= line.runs;
        }
        team.errors = dice_.chance(15) ? dice_.between(4, 5) : dice_.between(0, 2);
        team.leftOnBase = dice_.chance(20) ? dice_.between(11, 16) : dice_.between(2, 10);
        team.doublePlays = dice_.chance(10) ? dice_.between(4, 5) : dice_.between(0, 3);
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

    PitchLine pitcher(int outs) {
        PitchLine line;
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
        int gameOuts = innings_ * 3;
        Team& winner = winnerTeam();
        Team& loser = loserTeam();

        // The winners: a complete game now and then, or a starter and a bullpen.
        bool completeGame = dice_.chance(15);
        int starterOuts = completeGame ? gameOuts : std::min(gameOuts - 1, dice_.between(12, 24));
        PitchLine starter = pitcher(starterOuts);
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
        Record won = winnerRecord();
        std::size_t winnerIndex = completeGame || dice_.chance(75)
                                      ? 0
                                      : static_cast<std::size_t>(dice_.between(
                                            1, static_cast<int>(winner.pitchers.size()) - 1));
        PitchLine& winning = winner.pitchers[winnerIndex];
        winning.decision = (dice_.chance(5) && winnerIndex > 0 ? "BS 1, W " : "W ") +
                           std::to_string(won.wins) + "-" + std::to_string(won.losses);
        std::size_t closer = winner.pitchers.size() - 1;
        if (closer > winnerIndex && dice_.chance(70)) {
            static constexpr std::array<int, 17> kSaves = {1,  2,  5,  9,  10, 11, 14, 19, 20,
                                                           21, 22, 23, 24, 30, 31, 33, 42};
            winner.pitchers[closer].decision = "S " + std::to_string(dice_.pick(kSaves));
            if (closer > winnerIndex + 1 && dice_.chance(50)) {
                winner.pitchers[closer - 1].decision = "H " + std::to_string(dice_.between(1, 9));
            }
        }

        // The losers: a starter and a bullpen, the loss to the starter most of the time.
        int loserOutsLeft = homeWins_ && innings_ == 9 ? gameOuts - 3 : gameOuts;
        while (loserOutsLeft > 0) {
            int outs = loser.pitchers.empty() ? std::min(loserOutsLeft, dice_.between(2, 24))
                                              : std::min(loserOutsLeft, dice_.between(1, 7));
            loser.pitchers.push_back(pitcher(outs));
            loserOutsLeft -= outs;
        }
        Record lost = loserRecord();
        std::size_t loserIndex = dice_.chance(75)
                                     ? 0
                                     : static_cast<std::size_t>(dice_.between(
                                           0, static_cast<int>(loser.pitchers.size()) - 1));
        loser.pitchers[loserIndex].decision = (dice_.chance(5) ? "BS 1, L " : "L ") +
                                              std::to_string(lost.wins) + "-" +
                                              std::to_string(lost.losses);
    }

    // ---- writing ----

    void line(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }

    void writeAll() {
        std::string firstLine = dateText() + ", " + teams_[0].code + format("%02d", year_ % 100) +
                                "-" + teams_[1].code + format("%02d", year_ % 100) + ", " +
                                std::string(dice_.pick(kBallparks));
        line(firstLine);
        line(" ");
        writeLineScore();
        line(" ");
        if (options_.layout == BattingLayout::kSideBySide) {
            writeSideBySide();
        } else {
            writeFullColumn(teams_[0]);
            writeFullColumn(teams_[1]);
        }
        writePitching(teams_[0]);
        writePitching(teams_[1]);
        writeSubstitutions();
        writeNotes();
        writeWeather();
        // The scoresheet page follows the form feed; the reader stops at that line.
        line("\f" + firstLine);
        line(" ");
        line("Scoresheet");
    }

    std::string dateText() {
        int form = dice_.between(0, 9);
        if (form == 0) {
            return std::to_string(month_) + "-" + std::to_string(day_) + "-" +
                   std::to_string(year_);
        }
        if (form == 1) {
            return std::to_string(month_) + "/" + std::to_string(day_) + "/" +
                   format("%02d", year_ % 100);
        }
        return std::to_string(month_) + "/" + std::to_string(day_) + "/" + std::to_string(year_);
    }

    std::string rowStart(const Team& team) const {
        return padRight(std::to_string(year_) + " " + team.nickname, 20) + " ";
    }

    static std::string totalsTail(const Team& team) {
        return "    " + format("%2d", team.runs) + format("%3d", team.hits) +
               format("%3d", team.errors) + "    " + format("%2d", team.leftOnBase) +
               format("%3d", team.doublePlays);
    }

    void writeLineScoreBlock(int first, int last, bool withTotals) {
        std::string header(21, ' ');
        for (int inning = first; inning <= last; ++inning) {
            header += format("%3d", inning);
        }
        if (withTotals) {
            header += "     R  H  E   LOB DP";
        }
        line(header);
        for (const Team& team : teams_) {
            std::string row = rowStart(team);
            for (int inning = first; inning <= last; ++inning) {
                row += padLeft(team.inningRuns[static_cast<std::size_t>(inning - 1)], 3);
            }
            if (withTotals) {
                row += totalsTail(team);
            }
            line(row);
        }
    }

    static std::string padLeft(const std::string& text, std::size_t width) {
        return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
    }

    // Twelve innings fit on one line; longer games continue in a second block.
    void writeLineScore() {
        if (innings_ <= 12) {
            writeLineScoreBlock(1, innings_, true);
            return;
        }
        writeLineScoreBlock(1, 12, false);
        line(" ");
        writeLineScoreBlock(13, innings_, true);
    }

    static std::string nameField(const BatLine& batter) {
        return padRight((batter.substitute ? " " : "") + batter.name, 18) +
               padRight(batter.position, 2);
    }

    static std::string sideBySideRow(const BatLine& batter) {
        return nameField(batter) + format(" %2d", batter.atBats) + format(" %2d", batter.runs) +
               format(" %2d", batter.hits) + format(" %2d", batter.rbi) + " " +
               padLeft(averageText(batter.average), 5);
    }

    static std::string sideBySideTotals(const Team& team) {
        int atBats = 0;
        int runs = 0;
        int rbi = 0;
        for (const BatLine& batter : team.batters) {
            atBats += batter.atBats;
            runs += batter.runs;
            rbi += batter.rbi;
        }
        return std::string(20, ' ') + format(" %2d", atBats) + format(" %2d", runs) +
               format(" %2d", team.hits) + format(" %2d", rbi);
    }

    // When one list is longer, the other team's totals share a line with its next batter.
    void writeSideBySide() {
        std::array<std::vector<std::string>, 2> columns;
        for (std::size_t team = 0; team < 2; ++team) {
            for (const BatLine& batter : teams_[team].batters) {
                columns[team].push_back(sideBySideRow(batter));
            }
            columns[team].push_back(sideBySideTotals(teams_[team]));
        }
        line(padRight(teams_[0].nickname, 21) + "AB  R  H BI   AVG    " +
             padRight(teams_[1].nickname, 21) + "AB  R  H BI   AVG");
        std::size_t rows = std::max(columns[0].size(), columns[1].size());
        for (std::size_t row = 0; row < rows; ++row) {
            std::string left = row < columns[0].size() ? columns[0][row] : "";
            if (row < columns[1].size()) {
                left = padRight(left, 42) + columns[1][row];
            }
            line(left);
        }
        line(" ");
    }

    void writeFullColumn(const Team& team) {
        line(padRight(team.nickname, 21) +
             "AB  R  H BI  D  T HR BB  K SB CS IW HP SH SF   AVG  PO  A  E");
        std::array<int, 9> totals{};
        for (const BatLine& batter : team.batters) {
            std::array<int, 9> counts = {batter.atBats,   batter.runs,    batter.hits,
                                         batter.rbi,      batter.doubles, batter.triples,
                                         batter.homeRuns, batter.walks,   batter.strikeouts};
            std::string row = nameField(batter);
            for (std::size_t i = 0; i < counts.size(); ++i) {
                row += format(" %2d", counts[i]);
                totals[i] += counts[i];
            }
            row += "  0  0  0  0  0  0 " + padLeft(averageText(batter.average), 5);
            row +=
                format(" %3d", dice_.between(0, 9)) + format(" %2d", dice_.between(0, 4)) + "  0";
            line(row);
        }
        std::string totalsRow(20, ' ');
        for (int total : totals) {
            totalsRow += format(" %2d", total);
        }
        line(totalsRow);
        line(" ");
    }

    void writePitching(const Team& team) {
        line(padRight(team.nickname, 33) + "INN  H  R ER BB  K PCH STR   ERA");
        int outs = 0;
        std::array<int, 7> totals{};
        for (const PitchLine& pitcher : team.pitchers) {
            int strikes = pitcher.pitches * 3 / 5;
            std::string row = padRight(padRight(pitcher.name, 17) + pitcher.decision, 32) +
                              padLeft(inningsText(pitcher.outs), 4) + format("%3d", pitcher.hits) +
                              format("%3d", pitcher.runs) + format("%3d", pitcher.earnedRuns) +
                              format("%3d", pitcher.walks) + format("%3d", pitcher.strikeouts) +
                              format("%4d", pitcher.pitches) + format("%4d", strikes) +
                              padLeft(pitcher.era, 6);
            line(row);
            outs += pitcher.outs;
            std::array<int, 7> counts = {pitcher.hits,  pitcher.runs,       pitcher.earnedRuns,
                                         pitcher.walks, pitcher.strikeouts, pitcher.pitches,
                                         strikes};
            for (std::size_t i = 0; i < counts.size(); ++i) {
                totals[i] += counts[i];
            }
        }
        std::string totalsRow = std::string(32, ' ') + padLeft(inningsText(outs), 4);
        for (std::size_t i = 0; i < totals.size(); ++i) {
            totalsRow += format(i < 5 ? "%3d" : "%4d", totals[i]);
        }
        line(totalsRow + " ");
        line(" ");
    }

    void writeSubstitutions() {
        bool any = false;
        for (std::size_t team = 0; team < 2; ++team) {
            std::string prefix = teams_[team].code + ": ";
            for (std::size_t slot = 9; slot < teams_[team].batters.size(); ++slot) {
                const BatLine& batter = teams_[team].batters[slot];
                line(prefix + batter.name + " batted for " + teams_[team].batters[slot - 9].name +
                     " in the " + std::to_string(dice_.between(5, 9)) + "th");
                prefix = "     ";
                any = true;
            }
        }
        if (any) {
            line(" ");
        }
    }

    // A notes item: the name, the game count when above one, the season total in parentheses.
    static std::string noteItem(const BatLine& batter, int count, int season, bool withSeason) {
        std::string item = batter.name;
        if (count > 1) {
            item += " " + std::to_string(count);
        }
        if (withSeason) {
            item += "(" + std::to_string(season) + ")";
        }
        return item;
    }

    void addList(std::vector<std::string>& lists, std::string_view tag,
                 const std::vector<std::string>& items) {
        if (items.empty()) {
            return;
        }
        std::string list(tag);
        for (std::size_t i = 0; i < items.size(); ++i) {
            list += (i == 0 ? "" : ", ") + items[i];
        }
        lists.push_back(list + ".");
    }

    template <typename Count>
    std::vector<std::string> itemsOf(Count count) {
        std::vector<std::string> items;
        for (const Team& team : teams_) {
            for (const BatLine& batter : team.batters) {
                auto [games, season, withSeason] = count(batter);
                if (games > 0) {
                    items.push_back(noteItem(batter, games, season, withSeason));
                }
            }
        }
        return items;
    }

    // The notes paragraph, wrapped at 78 characters after the blank of a ", " or ". ", every
    // line ending in a blank as the game writes them.
    void writeNotes() {
        std::vector<std::string> lists;
        std::vector<std::string> errors;
        for (const Team& team : teams_) {
            for (int error = 0; error < team.errors; ++error) {
                errors.push_back(team.batters[static_cast<std::size_t>(dice_.between(0, 8))].name);
            }
        }
        addList(lists, "E-", errors);
        addList(lists, "2B-", itemsOf([](const BatLine& b) {
                    return std::tuple{b.doubles, b.seasonDoubles, true};
                }));
        addList(lists, "3B-", itemsOf([](const BatLine& b) {
                    return std::tuple{b.triples, b.seasonTriples, true};
                }));
        addList(lists, "HR-", itemsOf([](const BatLine& b) {
                    return std::tuple{b.homeRuns, b.seasonHomeRuns, true};
                }));
        addList(lists, "RBI-", itemsOf([](const BatLine& b) {
                    return std::tuple{b.rbi, b.seasonRbi, true};
                }));
        addList(lists, "K-", itemsOf([](const BatLine& b) {
                    return std::tuple{b.strikeouts, 0, false};
                }));
        addList(lists, "BB-", itemsOf([](const BatLine& b) {
                    return std::tuple{b.walks, 0, false};
                }));
        std::string current;
        for (const std::string& list : lists) {
            std::size_t start = 0;
            while (start < list.size()) {
                std::size_t comma = list.find(", ", start);
                std::size_t end = comma == std::string::npos ? list.size() : comma + 2;
                std::string chunk = list.substr(start, end - start);
                if (comma == std::string::npos) {
                    chunk += " ";
                }
                if (current.size() + chunk.size() > 78) {
                    line(current);
                    current.clear();
                }
                current += chunk;
                start = end;
            }
        }
        if (!current.empty()) {
            line(current);
        }
    }

    void writeWeather() {
        int kind = dice_.between(0, 99);
        bool gameWinnerLine = false;
        if (kind >= 3) {
            for (const BatLine& batter : winnerTeam().batters) {
                if (batter.rbi > 0) {
                    line("GWRBI: " + batter.name);
                    gameWinnerLine = true;
                    break;
                }
            }
        }
        // Without a weather line the temperature reads as none after a GWRBI line and as 0
        // without one. The notes range ends at the weather line, so a side-by-side game never
        // lacks both: its notes would not be read at all.
        bool notesStillRead = gameWinnerLine || options_.layout == BattingLayout::kFullColumn;
        if (kind < 8 && notesStillRead) {
            return;
        }
        int degrees = temperature();
        std::vector<std::string> parts = {"Temperature: " + std::to_string(degrees)};
        bool wet = dice_.chance(12);
        bool threatening = dice_.chance(12);
        if (wet) {
            parts.push_back("Field: wet");
        }
        parts.push_back(threatening ? "Sky: threatening"
                                    : (dice_.chance(50) ? "Sky: clear" : "Sky: cloudy"));
        int speed = dice_.chance(25) ? dice_.between(19, 30) : dice_.between(0, 18);
        std::string wind = speed == 0 ? "Wind: none"
                                      : "Wind: " + std::string(dice_.pick(kWinds)) + " at " +
                                            std::to_string(speed) + " MPH";
        parts.push_back(wind);
        std::string weather;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            weather += (i == 0 ? "" : ", ") + parts[i];
        }
        if (dice_.chance(12)) {
            std::string delays = dice_.chance(40)
                                     ? std::to_string(dice_.between(10, 60)) + " and " +
                                           std::to_string(dice_.between(10, 60))
                                     : std::to_string(dice_.between(10, 99));
            line(weather + ", ");
            line("Rain Delays: " + delays + " minutes.");
        } else {
            line(weather + ".");
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
    GeneratorOptions options_;
    std::array<Team, 2> teams_;
    std::vector<std::string> usedNames_;
    std::string text_;
    int innings_ = 9;
    int winner_ = 1;  // index into teams_
    bool homeWins_ = true;
    int month_ = 4;
    int day_ = 1;
    int year_ = 2000;
};

}  // namespace

std::string generateBoxscore(std::uint32_t seed, const GeneratorOptions& options) {
    return GameMaker(seed, options).make();
}

}  // namespace quillbat::testing
