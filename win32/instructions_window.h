#pragma once

#include <array>
#include <iterator>

#include "desktop/window_design.h"
#include "win32/control.h"
#include "win32/window.h"

// The Instructions window (frmInstructions): four headings, each with its text, and OK.
namespace quillbat::win32 {

class InstructionsWindow final : public SmallWindow {
  public:
    // Makes the window, centred on the screen; shown by bringForward(). It has no owner, so it
    // outlives the main window.
    InstructionsWindow();

  private:
    // Places the texts one under the other, each as high as its wrapped lines at the window's
    // dots per inch, and sizes the window around them.
    void layOut() override;

    std::array<Label, std::size(kInstructions)> headings_;
    std::array<Label, std::size(kInstructions)> texts_;
    Button ok_;
};

}  // namespace quillbat::win32
