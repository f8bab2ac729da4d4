#include "desktop/desktop_controller.h"

#include "core/text_encoding.h"
#include "desktop/window_design.h"

namespace quillbat {
namespace {

// The title of the messages of command's row; empty for a value that is no row of the menu.
std::string_view messageTitle(MenuCommand command) {
    const MenuItem* row = findMenuItem(command);
    return row == nullptr ? std::string_view{} : row->messageTitle;
}

}  // namespace

DesktopController::DesktopController(DesktopSession& session, DesktopView& view)
    : session_(session), view_(view) {
    forEachMenuCommand([this](const MenuItem& item, MenuCommand command) {
        view_.setCommandEnabled(command, !item.needsGame);
        if (item.checkable) {
            view_.setCommandChecked(command, session_.isChecked(command));
        }
    });
}

void DesktopController::run(MenuCommand command) {
    const MenuItem* row = findMenuItem(command);
    if (row == nullptr) {
        return;
    }
    const MenuItem& item = *row;
    switch (command) {
        case MenuCommand::DefaultTeam:
            chooseDefaultTeam(item);
            return;
        case MenuCommand::LoadBoxscore:
            loadBoxscore();
            return;
        case MenuCommand::About:
            view_.showWindow(SmallWindow::kAboutWindow);
            return;
        case MenuCommand::Instructions:
            view_.showWindow(SmallWindow::kInstructionsWindow);
            return;
        case MenuCommand::Exit:
            view_.closeMainWindow();
            return;
        case MenuCommand::CopyAsText:
        case MenuCommand::CopyAsBbcode:
        case MenuCommand::CopyAsMarkdown:
        case MenuCommand::CopyAsHtml:
            copyAs(item, *copyAsFormat(command));
            return;
        case MenuCommand::NewspaperNames:
            switchNewspaperNames(item);
            return;
        case MenuCommand::GameStory:
            switchGameStory(item);
            return;
        case MenuCommand::OpenPhraseFolder:
            openPhraseFolder(item);
            return;
        case MenuCommand::LeaguePaper:
            writeLeaguePaper(item);
            return;
    }
}

void DesktopController::copyToClipboard() {
    if (!view_.putOnClipboard(displayText(view_.articleText()), std::nullopt)) {
        warn(kCopyButton.design.caption, std::string(kClipboardInUse));
    }
}

void DesktopController::saveToFile() {
    warn(kSaveToFileTitle, session_.saveArticle(view_.articleText()));
}

void DesktopController::loadFile(const std::string& path) {
    const GameLoad load = session_.load(path);
    if (load.game) {
        forEachMenuCommand([this](const MenuItem& item, MenuCommand command) {
            if (item.needsGame) {
                view_.setCommandEnabled(command, true);
            }
        });
        view_.showGame(*load.game);
        if (load.complete) {
            copyToClipboard();
        }
    }
    // A file named on the command line or dropped is loaded as Load Boxscore loads one.
    warn(messageTitle(MenuCommand::LoadBoxscore), load.message);
}

void DesktopController::loadBoxscore() {
    // The article box is emptied before the dialog shows, so a cancel leaves it empty.
    view_.clearArticle();
    const std::optional<std::string> path =
        view_.chooseBoxscore(session_.openDialogFilter(), session_.openDialogFolder());
    if (path) {
        loadFile(*path);
    }
}

void DesktopController::chooseDefaultTeam(const MenuItem& item) {
    const std::optional<std::string> typed =
        view_.askText(kDefaultTeamTitle, kDefaultTeamPrompt, session_.defaultTeamPreset());
    warn(item.messageTitle, session_.setDefaultTeam(typed));
}

void DesktopController::copyAs(const MenuItem& item, ArticleFormat format) {
    const std::optional<std::string> rendering = session_.renderAs(format, view_.articleText());
    if (!rendering) {
        return;
    }
    const std::string text = displayText(*rendering);
    if (!view_.putOnClipboard(
            text, format == ArticleFormat::kHtml ? std::optional(text) : std::nullopt)) {
        warn(item.messageTitle, std::string(kClipboardInUse));
    }
}

void DesktopController::switchNewspaperNames(const MenuItem& item) {
    const bool on = session_.nameStyle() != NameStyle::kNewspaper;
    const std::string failure =
        session_.setNameStyle(on ? NameStyle::kNewspaper : NameStyle::kBoxscore);
    tellSwitched(MenuCommand::NewspaperNames, item, failure,
                 on ? kNewspaperNamesOn : kNewspaperNamesOff);
}

void DesktopController::switchGameStory(const MenuItem& item) {
    const bool on = !session_.gameStory();
    const std::string failure = session_.setGameStory(on);
    tellSwitched(MenuCommand::GameStory, item, failure, on ? kGameStoryOn : kGameStoryOff);
}

void DesktopController::tellSwitched(MenuCommand setting, const MenuItem& item,
                                     const std::string& failure, std::string_view effect) {
    view_.setCommandChecked(setting, session_.isChecked(setting));
    // The article shown stays as it was written; the user learns from when the switch applies.
    if (failure.empty()) {
        view_.showMessage(item.messageTitle, std::string(effect), MessageKind::kInformation);
    } else {
        warn(item.messageTitle, failure);
    }
}

void DesktopController::openPhraseFolder(const MenuItem& item) {
    const DesktopSession::PhraseFolderOpening opening = session_.openPhraseFolder();
    if (!opening.message.empty()) {
        warn(item.messageTitle, opening.message);
    } else if (!view_.openFolder(opening.folder)) {
        // The folder was not shown: a failure, though the message tells where it is.
        warn(item.messageTitle, std::string(kPhraseFilesAreIn) + opening.folder);
    }
}

void DesktopController::writeLeaguePaper(const MenuItem& item) {
    const std::optional<std::string> folder =
        view_.chooseFolder(kLeaguePaperFolderPrompt, session_.openDialogFolder());
    if (!folder) {
        return;
    }
    const DesktopSession::PaperWriting writing =
        session_.writePaper(*folder, [this, &item](std::size_t done, std::size_t total) {
            view_.showProgress(item.messageTitle, paperProgressText(done, total), done, total);
        });
    view_.endProgress();
    if (!writing.index) {
        warn(item.messageTitle, writing.message);
        return;
    }
    view_.showMessage(item.messageTitle, displayText(writing.message),
                      writing.complete ? MessageKind::kInformation : MessageKind::kWarning);
    if (!view_.openInBrowser(*writing.index)) {
        view_.showMessage(item.messageTitle, std::string(kPaperIndexIsIn) + *writing.index,
                          MessageKind::kInformation);
    }
}

void DesktopController::warn(std::string_view title, const std::string& message) {
    if (!message.empty()) {
        view_.showMessage(title, displayText(message), MessageKind::kWarning);
    }
}

}  // namespace quillbat
