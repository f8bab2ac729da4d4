// The desktop session as the controller drives it, over an Env in memory: loads, Default Team
// and Save To File, each with what it writes and what it leaves; and the settings it reads.

#include "desktop/desktop_session.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/desktop/desktop_fixture.h"

namespace quillbat {
namespace {

const std::string kNoSpace = ": No space left on device";

using DesktopSessionTest = DesktopFixture;

TEST_F(DesktopSessionTest, LoadShowsTheGameAndRemembersItsFolder) {
    GameLoad load = startSession().load(game);
    ASSERT_TRUE(load.game);
    EXPECT_TRUE(load.complete);
    EXPECT_EQ(load.message, "");
    EXPECT_EQ(load.game->article, article(7));
    // Without a team.dat the next start would forget the folder again, so one is written.
    EXPECT_EQ(changedSince(initial),
              (Files{{settings / "path.dat", "\"" + pathToUtf8(league) + "\"\r\n"},
                     {settings / "team.dat", "-1\r\n"}}));
    EXPECT_EQ(session_->openDialogFolder(), pathToUtf8(league));
    // The next load takes the next seed.
    ASSERT_NE(article(7), article(8));
    EXPECT_EQ(session_->load(game).game->article, article(8));
}

TEST_F(DesktopSessionTest, RefusedBoxscoreChangesNothing) {
    DesktopSession& session = startSession();
    session.load(game);
    const Files before = env.files;
    const std::string missing = pathToUtf8(league / "missing.box");
    const GameLoad load = session.load(missing);
    EXPECT_FALSE(load.game || load.complete);
    EXPECT_EQ(load.message, missing + ": cannot be opened: no such file");
    EXPECT_EQ(changedSince(before), Files{});
    // Copy As and Save To File still take the last boxscore that was read.
    EXPECT_TRUE(session.renderAs(ArticleFormat::kBbcode, "Edited.")
                    ->starts_with("[b]Harbor City 5, Riverton 3[/b]\n"));
    EXPECT_EQ(session.saveArticle("The article of the last good game."), "");
    EXPECT_EQ(env.files[league / "gm05.txt"], "The article of the last good game.\r\n");
}

TEST_F(DesktopSessionTest, UnwritablePathFileIsReportedAndTheFolderHoldsForTheRun) {
    env.failWrites = true;
    GameLoad load = startSession().load(game);
    EXPECT_TRUE(load.complete);
    EXPECT_EQ(load.message, "cannot write " + pathToUtf8(settings / "path.dat") + kNoSpace +
                                ". The folder is remembered until the program ends.");
    EXPECT_EQ(session_->openDialogFolder(), pathToUtf8(league));
}

TEST_F(DesktopSessionTest, DefaultTeamIsTheLeadingNumberRoundedDownAndAlwaysRewritten) {
    env.files[settings / "team.dat"] = "3\r\n";
    env.files[settings / "path.dat"] = "\"/boxes\"\r\n";
    const std::string refused =
        "The default team must be a team ID from 0 to 32767, or -1 for all boxscores; it stays 3.";
    const std::string unwritable = "cannot write " + pathToUtf8(settings / "team.dat") + kNoSpace +
                                   ". The default team holds until the program ends.";
    const std::string both = refused + "\n" + unwritable;
    const struct {
        std::optional<std::string> typed;  // nothing: the box was cancelled
        bool failWrite;
        std::int16_t team;
        std::string message;
    } cases[] = {
        {"12", false, 12, ""},        {"7.9", false, 7, ""},       {"abc", false, 0, ""},
        {"-0.5", false, -1, ""},      {"32767", false, 32767, ""}, {"", false, 3, ""},
        {std::nullopt, false, 3, ""}, {"-1.5", false, 3, refused}, {"32768", false, 3, refused},
        {"12", true, 12, unwritable}, {"-2", true, 3, both},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.value_or("cancel"));
        env.files[settings / "team.dat"] = "3\r\n";
        env.failWrites = c.failWrite;
        DesktopSession& session = startSession();
        EXPECT_EQ(session.defaultTeamPreset(), "3");
        EXPECT_EQ(session.setDefaultTeam(c.typed), c.message);
        EXPECT_EQ(session.defaultTeamPreset(), std::to_string(c.team));
        EXPECT_EQ(session.openDialogFilter(), boxscoreFilter(c.team));
        EXPECT_EQ(env.files[settings / "team.dat"],
                  (c.failWrite ? "3" : std::to_string(c.team)) + "\r\n");
    }
}

TEST_F(DesktopSessionTest, SaveWritesTheTrimmedArticleOfSixteenCharactersOrMore) {
    DesktopSession& session = startSession();
    EXPECT_EQ(session.saveArticle("A long enough article."),
              "Please load a boxscore first: the article is saved beside it, under its name.");
    EXPECT_EQ(session.saveArticle("Fifteen chars.."), "");
    session.load(game);
    // Saved text (nothing: no file is written) and message. Fifteen characters of two bytes
    // each are not saved; Windows-1252 curly quotes count one character a byte.
    const std::tuple<std::string, std::optional<std::string>, std::string> cases[] = {
        {"123456789012345", std::nullopt, ""},
        {"1234567890123456", "1234567890123456\r\n", ""},
        {"  Short one.    ", "Short one.\r\n", ""},
        {"\tFirst line.\nSecond line. \t ", "\tFirst line.\nSecond line. \t\r\n", ""},
        {"ééééééééééééééé", std::nullopt, ""},
        {"\x93Quoted\x94 1234567", "\x93Quoted\x94 1234567\r\n", ""},
        {"Unwritable article.", std::nullopt,
         "cannot write " + pathToUtf8(league / "gm05.txt") + kNoSpace}};
    for (const auto& [article, saved, message] : cases) {
        env.files.erase(league / "gm05.txt");
        env.failWrites = !message.empty();
        EXPECT_EQ(session.saveArticle(article), message);
        const auto file = env.files.find(league / "gm05.txt");
        EXPECT_EQ(file == env.files.end() ? std::nullopt : std::optional(file->second), saved)
            << article;
    }
}

// names.dat and gamestory.dat are read leniently: "newspaper" or "on" as the first field, and
// nothing else, puts the setting on; the loads and League Paper then write the names so, or
// tell the game's story. (Switching them is the controller's test.)
TEST_F(DesktopSessionTest, SettingsAreReadFromTheirFilesAndTheLoadsFollowThem) {
    // Phrase files that name every batter; a game with namesakes and one with a story.
    env.copyFromDisk(kSourceFolder / "tests/article/phrases", shipped);
    env.files[league / "namesakes.box"] =
        systemEnv().readFile(kSourceFolder / "tests/core/formats/namesakes.box", "namesakes.box");
    env.files[league / "walkoff.box"] = systemEnv().readFile(
        kSourceFolder / "tests/story/cases/walkoff-homer.box", "walkoff-homer.box");
    const std::tuple<const char*, std::optional<std::string>, bool> readings[] = {
        {"names.dat", "newspaper\r\n", true},   {"names.dat", "\"newspaper\"", true},
        {"names.dat", "newspapers\r\n", false}, {"gamestory.dat", std::nullopt, false},
        {"gamestory.dat", "on\r\n", true},      {"gamestory.dat", " on ,later\n", true},
        {"gamestory.dat", "On\r\n", false},     {"gamestory.dat", "\"on\r\n", false},
    };
    for (const auto& [file, bytes, on] : readings) {
        SCOPED_TRACE(std::string(file) + ": " + bytes.value_or("none"));
        env.files.erase(settings / "names.dat");
        env.files.erase(settings / "gamestory.dat");
        if (bytes) {
            env.files[settings / file] = *bytes;
        }
        const MenuCommand setting =
            file == std::string("names.dat") ? MenuCommand::NewspaperNames : MenuCommand::GameStory;
        const std::string boxscore = pathToUtf8(
            league / (setting == MenuCommand::GameStory ? "walkoff.box" : "namesakes.box"));
        // The paper of the league folder (League Paper), and the game loaded.
        const auto written = [&](DesktopSession& session) {
            session.writePaper(pathToUtf8(league), {});
            std::string pages;
            for (const auto& [path, text] : env.files) {
                pages += MemoryEnv::isInside(path, league / "paper") ? text : "";
            }
            return std::pair(pages, session.load(boxscore).game->article);
        };
        DesktopSession& session = startSession();
        EXPECT_EQ(session.isChecked(setting), on);
        const auto [paper, article] = written(session);
        env.files.erase(settings / file);
        const auto [plainPaper, plainArticle] = written(startSession());
        EXPECT_EQ(paper != plainPaper, on);
        EXPECT_EQ(article != plainArticle, on);
    }
}

TEST(ScoreboardValuesTest, TheTeamWithMoreRunsLeadsNoneOnATieInningsOnlyPastNine) {
    const std::tuple<std::int16_t, std::int16_t, std::optional<Team>, std::string> cases[] = {
        {3, 9, kHome, " "}, {4, 10, std::nullopt, "10"}, {5, 11, kVisitors, "11"}};
    for (const auto& [visitorRuns, innings, leader, shownInnings] : cases) {
        GameRecord record;
        record.runs[kVisitors] = visitorRuns;
        record.runs[kHome] = 4;
        record.innings = innings;
        EXPECT_EQ(scoreboardValues(record).leadingTeam, leader) << visitorRuns;
        EXPECT_EQ(scoreboardValues(record).innings, shownInnings);
    }
}

// Either file missing, empty or not holding a setting resets both settings.
TEST(SettingsTest, BothFilesOrBothDefaults) {
    const std::string boxes = "\"/boxes\"\r\n";
    const std::tuple<std::optional<std::string>, std::string, int, std::string> cases[] = {
        {"5\r\n", "\"C:\\Games\\Boxes\"\r\n", 5, "C:\\Games\\Boxes"},
        {std::nullopt, boxes, -1, "c:\\"},
        {"", boxes, -1, "c:\\"},
        {"7\r\n", "", -1, "c:\\"},
        {"-1\r\n", "\"/leagues/AL, 1999, east\",x\r\n", -1, "/leagues/AL, 1999, east"},
        {"  3 ,4\n", "  /leagues/AL, 1999\r\n", 3, "/leagues/AL"},
        {"32767\r\n", boxes, 32767, "/boxes"},
        {"32768\r\n", boxes, -1, "c:\\"},
        {"-2\r\n", boxes, -1, "c:\\"},
        {"5\r\n", "\"/never closed\r\n", -1, "c:\\"},
        {"1\r\n", "\"/Liga Espa\361a\"\r\n", 1, "/Liga España"}};  // Windows-1252
    for (const auto& [team, path, defaultTeam, folder] : cases) {
        MemoryEnv env;
        if (team) {
            env.files[kMemoryFolder / "team.dat"] = *team;
        }
        env.files[kMemoryFolder / "path.dat"] = path;
        Settings settings(kMemoryFolder, env, "c:\\");
        settings.load();
        EXPECT_EQ(settings.defaultTeam(), defaultTeam) << team.value_or("no team.dat");
        EXPECT_EQ(settings.folder(), folder) << path;
    }
}

}  // namespace
}  // namespace quillbat
