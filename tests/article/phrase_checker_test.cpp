#include "article/phrase_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "article/phrase_claims.h"
#include "article/phrase_file.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

// The problems of the shipped phrase files, with the files of `folder` in place of theirs and
// without those named in `missing`, one line each.
std::string problemsWith(const std::string& folder, std::string_view missing = "") {
    std::map<std::string, std::string, std::less<>> texts;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        const std::string name(entry.fileName);
        const std::string replaced = fileText(folder + "/" + name);
        if (name != missing) {
            texts[name] = replaced.empty() ? fileText(kShippedPhrases + name) : replaced;
        }
    }
    const PhraseCheck check = checkPhraseFiles([&texts](std::string_view name) {
        const auto found = texts.find(name);
        if (found == texts.end()) {
            throw InputError(std::string(name), "cannot be opened: no such file");
        }
        return found->second;
    });
    std::string problems;
    for (const auto* found : {&check.problems, &check.warnings}) {
        for (const PhraseProblem& problem : *found) {
            problems += formatPhraseProblem(problem) + "\n";
        }
    }
    return problems;
}

// Every faulty record of tests/article/phrase_faults is reported with exactly its faults, as
// expected-problems.txt there lists them, and after the problems each template that claims more
// than its category knows (near misses beside them claim only what theirs knows). A line that is
// no record (a quotation mark left open, no comma, a comma too many) is reported on its own and
// the lines after it are checked all the same; a file that cannot be read is one problem. The
// shipped files give neither problem nor warning.
TEST(PhraseChecker, ReportsExactlyTheFaultsOfEachRecord) {
    const std::string faults = QUILLBAT_SOURCE_DIR "/tests/article/phrase_faults";
    EXPECT_EQ(problemsWith(faults), fileText(faults + "/expected-problems.txt"));
    EXPECT_EQ(problemsWith(""), "");
    EXPECT_EQ(problemsWith("", "homerun.dat"), "homerun.dat: cannot be opened: no such file\n");
}

// Claim phrases are whole words (a "*" takes any ending), without regard to case; a token's name
// is a word; text that an earlier claim took is not read again; each phrase is named once.
TEST(PhraseClaims, NameThePhrasesACategoryMayNotUse) {
    struct Case {
        std::string_view file, category, phraseTemplate, claims;
    };
    const Case cases[] = {
        {"score.dat", "close", "#winners# held off the #losers#, then held off more.  ",
         "held off"},
        {"score.dat", "close", "#winners# held the #losers# off.  ", ""},
        {"story.dat", "wire", "It came LATER.  ", ""},
        {"story.dat", "wire", "A late-inning run.  ", "late"},
        {"story.dat", "late", "A late-inning run.  ", ""},
        {"story.dat", "wire", "They never trailed.  ", ""},
        {"story.dat", "early", "They never trailed.  ", "never trail*"},
        {"story.dat", "early", "Down #deficit#, they RALLIED.  ", "rall*|deficit*"},
        {"story.dat", "headline_comeback", "Down #deficit#, they rallied", ""},
        {"temperature.dat", "cold", "Hand warmers came out", ""},
        {"temperature.dat", "hot", "Hand warmers came out", "hand warmers"},
        {"homerun.dat", "other", "He homered.  ", ""},
        {"winner_1_batter.dat", "none", "He homered.  ", "homer*"},
        {"winner_2_batter.dat", "Hits234", "He was a single short of the cycle.  ", ""},
        {"loser_1_batter.dat", "none", "He was a single short of the cycle.  ", "cycle*|singl*"},
        {"another.dat", "close", "They held off.  ", "held off"},
    };
    for (const Case& c : cases) {
        std::string claims;
        for (std::string_view claim : claimsBeyondCategory(c.file, c.category, c.phraseTemplate)) {
            claims += (claims.empty() ? "" : "|") + std::string(claim);
        }
        EXPECT_EQ(claims, c.claims) << c.file << " " << c.category << ": " << c.phraseTemplate;
    }
}

// The shipped templates write as a paper does: no exclamation mark, no "a" or "an" before a
// token (which may be "8" or "eleven"), no possessive made on a token (team names need not end
// in "s"); and the story's categories hold enough templates that none of them is drawn in more
// than 3.5% of a season's articles, by the share of games each category takes.
TEST(ShippedPhrases, ReadAsANewspaperWritesThem) {
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        const std::string name(entry.fileName);
        for (const PhraseRecord& record :
             parsePhraseFile(fileText(kShippedPhrases + name), name).records) {
            const std::string lower = [&] {
                std::string text = " " + record.phraseTemplate;
                for (char& c : text) {
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                }
                return text;
            }();
            for (std::string_view fault : {"!", " a #", " an #", "#'"}) {
                EXPECT_EQ(lower.find(fault), std::string::npos)
                    << name << ": line " << record.line << " holds \"" << fault << "\"";
            }
        }
    }
    const std::pair<std::string, double> shares[] = {
        {"walkoff_homer", 0.03}, {"walkoff", 0.07}, {"comeback", 0.07}, {"extra", 0.04},
        {"late", 0.13},          {"rout", 0.13},    {"wire", 0.33},     {"early", 0.21}};
    const PhraseFile story = parsePhraseFile(fileText(kShippedPhrases + "story.dat"), "story.dat");
    for (const auto& [category, share] : shares) {
        for (const std::string& drawn : {category, "headline_" + category}) {
            const auto count =
                std::count_if(story.records.begin(), story.records.end(),
                              [&](const PhraseRecord& r) { return r.category == drawn; });
            EXPECT_LE(share / static_cast<double>(count), 0.035) << drawn << ": " << count;
        }
    }
}

}  // namespace
}  // namespace quillbat
