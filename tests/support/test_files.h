#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "system/file_system.h"

// A folder of a test's own on the disk, for the tests of the file system itself and of the
// real programs.
namespace quillbat {

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
