#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "article/article_context.h"
#include "article/phrase_catalog.h"
#include "article/phrase_file.h"
#include "boxscore/input_error.h"

namespace quillbat {

// Phrase files held in memory as their text, parsed at every load as the disk files are.
class MemoryPhraseSource final : public PhraseSource {
  public:
    void set(const std::string& fileName, std::string text) { files_[fileName] = std::move(text); }

    const PhraseFile& load(std::string_view fileName) override {
        auto found = files_.find(std::string(fileName));
        if (found == files_.end()) {
            throw InputError(std::string(fileName), "cannot be opened: no such file");
        }
        current_ = parsePhraseFile(found->second, found->first);
        return current_;
    }

  private:
    std::map<std::string, std::string> files_;
    PhraseFile current_;
};

// Hands out the scripted numbers in order; a draw past the script fails the test.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(const std::vector<double>& script = {})
        : script_(script.begin(), script.end()) {}

    double next() override {
        if (script_.empty()) {
            ADD_FAILURE() << "a draw was not scripted";
            return 0;
        }
        double value = script_.front();
        script_.pop_front();
        return value;
    }
    bool exhausted() const { return script_.empty(); }

  private:
    std::deque<double> script_;
};

// A draw that picks variant v of n.
inline double pick(int v, int n) {
    return (v + 0.5) / n;
}

// The bytes of a file; empty when it cannot be read.
inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline const std::string kShippedPhrases = QUILLBAT_SOURCE_DIR "/data/";

// An article being written from memory phrase files and a scripted random source.
struct ArticleFixture {
    MemoryPhraseSource phrases;
    ScriptedRandom random;
    StringArticle article;
    ArticleContext context{phrases, random, article};

    void script(const std::vector<double>& draws) { random = ScriptedRandom(draws); }
    const std::string& text() const { return article.text(); }

    // Every phrase file of the catalog with one template per category that names both, such
    // as "[score close] ", so the article shows what was drawn.
    void useMarkerPhrases() {
        for (const PhraseFileEntry& entry : phraseCatalog()) {
            const std::string file(entry.fileName.substr(0, entry.fileName.find('.')));
            std::string text;
            for (std::string_view category : categoriesOf(entry)) {
                const std::string name(category);
                text += name + ",\"[" + file + " " + name + "] \"\n";
            }
            phrases.set(std::string(entry.fileName), text);
        }
    }
};

}  // namespace quillbat
