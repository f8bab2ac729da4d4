#include "fuzz/phrase_check.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "article/append_phrase.h"
#include "article/article_context.h"
#include "article/article_sink.h"
#include "article/phrase_file.h"
#include "article/random_source.h"
#include "boxscore/input_error.h"
#include "fuzz/fuzz_check_failure.h"

namespace quillbat::fuzzing {
namespace {

// Categories beyond this many are not drawn, so one input stays quick to check.
constexpr std::size_t kMaxCategoriesDrawn = 32;

// The largest number the random source gives: (2^32 - 1) / 2^32.
constexpr double kLargestDraw = 4294967295.0 / 4294967296.0;

class OneFile final : public PhraseSource {
  public:
    explicit OneFile(const PhraseFile& file) : file_(file) {}
    const PhraseFile& load(std::string_view) override { return file_; }

  private:
    const PhraseFile& file_;
};

class FixedDraw final : public RandomSource {
  public:
    explicit FixedDraw(double value) : value_(value) {}
    double next() override { return value_; }

  private:
    double value_;
};

const PhraseTokens kScoreTokens = {{"winners", "Cubs"},
                                   {"losers", "Mets"},
                                   {"winRuns", "7"},
                                   {"loseRuns", "three"},
                                   {"numInnings", "11"}};

// A template as a reader would fill it by hand: every piece between "#" marks that names a
// token becomes its value.
std::string filled(const std::string& phraseTemplate) {
    std::string text;
    std::size_t start = 0;
    for (;;) {
        std::size_t hash = phraseTemplate.find('#', start);
        std::string piece = phraseTemplate.substr(start, hash - start);
        auto token = std::find_if(kScoreTokens.begin(), kScoreTokens.end(),
                                  [&](const PhraseToken& t) { return t.name == piece; });
        text += token == kScoreTokens.end() ? piece : token->value;
        if (hash == std::string::npos) {
            return text;
        }
        start = hash + 1;
    }
}

// Draws `category` with `draw`; returns the appended text, or nullopt when it was refused.
std::optional<std::string> drawn(const PhraseFile& file, const std::string& category, double draw) {
    OneFile source(file);
    FixedDraw random(draw);
    StringArticle article;
    ArticleContext context{source, random, article};
    try {
        appendPhrase(context, file.fileName, category, kScoreTokens);
    } catch (const InputError&) {
        return std::nullopt;
    }
    return article.text();
}

void checkCategory(const PhraseFile& file, const std::string& category) {
    std::vector<const std::string*> templates;
    for (const PhraseRecord& record : file.records) {
        if (record.category == category) {
            templates.push_back(&record.phraseTemplate);
        }
    }
    bool tooMany = templates.size() > static_cast<std::size_t>(kMaxTemplatesPerCategory);
    std::optional<std::string> first = drawn(file, category, 0.0);
    std::optional<std::string> last = drawn(file, category, kLargestDraw);
    if (tooMany) {
        if (first || last) {
            throw FuzzCheckFailure("category \"" + category + "\" has " +
                                   std::to_string(templates.size()) +
                                   " templates and was not refused");
        }
        return;
    }
    if (!first || !last) {
        throw FuzzCheckFailure("category \"" + category + "\" was refused with " +
                               std::to_string(templates.size()) + " templates");
    }
    if (*first != filled(*templates.front()) || *last != filled(*templates.back())) {
        throw FuzzCheckFailure("category \"" + category +
                               "\": the smallest and largest draws did not give the first and "
                               "last templates filled");
    }
}

}  // namespace

void checkPhraseInput(std::string_view input) {
    PhraseFile file;
    try {
        file = parsePhraseFile(input, "score.dat");
    } catch (const InputError&) {
        return;
    }
    std::vector<std::string> categories;
    for (const PhraseRecord& record : file.records) {
        if (categories.size() == kMaxCategoriesDrawn) {
            break;
        }
        if (std::find(categories.begin(), categories.end(), record.category) == categories.end()) {
            categories.push_back(record.category);
        }
    }
    for (const std::string& category : categories) {
        checkCategory(file, category);
    }
}

}  // namespace quillbat::fuzzing
