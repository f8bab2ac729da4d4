#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// What the program asks of its surroundings that a test must be able to choose: the time and
// the writing of files. Reading goes straight to the file system (file_system.h).
namespace quillbat {

class Env {
  public:
    virtual ~Env() = default;

    // The time now, on the clock that file modification times are given in.
    virtual std::filesystem::file_time_type now() = 0;

    // When the file at path was last changed; nothing when that cannot be told (no such file).
    virtual std::optional<std::filesystem::file_time_type> modifiedTime(
        const std::filesystem::path& path) = 0;

    // Replaces the file at path with bytes so that a failure or a crash midway leaves the old
    // file or the new one, never a part. Throws FileWriteError naming the file and the reason;
    // the old file is then unchanged.
    virtual void replaceFile(const std::filesystem::path& path, std::string_view bytes) = 0;

    // Creates folder and the folders above it that are missing (the user's configuration folder
    // at its first write); nothing when it exists. Throws FileWriteError naming the folder and
    // the reason. An Env whose files are kept in memory needs no folders: by default it does
    // nothing.
    virtual void createFolder(const std::filesystem::path& folder);
};

// The system's clock and file system.
Env& systemEnv();

}  // namespace quillbat
