#pragma once

#include <QDialog>
#include <string_view>

#include "desktop/window_design.h"

// How the Qt windows look where they share a look.
namespace quillbat::qt {

// Fills the widget's background with colour.
void paintBackground(QWidget* widget, Rgb colour);

// Makes dialog one of the small windows beside the main window (About, Instructions): named
// name, titled title, a fixed dialog frame with a close box, on light green, and destroyed when
// it is closed.
void makeSmallWindow(QDialog* dialog, const char* name, std::string_view title);

}  // namespace quillbat::qt
