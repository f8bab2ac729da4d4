// Writes a season of generated boxscore files into a folder, for timing quillbat-cli on files.
//   make_season [--schedule] FOLDER [COUNT]
// COUNT defaults to 2430, the games of a 30-team season. The generator dates each game as it
// likes; with --schedule they are dated 15 a day from April 1, 2026, as a league's season is.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "bench/season_files.h"

int main(int argc, char** argv) {
    const bool scheduled = argc > 1 && std::string_view(argv[1]) == "--schedule";
    if (scheduled) {
        --argc;
        ++argv;
    }
    int count = 2430;
    if (argc == 3) {
        std::string_view text(argv[2]);
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
        if (error != std::errc() || end != text.data() + text.size() || count < 1) {
            argc = 0;
        }
    }
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_season [--schedule] FOLDER [COUNT]\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    for (int k = 0; k < count; ++k) {
        const std::filesystem::path path = folder / quillbat::bench::seasonFileName(k);
        std::ofstream out(path, std::ios::binary);
        out << (scheduled ? quillbat::bench::scheduledBoxscoreFile(k)
                          : quillbat::bench::seasonBoxscoreFile(static_cast<std::uint32_t>(k) + 1));
        if (!out.flush()) {
            std::fprintf(stderr, "make_season: cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
