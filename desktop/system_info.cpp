#include "desktop/system_info.h"

#include <algorithm>
#include <array>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillbat {
namespace {

std::uint32_t littleEndianNumber(const std::string& bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = std::min<std::size_t>(bytes.size(), 4); i > 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i - 1]);
    }
    return value;
}

#ifdef _WIN32
class WindowsRegistry final : public Registry {
  public:
    std::optional<Key> openKey(const std::string& keyPath, std::uint32_t access) override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, access, &key) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return reinterpret_cast<Key>(key);
    }

    bool queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD length = static_cast<DWORD>(buffer.size());
        LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(), nullptr,
                                       &valueType, reinterpret_cast<BYTE*>(buffer.data()), &length);
        if (result != ERROR_SUCCESS) {
            return false;
        }
        type = valueType;
        size = length;
        return true;
    }

    void closeKey(Key key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};
#else
class RegistryWithoutKeys final : public Registry {
  public:
    std::optional<Key> openKey(const std::string&, std::uint32_t) override { return std::nullopt; }
    bool queryValue(Key, const std::string&, std::uint32_t&, std::span<char>,
                    std::uint32_t&) override {
        return false;
    }
    void closeKey(Key) override {}
};
#endif

}  // namespace

bool getKeyValue(Registry& registry, const std::string& keyPath, const std::string& valueName,
                 std::string& text) {
    std::optional<Registry::Key> key = registry.openKey(keyPath, kKeyReadAccess);
    if (!key) {
        text.clear();
        return false;
    }
    std::array<char, kValueBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = kValueBufferSize;
    bool read = registry.queryValue(*key, valueName, type, buffer, size);
    registry.closeKey(*key);
    if (!read) {
        text.clear();
        return false;
    }
    std::string value(buffer.data(), std::min<std::size_t>(size, buffer.size()));
    if (type == kRegistryNumber) {
        // The number's own bytes, before a zero high byte could be taken for a string's end.
        text = std::to_string(littleEndianNumber(value));
        return true;
    }
    if (!value.empty() && value.back() == '\0') {
        value.pop_back();
    }
    if (type == kRegistryString) {
        text = value;
    }
    return true;
}

std::optional<std::string> systemInfoProgram(
    Registry& registry, const std::function<bool(const std::string&)>& fileExists) {
    std::string text;
    if (getKeyValue(registry, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", text)) {
        return text;
    }
    if (getKeyValue(registry, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", text)) {
        std::string program = text + "\\MSINFO32.EXE";
        if (fileExists(program)) {
            return program;
        }
    }
    return std::nullopt;
}

std::unique_ptr<Registry> systemRegistry() {
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<RegistryWithoutKeys>();
#endif
}

}  // namespace quillbat
