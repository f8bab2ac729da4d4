#include "app/file_system.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <system_error>

#include "boxscore/input_error.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillbat {
namespace fs = std::filesystem;

fs::path programFolder() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return fs::current_path();
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : executable.parent_path();
#endif
}

fs::path pathFromUtf8(std::string_view utf8Name) {
    std::u8string name(utf8Name.size(), u8'\0');
    std::memcpy(name.data(), utf8Name.data(), utf8Name.size());
    return fs::path(name);
}

std::string pathToUtf8(const fs::path& path) {
    std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

std::ifstream openForReading(const fs::path& path, const std::string& displayName) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        throw InputError(displayName, "is a folder, not a file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code why(errno, std::generic_category());
        if (!fs::exists(path, error)) {
            throw InputError(displayName, "cannot be opened: no such file");
        }
        throw InputError(displayName, "cannot be opened: " + why.message());
    }
    return in;
}

std::string readWholeFile(const fs::path& path, const std::string& displayName) {
    std::ifstream in = openForReading(path, displayName);
    std::string bytes;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw InputError(displayName, "cannot be read");
    }
    return bytes;
}

namespace {

// A name for the temporary file that no other write of this process or another one uses.
fs::path temporarySibling(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(ticks) + "-" + std::to_string(counter++);
    return temporary;
}

[[noreturn]] void failWrite(const fs::path& path, const std::string& why) {
    throw FileWriteError("cannot write " + pathToUtf8(path) + ": " + why);
}

void renameOver(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        std::error_code why(static_cast<int>(GetLastError()), std::system_category());
        throw std::system_error(why);
    }
#else
    fs::rename(from, to);
#endif
}

}  // namespace

void replaceFileAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        failWrite(path, "it is a folder");
    }
    fs::path temporary = temporarySibling(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            failWrite(path, std::error_code(errno, std::generic_category()).message());
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::string why = std::error_code(errno, std::generic_category()).message();
            out.close();
            fs::remove(temporary, error);
            failWrite(path, why);
        }
    }
    try {
        renameOver(temporary, path);
    } catch (const std::system_error& failure) {
        fs::remove(temporary, error);
        failWrite(path, failure.code().message());
    }
}

}  // namespace quillbat
