#include "cli/cli_run.h"

#include <optional>
#include <string_view>
#include <utility>

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

// The phrase files of a run, noting when one could not be loaded (missing, unreadable,
// malformed), which would fail every later article the same way.
class RunPhraseSource final : public PhraseSource {
  public:
    RunPhraseSource(std::filesystem::path folder, Env& env,
                    std::optional<std::filesystem::path> shippedFolder)
        : files_(std::move(folder), env, std::move(shippedFolder)) {}

    const PhraseFile& load(std::string_view fileName) override {
        try {
            return files_.load(fileName);
        } catch (const InputError&) {
            fileUnusable_ = true;
            throw;
        }
    }

    bool foundUnusableFile() const { return fileUnusable_; }

  private:
    // One source for the whole run: it parses each phrase file once and re-reads it only when
    // the file changes.
    FolderPhraseSource files_;
    bool fileUnusable_ = false;
};

// Writes one boxscore's article or rendering to out, after an empty line when a rendering was
// printed before (somethingPrinted, set here); returns the failure to report, if any.
std::optional<std::string> writeArticleOf(const std::string& boxscore, std::uint32_t seed,
                                          const CliOptions& options, PhraseSource& phrases,
                                          Env& env, std::ostream& out, bool& somethingPrinted) {
    const GameLoad load =
        loadGame(env, boxscore, phrases, seed, {.names = options.names, .story = options.story});
    if (!load.complete) {
        return load.message;
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
            return error.what();
        }
    }
    return std::nullopt;
}

std::optional<std::string> writeRecordOf(const std::string& boxscore, StoryReading story, Env& env,
                                         std::ostream& out) {
    try {
        out << recordToJson(readBoxscoreFile(env, boxscore, story), story) << '\n';
        return std::nullopt;
    } catch (const InputError& error) {
        return error.what();
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
    RunPhraseSource phrases(options.dataFolder, env, options.shippedPhraseFolder);
    const StoryReading story = options.story ? StoryReading::kRead : StoryReading::kSkip;
    bool somethingPrinted = false;
    const std::size_t count = options.boxscores.size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::string& boxscore = options.boxscores[k];
        // Every boxscore takes its seed, a refused one too.
        const std::uint32_t seed = seeds.next();
        const std::optional<std::string> failure =
            options.record
                ? writeRecordOf(boxscore, story, env, out)
                : writeArticleOf(boxscore, seed, options, phrases, env, out, somethingPrinted);
        if (!failure) {
            continue;
        }
        allWritten = false;
        err << *failure;
        if (phrases.foundUnusableFile()) {
            const std::size_t left = count - k - 1;
            if (left > 0) {
                err << " (stopped: " << left << " more " << (left == 1 ? "boxscore" : "boxscores")
                    << " not written)";
            }
            err << '\n';
            break;
        }
        err << '\n';
    }
    out.flush();
    return allWritten ? 0 : 1;
}

}  // namespace quillbat
