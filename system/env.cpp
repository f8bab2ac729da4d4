#include "system/env.h"

#include <fstream>
#include <system_error>

#include "system/file_system.h"

namespace quillbat {
namespace {

class SystemFileBatch final : public FileBatch {
  public:
    void add(const std::filesystem::path& path, std::string_view bytes) override {
        replacement_.add(path, bytes);
    }
    void commit() override { replacement_.commit(); }

  private:
    FileReplacement replacement_;
};

class SystemEnv final : public Env {
  public:
    std::filesystem::file_time_type now() override {
        return std::filesystem::file_time_type::clock::now();
    }

    std::optional<std::filesystem::file_time_type> modifiedTime(
        const std::filesystem::path& path) override {
        std::error_code error;
        std::filesystem::file_time_type time = std::filesystem::last_write_time(path, error);
        if (error) {
            return std::nullopt;
        }
        return time;
    }

    bool isFile(const std::filesystem::path& path) override {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
    }

    bool isFolder(const std::filesystem::path& path) override {
        std::error_code error;
        return std::filesystem::is_directory(path, error);
    }

    std::vector<std::filesystem::path> filesInFolder(const std::filesystem::path& folder,
                                                     const std::string& displayName) override {
        return quillbat::filesInFolder(folder, displayName);
    }

    std::string readFile(const std::filesystem::path& path,
                         const std::string& displayName) override {
        return readWholeFile(path, displayName);
    }

    std::unique_ptr<std::istream> openForReading(const std::filesystem::path& path,
                                                 const std::string& displayName) override {
        return std::make_unique<std::ifstream>(quillbat::openForReading(path, displayName));
    }

    void replaceFile(const std::filesystem::path& path, std::string_view bytes) override {
        replaceFileAtomically(path, bytes);
    }

    std::unique_ptr<FileBatch> startFileBatch() override {
        return std::make_unique<SystemFileBatch>();
    }

    void createFolder(const std::filesystem::path& folder) override {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            throw FileWriteError("cannot create " + pathToUtf8(folder) + ": " + error.message());
        }
    }
};

}  // namespace

Env& systemEnv() {
    static SystemEnv env;
    return env;
}

}  // namespace quillbat
