#include "win32/about_window.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "desktop/system_info.h"
#include "system/env.h"
#include "system/file_system.h"
#include "win32/control_ids.h"
#include "win32/pictures.h"
#include "win32/registry.h"
#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

// The window's design in twips: the icon at the left, the texts beside it, a separator, and
// the buttons at the bottom right.
constexpr float kClientWidth = 6000;
constexpr float kClientHeight = 3960;
constexpr Box kIcon{240, 240, 720, 720};
constexpr float kSeparatorTop = 2760;
constexpr float kSeparatorMargin = 120;

}  // namespace

AboutWindow::AboutWindow() {
    create(kAboutTitle);
    auto label = [this](Label& shown, std::string_view text, Box place, const FontDesign& font) {
        shown.create(
            {.parent = hwnd(), .text = text, .place = place, .font = font, .colour = kBlack});
    };
    label(heading_, kAboutHeading, {1200, 240, 4560, 300}, kAboutHeadingFont);
    label(name_, kAboutName, {1200, 540, 4560, 600}, kAboutNameFont);
    label(version_, versionText(), {1200, 1140, 4560, 420}, kAboutVersionFont);
    label(description_, kAboutDescription, {1200, 1620, 4560, 1020}, kAboutDescriptionFont);
    ok_.create({.parent = hwnd(),
                .id = IDOK,
                .text = kOkCaption,
                .place = {4440, 2940, 1320, 375},
                .font = kAboutDescriptionFont});
    ok_.onClick = [this] { DestroyWindow(hwnd()); };
    systemInfo_.create({.parent = hwnd(),
                        .id = kSystemInfoId,
                        .text = kSystemInfoCaption,
                        .place = {4440, 3420, 1320, 375},
                        .font = kAboutDescriptionFont});
    systemInfo_.onClick = [this] { startSystemInfo(); };
    placeCentred(kClientWidth, kClientHeight);
}

std::optional<LRESULT> AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        paintIconAndSeparator();
        return 0;
    }
    return SmallWindow::handle(message, wParam, lParam);
}

void AboutWindow::layOut() {
    const int dots = dpi();
    for (Control* control : std::initializer_list<Control*>{&heading_, &name_, &version_,
                                                            &description_, &ok_, &systemInfo_}) {
        control->applyDpi(dots);
    }
    placeCentred(kClientWidth, kClientHeight);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void AboutWindow::paintIconAndSeparator() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    const int dots = dpi();
    const RECT icon = pixelRect(kIcon, dots);
    drawProgramPicture(dc, icon);
    // The separator: a grey line with a white one under it, one pixel each.
    const int top = dpiScale(kSeparatorTop, dots);
    const int left = dpiScale(kSeparatorMargin, dots);
    const int right = dpiScale(kClientWidth - kSeparatorMargin, dots);
    const int line = std::max(1, dpiScale(15, dots));
    for (auto [colour, offset] : {std::pair{kSeparatorGrey, 0}, std::pair{kWhite, line}}) {
        RECT drawn{left, top + offset, right, top + offset + line};
        BrushHandle brush = createBrush(colour);
        FillRect(dc, &drawn, brush.get());
    }
    EndPaint(hwnd(), &paint);
}

void AboutWindow::startSystemInfo() {
    WindowsRegistry registry;
    std::optional<std::string> program = systemInfoProgram(
        registry, [](const std::string& file) { return systemEnv().isFile(pathFromUtf8(file)); });
    if (program) {
        const auto started = reinterpret_cast<INT_PTR>(ShellExecuteW(
            hwnd(), L"open", wide(*program).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        // ShellExecuteW tells success by a value above 32.
        if (started > 32) {
            return;
        }
    }
    MessageBoxW(hwnd(), wide(kSystemInfoUnavailable).c_str(), wide(kAboutTitle).c_str(),
                MB_OK | MB_ICONWARNING);
}

}  // namespace quillbat::win32
