#include "app/cli_run.h"

#include "app/boxscore_file.h"
#include "app/file_system.h"
#include "app/folder_phrase_source.h"
#include "app/load_command.h"
#include "app/record_json.h"
#include "app/save_article.h"
#include "article/random_source.h"
#include "boxscore/input_error.h"

namespace quillbat {
namespace {

// The load command's window, as the command-line tool has it: the boxscore is named on the
// command line, the article is kept in memory, and there is no scoreboard, clipboard or
// remembered folder.
class NamedBoxscore final : public BoxscoreChooser {
  public:
    explicit NamedBoxscore(std::string path) : path_(std::move(path)) {}
    std::string chooseBoxscore(const std::string&, const std::string&) override { return path_; }

  private:
    std::string path_;
};

class NoScoreboard final : public Scoreboard {
  public:
    void show(const ScoreboardValues&) override {}
};

class MemoryArticleBox final : public ArticleBox {
  public:
    void clear() override { text_.clear(); }
    void append(std::string_view text) override { text_.append(text); }
    std::string text() const override { return text_; }

  private:
    std::string text_;
};

class NoClipboard final : public Clipboard {
  public:
    void setText(const std::string&) override {}
};

class NoSettings final : public RememberedSettings {
  public:
    std::int16_t defaultTeam() const override { return -1; }
    std::string folder() const override { return {}; }
    void rememberFolder(const std::string&) override {}
};

// Writes one boxscore's article to out; returns false after reporting a failure to err.
bool writeArticleOf(const std::string& boxscore, std::uint32_t seed, const CliOptions& options,
                    PhraseSource& phrases, std::ostream& out, std::ostream& err) {
    NamedBoxscore chooser(boxscore);
    NoScoreboard scoreboard;
    MemoryArticleBox article;
    NoClipboard clipboard;
    NoSettings settings;
    LoadSeams seams{chooser, scoreboard, article, clipboard, settings, phrases};
    const LoadOutcome outcome = runLoadCommand(seams, seed);
    if (outcome.status != LoadOutcome::Status::Loaded) {
        err << outcome.message << '\n';
        return false;
    }
    out << article.text() << '\n';
    if (options.save) {
        try {
            saveArticle(boxscore, article.text());
        } catch (const FileWriteError& error) {
            err << error.what() << '\n';
            return false;
        }
    }
    return true;
}

bool writeRecordOf(const std::string& boxscore, std::ostream& out, std::ostream& err) {
    try {
        out << recordToJson(readBoxscoreFile(boxscore)) << '\n';
        return true;
    } catch (const InputError& error) {
        err << error.what() << '\n';
        return false;
    }
}

}  // namespace

int runCli(const CliOptions& options, std::ostream& out, std::ostream& err) {
    bool allWritten = true;
    std::uint32_t k = 0;
    // One source for the whole run: it parses each phrase file once and re-reads it only when
    // the file changes.
    FolderPhraseSource phrases(options.dataFolder);
    for (const std::string& boxscore : options.boxscores) {
        // Unsigned arithmetic wraps, giving the seed modulo 2^32.
        const std::uint32_t seed = options.seed ? *options.seed + k : clockSeed();
        ++k;
        const bool written = options.record
                                 ? writeRecordOf(boxscore, out, err)
                                 : writeArticleOf(boxscore, seed, options, phrases, out, err);
        allWritten = allWritten && written;
    }
    out.flush();
    return allWritten ? 0 : 1;
}

}  // namespace quillbat
