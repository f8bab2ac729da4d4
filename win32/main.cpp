// quillbat.exe: the desktop program for Windows.
//   quillbat [--seed N] [BOXSCORE]

#include <windows.h>

#include <string>
#include <variant>
#include <vector>

#include "app/console.h"
#include "app/desktop_arguments.h"
#include "app/desktop_session.h"
#include "app/file_system.h"
#include "win32/graphics.h"
#include "win32/main_window.h"
#include "win32/splash_window.h"
#include "win32/wide_text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The arguments come from the wide-character command line, whatever the code page.
    quillbat::Utf8Arguments arguments(0, nullptr);
    std::vector<std::string> given;
    for (int i = 1; i < arguments.count(); ++i) {
        given.emplace_back(arguments.values()[i]);
    }
    auto parsed = quillbat::parseDesktopArguments(given);
    if (auto* error = std::get_if<quillbat::DesktopUsageError>(&parsed)) {
        MessageBoxW(nullptr, quillbat::win32::wide(error->message).c_str(), L"Quillbat",
                    MB_OK | MB_ICONERROR);
        return 2;
    }
    const auto& options = std::get<quillbat::DesktopArguments>(parsed);
    // Wine and remote sessions may report other dots per inch than the screen has; the log
    // (a debugger, or Wine's +debugstr channel) tells which the windows were laid out for.
    OutputDebugStringW(
        (L"Quillbat: " + std::to_wstring(quillbat::win32::dpiOf(nullptr)) + L" dots per inch\n")
            .c_str());

    const std::filesystem::path folder = quillbat::programFolder();
    quillbat::DesktopSession session(folder, folder, quillbat::systemEnv(), options.seed);
    quillbat::win32::MainWindow mainWindow(session);
    quillbat::win32::SplashWindow splash([&] { mainWindow.show(options.boxscore); });
    return quillbat::win32::runMessageLoop();
}
