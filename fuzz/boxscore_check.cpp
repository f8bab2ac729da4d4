#include "fuzz/boxscore_check.h"

#include <optional>
#include <sstream>
#include <string>

#include "article/article_context.h"
#include "article/article_sink.h"
#include "article/random_source.h"
#include "article/write_article.h"
#include "boxscore/boxscore_reader.h"
#include "boxscore/input_error.h"
#include "core/record_json.h"
#include "fuzz/fuzz_check_failure.h"

namespace quillbat::fuzzing {
namespace {

const std::string kFileName = "gm051.box";

// The game record as JSON and its article, or the refusal of the boxscore, whichever the
// reading gave.
struct Outcome {
    std::optional<std::string> article;
    std::string record;
    std::string refusal;
};

std::string articleOf(const GameRecord& record, PhraseSource& phrases) {
    MersenneRandom random(1);
    SplitMixRandom storyRandom(1);
    StringArticle article;
    ArticleContext context{phrases, random, article};
    try {
        writeArticle(record, context, storyRandom);
    } catch (const InputError& error) {
        throw FuzzCheckFailure(std::string("the shipped phrase files were refused: ") +
                               error.what());
    }
    return article.text();
}

template <typename Read>
Outcome outcomeOf(Read read, PhraseSource& phrases) {
    try {
        const BoxscoreReading reading = read();
        return {articleOf(reading.record, phrases), recordToJson(reading), {}};
    } catch (const InputError& error) {
        return {std::nullopt, {}, error.what()};
    }
}

}  // namespace

void checkBoxscoreInput(std::string_view input, PhraseSource& phrases) {
    Outcome fromText = outcomeOf([&] { return readBoxscore(input, kFileName); }, phrases);
    Outcome fromStream = outcomeOf(
        [&] {
            std::istringstream stream{std::string(input)};
            return readBoxscore(stream, kFileName);
        },
        phrases);
    if (fromText.article.has_value() != fromStream.article.has_value()) {
        throw FuzzCheckFailure(
            "the text reading " + (fromText.article ? "accepted" : "refused: " + fromText.refusal) +
            ", the stream reading " +
            (fromStream.article ? "accepted" : "refused: " + fromStream.refusal));
    }
    if (fromText.refusal != fromStream.refusal) {
        throw FuzzCheckFailure("the readings were refused for different reasons: \"" +
                               fromText.refusal + "\" and \"" + fromStream.refusal + "\"");
    }
    if (fromText.record != fromStream.record) {
        throw FuzzCheckFailure("the two readings give different records");
    }
    if (fromText.article != fromStream.article) {
        throw FuzzCheckFailure("the records of the two readings give different articles");
    }
}

}  // namespace quillbat::fuzzing
