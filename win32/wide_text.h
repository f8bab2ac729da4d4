#pragma once

#include <string>
#include <string_view>

// The Windows functions named with a W take UTF-16 text; the program keeps UTF-8 and converts
// at the call.
namespace quillbat::win32 {

// UTF-8 as UTF-16; an invalid byte becomes U+FFFD.
std::wstring wide(std::string_view utf8);

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8(std::wstring_view wide);

}  // namespace quillbat::win32
