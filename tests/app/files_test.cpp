// The program's files on disk: written whole or not at all, read whole, and phrase files
// cached by their modification times, told through the clock and times of a FakeEnv.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/file_system.h"
#include "app/phrase_file_cache.h"
#include "boxscore/input_error.h"
#include "tests/app/test_env.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace std::string_literals;
using testing::ThrowsMessage;

// The names in a folder, in order.
std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(pathToUtf8(entry.path().filename()));
    }
    return names;
}

// Folders named beyond any code page (Liga Española, Ōsaka 大阪, Ліга) and bytes a text-mode
// stream would change: CR LF, a lone CR, Ctrl-Z, NUL and bytes above 0x7F. The last byte lies
// one past the 64 KiB read at a time.
TEST(FileSystemTest, WritesAndReadsEveryByteInFoldersOfAnyName) {
    TempFolder folder;
    std::string bytes = "1\r\n2\r3\n\x1a 4 \0 \x93quoted\x94 "s;
    bytes.resize(65536, 'x');
    bytes += '\xff';
    for (const std::string name : {"Liga Española", "Ōsaka 大阪", "Ліга"}) {
        const fs::path league = folder / name;
        fs::create_directory(league);
        replaceFileAtomically(league / "gm05.txt", bytes);
        EXPECT_EQ(readWholeFile(league / "gm05.txt", "gm05.txt"), bytes) << name;
    }
    EXPECT_EQ(entriesOf(folder.path()),
              (std::set<std::string>{"Liga Española", "Ōsaka 大阪", "Ліга"}));
}

// The old file is replaced whole and no temporary file stays; a target that is a folder, or
// lies in a missing one, is refused with the file's name and nothing changes.
TEST(FileSystemTest, ReplacesAFileWholeOrNotAtAll) {
    TempFolder folder;
    folder.write("gm05.txt", "an older and longer article\r\n");
    replaceFileAtomically(folder / "gm05.txt", "new\r\n");
    EXPECT_EQ(folder.read("gm05.txt"), "new\r\n");
    fs::create_directory(folder / "gm06.txt");
    const std::pair<fs::path, std::string> refusals[] = {
        {folder / "gm06.txt", "it is a folder"},
        {folder / "no such folder" / "gm05.txt", "No such file or directory"}};
    for (const auto& [target, why] : refusals) {
        EXPECT_THAT(
            [&] { replaceFileAtomically(target, "article\r\n"); },
            ThrowsMessage<FileWriteError>("cannot write " + pathToUtf8(target) + ": " + why));
    }
    EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"gm05.txt", "gm06.txt"}));
    EXPECT_TRUE(entriesOf(folder / "gm06.txt").empty());
    EXPECT_THAT([&] { readWholeFile(folder / "gm06.txt", "gm06.txt"); },
                ThrowsMessage<InputError>("gm06.txt: is a folder, not a file"));
}

const fs::file_time_type kStamped = fs::file_time_type{} + 1000h;

class PhraseFileCacheTest : public testing::Test {
  protected:
    // Writes score.dat with one template, stamped with the time given.
    void write(const std::string& phrase, std::optional<fs::file_time_type> stamp = kStamped) {
        folder.write("score.dat", "close,\"" + phrase + "\"\r\n");
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

    TempFolder folder;
    const fs::path path = folder / "score.dat";
    FakeEnv env;
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
    folder.write("score.dat", "close,\"Alpha\"\r\nrout\r\n");
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

}  // namespace
}  // namespace quillbat
