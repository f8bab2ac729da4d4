#include "paper/league_paper.h"

#include <algorithm>
#include <map>
#include <memory>

#include "article/random_source.h"
#include "boxscore/input_error.h"
#include "paper/day_stars.h"
#include "paper/forum_posts.h"
#include "paper/html_pages.h"
#include "paper/standings.h"
#include "system/file_system.h"

namespace quillbat {
namespace {

// The bytes of the first paper.css of the folders.
std::string styleSheet(Env& env, const std::vector<std::filesystem::path>& folders) {
    const std::filesystem::path name = pathFromUtf8(kPaperStyleSheet);
    for (const std::filesystem::path& folder : folders) {
        if (env.isFile(folder / name)) {
            return env.readFile(folder / name, pathToUtf8(folder / name));
        }
    }
    const std::string where =
        folders.empty() ? std::string(kPaperStyleSheet) : pathToUtf8(folders.back() / name);
    throw InputError(where, "cannot be opened: no such file");
}

// The phrase files of a paper: each is loaded once, at the first phrase drawn from it, and
// kept, so that every page of one paper is written with the same files and a season does not
// look at every file on the disk again for every phrase of every game.
class PaperPhrases final : public PhraseSource {
  public:
    explicit PaperPhrases(PhraseSource& files) : files_(files) {}

    // A file that cannot be loaded is asked for again at its next use, so each game it
    // stops is refused with its reason.
    const PhraseFile& load(std::string_view fileName) override {
        auto found = loaded_.find(fileName);
        if (found == loaded_.end()) {
            found = loaded_.emplace(std::string(fileName), files_.load(fileName)).first;
        }
        return found->second;
    }

  private:
    PhraseSource& files_;
    std::map<std::string, PhraseFile, std::less<>> loaded_;
};

// Writes the pages of the days one after the other. A day's page waits until the next day
// with a page is known, for its link to it.
class PaperWriter {
  public:
    PaperWriter(FileBatch& pages, const PaperOptions& options) : pages_(pages), options_(options) {}

    void addDay(DayPage page) {
        if (waiting_) {
            page.previous = waiting_->link;
            waiting_->next = page.link;
            write(*waiting_);
        }
        waiting_ = std::move(page);
    }

    // Writes the last day's page and, for web pages, the index with the refusals.
    void finish(const std::vector<std::string>& refusals) {
        if (waiting_) {
            write(*waiting_);
            waiting_.reset();
        }
        if (options_.format == ArticleFormat::kHtml) {
            // Newest first; the undated games, written last, stay at the end.
            auto datedEnd = index_.end();
            if (!index_.empty() && index_.back().link == pageLink(std::nullopt, options_.format)) {
                --datedEnd;
            }
            std::reverse(index_.begin(), datedEnd);
            pages_.add(options_.folder / "index.html", htmlIndexPage(index_, refusals));
        }
    }

  private:
    void write(const DayPage& page) {
        const std::string text = options_.format == ArticleFormat::kHtml
                                     ? htmlDayPage(page)
                                     : forumPost(options_.format, page);
        pages_.add(options_.folder / pathFromUtf8(page.link.fileName), text);
        if (options_.format != ArticleFormat::kHtml) {
            return;
        }
        IndexDay& day = index_.emplace_back(IndexDay{page.link, {}});
        for (const PageGame& game : page.games) {
            day.headlines.push_back(game.headline);
        }
    }

    FileBatch& pages_;
    const PaperOptions& options_;
    std::optional<DayPage> waiting_;
    std::vector<IndexDay> index_;
};

}  // namespace

PaperSummary writePaper(Env& env, PhraseSource& phraseFiles, const PaperGames& games,
                        const PaperOptions& options, const PaperProgress& progress) {
    PaperPhrases phrases(phraseFiles);
    PaperSummary summary;
    summary.refusals = games.problems;
    summary.written =
        options.format == ArticleFormat::kHtml ? options.folder / "index.html" : options.folder;
    const std::string css = options.format == ArticleFormat::kHtml
                                ? styleSheet(env, options.styleSheetFolders)
                                : std::string();
    env.createFolder(options.folder);
    // The pages wait beside their files until the last is written, then take their places
    // together: one wait for the disk instead of one per page.
    const std::unique_ptr<FileBatch> pages = env.startFileBatch();
    if (options.format == ArticleFormat::kHtml) {
        pages->add(options.folder / pathFromUtf8(kPaperStyleSheet), css);
    }

    PaperWriter writer(*pages, options);
    ArticleSeeds seeds(options.seed);
    Standings standings;
    const std::size_t total = games.count();
    std::size_t done = 0;
    if (progress) {
        progress(done, total);
    }
    for (const PaperDay& day : games.days) {
        DayPage page{pageLink(day.date, options.format), {}, {}, {}, {}, {}, {}};
        DayStars stars;
        for (const std::string& boxscore : day.boxscores) {
            // Every game takes its seed, a refused one too.
            const GameLoad load = loadGame(env, boxscore, phrases, seeds.next(), options.article);
            if (load.complete) {
                const LoadedGame& game = *load.game;
                page.games.push_back(
                    {game.headline, renderArticle(options.format, articleParts(game))});
                stars.addGame(game.record);
                standings.addGame(game.record.teamName[kVisitors], game.record.runs[kVisitors],
                                  game.record.teamName[kHome], game.record.runs[kHome]);
            } else {
                summary.refusals.push_back(load.message);
            }
            if (progress) {
                progress(++done, total);
            }
        }
        if (page.games.empty()) {
            continue;
        }
        summary.games += page.games.size();
        if (day.date) {
            ++summary.days;
        } else {
            summary.undatedGames = page.games.size();
        }
        page.batter = stars.batter();
        page.pitcher = stars.pitcher();
        page.standings = standings.table();
        writer.addDay(std::move(page));
    }
    writer.finish(summary.refusals);
    pages->commit();
    return summary;
}

}  // namespace quillbat
