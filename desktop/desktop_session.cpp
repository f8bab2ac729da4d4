#include "desktop/desktop_session.h"

#include "boxscore/input_error.h"
#include "core/save_article.h"
#include "desktop/default_team.h"
#include "desktop/user_phrase_folder.h"
#include "desktop/window_design.h"
#include "system/file_system.h"

namespace quillbat {

DesktopSession::DesktopSession(const FileLocations& locations, Env& env,
                               std::optional<std::uint32_t> firstSeed)
    : env_(env),
      locations_(locations),
      settings_(locations.settingsFolder, env, locations.defaultBoxscoreFolder),
      phrases_(locations.phraseFolder, env, locations.shippedPhraseFolder),
      seeds_(firstSeed) {
    settings_.load();
}

GameLoad DesktopSession::load(const std::string& chosenPath) {
    // A file named on the command line may be named from the current folder; the remembered
    // folder and the saved article need its full name.
    std::error_code noFullName;
    const std::filesystem::path full =
        std::filesystem::absolute(pathFromUtf8(chosenPath), noFullName);
    const std::string boxscorePath = noFullName ? chosenPath : pathToUtf8(full);
    GameLoad load = loadGame(env_, boxscorePath, phrases_, seeds_.next(), articleOptions());
    if (!load.game) {
        return load;
    }
    lastBoxscore_ = boxscorePath;
    lastGame_ = articleParts(*load.game);
    lastGame_->article.clear();
    if (load.complete) {
        try {
            settings_.rememberFolder(boxscoreFolder(boxscorePath));
        } catch (const FileWriteError& error) {
            load.message = std::string(error.what()) + std::string(kFolderHoldsForTheRun);
        }
    }
    return load;
}

std::string DesktopSession::setDefaultTeam(const std::optional<std::string>& typed) {
    const DefaultTeamReading reading = readDefaultTeam(typed, settings_.defaultTeam());
    std::string message = reading.message;
    try {
        settings_.setDefaultTeam(reading.team);
    } catch (const FileWriteError& error) {
        if (!message.empty()) {
            message += "\n";
        }
        message += std::string(error.what()) + std::string(kDefaultTeamHoldsForTheRun);
    }
    return message;
}

namespace {

// Remembers a switched setting with write: nothing when it was written, else why not and that
// the setting holds until the program ends.
template <typename Write>
std::string rememberSwitch(Write write, std::string_view holdsForTheRun) {
    try {
        write();
    } catch (const FileWriteError& error) {
        return std::string(error.what()) + std::string(holdsForTheRun);
    }
    return {};
}

}  // namespace

std::string DesktopSession::setNameStyle(NameStyle style) {
    return rememberSwitch([&] { settings_.setNameStyle(style); }, kNameStyleHoldsForTheRun);
}

std::string DesktopSession::setGameStory(bool on) {
    return rememberSwitch([&] { settings_.setGameStory(on); }, kGameStoryHoldsForTheRun);
}

std::string DesktopSession::saveArticle(std::string_view articleText) {
    if (articleLength(articleText) < kShortestSavedArticle) {
        return {};
    }
    if (lastBoxscore_.empty()) {
        return std::string(kLoadBoxscoreFirst);
    }
    try {
        quillbat::saveArticle(env_, lastBoxscore_, articleText);
    } catch (const FileWriteError& error) {
        return error.what();
    }
    return {};
}

std::optional<std::string> DesktopSession::renderAs(ArticleFormat format,
                                                    std::string_view articleText) const {
    if (!lastGame_) {
        return std::nullopt;
    }
    ArticleParts parts = *lastGame_;
    parts.article = articleText;
    return renderArticle(format, parts);
}

bool DesktopSession::isChecked(MenuCommand command) const {
    switch (command) {
        case MenuCommand::NewspaperNames:
            return nameStyle() == NameStyle::kNewspaper;
        case MenuCommand::GameStory:
            return gameStory();
        default:
            return false;
    }
}

ArticleOptions DesktopSession::articleOptions() const {
    return {.names = settings_.nameStyle(), .story = settings_.gameStory()};
}

DesktopSession::PaperWriting DesktopSession::writePaper(const std::string& boxscoreFolder,
                                                        const PaperProgress& progress) {
    const PaperGames games = paperGames(env_, {boxscoreFolder}, progress);
    if (games.days.empty()) {
        return {std::nullopt, games.problems.empty() ? std::string() : games.problems.front()};
    }
    const std::filesystem::path folder = pathFromUtf8(boxscoreFolder) / "paper";
    const PaperOptions options{
        .folder = folder,
        .article = articleOptions(),
        .seed = seeds_.next(),
        .styleSheetFolders = {locations_.userPhraseFolder, locations_.shippedPhraseFolder}};
    try {
        const PaperSummary summary = quillbat::writePaper(env_, phrases_, games, options, progress);
        std::string message = paperWrittenText(pathToUtf8(folder), summary.days, summary.games);
        if (!summary.refusals.empty()) {
            message += "\n\n" + std::string(kPaperLeftOut);
            for (const std::string& refusal : summary.refusals) {
                message += "\n" + refusal;
            }
        }
        return {pathToUtf8(summary.written), message, summary.refusals.empty()};
    } catch (const InputError& error) {
        return {std::nullopt, error.what()};
    } catch (const FileWriteError& error) {
        return {std::nullopt, error.what()};
    }
}

DesktopSession::PhraseFolderOpening DesktopSession::openPhraseFolder() {
    const std::filesystem::path& folder = locations_.userPhraseFolder;
    try {
        fillPhraseFolder(folder, locations_.shippedPhraseFolder, env_);
    } catch (const InputError& error) {
        return {{}, error.what()};
    } catch (const FileWriteError& error) {
        return {{}, error.what()};
    }
    phrases_.setFolder(folder);
    return {pathToUtf8(folder), {}};
}

}  // namespace quillbat
