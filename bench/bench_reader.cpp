// Times the boxscore reader (reading loop, batting stage, batter statistics and stars) on a
// generated season held in memory.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/season_timing.h"
#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"

int main() {
    const std::vector<std::string> season = quillbat::bench::seasonInMemory(2430);
    long refused = 0;
    long runs = 0;  // keeps the records in use
    quillbat::bench::timeSeason("boxscores", season.size(), [&] {
        for (std::size_t k = 0; k < season.size(); ++k) {
            try {
                const quillbat::GameRecord record =
                    quillbat::readBoxscore(season[k],
                                           quillbat::bench::seasonFileName(static_cast<int>(k)))
                        .record;
                runs += record.runs[quillbat::kHome];
            } catch (const quillbat::InputError&) {
                ++refused;
            }
        }
    });
    std::printf("refused: %ld, home runs scored: %ld\n", refused, runs);
    return refused == 0 ? 0 : 1;
}
