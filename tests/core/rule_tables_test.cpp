// Tables of inputs and outputs for exact rules of the core: the article file's name and the
// text encodings.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/save_article.h"
#include "core/text_encoding.h"
#include "tests/support/memory_env.h"

namespace quillbat {
namespace {

using testing::ThrowsMessage;

// Characters, not bytes: of two and four bytes. A stray continuation byte first is a
// character of its own, and is never stepped over.
TEST(ArticleFileNameTest, ReplacesTheLastThreeCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\a\\gm05.box", "C:\\a\\gm05.txt"},
        {"abcd", "atxt"},
        {"box", ""},
        {"/español.böx", "/español.txt"},
        {"x.b😀x", "x.txt"},
        {"aééé", "atxt"},
        {"ééé", ""},
        {"\200abc", "\200txt"},
        {"\200ab", ""},
        {"\200b", ""},
    };
    for (const auto& [boxscore, article] : cases) {
        EXPECT_EQ(articleFileName(boxscore), article) << boxscore;
    }
}

TEST(SaveArticleTest, NeverOverwritesTheBoxscoreNorNamesAFileAfterATooShortName) {
    MemoryEnv env;
    env.createFolder("/league");
    const std::string article = "A long enough article.";
    EXPECT_THAT([&] { saveArticle(env, "/league/gm05.TXT", article); },
                ThrowsMessage<FileWriteError>("cannot write /league/gm05.txt: it is the boxscore "
                                              "itself, which would be overwritten"));
    EXPECT_THAT(
        [&] { saveArticle(env, "box", article); },
        ThrowsMessage<FileWriteError>("cannot write an article for \"box\": the name is too "
                                      "short to make a text file's name from"));
    EXPECT_TRUE(env.files.empty());
    EXPECT_FALSE(saveArticle(env, "/league/gm05.box", "Fifteen chars.."));
    EXPECT_TRUE(env.files.empty());
    EXPECT_TRUE(saveArticle(env, "/league/gm05.txx", article));
    EXPECT_EQ(env.files.size(), 1U);
}

// Well-formed: U+0800 (lead byte 0xE0), U+E000 past the surrogates, four bytes, U+10FFFF, U+D7FF.
// Malformed: Windows-1252, cut off, lead byte before ASCII, lone continuation byte, overlong
// U+007F, U+07FF and U+FFFF, the surrogate U+D800, above U+10FFFF, five bytes.
TEST(Utf8ValidityTest, AcceptsWellFormedTextAndRefusesMalformedText) {
    for (const char* text : {"", "Espa\xC3\xB1ola", "\xE0\xA0\x80", "\xEE\x80\x80",
                             "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF"}) {
        EXPECT_TRUE(isValidUtf8(text)) << testing::PrintToString(text);
    }
    for (const char* text :
         {"Espa\xF1ola", "\xC3", "\xE2\x82", "\xC3(", "\x80", "\xC1\xBF", "\xE0\x9F\xBF",
          "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80"}) {
        EXPECT_FALSE(isValidUtf8(text)) << testing::PrintToString(text);
    }
}

TEST(Windows1252Test, DecodesEveryRangeOfBytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc\x7F", "abc\x7F"},
        {"\x80\x89\x9F", "\xE2\x82\xAC\xE2\x80\xB0\xC5\xB8"},  // euro, per mille, Y diaeresis
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // undefined
        {"\x93Hi\x94", "\xE2\x80\x9CHi\xE2\x80\x9D"},
        {"\xA0 Espa\xF1ola \xFF", "\xC2\xA0 Espa\xC3\xB1ola \xC3\xBF"}};
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(windows1252ToUtf8(bytes), utf8) << testing::PrintToString(bytes);
    }
    EXPECT_EQ(displayText("Espa\xC3\xB1ola"), "Espa\xC3\xB1ola");
    EXPECT_EQ(displayText("Espa\xF1ola"), "Espa\xC3\xB1ola");
}

// Refused: an arrow, U+0080 (not the euro sign's byte), U+0800 with its lead byte 0xE0, four
// bytes, text that is not UTF-8.
TEST(Windows1252Test, EncodesEveryByteItDecodedAndRefusesTheRest) {
    std::string allBytes;
    for (int byte = 1; byte < 256; ++byte) {
        allBytes += static_cast<char>(byte);
    }
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(allBytes)), allBytes);
    for (const char* text :
         {"\xE2\x86\x92", "\xC2\x80", "x\xE0\xA0\x80y", "\xF0\x9F\x98\x80", "Espa\xF1ola"}) {
        EXPECT_EQ(utf8ToWindows1252(text), std::nullopt) << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace quillbat
