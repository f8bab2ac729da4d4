#include "app/boxscore_file.h"

#include <gtest/gtest.h>

#include <string>

#include "boxscore/input_error.h"
#include "temp_folder.h"
#include "tests/boxscore/boxscore_text.h"

namespace quillbat {
namespace {

// The refusal's text for `path`, with `folder` shown as "DIR".
std::string refusalOf(const TempFolder& folder, const std::filesystem::path& path) {
    try {
        readBoxscoreFile(path.string());
    } catch (const InputError& refused) {
        std::string message = refused.what();
        const std::string dir = folder.path().string();
        if (message.compare(0, dir.size(), dir) == 0) {
            message.replace(0, dir.size(), "DIR");
            // Windows joins the folder and the file name with a backslash.
            if (message.size() > 3 && message[3] == '\\') {
                message[3] = '/';
            }
        }
        return message;
    }
    return "accepted";
}

TEST(BoxscoreFileTest, NamesTheFileAsGivenInEveryRefusal) {
    TempFolder folder;
    folder.write("empty.box", "");
    folder.write("junk.box", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    std::string lines;
    for (int i = 0; i < 5000; ++i) {
        lines += "line\r\n";
    }
    folder.write("long.box", lines);
    EXPECT_EQ(refusalOf(folder, folder / "missing.box"),
              "DIR/missing.box: cannot be opened: no such file");
    EXPECT_EQ(refusalOf(folder, folder.path()), "DIR: is a folder, not a file");
    EXPECT_EQ(refusalOf(folder, folder / "empty.box"),
              "DIR/empty.box: has no line score: it is not a boxscore of the game");
    EXPECT_EQ(refusalOf(folder, folder / "junk.box"),
              "DIR/junk.box: has no line score: it is not a boxscore of the game");
    EXPECT_EQ(refusalOf(folder, folder / "long.box"),
              "DIR/long.box: has more than 200 lines before its end");
}

TEST(BoxscoreFileTest, TakesTheGameLabelFromTheName) {
    TempFolder folder;
    const std::string bytes = testing::readExample("riverton-at-harbor-city.box");
    folder.write("2026081904801.box", bytes);
    folder.write("2026081904802.box", bytes);
    EXPECT_EQ(readBoxscoreFile((folder / "2026081904801.box").string()).gameLabel, "Game One.  ");
    EXPECT_EQ(readBoxscoreFile((folder / "2026081904802.box").string()).gameLabel, "Game Two.  ");
}

}  // namespace
}  // namespace quillbat
