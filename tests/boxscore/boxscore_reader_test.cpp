// The reader where the folder of cases does not reach: splitting text into lines, then
// readBoxscore on the worked example (examples/riverton-at-harbor-city.box) with a few lines
// changed.
#include "boxscore/boxscore_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <istream>
#include <iterator>
#include <sstream>
#include <streambuf>
#include <string>
#include <tuple>
#include <vector>

#include "boxscore/input_error.h"
#include "boxscore/text_lines.h"
#include "core/record_json.h"
#include "system/file_system.h"

namespace quillbat {
namespace {

using Lines = std::vector<std::string>;

// Serves a text in get areas of `piece` characters, as a file's buffer refills, so that line
// ends fall across refills; piece 0 keeps no get area at all and gives one character a call, as
// an unbuffered stream does.
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

// Each line of the text read from a stream in pieces by a new StreamLines of maxLength, as the
// boxscore and play-by-play readers go on from one another; a line too long ends the list with
// "too long, then " and what the stream still holds.
Lines streamedLines(const std::string& text, std::size_t piece, std::size_t maxLength) {
    PieceBuffer buffer(text, piece);
    std::istream in(&buffer);
    Lines lines;
    for (std::string line;;) {
        switch (StreamLines(in, maxLength).next(line)) {
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

constexpr std::size_t kPieces[] = {0, 1, 2, 3, 5, 64};

// The lines of a text held in memory; read as a stream in pieces it gives the same lines.
Lines linesOf(const std::string& text) {
    Lines lines;
    TextLines split(text);
    for (std::string_view line; split.next(line);) {
        lines.emplace_back(line);
    }
    for (const std::size_t piece : kPieces) {
        EXPECT_EQ(streamedLines(text, piece, 1000), lines) << "pieces of " << piece;
    }
    return lines;
}

TEST(TextLines, EveryKindOfLineEndEndsALine) {
    // clang-format off
    const std::pair<std::string, Lines> cases[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}}, {"\r\n", {""}}, {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}}, {"\r\r\n\n\rx", {"", "", "", "", "x"}},
        {std::string("n\0l\r\n\xFF", 6), {std::string("n\0l", 3), "\xFF"}}};
    // clang-format on
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(linesOf(text), lines) << text.substr(0, 20);
    }
}

// A line of more than the longest length leaves the stream just after its first length + 1
// characters; one of exactly that length is a line, whatever its line end.
TEST(StreamLines, LongestLinesAcrossRefills) {
    const std::pair<std::string, Lines> cases[] = {
        {"abcd\r\nefgh", {"abcd", "efgh"}},
        {"abcd\rwxyz\n", {"abcd", "wxyz"}},
        {"abcde\nf", {"too long, then \nf"}},
        {"abcd\r\nvwxyz\r\nq", {"abcd", "too long, then \r\nq"}},
        {"a\nbcdefgh", {"a", "too long, then gh"}}};
    for (const auto& [text, lines] : cases) {
        for (const std::size_t piece : kPieces) {
            EXPECT_EQ(streamedLines(text, piece, 4), lines)
                << "pieces of " << piece << ": " << text;
        }
    }
}

// The 21 lines of the worked example before its form feed line.
Lines workedExample() {
    static const std::string text =
        readWholeFile(QUILLBAT_SOURCE_DIR "/examples/riverton-at-harbor-city.box", "example");
    Lines lines;
    TextLines split(text);
    for (std::string_view line; lines.size() < 21 && split.next(line);) {
        lines.emplace_back(line);
    }
    return lines;
}

std::string joined(const Lines& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

// The lines with line `number` replaced (or added after the last).
Lines with(std::size_t number, const std::string& text, Lines lines = workedExample()) {
    lines.resize(std::max(lines.size(), number));
    lines[number - 1] = text;
    return lines;
}

// The refusal of a text, or "" when it is read. Read as a stream it gives the same answer.
std::string refusalOf(const Lines& lines) {
    auto answer = [](auto&& input) -> std::string {
        try {
            return "read " + recordToJson(readBoxscore(input, "ex.box"));
        } catch (const InputError& refusal) {
            return refusal.what();
        }
    };
    const std::string text = joined(lines);
    std::istringstream stream(text);
    const std::string fromText = answer(std::string_view(text));
    EXPECT_EQ(answer(stream), fromText);
    return fromText.starts_with("read ") ? "" : fromText;
}

TEST(Reader, RefusesWhatItCannotReadAndNothingElse) {
    const std::string header = workedExample()[2];
    // The header with its innings (23 and 22 from the end) replaced.
    auto innings = [&](const char* two) {
        return with(3,
                    header.substr(0, header.size() - 23) + two + header.substr(header.size() - 21));
    };
    // The worked example filled up to line `count`, which is `last`, then 300 more lines.
    auto linesUpTo = [](int count, const std::string& last) {
        Lines lines = workedExample();
        lines.resize(static_cast<std::size_t>(count - 1), "filler");
        lines.push_back(last);
        lines.resize(lines.size() + 300, "play-by-play");
        return lines;
    };
    const std::string tooLong(kMaxLineLength + 1, 'x');
    const std::string noLineScore = "ex.box: has no line score: it is not a boxscore of the game";
    const std::string tooMany = "ex.box: has more than 200 lines before its end";
    Lines fiftyOneVisitors = workedExample();
    fiftyOneVisitors.insert(fiftyOneVisitors.begin() + 7, 49, "Visitor  4  1  2  1  .301");
    const std::pair<Lines, std::string> cases[] = {
        {innings("x9"),
         "ex.box: line 3: innings in the line-score header are not a number: \"x9\""},
        {innings("  "),
         "ex.box: line 3: innings in the line-score header are not a number: \"  \""},
        {innings("1 "), ""},
        {with(3, std::string(20, ' ') + "DP"),
         "ex.box: line 3: the line-score header is too short to hold the number of innings"},
        {with(3, "12" + std::string(19, ' ') + "DP"), ""},  // 23 characters are just enough
        {with(12, std::string(kMaxLineLength, 'x')), ""},
        {with(12, tooLong), "ex.box: line 12 is longer than 1000000 characters"},
        {linesUpTo(200, "\fnext game"), ""},
        {linesUpTo(200, tooLong), "ex.box: line 200 is longer than 1000000 characters"},
        {linesUpTo(201, "\fnext game"), tooMany},
        {linesUpTo(201, tooLong), tooMany},  // line 201 is refused for its number first
        {{}, "ex.box: is empty"},
        {{"", " \t", ""}, "ex.box: is empty"},
        {{"", " .", ""}, noLineScore},
        {{"\f"}, noLineScore},
        {{"a", "\fb", header}, noLineScore},
        {fiftyOneVisitors, "ex.box: line 58: the visitors have more than 50 batting rows"},
    };
    for (const auto& [lines, refusal] : cases) {
        EXPECT_EQ(refusalOf(lines), refusal) << lines.size() << " lines";
    }
}

// Lines 12 (GWRBI), 13 and 14 of the worked example replaced; the wind speed, strong wind, wind
// text and temperature read.
TEST(Reader, WindAndTemperature) {
    using Weather = std::tuple<std::int16_t, bool, std::string, std::optional<double>>;
    const std::tuple<const char*, const char*, const char*, Weather> cases[] = {
        {"", "Wind: Out to CF at 21 MPH.", "", {21, true, "out to cf at 21 mph", 0}},
        {"", "Wind: Out to CF at x2 MPH.", "", {0, false, "", 0}},
        {"", "Wind: Out to CF at 2 2MPH.", "", {0, false, "", 0}},
        {"", "MPH.", "", {0, false, "", 0}},
        // "MPH." followed by a blank became "MPH," and is no wind.
        {"", "Wind: Out to CF at 22 MPH. Sky: clear", "", {0, false, "", 0}},
        // Wrapped after "Wind: ": the wind text starts the next line.
        {"", "Wind: ", "out to right at 25 MPH.", {25, true, "out to right at 25 mph", 0}},
        // A calmer later wind keeps the strong wind and its text.
        {"", "Wind: Out at 22 MPH.", "Wind: calm at 5 MPH.", {5, true, "out at 22 mph", 0}},
        {"GWRBI: Harlan.", "Wind: none.", "", {0, false, "", std::nullopt}},
        {"GWRBI: Harlan.", "Wind: none.", "Temperature: 105", {0, false, "", 105}},
        {"", "Temperature: -5, Sky: clear", "", {0, false, "", -5}},
        {"", "Temperature:", "", {0, false, "", 0}},
        {"", "Temperature: 72.5", "", {0, false, "", 72}},  // three characters: "72."
    };
    for (const auto& [gwrbi, weather, next, read] : cases) {
        const std::string text = joined(with(14, next, with(13, weather, with(12, gwrbi))));
        const GameRecord r = readBoxscore(std::string_view(text), "ex.box").record;
        EXPECT_EQ(Weather(r.windSpeed, r.strongWind, r.windText, r.temperature), read)
            << weather << " / " << next;
    }
}

}  // namespace
}  // namespace quillbat
