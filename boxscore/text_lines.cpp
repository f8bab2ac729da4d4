#include "boxscore/text_lines.h"

#include <streambuf>

namespace quillbat {

bool TextLines::next(std::string_view& line) {
    if (position_ >= text_.size()) {
        return false;
    }
    std::size_t end = position_;
    while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') {
        ++end;
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
