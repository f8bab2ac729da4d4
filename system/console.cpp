#include "system/console.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>
#endif

namespace quillbat {

#ifdef _WIN32
namespace {

std::string wideToUtf8(const wchar_t* wide) {
    int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating null
    return utf8;
}

}  // namespace
#endif

Utf8Arguments::Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    int wideCount = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wideCount)) {
        for (int i = 0; i < wideCount; ++i) {
            arguments_.push_back(wideToUtf8(wide[i]));
        }
        LocalFree(wide);
    }
#endif
    if (arguments_.empty()) {
        arguments_.assign(argv, argv + argc);
    }
    for (std::string& argument : arguments_) {
        pointers_.push_back(argument.data());
    }
    pointers_.push_back(nullptr);
}

void writeStandardStreamsAsBytes() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace quillbat
