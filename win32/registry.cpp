#include "win32/registry.h"

#include <windows.h>

namespace quillbat::win32 {

std::optional<Registry::Key> WindowsRegistry::openKey(const std::string& keyPath,
                                                      std::uint32_t access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return reinterpret_cast<Key>(key);
}

bool WindowsRegistry::queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                                 std::span<char> buffer, std::uint32_t& size) {
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

void WindowsRegistry::closeKey(Key key) {
    RegCloseKey(reinterpret_cast<HKEY>(key));
}

}  // namespace quillbat::win32
