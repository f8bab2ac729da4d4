#pragma once

#include "win32/control.h"
#include "win32/window.h"

// The About window (frmAbout): name, version and description of the program, and a button
// that starts the system's System Information tool.
namespace quillbat::win32 {

class AboutWindow final : public SmallWindow {
  public:
    // Makes the window, centred on the screen; shown by bringForward(). It has no owner, so it
    // outlives the main window.
    AboutWindow();

  protected:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void layOut() override;
    void paintIconAndSeparator();
    void startSystemInfo();

    Label heading_;
    Label name_;
    Label version_;
    Label description_;
    Button ok_;
    Button systemInfo_;
};

}  // namespace quillbat::win32
