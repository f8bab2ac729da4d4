#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "core/article_format.h"
#include "desktop/window_design.h"

// The main window's menu bar, one table that every front end builds its menu from. A new
// command is one row here and one case of DesktopController::run (the compiler names a command
// that run() leaves out).
namespace quillbat {

// The commands of the menu. The numbers are the command identifiers of the Windows menu.
enum class MenuCommand {
    DefaultTeam = 101,
    LoadBoxscore,
    About,
    Instructions,
    Exit,
    CopyAsText,
    CopyAsBbcode,
    CopyAsMarkdown,
    CopyAsHtml,
    NewspaperNames,
    OpenPhraseFolder,
    LeaguePaper,
    GameStory,
};

struct MenuItem;

// What choosing an item does: run a command, or open a menu of further items.
using MenuAction = std::variant<MenuCommand, std::span<const MenuItem>>;

struct MenuItem {
    std::string_view text;  // "&" marks the access key
    std::string_view name;  // the item's name for tests and accessibility ("mnuTeam")
    MenuAction action;
    std::string_view messageTitle{};  // the title of the messages its command shows
    bool checkable = false;           // a command with a check mark the user switches on and off
    bool needsGame = false;           // enabled only once a boxscore was loaded
};

inline constexpr MenuItem kHelpMenu[] = {
    {.text = "&About", .name = "mnuAbout", .action = MenuCommand::About},
    {.text = "&Instructions", .name = "mnuInstructions", .action = MenuCommand::Instructions},
};

// Copy As: the article box's text with the game's headline and line score, ready for a forum.
inline constexpr MenuItem kCopyAsMenu[] = {
    {.text = "&Plain Text",
     .name = "mnuCopyAsText",
     .action = MenuCommand::CopyAsText,
     .messageTitle = kCopyAsTitle,
     .needsGame = true},
    {.text = "&BBCode",
     .name = "mnuCopyAsBbcode",
     .action = MenuCommand::CopyAsBbcode,
     .messageTitle = kCopyAsTitle,
     .needsGame = true},
    {.text = "&Markdown",
     .name = "mnuCopyAsMarkdown",
     .action = MenuCommand::CopyAsMarkdown,
     .messageTitle = kCopyAsTitle,
     .needsGame = true},
    {.text = "&HTML",
     .name = "mnuCopyAsHtml",
     .action = MenuCommand::CopyAsHtml,
     .messageTitle = kCopyAsTitle,
     .needsGame = true},
};

inline constexpr MenuItem kOptionsMenu[] = {
    {.text = "&Newspaper Names",
     .name = "mnuNewspaperNames",
     .action = MenuCommand::NewspaperNames,
     .messageTitle = kNewspaperNamesTitle,
     .checkable = true},
    {.text = "&Game Story",
     .name = "mnuGameStory",
     .action = MenuCommand::GameStory,
     .messageTitle = kGameStoryTitle,
     .checkable = true},
    {.text = "Open &Phrase Folder",
     .name = "mnuOpenPhraseFolder",
     .action = MenuCommand::OpenPhraseFolder,
     .messageTitle = kOpenPhraseFolderTitle},
};

inline constexpr MenuItem kMenuBar[] = {
    {.text = "Default &Team",
     .name = "mnuTeam",
     .action = MenuCommand::DefaultTeam,
     .messageTitle = kDefaultTeamTitle},
    {.text = "Load &Boxscore",
     .name = "mnuLoad",
     .action = MenuCommand::LoadBoxscore,
     .messageTitle = kLoadBoxscoreTitle},
    {.text = "League &Paper",
     .name = "mnuLeaguePaper",
     .action = MenuCommand::LeaguePaper,
     .messageTitle = kLeaguePaperTitle},
    {.text = "Copy &As", .name = "mnuCopyAs", .action = kCopyAsMenu},
    {.text = "&Options", .name = "mnuOptions", .action = kOptionsMenu},
    {.text = "&Help", .name = "mnuHelp", .action = kHelpMenu},
    {.text = "E&xit", .name = "mnuExit", .action = MenuCommand::Exit},
};

// The row of the menu tree that runs command; nothing for a value that is no command of it.
constexpr const MenuItem* findMenuItem(MenuCommand command,
                                       std::span<const MenuItem> items = kMenuBar) {
    for (const MenuItem& item : items) {
        if (const auto* submenu = std::get_if<std::span<const MenuItem>>(&item.action)) {
            if (const MenuItem* found = findMenuItem(command, *submenu)) {
                return found;
            }
        } else if (std::get<MenuCommand>(item.action) == command) {
            return &item;
        }
    }
    return nullptr;
}

// Calls visit with every command row of the menu tree, in the order of the menus.
template <typename Visit>
void forEachMenuCommand(Visit visit, std::span<const MenuItem> items = kMenuBar) {
    for (const MenuItem& item : items) {
        if (const auto* submenu = std::get_if<std::span<const MenuItem>>(&item.action)) {
            forEachMenuCommand(visit, *submenu);
        } else {
            visit(item, std::get<MenuCommand>(item.action));
        }
    }
}

// The format a Copy As command renders in; nothing for another command.
constexpr std::optional<ArticleFormat> copyAsFormat(MenuCommand command) {
    switch (command) {
        case MenuCommand::CopyAsText:
            return ArticleFormat::kText;
        case MenuCommand::CopyAsBbcode:
            return ArticleFormat::kBbcode;
        case MenuCommand::CopyAsMarkdown:
            return ArticleFormat::kMarkdown;
        case MenuCommand::CopyAsHtml:
            return ArticleFormat::kHtml;
        default:
            return std::nullopt;
    }
}

}  // namespace quillbat
