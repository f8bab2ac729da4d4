#include "cli/cli_run.h"

#include "article/random_source.h"
#include "boxscore/input_error.h"
#include "core/boxscore_file.h"
#include "core/folder_phrase_source.h"
#include "core/load_game.h"
#include "core/phrase_folders.h"
#include "core/record_json.h"
#include "core/save_article.h"
#include "system/file_system.h"

namespace quillbat {
namespace {

// Writes one boxscore's article or rendering to out, after an empty line when a rendering was
// printed before (somethingPrinted, set here); returns false after reporting a failure to err.
bool writeArticleOf(const std::string& boxscore, std::uint32_t seed, const CliOptions& options,
                    PhraseSource& phrases, Env& env, std::ostream& out, std::ostream& err,
                    bool& somethingPrinted) {
    const GameLoad load = loadGame(env, boxscore, phrases, seed, {.names = options.names});
    if (!load.complete) {
        err << load.message << '\n';
        return false;
    }
    const ArticleParts parts = articleParts(*load.game);
    if (options.format == ArticleFormat::kText) {
        out << parts.article << '\n';
    } else {
        out << (somethingPrinted ? "\n" : "") << renderArticle(options.format, parts);
    }
    somethingPrinted = true;
    if (options.save) {
        try {
            saveArticle(env, boxscore, options.format, parts);
        } catch (const FileWriteError& error) {
            err << error.what() << '\n';
            return false;
        }
    }
    return true;
}

bool writeRecordOf(const std::string& boxscore, Env& env, std::ostream& out, std::ostream& err) {
    try {
        out << recordToJson(readBoxscoreFile(env, boxscore)) << '\n';
        return true;
    } catch (const InputError& error) {
        err << error.what() << '\n';
        return false;
    }
}

}  // namespace

int runCli(const CliOptions& options, Env& env, std::ostream& out, std::ostream& err) {
    if (!options.record) {
        if (const std::optional<std::string> fault = phraseFolderFault(options.dataFolder, env)) {
            err << *fault << '\n';
            return 1;
        }
    }
    bool allWritten = true;
    ArticleSeeds seeds(options.seed);
    // One source for the whole run: it parses each phrase file once and re-reads it only when
    // the file changes.
    FolderPhraseSource phrases(options.dataFolder, env);
    bool somethingPrinted = false;
    for (const std::string& boxscore : options.boxscores) {
        // Every boxscore takes its seed, a refused one too.
        const std::uint32_t seed = seeds.next();
        const bool written = options.record ? writeRecordOf(boxscore, env, out, err)
                                            : writeArticleOf(boxscore, seed, options, phrases, env,
                                                             out, err, somethingPrinted);
        allWritten = allWritten && written;
    }
    out.flush();
    return allWritten ? 0 : 1;
}

}  // namespace quillbat
