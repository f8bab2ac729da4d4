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

// Categories are compared exactly: "Hot" finds nothing but still takes its draw. The file is
// read anew at every call.
TEST_F(AppendPhrase, DrawsOneTemplateOfTheCategoryInFileOrder) {
    phrases.set("score.dat", "hot,A\ncold,B\nhot,C\n");
    script({0.0, 0.4999, 0.5, 0.9999, 0.3, 0.0});
    for (int i = 0; i < 4; ++i) {
        append("hot");
    }
    append("Hot");
    phrases.set("score.dat", "hot,D\n");
    append("hot");
    EXPECT_EQ(text(), "AACCD");
    EXPECT_TRUE(random.exhausted());
}

TEST_F(AppendPhrase, ReplacesWholePiecesThatNameATokenInTableOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"#winners# beat the #losers#", "Cubs beat the Mets"},
        {"#Winners# won", "Winners won"},  // token names are case-sensitive
        {"date", "May 1"},                 // a bare token name without marks
        {"a##b", "ab"},
        {"up #down", "up down"},
        {"# winners #", " winners "},
        {"#losers##date#", "MetsMay 1"},
    };
    for (const auto& [phraseTemplate, expected] : cases) {
        ArticleFixture fixture;
        fixture.phrases.set("score.dat", std::string("x,\"") + phraseTemplate + "\"\n");
        fixture.script({0.0});
        appendPhrase(fixture.context, "score.dat", "x",
                     {{"winners", "Cubs"}, {"losers", "Mets"}, {"date", "May 1"}, {"date", "Z"}});
        EXPECT_EQ(fixture.text(), expected) << phraseTemplate;
    }
}

// 126 templates of the category drawn from are accepted and the last can be drawn; a 127th is
// refused, naming its line, before anything is drawn. Other categories are not bound.
TEST_F(AppendPhrase, HoldsAtMost126TemplatesOfTheCategoryDrawnFrom) {
    std::string file;
    for (int i = 0; i < 130; ++i) {
        file += (i < 126 ? "close,T" + std::to_string(i) : "rout,R") + "\n";
    }
    phrases.set("score.dat", file);
    script({0.0, 125.5 / 126});
    append("close");
    append("close");
    EXPECT_EQ(text(), "T0T125");
    phrases.set("score.dat", file + "close,T\n");
    try {
        append("close");
        ADD_FAILURE() << "a 127th template was accepted";
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(),
                     "score.dat: line 131: category \"close\" has more than 126 templates");
    }
    EXPECT_EQ(random.draws, 2);
    EXPECT_THROW(appendPhrase(context, "homerun.dat", "mult", {}), InputError);
    EXPECT_EQ(random.draws, 2);
}

}  // namespace
}  // namespace quillbat
