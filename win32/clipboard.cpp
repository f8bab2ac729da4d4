#include "win32/clipboard.h"

#include <cstdio>
#include <cstring>

#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            out += '\r';
        }
        out += text[i];
    }
    return out;
}

// Hands a copy of bytes to the clipboard under format; the clipboard then owns the memory.
void setClipboardBytes(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
    }
}

}  // namespace

std::string clipboardHtml(std::string_view fragment) {
    // The header has a fixed length, since each offset is written with ten digits.
    constexpr const char* kHeader =
        "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\nStartFragment:%010zu\r\n"
        "EndFragment:%010zu\r\n";
    constexpr std::string_view kBefore = "<html><body>\r\n<!--StartFragment-->";
    constexpr std::string_view kAfter = "<!--EndFragment-->\r\n</body></html>";
    const std::size_t headerSize = static_cast<std::size_t>(std::snprintf(
        nullptr, 0, kHeader, std::size_t{0}, std::size_t{0}, std::size_t{0}, std::size_t{0}));
    const std::size_t startFragment = headerSize + kBefore.size();
    const std::size_t endFragment = startFragment + fragment.size();
    const std::size_t endHtml = endFragment + kAfter.size();
    std::string header(headerSize + 1, '\0');
    std::snprintf(header.data(), header.size(), kHeader, headerSize, endHtml, startFragment,
                  endFragment);
    header.pop_back();
    return header + std::string(kBefore) + std::string(fragment) + std::string(kAfter);
}

bool putOnClipboard(HWND owner, std::string_view text,
                    const std::optional<std::string>& htmlFragment) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    const std::wstring unicode = wide(withCrLf(text));
    setClipboardBytes(CF_UNICODETEXT, unicode.c_str(), (unicode.size() + 1) * sizeof(wchar_t));
    if (htmlFragment) {
        static const UINT kHtmlFormat = RegisterClipboardFormatW(L"HTML Format");
        const std::string html = clipboardHtml(*htmlFragment);
        setClipboardBytes(kHtmlFormat, html.c_str(), html.size() + 1);
    }
    CloseClipboard();
    return true;
}

}  // namespace quillbat::win32
