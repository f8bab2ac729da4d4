#pragma once

#include <windows.h>

// The program's picture, a baseball: the icon among its resources, drawn at any size.
namespace quillbat::win32 {

// Draws the picture into area of dc, scaled from the icon's nearest size.
void drawProgramPicture(HDC dc, const RECT& area);

}  // namespace quillbat::win32
