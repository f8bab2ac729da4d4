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

#include "desktop/article_text.h"
#include "desktop/desktop_controller.h"
#include "desktop/desktop_view.h"
#include "desktop/window_design.h"
#include "win32/control.h"
#include "win32/window.h"

// The main window (frmMain): menu, scoreboard, article box and the panel with the Copy To
// Clipboard and Save To File buttons. It shows what its controller tells it and hands it every
// menu command, button and dropped file.
namespace quillbat::win32 {

class AboutWindow;
class InstructionsWindow;
class ProgressWindow;

class MainWindow final : public Window, public DesktopView {
  public:
    // A window over session (which must outlive it), made hidden and laid out for the screen.
    // A .box file dropped on it is loaded.
    explicit MainWindow(DesktopSession& session);
    ~MainWindow() override;

    // Shows the window maximised; then loads boxscore (UTF-8) when one is given, as Load
    // Boxscore does once a file is chosen.
    void show(const std::optional<std::string>& boxscore);

    // The view, in the windows, dialogs and clipboard of Windows.
    std::optional<std::string> chooseBoxscore(const BoxscoreFilter& filter,
                                              const std::string& startFolder) override;
    std::optional<std::string> chooseFolder(std::string_view title,
                                            const std::string& startFolder) override;
    std::optional<std::string> askText(std::string_view title, std::string_view prompt,
                                       const std::string& preset) override;
    void showMessage(std::string_view title, const std::string& text, MessageKind kind) override;
    void showGame(const LoadedGame& game) override;
    void clearArticle() override;
    std::string articleText() override;
    bool putOnClipboard(const std::string& text, const std::optional<std::string>& html) override;
    bool openFolder(const std::string& folder) override;
    bool openInBrowser(const std::string& page) override;
    void showWindow(quillbat::SmallWindow window) override;
    void setCommandEnabled(MenuCommand command, bool enabled) override;
    void setCommandChecked(MenuCommand command, bool checked) override;
    void showProgress(std::string_view title, const std::string& text, std::size_t done,
                      std::size_t total) override;
    void endProgress() override;
    void closeMainWindow() override;

  protected:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void buildMenu(HMENU menu, std::span<const MenuItem> items);
    void buildPanel();
    void layOut();
    void loadDropped(HDROP drop);

    Frame scoreboard_;
    std::array<Label, std::size(kScoreboardLabels)> labels_;
    EditBox article_;
    ArticleEncoding encoding_ = ArticleEncoding::Utf8;
    Frame panel_;
    Label panelText_;
    Button copy_;
    Button save_;
    std::optional<std::string> loadWhenShown_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<InstructionsWindow> instructions_;
    std::unique_ptr<ProgressWindow> progress_;
    std::optional<DesktopController> controller_;
};

}  // namespace quillbat::win32
