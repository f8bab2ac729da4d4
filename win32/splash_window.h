#pragma once

#include <functional>

#include "win32/window.h"

// The splash window (frmSplash): the program's name above its picture, on white, for 2.5
// seconds; then it hands over to the main window and closes.
namespace quillbat::win32 {

class SplashWindow final : public Window {
  public:
    // Shows the splash over the whole screen and starts its timer. When the time is up, or
    // when the user closes the splash before, handOver runs once and the splash closes.
    explicit SplashWindow(std::function<void()> handOver);

  protected:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();
    void close();

    std::function<void()> handOver_;
};

}  // namespace quillbat::win32
