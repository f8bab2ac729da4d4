// Replays the fuzz seed corpus and every input the fuzzers ever found at fault through the same
// checks the fuzz targets run, so the normal test run keeps them fixed.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "app/file_system.h"
#include "fuzz/boxscore_check.h"
#include "fuzz/phrase_check.h"
#include "fuzz/shipped_phrases.h"

namespace quillbat::fuzzing {
namespace {

namespace fs = std::filesystem;

const fs::path kFuzzFolder = fs::path(QUILLBAT_SOURCE_DIR) / "fuzz";

// The files of corpus/<target> and regressions/<target>, sorted.
std::vector<fs::path> inputsOf(const std::string& target) {
    std::vector<fs::path> inputs;
    for (const char* kind : {"corpus", "regressions"}) {
        fs::path folder = kFuzzFolder / kind / target;
        if (fs::is_directory(folder)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
                inputs.push_back(entry.path());
            }
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string bytesOf(const fs::path& input) {
    return readWholeFile(input, input.filename().string());
}

// Runs one check on one input; a refused property fails the test with its reason.
template <typename Check>
void expectPasses(const fs::path& input, Check check) {
    try {
        check(bytesOf(input));
    } catch (const std::exception& error) {
        ADD_FAILURE() << input.filename() << ": " << error.what();
    }
}

ShippedPhrases& shippedPhrases() {
    static ShippedPhrases phrases(fs::path(QUILLBAT_SOURCE_DIR) / "data");
    return phrases;
}

TEST(FuzzReplay, BoxscoreInputsPassTheReaderChecks) {
    std::vector<fs::path> inputs = inputsOf("boxscore_reader");
    ASSERT_FALSE(inputs.empty()) << "no boxscore inputs under " << kFuzzFolder;
    for (const fs::path& input : inputs) {
        expectPasses(input,
                     [](const std::string& bytes) { checkBoxscoreInput(bytes, shippedPhrases()); });
    }
}

TEST(FuzzReplay, PhraseInputsPassThePhraseChecks) {
    std::vector<fs::path> inputs = inputsOf("phrase_file");
    ASSERT_FALSE(inputs.empty()) << "no phrase inputs under " << kFuzzFolder;
    for (const fs::path& input : inputs) {
        expectPasses(input, [](const std::string& bytes) { checkPhraseInput(bytes); });
    }
}

}  // namespace
}  // namespace quillbat::fuzzing
