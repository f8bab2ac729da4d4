#include "cli/cli_paper.h"

#include "boxscore/input_error.h"
#include "core/folder_phrase_source.h"
#include "paper/league_paper.h"
#include "system/file_system.h"

namespace quillbat {

int runPaper(const CliOptions& options, const std::vector<std::filesystem::path>& styleSheetFolders,
             Env& env, std::ostream& out, std::ostream& err) {
    const PaperGames games = paperGames(env, options.boxscores);
    FolderPhraseSource phrases(options.dataFolder, env, options.shippedPhraseFolder);
    const PaperOptions paper{
        .folder = options.paperFolder.value_or(std::filesystem::path()),
        .format = options.format == ArticleFormat::kText ? ArticleFormat::kHtml : options.format,
        .article = {.names = options.names, .story = options.story},
        .seed = options.seed,
        .styleSheetFolders = styleSheetFolders};
    try {
        const PaperSummary summary = writePaper(env, phrases, games, paper);
        for (const std::string& refusal : summary.refusals) {
            err << refusal << '\n';
        }
        out << "League paper " << pathToUtf8(summary.written) << ": " << summary.days
            << (summary.days == 1 ? " day, " : " days, ") << summary.games
            << (summary.games == 1 ? " game" : " games");
        if (summary.undatedGames > 0) {
            out << " (" << summary.undatedGames << " undated)";
        }
        out << '\n';
        out.flush();
        return summary.refusals.empty() ? 0 : 1;
    } catch (const InputError& error) {
        err << error.what() << '\n';
    } catch (const FileWriteError& error) {
        err << error.what() << '\n';
    }
    return 1;
}

}  // namespace quillbat
