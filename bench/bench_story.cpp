// Times reading the game's story on a generated season of whole files held in memory: the
// boxscore read without and with the story, whole articles without and with it (its sentence
// written), and where the story's time goes (splitting the lines after the boxscore, reading the
// plays, the facts).
//   bench_story [PHRASE_FOLDER]     default: the program's folder
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "article/article_context.h"
#include "article/random_source.h"
#include "article/write_article.h"
#include "bench/season_timing.h"
#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"
#include "boxscore/play_by_play.h"
#include "core/folder_phrase_source.h"
#include "system/env.h"
#include "system/file_system.h"

namespace {

using quillbat::StoryReading;

// The text after the boxscore's form-feed line, and that line's text after its form feed.
struct AfterBoxscore {
    std::string_view partStart;
    std::string_view rest;
};

AfterBoxscore afterBoxscore(std::string_view file) {
    const std::size_t formFeed = file.find('\f');
    const std::size_t lineEnd = file.find('\n', formFeed);
    if (formFeed == std::string_view::npos || lineEnd == std::string_view::npos) {
        return {};
    }
    return {file.substr(formFeed + 1, lineEnd - formFeed - 1), file.substr(lineEnd + 1)};
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? quillbat::pathFromUtf8(argv[1]) : quillbat::programFolder();
    const std::vector<std::string> season = quillbat::bench::seasonInMemory(2430);
    std::vector<std::string> names;
    std::vector<AfterBoxscore> parts;
    for (std::size_t k = 0; k < season.size(); ++k) {
        names.push_back(quillbat::bench::seasonFileName(static_cast<int>(k)));
        parts.push_back(afterBoxscore(season[k]));
    }
    quillbat::FolderPhraseSource phrases(folder, quillbat::systemEnv());
    long failed = 0;
    long stories = 0;
    long plays = 0;
    std::size_t lines = 0;
    std::size_t characters = 0;

    auto read = [&](StoryReading story) {
        return [&, story] {
            for (std::size_t k = 0; k < season.size(); ++k) {
                try {
                    stories +=
                        quillbat::readBoxscore(season[k], names[k], story).record.story.has_value();
                } catch (const quillbat::InputError&) {
                    ++failed;
                }
            }
        };
    };
    auto articles = [&](StoryReading story) {
        return [&, story] {
            for (std::size_t k = 0; k < season.size(); ++k) {
                try {
                    const quillbat::GameRecord record =
                        quillbat::readBoxscore(season[k], names[k], story).record;
                    quillbat::MersenneRandom random(static_cast<std::uint32_t>(k));
                    quillbat::SplitMixRandom storyRandom(static_cast<std::uint32_t>(k));
                    quillbat::StringArticle article;
                    quillbat::ArticleContext context{phrases, random, article};
                    quillbat::writeArticle(record, context, storyRandom);
                    characters += article.text().size();
                } catch (const quillbat::InputError&) {
                    ++failed;
                }
            }
        };
    };

    std::printf("== boxscores read without the story\n");
    const double plain =
        quillbat::bench::timeSeason("boxscores", season.size(), read(StoryReading::kSkip));
    std::printf("== boxscores read with the story\n");
    const double withStory =
        quillbat::bench::timeSeason("boxscores", season.size(), read(StoryReading::kRead));
    std::printf("== articles without the story\n");
    const double plainArticles =
        quillbat::bench::timeSeason("articles", season.size(), articles(StoryReading::kSkip));
    std::printf("== articles with the story\n");
    const double storyArticles =
        quillbat::bench::timeSeason("articles", season.size(), articles(StoryReading::kRead));
    std::printf("== the lines after the boxscore, split only\n");
    const double splitting = quillbat::bench::timeSeason("files", season.size(), [&] {
        for (const AfterBoxscore& part : parts) {
            quillbat::TextLines split(part.rest);
            for (std::string_view line; split.next(line);) {
                ++lines;
            }
        }
    });
    std::printf("== the plays read, no facts\n");
    const double reading = quillbat::bench::timeSeason("files", season.size(), [&] {
        quillbat::Play play;
        for (const AfterBoxscore& part : parts) {
            quillbat::TextLines split(part.rest);
            quillbat::TextPlayLines rest(split);
            quillbat::PlayByPlayReader reader(rest, part.partStart);
            while (reader.next(play)) {
                ++plays;
            }
        }
    });

    std::printf(
        "\nprocessor time per file: boxscore %.2f us, with the story %.2f us (ratio %.2f)\n", plain,
        withStory, withStory / plain);
    std::printf(
        "processor time per article: %.2f us, with the story %.2f us (ratio %.2f, "
        "at most 1.50 wanted)\n",
        plainArticles, storyArticles, storyArticles / plainArticles);
    std::printf("the story's %.2f us: lines split %.2f us, plays read %.2f us, facts %.2f us\n",
                withStory - plain, splitting, reading - splitting, withStory - plain - reading);
    std::printf("failed: %ld, stories: %ld, plays: %ld, lines: %zu, characters: %zu\n", failed,
                stories, plays, lines, characters);
    return failed == 0 ? 0 : 1;
}
