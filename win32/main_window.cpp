#include "win32/main_window.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/text_encoding.h"
#include "desktop/default_team.h"
#include "desktop/desktop_arguments.h"
#include "desktop/desktop_session.h"
#include "desktop/window_layout.h"
#include "win32/about_window.h"
#include "win32/clipboard.h"
#include "win32/control_ids.h"
#include "win32/input_box.h"
#include "win32/instructions_window.h"
#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

constexpr std::string_view kClipboardInUse =
    "The clipboard is in use by another program. Please try again.";

// Posted to itself once shown, to load the boxscore named on the command line.
constexpr UINT kLoadWhenShown = WM_APP + 1;

// The Open dialog's filter as the dialog takes it: the description, then the patterns
// separated by semicolons, each ended by a null character, and a null character at the end.
std::wstring dialogFilter(const BoxscoreFilter& filter) {
    std::string text = dialogDescription(filter) + '\0';
    for (std::size_t i = 0; i < filter.patterns.size(); ++i) {
        text += (i > 0 ? ";" : "") + filter.patterns[i];
    }
    text += '\0';
    return wide(text);
}

}  // namespace

MainWindow::MainWindow(DesktopSession& session) : session_(session) {
    create({.title = kMainWindowTitle,
            .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
            .exStyle = WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT,
            .background = kDarkGreen});
    HMENU menu = CreateMenu();
    buildMenu(menu, kMenuBar);
    SetMenu(hwnd(), menu);

    scoreboard_.create(hwnd(), kScoreboardId, kScoreboardName, kDarkGreen);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const ControlDesign& design = kScoreboardLabels[i].design;
        labels_[i].create({.parent = scoreboard_.hwnd(),
                           .id = scoreboardLabelId(i),
                           .text = design.caption,
                           .place = design.place,
                           .font = design.font,
                           .alignment = design.alignment,
                           .colour = kWhite});
    }
    article_.create({.parent = hwnd(),
                     .id = kArticleId,
                     .place = {0, 0, kArticleWidth, kArticleHeight},
                     .font = kArticleFont,
                     .multiLine = true});
    buildPanel();
    layOut();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu(HMENU menu, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) {
        const std::wstring text = wide(item.text);
        if (const auto* submenuItems = std::get_if<std::span<const MenuItem>>(&item.action)) {
            HMENU submenu = CreatePopupMenu();
            buildMenu(submenu, *submenuItems);
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), text.c_str());
            continue;
        }
        const MenuCommand command = std::get<MenuCommand>(item.action);
        UINT flags = MF_STRING;
        if (item.checkable) {
            checkableCommands_.push_back(command);
            if (session_.isChecked(command)) {
                flags |= MF_CHECKED;
            }
        }
        if (item.needsGame) {
            flags |= MF_GRAYED;
            commandsNeedingGame_.push_back(command);
        }
        AppendMenuW(menu, flags, static_cast<UINT_PTR>(command), text.c_str());
    }
}

void MainWindow::buildPanel() {
    panel_.create(hwnd(), kPanelId, kPanelName, kDarkGreen);
    panelText_.create({.parent = panel_.hwnd(),
                       .id = kPanelTextId,
                       .text = kPanelText.caption,
                       .place = kPanelText.place,
                       .font = kPanelText.font,
                       .alignment = kPanelText.alignment,
                       .colour = kWhite});
    copy_.create({.parent = panel_.hwnd(),
                  .id = kCopyButtonId,
                  .text = kCopyButton.design.caption,
                  .place = kCopyButton.design.place,
                  .font = kCopyButton.design.font,
                  .face = kCopyButton.face});
    copy_.onClick = [this] { copyToClipboard(); };
    save_.create({.parent = panel_.hwnd(),
                  .id = kSaveButtonId,
                  .text = kSaveButton.design.caption,
                  .place = kSaveButton.design.place,
                  .font = kSaveButton.design.font,
                  .face = kSaveButton.face});
    save_.onClick = [this] { saveToFile(); };
}

