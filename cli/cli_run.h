#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/article_format.h"
#include "core/name_style.h"
#include "system/env.h"

// What quillbat-cli does once its options are read: articles or game records of boxscores.
namespace quillbat {

struct CliOptions {
    // The random source's seed for the first boxscore; the k-th (from 0) gets seed + k, modulo
    // 2^32. Without it every boxscore gets a seed from the clock.
    std::optional<std::uint32_t> seed;
    std::filesystem::path dataFolder;             // where the phrase files lie
    bool save = false;                            // also write each article beside its boxscore
    bool record = false;                          // the game record as JSON instead of the article
    ArticleFormat format = ArticleFormat::kText;  // how each article is written and saved
    std::vector<std::string> boxscores;           // UTF-8 file names, in order
    NameStyle names = NameStyle::kBoxscore;       // how the articles write the players' names
    // Tell how each game was won, from its play-by-play: a sentence and the headline; with
    // record, the record's last key.
    bool story = false;
    // The phrase files the program comes with, whose story.dat serves a dataFolder without one.
    std::optional<std::filesystem::path> shippedPhraseFolder{};
    // --paper OUT: the league paper of the boxscores goes into OUT (see runPaper).
    std::optional<std::filesystem::path> paperFolder{};
};

// For each boxscore in order writes its article (or its game record as one line of JSON, which
// reads no phrase file; with story it ends with the key "story") followed by "\n" to out, the
// bytes unchanged; in a format other than
// text, the rendering of the article instead, the renderings of two boxscores apart by an empty
// line. Reads the boxscores and phrase files and, with save, writes each article (or rendering)
// beside its boxscore through env. Unless record, a dataFolder that is no folder writes one line
// naming it to err and nothing else is read or written.
//
// A failure writes one line naming the file and the reason to err. A refused boxscore, or a
// category of a phrase file with more than 126 templates, which fails only the games that draw
// from it, prints nothing to out for that boxscore, and the run goes on with the next one. A
// phrase file that cannot be loaded (missing, unreadable, malformed) would fail every later
// article the same way: its line tells how many boxscores were left unwritten ("(stopped: 2
// more boxscores not written)") and the run stops there; the articles written before it stand.
// An article that cannot be saved is printed all the same, then its file and the reason go to
// err, and the run goes on. Returns 0 when every boxscore was written and saved, otherwise 1.
int runCli(const CliOptions& options, Env& env, std::ostream& out, std::ostream& err);

}  // namespace quillbat
