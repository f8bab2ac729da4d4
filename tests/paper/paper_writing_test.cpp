// The league paper over files in memory: which boxscores it holds in what order, the pages and
// posts it writes, refused boxscores among good ones, and the same bytes from the same seed.

#include <gtest/gtest.h>

#include "boxscore/input_error.h"
#include "core/folder_phrase_source.h"
#include "paper/league_paper.h"
#include "tests/support/memory_env.h"
#include "tests/support/test_games.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;

// A name inside a folder as the paper gives it, with the system's separator.
std::string inside(const std::string& folder, const std::string& file) {
    return pathToUtf8(pathFromUtf8(folder) / pathFromUtf8(file));
}

TEST(PaperOrder, ByTheDateOfTheFirstLineThenTheFileNameUndatedLastEachFileOnce) {
    MemoryEnv env;
    const auto file = [&env](const std::string& name, const std::string& firstLine) {
        env.files[pathFromUtf8(name)] = firstLine + "\r\n \r\n";
    };
    file("/league/b.box", "8-19-2026, Owl26-Haw26, Lakeside Park");
    file("/league/a.box", " 8/19/2026 , Owl26-Haw26, Lakeside Park");  // a doubleheader
    file("/league/c.BOX", "8/20/26, Owl26-Haw26, Lakeside Park");      // alone on its day
    file("/league/u.box", "8/21/2026 Owl26-Haw26 Lakeside Park");      // no comma
    file("/league/v.box", "2/29/2026, Owl26-Haw26, Lakeside Park");    // no such day
    file("/league/notes.txt", "8/18/2026, Owl26-Haw26, Lakeside Park");
    file("/league/old/d.box", "8/18/2026, Owl26-Haw26, Lakeside Park");
    file("/elsewhere/z.box", "8/19/2026, Owl26-Haw26, Lakeside Park");
    file("/empty/notes.txt", "");
    const PaperGames games = paperGames(
        env, {"/league", "/elsewhere/z.box", inside("/league", "a.box"), "/missing.box", "/empty"});
    const std::vector<PaperDay> days = {
        {CalendarDate{2026, 8, 19},
         {inside("/league", "a.box"), inside("/league", "b.box"), "/elsewhere/z.box"}},
        {CalendarDate{2026, 8, 20}, {inside("/league", "c.BOX")}},
        {std::nullopt, {"/missing.box", inside("/league", "u.box"), inside("/league", "v.box")}},
    };
    EXPECT_EQ(games.days, days);
    EXPECT_EQ(games.problems, std::vector<std::string>{"/empty: holds no boxscore (.box file)"});
    EXPECT_EQ(games.count(), 7U);
}

// A league folder in memory: the doubleheader of August 19, 2026 and the worked example of
// 1999, a boxscore of August 19 and an undated one that are refused, the test phrase files and a
// style sheet of the user's and one of the program's.
class PaperTest : public testing::Test {
  protected:
    PaperTest() {
        env.copyFromDisk(kTestPhrases, "/phrases");
        env.files["/phrases/paper.css"] = "body { color: navy; }\n";
        env.files["/program/paper.css"] = "body { color: black; }\n";
        for (const char* name :
             {"2026081904801.box", "2026081904802.box", "riverton-at-harbor-city.box"}) {
            env.files[fs::path("/league") / name] =
                systemEnv().readFile(kSourceFolder / "examples" / name, name);
        }
        env.files["/league/broken.box"] = "8/19/2026, Owl26-Haw26, Lakeside Park\r\n";
        env.files["/league/zz.box"] = "not a boxscore\r\n";
    }

    // The files the paper of /league writes into folder, by name.
    std::map<std::string, std::string> paper(ArticleFormat format, const std::string& folder) {
        FolderPhraseSource phrases("/phrases", env);
        summary = writePaper(env, phrases, paperGames(env, {"/league"}),
                             {.folder = pathFromUtf8(folder),
                              .format = format,
                              .seed = 1,
                              .styleSheetFolders = {"/phrases", "/program"}});
        std::map<std::string, std::string> written;
        for (const auto& [path, bytes] : env.files) {
            if (path.parent_path() == pathFromUtf8(folder)) {
                written[pathToUtf8(path.filename())] = bytes;
            }
        }
        return written;
    }

