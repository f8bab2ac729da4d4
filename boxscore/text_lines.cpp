#include "boxscore/text_lines.h"

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

StreamLines::Result StreamLines::next(std::string& line) {
    using Traits = std::streambuf::traits_type;
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr || Traits::eq_int_type(buffer->sgetc(), Traits::eof())) {
        return Result::End;
    }
    line.clear();
    // Characters gather in a small block that is appended whole: appending them one by one
    // costs more than the rest of the reading.
    char block[256];
    std::size_t used = 0;
    for (;;) {
        Traits::int_type c = buffer->sbumpc();
        if (Traits::eq_int_type(c, Traits::eof()) || c == '\n') {
            line.append(block, used);
            return Result::Line;
        }
        if (c == '\r') {
            line.append(block, used);
            if (buffer->sgetc() == '\n') {
                buffer->sbumpc();
            }
            return Result::Line;
        }
        if (line.size() + used == maxLength_) {
            return Result::TooLong;
        }
        block[used++] = Traits::to_char_type(c);
        if (used == sizeof block) {
            line.append(block, used);
            used = 0;
        }
    }
}

bool StreamLines::hasMore() {
    using Traits = std::streambuf::traits_type;
    std::streambuf* buffer = in_.rdbuf();
    return buffer != nullptr && !Traits::eq_int_type(buffer->sgetc(), Traits::eof());
}

}  // namespace quillbat
