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

struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::string bytes;
    std::string text;
};

void PrintTo(const ValueCase& value, std::ostream* out) {
    *out << value.name;
}

class GetKeyValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueByItsType) {
    FakeRegistry registry;
    registry.set("K", "V", GetParam().type, GetParam().bytes);
    std::string text = "before";
    EXPECT_TRUE(getKeyValue(registry, "K", "V", text));
    EXPECT_EQ(text, GetParam().text);
    EXPECT_TRUE(registry.open_.empty());
    EXPECT_EQ(registry.lastAccess_, 0x20019U);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueTest,
    ::testing::Values(
        ValueCase{"StringWithItsZero", 1, std::string("C:\\msinfo32.exe\0", 16),
                  "C:\\msinfo32.exe"},
        ValueCase{"StringWithoutZero", 1, "C:\\x.exe", "C:\\x.exe"},
        ValueCase{"OnlyTheLastZeroGoes", 1, std::string("ab\0\0", 4), std::string("ab\0", 3)},
        ValueCase{"EmptyString", 1, "", ""},
        ValueCase{"Number", 4, std::string("\x2a\0\0\0", 4), "42"},
        ValueCase{"NumberWithAZeroLowByte", 4, std::string("\0\x01\0\0", 4), "256"},
        ValueCase{"LargestNumber", 4, "\xff\xff\xff\xff", "4294967295"},
        ValueCase{"OtherTypeLeavesTheText", 3, "\x01\x02", "before"},
        ValueCase{"FillsTheWholeBuffer", 1, std::string(1024, 'a'), std::string(1024, 'a')}),
    [](const auto& param) { return param.param.name; });

TEST(GetKeyValueFailureTest, MissingKeyEmptiesTheText) {
    FakeRegistry registry;
    std::string text = "before";
    EXPECT_FALSE(getKeyValue(registry, "K", "V", text));
    EXPECT_EQ(text, "");
}

TEST(GetKeyValueFailureTest, MissingOrTooLargeValueEmptiesTheTextAndClosesTheKey) {
    FakeRegistry registry;
    registry.set("K", "Big", 1, std::string(1025, 'a'));
    for (const char* name : {"V", "Big"}) {
        std::string text = "before";
        EXPECT_FALSE(getKeyValue(registry, "K", name, text));
        EXPECT_EQ(text, "");
        EXPECT_TRUE(registry.open_.empty());
    }
}

TEST(SystemInfoProgramTest, PathValueWinsWithoutLookingFurther) {
    FakeRegistry registry;
    registry.set(kMsinfo, "PATH", 1, std::string("C:\\Tools\\msinfo32.exe\0", 22));
    registry.set(kLocation, "MSINFO", 1, "C:\\Elsewhere");
    bool looked = false;
    auto exists = [&](const std::string&) { return looked = true; };
    EXPECT_EQ(systemInfoProgram(registry, exists), "C:\\Tools\\msinfo32.exe");
    EXPECT_FALSE(looked);
}

TEST(SystemInfoProgramTest, SharedToolsLocationWhenTheProgramIsThere) {
    FakeRegistry registry;
    registry.set(kLocation, "MSINFO", 1, "C:\\Shared");
    std::string asked;
    auto exists = [&](const std::string& file) {
        asked = file;
        return true;
    };
    EXPECT_EQ(systemInfoProgram(registry, exists), "C:\\Shared\\MSINFO32.EXE");
    EXPECT_EQ(asked, "C:\\Shared\\MSINFO32.EXE");
}

TEST(SystemInfoProgramTest, SharedToolsLocationWithoutTheProgramIsUnavailable) {
    FakeRegistry registry;
    registry.set(kLocation, "MSINFO", 1, "C:\\Shared");
    EXPECT_EQ(systemInfoProgram(registry, [](const std::string&) { return false; }), std::nullopt);
}

TEST(SystemInfoProgramTest, NeitherValueIsUnavailable) {
    FakeRegistry registry;
    registry.set(kMsinfo, "Other", 1, "x");
    EXPECT_EQ(systemInfoProgram(registry, [](const std::string&) { return true; }), std::nullopt);
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
