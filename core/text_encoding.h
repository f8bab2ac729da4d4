#pragma once

#include <optional>
#include <string>
#include <string_view>

// Boxscores and phrase files are single-byte text as the game writes them (Windows-1252), but
// a file edited elsewhere may already be UTF-8. The core keeps bytes; these turn them into
// text for places that need Unicode (the windows, JSON).
namespace quillbat {

// True when bytes are well-formed UTF-8: no overlong forms, no surrogates (U+D800..U+DFFF),
// nothing above U+10FFFF, no cut-off sequence. The empty text is valid.
bool isValidUtf8(std::string_view bytes);

// Decodes Windows-1252 bytes into UTF-8. Bytes below 0x80 stay as they are, 0xA0..0xFF are the
// Latin-1 characters of the same number, and 0x80..0x9F are the Windows-1252 characters (the
// euro sign, curly quotes, dashes ...); the five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string windows1252ToUtf8(std::string_view bytes);

// The text as a user should see it: bytes that are valid UTF-8 unchanged, otherwise the bytes
// decoded as Windows-1252.
std::string displayText(std::string_view bytes);

// Encodes UTF-8 text as Windows-1252, the reverse of windows1252ToUtf8 (so text decoded from
// Windows-1252 comes back byte for byte). Returns nothing when the text is not valid UTF-8 or
// holds a character Windows-1252 cannot write.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

}  // namespace quillbat
