#include "article/phrase_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "article/phrase_catalog.h"
#include "tests/article/article_test_support.h"
#include "tests/article/case_name.h"

namespace quillbat {
namespace {

std::string shippedText(std::string_view fileName) {
    std::ifstream in(std::string(QUILLBAT_SOURCE_DIR) + "/data/" + std::string(fileName),
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// The nine shipped phrase files in memory, ready to be spoiled one at a time.
struct ShippedPhrases {
    MemoryPhraseSource source;

    ShippedPhrases() {
        for (const PhraseFileEntry& entry : phraseCatalog()) {
            source.set(std::string(entry.fileName), shippedText(entry.fileName));
        }
    }

    std::vector<std::string> problems() {
        std::vector<std::string> lines;
        for (const PhraseProblem& problem : checkPhraseFiles(source)) {
            lines.push_back(formatPhraseProblem(problem));
        }
        return lines;
    }
};

TEST(PhraseChecker, ShippedFilesHaveNoProblem) {
    ShippedPhrases phrases;
    EXPECT_EQ(phrases.problems(), std::vector<std::string>{});
}

struct AddedRecordCase {
    const char* name;
    const char* fileName;
    const char* record;                 // one record appended after the shipped ones
    std::vector<std::string> messages;  // what follows "file: line N: category "c": "
};

class AddedRecord : public testing::TestWithParam<AddedRecordCase> {};

TEST_P(AddedRecord, ReportsExactlyItsFaults) {
    const AddedRecordCase& param = GetParam();
    ShippedPhrases phrases;
    std::string text = shippedText(param.fileName);
    phrases.source.set(param.fileName, text + param.record + "\r\n");

    std::string record = param.record;
    std::string category = record.substr(0, record.find(','));
    std::string where = std::string(param.fileName) + ": line " +
                        std::to_string(lineCount(text) + 1) + ": category \"" + category + "\": ";
    std::vector<std::string> expected;
    for (const std::string& message : param.messages) {
        expected.push_back(where + message);
    }
    EXPECT_EQ(phrases.problems(), expected);
}

const char* const kNoEnd = "the template must end with a point (or \"!\") and two blanks";
const char* const kOpeningEnd =
    "an opening template ends without a point or blank: the weather text follows it";

INSTANTIATE_TEST_SUITE_P(
    Cases, AddedRecord,
    testing::Values(
        AddedRecordCase{"SoundSentences",
                        "pitch_won.dat",
                        "normal,\"#winPitch# won!  He is #wins#-#losses#.  \"",
                        {}},
        AddedRecordCase{"PointBeforeDigitsIsNoSentenceEnd",
                        "pitch_won.dat",
                        "normal,\"#winPitch# is over .500 at #wins#-#losses#.  \"",
                        {}},
        AddedRecordCase{"ExclamationMarksInARow",
                        "pitch_won.dat",
                        "normal,\"#winPitch# did it folks!!!  \"",
                        {}},
        AddedRecordCase{
            "SoundOpening", "temperature.dat", "hot,\"It was #degrees# on #date#\"", {}},
        AddedRecordCase{"SoundScore",
                        "score.dat",
                        "close,\"#winners# edged the #losers# #winRuns#-#loseRuns#.  \"",
                        {}},
        AddedRecordCase{
            "ScoreOfLowerCaseWords", "score.dat", "close,\"visiting #winners# won it.  \"", {}},
        AddedRecordCase{"UnknownToken",
                        "score.dat",
                        "close,\"#winners# edged the #loosers# 3-2.  \"",
                        {"unknown token #loosers#"}},
        AddedRecordCase{"TokenOfAnotherFile",
                        "loser_1_batter.dat",
                        "none,\"#batter# went #gmH-AB# for the #winners#.  \"",
                        {"unknown token #winners#"}},
        AddedRecordCase{"TokenCaseMatters",
                        "pitch_save.dat",
                        "0,\"#SavePitch# saved it.  \"",
                        {"unknown token #SavePitch#"}},
        AddedRecordCase{"EmptyToken",
                        "pitch_save.dat",
                        "0,\"#savePitch# saved ## it.  \"",
                        {"unknown token ##"}},
        AddedRecordCase{"UnpairedMark",
                        "pitch_won.dat",
                        "normal,\"#winPitch won.  \"",
                        {"a \"#\" has no partner: a token stands between two \"#\""}},
        AddedRecordCase{"UnquotedSentenceLosesItsBlanks",
                        "pitch_won.dat",
                        "normal,#winPitch# won.",
                        {std::string(kNoEnd) +
                         "; a template that ends in blanks is written in quotation marks"}},
        AddedRecordCase{
            "OneBlankAtTheEnd", "pitch_won.dat", "normal,\"#winPitch# won. \"", {kNoEnd}},
        AddedRecordCase{
            "ThreeBlanksAtTheEnd", "pitch_won.dat", "normal,\"#winPitch# won.   \"", {kNoEnd}},
        AddedRecordCase{"NoSentenceEnd", "pitch_won.dat", "normal,\"#winPitch# won  \"", {kNoEnd}},
        AddedRecordCase{"OneBlankBetweenSentences",
                        "pitch_won.dat",
                        "normal,\"#winPitch# won. He is #wins#-#losses#.  \"",
                        {"a sentence end is followed by 1 blank instead of two"}},
        AddedRecordCase{"ThreeBlanksBetweenSentences",
                        "pitch_won.dat",
                        "normal,\"#winPitch# won.   He is #wins#-#losses#.  \"",
                        {"a sentence end is followed by 3 blanks instead of two"}},
        AddedRecordCase{"LowerCaseSentenceStart",
                        "pitch_won.dat",
                        "normal,\"#winPitch# won.  he is #wins#-#losses#.  \"",
                        {"a sentence starts with \"h\" instead of a capital letter"}},
        AddedRecordCase{"LowerCaseTemplateStart",
                        "pitch_won.dat",
                        "normal,\"credit #winPitch#.  \"",
                        {"the template starts with \"c\" instead of a capital letter"}},
        AddedRecordCase{"BlankBeforePoint",
                        "pitch_won.dat",
                        "normal,\"#winPitch# won .  \"",
                        {"a blank stands before a point"}},
        AddedRecordCase{"BlankBeforeComma",
                        "pitch_won.dat",
                        "normal,\"#winPitch# won , again.  \"",
                        {"a blank stands before a comma"}},
        AddedRecordCase{"BlanksInARowInsideASentence",
                        "pitch_save.dat",
                        "0,\"#savePitch#  saved it.  \"",
                        {"blanks in a row away from a sentence end"}},
        AddedRecordCase{"LineBreakInQuotes",
                        "pitch_save.dat",
                        "0,\"#savePitch#\nsaved it.  \"",
                        {"the template holds a line break; the article is one line"}},
        AddedRecordCase{"EmptyTemplate", "pitch_save.dat", "0,\"\"", {"the template is empty"}},
        AddedRecordCase{"OpeningEndingInPoint",
                        "temperature.dat",
                        "hot,\"It was hot on #date#.\"",
                        {kOpeningEnd}},
        AddedRecordCase{"OpeningEndingInBlank",
                        "temperature.dat",
                        "hot,\"It was hot on #date# \"",
                        {kOpeningEnd}},
        AddedRecordCase{"OpeningEndingInComma",
                        "temperature.dat",
                        "hot,\"It was hot on #date#,\"",
                        {kOpeningEnd}},
        AddedRecordCase{"ScoreStartingWithCapital",
                        "score.dat",
                        "close,\"The #winners# won #winRuns#-#loseRuns#.  \"",
                        {"a score template continues after \"the \": it starts with a token or "
                         "a lower-case word"}},
        AddedRecordCase{"ScoreSayingTheAgain",
                        "score.dat",
                        "close,\"the #winners# won.  \"",
                        {"the template starts with \"the\", which the text before it has "
                         "already said"}},
        AddedRecordCase{"ScoreWithoutItsEnd", "score.dat", "close,\"#winners# won\"", {kNoEnd}},
        AddedRecordCase{"CategoryNeverAskedFor",
                        "pitch_save.dat",
                        "30,\"#savePitch# saved it.  \"",
                        {"the article never asks this file for this category"}},
        AddedRecordCase{"CategoryCaseMatters",
                        "winner_2_batter.dat",
                        "hrs,\"#batter# homered.  \"",
                        {"the article never asks this file for this category"}},
        AddedRecordCase{"SeveralFaultsOfOneTemplate",
                        "pitch_lost.dat",
                        "normal,\"#losePitch# lost , #wins#-#losers#.\"",
                        {"unknown token #losers#", "a blank stands before a comma",
                         std::string(kNoEnd) + "; a template that ends in blanks is written "
                                               "in quotation marks"}}),
    CaseName());

TEST(PhraseChecker, MissingFileIsOneProblem) {
    MemoryPhraseSource withoutHomeRuns;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        if (entry.fileName != "homerun.dat") {
            withoutHomeRuns.set(std::string(entry.fileName), shippedText(entry.fileName));
        }
    }
    std::vector<PhraseProblem> problems = checkPhraseFiles(withoutHomeRuns);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(formatPhraseProblem(problems[0]), "homerun.dat: cannot be opened: no such file");
}

TEST(PhraseChecker, MalformedFileNamesTheLoadersLineAndReason) {
    ShippedPhrases phrases;
    phrases.source.set("score.dat", "close,\"#winners# won.  \"\nextra,\"#winners# won\n");
    EXPECT_EQ(
        phrases.problems(),
        std::vector<std::string>{"score.dat: line 2: quotation mark opened here is never closed"});
}

TEST(PhraseChecker, EveryMissingCategoryIsNamed) {
    ShippedPhrases phrases;
    phrases.source.set("score.dat", "close,\"#winners# edged the #losers#.  \"\n");
    EXPECT_EQ(phrases.problems(),
              (std::vector<std::string>{
                  "score.dat: category \"normal\": no template of this category",
                  "score.dat: category \"double\": no template of this category",
                  "score.dat: category \"rout\": no template of this category",
                  "score.dat: category \"shutout\": no template of this "
                  "category",
                  "score.dat: category \"extra\": no template of this category",
              }));
}

int shippedFirstSaveTemplates() {
    int shipped = 0;
    for (const PhraseRecord& record :
         parsePhraseFile(shippedText("pitch_save.dat"), "pitch_save.dat").records) {
        shipped += record.category == "0" ? 1 : 0;
    }
    return shipped;
}

// pitch_save.dat with `total` templates of category "0" in all (the shipped ones included),
// the added ones one per line after the shipped ones.
std::vector<std::string> problemsWithSaveTemplates(int total) {
    ShippedPhrases phrases;
    std::string text = shippedText("pitch_save.dat");
    for (int added = shippedFirstSaveTemplates(); added < total; ++added) {
        text += "0,\"#savePitch# saved it.  \"\r\n";
    }
    phrases.source.set("pitch_save.dat", text);
    return phrases.problems();
}

TEST(PhraseChecker, HundredAndTwentySixTemplatesOfOneCategoryAreRead) {
    EXPECT_EQ(problemsWithSaveTemplates(126), std::vector<std::string>{});
}

TEST(PhraseChecker, TheHundredAndTwentySeventhTemplateIsReported) {
    int lines = lineCount(shippedText("pitch_save.dat"));
    std::vector<std::string> problems = problemsWithSaveTemplates(127);
    ASSERT_EQ(problems.size(), 1u);
    int line = lines + 127 - shippedFirstSaveTemplates();
    EXPECT_EQ(problems[0], "pitch_save.dat: line " + std::to_string(line) +
                               ": category \"0\": more than 126 templates in one category");
}

TEST(PhraseChecker, ProblemLineLeavesOutWhatDoesNotApply) {
    EXPECT_EQ(formatPhraseProblem({"score.dat", 12, "close", "unknown token #loosers#"}),
              "score.dat: line 12: category \"close\": unknown token #loosers#");
    EXPECT_EQ(formatPhraseProblem({"score.dat", 0, "extra", "no template of this category"}),
              "score.dat: category \"extra\": no template of this category");
    EXPECT_EQ(formatPhraseProblem({"score.dat", 3, "",
                                   "quotation mark opened here is never "
                                   "closed"}),
              "score.dat: line 3: quotation mark opened here is never closed");
}

}  // namespace
}  // namespace quillbat
