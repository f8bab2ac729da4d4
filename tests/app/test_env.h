#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "app/env.h"
#include "app/file_locations.h"
#include "app/file_system.h"
#include "app/folder_phrase_source.h"
#include "app/load_game.h"

// What the tests of the program's surroundings share: an Env in memory, a folder of their own
// and the worked example's articles.
namespace quillbat {

inline const std::filesystem::path kSourceFolder = QUILLBAT_SOURCE_DIR;
inline const std::filesystem::path kTestPhrases = kSourceFolder / "tests/app/phrases";
inline const std::string kWorkedExample =
    pathToUtf8(kSourceFolder / "examples/riverton-at-harbor-city.box");

// A desktop session's files: settings in one folder, phrase files in another, the Open dialog
// starting in "c:\" when no folder is remembered.
inline FileLocations testLocations(const std::filesystem::path& settings,
                                   const std::filesystem::path& phrases) {
    return {settings, phrases, phrases, phrases, "c:\\"};
}

// The article loadGame writes for the boxscore with the test phrase files and seed.
inline std::string testArticle(const std::string& boxscore, std::uint32_t seed) {
    FolderPhraseSource phrases(kTestPhrases, systemEnv());
    return loadGame(boxscore, phrases, seed).game->article;
}

// An Env whose clock and modification times the test sets, and whose writes land in files
// (nothing reaches the disk). With failWrites set every write fails as on a full disk, and
// files stays as it was.
class FakeEnv final : public Env {
  public:
    std::filesystem::file_time_type now() override { return clock; }
    std::optional<std::filesystem::file_time_type> modifiedTime(
        const std::filesystem::path& path) override {
        auto found = modified.find(path);
        return found == modified.end() ? std::nullopt : std::optional(found->second);
    }
    void replaceFile(const std::filesystem::path& path, std::string_view bytes) override {
        if (failWrites) {
            throw FileWriteError("cannot write " + pathToUtf8(path) + ": No space left on device");
        }
        files[path] = bytes;
    }

    std::filesystem::file_time_type clock{};
    std::map<std::filesystem::path, std::filesystem::file_time_type> modified;
    std::map<std::filesystem::path, std::string> files;
    bool failWrites = false;
};

// A new empty folder in the system's temporary folder, removed with the object; its name is
// random, so that tests run side by side never share one.
class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() /
                    ("quillbat-test-" + std::to_string(random()) + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of the entry named (UTF-8, on Windows too) in the folder.
    std::filesystem::path operator/(const std::string& name) const {
        return path_ / pathFromUtf8(name);
    }
    std::string utf8(const std::string& name) const { return pathToUtf8(*this / name); }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(*this / name, std::ios::binary) << bytes;
    }
    // The file's bytes; empty when there is no such file.
    std::string read(const std::string& name) const {
        std::ostringstream bytes;
        bytes << std::ifstream(*this / name, std::ios::binary).rdbuf();
        return bytes.str();
    }

  private:
    std::filesystem::path path_;
};

}  // namespace quillbat
