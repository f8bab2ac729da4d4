#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

// The About window's System Info button: where Windows keeps its System Information tool.
namespace quillbat {

// Value types of the registry that the key-value reader understands.
inline constexpr std::uint32_t kRegistryString = 1;  // REG_SZ
inline constexpr std::uint32_t kRegistryNumber = 4;  // REG_DWORD, little-endian
// Keys are opened for reading only (KEY_READ): asking for more on HKEY_LOCAL_MACHINE fails for
// every user who is not an administrator with elevated rights.
inline constexpr std::uint32_t kKeyReadAccess = 0x20019;
inline constexpr std::size_t kValueBufferSize = 1024;

// The keys under HKEY_LOCAL_MACHINE, as far as System Info reads them.
class Registry {
  public:
    using Key = std::uintptr_t;
    virtual ~Registry() = default;
    // Opens keyPath with the access mask; nothing when it cannot be opened.
    virtual std::optional<Key> openKey(const std::string& keyPath, std::uint32_t access) = 0;
    // Reads the value into buffer. On success returns true with type set and size set to the
    // bytes written; false when the value is missing or larger than the buffer.
    virtual bool queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            std::span<char> buffer, std::uint32_t& size) = 0;
    virtual void closeKey(Key key) = 0;
};

// Reads one value of keyPath into text and returns true. The value is cut to the size read
// and loses one trailing zero character; a string gives its text, a 32-bit number its value
// in decimal, another type leaves text as it was. When the key cannot be opened or the value
// not read, text becomes empty and the result is false. An opened key is always closed.
bool getKeyValue(Registry& registry, const std::string& keyPath, const std::string& valueName,
                 std::string& text);

// The program System Info starts: the MSINFO key's PATH value, or else MSINFO32.EXE in the
// folder named by "Shared Tools Location" when fileExists says it is there. Nothing when
// neither gives one: then the user sees kSystemInfoUnavailable (window_design.h).
std::optional<std::string> systemInfoProgram(
    Registry& registry, const std::function<bool(const std::string&)>& fileExists);

}  // namespace quillbat
