#include "system/console.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
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

namespace {

// The columns the user set in COLUMNS, as a shell does for the programs it starts.
std::optional<int> columnsSetByTheUser() {
    const char* value = std::getenv("COLUMNS");
    if (value == nullptr) {
        return std::nullopt;
    }
    const char* end = value + std::strlen(value);
    int columns = 0;
    auto [stop, error] = std::from_chars(value, end, columns);
    if (error != std::errc{} || stop != end || columns < 1 || columns > 9999) {
        return std::nullopt;
    }
    return columns;
}

std::optional<int> terminalColumns() {
#ifdef _WIN32
    CONSOLE_SCREEN_BUFFER_INFO console;
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &console)) {
        return std::nullopt;
    }
    return console.srWindow.Right - console.srWindow.Left + 1;
#else
    winsize size{};
    if (!isatty(STDOUT_FILENO) || ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 ||
        size.ws_col == 0) {
        return std::nullopt;
    }
    return size.ws_col;
#endif
}

}  // namespace

int standardOutputColumns() {
    constexpr int kPipeColumns = 80;
    return columnsSetByTheUser().value_or(terminalColumns().value_or(kPipeColumns));
}

void writeStandardStreamsAsBytes() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace quillbat
