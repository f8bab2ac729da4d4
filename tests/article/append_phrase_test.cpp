#include "article/append_phrase.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/article/article_test_support.h"
#include "tests/article/case_name.h"

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
    script({0.0, 0.4999, 0.5, 0.9999});
    for (int i = 0; i < 4; ++i) {
        append("hot");
    }
    EXPECT_EQ(text(), "AACC");
    EXPECT_EQ(random.draws(), 4);
}

TEST_F(AppendPhrase, CategoryWithoutTemplateAppendsNothingButStillDraws) {
    phrases.set("score.dat", "hot,A\n");
    script({0.3});
    append("Hot");  // categories are compared with their case
    EXPECT_EQ(text(), "");
    EXPECT_EQ(random.draws(), 1);
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

struct FillCase {
    const char* name;
    const char* phraseTemplate;
    const char* expected;
};

class TemplateFilling : public testing::TestWithParam<FillCase>, public ArticleFixture {};

TEST_P(TemplateFilling, ReplacesWholePiecesThatNameATokenInTableOrder) {
    phrases.set("score.dat", std::string("x,\"") + GetParam().phraseTemplate + "\"\n");
    script({0.0});
    appendPhrase(
        context, "score.dat", "x",
        {{"winners", "Cubs"}, {"losers", "Mets"}, {"date", "May 1, 2001"}, {"winners", "Later"}});
    EXPECT_EQ(text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateFilling,
    testing::Values(FillCase{"TwoTokens", "#winners# beat the #losers#", "Cubs beat the Mets"},
                    FillCase{"TokenNamesAreCaseSensitive", "#Winners# won", "Winners won"},
                    FillCase{"BareTokenNameWithoutHashes", "date", "May 1, 2001"},
                    FillCase{"EmptyPieceBetweenHashes", "a##b", "ab"},
                    FillCase{"SingleHash", "up #down", "up down"},
                    FillCase{"NoHashAtAll", "Play ball.  ", "Play ball.  "},
                    FillCase{"EmptyTemplate", "", ""},
                    FillCase{"TokenOfAnotherFileStandsAsWritten", "#winPitch# won", "winPitch won"},
                    FillCase{"PieceWithBlanksIsNoToken", "# winners #", " winners "},
                    FillCase{"TokenValueIsNotFilledAgain", "#losers##date#", "MetsMay 1, 2001"}),
    CaseName());

TEST_F(AppendPhrase, HoldsExactly126TemplatesOfACategoryAndDrawsTheLast) {
    std::string text126;
    for (int i = 0; i < 126; ++i) {
        text126 += "close,T" + std::to_string(i) + "\n";
    }
    phrases.set("score.dat", text126 + "rout,R\nrout,R\n");
    script({0.0, 125.5 / 126});
    append("close");
    append("close");
    EXPECT_EQ(text(), "T0T125");
}

TEST_F(AppendPhrase, RefusesA127thTemplateOfTheWantedCategoryNamingItsLine) {
    std::string text127 = "rout,R\n";
    for (int i = 0; i < 127; ++i) {
        text127 += "close,T\n";
    }
    phrases.set("score.dat", text127);
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

TEST_F(AppendPhrase, OtherCategoriesAreNotBoundWhenNotDrawnFrom) {
    std::string text = "close,C\n";
    for (int i = 0; i < 130; ++i) {
        text += "rout,R\n";
    }
    phrases.set("score.dat", text);
    script({0.7});
    append("close");
    EXPECT_EQ(this->text(), "C");
}

TEST_F(AppendPhrase, MissingFileIsRefusedWithoutDrawing) {
    EXPECT_THROW(appendPhrase(context, "homerun.dat", "mult", {}), InputError);
    EXPECT_EQ(random.draws(), 0);
}

}  // namespace
}  // namespace quillbat
