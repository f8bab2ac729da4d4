// The game's story read from whole boxscore files: the hand-made cases of tests/story/cases
// (NAME.box beside NAME.story.json, the facts read off the file by hand, null for no story),
// the bounds of the play-by-play part, and the four real files kept beside the checkout.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "boxscore/boxscore_reader.h"
#include "core/record_json.h"
#include "system/file_system.h"
#include "tests/support/real_samples.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = QUILLBAT_SOURCE_DIR;

std::string textOf(const fs::path& path) {
    return readWholeFile(path, path.filename().string());
}

using Json = nlohmann::ordered_json;

// The story of a whole file as the record's last key gives it, its keys in order (null for none).
// Read as a stream it is the same; without the story the record is the same in every other
// value, and the record with it is that record and the key.
Json storyOf(const std::string& text, const std::string& name = "gm.box") {
    const BoxscoreReading read = readBoxscore(text, name, StoryReading::kRead);
    std::istringstream stream(text);
    EXPECT_EQ(readBoxscore(stream, name, StoryReading::kRead).record.story, read.record.story);
    const BoxscoreReading plain = readBoxscore(text, name);
    EXPECT_FALSE(plain.record.story.has_value());
    EXPECT_EQ(recordToJson(plain), recordToJson(read)) << name;
    const std::string record = recordToJson(read, StoryReading::kRead);
    const std::string before = recordToJson(plain);
    EXPECT_EQ(record.substr(0, before.size() + 8),
              before.substr(0, before.size() - 1) + ",\"story\":")
        << name;
    const Json story = Json::parse(record).at("story");
    EXPECT_EQ(story.is_null(), !read.record.story.has_value()) << name;
    return story;
}

TEST(Story, EveryCaseGivesTheFactsReadByHand) {
    int cases = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSource / "tests/story/cases")) {
        const fs::path box = entry.path();
        if (box.extension() != ".box") {
            continue;
        }
        const fs::path expected = fs::path(box).replace_extension(".story.json");
        EXPECT_EQ(storyOf(textOf(box), box.filename().string()), Json::parse(textOf(expected)))
            << box.filename();
        ++cases;
    }
    EXPECT_EQ(cases, 21);
}

// The walk-off homer case with its play-by-play part made partLines long with blank lines, a
// scoresheet part of scoresheetLines before it (none for 0), and a change of players of
// changeBytes bytes, blanks at its end included.
std::string walkoffHomer(int partLines, int scoresheetLines, std::size_t changeBytes) {
    const std::string text = textOf(kSource / "tests/story/cases/walkoff-homer.box");
    const std::size_t part = text.find('\f');
    const std::size_t lastHalf = text.rfind("\n*") + 1;
    const auto linesOf = [](std::string_view t) {
        return static_cast<int>(std::count(t.begin(), t.end(), '\n'));
    };
    std::string padded = text.substr(0, part);
    if (scoresheetLines > 0) {
        padded += "\fScoresheet\r\n";
        for (int line = 1; line < scoresheetLines; ++line) {
            padded += " \r\n";
        }
    }
    padded += text.substr(part, lastHalf - part);
    padded += std::string(16, ' ') + "Lamb now pitching";
    padded.append(changeBytes - 16 - 17, ' ');
    padded += "\r\n";
    for (int line = linesOf(text.substr(part)) + 1; line < partLines; ++line) {
        padded += " \r\n";
    }
    return padded + text.substr(lastHalf);
}

TEST(Story, PlayByPlayBeyondItsBoundsTellsNoStory) {
    struct Case {
        int partLines;
        int scoresheetLines;
        std::size_t changeBytes;
        bool story;
    };
    const Case cases[] = {
        {20000, 0, 40, true},       {20001, 0, 40, false}, {40, 20000, 40, true},
        {40, 20001, 40, false},     {40, 0, 1000, true},   {40, 0, 1001, false},
        {20000, 20000, 1000, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(storyOf(walkoffHomer(c.partLines, c.scoresheetLines, c.changeBytes)).is_object(),
                  c.story)
            << c.partLines << " lines, " << c.scoresheetLines << " before, a line of "
            << c.changeBytes;
    }
}

// The real samples (see real_samples.h); the facts were read off their play-by-play by hand.
TEST(Story, RealSamplesGiveTheFactsReadByHand) {
    if (!fs::is_directory(kRealSamples)) {
        GTEST_SKIP() << kNoRealSamples;
    }
    const std::pair<const char*, const char*> cases[] = {
        {"2013-0402-bal120.box",
         R"({"category":"rout","inning":2,"half":"bottom","outs":0,"subject":"Segura,J",
             "batter":"Segura,J","event":"single","runs":1,"score":[3,2],"walkoff":false,
             "deficit":2,"leadChanges":1,"bigInning":7,"bigInningRuns":5,
             "text":"Segura,J lined a single to shallow center, Molina,Y scored, Hart to third"})"},
        {"2026-0314-190.box",
         R"({"category":"extra","inning":13,"half":"top","outs":0,"subject":"Stargell",
             "batter":"Stargell","event":"homer","runs":1,"score":[3,2],"walkoff":false,
             "deficit":1,"leadChanges":1,"bigInning":4,"bigInningRuns":2,
             "text":"Stargell homered deep to right center"})"},
        {"2026-0726-350.box",
         R"({"category":"wire","inning":2,"half":"bottom","outs":0,"subject":"LeMahieu",
             "batter":"LeMahieu","event":"homer","runs":1,"score":[1,0],"walkoff":false,
             "deficit":0,"leadChanges":0,"bigInning":4,"bigInningRuns":3,
             "text":"LeMahieu homered deep to right"})"},
        {"2026-0819-180.box",
         R"({"category":"wire","inning":1,"half":"top","outs":2,"subject":"Nieman","batter":"",
             "event":"error","runs":1,"score":[1,0],"walkoff":false,"deficit":0,
             "leadChanges":0,"bigInning":1,"bigInningRuns":7,
             "text":"Nieman scored, Jones,An to third, Kearns to second, Gurriel to first on an error by the first baseman Alonso,Y"})"},
    };
    for (const auto& [name, facts] : cases) {
        EXPECT_EQ(storyOf(textOf(kRealSamples / name), name), Json::parse(facts)) << name;
    }
}

}  // namespace
}  // namespace quillbat
