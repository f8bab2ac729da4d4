#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

// Splitting boxscore text into lines. A carriage return with a line feed, a lone carriage
// return and a lone line feed each end a line; a line end at the very end of the text starts
// no further (empty) line, and a last line without a line end is still a line.
namespace quillbat {

// Walks the lines of a text held in memory, without copying it.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // Sets line to the next line (without its line end) and returns true; returns false,
    // leaving line unchanged, when the text has no further line.
    bool next(std::string_view& line);

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    bool lineFeedFound_ = false;
    std::size_t lineFeed_ = 0;  // of the first line feed at or after position_, or the end
};

// Walks the lines of a stream, reading only as far as the line asked for.
class StreamLines {
  public:
    enum class Result { Line, End, TooLong };

    StreamLines(std::istream& in, std::size_t maxLength) : in_(in), maxLength_(maxLength) {}

    // Line: line holds the next line (without its line end) and the stream stands just after
    // that line end, so another reader may go on from there. End: the stream has no further
    // line. TooLong: the next line has more than maxLength characters; the stream is left just
    // after the first maxLength + 1 of them and line is unspecified.
    Result next(std::string& line);

    // True when the stream holds at least one more byte (so at least one more line).
    bool hasMore();

  private:
    std::istream& in_;
    std::size_t maxLength_;
};

}  // namespace quillbat
