#pragma once

#include <span>
#include <string_view>
#include <variant>

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

inline constexpr MenuItem kMenuBar[] = {
    {.text = "Default &Team", .name = "mnuTeam", .action = MenuCommand::DefaultTeam},
    {.text = "Load &Boxscore", .name = "mnuLoad", .action = MenuCommand::LoadBoxscore},
    {.text = "&Help", .name = "mnuHelp", .action = kHelpMenu},
    {.text = "E&xit", .name = "mnuExit", .action = MenuCommand::Exit},
};

}  // namespace quillbat
