// Times whole loads, reading and article writing with the shipped phrase files, on a generated
// season held in memory, in one process as quillbat-cli writes a batch.
//   bench_articles [PHRASE_FOLDER]     default: the program's folder
#include <cstdio>
#include <string>
#include <vector>

#include "article/article_context.h"
#include "article/random_source.h"
#include "article/write_article.h"
#include "bench/season_timing.h"
#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"
#include "core/folder_phrase_source.h"
#include "system/env.h"
#include "system/file_system.h"

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? quillbat::pathFromUtf8(argv[1]) : quillbat::programFolder();
    const std::vector<std::string> season = quillbat::bench::seasonInMemory(2430);
    quillbat::FolderPhraseSource phrases(folder, quillbat::systemEnv());
    long failed = 0;
    std::size_t characters = 0;
    quillbat::bench::timeSeason("articles", season.size(), [&] {
        for (std::size_t k = 0; k < season.size(); ++k) {
            try {
                const quillbat::GameRecord record =
                    quillbat::readBoxscore(season[k],
                                           quillbat::bench::seasonFileName(static_cast<int>(k)))
                        .record;
                quillbat::MersenneRandom random(static_cast<std::uint32_t>(k));
                quillbat::SplitMixRandom storyRandom(static_cast<std::uint32_t>(k));
                quillbat::StringArticle article;
                quillbat::ArticleContext context{phrases, random, article};
                quillbat::writeArticle(record, context, storyRandom);
                characters += article.text().size();
            } catch (const quillbat::InputError& error) {
                if (failed++ == 0) {
                    std::fprintf(stderr, "%s\n", error.what());
                }
            }
        }
    });
    std::printf("failed: %ld, characters written: %zu\n", failed, characters);
    return failed == 0 ? 0 : 1;
}
