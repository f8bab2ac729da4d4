#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "win32/graphics.h"

// The program's windows, each wrapped once: one window procedure finds the object stored when
// the window was created and hands it the window's messages, and the notifications of its
// controls to the controls (control.h).
namespace quillbat::win32 {

struct WindowArgs {
    std::string_view title;  // UTF-8
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    // The parent of a child window; the owner of a top-level one (nothing: none).
    HWND parent = nullptr;
    int id = 0;  // a child window's identifier among its parent's children
    RECT place{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};  // in pixels
    Rgb background = kWhite;
};

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window when it still exists.
    virtual ~Window();

    // The window, or nothing before it was made and after it is gone.
    HWND hwnd() const { return hwnd_; }

    // Brings the window forward when it exists.
    void bringForward() const;

  protected:
    Window() = default;

    // Makes the window. The object must stay where it is while the window exists. The
    // program's message loop ends when its last top-level window is gone.
    void create(const WindowArgs& args);

    // The window's own handling of a message; nothing leaves it to the default handling.
    virtual std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Called when the window is gone; hwnd() is then null.
    virtual void destroyed() {}

    int dpi() const { return dpiOf(hwnd_); }

    // Sizes a top-level window so that its client area is the size given in twips, and
    // centres it on the monitor's work area.
    void placeCentred(float clientWidth, float clientHeight);

  private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    BrushHandle background_;
    bool topLevel_ = false;
};

// A frame without caption inside a window: a sunken edge around its controls, on the
// background colour.
class Frame final : public Window {
  public:
    Frame() = default;
    void create(HWND parent, int id, std::string_view name, Rgb background);

  protected:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A small window of its own beside the main window (About, Instructions): a fixed dialog frame
// on light green; Escape or the close box destroys it, and a change of dots per inch lays it out
// anew.
class SmallWindow : public Window {
  protected:
    SmallWindow() = default;

    // Makes the window with title, hidden; shown by bringForward().
    void create(std::string_view title);

    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Places the controls at the window's dots per inch and sizes the window around them.
    virtual void layOut() = 0;
};

// Hands a message to its window; keyboard navigation (Tab, Enter, Escape) works in every
// window of the program.
void deliverMessage(MSG& message);

// Runs the program's message loop until its last top-level window is gone. Returns the exit
// code.
int runMessageLoop();

}  // namespace quillbat::win32
