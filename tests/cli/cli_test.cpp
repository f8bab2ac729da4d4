// quillbat-cli around its articles: usage, batches with refusals, seeds, --save and
// --check-phrases. The articles and records of the examples themselves are checked by the
// folder of cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "cli/check_phrases.h"
#include "cli/cli_paper.h"
#include "cli/cli_run.h"
#include "cli/help_formatter.h"
#include "core/save_article.h"
#include "tests/support/memory_env.h"
#include "tests/support/test_files.h"
#include "tests/support/test_games.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace quillbat {
namespace {

namespace fs = std::filesystem;

const std::string kPhrases = pathToUtf8(kTestPhrases);
const std::string kGame = kWorkedExample;

// What quillbat-cli prints for the worked example with seed.
std::string printed(std::uint32_t seed) {
    return testArticle(kGame, seed) + "\n";
}

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class QuillbatCli : public testing::Test {
  protected:
    // Runs quillbat-cli with the arguments, each quoted, and collects what it wrote.
    CliRun run(const std::vector<std::string>& arguments) {
        std::string command =
            "\"" + pathToUtf8(fs::path(QUILLBAT_BUILD_DIR) / "quillbat-cli") + "\"";
        for (const std::string& argument : arguments) {
            command += " \"" + argument + "\"";
        }
        command += " > \"" + folder.utf8("out") + "\" 2> \"" + folder.utf8("err") + "\"";
#ifdef _WIN32
        // cmd.exe drops the first and the last quotation mark of a command that starts with one.
        command = "\"" + command + "\"";
#endif
        int status = std::system(command.c_str());
#ifndef _WIN32
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        return {status, folder.read("out"), folder.read("err")};
    }

    TempFolder folder;
};

// Sets COLUMNS for the programs this test starts.
void setColumns(const char* columns) {
#ifdef _WIN32
    _putenv_s("COLUMNS", columns);
#else
    setenv("COLUMNS", columns, 1);
#endif
}

// The words of a text, one blank apart.
std::string wordsOf(const std::string& text) {
    std::istringstream in(text);
    std::string words;
    for (std::string word; in >> word;) {
        words += word + " ";
    }
    return words;
}

// The help is help-80.txt at 80 columns; at 120 the same words fill wider lines.
TEST_F(QuillbatCli, HelpIsWrappedToTheColumnsGivenWithoutWhatOptionsExclude) {
    setColumns("80");
    const CliRun narrow = run({"--help"});
    setColumns("120");
    const CliRun wide = run({"--help"});
    EXPECT_EQ(narrow.status, 0);
    EXPECT_EQ(narrow.out, readWholeFile(kSourceFolder / "tests/cli/help-80.txt", "help-80.txt"));
    EXPECT_EQ(wide.status, 0);
    EXPECT_EQ(wordsOf(wide.out), wordsOf(narrow.out));
    std::size_t widest = 0;
    std::istringstream lines(wide.out);
    for (std::string line; std::getline(lines, line);) {
        widest = std::max(widest, line.size());
    }
    EXPECT_GT(widest, 80U);
    EXPECT_LE(widest, 120U);
}

// Words fill a line up to the width exactly; one column more goes on the next line, after the
// indent of the next lines. A word longer than a line has one of its own.
TEST(HelpFormatterTest, WrapsWordsAtTheWidth) {
    struct Case {
        std::string_view text;
        std::size_t width;
        std::string wrapped;
    };
    const Case cases[] = {
        {"aaa bbb ccc", 13, "> aaa bbb ccc\n"},
        {"aaa bbb ccc", 12, "> aaa bbb\n  ccc\n"},
        {"aaa  bbb ", 9, "> aaa bbb\n"},
        {"aaa bbbbbbbbbbbb c", 8, "> aaa\n  bbbbbbbbbbbb\n  c\n"},
        {"", 8, "> \n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wrapWords(c.text, c.width, "> ", "  "), c.wrapped) << c.text << " " << c.width;
    }
}

TEST_F(QuillbatCli, BadUsageExitsWithTwoAndPrintsNoArticle) {
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"--seed", "-1", kGame},
        {"--seed", "4294967296", kGame},
        {"--colour", kGame},
        {"--record", "--save", kGame},
        {"--seed", "7"},
        {"--check-phrases", kPhrases, kGame},
        // A paper is written as web pages or posts, and only as a paper.
        {"--paper", "out", "--format", "text", kGame},
        {"--paper", "out", "--save", kGame},
        {"--paper", "out", "--record", kGame},
        {"--paper", "out", "--check-phrases"},
        {"--paper", "out"},
        {"--story", "--check-phrases"},
    };
    for (const auto& usage : usages) {
        CliRun result = run(usage);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_EQ(result.out, "") << result.err;
        EXPECT_NE(result.err, "") << testing::PrintToString(usage);
    }
}

