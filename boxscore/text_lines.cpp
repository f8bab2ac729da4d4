#include "boxscore/text_lines.h"

#include <algorithm>
#include <cstring>
#include <streambuf>

namespace quillbat {

bool TextLines::next(std::string_view& line) {
    if (position_ >= text_.size()) {
        return false;
    }
    // The next line feed is looked up once and kept until the lines pass it, so a text of
    // carriage returns alone is still searched only once.
    const char* const start = text_.data();
    if (!lineFeedFound_ || lineFeed_ < position_) {
        const void* found = std::memchr(start + position_, '\n', text_.size() - position_);
        lineFeed_ = found == nullptr
                        ? text_.size()
                        : static_cast<std::size_t>(static_cast<const char*>(found) - start);
        lineFeedFound_ = true;
    }
    std::size_t end = lineFeed_;
    if (const void* cr = std::memchr(start + position_, '\r', end - position_)) {
        end = static_cast<std::size_t>(static_cast<const char*>(cr) - start);
    }
    line = text_.substr(position_, end - position_);
    position_ = end;
    if (position_ < text_.size()) {
        bool crlf = text_[position_] == '\r' && position_ + 1 < text_.size() &&
                    text_[position_ + 1] == '\n';
        position_ += crlf ? 2 : 1;
    }
    return true;
}

namespace {

using Traits = std::streambuf::traits_type;

// The get area of a stream buffer is protected; a class derived from std::streambuf may take
// pointers to its members, and those pointers then reach the get area of any stream buffer.
struct GetArea : std::streambuf {
    static const char* next(std::streambuf& buffer) { return (buffer.*&GetArea::gptr)(); }
    static const char* end(std::streambuf& buffer) { return (buffer.*&GetArea::egptr)(); }
    static void skip(std::streambuf& buffer, int count) { (buffer.*&GetArea::gbump)(count); }
};

// The characters a stream buffer holds from where it stands, at least one: its get area, or
// the single character sgetc() gave when the buffer keeps none (an unbuffered stream).
class HeldCharacters {
  public:
    HeldCharacters(std::streambuf& buffer, Traits::int_type next)
        : buffer_(buffer), data_(GetArea::next(buffer)), size_(0) {
        if (data_ != nullptr && data_ < GetArea::end(buffer)) {
            size_ = static_cast<std::size_t>(GetArea::end(buffer) - data_);
        } else {
            single_ = Traits::to_char_type(next);
            data_ = &single_;
            size_ = 1;
        }
    }

    const char* data() const { return data_; }
    std::size_t size() const { return size_; }

    // Takes the first count characters (count <= size()) out of the stream.
    void take(std::size_t count) {
        if (data_ == &single_) {
            buffer_.sbumpc();
        } else {
            GetArea::skip(buffer_, static_cast<int>(count));
        }
    }

  private:
    std::streambuf& buffer_;
    const char* data_;
    std::size_t size_;
    char single_ = 0;
};

// The position of the first line feed or carriage return among the size characters at data,
// or size when there is none.
std::size_t lineEndIn(const char* data, std::size_t size) {
    std::size_t end = size;
    if (const void* lineFeed = std::memchr(data, '\n', size)) {
        end = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - data);
    }
    if (const void* carriageReturn = std::memchr(data, '\r', end)) {
        end = static_cast<std::size_t>(static_cast<const char*>(carriageReturn) - data);
    }
    return end;
}

}  // namespace

StreamLines::Result StreamLines::next(std::string& line) {
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr || Traits::eq_int_type(buffer->sgetc(), Traits::eof())) {
        return Result::End;
    }
    line.clear();
    // The buffer's characters are searched where they lie and only the line's own are taken,
    // so the stream stands just after the line end for whoever reads it next. Each look is
    // bounded to maxLength + 1 characters of the line, and to what an int can skip.
    constexpr std::size_t kMostTakenAtOnce = 1 << 20;
    for (;;) {
        const Traits::int_type next = buffer->sgetc();
        if (Traits::eq_int_type(next, Traits::eof())) {
            return Result::Line;
        }
        HeldCharacters held(*buffer, next);
        const std::size_t room = maxLength_ - line.size();
        std::size_t looked = std::min(held.size(), kMostTakenAtOnce);
        if (looked > room) {
            looked = room + 1;
        }
        const std::size_t end = lineEndIn(held.data(), looked);
        if (end < looked) {
            line.append(held.data(), end);
            const bool carriageReturn = held.data()[end] == '\r';
            held.take(end + 1);
            if (carriageReturn && Traits::eq_int_type(buffer->sgetc(), '\n')) {
                buffer->sbumpc();
            }
            return Result::Line;
        }
        if (looked > room) {
            held.take(looked);
            return Result::TooLong;
        }
        line.append(held.data(), looked);
        held.take(looked);
    }
}

bool StreamLines::hasMore() {
    std::streambuf* buffer = in_.rdbuf();
    return buffer != nullptr && !Traits::eq_int_type(buffer->sgetc(), Traits::eof());
}

}  // namespace quillbat
