// The controller as both desktop programs run it, against a view in memory and a session over
// files in memory: every row of the menu, the two buttons and a file dropped or named.

#include "desktop/desktop_controller.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "article/phrase_catalog.h"
#include "core/text_encoding.h"
#include "tests/desktop/desktop_fixture.h"
#include "tests/desktop/fake_view.h"

namespace quillbat {
namespace {

// Every command: -Wswitch, an error in CI, names one this switch leaves out.
bool isCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::DefaultTeam:
        case MenuCommand::LoadBoxscore:
        case MenuCommand::About:
        case MenuCommand::Instructions:
        case MenuCommand::Exit:
        case MenuCommand::CopyAsText:
        case MenuCommand::CopyAsBbcode:
        case MenuCommand::CopyAsMarkdown:
        case MenuCommand::CopyAsHtml:
        case MenuCommand::NewspaperNames:
        case MenuCommand::GameStory:
        case MenuCommand::OpenPhraseFolder:
        case MenuCommand::LeaguePaper:
            return true;
    }
    return false;
}

// The commands, found among every identifier a Windows menu item can have.
std::vector<MenuCommand> allCommands() {
    std::vector<MenuCommand> commands;
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (isCommand(static_cast<MenuCommand>(id))) {
            commands.push_back(static_cast<MenuCommand>(id));
        }
    }
    return commands;
}

TEST(MenuTree, HoldsEveryCommandOnce) {
    std::map<MenuCommand, int> rows;
    forEachMenuCommand([&rows](const MenuItem&, MenuCommand command) { ++rows[command]; });
    for (MenuCommand command : allCommands()) {
        EXPECT_EQ(rows[command], 1) << static_cast<int>(command);
    }
}

// The controller over the session and a view in memory.
class DesktopControllerTest : public DesktopFixture {
  protected:
    DesktopControllerTest() { view.clipboard = "before"; }
    DesktopController& start() { return controller_.emplace(startSession(), view); }
    // Loads the game, then starts the view's notes afresh and edits the article.
    void loadTheGame() {
        controller_->loadFile(game);
        view.calls.clear();
        view.clipboard = "before";
        view.article = "An edited article of the game.";
    }
    // The first and the last line of the clipboard, and what the menu shows.
    std::string shown() const {
        const std::string& text = view.clipboard;
        const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
        return text.substr(0, text.find('\n')) + " ... " + text.substr(lastLine) +
               (view.clipboardHtml ? " (HTML)" : "") +
               (view.enabled.at(MenuCommand::CopyAsHtml) ? ", Copy As on" : ", Copy As off") +
               (view.checked.at(MenuCommand::NewspaperNames) ? ", names checked" : "") +
               (view.checked.at(MenuCommand::GameStory) ? ", story checked" : "");
    }

    // The files the paper of the league folder writes (with extra files in it, which are among
    // them): the session's first seed, the test phrase files, the program's style sheet.
    Files paperOf(const Files& extra) const {
        MemoryEnv paperEnv;
        paperEnv.files = initial;
        paperEnv.files.insert(extra.begin(), extra.end());
        FolderPhraseSource phrases(shipped, paperEnv);
        writePaper(paperEnv, phrases, paperGames(paperEnv, {pathToUtf8(league)}),
                   {.folder = league / "paper", .seed = 7, .styleSheetFolders = {shipped}});
        Files written;
        for (const auto& [path, bytes] : paperEnv.files) {
            if (!initial.contains(path)) {
                written[path] = bytes;
            }
        }
        return written;
    }

    FakeView view;
    std::optional<DesktopController> controller_;
};

struct RowCase {
    const char* what;
    MenuCommand command;
    bool gameFirst;                  // the game is loaded and its article edited first
    std::function<void()> script;    // the view's answers and the files' state
    std::vector<std::string> calls;  // what the view was asked and told
    Files changed;                   // the files written
    std::string shown;               // the clipboard and the menu afterwards
};

