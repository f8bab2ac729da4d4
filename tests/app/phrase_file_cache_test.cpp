#include "app/phrase_file_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/file_system.h"
#include "app/folder_phrase_source.h"
#include "article/append_phrase.h"
#include "article/article_context.h"
#include "article/random_source.h"
#include "boxscore/input_error.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class PhraseFileCacheTest : public testing::Test {
  protected:
    PhraseFileCacheTest() {
        folder = fs::temp_directory_path() /
                 ("quillbat-phrase-cache-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        path = folder / "score.dat";
    }
    ~PhraseFileCacheTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    // Writes text and stamps the file with a time `age` before now.
    void writeAged(const std::string& text, fs::file_time_type::duration age) {
        write(text);
        stamp(fs::file_time_type::clock::now() - age);
    }
    void stamp(fs::file_time_type time) { fs::last_write_time(path, time); }
    std::string firstTemplate() {
        return cache.load(path, "score.dat").records.at(0).phraseTemplate;
    }

    fs::path folder;
    fs::path path;
    PhraseFileCache cache;
};

// The whole point of the cache: an edit is seen at the very next phrase, also when it is made
// within the file system's time tick and keeps the file's size.
TEST_F(PhraseFileCacheTest, AnEditBetweenTwoPhrasesOfOneRunTakesEffectAtTheNextPhrase) {
    write("close,Alpha\n");
    FolderPhraseSource phrases(folder);
    MersenneRandom random(1);
    StringArticle article;
    ArticleContext context{phrases, random, article};
    appendPhrase(context, "score.dat", "close", {});
    write("close,Gamma\n");  // same size, at once
    appendPhrase(context, "score.dat", "close", {});
    write("close,Delta and more\n");
    appendPhrase(context, "score.dat", "close", {});
    EXPECT_EQ(article.text(), "AlphaGammaDelta and more");
}

TEST_F(PhraseFileCacheTest, AnOldFileOfUnchangedSizeAndTimeIsNotReadAgain) {
    writeAged("close,Alpha\n", 1h);
    const fs::file_time_type stamped = fs::last_write_time(path);
    EXPECT_EQ(firstTemplate(), "Alpha");
    write("close,Gamma\n");
    stamp(stamped);
    EXPECT_EQ(firstTemplate(), "Alpha");
}

// Near misses of the time: one second later or earlier is a changed file, whatever its size.
TEST_F(PhraseFileCacheTest, AnOldFileIsReadAgainWhenItsTimeChangedByOneSecond) {
    writeAged("close,Alpha\n", 1h);
    const fs::file_time_type stamped = fs::last_write_time(path);
    EXPECT_EQ(firstTemplate(), "Alpha");
    write("close,Gamma\n");
    stamp(stamped + 1s);
    EXPECT_EQ(firstTemplate(), "Gamma");
    write("close,Delta!\n");
    stamp(stamped);
    EXPECT_EQ(firstTemplate(), "Delta!");
}

// Just inside the same-tick margin the time is not trusted and the bytes are compared; just
// outside it the time is trusted.
TEST_F(PhraseFileCacheTest, ATimeWithinTheMarginOfTheReadingIsNotTrusted) {
    struct Case {
        fs::file_time_type::duration age;
        const char* expected;
    };
    for (const Case& c : {Case{PhraseFileCache::kSameTickMargin - 1s, "Gamma"},
                          Case{PhraseFileCache::kSameTickMargin + 1s, "Alpha"}}) {
        PhraseFileCache fresh;
        writeAged("close,Alpha\n", c.age);
        const fs::file_time_type stamped = fs::last_write_time(path);
        EXPECT_EQ(fresh.load(path, "score.dat").records.at(0).phraseTemplate, "Alpha");
        write("close,Gamma\n");
        stamp(stamped);
        EXPECT_EQ(fresh.load(path, "score.dat").records.at(0).phraseTemplate, c.expected)
            << "file " << std::chrono::duration_cast<std::chrono::seconds>(c.age).count()
            << " s old";
    }
}

TEST_F(PhraseFileCacheTest, AFileBrokenAfterItWasCachedIsRefusedUntilItIsMended) {
    writeAged("close,Alpha\n", 1h);
    EXPECT_EQ(firstTemplate(), "Alpha");
    write("close,Alpha\nrout\n");
    EXPECT_THROW(cache.load(path, "score.dat"), InputError);
    EXPECT_THROW(cache.load(path, "score.dat"), InputError) << "the broken file was cached";
    fs::remove(path);
    try {
        cache.load(path, "score.dat");
        FAIL() << "a missing file was loaded";
    } catch (const InputError& error) {
        EXPECT_EQ(std::string(error.what()), "score.dat: cannot be opened: no such file");
    }
    writeAged("close,Gamma\n", 1h);
    EXPECT_EQ(firstTemplate(), "Gamma");
}

}  // namespace
}  // namespace quillbat