void MainWindow::layOut() {
    const int dots = dpi();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    const float dotsPerInch = static_cast<float>(dots);
    const MainWindowLayout layout = mainWindowLayout(
        pixelsToTwips(monitor.rcMonitor.right - monitor.rcMonitor.left, dotsPerInch),
        pixelsToTwips(monitor.rcMonitor.bottom - monitor.rcMonitor.top, dotsPerInch));
    for (auto [frame, box] :
         {std::pair{&scoreboard_, layout.scoreboard}, std::pair{&panel_, layout.panel}}) {
        const RECT area = pixelRect(box, dots);
        SetWindowPos(frame->hwnd(), nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    article_.setPlace(layout.article, dots);
    for (Control* control :
         std::initializer_list<Control*>{&article_, &panelText_, &copy_, &save_}) {
        control->applyDpi(dots);
    }
    for (Label& label : labels_) {
        label.applyDpi(dots);
    }
}

void MainWindow::show(const std::optional<std::string>& boxscore) {
    // Maximised; and as large as the screen's work area before, for a desktop where no window
    // manager maximises it.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd(), &placement);
    placement.rcNormalPosition = monitor.rcWork;
    placement.showCmd = SW_SHOWMAXIMIZED;
    SetWindowPlacement(hwnd(), &placement);
    // Drawn before the load, so that a message about the file stands over the window.
    UpdateWindow(hwnd());
    if (boxscore) {
        loadWhenShown_ = boxscore;
        PostMessageW(hwnd(), kLoadWhenShown, 0, 0);
    }
}

std::optional<LRESULT> MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0) {
                const auto command = static_cast<MenuCommand>(LOWORD(wParam));
                if (std::find(checkableCommands_.begin(), checkableCommands_.end(), command) !=
                    checkableCommands_.end()) {
                    toggleCheckMark(command);
                }
                run(command);
                return 0;
            }
            return std::nullopt;
        case WM_DROPFILES:
            loadDropped(reinterpret_cast<HDROP>(wParam));
            return 0;
        case kLoadWhenShown:
            if (std::optional<std::string> path = std::exchange(loadWhenShown_, std::nullopt)) {
                loadFile(*path);
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            layOut();
            return 0;
        }
        default:
            return std::nullopt;
    }
}

void MainWindow::toggleCheckMark(MenuCommand command) {
    HMENU menu = GetMenu(hwnd());
    const auto id = static_cast<UINT>(command);
    const bool checked = (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    CheckMenuItem(menu, id,
                  static_cast<UINT>(MF_BYCOMMAND | (checked ? MF_UNCHECKED : MF_CHECKED)));
}

void MainWindow::run(MenuCommand command) {
    switch (command) {
        case MenuCommand::DefaultTeam:
            chooseDefaultTeam();
            return;
        case MenuCommand::LoadBoxscore:
            loadBoxscore();
            return;
        case MenuCommand::About:
            showAbout();
            return;
        case MenuCommand::Instructions:
            showInstructions();
            return;
        case MenuCommand::Exit:
            DestroyWindow(hwnd());
            return;
        case MenuCommand::CopyAsText:
        case MenuCommand::CopyAsBbcode:
        case MenuCommand::CopyAsMarkdown:
        case MenuCommand::CopyAsHtml:
            copyAs(*copyAsFormat(command));
            return;
        case MenuCommand::NewspaperNames:
            switchNewspaperNames();
            return;
        case MenuCommand::OpenPhraseFolder:
            openPhraseFolder();
            return;
    }
}

void MainWindow::loadBoxscore() {
    // The article box is emptied before the dialog shows, so a cancel leaves it empty.
    article_.setText({});
    const std::wstring filter = dialogFilter(session_.openDialogFilter());
    const std::wstring folder = wide(session_.openDialogFolder());
    std::wstring chosen(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameW(&dialog)) {
        loadFile(utf8(chosen.c_str()));
    }
}

void MainWindow::loadFile(const std::string& path) {
    const GameLoad load = session_.load(path);
    if (load.game) {
        for (MenuCommand command : commandsNeedingGame_) {
            EnableMenuItem(GetMenu(hwnd()), static_cast<UINT>(command), MF_BYCOMMAND | MF_ENABLED);
        }
        DrawMenuBar(hwnd());
        for (std::size_t i = 0; i < labels_.size(); ++i) {
            const ScoreboardField field = kScoreboardLabels[i].field;
            if (std::optional<std::string> text = scoreboardText(load.game->scoreboard, field)) {
                labels_[i].setText(*text);
            }
            if (std::optional<Rgb> colour = scoreboardColour(load.game->scoreboard, field)) {
                labels_[i].setColour(*colour);
            }
        }
        const ShownArticle shown = showArticle(load.game->article);
        encoding_ = shown.encoding;
        article_.setText(shown.text);
        if (load.complete) {
            copyToClipboard();
        }
    }
    if (!load.message.empty()) {
        showMessage(kLoadBoxscoreTitle, displayText(load.message));
    }
}

void MainWindow::loadDropped(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()));
        paths.push_back(utf8(path.c_str()));
    }
    DragFinish(drop);
    if (std::optional<std::string> boxscore = droppedBoxscore(paths)) {
        loadFile(*boxscore);
    }
}

