#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <optional>
#include <span>

#include "desktop/desktop_controller.h"
#include "desktop/desktop_view.h"

class QAction;
class QFrame;
class QProgressDialog;

// The main window (frmMain): menu, scoreboard, article box and the panel with the Copy To
// Clipboard and Save To File buttons. It shows what its controller tells it and hands it every
// menu command, button and dropped file.
namespace quillbat::qt {

class AboutWindow;
class ArticleView;
class InstructionsWindow;
class ScoreboardView;

class MainWindow final : public QMainWindow, public DesktopView {
    Q_OBJECT
  public:
    // A window over session, which must outlive it. Lays out its blocks for the screen; is not
    // shown yet. A .box file dropped on it is loaded.
    explicit MainWindow(DesktopSession& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    DesktopController& controller() { return *controller_; }

    // Loads the boxscore at path as soon as the window is first shown (a boxscore named on the
    // command line).
    void loadWhenShown(const QString& path);

    // The view, in Qt's widgets and dialogs.
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
    void showWindow(SmallWindow window) override;
    void setCommandEnabled(MenuCommand command, bool enabled) override;
    void setCommandChecked(MenuCommand command, bool checked) override;
    void showProgress(std::string_view title, const std::string& text, std::size_t done,
                      std::size_t total) override;
    void endProgress() override;
    void closeMainWindow() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Adds the items to a menu bar or a menu, each command handed to the controller.
    void addMenuItems(QWidget* menu, std::span<const MenuItem> items);
    QFrame* buildPanel(float dotsPerInch);
    void layOutBlocks(float dotsPerInch);

    ScoreboardView* scoreboard_;
    ArticleView* article_;
    QFrame* panel_;
    QPointer<AboutWindow> about_;
    QPointer<InstructionsWindow> instructions_;
    QPointer<QProgressDialog> progress_;
    QString loadWhenShown_;
    std::map<MenuCommand, QAction*> actions_;
    std::optional<DesktopController> controller_;
};

}  // namespace quillbat::qt
