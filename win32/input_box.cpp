#include "win32/input_box.h"

#include "desktop/window_design.h"
#include "win32/control.h"
#include "win32/control_ids.h"
#include "win32/wide_text.h"
#include "win32/window.h"

namespace quillbat::win32 {
namespace {

// The design in twips: the prompt at the left, OK and Cancel at the right, the text field
// across the bottom.
constexpr float kMargin = 120;
constexpr float kPromptWidth = 4440;
constexpr float kButtonLeft = 4680;
constexpr float kButtonWidth = 1200;
constexpr float kButtonHeight = 375;
constexpr float kClientWidth = kButtonLeft + kButtonWidth + kMargin;
constexpr float kFieldHeight = 315;
constexpr std::string_view kCancelCaption = "Cancel";

class InputBox final : public Window {
  public:
    InputBox(HWND owner, std::string_view title, std::string_view prompt, std::string_view preset)
        : owner_(owner) {
        create({.title = title,
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                .parent = owner,
                .background = kDialogGrey});
        prompt_.create({.parent = hwnd(), .id = kPromptId, .text = prompt, .font = kDialogFont});
        field_.create({.parent = hwnd(), .id = kInputTextId, .text = preset, .font = kDialogFont});
        ok_.create({.parent = hwnd(),
                    .id = IDOK,
                    .text = kOkCaption,
                    .place = {kButtonLeft, kMargin, kButtonWidth, kButtonHeight},
                    .font = kDialogFont});
        ok_.onClick = [this] { finish(utf8(field_.wideText())); };
        cancel_.create(
            {.parent = hwnd(),
             .id = IDCANCEL,
             .text = kCancelCaption,
             .place = {kButtonLeft, kMargin + kButtonHeight + kMargin, kButtonWidth, kButtonHeight},
             .font = kDialogFont});
        cancel_.onClick = [this] { finish(std::nullopt); };
        layOut();
        EnableWindow(owner_, FALSE);
        ShowWindow(hwnd(), SW_SHOW);
        SetFocus(field_.hwnd());
        SendMessageW(field_.hwnd(), EM_SETSEL, 0, -1);
    }

    const std::optional<std::string>& typed() const { return typed_; }

  protected:
    std::optional<LRESULT> handle(UINT message, WPARAM, LPARAM) override {
        switch (message) {
            case WM_CLOSE:
                finish(std::nullopt);
                return 0;
            case WM_DPICHANGED:
                layOut();
                return 0;
            default:
                return std::nullopt;
        }
    }

  private:
    void layOut() {
        const int dots = dpi();
        for (Control* control :
             std::initializer_list<Control*>{&prompt_, &field_, &ok_, &cancel_}) {
            control->applyDpi(dots);
        }
        const SIZE prompt =
            textSize(prompt_.font(), prompt_.wideText(), dpiScale(kPromptWidth, dots));
        const float promptHeight = pixelsToTwips(prompt.cy, static_cast<float>(dots));
        prompt_.setPlace({kMargin, kMargin, kPromptWidth, promptHeight}, dots);
        const float fieldTop =
            std::max(kMargin + promptHeight, 2 * (kMargin + kButtonHeight)) + kMargin;
        field_.setPlace({kMargin, fieldTop, kClientWidth - 2 * kMargin, kFieldHeight}, dots);
        placeCentred(kClientWidth, fieldTop + kFieldHeight + kMargin);
    }

    // Ends the box with the text typed or nothing. The owner takes input again before the box
    // goes, so that it becomes the active window.
    void finish(std::optional<std::string> typed) {
        typed_ = std::move(typed);
        EnableWindow(owner_, TRUE);
        DestroyWindow(hwnd());
    }

    HWND owner_;
    Label prompt_;
    EditBox field_;
    Button ok_;
    Button cancel_;
    std::optional<std::string> typed_;
};

}  // namespace

std::optional<std::string> askText(HWND owner, std::string_view title, std::string_view prompt,
                                   std::string_view preset) {
    InputBox box(owner, title, prompt, preset);
    MSG message;
    while (box.hwnd() != nullptr) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            // The program is ending: the main loop must see the quit message too.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        deliverMessage(message);
    }
    return box.typed();
}

}  // namespace quillbat::win32
