// libFuzzer target: the play-by-play reader and the story derived from it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_check_failure.h"
#include "fuzz/story_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        quillbat::fuzzing::checkStoryInput(
            std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const quillbat::fuzzing::FuzzCheckFailure& failure) {
        std::fprintf(stderr, "story check failed: %s\n", failure.what());
        std::abort();
    }
    return 0;
}
