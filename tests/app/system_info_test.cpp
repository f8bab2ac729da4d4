#include "app/system_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <utility>

namespace quillbat {
namespace {

// A registry in memory that records which keys are open.
class FakeRegistry final : public Registry {
  public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };
    void set(const std::string& key, const std::string& name, std::uint32_t type,
             std::string bytes) {
        keys_[key][name] = Value{type, std::move(bytes)};
    }

    std::optional<Key> openKey(const std::string& keyPath, std::uint32_t access) override {
        lastAccess_ = access;
        auto found = keys_.find(keyPath);
        if (found == keys_.end()) {
            return std::nullopt;
        }
        Key key = nextKey_++;
        open_[key] = keyPath;
        return key;
    }
    bool queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override {
        EXPECT_EQ(size, buffer.size());
        const auto& values = keys_.at(open_.at(key));
        auto found = values.find(valueName);
        if (found == values.end() || found->second.bytes.size() > buffer.size()) {
            return false;
        }
        std::memcpy(buffer.data(), found->second.bytes.data(), found->second.bytes.size());
        type = found->second.type;
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        return true;
    }
    void closeKey(Key key) override { EXPECT_EQ(open_.erase(key), 1U); }

    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<Key, std::string> open_;
    Key nextKey_ = 1;
    std::uint32_t lastAccess_ = 0;
};

const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(GetKeyValueTest, ReadsTheValueByItsType) {
    const struct {
        std::uint32_t type;
        std::string bytes;
        std::string text;
    } cases[] = {
        {1, std::string("C:\\msinfo32.exe\0", 16), "C:\\msinfo32.exe"},
        {1, "C:\\x.exe", "C:\\x.exe"},
        {1, std::string("ab\0\0", 4), std::string("ab\0", 3)},  // only the last zero goes
        {1, "", ""},
        {4, std::string("\x2a\0\0\0", 4), "42"},
        {4, std::string("\0\x01\0\0", 4), "256"},
        {4, "\xff\xff\xff\xff", "4294967295"},
        {3, "\x01\x02", "before"},                            // another type leaves the text
        {1, std::string(1024, 'a'), std::string(1024, 'a')},  // fills the whole buffer
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        registry.set("K", "V", c.type, c.bytes);
        std::string text = "before";
        EXPECT_TRUE(getKeyValue(registry, "K", "V", text)) << c.text;
        EXPECT_EQ(text, c.text);
        EXPECT_TRUE(registry.open_.empty());
        EXPECT_EQ(registry.lastAccess_, 0x20019U);
    }
}

TEST(GetKeyValueTest, MissingKeyMissingOrTooLargeValueEmptyTheTextAndCloseTheKey) {
    FakeRegistry registry;
    registry.set("K", "Big", 1, std::string(1025, 'a'));
    for (const auto& [key, name] : {std::pair{"Missing", "V"}, {"K", "V"}, {"K", "Big"}}) {
        std::string text = "before";
        EXPECT_FALSE(getKeyValue(registry, key, name, text)) << key << " " << name;
        EXPECT_EQ(text, "");
        EXPECT_TRUE(registry.open_.empty());
    }
}

TEST(SystemInfoProgramTest, PathValueThenSharedToolsLocationThenUnavailable) {
    const struct {
        std::string path, location;
        bool exists;
        std::optional<std::string> program;
        std::string asked;  // the file whose existence was asked about
    } cases[] = {
        // The PATH value wins without looking further.
        {std::string("C:\\Tools\\msinfo32.exe\0", 22), "C:\\Elsewhere", true,
         "C:\\Tools\\msinfo32.exe", ""},
        {"", "C:\\Shared", true, "C:\\Shared\\MSINFO32.EXE", "C:\\Shared\\MSINFO32.EXE"},
        {"", "C:\\Shared", false, std::nullopt, "C:\\Shared\\MSINFO32.EXE"},
        {"", "", true, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        registry.set(kMsinfo, c.path.empty() ? "Other" : "PATH", 1, c.path);
        if (!c.location.empty()) {
            registry.set(kLocation, "MSINFO", 1, c.location);
        }
        std::string asked;
        auto exists = [&](const std::string& file) {
            asked = file;
            return c.exists;
        };
        EXPECT_EQ(systemInfoProgram(registry, exists), c.program) << c.path << c.location;
        EXPECT_EQ(asked, c.asked);
    }
}

TEST(SystemInfoProgramTest, ThisSystemsRegistryOffWindowsIsUnavailable) {
#ifdef _WIN32
    GTEST_SKIP() << "the real registry may hold the values";
#else
    EXPECT_EQ(systemInfoProgram(*systemRegistry(), [](const std::string&) { return true; }),
              std::nullopt);
#endif
}

}  // namespace
}  // namespace quillbat
