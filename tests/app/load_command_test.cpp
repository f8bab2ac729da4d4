#include "app/load_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/file_system.h"
#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;

class FakeChooser final : public BoxscoreChooser {
  public:
    std::string chooseBoxscore(const std::string& filterText,
                               const std::string& startFolder) override {
        filter = filterText;
        folder = startFolder;
        return answer;
    }
    std::string answer;
    std::string filter;
    std::string folder;
};

class FakeScoreboard final : public Scoreboard {
  public:
    void show(const ScoreboardValues& values) override {
        shown = values;
        ++shows;
    }
    ScoreboardValues shown;
    int shows = 0;
};

class FakeArticleBox final : public ArticleBox {
  public:
    void clear() override { text_.clear(); }
    void append(std::string_view piece) override { text_.append(piece); }
    std::string text() const override { return text_; }

  private:
    std::string text_ = "the article of the game before";
};

class FakeClipboard final : public Clipboard {
  public:
    void setText(const std::string& newText) override { text = newText; }
    std::string text = "clipboard before";
};

class FakeSettings final : public RememberedSettings {
  public:
    std::int16_t defaultTeam() const override { return 5; }
    std::string folder() const override { return remembered; }
    void rememberFolder(const std::string& newFolder) override {
        remembered = newFolder;
        if (failWrite) {
            throw FileWriteError("cannot write path.dat: disk full");
        }
    }
    std::string remembered = "c:\\";
    bool failWrite = false;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class LoadCommand : public testing::Test {
  protected:
    LoadCommand() {
        folder_ =
            fs::temp_directory_path() / ("quillbat-load-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        for (const char* name :
             {"temperature.dat", "score.dat", "pitch_won.dat", "pitch_lost.dat", "pitch_save.dat",
              "winner_1_batter.dat", "homerun.dat", "winner_2_batter.dat", "loser_1_batter.dat"}) {
            phrases.set(name,
                        readText(fs::path(QUILLBAT_SOURCE_DIR) / "tests/article/phrases" / name));
        }
        example_ = readText(fs::path(QUILLBAT_SOURCE_DIR) / "examples/riverton-at-harbor-city.box");
    }
    ~LoadCommand() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // The example boxscore with the runs of both line-score rows replaced (two digits each).
    std::string boxscore(const char* name, const char* visitorRuns, const char* homeRuns) {
        std::string text = example_;
        text.replace(text.find("     3  8  1     7  1"), 21,
                     std::string("    ") + visitorRuns + "  8  1     7  1");
        text.replace(text.find("     5  9  0     6  2"), 21,
                     std::string("    ") + homeRuns + "  9  0     6  2");
        return write(name, text);
    }
    std::string write(const char* name, const std::string& text) {
        std::ofstream(folder_ / name, std::ios::binary) << text;
        return pathToUtf8(folder_ / name);
    }
    LoadOutcome load(const std::string& path, std::optional<std::uint32_t> seed = 7) {
        chooser.answer = path;
        return runLoadCommand(seams, seed);
    }

    FakeChooser chooser;
    FakeScoreboard scoreboard;
    FakeArticleBox article;
    FakeClipboard clipboard;
    FakeSettings settings;
    MemoryPhraseSource phrases;
    LoadSeams seams{chooser, scoreboard, article, clipboard, settings, phrases};
    fs::path folder_;
    std::string example_;
};

TEST_F(LoadCommand, CancelEmptiesTheArticleAndChangesNothingElse) {
    LoadOutcome outcome = load("");
    EXPECT_EQ(outcome.status, LoadOutcome::Status::Cancelled);
    EXPECT_EQ(article.text(), "");
    EXPECT_EQ(scoreboard.shows, 0);
    EXPECT_EQ(clipboard.text, "clipboard before");
    EXPECT_EQ(settings.remembered, "c:\\");
    EXPECT_EQ(phrases.loads(), 0);
}

TEST_F(LoadCommand, DialogGetsTheTeamFilterAndTheRememberedFolder) {
    load("");
    EXPECT_EQ(chooser.filter, "Boxscores (*.box) | *050.box;*051.box;*052.box");
    EXPECT_EQ(chooser.folder, "c:\\");
}

TEST_F(LoadCommand, LoadedArticleGoesToClipboardAndTheFolderIsRemembered) {
    const std::string path = boxscore("gm05.box", " 3", " 5");
    LoadOutcome outcome = load(path);
    EXPECT_EQ(outcome.status, LoadOutcome::Status::Loaded);
    EXPECT_EQ(outcome.message, "");
    EXPECT_EQ(outcome.boxscorePath, path);
    EXPECT_EQ(article.text().rfind("It was a fine 72 degrees on April 10, 1999.  ", 0), 0u);
    EXPECT_EQ(clipboard.text, article.text());
    EXPECT_EQ(settings.remembered, pathToUtf8(folder_));
    EXPECT_EQ(scoreboard.shows, 1);
}

TEST_F(LoadCommand, SameSeedSameArticle) {
    const std::string path = boxscore("gm05.box", " 3", " 5");
    load(path, 11);
    const std::string first = article.text();
    load(path, 11);
    EXPECT_EQ(article.text(), first);
}

TEST_F(LoadCommand, ScoreboardValuesAndColoursOnWinLossAndTie) {
    load(boxscore("home.box", " 3", " 5"));
    ScoreboardValues expected;
    expected.teamName[kVisitors] = "Riverton";
    expected.teamName[kHome] = "Harbor City";
    expected.runs[kVisitors] = "3";
    expected.runs[kHome] = "5";
    expected.hits[kVisitors] = "8";
    expected.hits[kHome] = "9";
    expected.errors[kVisitors] = "1";
    expected.errors[kHome] = "0";
    expected.innings = " ";
    expected.ballparkName = "Lakeside Park";
    expected.gameDate = "April 10, 1999";
    expected.colours = ScoreboardValues::Colours{kWhite, kYellow};
    EXPECT_EQ(scoreboard.shown, expected);

    load(boxscore("visitors.box", "12", " 5"));
    ASSERT_TRUE(scoreboard.shown.colours.has_value());
    EXPECT_EQ(scoreboard.shown.colours->visitors, kYellow);
    EXPECT_EQ(scoreboard.shown.colours->home, kWhite);
    EXPECT_EQ(scoreboard.shown.runs[kVisitors], "12");

    load(boxscore("tie.box", " 5", " 5"));
    EXPECT_EQ(scoreboard.shown.colours, std::nullopt);
}

TEST_F(LoadCommand, RefusedBoxscoreLeavesEverythingButTheEmptiedArticle) {
    const std::string path = write("notes.box", "Dear diary,\r\nno line score here.\r\n");
    LoadOutcome outcome = load(path);
    EXPECT_EQ(outcome.status, LoadOutcome::Status::Failed);
    EXPECT_NE(outcome.message.find(path + ": "), std::string::npos) << outcome.message;
    EXPECT_EQ(article.text(), "");
    EXPECT_EQ(scoreboard.shows, 0);
    EXPECT_EQ(clipboard.text, "clipboard before");
    EXPECT_EQ(settings.remembered, "c:\\");
    EXPECT_EQ(phrases.loads(), 0);
}

TEST_F(LoadCommand, MissingBoxscoreIsRefused) {
    LoadOutcome outcome = load(pathToUtf8(folder_ / "gone.box"));
    EXPECT_EQ(outcome.status, LoadOutcome::Status::Failed);
    EXPECT_EQ(outcome.message,
              pathToUtf8(folder_ / "gone.box") + ": cannot be opened: no such file");
}

TEST_F(LoadCommand, MissingPhraseFileMidArticleKeepsTheTextWrittenSoFar) {
    MemoryPhraseSource partial;
    for (const char* name : {"temperature.dat", "score.dat", "pitch_won.dat"}) {
        partial.set(name, readText(fs::path(QUILLBAT_SOURCE_DIR) / "tests/article/phrases" / name));
    }
    LoadSeams withoutLosers{chooser, scoreboard, article, clipboard, settings, partial};
    chooser.answer = boxscore("gm05.box", " 3", " 5");
    LoadOutcome outcome = runLoadCommand(withoutLosers, 7);
    EXPECT_EQ(outcome.status, LoadOutcome::Status::Failed);
    EXPECT_EQ(outcome.message, "pitch_lost.dat: cannot be opened: no such file");
    EXPECT_EQ(
        article.text(),
        "It was a fine 72 degrees on April 10, 1999.  The wind was gusting out to cf at 22 mph "
        "at Lakeside Park.  The Harbor City edged the Riverton 5-3.  Tom Ashford improved to "
        "12-5.  He threw 112 pitches and struck out nine.  ");
    EXPECT_EQ(clipboard.text, "clipboard before");
    EXPECT_EQ(settings.remembered, "c:\\");
}

TEST_F(LoadCommand, FolderThatCannotBeWrittenIsReportedAfterTheArticle) {
    settings.failWrite = true;
    LoadOutcome outcome = load(boxscore("gm05.box", " 3", " 5"));
    EXPECT_EQ(outcome.status, LoadOutcome::Status::Loaded);
    EXPECT_EQ(outcome.message, "cannot write path.dat: disk full");
    EXPECT_EQ(clipboard.text, article.text());
}

TEST(ScoreboardValues, InningsLabelOnlyForExtraInnings) {
    GameRecord record;
    record.innings = 9;
    EXPECT_EQ(scoreboardValues(record).innings, " ");
    record.innings = 10;
    EXPECT_EQ(scoreboardValues(record).innings, "10");
    record.innings = 12;
    EXPECT_EQ(scoreboardValues(record).innings, "12");
    record.innings = 0;
    EXPECT_EQ(scoreboardValues(record).innings, " ");
}

TEST(ScoreboardValues, BallparkWithoutTheArticle) {
    GameRecord record;
    record.ballparkName = "Kingdome";
    record.ballpark = "the Kingdome";
    EXPECT_EQ(scoreboardValues(record).ballparkName, "Kingdome");
}

}  // namespace
}  // namespace quillbat