void MainWindow::chooseDefaultTeam() {
    const std::optional<std::string> typed =
        askText(hwnd(), kDefaultTeamTitle, kDefaultTeamPrompt, session_.defaultTeamPreset());
    const std::string message = session_.setDefaultTeam(typed);
    if (!message.empty()) {
        showMessage(kDefaultTeamTitle, message);
    }
}

void MainWindow::copyToClipboard() {
    if (!putOnClipboard(hwnd(), utf8(article_.wideText()))) {
        showMessage(kCopyButton.design.caption, kClipboardInUse);
    }
}

void MainWindow::copyAs(ArticleFormat format) {
    const std::optional<std::string> rendering =
        session_.renderAs(format, articleBytes(utf8(article_.wideText()), encoding_));
    if (!rendering) {
        return;
    }
    const std::string text = displayText(*rendering);
    const std::optional<std::string> html =
        format == ArticleFormat::kHtml ? std::optional(text) : std::nullopt;
    if (!putOnClipboard(hwnd(), text, html)) {
        showMessage(kCopyAsTitle, kClipboardInUse);
    }
}

void MainWindow::switchNewspaperNames() {
    const NameStyle style = session_.nameStyle() == NameStyle::kNewspaper ? NameStyle::kBoxscore
                                                                          : NameStyle::kNewspaper;
    const std::string message = session_.setNameStyle(style);
    if (!message.empty()) {
        showMessage(kNewspaperNamesTitle, message);
    }
}

void MainWindow::openPhraseFolder() {
    const DesktopSession::PhraseFolderOpening opening = session_.openPhraseFolder();
    if (!opening.message.empty()) {
        showMessage(kOpenPhraseFolderTitle, opening.message);
        return;
    }
    const std::wstring folder = wide(opening.folder);
    // ShellExecute tells success by a value above 32.
    if (reinterpret_cast<INT_PTR>(ShellExecuteW(hwnd(), L"open", folder.c_str(), nullptr, nullptr,
                                                SW_SHOWNORMAL)) <= 32) {
        showMessage(kOpenPhraseFolderTitle, "The phrase files are in " + opening.folder);
    }
}

void MainWindow::saveToFile() {
    const std::string message =
        session_.saveArticle(articleBytes(utf8(article_.wideText()), encoding_));
    if (!message.empty()) {
        showMessage(kSaveToFileTitle, displayText(message));
    }
}

void MainWindow::showAbout() {
    if (!about_ || about_->hwnd() == nullptr) {
        about_ = std::make_unique<AboutWindow>();
    }
    about_->bringForward();
}

void MainWindow::showInstructions() {
    if (!instructions_ || instructions_->hwnd() == nullptr) {
        instructions_ = std::make_unique<InstructionsWindow>();
    }
    instructions_->bringForward();
}

void MainWindow::showMessage(std::string_view title, std::string_view text) const {
    MessageBoxW(hwnd(), wide(text).c_str(), wide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace quillbat::win32
