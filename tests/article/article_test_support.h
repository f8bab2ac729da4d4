#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

#include "article/article_context.h"
#include "article/phrase_file.h"
#include "boxscore/game_record.h"
#include "boxscore/input_error.h"

namespace quillbat {

// Phrase files held in memory as their text, parsed at every load as the disk files are.
class MemoryPhraseSource final : public PhraseSource {
  public:
    void set(const std::string& fileName, std::string text) { files_[fileName] = std::move(text); }

    const PhraseFile& load(std::string_view fileName) override {
        ++loads_;
        auto found = files_.find(std::string(fileName));
        if (found == files_.end()) {
            throw InputError(std::string(fileName), "cannot be opened: no such file");
        }
        current_ = parsePhraseFile(found->second, found->first);
        return current_;
    }
    int loads() const { return loads_; }

  private:
    std::map<std::string, std::string> files_;
    PhraseFile current_;
    int loads_ = 0;
};

// Hands out the scripted numbers in order and counts the draws; a draw past the script fails
// the test and returns 0.
class ScriptedRandom final : public RandomSource {
  public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> script) : script_(script) {}

    double next() override {
        ++draws_;
        if (script_.empty()) {
            ADD_FAILURE() << "draw number " << draws_ << " was not scripted";
            return 0;
        }
        double value = script_.front();
        script_.pop_front();
        return value;
    }
    int draws() const { return draws_; }
    bool exhausted() const { return script_.empty(); }

  private:
    std::deque<double> script_;
    int draws_ = 0;
};

// A draw that picks variant v of n.
inline double pick(int v, int n) {
    return (v + 0.5) / n;
}

// The text of a phrase file shipped in data/; empty when it cannot be read.
inline std::string shippedText(std::string_view fileName) {
    std::ifstream in(std::string(QUILLBAT_SOURCE_DIR) + "/data/" + std::string(fileName),
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An article being written from memory phrase files and a scripted random source.
struct ArticleFixture {
    MemoryPhraseSource phrases;
    ScriptedRandom random;
    StringArticle article;
    ArticleContext context{phrases, random, article};

    void script(std::initializer_list<double> draws) { random = ScriptedRandom(draws); }
    const std::string& text() const { return article.text(); }
};

// A record of a nine-inning game the home team won 5-3 with quiet numbers elsewhere.
inline GameRecord quietGame() {
    GameRecord record;
    record.teamName[kVisitors] = "Riverton";
    record.teamName[kHome] = "Harbor City";
    record.runs[kVisitors] = 3;
    record.runs[kHome] = 5;
    record.hits[kVisitors] = 8;
    record.hits[kHome] = 9;
    record.innings = 9;
    return record;
}

}  // namespace quillbat
