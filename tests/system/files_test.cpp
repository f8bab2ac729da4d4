// The program's files on disk: written whole or not at all, and read whole.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "boxscore/input_error.h"
#include "system/file_system.h"
#include "tests/support/test_files.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;
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

// A write cut short (a crash, a kill) leaves its hidden temporary file beside the target: the
// next write of the same file removes every one of them, whatever its unique part, and nothing
// else: not those of another file, not names that only look alike.
TEST(FileSystemTest, AWriteRemovesTheTemporaryFilesAnEarlierOneOfTheSameFileLeft) {
    TempFolder folder;
    const std::set<std::string> stale = {".gm05.txt.quillbat-4021-8815320954227-0.tmp",
                                         ".gm05.txt.quillbat-7.tmp", ".gm05.txt.quillbat--.tmp"};
    const std::set<std::string> kept = {
        ".gm06.txt.quillbat-4021-8815320954227-1.tmp",  // another file's
        ".gm05.txt.quillbat-x.quillbat-7.tmp",          // the file "gm05.txt.quillbat-x"'s
        ".gm05.txt.quillbat-.tmp",
        ".gm05.txt.quillbat-7a.tmp",
        ".gm05.txt.quillbat-7.tmp.bak",
        ".gm05.txt.quillbat-7.tm",
        "gm05.txt.quillbat-7.tmp",
        ".gm05.txt.tmp7",
        "gm05.txt.tmp3605607902821-16",
        "gm05.box"};
    for (const std::set<std::string>* names : {&stale, &kept}) {
        for (const std::string& name : *names) {
            folder.write(name, "left behind");
        }
    }
    replaceFileAtomically(folder / "gm05.txt", "article\r\n");
    std::set<std::string> expected = kept;
    expected.insert("gm05.txt");
    EXPECT_EQ(entriesOf(folder.path()), expected);
    EXPECT_EQ(folder.read("gm05.txt"), "article\r\n");
}

// Files replaced together stay old until the commit, which puts every one in place, the last
// bytes added for a file winning; a batch dropped before its commit, or whose add failed,
// leaves the old files and no temporary file.
TEST(FileSystemTest, ReplacesFilesTogetherAtTheCommit) {
    TempFolder folder;
    folder.write("index.html", "old index");
    {
        FileReplacement dropped;
        dropped.add(folder / "index.html", "never");
        dropped.add(folder / "2026-04-01.html", "never");
        EXPECT_THROW(dropped.add(folder / "no such folder" / "a.html", "never"), FileWriteError);
    }
    EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"index.html"}));
    EXPECT_EQ(folder.read("index.html"), "old index");

    FileReplacement pages;
    pages.add(folder / "2026-04-01.html", "first day");
    pages.add(folder / "index.html", "first index");
    pages.add(folder / "index.html", "new index");
    EXPECT_EQ(folder.read("index.html"), "old index");
    pages.commit();
    EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"2026-04-01.html", "index.html"}));
    EXPECT_EQ(folder.read("index.html"), "new index");
    EXPECT_EQ(folder.read("2026-04-01.html"), "first day");
}

// A folder's files are those directly inside it, not its subfolders nor their files.
TEST(FileSystemTest, ListsTheFilesDirectlyInsideAFolder) {
    TempFolder folder;
    folder.write("gm05.box", "");
    folder.write("Ōsaka.box", "");
    fs::create_directory(folder / "paper");
    folder.write("paper/index.html", "");
    std::set<std::string> names;
    for (const fs::path& file : filesInFolder(folder.path(), "league")) {
        names.insert(pathToUtf8(file.lexically_relative(folder.path())));
    }
    EXPECT_EQ(names, (std::set<std::string>{"gm05.box", "Ōsaka.box"}));
    EXPECT_THAT([&] { filesInFolder(folder / "gm05.box", "gm05.box"); },
                ThrowsMessage<InputError>("gm05.box: is not a folder"));
}

}  // namespace
}  // namespace quillbat