// The k-th boxscore takes seed N + k modulo 2^32, a refused one too; --save writes each article
// beside its boxscore.
TEST_F(QuillbatCli, RefusedBoxscoresAreReportedAndTheBatchGoesOn) {
    const std::string missing = folder.utf8("missing.box");
    const std::string bad = folder.utf8("bad.box");
    const std::string game = folder.utf8("gm05.box");
    const std::string empty = folder.utf8("empty.box");
    folder.write("bad.box", "not a boxscore\r\n");
    folder.write("empty.box", "");
    fs::copy_file(pathFromUtf8(kGame), folder / "gm05.box");
    CliRun result = run(
        {"--seed", "4294967295", "--data", kPhrases, "--save", missing, game, bad, game, empty});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, printed(0) + printed(2));
    EXPECT_EQ(result.err, missing + ": cannot be opened: no such file\n" + bad +
                              ": has no line score: it is not a boxscore of the game\n" + empty +
                              ": is empty\n");
    const std::string last = printed(2);
    EXPECT_EQ(folder.read("gm05.txt"), savedArticleText(last.substr(0, last.size() - 1)));
    // A phrase folder that does not exist is named, and nothing is written.
    result = run({"--data", folder.utf8("none"), kGame});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, folder.utf8("none") + ": the folder of phrase files does not exist\n");
    // A refused record too: the next boxscore's record is printed, and the status is 1.
    result = run({"--record", missing, kGame});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, missing + ": cannot be opened: no such file\n");
}

