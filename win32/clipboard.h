#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The Windows clipboard.
namespace quillbat::win32 {

// Empties the clipboard and puts text on it as Unicode text (a lone "\n" written as CR LF, as
// Windows programs expect), and htmlFragment too when one is given, as "HTML Format", which
// word processors and mail programs paste as formatted text. Returns false, changing nothing,
// when another program holds the clipboard.
bool putOnClipboard(HWND owner, std::string_view text,
                    const std::optional<std::string>& htmlFragment = std::nullopt);

// An HTML fragment (UTF-8) in the clipboard's "HTML Format": a header giving the byte offsets
// of the document and of the fragment, then the fragment inside a minimal document.
std::string clipboardHtml(std::string_view fragment);

}  // namespace quillbat::win32
