#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/load_game.h"
#include "desktop/boxscore_filter.h"
#include "desktop/desktop_menu.h"

// What the desktop controller asks of a main window: the passive view. A front end (Qt, Win32,
// a test) shows and asks what it is told, in its own way, and decides nothing. Texts are UTF-8.
namespace quillbat {

// How a message box looks: information, or a warning for a refusal or a failure.
enum class MessageKind { kInformation, kWarning };

// The small windows beside the main window.
enum class SmallWindow { kAboutWindow, kInstructionsWindow };

class DesktopView {
  public:
    virtual ~DesktopView() = default;

    // An Open dialog listing the files filter lets through, starting in startFolder; the chosen
    // file's full name, or nothing on cancel.
    virtual std::optional<std::string> chooseBoxscore(const BoxscoreFilter& filter,
                                                      const std::string& startFolder) = 0;
    // A folder dialog with title, starting in startFolder; the chosen folder's full name, or
    // nothing on cancel.
    virtual std::optional<std::string> chooseFolder(std::string_view title,
                                                    const std::string& startFolder) = 0;
    // A one-line input box with the preset text; what the user typed, or nothing on cancel.
    virtual std::optional<std::string> askText(std::string_view title, std::string_view prompt,
                                               const std::string& preset) = 0;
    // A message box with a single OK button; returns when the user closed it.
    virtual void showMessage(std::string_view title, const std::string& text, MessageKind kind) = 0;

    // The game on the scoreboard and its article in the article box (showArticle decides how
    // its bytes are shown).
    virtual void showGame(const LoadedGame& game) = 0;
    // Empties the article box.
    virtual void clearArticle() = 0;
    // The article box's text now, the user's edits included, as bytes in the encoding the
    // article was shown in (see articleBytes).
    virtual std::string articleText() = 0;

    // Puts text on the clipboard, and html too when given as HTML. False, changing nothing, when
    // another program holds the clipboard.
    virtual bool putOnClipboard(const std::string& text,
                                const std::optional<std::string>& html) = 0;
    // Shows folder in the system's file manager; false when it cannot be shown.
    virtual bool openFolder(const std::string& folder) = 0;
    // Opens the page (a file's full name) in the system's browser; false when no browser could
    // be started.
    virtual bool openInBrowser(const std::string& page) = 0;
    // Shows the small window, the one already open brought forward.
    virtual void showWindow(SmallWindow window) = 0;

    // Enables or greys the menu item of command, and sets or clears its check mark.
    virtual void setCommandEnabled(MenuCommand command, bool enabled) = 0;
    virtual void setCommandChecked(MenuCommand command, bool checked) = 0;

    // Shows how far long work has come: a window titled title over the main window with text and
    // a bar filled to done of total, opened by the first call; the windows stay painted while
    // the work goes on. endProgress closes it (and does nothing when none is open).
    virtual void showProgress(std::string_view title, const std::string& text, std::size_t done,
                              std::size_t total) = 0;
    virtual void endProgress() = 0;

    // Closes the main window (Exit); the program ends with its last window.
    virtual void closeMainWindow() = 0;
};

}  // namespace quillbat
