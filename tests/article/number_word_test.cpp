#include "article/number_word.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

TEST(NumberWord, WritesOneToTenAsWords) {
    const char* words[] = {"one", "two",   "three", "four", "five",
                           "six", "seven", "eight", "nine", "ten"};
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(getNumberWord(std::to_string(n)), words[n - 1]) << n;
    }
}

TEST(NumberWord, LeavesEveryOtherTextUnchanged) {
    for (const char* text : {"0", "11", "12", "07", " 5", "5 ", "-1", "10.0", "", "ten"}) {
        EXPECT_EQ(getNumberWord(text), text);
    }
}

}  // namespace
}  // namespace quillbat
