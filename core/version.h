#pragma once

#include <string_view>

// The program's version, set once for the whole project (CMake's project() line): the About
// windows, --version of both programs and the packages all show it.
namespace quillbat {

// "2.1.4": major, minor and revision number.
std::string_view programVersion();

}  // namespace quillbat