TEST_F(DesktopControllerTest, EveryMenuRowDoesWhatItSays) {
    const auto none = [] {};
    const auto failWrites = [this] { env.failWrites = true; };
    const std::string noSpace = ": No space left on device";
    const std::string leagueFolder = pathToUtf8(league);
    const std::string folder = pathToUtf8(userPhrases);
    const Files noFolderYet = {{settings / "team.dat", "-1\r\n"},
                               {settings / "path.dat", "\"c:\\\"\r\n"}};
    Files phraseFiles = {{userPhrases / "paper.css", env.files[shipped / "paper.css"]}};
    for (const PhraseFileEntry& entry : phraseCatalog()) {
        phraseFiles[userPhrases / entry.fileName] = env.files[shipped / entry.fileName];
    }
    const std::string paperFolder = pathToUtf8(league / "paper");
    const std::string index = pathToUtf8(league / "paper" / "index.html");
    const std::string chooseLeague =
        "choose folder " + std::string(kLeaguePaperFolderPrompt) + " in c:\\";
    const auto progress = [](std::size_t done, std::size_t total) {
        return "progress League Paper: " + paperProgressText(done, total) + " [" +
               std::to_string(done) + "/" + std::to_string(total) + "]";
    };
    const Files bad = {{league / "bad.box", "not a boxscore\r\n"}};
    const std::string refused =
        pathToUtf8(league / "bad.box") + ": has no line score: it is not a boxscore of the game";
    const std::string edited = "An edited article of the game.";
    const std::string loaded = displayText(article(7));
    const std::string untouched = "before ... before, Copy As off";
    const std::string ask = "ask Default Team Number: " + std::string(kDefaultTeamPrompt) + " [-1]";
    using enum MenuCommand;
    // clang-format off
    const RowCase cases[] = {
        {"Default Team 12", DefaultTeam, false, [this] { view.typed = "12"; }, {ask},
         {{settings / "team.dat", "12\r\n"}, {settings / "path.dat", "\"c:\\\"\r\n"}}, untouched},
        {"Default Team 32768", DefaultTeam, false, [this] { view.typed = "32768"; },
         {ask, "warning Default Team Number: The default team must be a team ID from 0 to 32767, "
               "or -1 for all boxscores; it stays -1."}, noFolderYet, untouched},
        {"Load Boxscore", LoadBoxscore, false, [this] { view.chosenFile = game; },
         {"clear", "choose Boxscores (*.box) in c:\\", "game Riverton 3, Harbor City 5", "clipboard"},
         {{settings / "team.dat", "-1\r\n"}, {settings / "path.dat", "\"" + leagueFolder + "\"\r\n"}},
         loaded + " ... " + loaded + ", Copy As on"},
        // A refused boxscore changes nothing the view shows; an article cut short by a phrase
        // file shows but goes neither on the clipboard nor makes its folder the remembered one.
        {"Load Boxscore, refused", LoadBoxscore, false, [this] { view.chosenFile = game + "x"; },
         {"clear", "choose Boxscores (*.box) in c:\\",
          "warning Load Boxscore: " + game + "x: cannot be opened: no such file"}, {}, untouched},
        {"Load Boxscore, a phrase file missing", LoadBoxscore, false,
         [this] { view.chosenFile = game; env.files.erase(shipped / "pitch_won.dat"); },
         {"clear", "choose Boxscores (*.box) in c:\\", "game Riverton 3, Harbor City 5",
          "warning Load Boxscore: " + pathToUtf8(shipped / "pitch_won.dat") +
              ": cannot be opened: no such file"}, {}, "before ... before, Copy As on"},
        {"Load Boxscore cancelled", LoadBoxscore, false, none,
         {"clear", "choose Boxscores (*.box) in c:\\"}, {}, untouched},
        {"About", About, false, none, {"window About"}, {}, untouched},
        {"Instructions", Instructions, false, none, {"window Instructions"}, {}, untouched},
        {"Exit", Exit, true, none, {"close"}, {}, "before ... before, Copy As on"},
        {"Copy As before a game", CopyAsText, false, none, {}, {}, untouched},
        {"Copy As Plain Text", CopyAsText, true, none, {"clipboard"}, {},
         edited + " ... " + edited + ", Copy As on"},
        {"Copy As BBCode", CopyAsBbcode, true, none, {"clipboard"}, {},
         "[b]Harbor City 5, Riverton 3[/b] ... " + edited + "\n, Copy As on"},
        {"Copy As HTML", CopyAsHtml, true, none, {"clipboard with HTML"}, {},
         "<article class=\"quillbat-game\"> ... </article>\n (HTML), Copy As on"},
        {"Copy As Markdown, the clipboard in use", CopyAsMarkdown, true,
         [this] { view.clipboardBusy = true; },
         {"clipboard", "warning Copy As: The clipboard is in use by another program. Please try again."},
         {}, "before ... before, Copy As on"},
        {"Newspaper Names", NewspaperNames, false, none,
         {"information Newspaper Names: " + std::string(kNewspaperNamesOn)},
         {{settings / "names.dat", "newspaper\r\n"}}, untouched + ", names checked"},
        {"Newspaper Names switched off again", NewspaperNames, false,
         [this] { controller_->run(MenuCommand::NewspaperNames); view.calls.clear(); },
         {"information Newspaper Names: " + std::string(kNewspaperNamesOff)},
         {{settings / "names.dat", "boxscore\r\n"}}, untouched},
        {"Newspaper Names, names.dat not written", NewspaperNames, false, failWrites,
         {"warning Newspaper Names: cannot write " + pathToUtf8(settings / "names.dat") + noSpace +
          ". The name style holds until the program ends."}, {}, untouched + ", names checked"},
        // Game Story says from when it applies: the article shown stays as it was written.
        {"Game Story", GameStory, true, none,
         {"information Game Story: " + std::string(kGameStoryOn)},
         {{settings / "gamestory.dat", "on\r\n"}}, "before ... before, Copy As on, story checked"},
        {"Game Story switched off again", GameStory, false,
         [this] { controller_->run(MenuCommand::GameStory); view.calls.clear(); },
         {"information Game Story: " + std::string(kGameStoryOff)},
         {{settings / "gamestory.dat", "off\r\n"}}, untouched},
        {"Game Story, gamestory.dat not written", GameStory, false, failWrites,
         {"warning Game Story: cannot write " + pathToUtf8(settings / "gamestory.dat") + noSpace +
          ". Game Story holds until the program ends."}, {}, untouched + ", story checked"},
        {"Open Phrase Folder", OpenPhraseFolder, false, none, {"open " + folder}, phraseFiles,
         untouched},
        {"Open Phrase Folder, no file manager", OpenPhraseFolder, false,
         [this] { view.folderOpens = false; },
         {"open " + folder, "warning Open Phrase Folder: The phrase files are in " + folder},
         phraseFiles, untouched},
        // The paper goes into the chosen folder's "paper", the game with the session's first
        // seed; the progress shows while each date is read, then after each game. A refused
        // boxscore is named, and the index's name shown when no browser starts.
        {"League Paper", LeaguePaper, false, [this] { view.chosenFolder = pathToUtf8(league); },
         {chooseLeague, progress(0, 1), progress(0, 1), progress(1, 1), "end progress",
          "information League Paper: The league paper of 1 day and 1 game is in " + paperFolder + ".",
          "browser " + index}, paperOf({}), untouched},
        {"League Paper, a refused boxscore, no browser", LeaguePaper, false,
         [this, &bad] { view.chosenFolder = pathToUtf8(league); view.browserOpens = false;
                        env.files.insert(bad.begin(), bad.end()); },
         {chooseLeague, progress(0, 2), progress(0, 2), progress(0, 2), progress(1, 2),
          progress(2, 2), "end progress",
          "warning League Paper: The league paper of 1 day and 1 game is in " + paperFolder +
              ".\n\nThese boxscores are not in it:\n" + refused,
          "browser " + index,
          "information League Paper: No browser could be started. The paper's index is " + index},
         paperOf(bad), untouched},
        {"League Paper, a folder without boxscores", LeaguePaper, false,
         [this] { view.chosenFolder = pathToUtf8(shipped); },
         {chooseLeague, "end progress", "warning League Paper: " + pathToUtf8(shipped) + ": holds no boxscore (.box file)"},
         {}, untouched},
        {"League Paper cancelled", LeaguePaper, false, none, {chooseLeague}, {}, untouched},
    };
    // clang-format on
    std::set<MenuCommand> covered;
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        env.failWrites = false;
        env.files = initial;
        view = FakeView();
        view.clipboard = "before";
        start();
        if (c.gameFirst) {
            loadTheGame();
        }
        const Files before = env.files;
        c.script();
        controller_->run(c.command);
        EXPECT_EQ(view.calls, c.calls);
        EXPECT_EQ(changedSince(before), c.changed);
        EXPECT_EQ(shown(), c.shown);
        covered.insert(c.command);
    }
    EXPECT_EQ(covered.size(), allCommands().size()) << "a command without a case";
}

