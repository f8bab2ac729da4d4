#include "boxscore/text_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quillbat {
namespace {

std::vector<std::string> memoryLines(std::string_view text) {
    std::vector<std::string> lines;
    TextLines split(text);
    std::string_view line;
    while (split.next(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

std::vector<std::string> streamLines(const std::string& text, std::size_t limit = 100) {
    std::istringstream in(text);
    StreamLines split(in, limit);
    std::vector<std::string> lines;
    std::string line;
    while (split.next(line) == StreamLines::Result::Line) {
        lines.push_back(line);
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineSplitting, EveryKindOfLineEndEndsALine) {
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {std::string("n\0l\r\n\x01\xFF", 7), {std::string("n\0l", 3), "\x01\xFF"}},
        {"\fnext", {"\fnext"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(memoryLines(c.text), c.lines) << c.text;
        EXPECT_EQ(streamLines(c.text), c.lines) << c.text;
    }
}

TEST(LineSplitting, StreamStopsJustAfterTheFirstTooLongLine) {
    std::istringstream in("short\r\n" + std::string(150, 'x') + "\r\nafter\r\n");
    StreamLines split(in, 100);
    std::string line;
    EXPECT_EQ(split.next(line), StreamLines::Result::Line);
    EXPECT_EQ(split.next(line), StreamLines::Result::TooLong);
    EXPECT_EQ(in.tellg(), 7 + 101);
}

// The stream gathers characters in blocks of 256: lines just under, at and over one and two
// blocks come back whole, and the limit still falls on the exact character.
TEST(LineSplitting, LongStreamLinesAcrossBlocksComeBackWhole) {
    for (std::size_t length : {255u, 256u, 257u, 511u, 512u, 513u}) {
        std::string text = std::string(length - 1, 'x') + "y\r\nz";
        EXPECT_EQ(streamLines(text, 600), (Lines{text.substr(0, length), "z"})) << length;
    }
    for (std::size_t limit : {100u, 511u, 512u}) {
        std::istringstream in(std::string(512, 'x'));
        StreamLines split(in, limit);
        std::string line;
        if (limit < 512u) {
            EXPECT_EQ(split.next(line), StreamLines::Result::TooLong) << limit;
            continue;
        }
        EXPECT_EQ(split.next(line), StreamLines::Result::Line);
        EXPECT_EQ(line.size(), 512u);
        EXPECT_EQ(split.next(line), StreamLines::Result::End);
        EXPECT_FALSE(split.hasMore());
    }
}

}  // namespace
}  // namespace quillbat
