#include "bench/season_files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string_view>
#include <utility>

#include "tools/boxscore_generator.h"

namespace quillbat::bench {
namespace {

constexpr std::array<std::string_view, 12> kBatters = {
    "Abernale,J", "Bellamy", "Calloway,T", "Dorsett", "Eckford,R", "Fenwick",
    "Garrity,M",  "Haddock", "Ingram,K",   "Jessup",  "Kilgore,A", "Lomax"};

constexpr std::array<std::string_view, 10> kPlays = {
    "grounded out to short",
    "flied out to left center",
    "struck out looking",
    "lined a single to right",
    "doubled down the left field line",
    "walked on a full count",
    "popped out to the second baseman in shallow right field",
    "hit into a double play, short to second to first",
    "homered to deep center field",
    "reached on an error by the third baseman"};

constexpr std::array<std::string_view, 8> kMarks = {"k", "63", "S", "8", "W", "D.2-H", "43", "HR"};

class Lines {
  public:
    explicit Lines(std::string start) : text_(std::move(start)) {
        count_ = static_cast<int>(std::count(text_.begin(), text_.end(), '\n'));
    }
    void add(std::string_view text) {
        text_.append(text);
        text_.append("\r\n");
        ++count_;
    }
    int count() const { return count_; }
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
    int count_ = 0;
};

std::string pick(std::mt19937& dice, auto& list) {
    return std::string(list[dice() % list.size()]);
}

// The total line count of a file: a long tail above 400 lines, as extra-inning games and
// pitching changes give.
int totalLines(std::mt19937& dice) {
    const int roll = static_cast<int>(dice() % 100);
    if (roll < 3) {
        return 180 + static_cast<int>(dice() % 20);
    }
    if (roll < 90) {
        return 200 + static_cast<int>(dice() % 200);
    }
    return 400 + static_cast<int>(dice() % 251);
}

void addScoresheet(Lines& lines, std::mt19937& dice) {
    lines.add(" ");
    lines.add(
        "Visitors             -----A------ -----B------ -----C------ -----D------ -----E------");
    for (std::size_t b = 0; b < kBatters.size(); ++b) {
        std::string row = std::string(kBatters[b]);
        row.resize(18, ' ');
        row += "cf ";
        for (int inning = 0; inning < 5; ++inning) {
            std::string mark = pick(dice, kMarks);
            mark.resize(13, ' ');
            row += mark;
        }
        lines.add(row);
    }
    lines.add(" ");
}

void addPlayByPlay(Lines& lines, std::mt19937& dice, int total) {
    lines.add("\fPlay-by-play");
    int inning = 1;
    while (lines.count() < total - 2) {
        lines.add(" ");
        char header[80];
        std::snprintf(header, sizeof header, "**************  %s of inning %d, batting",
                      inning % 2 == 1 ? "Top" : "Bottom", (inning + 1) / 2);
        lines.add(header);
        for (int play = 0; play < 4 && lines.count() < total - 1; ++play) {
            char text[120];
            std::snprintf(text, sizeof text, " %d-%d  %d --- %d%d  %s %s (BCX)",
                          static_cast<int>(dice() % 6), static_cast<int>(dice() % 6),
                          static_cast<int>(dice() % 3), static_cast<int>(dice() % 4),
                          static_cast<int>(dice() % 3), pick(dice, kBatters).c_str(),
                          pick(dice, kPlays).c_str());
            lines.add(text);
        }
        ++inning;
    }
    lines.add(" ");
}

}  // namespace

std::string seasonBoxscoreFile(std::uint32_t seed) {
    std::mt19937 dice(seed);
    Lines lines(generator::generateBoxscore(seed));
    const int total = totalLines(dice);
    addScoresheet(lines, dice);
    addPlayByPlay(lines, dice, total);
    return lines.take();
}

std::string seasonFileName(int k) {
    char name[40];
    std::snprintf(name, sizeof name, "2026%05d%02d0.box", k, 1 + k % 30);
    return name;
}

}  // namespace quillbat::bench
