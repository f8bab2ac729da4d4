#include "win32/instructions_window.h"

#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

// The design in twips: texts 7,800 wide inside a margin, a gap after each text.
constexpr float kMargin = 240;
constexpr float kTextWidth = 7800;
constexpr float kGap = 120;
constexpr float kButtonWidth = 1320;
constexpr float kButtonHeight = 375;

}  // namespace

InstructionsWindow::InstructionsWindow() {
    create(kInstructionsTitle);
    for (std::size_t i = 0; i < std::size(kInstructions); ++i) {
        for (auto [label, text, font] :
             {std::tuple{&headings_[i], kInstructions[i].heading, kInstructionHeadingFont},
              std::tuple{&texts_[i], kInstructions[i].text, kInstructionTextFont}}) {
            label->create({.parent = hwnd(), .text = text, .font = font, .colour = kBlack});
        }
    }
    ok_.create({.parent = hwnd(), .id = IDOK, .text = kOkCaption, .font = kInstructionTextFont});
    ok_.onClick = [this] { DestroyWindow(hwnd()); };
    layOut();
}

void InstructionsWindow::layOut() {
    const int dots = dpi();
    const auto dotsPerInch = static_cast<float>(dots);
    float top = kMargin;
    auto place = [&](Label& label, float width) {
        label.applyDpi(dots);
        const SIZE size = textSize(label.font(), label.wideText(), dpiScale(width, dots));
        const float height = pixelsToTwips(size.cy, dotsPerInch);
        label.setPlace({kMargin, top, width, height}, dots);
        top += height;
    };
    for (std::size_t i = 0; i < headings_.size(); ++i) {
        place(headings_[i], kTextWidth);
        place(texts_[i], kTextWidth);
        top += kGap;
    }
    const float clientWidth = kTextWidth + 2 * kMargin;
    ok_.applyDpi(dots);
    ok_.setPlace({(clientWidth - kButtonWidth) / 2, top, kButtonWidth, kButtonHeight}, dots);
    placeCentred(clientWidth, top + kButtonHeight + kMargin);
}

}  // namespace quillbat::win32
