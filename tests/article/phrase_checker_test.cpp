#include "article/phrase_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "article/phrase_catalog.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

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

const char* const kNoEnd = "the template must end with a point (or \"!\") and two blanks";
const std::string kNoEndUnquoted =
    std::string(kNoEnd) + "; a template that ends in blanks is written in quotation marks";
const char* const kOpeningEnd =
    "an opening template ends without a point or blank: the weather text follows it";
const char* const kNeverAsked = "the article never asks this file for this category";

// One record appended after the shipped ones is reported with exactly its faults, each after
// "file: line N: category "c": ".
TEST(PhraseChecker, AddedRecordReportsExactlyItsFaults) {
    const char* const kWon = "pitch_won.dat";
    const char* const kSave = "pitch_save.dat";
    const struct {
        const char* fileName;
        const char* record;
        std::vector<std::string> messages;
    } cases[] = {
        {kWon, "normal,\"#winPitch# won!  He is #wins#-#losses#.  \"", {}},
        {kWon, "normal,\"#winPitch# is over .500 at #wins#-#losses#.  \"", {}},
        {kWon, "normal,\"#winPitch# did it folks!!!  \"", {}},
        {"temperature.dat", "hot,\"It was #degrees# on #date#\"", {}},
        {"score.dat", "close,\"#winners# edged the #losers# #winRuns#-#loseRuns#.  \"", {}},
        {"score.dat", "close,\"visiting #winners# won it.  \"", {}},
        {"score.dat", "close,\"#winners# beat #loosers#.  \"", {"unknown token #loosers#"}},
        {"loser_1_batter.dat", "none,\"#gmH-AB# for #winners#.  \"", {"unknown token #winners#"}},
        {kSave, "0,\"#SavePitch# saved it.  \"", {"unknown token #SavePitch#"}},
        {kSave, "0,\"#savePitch# saved ## it.  \"", {"unknown token ##"}},
        {kWon,
         "normal,\"#winPitch.  \"",
         {"a \"#\" has no partner: a token stands between two \"#\""}},
        {kWon, "normal,#winPitch# won.", {kNoEndUnquoted}},
        {kWon, "normal,\"#winPitch# won. \"", {kNoEnd}},
        {kWon, "normal,\"#winPitch# won.   \"", {kNoEnd}},
        {kWon, "normal,\"#winPitch# won  \"", {kNoEnd}},
        {kWon,
         "normal,\"Won. He is #wins#.  \"",
         {"a sentence end is followed by 1 blank instead of two"}},
        {kWon,
         "normal,\"Won.   He is #wins#.  \"",
         {"a sentence end is followed by 3 blanks instead of two"}},
        {kWon,
         "normal,\"Won.  he is #wins#.  \"",
         {"a sentence starts with \"h\" instead of a capital letter"}},
        {kWon,
         "normal,\"credit him.  \"",
         {"the template starts with \"c\" instead of a capital letter"}},
        {kWon, "normal,\"#winPitch# won .  \"", {"a blank stands before a point"}},
        {kWon, "normal,\"#winPitch# won , again.  \"", {"a blank stands before a comma"}},
        {kSave, "0,\"#savePitch#  saved it.  \"", {"blanks in a row away from a sentence end"}},
        {kSave, "0,\"Saved\nit.  \"", {"the template holds a line break; the article is one line"}},
        {kSave, "0,\"\"", {"the template is empty"}},
        {"temperature.dat", "hot,\"It was hot on #date#.\"", {kOpeningEnd}},
        {"temperature.dat", "hot,\"It was hot on #date# \"", {kOpeningEnd}},
        {"temperature.dat", "hot,\"It was hot on #date#,\"", {kOpeningEnd}},
        {"score.dat",
         "close,\"The #winners# won.  \"",
         {"a score template continues after \"the \": it starts with a token or a lower-case "
          "word"}},
        {"score.dat",
         "close,\"the #winners# won.  \"",
         {"the template starts with \"the\", which the text before it has already said"}},
        {"score.dat", "close,\"#winners# won\"", {kNoEnd}},
        {kSave, "30,\"#savePitch# saved it.  \"", {kNeverAsked}},
        {"winner_2_batter.dat", "hrs,\"#batter# homered.  \"", {kNeverAsked}},
        {"pitch_lost.dat",
         "normal,\"#losePitch# lost , #wins#-#losers#.\"",
         {"unknown token #losers#", "a blank stands before a comma", kNoEndUnquoted}},
    };
    for (const auto& c : cases) {
        ShippedPhrases phrases;
        const std::string text = shippedText(c.fileName);
        phrases.source.set(c.fileName, text + c.record + "\r\n");
        const std::string record = c.record;
        const std::string where = std::string(c.fileName) + ": line " +
                                  std::to_string(lineCount(text) + 1) + ": category \"" +
                                  record.substr(0, record.find(',')) + "\": ";
        std::vector<std::string> expected;
        for (const std::string& message : c.messages) {
            expected.push_back(where + message);
        }
        EXPECT_EQ(phrases.problems(), expected) << c.record;
    }
}

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
                  "score.dat: category \"shutout\": no template of this category",
                  "score.dat: category \"extra\": no template of this category",
              }));
}

// pitch_save.dat has 126 templates of category "0" in all, then a 127th on the next line.
TEST(PhraseChecker, TheHundredAndTwentySeventhTemplateOfACategoryIsReported) {
    std::string text = shippedText("pitch_save.dat");
    int templates = 0;
    for (const PhraseRecord& record : parsePhraseFile(text, "pitch_save.dat").records) {
        templates += record.category == "0" ? 1 : 0;
    }
    ShippedPhrases phrases;
    for (; templates < 126; ++templates) {
        text += "0,\"#savePitch# saved it.  \"\r\n";
    }
    phrases.source.set("pitch_save.dat", text);
    EXPECT_EQ(phrases.problems(), std::vector<std::string>{});
    phrases.source.set("pitch_save.dat", text + "0,\"#savePitch# saved it.  \"\r\n");
    EXPECT_EQ(
        phrases.problems(),
        std::vector<std::string>{"pitch_save.dat: line " + std::to_string(lineCount(text) + 1) +
                                 ": category \"0\": more than 126 templates in one category"});
}

}  // namespace
}  // namespace quillbat
