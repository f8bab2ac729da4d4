// Phrase files cached by their modification times, told through the clock and times of an Env
// in memory, and the folder each is taken from.

#include <gtest/gtest.h>

#include "boxscore/input_error.h"
#include "core/folder_phrase_source.h"
#include "core/phrase_file_cache.h"
#include "system/file_system.h"
#include "tests/support/memory_env.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::file_time_type kStamped = fs::file_time_type{} + 1000h;

class PhraseFileCacheTest : public testing::Test {
  protected:
    // Writes score.dat with one template, stamped with the time given.
    void write(const std::string& phrase, std::optional<fs::file_time_type> stamp = kStamped) {
        env.files[path] = "close,\"" + phrase + "\"\r\n";
        env.modified.erase(path);
        if (stamp) {
            env.modified[path] = *stamp;
        }
    }
    // The template a load at kStamped + age gives.
    std::string loadAt(fs::file_time_type::duration age) {
        env.clock = kStamped + age;
        return cache->load(path, "score.dat").records.at(0).phraseTemplate;
    }

    const fs::path path = "/phrases/score.dat";
    MemoryEnv env;
    std::optional<PhraseFileCache> cache{std::in_place, env};
};

// An edit that keeps the file's time (made within one tick of the file system's clock) is
// seen until that time lies the margin before the reading.
TEST_F(PhraseFileCacheTest, TimeIsTrustedOnlyOnceItLiesTheMarginBeforeTheReading) {
    const std::pair<fs::file_time_type::duration, const char*> cases[] = {
        {0s, "Gamma"},
        {PhraseFileCache::kSameTickMargin, "Gamma"},
        {PhraseFileCache::kSameTickMargin + fs::file_time_type::duration{1}, "Alpha"},
    };
    for (const auto& [readAfter, second] : cases) {
        cache.emplace(env);
        write("Alpha");
        EXPECT_EQ(loadAt(readAfter), "Alpha");
        write("Gamma");
        EXPECT_EQ(loadAt(1h), second) << readAfter.count();
    }
}

// Within the margin the bytes are read and compared: a file that did not change is not parsed
// again, so the records handed out before stay the same.
TEST_F(PhraseFileCacheTest, UnchangedFileIsNotParsedAgain) {
    write("Alpha");
    env.clock = kStamped;
    const PhraseRecord* first = &cache->load(path, "score.dat").records.at(0);
    write("Alpha");
    EXPECT_EQ(&cache->load(path, "score.dat").records.at(0), first);
}

// A later or earlier time, or none, is an edit. A file that cannot be parsed is dropped from
// the cache, so that the mended file is read even when its time was set back.
TEST_F(PhraseFileCacheTest, AnyOtherTimeOrNoTimeIsAnEdit) {
    write("Alpha");
    EXPECT_EQ(loadAt(1h), "Alpha");
    env.files[path] = "close,\"Alpha\"\r\nrout\r\n";
    env.modified[path] = kStamped + 1s;
    EXPECT_THROW(loadAt(2h), InputError);
    write("Gamma");
    EXPECT_EQ(loadAt(3h), "Gamma");
    write("Delta", kStamped + fs::file_time_type::duration{1});
    EXPECT_EQ(loadAt(4h), "Delta");
    write("Kappa", kStamped - 1s);
    EXPECT_EQ(loadAt(5h), "Kappa");
    write("Sigma", std::nullopt);
    EXPECT_EQ(loadAt(6h), "Sigma");
}

// story.dat alone, which phrase folders made before it lack, comes from the program's own
// folder when the phrase folder has none; the folder's own wins.
TEST(PhraseFolders, StoryDatFromTheProgramsFolderWhenThePhraseFolderHasNone) {
    struct Case {
        std::vector<std::string> files;  // each holds one record naming its folder
        std::string fileName;
        std::optional<std::string> shipped;
        std::string read;  // the folder it was read from, or the missing file's path
    };
    const Case cases[] = {
        {{"/league/story.dat", "/program/story.dat"}, "story.dat", "/program", "league"},
        {{"/program/story.dat"}, "story.dat", "/program", "program"},
        {{"/program/story.dat"}, "story.dat", std::nullopt, "/league/story.dat"},
        {{"/program/score.dat"}, "score.dat", "/program", "/league/score.dat"},
    };
    for (const Case& c : cases) {
        MemoryEnv env;
        for (const std::string& file : c.files) {
            env.files[file] = "x," + pathToUtf8(fs::path(file).parent_path().filename()) + "\n";
        }
        FolderPhraseSource phrases("/league", env, c.shipped);
        std::string read;
        try {
            read = phrases.load(c.fileName).records.at(0).phraseTemplate;
        } catch (const InputError& error) {
            read = error.what();
        }
        // A missing file is named as the folder joins its name, with the system's separator.
        const fs::path missing = fs::path(c.read).parent_path() / fs::path(c.read).filename();
        EXPECT_EQ(read, c.read.starts_with('/')
                            ? pathToUtf8(missing) + ": cannot be opened: no such file"
                            : c.read)
            << c.fileName;
    }
}

}  // namespace
}  // namespace quillbat
