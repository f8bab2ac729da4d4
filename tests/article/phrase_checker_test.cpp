#include "article/phrase_checker.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace quillbat
