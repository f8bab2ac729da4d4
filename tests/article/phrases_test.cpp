// Phrase files read from their text, one template drawn from them and filled, and the seeds of
// the draws.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "article/append_phrase.h"
#include "article/phrase_file.h"
#include "article/random_source.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

// The records of a text as "line:category=template", or the refusal.
std::string recordsOf(const char* text) {
    try {
        std::string records;
        for (const PhraseRecord& record : parsePhraseFile(text, "x.dat").records) {
            records += std::to_string(record.line) + ":" + record.category + "=" +
                       record.phraseTemplate + "|";
        }
        return records;
    } catch (const InputError& error) {
        return error.what();
    }
}

TEST(PhraseFile, ReadsRecordsWithTheLineOfTheirCategory) {
    const std::pair<const char*, const char*> cases[] = {
        {"hot,A\ncold,B\n", "1:hot=A|2:cold=B|"},
        {"hot,A\r\ncold,B\rmild,C", "1:hot=A|2:cold=B|3:mild=C|"},
        {"  hot ,   A b  \n", "1:hot=A b|"},  // blanks before skipped, trailing dropped
        {"hot,\" A, b.  \"\n", "1:hot= A, b.  |"},
        {"\"hot\",A\n", "1:hot=A|"},
        {"hot,\"A\" junk\ncold,B\n", "1:hot=A|2:cold=B|"},
        {"\nhot,\"A\nB\"\ncold,C\nmild\nD\n", "2:hot=A\nB|4:cold=C|5:mild=D|"},
        {"\n   \nhot,A\n\n\t\ncold,B\n", "3:hot=A|6:cold=B|"},
        {"hot,A,cold,B\n", "1:hot=A|1:cold=B|"},
        {"hot,\ncold,B\n", "1:hot=|2:cold=B|"},
        {"hot,", "1:hot=|"},
        {"hot,\"\"\n", "1:hot=|"},
        {"", ""},
        {"hot,A\ncold,\"B\nmild,C\n", "x.dat: line 2: quotation mark opened here is never closed"},
        {"hot,A\n\ncold\n", "x.dat: line 3: ends with category \"cold\" that has no template"},
        {"hot,\"A\r\nB\"\r\ngap\r\n",
         "x.dat: line 3: ends with category \"gap\" that has no template"},
    };
    for (const auto& [text, records] : cases) {
        EXPECT_EQ(recordsOf(text), records) << text;
    }
}

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

// Token names are case-sensitive; a bare token name without marks is still one; the first of
// two tokens of one name is used.
TEST_F(AppendPhrase, ReplacesWholePiecesThatNameATokenInTableOrder) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"#winners# beat #losers#", "Cubs beat Mets"}, {"#Winners# won", "Winners won"},
        {"date", "May 1"}, {"a##b", "ab"}, {"up #down", "up down"}, {"# winners #", " winners "},
        {"#losers##date#", "MetsMay 1"}};
    // clang-format on
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
    EXPECT_THROW(appendPhrase(context, "homerun.dat", "mult", {}), InputError);
    EXPECT_TRUE(random.exhausted());
}

TEST(RandomSource, LoadsInQuickSuccessionGetDifferentSeeds) {
    std::set<std::uint32_t> seeds;
    std::uint32_t previous = clockSeed();
    for (int i = 0; i < 10000; ++i) {
        const std::uint32_t seed = clockSeed();
        EXPECT_NE(seed, previous);
        seeds.insert(previous = seed);
    }
    // A collision among 10000 seeds spread over 32 bits is rare; several would be a fault.
    EXPECT_GT(seeds.size(), 9990u);
}

}  // namespace
}  // namespace quillbat
