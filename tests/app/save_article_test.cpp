#include "app/save_article.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/file_system.h"
#include "temp_folder.h"

namespace quillbat {
namespace {

TEST(ArticleFileNameTest, ReplacesTheLastThreeCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\League\\gm05.box", "C:\\League\\gm05.txt"},
        {"/home/u/box/x.box", "/home/u/box/x.txt"},
        {"D:\\Box\\x.BOX", "D:\\Box\\x.txt"},
        {"game.bx", "gametxt"},
        {"abcd", "atxt"},
        // Characters, not bytes.
        {"/liga/espa\xc3\xb1ol.b\xc3\xb6x", "/liga/espa\xc3\xb1ol.txt"},
        // Too short to name a file after.
        {"", ""},
        {"box", ""},
        {"\xc3\xa9\xc3\xa9\xc3\xa9", ""},
    };
    for (const auto& [boxscore, article] : cases) {
        EXPECT_EQ(articleFileName(boxscore), article) << boxscore;
    }
}

TEST(SavedArticleTextTest, TrimsBlanksOnlyAndEndsInCrLf) {
    EXPECT_EQ(savedArticleText("  The game.  "), "The game.\r\n");
    EXPECT_EQ(savedArticleText("\tFirst.\nSecond.\n  "), "\tFirst.\nSecond.\n\r\n");
    EXPECT_EQ(savedArticleText("   "), "\r\n");
    EXPECT_EQ(savedArticleText("One  two"), "One  two\r\n");
}

TEST(ArticleLengthTest, CountsWhatTheUserSees) {
    EXPECT_EQ(articleLength(""), 0U);
    // UTF-8: the two bytes of n-tilde are one character; Windows-1252: one byte each.
    EXPECT_EQ(articleLength("Espa\xc3\xb1ol"), 7U);
    EXPECT_EQ(articleLength("Espa\xf1ol"), 7U);
}

TEST(SaveArticleTest, SavesFromSixteenCharactersBlanksIncluded) {
    const struct {
        std::string article;
        std::optional<std::string> saved;  // nothing: no file is written
    } cases[] = {
        {"123456789012345", std::nullopt},
        {"1234567890123456", "1234567890123456\r\n"},
        {"Short one.      ", "Short one.\r\n"},
        {"\xc3\xa9\xc3\xa9\xc3\xa9-23456789012", std::nullopt},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        EXPECT_EQ(saveArticle(pathToUtf8(folder / "gm05.box"), c.article), c.saved.has_value())
            << c.article;
        EXPECT_EQ(std::filesystem::exists(folder / "gm05.txt"), c.saved.has_value()) << c.article;
        EXPECT_EQ(folder.read("gm05.txt"), c.saved.value_or("")) << c.article;
    }
}

TEST(SaveArticleTest, OverwritesAnEarlierArticleButNeverTheBoxscore) {
    TempFolder folder;
    folder.write("x.txt", "an older and much longer article text");
    EXPECT_TRUE(saveArticle(pathToUtf8(folder / "x.box"), "  The edited article.  "));
    EXPECT_EQ(folder.read("x.txt"), "The edited article.\r\n");
    folder.write("gm05.TXT", "the boxscore");
    EXPECT_THROW(saveArticle(pathToUtf8(folder / "gm05.TXT"), "A long enough article."),
                 FileWriteError);
    EXPECT_EQ(folder.read("gm05.TXT"), "the boxscore");
}

TEST(SaveArticleTest, MissingFolderThrowsNamingTheFile) {
    TempFolder folder;
    try {
        saveArticle(pathToUtf8(folder / "missing/gm05.box"), "A long enough article.");
        FAIL() << "no FileWriteError";
    } catch (const FileWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("gm05.txt"), std::string::npos) << error.what();
    }
}

TEST(SaveToFileTest, AsksForABoxscoreWritesQuietlyOrReportsTheFailure) {
    EXPECT_EQ(saveToFile("", "A long enough article."), kLoadBoxscoreFirst);
    EXPECT_EQ(saveToFile("", "Fifteen chars.."), "");
    TempFolder folder;
    EXPECT_EQ(saveToFile(pathToUtf8(folder / "gm05.box"), " A long enough article. "), "");
    EXPECT_EQ(folder.read("gm05.txt"), "A long enough article.\r\n");
    std::string message =
        saveToFile(pathToUtf8(folder / "missing/gm05.box"), "A long enough article.");
    EXPECT_EQ(message.rfind("cannot write ", 0), 0U) << message;
    EXPECT_NE(message.find("gm05.txt"), std::string::npos) << message;
}

}  // namespace
}  // namespace quillbat
