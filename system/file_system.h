#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The few places where the program meets the operating system's files. Everything that differs
// between Linux and Windows sits behind one function here.
namespace quillbat {

// A file that could not be written. what() names the file and the system's reason.
class FileWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The folder that holds the running executable.
std::filesystem::path programFolder();

// Whether this user may create files in folder: tells by creating an empty file of a name no
// one else uses there and removing it again. False for a folder that does not exist.
bool canCreateFilesIn(const std::filesystem::path& folder);

// The value of the environment variable name (as %APPDATA% or $HOME) as a path; nothing when it
// is not set or empty.
std::optional<std::filesystem::path> environmentPath(const std::string& name);

// A path from a UTF-8 file name (as the command line and Qt give them), and back, so that
// names such as "Liga Española" work on every system.
std::filesystem::path pathFromUtf8(std::string_view utf8Name);
std::string pathToUtf8(const std::filesystem::path& path);

// Opens a file for reading as bytes. Throws InputError naming displayName with a reason a user
// understands ("cannot be opened: No such file or directory", "is a folder, not a file").
std::ifstream openForReading(const std::filesystem::path& path, const std::string& displayName);

// Reads a whole file as bytes; throws InputError as openForReading, or when reading fails.
std::string readWholeFile(const std::filesystem::path& path, const std::string& displayName);

// The regular files directly inside folder, in the order the system lists them. Throws
// InputError naming displayName ("is not a folder", "cannot be read: Permission denied").
std::vector<std::filesystem::path> filesInFolder(const std::filesystem::path& folder,
                                                 const std::string& displayName);

// Replaces the file at path with bytes: they are written to a temporary file in the same
// folder and flushed to the disk, then that file is renamed over the old one (and on Linux the
// folder flushed too), so a failure midway, a crash or a power cut leaves the old file or the
// new one, never a part. Throws FileWriteError naming the file and the system's reason; the old
// file is then unchanged. The temporary file is hidden and named after the file with the
// program's name in it (".gm05.txt.quillbat-<digits and dashes>.tmp"); before writing, the
// temporary files of the same file that an earlier write cut short left behind are removed,
// and nothing else in the folder is touched. (Two programs writing the same file at the same
// moment may so take away each other's temporary file: one of them then fails.)
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Several files replaced as replaceFileAtomically replaces one, with one wait for the disk for
// them all: add writes a file's bytes to its temporary file at once (so only the file being
// added is held in memory), and commit flushes every temporary file to the disk, renames each
// over its file and flushes each folder once. Until commit every old file stays as it was. An
// add or commit that throws FileWriteError (naming the file and the system's reason) removes
// every temporary file not yet renamed, and nothing more is put in place; so does dropping a
// replacement without a commit.
class FileReplacement {
  public:
    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    void add(const std::filesystem::path& path, std::string_view bytes);
    void commit();

  private:
    struct Pending {
        std::filesystem::path temporary;
        std::filesystem::path target;
    };
    void removeTemporaryFiles() noexcept;
    void flushEachToDisk();

    std::vector<Pending> pending_;
};

}  // namespace quillbat
