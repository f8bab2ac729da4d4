#include "app/default_team.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace quillbat {
namespace {

TEST(ReadDefaultTeamTest, ReadsTheLeadingNumberRoundedDown) {
    const struct {
        std::optional<std::string> typed;  // nothing: the box was cancelled
        std::int16_t current, team;
        bool refused;
    } cases[] = {
        {"12", 5, 12, false},       {"7.9", 5, 7, false},
        {"abc", 5, 0, false},       {std::nullopt, 5, 5, false},
        {"", 5, 5, false},          {"-1", 5, -1, false},
        {" 1 2", 5, 12, false},     {"-0.5", 5, -1, false},
        {"32767", 5, 32767, false}, {"-5", 5, 5, true},
        {"-1.5", 5, 5, true},       {"32768", 5, 5, true},
        {"40000", -1, -1, true},    {"99999999999999999999999999", 7, 7, true},
    };
    for (const auto& c : cases) {
        DefaultTeamReading reading = readDefaultTeam(c.typed, c.current);
        EXPECT_EQ(reading.team, c.team) << c.typed.value_or("cancel");
        EXPECT_EQ(reading.message.empty(), !c.refused) << reading.message;
    }
    EXPECT_EQ(readDefaultTeam("40000", 5).message,
              "The default team must be a team ID from 0 to 32767, or -1 for all boxscores; it "
              "stays 5.");
}

class ScriptedInputBox final : public TextInputBox {
  public:
    explicit ScriptedInputBox(std::optional<std::string> answer) : answer_(std::move(answer)) {}
    std::optional<std::string> ask(const std::string& title, const std::string& prompt,
                                   const std::string& preset) override {
        title_ = title;
        prompt_ = prompt;
        preset_ = preset;
        return answer_;
    }
    std::optional<std::string> answer_;
    std::string title_, prompt_, preset_;
};

// Every answer, a cancel included, rewrites team.dat with the number that then holds.
TEST(DefaultTeamCommandTest, AsksAndRewritesTheTeamFile) {
    const struct {
        std::int16_t current;
        std::optional<std::string> answer;
        bool refused;
        std::int16_t team;
    } cases[] = {{-1, "7.9", false, 7}, {5, std::nullopt, false, 5}, {12, "-5", true, 12}};
    for (const auto& c : cases) {
        TempFolder folder;
        Settings settings(folder.path());
        settings.setDefaultTeam(c.current);
        folder.write("team.dat", "stale");
        ScriptedInputBox box(c.answer);
        EXPECT_EQ(runDefaultTeamCommand(box, settings).empty(), !c.refused) << c.current;
        EXPECT_EQ(box.title_, "Default Team Number");
        EXPECT_EQ(box.prompt_,
                  "Select a team ID number to pull up all home boxscores for that team.  Set to "
                  "-1 (negative 1) to choose from all boxscores. Team IDs can be found in the DMB "
                  "game by clicking on View-Organizer-Teams under the ID heading.");
        EXPECT_EQ(box.preset_, std::to_string(c.current));
        EXPECT_EQ(settings.defaultTeam(), c.team);
        EXPECT_EQ(folder.read("team.dat"), std::to_string(c.team) + "\r\n");
    }
}

TEST(DefaultTeamCommandTest, UnwritableTeamFileIsReportedButTheNumberHolds) {
    TempFolder folder;
    folder.write("not-a-folder", "x");
    Settings settings(folder / "not-a-folder");
    ScriptedInputBox box("12");
    std::string message = runDefaultTeamCommand(box, settings);
    EXPECT_NE(message.find("team.dat"), std::string::npos) << message;
    EXPECT_EQ(settings.defaultTeam(), 12);
}

}  // namespace
}  // namespace quillbat
