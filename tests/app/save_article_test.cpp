#include "app/save_article.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/file_system.h"
#include "temp_folder.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;

class SaveArticleTest : public ::testing::Test {
  protected:
    std::string boxscore(const std::string& name) const { return pathToUtf8(folder_ / name); }
    std::string fileBytes(const std::string& name) const { return folder_.read(name); }

    TempFolder folder_;
};

TEST(ArticleFileNameTest, ReplacesTheLastThreeCharacters) {
    EXPECT_EQ(articleFileName("C:\\League\\gm05.box"), "C:\\League\\gm05.txt");
    EXPECT_EQ(articleFileName("/home/u/box/x.box"), "/home/u/box/x.txt");
    EXPECT_EQ(articleFileName("D:\\Box\\x.BOX"), "D:\\Box\\x.txt");
    EXPECT_EQ(articleFileName("game.bx"), "gametxt");
    EXPECT_EQ(articleFileName("abcd"), "atxt");
}

TEST(ArticleFileNameTest, CountsCharactersNotBytes) {
    EXPECT_EQ(articleFileName("/liga/espa\xc3\xb1"
                              "a.b\xc3\xb6x"),
              "/liga/espa\xc3\xb1"
              "a.txt");
}

TEST(ArticleFileNameTest, NamesTooShortGiveNoName) {
    EXPECT_EQ(articleFileName(""), "");
    EXPECT_EQ(articleFileName("box"), "");
    EXPECT_EQ(articleFileName("\xc3\xa9\xc3\xa9\xc3\xa9"), "");
}

TEST(SavedArticleTextTest, TrimsBlanksOnlyAndEndsInCrLf) {
    EXPECT_EQ(savedArticleText("  The game.  "), "The game.\r\n");
    EXPECT_EQ(savedArticleText("\tFirst.\nSecond.\n  "), "\tFirst.\nSecond.\n\r\n");
    EXPECT_EQ(savedArticleText("   "), "\r\n");
    EXPECT_EQ(savedArticleText("One  two"), "One  two\r\n");
}

TEST(ArticleLengthTest, CountsWhatTheUserSees) {
    EXPECT_EQ(articleLength(""), 0U);
    EXPECT_EQ(articleLength("Espa\xc3\xb1"
                            "a"),
              6U);  // UTF-8: the two bytes of n-tilde are one character
    EXPECT_EQ(articleLength("Espa\xf1"
                            "a"),
              6U);  // Windows-1252: one byte per character
}

TEST_F(SaveArticleTest, FifteenCharactersAreNotSaved) {
    EXPECT_FALSE(saveArticle(boxscore("gm05.box"), "123456789012345"));
    EXPECT_FALSE(fs::exists(folder_ / "gm05.txt"));
}

TEST_F(SaveArticleTest, SixteenCharactersAreSaved) {
    EXPECT_TRUE(saveArticle(boxscore("gm05.box"), "1234567890123456"));
    EXPECT_EQ(fileBytes("gm05.txt"), "1234567890123456\r\n");
}

TEST_F(SaveArticleTest, BlanksCountTowardsTheLengthButAreNotSaved) {
    EXPECT_TRUE(saveArticle(boxscore("gm05.box"), "Short one.      "));
    EXPECT_EQ(fileBytes("gm05.txt"), "Short one.\r\n");
}

TEST_F(SaveArticleTest, FifteenUtf8CharactersInMoreBytesAreNotSaved) {
    EXPECT_FALSE(saveArticle(boxscore("gm05.box"),
                             "\xc3\xa9\xc3\xa9\xc3\xa9"
                             "123456789012"));
    EXPECT_FALSE(fs::exists(folder_ / "gm05.txt"));
}

TEST_F(SaveArticleTest, OverwritesAnEarlierArticle) {
    folder_.write("x.txt", "an older and much longer article text");
    EXPECT_TRUE(saveArticle(boxscore("x.box"), "  The edited article.  "));
    EXPECT_EQ(fileBytes("x.txt"), "The edited article.\r\n");
}

TEST_F(SaveArticleTest, RefusesToOverwriteABoxscoreNamedTxt) {
    folder_.write("gm05.TXT", "the boxscore");
    EXPECT_THROW(saveArticle(boxscore("gm05.TXT"), "A long enough article."), FileWriteError);
    EXPECT_EQ(fileBytes("gm05.TXT"), "the boxscore");
}

TEST_F(SaveArticleTest, MissingFolderThrowsNamingTheFile) {
    try {
        saveArticle(boxscore("missing/gm05.box"), "A long enough article.");
        FAIL() << "no FileWriteError";
    } catch (const FileWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("gm05.txt"), std::string::npos) << error.what();
    }
}

TEST_F(SaveArticleTest, SaveToFileBeforeAnyBoxscoreAsksForOne) {
    EXPECT_EQ(saveToFile("", "A long enough article."), kLoadBoxscoreFirst);
    EXPECT_EQ(saveToFile("", "Fifteen chars.."), "");
}

TEST_F(SaveArticleTest, SaveToFileWritesQuietly) {
    EXPECT_EQ(saveToFile(boxscore("gm05.box"), " A long enough article. "), "");
    EXPECT_EQ(fileBytes("gm05.txt"), "A long enough article.\r\n");
}

TEST_F(SaveArticleTest, SaveToFileReportsAFileThatCannotBeWritten) {
    std::string message = saveToFile(boxscore("missing/gm05.box"), "A long enough article.");
    EXPECT_EQ(message.rfind("cannot write ", 0), 0U) << message;
    EXPECT_NE(message.find("gm05.txt"), std::string::npos) << message;
}

}  // namespace
}  // namespace quillbat