TEST_F(DesktopControllerTest, StartsWithTheCheckMarksOfTheSettingsAndTheGameCommandsGreyed) {
    using enum MenuCommand;
    const std::pair<Files, std::map<MenuCommand, bool>> cases[] = {
        {{}, {{NewspaperNames, false}, {GameStory, false}}},
        {{{settings / "names.dat", "newspaper\r\n"}}, {{NewspaperNames, true}, {GameStory, false}}},
        {{{settings / "gamestory.dat", "on\r\n"}}, {{NewspaperNames, false}, {GameStory, true}}},
    };
    for (const auto& [files, checked] : cases) {
        env.files = initial;
        env.files.insert(files.begin(), files.end());
        view = FakeView();
        start();
        EXPECT_EQ(view.checked, checked);
        forEachMenuCommand([this](const MenuItem& item, MenuCommand command) {
            EXPECT_EQ(view.enabled.at(command), !item.needsGame) << item.text;
        });
    }
}

TEST_F(DesktopControllerTest, ButtonsSaveAndCopyTheArticleBox) {
    start();
    view.article = "An article before any game.";
    controller_->saveToFile();
    EXPECT_EQ(view.calls, std::vector<std::string>{"warning Save To File: Please load a boxscore "
                                                   "first: the article is saved beside it, under "
                                                   "its name."});
    loadTheGame();
    controller_->saveToFile();
    view.clipboardBusy = true;
    controller_->copyToClipboard();
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"clipboard",
                                        "warning Copy To Clipboard: The clipboard is in use by "
                                        "another program. Please try again."}));
    EXPECT_EQ(env.files[league / "gm05.txt"], "An edited article of the game.\r\n");
}

}  // namespace
}  // namespace quillbat
