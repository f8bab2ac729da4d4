// Tables of inputs and outputs for the exact rules of the desktop programs: the desktop command
// line, the main window's layout and where System Info is found.

#include <gtest/gtest.h>

#include <cstring>

#include "desktop/desktop_arguments.h"
#include "desktop/system_info.h"
#include "desktop/window_layout.h"

namespace quillbat {
namespace {

TEST(DesktopArgumentsTest, SeedOneBoxscoreVersionAndHelpByTheirExactOptions) {
    using Parsed = std::variant<DesktopArguments, DesktopUsageError>;
    const auto usage = [](const std::string& why) {
        return Parsed{
            DesktopUsageError{"quillbat: " + why + " (usage: quillbat [--seed N] [BOXSCORE])"}};
    };
    const auto badSeed = [&](const std::string& seed) {
        return usage("--seed takes a number from 0 to 4294967295, not \"" + seed + "\"");
    };
    const DesktopStart version = DesktopStart::kPrintVersion;
    const DesktopStart help = DesktopStart::kPrintHelp;
    const std::pair<std::vector<std::string>, Parsed> cases[] = {
        {{}, DesktopArguments{}},
        {{"--seed", "7", "gm05.box"}, DesktopArguments{7, "gm05.box"}},
        {{"gm05.box", "--seed=0"}, DesktopArguments{0, "gm05.box"}},
        {{"--seed", "4294967295"}, DesktopArguments{4294967295U, std::nullopt}},
        {{"--seed=4294967296"}, badSeed("4294967296")},
        {{"--seed", "7x"}, badSeed("7x")},
        {{"--seed="}, badSeed("")},
        {{"--seed"}, usage("--seed needs a number")},
        {{"--colour", "gm05.box"}, usage("unknown option \"--colour\"")},
        {{"-"}, DesktopArguments{std::nullopt, "-"}},
        {{"a.box", "b.box"}, usage("one boxscore at a time, not also \"b.box\"")},
        {{"--", "--seed"}, DesktopArguments{std::nullopt, "--seed"}},
        {{"a.box", "--", "b.box"}, usage("one boxscore at a time, not also \"b.box\"")},
        {{"--version"}, DesktopArguments{std::nullopt, std::nullopt, version}},
        {{"--seed", "5", "--version", "gm05.box"}, DesktopArguments{5, "gm05.box", version}},
        {{"--", "--version"}, DesktopArguments{std::nullopt, "--version"}},
        {{"--versions"}, usage("unknown option \"--versions\"")},
        {{"--version=1"}, usage("unknown option \"--version=1\"")},
        {{"--help"}, DesktopArguments{std::nullopt, std::nullopt, help}},
        {{"--version", "--help"}, DesktopArguments{std::nullopt, std::nullopt, help}},
        {{"--help", "--version"}, DesktopArguments{std::nullopt, std::nullopt, help}},
        {{"--", "--help"}, DesktopArguments{std::nullopt, "--help"}},
        {{"-h"}, usage("unknown option \"-h\"")},
        {{"--help", "--colour"}, usage("unknown option \"--colour\"")},
    };
    for (const auto& [arguments, parsed] : cases) {
        EXPECT_EQ(parseDesktopArguments(arguments), parsed) << testing::PrintToString(arguments);
    }
}

TEST(WindowLayoutTest, FullHdScreenAtFifteenTwipsPerPixel) {
    MainWindowLayout layout = mainWindowLayout(1920 * 15.0F, 1080 * 15.0F);
    EXPECT_EQ(layout.scoreboard, (Box{10552.5F, 4237.5F, 7695, 2415}));
    EXPECT_EQ(layout.article, (Box{9652.5F, 6652.5F, 9495, 3735}));
    EXPECT_EQ(layout.panel, (Box{9772.5F, 10462.5F, 9255, 1575}));
    EXPECT_EQ(twipsToPixels(10552.5F, 96), 704);  // 703.5
    EXPECT_EQ(twipsToPixels(7, 96), 0);           // 0.47
    EXPECT_EQ(twipsToPixels(8, 96), 1);           // 0.53
    EXPECT_FLOAT_EQ(pixelsToTwips(1080, 144), 10800);
    SplashLayout splash = splashLayout(1920, 1080, 500, 120, 301, 200);
    EXPECT_EQ(splash.name, (Box{710, 380, 500, 120}));
    EXPECT_EQ(splash.picture, (Box{809.5F, 500, 301, 200}));
}

// A registry in memory: values by "key|name", each with its type and bytes. It checks that
// keys are opened for reading only and closed again.
class FakeRegistry final : public Registry {
  public:
    std::optional<Key> openKey(const std::string& keyPath, std::uint32_t access) override {
        EXPECT_EQ(access, 0x20019U);  // KEY_READ
        auto value = values.lower_bound(keyPath + "|");
        if (value == values.end() || !value->first.starts_with(keyPath + "|")) {
            return std::nullopt;
        }
        open.push_back(keyPath);
        return open.size();
    }
    bool queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                    std::span<char> buffer, std::uint32_t& size) override {
        auto value = values.find(open.at(key - 1) + "|" + valueName);
        if (value == values.end() || value->second.second.size() > size) {
            return false;
        }
        type = value->second.first;
        size = static_cast<std::uint32_t>(value->second.second.size());
        std::memcpy(buffer.data(), value->second.second.data(), size);
        return true;
    }
    void closeKey(Key key) override { open.at(key - 1) = "closed"; }

