#pragma once

#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <array>
#include <iterator>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "desktop/article_text.h"
#include "desktop/desktop_menu.h"
#include "desktop/window_design.h"
#include "win32/control.h"
#include "win32/window.h"

// The main window (frmMain): menu, scoreboard, article box and the panel with the Copy To
// Clipboard and Save To File buttons.
namespace quillbat {
class DesktopSession;
}

namespace quillbat::win32 {

class AboutWindow;
class InstructionsWindow;

class MainWindow final : public Window {
  public:
    // A window over session (which must outlive it), made hidden and laid out for the screen.
    // A .box file dropped on it is loaded.
    explicit MainWindow(DesktopSession& session);
    ~MainWindow() override;

    // Shows the window maximised; then loads boxscore (UTF-8) when one is given, as Load
    // Boxscore does once a file is chosen.
    void show(const std::optional<std::string>& boxscore);

  protected:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void buildMenu(HMENU menu, std::span<const MenuItem> items);
    void buildPanel();
    void layOut();
    // The handler of each menu command; a checkable command's check mark is switched first.
    void run(MenuCommand command);
    void toggleCheckMark(MenuCommand command);

    // The menu commands and buttons, each one call into the core.
    void loadBoxscore();
    void loadFile(const std::string& path);
    void chooseDefaultTeam();
    void copyToClipboard();
    void copyAs(ArticleFormat format);
    void switchNewspaperNames();
    void openPhraseFolder();
    void saveToFile();
    void showAbout();
    void showInstructions();
    void loadDropped(HDROP drop);
    void showMessage(std::string_view title, std::string_view text) const;

    DesktopSession& session_;
    Frame scoreboard_;
    std::array<Label, std::size(kScoreboardLabels)> labels_;
    EditBox article_;
    ArticleEncoding encoding_ = ArticleEncoding::Utf8;
    Frame panel_;
    Label panelText_;
    Button copy_;
    Button save_;
    std::vector<MenuCommand> checkableCommands_;
    std::vector<MenuCommand> commandsNeedingGame_;
    std::optional<std::string> loadWhenShown_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<InstructionsWindow> instructions_;
};

}  // namespace quillbat::win32
