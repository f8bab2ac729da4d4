#include "win32/graphics.h"

#include <cmath>

#include "win32/wide_text.h"

namespace quillbat::win32 {

int dpiOf(HWND window) {
    const UINT dpi = window != nullptr ? GetDpiForWindow(window) : GetDpiForSystem();
    return dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int dpiScale(float twips, int dpi) {
    return twipsToPixels(twips, static_cast<float>(dpi));
}

RECT pixelRect(const Box& twips, int dpi) {
    const int left = dpiScale(twips.left, dpi);
    const int top = dpiScale(twips.top, dpi);
    return {left, top, left + dpiScale(twips.width, dpi), top + dpiScale(twips.height, dpi)};
}

COLORREF colourRef(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

FontHandle createFont(const FontDesign& design, int dpi) {
    // A point is 20 twips; a negative height asks for the character height without leading.
    const int height = -dpiScale(design.points * 20.0F, dpi);
    const BYTE family = static_cast<BYTE>((design.serif ? FF_ROMAN : FF_SWISS) | VARIABLE_PITCH);
    return FontHandle(CreateFontW(height, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL,
                                  design.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                  family, wide(design.family).c_str()));
}

BrushHandle createBrush(Rgb colour) {
    return BrushHandle(CreateSolidBrush(colourRef(colour)));
}

SIZE textSize(HFONT font, std::wstring_view text, int width) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT area{0, 0, width, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {area.right - area.left, area.bottom - area.top};
}

}  // namespace quillbat::win32
