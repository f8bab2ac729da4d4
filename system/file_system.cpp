#include "system/file_system.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "boxscore/input_error.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
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

std::optional<fs::path> environmentPath(const std::string& name) {
#ifdef _WIN32
    // The wide value, so that a user folder such as C:\Users\José survives any code page.
    const std::wstring wideName(name.begin(), name.end());
    const wchar_t* value = _wgetenv(wideName.c_str());
    if (value == nullptr || *value == L'\0') {
        return std::nullopt;
    }
#else
    const char* value = std::getenv(name.c_str());
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
#endif
    return fs::path(value);
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

std::vector<fs::path> filesInFolder(const fs::path& folder, const std::string& displayName) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        throw InputError(displayName, "is not a folder");
    }
    std::vector<fs::path> files;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::error_code typeError;
        if (entry->is_regular_file(typeError)) {
            files.push_back(entry->path());
        }
    }
    if (error) {
        throw InputError(displayName, "cannot be read: " + error.message());
    }
    return files;
}

namespace {

// A write's temporary file lies beside its target, named "." + the target's name +
// ".quillbat-" + a unique part of digits and dashes + ".tmp": hidden on Linux (and given the
// hidden attribute on Windows), and a name no user's file has.
constexpr std::string_view kTemporaryMark = ".quillbat-";
constexpr std::string_view kTemporaryEnding = ".tmp";

unsigned long processId() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

// A temporary file for target that no other write of this process or another one uses.
fs::path temporaryFileFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path name = ".";
    name += target.filename();
    name += std::string(kTemporaryMark) + std::to_string(processId()) + "-" +
            std::to_string(ticks) + "-" + std::to_string(counter++) + std::string(kTemporaryEnding);
    return target.parent_path() / name;
}

// Whether the file name is that of a temporary file for a target named targetName, whatever its
// unique part.
bool isTemporaryFileOf(const fs::path& name, const fs::path& targetName) {
    fs::path prefix = ".";
    prefix += targetName;
    prefix += std::string(kTemporaryMark);
    const fs::path::string_type& text = name.native();
    const fs::path::string_type& start = prefix.native();
    const fs::path::string_type ending = fs::path(std::string(kTemporaryEnding)).native();
    if (text.size() <= start.size() + ending.size() || !text.starts_with(start) ||
        !text.ends_with(ending)) {
        return false;
    }
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start.size()),
                       text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                       [](auto c) { return (c >= '0' && c <= '9') || c == '-'; });
}

// Removes the temporary files an earlier write of target left behind when it was cut short (a
// crash, a kill, a power cut). Best effort: what cannot be listed or removed stays.
void removeStaleTemporaryFiles(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (isTemporaryFileOf(entry->path().filename(), target.filename())) {
            std::error_code ignored;
            fs::remove(entry->path(), ignored);
        }
    }
}

// Hides the temporary file on Windows, where a leading point does not, and shows it again
// before it takes the target's place, whose attributes it then gives.
void setHidden([[maybe_unused]] const fs::path& path, [[maybe_unused]] bool hidden) {
#ifdef _WIN32
    SetFileAttributesW(path.c_str(), hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL);
#endif
}

[[noreturn]] void failWrite(const fs::path& path, const std::string& why) {
    throw FileWriteError("cannot write " + pathToUtf8(path) + ": " + why);
}

// Makes the bytes written to the file at path reach the disk before anything else happens.
// Throws std::system_error with the system's reason.
void flushToDisk(const fs::path& path) {
#ifdef _WIN32
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
    }
    const BOOL flushed = FlushFileBuffers(file);
    const DWORD why = GetLastError();
    CloseHandle(file);
    if (!flushed) {
        throw std::system_error(static_cast<int>(why), std::system_category());
    }
#else
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        throw std::system_error(errno, std::generic_category());
    }
    const int flushed = ::fsync(file);
    const int why = errno;
    ::close(file);
    if (flushed != 0) {
        throw std::system_error(why, std::generic_category());
    }
#endif
}

