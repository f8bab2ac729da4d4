#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The folder dialog of Windows, as League Paper asks for a folder of boxscores.
namespace quillbat::win32 {

// Shows the system's dialog for choosing a folder over owner with title, opened in startFolder
// (UTF-8) when it exists, and waits for the user. Returns the chosen folder's full name (UTF-8),
// or nothing on Cancel or when the dialog cannot be shown. COM must be started on this thread.
std::optional<std::string> chooseFolder(HWND owner, std::string_view title,
                                        const std::string& startFolder);

}  // namespace quillbat::win32