    std::map<std::string, std::pair<std::uint32_t, std::string>> values;
    std::vector<std::string> open;
};

// A string loses one trailing zero, a number is read little-endian, another type leaves the
// text; a value larger than the 1024-byte buffer is not read.
TEST(GetKeyValueTest, ReadsTheValueByItsType) {
    const std::tuple<std::uint32_t, std::string, std::optional<std::string>> cases[] = {
        {1, std::string("ab\0\0", 4), std::string("ab\0", 3)},
        {4, std::string("\x2a\x01\0\xff", 4), "4278190378"},
        {3, "\x01\x02", "before"},
        {1, std::string(1024, 'a'), std::string(1024, 'a')},
        {1, std::string(1025, 'a'), std::nullopt}};
    for (const auto& [type, bytes, text] : cases) {
        FakeRegistry registry;
        registry.values["K|V"] = {type, bytes};
        std::string read = "before";
        EXPECT_EQ(getKeyValue(registry, "K", "V", read), text.has_value());
        EXPECT_EQ(read, text.value_or(""));
        EXPECT_EQ(registry.open, std::vector<std::string>{"closed"});
    }
}

TEST(SystemInfoProgramTest, PathValueThenSharedToolsLocationThenUnavailable) {
    const struct {
        std::string path, location;
        bool exists;
        std::optional<std::string> program;
    } cases[] = {
        {std::string("C:\\Tools\\msinfo32.exe\0", 22), "C:\\Shared", true,
         "C:\\Tools\\msinfo32.exe"},
        {"", "C:\\Shared", true, "C:\\Shared\\MSINFO32.EXE"},
        {"", "C:\\Shared", false, std::nullopt},
        {"", "", true, std::nullopt},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        if (!c.path.empty()) {
            registry.values["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"] = {1, c.path};
        }
        if (!c.location.empty()) {
            registry.values["SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"] = {1, c.location};
        }
        auto exists = [&](const std::string& file) {
            return c.exists && file == c.location + "\\MSINFO32.EXE";
        };
        EXPECT_EQ(systemInfoProgram(registry, exists), c.program) << c.path << c.location;
        EXPECT_EQ(registry.open, std::vector<std::string>(registry.open.size(), "closed"));
    }
}

}  // namespace
}  // namespace quillbat
