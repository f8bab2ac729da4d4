#pragma once

#include "desktop/system_info.h"

// The Windows registry under HKEY_LOCAL_MACHINE, as System Info reads it.
namespace quillbat::win32 {

class WindowsRegistry final : public Registry {
  public:
    std::optional<Key> openKey(const std::string& keyPath, std::uint32_t access) override;
    bool queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override;
    void closeKey(Key key) override;
};

}  // namespace quillbat::win32
