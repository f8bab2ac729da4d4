#include "article/phrase_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "article/phrase_file.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

// The problems of the shipped phrase files, with the files of `folder` in place of theirs and
// without those named in `missing`, one line each.
std::string problemsWith(const std::string& folder, std::string_view missing = "") {
    MemoryPhraseSource phrases;
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        const std::string name(entry.fileName);
        const std::string replaced = fileText(folder + "/" + name);
        if (name != missing) {
            phrases.set(name, replaced.empty() ? fileText(kShippedPhrases + name) : replaced);
        }
    }
    std::string problems;
    for (const PhraseProblem& problem : checkPhraseFiles(phrases)) {
        problems += formatPhraseProblem(problem) + "\n";
    }
    return problems;
}

// Every faulty record of tests/article/phrase_faults is reported with exactly its faults, as
// expected-problems.txt there lists them; a file that cannot be loaded is one problem.
TEST(PhraseChecker, ReportsExactlyTheFaultsOfEachRecord) {
    const std::string faults = QUILLBAT_SOURCE_DIR "/tests/article/phrase_faults";
    EXPECT_EQ(problemsWith(faults), fileText(faults + "/expected-problems.txt"));
    EXPECT_EQ(problemsWith(""), "");
    EXPECT_EQ(problemsWith("", "homerun.dat"), "homerun.dat: cannot be opened: no such file\n");
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
