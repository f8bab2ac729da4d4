#include "article/phrase_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "boxscore/input_error.h"

namespace quillbat {
namespace {

using Records = std::vector<std::pair<std::string, std::string>>;

TEST(PhraseFile, ReadsCommaSeparatedRecords) {
    const struct {
        const char* text;
        Records expected;
    } cases[] = {
        {"hot,A\ncold,B\n", {{"hot", "A"}, {"cold", "B"}}},
        {"hot,A\r\ncold,B\rmild,C", {{"hot", "A"}, {"cold", "B"}, {"mild", "C"}}},
        {"hot,A", {{"hot", "A"}}},
        {"  hot ,   A b  \n", {{"hot", "A b"}}},  // blanks before skipped, trailing dropped
        {"hot,\" A, b.  \"\n", {{"hot", " A, b.  "}}},
        {"\"hot\",A\n", {{"hot", "A"}}},
        {"hot,\"A\" junk\ncold,B\n", {{"hot", "A"}, {"cold", "B"}}},
        {"hot,\"A\nB\"\n", {{"hot", "A\nB"}}},
        {"\n   \nhot,A\n\n\t\ncold,B\n", {{"hot", "A"}, {"cold", "B"}}},
        {"hot\nA\ncold\nB\n", {{"hot", "A"}, {"cold", "B"}}},  // a line end separates too
        {"hot,A,cold,B\n", {{"hot", "A"}, {"cold", "B"}}},
        {"hot,\ncold,B\n", {{"hot", ""}, {"cold", "B"}}},
        {"hot,", {{"hot", ""}}},
        {"hot,\"\"\n", {{"hot", ""}}},
        {"close,\"#winners# edged the #losers#.  \"\n",
         {{"close", "#winners# edged the #losers#.  "}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        Records records;
        for (const PhraseRecord& record : parsePhraseFile(c.text, "score.dat").records) {
            records.emplace_back(record.category, record.phraseTemplate);
        }
        EXPECT_EQ(records, c.expected) << c.text;
    }
}

TEST(PhraseFile, RecordsCarryTheLineOfTheirCategory) {
    PhraseFile file = parsePhraseFile("\nhot,\"A\nB\"\ncold,C\nmild\nD\n", "temperature.dat");
    ASSERT_EQ(file.records.size(), 3u);
    EXPECT_EQ(file.fileName, "temperature.dat");
    EXPECT_EQ(file.records[0].line, 2);
    EXPECT_EQ(file.records[1].line, 4);  // the quoted template ran over one line end
    EXPECT_EQ(file.records[2].line, 5);
}

TEST(PhraseFile, ErrorsNameFileLineAndReason) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"hot,A\ncold,\"B\nmild,C\n",
         "pitch_won.dat: line 2: quotation mark opened here is never closed"},
        {"hot,A\n\ncold\n",
         "pitch_won.dat: line 3: ends with category \"cold\" that has no template"},
        {"hot,\"A\r\nB\"\r\ngap\r\n",
         "pitch_won.dat: line 3: ends with category \"gap\" that has no template"},
    };
    for (const auto& c : cases) {
        try {
            parsePhraseFile(c.text, "pitch_won.dat");
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const InputError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace quillbat
