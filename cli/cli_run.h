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
    // --paper OUT: the league paper of the boxscores goes into OUT (see runPaper).
    std::optional<std::filesystem::path> paperFolder{};
};

// For each boxscore in order writes its article (or its game record as one line of JSON, which
// reads no phrase file) followed by "\n" to out, the bytes unchanged; in a format other than
// text, the rendering of the article instead, the renderings of two boxscores apart by an empty
// line. Reads the boxscores and phrase files and, with save, writes each article (or rendering)
// beside its boxscore through env. A refused boxscore or a phrase-file error writes one line
// naming the file and the reason to err and nothing to out for that boxscore; an article that
// cannot be saved is printed all the same, then its file and the reason go to err. The run goes on
// with the next boxscore. Returns 0 when every boxscore was written and saved, otherwise 1.
int runCli(const CliOptions& options, Env& env, std::ostream& out, std::ostream& err);

}  // namespace quillbat
