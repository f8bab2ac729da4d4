#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "app/article_format.h"

// The main window's menu bar, one table that every front end builds its menu from. A new
// command is one row here and one handler in each front end (the compilers then warn of a
// front end that does not handle it).
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
};

struct MenuItem;

// What choosing an item does: run a command, or open a menu of further items.
using MenuAction = std::variant<MenuCommand, std::span<const MenuItem>>;

struct MenuItem {
    std::string_view text;  // "&" marks the access key
    std::string_view name;  // the item's name for tests and accessibility ("mnuTeam")
    MenuAction action;
    bool checkable = false;  // a command with a check mark the user switches on and off
    bool needsGame = false;  // enabled only once a boxscore was loaded
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
     .needsGame = true},
    {.text = "&BBCode",
     .name = "mnuCopyAsBbcode",
     .action = MenuCommand::CopyAsBbcode,
     .needsGame = true},
    {.text = "&Markdown",
     .name = "mnuCopyAsMarkdown",
     .action = MenuCommand::CopyAsMarkdown,
     .needsGame = true},
    {.text = "&HTML",
     .name = "mnuCopyAsHtml",
     .action = MenuCommand::CopyAsHtml,
     .needsGame = true},
};

inline constexpr MenuItem kOptionsMenu[] = {
    {.text = "&Newspaper Names",
     .name = "mnuNewspaperNames",
     .action = MenuCommand::NewspaperNames,
     .checkable = true},
};

inline constexpr MenuItem kMenuBar[] = {
    {.text = "Default &Team", .name = "mnuTeam", .action = MenuCommand::DefaultTeam},
    {.text = "Load &Boxscore", .name = "mnuLoad", .action = MenuCommand::LoadBoxscore},
    {.text = "Copy &As", .name = "mnuCopyAs", .action = kCopyAsMenu},
    {.text = "&Options", .name = "mnuOptions", .action = kOptionsMenu},
    {.text = "&Help", .name = "mnuHelp", .action = kHelpMenu},
    {.text = "E&xit", .name = "mnuExit", .action = MenuCommand::Exit},
};

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
