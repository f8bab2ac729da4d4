#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Everything the program asks of the files and the clock around it, behind one interface:
// systemEnv() is the operating system's, and a test replaces it by files in memory.
namespace quillbat {

// Files replaced together, each as Env::replaceFile replaces one, with one wait for the disk
// for them all. Until commit every file stays as it was; a batch dropped without a commit
// leaves them so.
class FileBatch {
  public:
    virtual ~FileBatch() = default;
    // Writes bytes aside for the file at path (only they are held, not the batch's other files).
    // Throws FileWriteError naming the file and the reason.
    virtual void add(const std::filesystem::path& path, std::string_view bytes) = 0;
    // Puts every file added in its place, each the old file or the new one, never a part.
    // Throws FileWriteError naming the file and the reason; files not yet in place stay old.
    virtual void commit() = 0;
};

class Env {
  public:
    virtual ~Env() = default;

    // The time now, on the clock that file modification times are given in.
    virtual std::filesystem::file_time_type now() = 0;

    // When the file at path was last changed; nothing when that cannot be told (no such file).
    virtual std::optional<std::filesystem::file_time_type> modifiedTime(
        const std::filesystem::path& path) = 0;

    // Whether path names a file (not a folder, not nothing).
    virtual bool isFile(const std::filesystem::path& path) = 0;

    // Whether path names a folder (not a file, not nothing).
    virtual bool isFolder(const std::filesystem::path& path) = 0;

    // The files directly inside folder (not those of its subfolders, nor the subfolders), in no
    // particular order. Throws InputError naming displayName with a reason a user understands
    // when the folder cannot be read.
    virtual std::vector<std::filesystem::path> filesInFolder(const std::filesystem::path& folder,
                                                             const std::string& displayName) = 0;

    // The whole file at path as bytes. Throws InputError naming displayName with a reason a
    // user understands ("cannot be opened: no such file", "is a folder, not a file", "cannot be
    // read").
    virtual std::string readFile(const std::filesystem::path& path,
                                 const std::string& displayName) = 0;

    // The file at path opened for reading as bytes, for a reader that stops where it has read
    // enough. Throws InputError as readFile when it cannot be opened; a failed read later shows
    // in the stream's bad().
    virtual std::unique_ptr<std::istream> openForReading(const std::filesystem::path& path,
                                                         const std::string& displayName) = 0;

    // Replaces the file at path with bytes so that a failure or a crash midway leaves the old
    // file or the new one, never a part. Throws FileWriteError naming the file and the reason;
    // the old file is then unchanged.
    virtual void replaceFile(const std::filesystem::path& path, std::string_view bytes) = 0;
    // A batch of files to replace together (see FileBatch).
    virtual std::unique_ptr<FileBatch> startFileBatch() = 0;

    // Creates folder and the folders above it that are missing (the user's configuration folder
    // at its first write); nothing when it exists. Throws FileWriteError naming the folder and
    // the reason.
    virtual void createFolder(const std::filesystem::path& folder) = 0;
};

// The system's clock and file system.
Env& systemEnv();

}  // namespace quillbat
