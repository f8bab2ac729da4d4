#include "app/env.h"

#include <system_error>

#include "app/file_system.h"

namespace quillbat {
namespace {

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

    void replaceFile(const std::filesystem::path& path, std::string_view bytes) override {
        replaceFileAtomically(path, bytes);
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

void Env::createFolder(const std::filesystem::path&) {}

Env& systemEnv() {
    static SystemEnv env;
    return env;
}

}  // namespace quillbat
