#include "win32/splash_window.h"

#include <utility>

#include "desktop/window_design.h"
#include "desktop/window_layout.h"
#include "win32/pictures.h"
#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

constexpr UINT_PTR kSplashTimer = 1;
// The picture's size in twips: 256 pixels at 96 dots per inch.
constexpr float kPictureSize = 3840;

}  // namespace

SplashWindow::SplashWindow(std::function<void()> handOver) : handOver_(std::move(handOver)) {
    create({.title = kSplashTitle, .style = WS_POPUP});
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    SetWindowPos(hwnd(), nullptr, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_NOZORDER);
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    SetTimer(hwnd(), kSplashTimer, kSplashMilliseconds, nullptr);
}

std::optional<LRESULT> SplashWindow::handle(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_TIMER:
        case WM_CLOSE:
            close();
            return 0;
        default:
            return std::nullopt;
    }
}

void SplashWindow::close() {
    KillTimer(hwnd(), kSplashTimer);
    if (std::function<void()> handOver = std::exchange(handOver_, nullptr)) {
        handOver();
    }
    DestroyWindow(hwnd());
}

void SplashWindow::paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    const int dots = dpi();
    RECT client;
    GetClientRect(hwnd(), &client);
    FontHandle font = createFont(kSplashNameFont, dots);
    const std::wstring name = wide(kSplashName);
    const SIZE nameSize = textSize(font.get(), name, 0);
    const int picture = dpiScale(kPictureSize, dots);
    const SplashLayout layout =
        splashLayout(static_cast<float>(client.right), static_cast<float>(client.bottom),
                     static_cast<float>(nameSize.cx), static_cast<float>(nameSize.cy),
                     static_cast<float>(picture), static_cast<float>(picture));
    RECT nameArea{static_cast<int>(layout.name.left), static_cast<int>(layout.name.top),
                  static_cast<int>(layout.name.left) + nameSize.cx,
                  static_cast<int>(layout.name.top) + nameSize.cy};
    HGDIOBJ old = SelectObject(dc, font.get());
    SetTextColor(dc, colourRef(kBlue));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &nameArea,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    const int pictureLeft = static_cast<int>(layout.picture.left);
    const int pictureTop = static_cast<int>(layout.picture.top);
    drawProgramPicture(dc, {pictureLeft, pictureTop, pictureLeft + picture, pictureTop + picture});
    EndPaint(hwnd(), &paint);
}

}  // namespace quillbat::win32
