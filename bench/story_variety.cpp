// How varied the story reads over a season: a generated season of 2,430 whole files, each game
// told as `quillbat-cli --story --seed 1` tells it (game k with seed 1 + k), and for each story
// sentence and headline the story.dat template it was drawn from. Prints each category's share
// of the season's articles and the most frequent templates with their share.
//   story_variety [PHRASE_FOLDER]     default: the program's folder
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "article/random_source.h"
#include "article/story_sentence.h"
#include "bench/season_timing.h"
#include "boxscore/boxscore_reader.h"
#include "core/folder_phrase_source.h"
#include "system/env.h"
#include "system/file_system.h"

namespace {

// Draws template `variant` of `count` every time.
class FixedDraw final : public quillbat::RandomSource {
  public:
    FixedDraw(int variant, int count) : value_((variant + 0.5) / count) {}
    double next() override { return value_; }

  private:
    double value_;
};

// Which template of category the text was filled from ("walkoff 3"), found by filling each.
std::string templateOf(const std::string& text, const std::string& category,
                       const quillbat::PhraseTokens& tokens, quillbat::PhraseSource& phrases) {
    const quillbat::PhraseFile& file = phrases.load(quillbat::kStoryPhraseFile);
    const auto count = static_cast<int>(
        std::count_if(file.records.begin(), file.records.end(),
                      [&](const quillbat::PhraseRecord& r) { return r.category == category; }));
    for (int variant = 0; variant < count; ++variant) {
        FixedDraw draw(variant, count);
        quillbat::StringArticle filled;
        quillbat::ArticleContext context{phrases, draw, filled};
        quillbat::appendPhrase(context, quillbat::kStoryPhraseFile, category, tokens);
        if (filled.text() == text) {
            return category + " " + std::to_string(variant + 1);
        }
    }
    return category + " (no template)";
}

// The tally of what was drawn, most frequent first, each with its share of the season's articles.
void printShares(const char* what, const std::map<std::string, int>& tally, std::size_t articles,
                 std::size_t shown) {
    std::vector<std::pair<int, std::string>> ordered;
    for (const auto& [name, count] : tally) {
        ordered.emplace_back(count, name);
    }
    std::sort(ordered.rbegin(), ordered.rend());
    std::printf("== %s\n", what);
    for (std::size_t i = 0; i < std::min(shown, ordered.size()); ++i) {
        std::printf("%-22s %5d  %5.2f%%\n", ordered[i].second.c_str(), ordered[i].first,
                    100.0 * ordered[i].first / static_cast<double>(articles));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? quillbat::pathFromUtf8(argv[1]) : quillbat::programFolder();
    quillbat::FolderPhraseSource phrases(folder, quillbat::systemEnv());
    const std::vector<std::string> season = quillbat::bench::seasonInMemory(2430);
    std::map<std::string, int> categories;
    std::map<std::string, int> sentences;
    std::map<std::string, int> headlines;
    for (std::size_t k = 0; k < season.size(); ++k) {
        const quillbat::GameRecord record =
            quillbat::readBoxscore(season[k], quillbat::bench::seasonFileName(static_cast<int>(k)),
                                   quillbat::StoryReading::kRead)
                .record;
        if (!record.story) {
            ++categories["(no story)"];
            continue;
        }
        const quillbat::GameStory& story = *record.story;
        const std::string category(quillbat::storyCategoryName(story.category));
        ++categories[category];
        quillbat::SplitMixRandom random(static_cast<std::uint32_t>(k) + 1);
        quillbat::StringArticle sentence;
        quillbat::ArticleContext told{phrases, random, sentence};
        quillbat::writeStorySentence(record, story, told);
        quillbat::StringArticle headline;
        quillbat::ArticleContext headed{phrases, random, headline};
        quillbat::writeStoryHeadline(record, story, headed);
        const quillbat::PhraseTokens tokens = quillbat::storyTokens(record, story);
        ++sentences[templateOf(sentence.text(), category, tokens, phrases)];
        ++headlines[templateOf(headline.text(), "headline_" + category, tokens, phrases)];
    }
    printShares("categories", categories, season.size(), categories.size());
    printShares("most frequent sentence templates", sentences, season.size(), 5);
    printShares("most frequent headline templates", headlines, season.size(), 5);
    std::printf(
        "templates drawn: %zu sentences, %zu headlines; the most frequent sentence "
        "template: %.2f%% of %zu articles (under 10%% wanted)\n",
        sentences.size(), headlines.size(),
        100.0 *
            std::max_element(sentences.begin(), sentences.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; })
                ->second /
            static_cast<double>(season.size()),
        season.size());
    return 0;
}
