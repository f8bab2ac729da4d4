#pragma once

#include <QPixmap>

// The program's own pictures, drawn rather than stored: a baseball.
namespace quillbat::qt {

// A baseball of the given width and height in pixels, on a transparent ground. Serves as the
// splash picture and, small, as the program's icon.
QPixmap baseballPicture(int size);

}  // namespace quillbat::qt
