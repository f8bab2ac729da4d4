#include "boxscore/text_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quillbat {
namespace {

using Lines = std::vector<std::string>;

// The lines of a text held in memory; read as a stream it gives the same lines.
Lines linesOf(const std::string& text) {
    Lines lines;
    TextLines split(text);
    for (std::string_view line; split.next(line);) {
        lines.emplace_back(line);
    }
    std::istringstream in(text);
    StreamLines stream(in, 1000);
    Lines streamed;
    for (std::string line; stream.next(line) == StreamLines::Result::Line;) {
        streamed.push_back(line);
    }
    EXPECT_EQ(streamed, lines);
    return lines;
}

TEST(TextLines, EveryKindOfLineEndEndsALine) {
    const std::string wide = std::string(511, 'x') + "y";  // two blocks of the stream's reading
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"\r\n", {""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {std::string("n\0l\r\n\xFF", 6), {std::string("n\0l", 3), "\xFF"}},
        {wide + "\r\n" + wide + "z", {wide, wide + "z"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(linesOf(c.text), c.lines) << c.text.substr(0, 20);
    }
}

}  // namespace
}  // namespace quillbat
