#include "win32/pictures.h"

namespace quillbat::win32 {

void drawProgramPicture(HDC dc, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    auto* icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, width, height, 0));
    if (icon == nullptr) {
        return;
    }
    DrawIconEx(dc, area.left, area.top, icon, width, height, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}

}  // namespace quillbat::win32
