#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "desktop/window_design.h"
#include "win32/graphics.h"

// The controls on the program's windows: labels, buttons with a coloured face and the
// article box. Each is made by create() from its CreateArgs; the window that holds it hands it
// its notifications (window.h). Places are in twips, typefaces in points, both converted at the
// dots per inch of the window.
namespace quillbat::win32 {

class Control {
  public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return hwnd_; }
    void setText(std::string_view utf8);
    std::wstring wideText() const;

    // Moves the control to a new place in twips, in pixels at dpi.
    void setPlace(const Box& twips, int dpi);
    // Places the control and sets its typeface for dpi (after the window moved to a monitor
    // of other dots per inch).
    void applyDpi(int dpi);
    HFONT font() const { return font_.get(); }

    // The control of a window made by create(), or null.
    static Control* of(HWND hwnd);

    // What the window that holds the control hands it: a notification code of WM_COMMAND,
    // the colours of a label (a brush for its background, or nothing for the default ones),
    // the drawing of an owner-drawn button.
    virtual void notified(WORD) {}
    virtual std::optional<HBRUSH> colours(HDC) { return std::nullopt; }
    virtual void draw(const DRAWITEMSTRUCT&) {}

  protected:
    // Called after the text was set.
    virtual void textChanged() {}

    struct Args {
        HWND parent = nullptr;
        int id = 0;
        std::string_view text{};  // UTF-8
        Box place{};              // twips, inside the parent
        FontDesign font{};
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    void create(const wchar_t* className, const Args& args);

  private:
    HWND hwnd_ = nullptr;
    Box place_;
    FontDesign fontDesign_;
    FontHandle font_;
};

// A text on the background of the window that holds it.
class Label final : public Control {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        int id = 0;
        std::string_view text{};
        Box place{};
        FontDesign font{};
        Alignment alignment = Alignment::Left;
        Rgb colour = kBlack;
    };
    void create(const CreateArgs& args);
    void setColour(Rgb colour);

    std::optional<HBRUSH> colours(HDC dc) override;

  private:
    // The label is drawn without a background of its own (a frame's edge behind it stays
    // visible), so the window behind it must draw its old text away.
    void textChanged() override;

    COLORREF colour_ = 0;
};

class Button final : public Control {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        int id = 0;
        std::string_view text{};
        Box place{};
        FontDesign font{};
        // A face in this colour, drawn by the program; the system's look otherwise.
        std::optional<Rgb> face{};
    };
    void create(const CreateArgs& args);

    // What a click does; set by the window that holds the button.
    std::function<void()> onClick;

    void notified(WORD code) override;
    void draw(const DRAWITEMSTRUCT& item) override;

  private:
    COLORREF face_ = 0;
};

// A text box the user can edit, without a limit on its length.
class EditBox final : public Control {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        int id = 0;
        std::string_view text{};
        Box place{};
        FontDesign font{};
        bool multiLine = false;
    };
    void create(const CreateArgs& args);
};

// A bar that fills as long work goes on.
class ProgressBar final : public Control {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        int id = 0;
        Box place{};
    };
    void create(const CreateArgs& args);
    // Fills the bar to done of total.
    void show(std::size_t done, std::size_t total);
};

}  // namespace quillbat::win32
