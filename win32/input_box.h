#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// A one-line text input box, as the Default Team command asks for its number.
namespace quillbat::win32 {

// Shows an input box over owner with title, a prompt that wraps, the preset text selected, OK
// and Cancel, and waits for the user; owner takes no input meanwhile. Returns the typed text
// (UTF-8), or nothing on Cancel or when the box is closed.
std::optional<std::string> askText(HWND owner, std::string_view title, std::string_view prompt,
                                   std::string_view preset);

}  // namespace quillbat::win32