    // The game's rendering as --format prints it with the seed.
    std::string rendering(ArticleFormat format, const std::string& name, std::uint32_t seed) {
        FolderPhraseSource phrases("/phrases", env);
        return renderArticle(
            format, articleParts(*loadGame(env, inside("/league", name), phrases, seed).game));
    }

    MemoryEnv env;
    PaperSummary summary;
};

TEST_F(PaperTest, ADayPageAsAWholeWithEveryGameAsItsRenderingPrints) {
    const auto written = paper(ArticleFormat::kHtml, "/out");
    std::vector<std::string> names;
    for (const auto& [name, bytes] : written) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"1999-04-10.html", "2026-08-19.html", "index.html",
                                               "paper.css"}));
    EXPECT_EQ(written.at("paper.css"), "body { color: navy; }\n");
    const std::string day = written.at("2026-08-19.html");
    EXPECT_EQ(day, systemEnv().readFile(kSourceFolder / "tests/paper/golden-day.html", "golden"));
    // The paper's order: 1999 (seed 1), then August 19 by file name (seeds 2 and 3).
    EXPECT_NE(day.find("<div class=\"game\" id=\"game-2\">\n" +
                       rendering(ArticleFormat::kHtml, "2026081904802.box", 3) + "</div>\n"),
              std::string::npos);
    EXPECT_EQ(summary.days, 2U);
    EXPECT_EQ(summary.games, 3U);
}

TEST_F(PaperTest, RefusedBoxscoresAreListedAndTheRestIsWritten) {
    const std::string broken =
        inside("/league", "broken.box") + ": has no line score: it is not a boxscore of the game";
    const std::string other =
        inside("/league", "zz.box") + ": has no line score: it is not a boxscore of the game";
    const std::string index = paper(ArticleFormat::kHtml, "/out").at("index.html");
    EXPECT_EQ(summary.refusals, (std::vector<std::string>{broken, other}));
    // Newest first, then the refusals.
    const std::size_t newer = index.find("href=\"2026-08-19.html\"");
    const std::size_t older = index.find("href=\"1999-04-10.html\"");
    const std::size_t refused = index.find("<li>" + broken + "</li>\n<li>" + other + "</li>");
    EXPECT_LT(newer, older);
    EXPECT_LT(older, refused);
    EXPECT_NE(refused, std::string::npos);
}

// A game whose first line gives no date has the last page, which the index lists after the days.
TEST_F(PaperTest, UndatedGamesHaveTheLastPage) {
    std::string game = env.files["/league/riverton-at-harbor-city.box"];
    game.replace(0, game.find(','), "Spring training");
    env.files["/league/spring.box"] = game;
    const auto written = paper(ArticleFormat::kHtml, "/out");
    EXPECT_EQ(summary.undatedGames, 1U);
    EXPECT_NE(written.at("2026-08-19.html")
                  .find("<a rel=\"next\" href=\"undated.html\">Undated "
                        "games &rarr;</a>"),
              std::string::npos);
    const std::string& index = written.at("index.html");
    const std::size_t undated = index.find("href=\"undated.html\"");
    EXPECT_NE(undated, std::string::npos);
    EXPECT_LT(index.find("href=\"1999-04-10.html\""), undated);
    EXPECT_NE(written.at("undated.html").find("<h1>Undated games</h1>"), std::string::npos);
}

TEST_F(PaperTest, TheSameSeedWritesTheSameBytes) {
    for (ArticleFormat format : {ArticleFormat::kHtml, ArticleFormat::kBbcode}) {
        EXPECT_EQ(paper(format, "/once"), paper(format, "/twice"));
    }
}

