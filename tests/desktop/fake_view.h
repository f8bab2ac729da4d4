#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "desktop/desktop_view.h"

// A main window in memory: it answers from a script and notes, one line each, what it was asked
// and told; the article box, the clipboard and the menu's state are kept as values.
namespace quillbat {

class FakeView final : public DesktopView {
  public:
    std::optional<std::string> chooseBoxscore(const BoxscoreFilter& filter,
                                              const std::string& startFolder) override {
        calls.push_back("choose " + dialogDescription(filter) + " in " + startFolder);
        return chosenFile;
    }
    std::optional<std::string> chooseFolder(std::string_view title,
                                            const std::string& startFolder) override {
        calls.push_back("choose folder " + std::string(title) + " in " + startFolder);
        return chosenFolder;
    }
    std::optional<std::string> askText(std::string_view title, std::string_view prompt,
                                       const std::string& preset) override {
        calls.push_back("ask " + std::string(title) + ": " + std::string(prompt) + " [" + preset +
                        "]");
        return typed;
    }
    void showMessage(std::string_view title, const std::string& text, MessageKind kind) override {
        calls.push_back((kind == MessageKind::kWarning ? "warning " : "information ") +
                        std::string(title) + ": " + text);
    }
    void showGame(const LoadedGame& game) override {
        calls.push_back("game " + game.scoreboard.teamName[kVisitors] + " " +
                        game.scoreboard.runs[kVisitors] + ", " + game.scoreboard.teamName[kHome] +
                        " " + game.scoreboard.runs[kHome]);
        article = game.article;
    }
    void clearArticle() override {
        calls.push_back("clear");
        article.clear();
    }
    std::string articleText() override { return article; }
    bool putOnClipboard(const std::string& text, const std::optional<std::string>& html) override {
        calls.push_back(html ? "clipboard with HTML" : "clipboard");
        if (clipboardBusy) {
            return false;
        }
        clipboard = text;
        clipboardHtml = html;
        return true;
    }
    bool openFolder(const std::string& folder) override {
        calls.push_back("open " + folder);
        return folderOpens;
    }
    bool openInBrowser(const std::string& page) override {
        calls.push_back("browser " + page);
        return browserOpens;
    }
    void showWindow(SmallWindow window) override {
        calls.push_back(window == SmallWindow::kAboutWindow ? "window About"
                                                            : "window Instructions");
    }
    void setCommandEnabled(MenuCommand command, bool on) override { enabled[command] = on; }
    void setCommandChecked(MenuCommand command, bool on) override { checked[command] = on; }
    void showProgress(std::string_view title, const std::string& text, std::size_t done,
                      std::size_t total) override {
        calls.push_back("progress " + std::string(title) + ": " + text + " [" +
                        std::to_string(done) + "/" + std::to_string(total) + "]");
    }
    void endProgress() override { calls.push_back("end progress"); }
    void closeMainWindow() override { calls.push_back("close"); }

    // The script.
    std::optional<std::string> chosenFile;    // nothing: the Open dialog is cancelled
    std::optional<std::string> typed;         // nothing: the input box is cancelled
    std::optional<std::string> chosenFolder;  // nothing: the folder dialog is cancelled
    bool clipboardBusy = false;
    bool folderOpens = true;
    bool browserOpens = true;

    // What the view shows.
    std::vector<std::string> calls;
    std::string article;  // the article box, as bytes
    std::string clipboard;
    std::optional<std::string> clipboardHtml;
    std::map<MenuCommand, bool> enabled;
    std::map<MenuCommand, bool> checked;
};

}  // namespace quillbat
