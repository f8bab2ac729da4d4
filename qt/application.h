#pragma once

#include <QApplication>
#include <memory>

namespace quillbat::qt {

// Makes the program's QApplication over argc and argv, which must outlive it. What Qt says
// while it connects to the display is held back: when it finds no display, the program ends
// there with kNoDisplay on standard error and status 1, instead of Qt's advice to reinstall
// and an abort. Any other failure to start goes on as Qt has it; once the application is made,
// the held messages go on to Qt's handler in the order they came.
std::unique_ptr<QApplication> makeApplication(int& argc, char** argv);

}  // namespace quillbat::qt
