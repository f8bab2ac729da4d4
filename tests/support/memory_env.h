#pragma once

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "boxscore/input_error.h"
#include "system/env.h"
#include "system/file_system.h"

// An Env whose files are kept in memory and whose clock and modification times the test sets.
namespace quillbat {

// A folder that names files in memory only; absolute on every system, so that a path made from
// it stays the same when a program asks for its full name.
inline const std::filesystem::path kMemoryFolder = std::filesystem::absolute("/memory");

class MemoryEnv final : public Env {
  public:
    std::filesystem::file_time_type now() override { return clock; }
    std::optional<std::filesystem::file_time_type> modifiedTime(
        const std::filesystem::path& path) override {
        auto found = modified.find(path);
        return found == modified.end() ? std::nullopt : std::optional(found->second);
    }
    bool isFile(const std::filesystem::path& path) override { return files.contains(path); }
    // A folder in memory is there while it holds a file, at any depth, and once it was created.
    bool isFolder(const std::filesystem::path& path) override {
        // "/phrases/" is the folder "/phrases".
        const std::filesystem::path folder = path.has_filename() ? path : path.parent_path();
        return std::any_of(files.begin(), files.end(),
                           [&folder](const auto& file) { return isInside(file.first, folder); }) ||
               std::any_of(createdFolders.begin(), createdFolders.end(),
                           [&folder](const auto& created) {
                               return created == folder || isInside(created, folder);
                           });
    }
    std::vector<std::filesystem::path> filesInFolder(const std::filesystem::path& folder,
                                                     const std::string& displayName) override {
        if (!isFolder(folder)) {
            throw InputError(displayName, "is not a folder");
        }
        std::vector<std::filesystem::path> found;
        for (const auto& [path, bytes] : files) {
            if (path.parent_path() == folder) {
                found.push_back(path);
            }
        }
        return found;
    }
    std::string readFile(const std::filesystem::path& path,
                         const std::string& displayName) override {
        auto found = files.find(path);
        if (found == files.end()) {
            throw InputError(displayName, "cannot be opened: no such file");
        }
        return found->second;
    }
    std::unique_ptr<std::istream> openForReading(const std::filesystem::path& path,
                                                 const std::string& displayName) override {
        return std::make_unique<std::istringstream>(readFile(path, displayName));
    }
    // As on a disk, a file is written only into a folder that is there. With failWrites set
    // every write fails as on a full disk. A write that fails leaves files as it was.
    void replaceFile(const std::filesystem::path& path, std::string_view bytes) override {
        checkWrite(path);
        files[path] = bytes;
    }
    // A batch whose files appear at its commit; with failWrites set its adds fail.
    std::unique_ptr<FileBatch> startFileBatch() override {
        struct Batch final : FileBatch {
            explicit Batch(MemoryEnv& files) : env(files) {}
            void add(const std::filesystem::path& path, std::string_view bytes) override {
                env.checkWrite(path);
                pending.emplace_back(path, bytes);
            }
            void commit() override {
                for (const auto& [path, bytes] : pending) {
                    env.replaceFile(path, bytes);
                }
                pending.clear();
            }
            MemoryEnv& env;
            std::vector<std::pair<std::filesystem::path, std::string>> pending;
        };
        return std::make_unique<Batch>(*this);
    }
    void createFolder(const std::filesystem::path& folder) override {
        createdFolders.insert(folder);
    }

    // Throws the FileWriteError of a write of the file at path that fails, as replaceFile says.
    void checkWrite(const std::filesystem::path& path) {
        if (failWrites) {
            throw FileWriteError("cannot write " + pathToUtf8(path) + ": No space left on device");
        }
        if (!isFolder(path.parent_path())) {
            throw FileWriteError("cannot write " + pathToUtf8(path) +
                                 ": No such file or directory");
        }
    }

    // The files of a folder on the disk, the test's own data, copied under folder.
    void copyFromDisk(const std::filesystem::path& diskFolder,
                      const std::filesystem::path& folder) {
        for (const auto& entry : std::filesystem::directory_iterator(diskFolder)) {
            if (entry.is_regular_file()) {
                files[folder / entry.path().filename()] =
                    systemEnv().readFile(entry.path(), pathToUtf8(entry.path()));
            }
        }
    }

    // Whether path lies inside folder, at any depth.
    static bool isInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
        const auto [folderEnd, pathAt] =
            std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
        return folderEnd == folder.end() && pathAt != path.end();
    }

    std::filesystem::file_time_type clock{};
    std::map<std::filesystem::path, std::filesystem::file_time_type> modified;
    std::map<std::filesystem::path, std::string> files;
    std::set<std::filesystem::path> createdFolders;
    bool failWrites = false;
};

}  // namespace quillbat
