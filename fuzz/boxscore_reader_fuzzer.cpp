// libFuzzer target: the boxscore reader and the article written from what it accepts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/boxscore_check.h"
#include "fuzz/fuzz_check_failure.h"
#include "fuzz/shipped_phrases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quillbat::fuzzing::ShippedPhrases phrases(QUILLBAT_SOURCE_DIR "/data");
    try {
        quillbat::fuzzing::checkBoxscoreInput(
            std::string_view(reinterpret_cast<const char*>(data), size), phrases);
    } catch (const quillbat::fuzzing::FuzzCheckFailure& failure) {
        std::fprintf(stderr, "boxscore check failed: %s\n", failure.what());
        std::abort();
    }
    return 0;
}
