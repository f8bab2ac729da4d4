#include "app/default_team.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace quillbat {
namespace {

struct ReadingCase {
    std::optional<std::string> typed;
    std::int16_t current;
    std::int16_t team;
    bool refused;
};

void PrintTo(const ReadingCase& reading, std::ostream* out) {
    *out << (reading.typed ? "\"" + *reading.typed + "\"" : "cancel");
}

class ReadDefaultTeamTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadDefaultTeamTest, ReadsTheLeadingNumberRoundedDown) {
    const ReadingCase& c = GetParam();
    DefaultTeamReading reading = readDefaultTeam(c.typed, c.current);
    EXPECT_EQ(reading.team, c.team);
    EXPECT_EQ(reading.message.empty(), !c.refused) << reading.message;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDefaultTeamTest,
    ::testing::Values(ReadingCase{"12", 5, 12, false}, ReadingCase{"7.9", 5, 7, false},
                      ReadingCase{"abc", 5, 0, false}, ReadingCase{std::nullopt, 5, 5, false},
                      ReadingCase{"", 5, 5, false}, ReadingCase{"-1", 5, -1, false},
                      ReadingCase{" 1 2", 5, 12, false}, ReadingCase{"-0.5", 5, -1, false},
                      ReadingCase{"32767", 5, 32767, false}, ReadingCase{"-5", 5, 5, true},
                      ReadingCase{"-1.5", 5, 5, true}, ReadingCase{"32768", 5, 5, true},
                      ReadingCase{"40000", -1, -1, true},
                      ReadingCase{"99999999999999999999999999", 7, 7, true}));

TEST(ReadDefaultTeamMessageTest, NamesTheRangeAndTheKeptNumber) {
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

class DefaultTeamCommandTest : public ::testing::Test {
  protected:
    std::string teamFile() const { return folder_.read("team.dat"); }

    TempFolder folder_;
};

TEST_F(DefaultTeamCommandTest, AsksWithTitlePromptAndPreset) {
    Settings settings(folder_.path());
    ScriptedInputBox box("7.9");
    EXPECT_EQ(runDefaultTeamCommand(box, settings), "");
    EXPECT_EQ(box.title_, "Default Team Number");
    EXPECT_EQ(box.prompt_,
              "Select a team ID number to pull up all home boxscores for that team.  Set to -1 "
              "(negative 1) to choose from all boxscores. Team IDs can be found in the DMB game by "
              "clicking on View-Organizer-Teams under the ID heading.");
    EXPECT_EQ(box.preset_, "-1");
    EXPECT_EQ(settings.defaultTeam(), 7);
    EXPECT_EQ(teamFile(), "7\r\n");
}

TEST_F(DefaultTeamCommandTest, CancelRewritesTheUnchangedNumber) {
    Settings settings(folder_.path());
    settings.setDefaultTeam(5);
    folder_.write("team.dat", "stale");
    ScriptedInputBox box(std::nullopt);
    EXPECT_EQ(runDefaultTeamCommand(box, settings), "");
    EXPECT_EQ(box.preset_, "5");
    EXPECT_EQ(teamFile(), "5\r\n");
}

TEST_F(DefaultTeamCommandTest, RefusedNumberIsKeptAndStillWritten) {
    Settings settings(folder_.path());
    settings.setDefaultTeam(12);
    ScriptedInputBox box("-5");
    EXPECT_NE(runDefaultTeamCommand(box, settings), "");
    EXPECT_EQ(settings.defaultTeam(), 12);
    EXPECT_EQ(teamFile(), "12\r\n");
}

TEST_F(DefaultTeamCommandTest, UnwritableTeamFileIsReportedButTheNumberHolds) {
    folder_.write("not-a-folder", "x");
    Settings settings(folder_ / "not-a-folder");
    ScriptedInputBox box("12");
    std::string message = runDefaultTeamCommand(box, settings);
    EXPECT_NE(message.find("team.dat"), std::string::npos) << message;
    EXPECT_EQ(settings.defaultTeam(), 12);
}

}  // namespace
}  // namespace quillbat
