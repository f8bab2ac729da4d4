#include "app/load_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "app/file_system.h"
#include "temp_folder.h"
#include "tests/article/article_test_support.h"
#include "tests/boxscore/boxscore_text.h"

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

// A memory copy of the named phrase files of the article tests.
MemoryPhraseSource phraseFiles(std::initializer_list<const char*> names) {
    MemoryPhraseSource phrases;
    for (const char* name : names) {
        std::ifstream in(fs::path(QUILLBAT_SOURCE_DIR) / "tests/article/phrases" / name,
                         std::ios::binary);
        phrases.set(name, std::string(std::istreambuf_iterator<char>(in), {}));
    }
    return phrases;
}

class LoadCommand : public ::testing::Test {
  protected:
    // The example boxscore with the runs of both line-score rows replaced (two digits each).
    std::string boxscore(const char* name, const char* visitorRuns, const char* homeRuns) {
        std::string text = testing::readExample("riverton-at-harbor-city.box");
        text.replace(text.find("     3  8  1     7  1"), 21,
                     std::string("    ") + visitorRuns + "  8  1     7  1");
        text.replace(text.find("     5  9  0     6  2"), 21,
                     std::string("    ") + homeRuns + "  9  0     6  2");
        folder_.write(name, text);
        return pathToUtf8(folder_ / name);
    }
    LoadOutcome load(const std::string& path, std::optional<std::uint32_t> seed = 7) {
        chooser.answer = path;
        return runLoadCommand(seams, seed);
    }
    // Nothing but the article box changed since the fixture was made.
    void expectUnchangedButTheEmptiedArticle() {
        EXPECT_EQ(article.text(), "");
        EXPECT_EQ(scoreboard.shows, 0);
        EXPECT_EQ(clipboard.text, "clipboard before");
        EXPECT_EQ(settings.remembered, "c:\\");
        EXPECT_EQ(phrases.loads(), 0);
    }

    FakeChooser chooser;
    FakeScoreboard scoreboard;
    FakeArticleBox article;
    FakeClipboard clipboard;
    FakeSettings settings;
    MemoryPhraseSource phrases = phraseFiles(
        {"temperature.dat", "score.dat", "pitch_won.dat", "pitch_lost.dat", "pitch_save.dat",
         "winner_1_batter.dat", "homerun.dat", "winner_2_batter.dat", "loser_1_batter.dat"});
    LoadSeams seams{chooser, scoreboard, article, clipboard, settings, phrases};
    TempFolder folder_;
};

TEST_F(LoadCommand, CancelEmptiesTheArticleAndChangesNothingElse) {
    EXPECT_EQ(load("").status, LoadOutcome::Status::Cancelled);
    expectUnchangedButTheEmptiedArticle();
    // The dialog got the default team's filter and the remembered folder.
    EXPECT_EQ(chooser.filter, "Boxscores (*.box) | *050.box;*051.box;*052.box");
    EXPECT_EQ(chooser.folder, "c:\\");
}

TEST_F(LoadCommand, LoadedArticleGoesToClipboardAndTheFolderIsRemembered) {
    const std::string path = boxscore("gm05.box", " 3", " 5");
    LoadOutcome outcome = load(path);
    EXPECT_EQ(std::tuple(outcome.status, outcome.message, outcome.boxscorePath),
              std::tuple(LoadOutcome::Status::Loaded, "", path));
    EXPECT_EQ(article.text().rfind("It was a fine 72 degrees on April 10, 1999.  ", 0), 0u);
    EXPECT_EQ(clipboard.text, article.text());
    EXPECT_EQ(settings.remembered, pathToUtf8(folder_.path()));
    EXPECT_EQ(scoreboard.shows, 1);
    // The same seed gives the same article.
    const std::string first = article.text();
    load(path);
    EXPECT_EQ(article.text(), first);
}

TEST_F(LoadCommand, ScoreboardValuesAndColoursOnWinLossAndTie) {
    load(boxscore("home.box", " 3", " 5"));
    const ScoreboardValues& shown = scoreboard.shown;
    EXPECT_EQ(std::tuple(shown.teamName[kVisitors], shown.runs[kVisitors], shown.hits[kVisitors],
                         shown.errors[kVisitors]),
              std::tuple("Riverton", "3", "8", "1"));
    EXPECT_EQ(std::tuple(shown.teamName[kHome], shown.runs[kHome], shown.hits[kHome],
                         shown.errors[kHome]),
              std::tuple("Harbor City", "5", "9", "0"));
    EXPECT_EQ(std::tuple(shown.innings, shown.ballparkName, shown.gameDate),
              std::tuple(" ", "Lakeside Park", "April 10, 1999"));
    EXPECT_EQ(shown.colours, (ScoreboardValues::Colours{kWhite, kYellow}));

    load(boxscore("visitors.box", "12", " 5"));
    EXPECT_EQ(std::tuple(shown.colours, shown.runs[kVisitors]),
              std::tuple(ScoreboardValues::Colours{kYellow, kWhite}, "12"));

    load(boxscore("tie.box", " 5", " 5"));
    EXPECT_EQ(shown.colours, std::nullopt);
}

TEST_F(LoadCommand, RefusedBoxscoreLeavesEverythingButTheEmptiedArticle) {
    folder_.write("notes.box", "Dear diary,\r\nno line score here.\r\n");
    const std::string notes = pathToUtf8(folder_ / "notes.box");
    const std::string gone = pathToUtf8(folder_ / "gone.box");
    for (const auto& [path, message] :
         {std::pair{notes, notes + ": has no line score: it is not a boxscore of the game"},
          {gone, gone + ": cannot be opened: no such file"}}) {
        LoadOutcome outcome = load(path);
        EXPECT_EQ(std::tuple(outcome.status, outcome.message),
                  std::tuple(LoadOutcome::Status::Failed, message));
        expectUnchangedButTheEmptiedArticle();
    }
}

TEST_F(LoadCommand, MissingPhraseFileMidArticleKeepsTheTextWrittenSoFar) {
    MemoryPhraseSource partial = phraseFiles({"temperature.dat", "score.dat", "pitch_won.dat"});
    LoadSeams withoutLosers{chooser, scoreboard, article, clipboard, settings, partial};
    chooser.answer = boxscore("gm05.box", " 3", " 5");
    LoadOutcome outcome = runLoadCommand(withoutLosers, 7);
    EXPECT_EQ(
        std::tuple(outcome.status, outcome.message),
        std::tuple(LoadOutcome::Status::Failed, "pitch_lost.dat: cannot be opened: no such file"));
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
    EXPECT_EQ(std::tuple(outcome.status, outcome.message),
              std::tuple(LoadOutcome::Status::Loaded, "cannot write path.dat: disk full"));
    EXPECT_EQ(clipboard.text, article.text());
}

TEST(ScoreboardValues, InningsLabelOnlyForExtraInningsAndBallparkWithoutTheArticle) {
    GameRecord record;
    record.ballparkName = "Kingdome";
    record.ballpark = "the Kingdome";
    for (const auto& [innings, label] : {std::pair{9, " "}, {10, "10"}, {12, "12"}, {0, " "}}) {
        record.innings = static_cast<std::int16_t>(innings);
        EXPECT_EQ(scoreboardValues(record).innings, label) << innings;
    }
    EXPECT_EQ(scoreboardValues(record).ballparkName, "Kingdome");
}

}  // namespace
}  // namespace quillbat
