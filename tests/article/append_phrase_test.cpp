#include "article/append_phrase.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

class AppendPhrase : public testing::Test, public ArticleFixture {
  protected:
    void append(std::string_view category, const PhraseTokens& tokens = {}) {
        appendPhrase(context, "score.dat", category, tokens);
    }
};

TEST_F(AppendPhrase, DrawsAmongTheTemplatesOfTheWantedCategoryInFileOrder) {
    phrases.set("score.dat", "hot,A\ncold,B\nhot,C\n");
    script({0.0, 0.4999, 0.5, 0.9999, 0.3});
    for (int i = 0; i < 4; ++i) {
        append("hot");
    }
    append("Hot");  // categories are compared with their case: nothing, but still a draw
    EXPECT_EQ(text(), "AACC");
    EXPECT_TRUE(random.exhausted());
}

TEST_F(AppendPhrase, ReadsTheFileAnewAtEveryCall) {
    phrases.set("score.dat", "hot,A\n");
    script({0.0, 0.0});
    append("hot");
    phrases.set("score.dat", "hot,B\n");
    append("hot");
    EXPECT_EQ(text(), "AB");
    EXPECT_EQ(phrases.loads(), 2);
}

TEST_F(AppendPhrase, ReplacesWholePiecesThatNameATokenInTableOrder) {
    const struct {
        const char* phraseTemplate;
        const char* expected;
    } cases[] = {
        {"#winners# beat the #losers#", "Cubs beat the Mets"},
        {"#Winners# won", "Winners won"},  // token names are case-sensitive
        {"date", "May 1, 2001"},           // a bare token name without hashes
        {"a##b", "ab"},
        {"up #down", "up down"},
        {"Play ball.  ", "Play ball.  "},
        {"", ""},
        {"#winPitch# won", "winPitch won"},  // a token of another file stands as written
        {"# winners #", " winners "},
        {"#losers##date#", "MetsMay 1, 2001"},  // a value is not filled again
    };
    for (const auto& c : cases) {
        ArticleFixture fixture;
        fixture.phrases.set("score.dat", std::string("x,\"") + c.phraseTemplate + "\"\n");
        fixture.script({0.0});
        appendPhrase(fixture.context, "score.dat", "x",
                     {{"winners", "Cubs"},
                      {"losers", "Mets"},
                      {"date", "May 1, 2001"},
                      {"winners", "Later"}});
        EXPECT_EQ(fixture.text(), c.expected) << c.phraseTemplate;
    }
}

// A category may hold 126 templates; other categories are not bound unless drawn from.
TEST_F(AppendPhrase, HoldsExactly126TemplatesOfACategoryAndDrawsTheLast) {
    std::string file;
    for (int i = 0; i < 126; ++i) {
        file += "close,T" + std::to_string(i) + "\n";
    }
    for (int i = 0; i < 130; ++i) {
        file += "rout,R\n";
    }
    phrases.set("score.dat", file);
    script({0.0, 125.5 / 126});
    append("close");
    append("close");
    EXPECT_EQ(text(), "T0T125");
}

TEST_F(AppendPhrase, RefusesA127thTemplateOfTheWantedCategoryNamingItsLine) {
    std::string file = "rout,R\n";
    for (int i = 0; i < 127; ++i) {
        file += "close,T\n";
    }
    phrases.set("score.dat", file);
    try {
        append("close");
        FAIL() << "127 templates were accepted";
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(),
                     "score.dat: line 128: category \"close\" has more than 126 templates");
    }
    EXPECT_EQ(random.draws(), 0);
    EXPECT_EQ(text(), "");
}

TEST_F(AppendPhrase, MissingFileIsRefusedWithoutDrawing) {
    EXPECT_THROW(appendPhrase(context, "homerun.dat", "mult", {}), InputError);
    EXPECT_EQ(random.draws(), 0);
}

}  // namespace
}  // namespace quillbat
