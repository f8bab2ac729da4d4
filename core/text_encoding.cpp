#include "core/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillbat {
namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; the undefined ones keep their number.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t codePoint) {
    auto byte = [](char32_t value) { return static_cast<char>(static_cast<unsigned char>(value)); };
    if (codePoint < 0x80) {
        out += byte(codePoint);
    } else if (codePoint < 0x800) {
        out += byte(0xC0 | (codePoint >> 6));
        out += byte(0x80 | (codePoint & 0x3F));
    } else {
        out += byte(0xE0 | (codePoint >> 12));
        out += byte(0x80 | ((codePoint >> 6) & 0x3F));
        out += byte(0x80 | (codePoint & 0x3F));
    }
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t minimum = 0;
        char32_t codePoint = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            minimum = 0x80;
            codePoint = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            minimum = 0x800;
            codePoint = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            minimum = 0x10000;
            codePoint = lead & 0x07u;
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if (!isContinuation(next)) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else if (byte < 0xA0) {
            appendUtf8(out, kHighControlRange[byte - 0x80u]);
        } else {
            appendUtf8(out, byte);
        }
    }
    return out;
}

std::string displayText(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    if (!isValidUtf8(utf8)) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i++]);
        char32_t codePoint = lead;
        if (lead >= 0x80) {
            std::size_t more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
            codePoint = lead & (0x3Fu >> more);
            for (; more > 0; --more) {
                codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
            }
        }
        if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
            out += static_cast<char>(static_cast<unsigned char>(codePoint));
            continue;
        }
        const auto* found =
            std::find(kHighControlRange.begin(), kHighControlRange.end(), codePoint);
        if (found == kHighControlRange.end()) {
            return std::nullopt;
        }
        out += static_cast<char>(0x80 + (found - kHighControlRange.begin()));
    }
    return out;
}

}  // namespace quillbat
