// Lines read from a stream whose buffer refills in small pieces, so that line ends, carriage
// return and line feed pairs and the longest lines fall across refills, with a new reader for
// each line as the boxscore and play-by-play readers go on from one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <istream>
#include <iterator>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "boxscore/text_lines.h"

namespace quillbat {
namespace {

// Serves a text in get areas of `piece` characters, as a file's buffer refills; piece 0 keeps
// no get area at all and gives one character a call, as an unbuffered stream does.
class PieceBuffer : public std::streambuf {
  public:
    PieceBuffer(std::string text, std::size_t piece) : text_(std::move(text)), piece_(piece) {}

  protected:
    int_type underflow() override {
        if (served_ == text_.size()) {
            return traits_type::eof();
        }
        char* start = text_.data() + served_;
        if (piece_ > 0) {
            const std::size_t size = std::min(piece_, text_.size() - served_);
            setg(start, start, start + size);
            served_ += size;
        }
        return traits_type::to_int_type(*start);
    }

    int_type uflow() override {
        if (piece_ > 0) {
            return std::streambuf::uflow();
        }
        const int_type next = underflow();
        if (!traits_type::eq_int_type(next, traits_type::eof())) {
            ++served_;
        }
        return next;
    }

  private:
    std::string text_;
    std::size_t piece_;
    std::size_t served_ = 0;
};

constexpr std::size_t kMaxLength = 4;

// Each line of the text, read by a new StreamLines of kMaxLength; a line too long ends the
// list with "too long, then " and what the stream still holds.
std::vector<std::string> linesInPieces(const std::string& text, std::size_t piece) {
    PieceBuffer buffer(text, piece);
    std::istream in(&buffer);
    std::vector<std::string> lines;
    for (std::string line;;) {
        switch (StreamLines(in, kMaxLength).next(line)) {
            case StreamLines::Result::Line:
                lines.push_back(line);
                continue;
            case StreamLines::Result::End:
                return lines;
            case StreamLines::Result::TooLong:
                lines.push_back("too long, then " + std::string(std::istreambuf_iterator<char>(in),
                                                                std::istreambuf_iterator<char>()));
                return lines;
        }
    }
}

TEST(StreamLines, LineEndsAndLongestLinesAcrossRefills) {
    using Lines = std::vector<std::string>;
    // clang-format off
    const std::pair<std::string, Lines> cases[] = {
        {"ab\r\ncd\r", {"ab", "cd"}},
        {"ab\rcd\n\r\n", {"ab", "cd", ""}},
        {"\r\r\n\n\rx", {"", "", "", "", "x"}},
        {"abc\r\r\ndef", {"abc", "", "def"}},
        {"abcd\r\nefgh", {"abcd", "efgh"}},
        {"abcd\rwxyz\n", {"abcd", "wxyz"}},
        {"abcde\nf", {"too long, then \nf"}},
        {"abcd\r\nvwxyz\r\nq", {"abcd", "too long, then \r\nq"}},
        {"a\nbcdefgh", {"a", "too long, then gh"}},
        {std::string("\0b\r\xFF", 4), {std::string("\0b", 2), "\xFF"}}};
    // clang-format on
    for (const auto& [text, lines] : cases) {
        for (const std::size_t piece : {0U, 1U, 2U, 3U, 4U, 5U, 64U}) {
            EXPECT_EQ(linesInPieces(text, piece), lines) << "pieces of " << piece << ": " << text;
        }
    }
}

}  // namespace
}  // namespace quillbat
