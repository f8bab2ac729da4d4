#include "win32/progress_window.h"

#include "desktop/window_design.h"
#include "win32/control_ids.h"

namespace quillbat::win32 {
namespace {

// The design in twips: the text above the bar.
constexpr float kMargin = 120;
constexpr float kWidth = 5400;
constexpr float kTextHeight = 300;
constexpr float kBarHeight = 300;

}  // namespace

ProgressWindow::ProgressWindow(HWND owner, std::string_view title) : owner_(owner) {
    create({.title = title,
            .style = WS_POPUP | WS_CAPTION,
            .exStyle = WS_EX_DLGMODALFRAME,
            .parent = owner,
            .background = kDialogGrey});
    text_.create({.parent = hwnd(),
                  .id = kProgressTextId,
                  .place = {kMargin, kMargin, kWidth - 2 * kMargin, kTextHeight},
                  .font = kDialogFont});
    bar_.create({.parent = hwnd(),
                 .id = kProgressBarId,
                 .place = {kMargin, 2 * kMargin + kTextHeight, kWidth - 2 * kMargin, kBarHeight}});
    layOut();
    EnableWindow(owner_, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
}

ProgressWindow::~ProgressWindow() {
    // The owner takes input again before the window goes, so that it becomes the active window.
    EnableWindow(owner_, TRUE);
}

void ProgressWindow::show(std::string_view text, std::size_t done, std::size_t total) {
    text_.setText(text);
    bar_.show(done, total);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is ending: the main loop must see the quit message too.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        deliverMessage(message);
    }
}

std::optional<LRESULT> ProgressWindow::handle(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            // The work decides when the window goes.
            return 0;
        case WM_DPICHANGED:
            layOut();
            return 0;
        default:
            return std::nullopt;
    }
}

void ProgressWindow::layOut() {
    const int dots = dpi();
    text_.applyDpi(dots);
    bar_.applyDpi(dots);
    placeCentred(kWidth, 3 * kMargin + kTextHeight + kBarHeight);
}

}  // namespace quillbat::win32
