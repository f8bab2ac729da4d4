#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "article/phrase_source.h"
#include "core/article_format.h"
#include "core/load_game.h"
#include "paper/paper_order.h"
#include "system/env.h"

// Writing a league paper: every game of a folder of boxscores, day by day, with the stars of
// each day and the standings through it.
namespace quillbat {

// The name of the paper's style sheet, beside the phrase files and in the paper's folder.
inline constexpr std::string_view kPaperStyleSheet = "paper.css";

struct PaperOptions {
    std::filesystem::path folder{};               // where the pages go; made when missing
    ArticleFormat format = ArticleFormat::kHtml;  // kHtml, kBbcode or kMarkdown
    ArticleOptions article{};                     // the names style and the story
    // The random source's seed of the paper's first game; the k-th game of the paper's order
    // (from 0, refused ones counted) gets seed + k modulo 2^32. Without it every game gets a
    // seed from the clock.
    std::optional<std::uint32_t> seed{};
    // The folders where paper.css is looked for, in order (the phrase folder in use, then the
    // one of the program's own); only kHtml needs it.
    std::vector<std::filesystem::path> styleSheetFolders{};
};

// How the writing went.
struct PaperSummary {
    std::filesystem::path written;  // index.html, or for posts the folder
    std::size_t days = 0;           // days with a page, the undated games' page not counted
    std::size_t games = 0;          // games written
    std::size_t undatedGames = 0;   // of those, the ones on the undated page
    // Every boxscore left out and every named folder without one: the name and the reason.
    std::vector<std::string> refusals;
};

// Called before the paper's first game and after each game (written or refused) with the
// number of games done and the number of all.
using PaperProgress = std::function<void(std::size_t done, std::size_t total)>;

// Writes the paper of games into options.folder through env, in one pass: for each day in
// order its games are loaded (loadGame with the phrases, the seed of their place and the
// article options; each phrase file is read once for the whole paper) and the day's page is
// written (for kHtml YYYY-MM-DD.html, undated.html, then index.html and paper.css; for kBbcode
// YYYY-MM-DD.bbcode.txt and for kMarkdown YYYY-MM-DD.md). A day's page lists the games loaded
// whole; a boxscore refused, or whose article a phrase file stopped, is left out and named in the
// summary and the index, and a day without a game has no page. The pages are written aside as each
// day is done and take their places together at the end (Env::startFileBatch), each replaced whole;
// other files in the folder stay. What is kept between days is the index, not the games' text.
//
// Throws InputError when no paper.css is found in the style sheet folders (kHtml, before any
// page is written) and FileWriteError when the folder cannot be made or a page cannot be
// written; the folder's pages then stay as they were.
PaperSummary writePaper(Env& env, PhraseSource& phrases, const PaperGames& games,
                        const PaperOptions& options, const PaperProgress& progress = {});

}  // namespace quillbat
