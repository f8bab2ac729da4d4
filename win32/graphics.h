#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "desktop/window_design.h"
#include "desktop/window_layout.h"

// Pixels, fonts and colours of the windows. Every size is designed in twips or points and
// becomes pixels here, at the dots per inch of the monitor the window is on.
namespace quillbat::win32 {

// The dots per inch of the monitor the window is on (96 at 100 %).
int dpiOf(HWND window);

// A length in twips as whole pixels at dpi: the one place where design sizes meet the screen.
int dpiScale(float twips, int dpi);

// A place in twips as pixels at dpi.
RECT pixelRect(const Box& twips, int dpi);

COLORREF colourRef(Rgb colour);

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(object); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

// The designed typeface at its size in points for dpi; a face of the same kind when the
// system lacks it.
FontHandle createFont(const FontDesign& design, int dpi);

BrushHandle createBrush(Rgb colour);

// The size in pixels that text takes in font, wrapped at width pixels (no wrapping for 0).
SIZE textSize(HFONT font, std::wstring_view text, int width);

}  // namespace quillbat::win32