TEST_F(PaperTest, PostsHoldEveryGameAsItsRenderingPrints) {
    for (auto [format, name] : {std::pair{ArticleFormat::kBbcode, "2026-08-19.bbcode.txt"},
                                std::pair{ArticleFormat::kMarkdown, "2026-08-19.md"}}) {
        const auto written = paper(format, std::string("/posts/") + name);
        EXPECT_EQ(written.size(), 2U);
        const std::string& post = written.at(name);
        EXPECT_NE(post.find("\n" + rendering(format, "2026081904801.box", 2) + "\n" +
                            rendering(format, "2026081904802.box", 3)),
                  std::string::npos)
            << post;
        EXPECT_EQ(summary.written, pathFromUtf8(std::string("/posts/") + name));
    }
}

// A team named like markup stays text in the paper's own parts: the headlines, the stars and
// the standings.
TEST_F(PaperTest, ValuesThatLookLikeMarkupStayText) {
    std::string& game = env.files["/league/riverton-at-harbor-city.box"];
    for (std::size_t at = game.find("Riverton "); at != std::string::npos;
         at = game.find("Riverton ", at)) {
        game.replace(at, 9, "<a>&[u]*_");
    }
    struct Case {
        ArticleFormat format;
        std::string page;
        std::string escaped;  // in the list of headlines
    };
    const Case cases[] = {
        {ArticleFormat::kHtml, "1999-04-10.html", "Harbor City 5, &lt;a&gt;&amp;[u]*_ 3</a></li>"},
        {ArticleFormat::kBbcode, "1999-04-10.bbcode.txt", "[*]Harbor City 5, <a>&[[b][/b]u]*_ 3\n"},
        {ArticleFormat::kMarkdown, "1999-04-10.md", "- Harbor City 5, \\<a\\>\\&\\[u\\]\\*\\_ 3\n"},
    };
    for (const Case& c : cases) {
        const std::string page = paper(c.format, "/out").at(c.page);
        EXPECT_NE(page.find(c.escaped), std::string::npos) << page;
        if (c.format != ArticleFormat::kMarkdown) {
            // The standings' table of a Markdown post is a code block, where nothing is markup.
            EXPECT_EQ(page.find(c.format == ArticleFormat::kHtml ? "<a>" : "[u]"),
                      std::string::npos);
        }
    }
}

// Every page of one paper is written with the phrase files as they were at its first game: an
// edit while it is written shows in the next paper only.
TEST_F(PaperTest, APaperIsWrittenWithThePhraseFilesOfItsStart) {
    FolderPhraseSource phrases("/phrases", env);
    std::string edited;
    for (const char* category : {"normal", "double", "rout", "shutout", "close", "extra"}) {
        edited += std::string(category) + ",\"edited phrase #winners#.  \"\r\n";
    }
    const auto editAfterTheFirstGame = [&](std::size_t done, std::size_t) {
        if (done == 1) {
            env.files["/phrases/score.dat"] = edited;
        }
    };
    const PaperOptions options{.folder = "/out", .format = ArticleFormat::kBbcode, .seed = 1};
    writePaper(env, phrases, paperGames(env, {"/league"}), options, editAfterTheFirstGame);
    EXPECT_EQ(env.files.at("/out/2026-08-19.bbcode.txt").find("edited phrase"), std::string::npos);
    writePaper(env, phrases, paperGames(env, {"/league"}), options);
    EXPECT_NE(env.files.at("/out/2026-08-19.bbcode.txt").find("edited phrase"), std::string::npos);
}

TEST_F(PaperTest, WithoutAStyleSheetNothingIsWritten) {
    env.files.erase("/phrases/paper.css");
    env.files.erase("/program/paper.css");
    const auto before = env.files;
    EXPECT_THROW(paper(ArticleFormat::kHtml, "/out"), InputError);
    EXPECT_EQ(env.files, before);
}

}  // namespace
}  // namespace quillbat