// Makes every byte written to the file systems that hold the folders reach the disk, with one
// wait per folder instead of one per file (Linux's syncfs). False when the
// system cannot tell that it did (another system, or an error), so that each file is then
// flushed on its own and a failure named with its file.
bool flushFileSystemsToDisk([[maybe_unused]] const std::vector<fs::path>& folders) {
#ifdef __linux__
    for (const fs::path& folder : folders) {
        const int entries = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (entries < 0) {
            return false;
        }
        const int flushed = ::syncfs(entries);
        ::close(entries);
        if (flushed != 0) {
            return false;
        }
    }
    return true;
#else
    return false;
#endif
}

// After a rename on Linux the new name lives in the folder's entries, which reach the disk
// only when the folder itself is flushed.
void flushFolderToDisk([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    const int entries = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (entries >= 0) {
        // Some file systems refuse to flush a folder; the file is in place by now, so that
        // is no reason to report the write as failed.
        ::fsync(entries);
        ::close(entries);
    }
#endif
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
    FileReplacement replacement;
    replacement.add(path, bytes);
    replacement.commit();
}

FileReplacement::~FileReplacement() {
    removeTemporaryFiles();
}

void FileReplacement::removeTemporaryFiles() noexcept {
    for (const Pending& file : pending_) {
        std::error_code ignored;
        fs::remove(file.temporary, ignored);
    }
    pending_.clear();
}

void FileReplacement::add(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        failWrite(path, "it is a folder");
    }
    // A file added again replaces what was added for it before.
    const auto earlier = std::find_if(pending_.begin(), pending_.end(),
                                      [&path](const Pending& file) { return file.target == path; });
    if (earlier != pending_.end()) {
        fs::remove(earlier->temporary, error);
        pending_.erase(earlier);
    }
    removeStaleTemporaryFiles(path);
    fs::path temporary = temporaryFileFor(path);
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        const std::string why = std::error_code(errno, std::generic_category()).message();
        removeTemporaryFiles();
        failWrite(path, why);
    }
    pending_.push_back({temporary, path});
    setHidden(temporary, true);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        const std::string why = std::error_code(errno, std::generic_category()).message();
        out.close();
        removeTemporaryFiles();
        failWrite(path, why);
    }
}

void FileReplacement::flushEachToDisk() {
    for (const Pending& file : pending_) {
        try {
            flushToDisk(file.temporary);
        } catch (const std::system_error& failure) {
            const fs::path target = file.target;
            removeTemporaryFiles();
            failWrite(target, failure.code().message());
        }
    }
}

void FileReplacement::commit() {
    std::vector<fs::path> folders;
    for (const Pending& file : pending_) {
        fs::path folder =
            file.target.parent_path().empty() ? fs::path(".") : file.target.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(std::move(folder));
        }
    }
    // Every file's bytes reach the disk before any file takes its new name, so a crash
    // between two renames leaves whole files only.
    if (pending_.size() == 1 || !flushFileSystemsToDisk(folders)) {
        flushEachToDisk();
    }
    for (std::size_t renamed = 0; renamed < pending_.size(); ++renamed) {
        const fs::path target = pending_[renamed].target;
        try {
            setHidden(pending_[renamed].temporary, false);
            renameOver(pending_[renamed].temporary, target);
        } catch (const std::system_error& failure) {
            // The files renamed so far are in place; only the others' temporaries go.
            pending_.erase(pending_.begin(),
                           pending_.begin() + static_cast<std::ptrdiff_t>(renamed));
            removeTemporaryFiles();
            failWrite(target, failure.code().message());
        }
    }
    pending_.clear();
    for (const fs::path& folder : folders) {
        flushFolderToDisk(folder);
    }
}

bool canCreateFilesIn(const fs::path& folder) {
    const fs::path probe = temporaryFileFor(folder / "write-probe");
    if (!std::ofstream(probe, std::ios::binary)) {
        return false;
    }
    std::error_code ignored;
    fs::remove(probe, ignored);
    return true;
}

}  // namespace quillbat
