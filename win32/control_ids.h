#pragma once

#include <cstddef>

// The identifiers of the controls: a window finds its controls by them, and the desktop check
// reads and presses them. OK buttons are IDOK (1) and Cancel buttons IDCANCEL (2), so that
// Enter and Escape press them.
namespace quillbat::win32 {

// The main window's children.
inline constexpr int kScoreboardId = 1000;
inline constexpr int kArticleId = 1001;
inline constexpr int kPanelId = 1002;
// The panel's children.
inline constexpr int kPanelTextId = 1010;
inline constexpr int kCopyButtonId = 1011;
inline constexpr int kSaveButtonId = 1012;
// The scoreboard's labels, in the order of kScoreboardLabels.
inline constexpr int scoreboardLabelId(std::size_t index) {
    return 1100 + static_cast<int>(index);
}
// The About window's System Info button.
inline constexpr int kSystemInfoId = 1200;
// The input box's prompt and text field.
inline constexpr int kPromptId = 1300;
inline constexpr int kInputTextId = 1301;
// The progress window's text and bar.
inline constexpr int kProgressTextId = 1400;
inline constexpr int kProgressBarId = 1401;

}  // namespace quillbat::win32
