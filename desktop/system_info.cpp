#include "desktop/system_info.h"

#include <algorithm>
#include <array>

namespace quillbat {
namespace {

std::uint32_t littleEndianNumber(const std::string& bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = std::min<std::size_t>(bytes.size(), 4); i > 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i - 1]);
    }
    return value;
}

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

}  // namespace quillbat