// The paper of a folder names its index; a refused boxscore is left out and reported, and the
// style sheet is the program's own when the phrase folder has none.
TEST_F(QuillbatCli, PaperOfAFolderNamesItsIndexAndReportsRefusals) {
    fs::create_directory(folder / "league");
    fs::copy_file(pathFromUtf8(kGame), folder / "league" / "gm05.box");
    folder.write("league/bad.box", "not a boxscore\r\n");
    CliRun result = run({"--paper", folder.utf8("paper"), "--seed", "1", "--data", kPhrases,
                         folder.utf8("league")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "League paper " + pathToUtf8(folder / "paper" / "index.html") + ": 1 day, 1 game\n");
    EXPECT_EQ(result.err, pathToUtf8(folder / "league" / "bad.box") +
                              ": has no line score: it is not a boxscore of the game\n");
    EXPECT_NE(folder.read("paper/1999-04-10.html"), "");
    EXPECT_EQ(folder.read("paper/paper.css"),
              systemEnv().readFile(kSourceFolder / "data" / "paper.css", "paper.css"));
}

TEST_F(QuillbatCli, CheckPhrasesReportsEachProblemOfTheDataFolder) {
    CliRun shipped = run({"--check-phrases", pathToUtf8(kSourceFolder / "data")});
    EXPECT_EQ(shipped.status, 0);
    EXPECT_EQ(shipped.out + shipped.err, "");
    CliRun missing = run({"--check-phrases", folder.utf8("none")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, folder.utf8("none") + ": the folder of phrase files does not exist\n");
    fs::copy(kSourceFolder / "data", folder / "data");
    const std::string saves =
        "20,\"#savePitch# got #saves#.  \"\r\n0,\"#savePitch# got the last out.  \"\r\n";
    const std::string warning =
        "pitch_save.dat: line 2: category \"0\": warning: \"last out\" is more than this category "
        "knows\n";
    // A claim beyond its category is told but leaves the status alone.
    folder.write("data/pitch_save.dat", saves + "10,\"#savePitch# saved #saves#.  \"\r\n");
    CliRun claiming = run({"--data", folder.utf8("data"), "--check-phrases"});
    EXPECT_EQ(claiming.status, 0);
    EXPECT_EQ(claiming.out, warning);
    folder.write("data/pitch_save.dat", saves + "10,\"#savePitch# saved #save#.  \"\r\n");
    CliRun spoiled = run({"--data", folder.utf8("data"), "--check-phrases"});
    EXPECT_EQ(spoiled.status, 1);
    EXPECT_EQ(spoiled.out,
              "pitch_save.dat: line 3: category \"10\": unknown token #save#\n" + warning);
}

// Each article is saved beside its boxscore; a failed save is reported after the article was
// printed, and the batch goes on.
TEST(RunCliTest, SavesEachArticleOrReportsTheFailedWrite) {
    const std::string game = pathToUtf8("/league/riverton-at-harbor-city.box");
    const std::string failed = "cannot write " + pathToUtf8("/league/riverton-at-harbor-city.txt") +
                               ": No space left on device\n";
    for (const bool failWrites : {false, true}) {
        MemoryEnv env;
        env.copyFromDisk(kTestPhrases, "/phrases");
        env.copyFromDisk(kSourceFolder / "examples", "/league");
        env.failWrites = failWrites;
        std::ostringstream out;
        std::ostringstream err;
        const CliOptions options{
            .seed = 7, .dataFolder = "/phrases", .save = true, .boxscores = {game, game}};
        EXPECT_EQ(runCli(options, env, out, err), failWrites ? 1 : 0);
        EXPECT_EQ(out.str(), printed(7) + printed(8));
        EXPECT_EQ(err.str(), failWrites ? failed + failed : "");
        EXPECT_EQ(env.files.count("/league/riverton-at-harbor-city.txt"), failWrites ? 0U : 1U);
    }
}

// A phrase folder that is not one stops the run before any boxscore is read; a record needs
// none.
TEST(RunCliTest, APhraseFolderThatIsNoFolderIsNamedAndNothingIsWritten) {
    const std::string game = pathToUtf8("/league/riverton-at-harbor-city.box");
    struct Case {
        std::string dataFolder;
        bool record;  // the game record instead of an article, which is then saved
        std::string err;
    };
    const Case cases[] = {
        {"/phrase", false, pathToUtf8("/phrase") + ": the folder of phrase files does not exist\n"},
        {"/phrases/score.dat", false,
         pathToUtf8("/phrases/score.dat") + ": is a file, not the folder of phrase files\n"},
        {"/phrases/", false, ""},
        {"/phrase", true, ""},
    };
    for (const Case& c : cases) {
        MemoryEnv env;
        env.copyFromDisk(kTestPhrases, "/phrases");
        env.copyFromDisk(kSourceFolder / "examples", "/league");
        std::ostringstream out;
        std::ostringstream err;
        const CliOptions options{.seed = 7,
                                 .dataFolder = c.dataFolder,
                                 .save = !c.record,
                                 .record = c.record,
                                 .boxscores = {game}};
        EXPECT_EQ(runCli(options, env, out, err), c.err.empty() ? 0 : 1) << c.dataFolder;
        EXPECT_EQ(err.str(), c.err);
        EXPECT_EQ(out.str().empty(), !c.err.empty()) << c.dataFolder;
        EXPECT_EQ(env.files.count("/league/riverton-at-harbor-city.txt"),
                  c.err.empty() && !c.record ? 1U : 0U);
    }
}

TEST(CheckPhrasesTest, CheckWithoutAFolderNamesTheBuildFolderFirst) {
    std::ostringstream out;
    EXPECT_EQ(checkProgramsPhraseFiles(out), 0);
    EXPECT_EQ(out.str(), "Phrase files: " + pathToUtf8(programFolder()) + "\n");
}

// What quillbat-cli prints for the boxscores, the first with seed, with the test phrase files.
std::string printed(Env& env, const std::vector<std::string>& boxscores, ArticleFormat format,
                    std::uint32_t seed, bool save = false) {
    const CliOptions options{.seed = seed,
                             .dataFolder = "/phrases",
                             .save = save,
                             .format = format,
                             .boxscores = boxscores};
    std::ostringstream out;
    std::ostringstream err;
    runCli(options, env, out, err);
    return out.str();
}

// A phrase file that cannot be loaded stops the run at the first article it fails, with one
// line that tells how many boxscores were left; the articles before it stand. A category with
// more than 126 templates fails only the games that draw from it. The second game of the batch
// has a save (category "10"), the others none.
TEST(RunCliTest, APhraseFileThatCannotBeLoadedStopsTheRun) {
    const std::string noSave = pathToUtf8("/league/2026050306100.box");
    const std::string save = pathToUtf8("/league/riverton-at-harbor-city.box");
    const std::string other = pathToUtf8("/league/2026061507300.box");
    const std::string saves = pathToUtf8(fs::path("/phrases") / "pitch_save.dat");
    std::string tooMany;
    for (int i = 0; i < 127; ++i) {
        tooMany += "10,\"#savePitch# saved it.  \"\r\n";
    }
    struct Case {
        std::optional<std::string> savesFile;  // nothing: there is none
        std::vector<std::string> boxscores;
        std::string err;
        std::vector<std::string> written;  // the boxscores whose articles are printed
    };
    const Case cases[] = {
        {"10,\"unclosed\r\n",
         {noSave, save, other, other},
         saves + ": line 1: quotation mark opened here is never closed (stopped: 2 more boxscores "
                 "not written)\n",
         {noSave}},
        {std::nullopt,
         {noSave, save, other},
         saves + ": cannot be opened: no such file (stopped: 1 more boxscore not written)\n",
         {noSave}},
        {std::nullopt, {noSave, save}, saves + ": cannot be opened: no such file\n", {noSave}},
        {tooMany,
         {noSave, save, other},
         saves + ": line 127: category \"10\" has more than 126 templates\n",
         {noSave, other}},
    };
    for (const Case& c : cases) {
        MemoryEnv env;
        env.copyFromDisk(kTestPhrases, "/phrases");
        env.copyFromDisk(kSourceFolder / "examples", "/league");
        env.files.erase("/phrases/pitch_save.dat");
        if (c.savesFile) {
            env.files["/phrases/pitch_save.dat"] = *c.savesFile;
        }
        std::ostringstream out;
        std::ostringstream err;
        const CliOptions options{.seed = 7, .dataFolder = "/phrases", .boxscores = c.boxscores};
        EXPECT_EQ(runCli(options, env, out, err), 1);
        EXPECT_EQ(err.str(), c.err);
        std::string expected;
        for (const std::string& written : c.written) {
            const std::size_t k = static_cast<std::size_t>(
                std::find(c.boxscores.begin(), c.boxscores.end(), written) - c.boxscores.begin());
            expected += testArticle(pathToUtf8(kSourceFolder / "examples" /
                                               pathFromUtf8(written).filename()),
                                    7 + static_cast<std::uint32_t>(k)) +
                        "\n";
        }
        EXPECT_EQ(out.str(), expected) << c.err;
    }
}

TEST(CliFormats, RenderingsApartByAnEmptyLineNoneForARefusedBoxscoreSavedUnderTheirEnding) {
    MemoryEnv env;
    env.copyFromDisk(kTestPhrases, "/phrases");
    env.copyFromDisk(kSourceFolder / "examples", "/league");
    const std::string first = pathToUtf8("/league/2026050306100.box");
    const std::string second = pathToUtf8("/league/2026061507300.box");
    const std::pair<ArticleFormat, std::string> cases[] = {{ArticleFormat::kBbcode, "bbcode.txt"},
                                                           {ArticleFormat::kMarkdown, "md"},
                                                           {ArticleFormat::kHtml, "html"}};
    for (const auto& [format, ending] : cases) {
        const std::string one = printed(env, {first}, format, 7);
        const std::string two = printed(env, {second}, format, 9);
        EXPECT_EQ(printed(env, {first, first + ".missing", second}, format, 7, true),
                  one + "\n" + two);
        EXPECT_EQ(env.files["/league/2026050306100." + ending], one);
        EXPECT_EQ(env.files["/league/2026061507300." + ending], two);
    }
}

// --story tells Game Two's story in its article and its rendering's headline, the record ends
// with its facts (null for Game One, whose play-by-play is cut off), and the paper tells it too.
TEST(RunCliTest, TheStoryIsToldInArticlesRenderingsRecordsAndThePaper) {
    MemoryEnv env;
    env.copyFromDisk(kTestPhrases, "/phrases");
    env.copyFromDisk(kSourceFolder / "examples", "/league");
    const std::string story = "Story early: Voskuijlen's three-run homer in the top of the third.";
    const std::string headline = "Kingfishers over Lamplighters 5-1, early, Game Two";
    const std::vector<std::string> boxscores = {pathToUtf8("/league/2026081904801.box"),
                                                pathToUtf8("/league/2026081904802.box")};
    std::ostringstream out;
    std::ostringstream err;
    CliOptions options{.seed = 7,
                       .dataFolder = "/phrases",
                       .format = ArticleFormat::kBbcode,
                       .boxscores = boxscores,
                       .story = true};
    EXPECT_EQ(runCli(options, env, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("\n[b]" + headline + "[/b]\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(story), std::string::npos);
    options.record = true;
    options.format = ArticleFormat::kText;
    out.str("");
    runCli(options, env, out, err);
    EXPECT_NE(out.str().find(",\"story\":null}\n{"), std::string::npos);
    EXPECT_NE(out.str().find(",\"story\":{\"category\":\"early\""), std::string::npos);
    runPaper({.seed = 1,
              .dataFolder = "/phrases",
              .format = ArticleFormat::kMarkdown,
              .boxscores = {boxscores[1]},
              .story = true,
              .paperFolder = "/paper"},
             {}, env, out, err);
    EXPECT_NE(env.files[pathFromUtf8("/paper/2026-08-19.md")].find("**" + headline + "**"),
              std::string::npos)
        << err.str();
}

}  // namespace
}  // namespace quillbat
