#include "win32/main_window.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>
#include <utility>

#include "core/text_encoding.h"
#include "desktop/desktop_arguments.h"
#include "desktop/window_layout.h"
#include "win32/about_window.h"
#include "win32/clipboard.h"
#include "win32/control_ids.h"
#include "win32/folder_dialog.h"
#include "win32/input_box.h"
#include "win32/instructions_window.h"
#include "win32/progress_window.h"
#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

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

MainWindow::MainWindow(DesktopSession& session) {
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
    controller_.emplace(session, *this);
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
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), text.c_str());
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
    copy_.onClick = [this] { controller_->copyToClipboard(); };
    save_.create({.parent = panel_.hwnd(),
                  .id = kSaveButtonId,
                  .text = kSaveButton.design.caption,
                  .place = kSaveButton.design.place,
                  .font = kSaveButton.design.font,
                  .face = kSaveButton.face});
    save_.onClick = [this] { controller_->saveToFile(); };
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
                controller_->run(static_cast<MenuCommand>(LOWORD(wParam)));
                return 0;
            }
            return std::nullopt;
        case WM_DROPFILES:
            loadDropped(reinterpret_cast<HDROP>(wParam));
            return 0;
        case kLoadWhenShown:
            if (std::optional<std::string> path = std::exchange(loadWhenShown_, std::nullopt)) {
                controller_->loadFile(*path);
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

std::optional<std::string> MainWindow::chooseBoxscore(const BoxscoreFilter& filter,
                                                      const std::string& startFolder) {
    const std::wstring filterText = dialogFilter(filter);
    const std::wstring folder = wide(startFolder);
    std::wstring chosen(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return utf8(chosen.c_str());
}

std::optional<std::string> MainWindow::chooseFolder(std::string_view title,
                                                    const std::string& startFolder) {
    return win32::chooseFolder(hwnd(), title, startFolder);
}

std::optional<std::string> MainWindow::askText(std::string_view title, std::string_view prompt,
                                               const std::string& preset) {
    return win32::askText(hwnd(), title, prompt, preset);
}

void MainWindow::showMessage(std::string_view title, const std::string& text, MessageKind kind) {
    const UINT icon = kind == MessageKind::kWarning ? MB_ICONWARNING : MB_ICONINFORMATION;
    MessageBoxW(hwnd(), wide(text).c_str(), wide(title).c_str(), MB_OK | icon);
}

void MainWindow::showGame(const LoadedGame& game) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const ScoreboardField field = kScoreboardLabels[i].field;
        if (std::optional<std::string> text = scoreboardText(game.scoreboard, field)) {
            labels_[i].setText(*text);
        }
        if (std::optional<Rgb> colour = scoreboardColour(game.scoreboard, field)) {
            labels_[i].setColour(*colour);
        }
    }
    const ShownArticle shown = showArticle(game.article);
    encoding_ = shown.encoding;
    article_.setText(shown.text);
}

void MainWindow::clearArticle() {
    article_.setText({});
}

std::string MainWindow::articleText() {
    return articleBytes(utf8(article_.wideText()), encoding_);
}

bool MainWindow::putOnClipboard(const std::string& text, const std::optional<std::string>& html) {
    return win32::putOnClipboard(hwnd(), text, html);
}

bool MainWindow::openFolder(const std::string& folder) {
    // ShellExecute tells success by a value above 32.
    return reinterpret_cast<INT_PTR>(ShellExecuteW(hwnd(), L"open", wide(folder).c_str(), nullptr,
                                                   nullptr, SW_SHOWNORMAL)) > 32;
}

bool MainWindow::openInBrowser(const std::string& page) {
    // ShellExecute tells success by a value above 32.
    return reinterpret_cast<INT_PTR>(ShellExecuteW(hwnd(), L"open", wide(page).c_str(), nullptr,
                                                   nullptr, SW_SHOWNORMAL)) > 32;
}

void MainWindow::showWindow(quillbat::SmallWindow window) {
    switch (window) {
        case quillbat::SmallWindow::kAboutWindow:
            if (!about_ || about_->hwnd() == nullptr) {
                about_ = std::make_unique<AboutWindow>();
            }
            about_->bringForward();
            return;
        case quillbat::SmallWindow::kInstructionsWindow:
            if (!instructions_ || instructions_->hwnd() == nullptr) {
                instructions_ = std::make_unique<InstructionsWindow>();
            }
            instructions_->bringForward();
            return;
    }
}

void MainWindow::setCommandEnabled(MenuCommand command, bool enabled) {
    EnableMenuItem(GetMenu(hwnd()), static_cast<UINT>(command),
                   enabled ? MF_BYCOMMAND | MF_ENABLED : MF_BYCOMMAND | MF_GRAYED);
    DrawMenuBar(hwnd());
}

void MainWindow::setCommandChecked(MenuCommand command, bool checked) {
    CheckMenuItem(GetMenu(hwnd()), static_cast<UINT>(command),
                  checked ? MF_BYCOMMAND | MF_CHECKED : MF_BYCOMMAND | MF_UNCHECKED);
}

void MainWindow::showProgress(std::string_view title, const std::string& text, std::size_t done,
                              std::size_t total) {
    if (!progress_) {
        progress_ = std::make_unique<ProgressWindow>(hwnd(), title);
    }
    progress_->show(text, done, total);
}

void MainWindow::endProgress() {
    progress_.reset();
}

void MainWindow::closeMainWindow() {
    DestroyWindow(hwnd());
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
        controller_->loadFile(*boxscore);
    }
}

}  // namespace quillbat::win32
