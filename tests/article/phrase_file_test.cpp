#include "article/phrase_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "boxscore/input_error.h"
#include "tests/article/case_name.h"

namespace quillbat {
namespace {

using Records = std::vector<std::pair<std::string, std::string>>;

Records recordsOf(std::string_view text) {
    Records records;
    for (const PhraseRecord& record : parsePhraseFile(text, "score.dat").records) {
        records.emplace_back(record.category, record.phraseTemplate);
    }
    return records;
}

struct FieldCase {
    const char* name;
    const char* text;
    Records expected;
};

class PhraseFieldSyntax : public testing::TestWithParam<FieldCase> {};

TEST_P(PhraseFieldSyntax, ReadsRecords) {
    EXPECT_EQ(recordsOf(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhraseFieldSyntax,
    testing::Values(
        FieldCase{"OneRecordPerLine", "hot,A\ncold,B\n", {{"hot", "A"}, {"cold", "B"}}},
        FieldCase{"CrLfAndBareCr",
                  "hot,A\r\ncold,B\rmild,C",
                  {{"hot", "A"}, {"cold", "B"}, {"mild", "C"}}},
        FieldCase{"LastLineWithoutLineEnd", "hot,A", {{"hot", "A"}}},
        FieldCase{"BlanksBeforeFieldSkippedTrailingDropped", "  hot ,   A b  \n", {{"hot", "A b"}}},
        FieldCase{"QuotedKeepsCommasAndBlanks", "hot,\" A, b.  \"\n", {{"hot", " A, b.  "}}},
        FieldCase{"QuotedCategory", "\"hot\",A\n", {{"hot", "A"}}},
        FieldCase{"TextAfterClosingMarkIgnored",
                  "hot,\"A\" junk\ncold,B\n",
                  {{"hot", "A"}, {"cold", "B"}}},
        FieldCase{"QuotedRunsOverLineEnds", "hot,\"A\nB\"\n", {{"hot", "A\nB"}}},
        FieldCase{"EmptyAndBlankLinesHoldNoField",
                  "\n   \nhot,A\n\n\t\ncold,B\n",
                  {{"hot", "A"}, {"cold", "B"}}},
        FieldCase{"LineEndSeparatesFieldsToo", "hot\nA\ncold\nB\n", {{"hot", "A"}, {"cold", "B"}}},
        FieldCase{"SeveralRecordsOnOneLine", "hot,A,cold,B\n", {{"hot", "A"}, {"cold", "B"}}},
        FieldCase{
            "CommaBeforeLineEndGivesEmptyTemplate", "hot,\ncold,B\n", {{"hot", ""}, {"cold", "B"}}},
        FieldCase{"CommaAtFinishGivesEmptyTemplate", "hot,", {{"hot", ""}}},
        FieldCase{"EmptyQuotedTemplate", "hot,\"\"\n", {{"hot", ""}}},
        FieldCase{"HashesKeptAsWritten",
                  "close,\"#winners# edged the #losers#.  \"\n",
                  {{"close", "#winners# edged the #losers#.  "}}},
        FieldCase{"EmptyFile", "", {}}),
    CaseName());
;

TEST(PhraseFile, RecordsCarryTheLineOfTheirCategory) {
    PhraseFile file = parsePhraseFile("\nhot,\"A\nB\"\ncold,C\nmild\nD\n", "temperature.dat");
    ASSERT_EQ(file.records.size(), 3u);
    EXPECT_EQ(file.fileName, "temperature.dat");
    EXPECT_EQ(file.records[0].line, 2);
    EXPECT_EQ(file.records[1].line, 4);  // the quoted template ran over one line end
    EXPECT_EQ(file.records[2].line, 5);
}

struct ErrorCase {
    const char* name;
    const char* text;
    const char* message;
};

class PhraseFileErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(PhraseFileErrors, NameFileLineAndReason) {
    try {
        parsePhraseFile(GetParam().text, "pitch_won.dat");
        FAIL() << "no error for: " << GetParam().text;
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhraseFileErrors,
    testing::Values(
        ErrorCase{"QuoteNeverClosed", "hot,A\ncold,\"B\nmild,C\n",
                  "pitch_won.dat: line 2: quotation mark opened here is never closed"},
        ErrorCase{"CategoryWithoutTemplate", "hot,A\n\ncold\n",
                  "pitch_won.dat: line 3: ends with category \"cold\" that has no template"},
        ErrorCase{"CategoryWithoutTemplateAfterQuotedLines", "hot,\"A\r\nB\"\r\ngap\r\n",
                  "pitch_won.dat: line 3: ends with category \"gap\" that has no template"}),
    CaseName());
;

}  // namespace
}  // namespace quillbat
