#pragma once

#include <string>

#include "desktop/desktop_menu.h"
#include "desktop/desktop_session.h"
#include "desktop/desktop_view.h"

// The one place where the desktop programs decide what a command does: each menu command,
// button and dropped file of a front end is one call here, which asks the session and tells
// the view what to show.
namespace quillbat {

class DesktopController {
  public:
    // A controller over session and view, both of which must outlive it. Sets the view's menu
    // as it is before any game: check marks from the session, the commands that need a game
    // greyed.
    DesktopController(DesktopSession& session, DesktopView& view);

    // The menu command, as its row in kMenuBar says; messages carry the row's title. A value
    // that is no row of the menu does nothing.
    void run(MenuCommand command);

    // The Copy To Clipboard button: the article box's text on the clipboard.
    void copyToClipboard();
    // The Save To File button: the article box's text beside the last boxscore loaded.
    void saveToFile();

    // Loads the boxscore at path (UTF-8), chosen in the Open dialog, named on the command line
    // or dropped on the window. A game read shows, enables the commands that need one and, when
    // its article is complete, goes on the clipboard; a message, if any, shows after that.
    void loadFile(const std::string& path);

  private:
    void loadBoxscore();
    void chooseDefaultTeam(const MenuItem& item);
    void copyAs(const MenuItem& item, ArticleFormat format);
    void switchNewspaperNames(const MenuItem& item);
    void switchGameStory(const MenuItem& item);
    // Puts the check mark of a setting just switched and tells from when it applies (effect), or
    // why it could not be remembered (failure, when not empty).
    void tellSwitched(MenuCommand setting, const MenuItem& item, const std::string& failure,
                      std::string_view effect);
    void openPhraseFolder(const MenuItem& item);
    void writeLeaguePaper(const MenuItem& item);
    // Shows message as a warning under title, when there is one.
    void warn(std::string_view title, const std::string& message);

    DesktopSession& session_;
    DesktopView& view_;
};

}  // namespace quillbat
