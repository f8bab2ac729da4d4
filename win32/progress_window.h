#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "win32/control.h"
#include "win32/window.h"

// The window that shows how far long work has come (League Paper).
namespace quillbat::win32 {

// A small window over its owner with a text and a bar that fills, shown at once. The owner takes
// no input while it is there; it has no close box: the end of the work closes it, and the owner
// takes input again.
class ProgressWindow final : public Window {
  public:
    ProgressWindow(HWND owner, std::string_view title);
    ~ProgressWindow() override;

    // Shows text and the bar filled to done of total, then hands every waiting message to its
    // window, so that the program's windows stay painted while the work goes on.
    void show(std::string_view text, std::size_t done, std::size_t total);

  protected:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void layOut();

    HWND owner_;
    Label text_;
    ProgressBar bar_;
};

}  // namespace quillbat::win32
