// quillbat.exe: the desktop program for Windows.
//   quillbat [--seed N] [BOXSCORE]
//   quillbat --version
//   quillbat --help

#include <windows.h>
// commctrl.h and objbase.h need the types of windows.h.
#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <variant>
#include <vector>

#include "core/phrase_folders.h"
#include "core/version.h"
#include "desktop/desktop_arguments.h"
#include "desktop/desktop_session.h"
#include "system/console.h"
#include "win32/graphics.h"
#include "win32/main_window.h"
#include "win32/splash_window.h"
#include "win32/wide_text.h"

namespace {

// A windowed program has no console of its own: the text (the version, the help) goes to
// standard output when that leads somewhere (a pipe, a file, the console of the program that
// started this one), else into a message box.
void showText(const std::string& text) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out == nullptr || out == INVALID_HANDLE_VALUE ||
        !WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
        MessageBoxW(nullptr, quillbat::win32::wide(text).c_str(), L"Quillbat", MB_OK);
    }
}

}  // namespace

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
                    MB_OK | MB_ICONWARNING);
        return 2;
    }
    const auto& options = std::get<quillbat::DesktopArguments>(parsed);
    switch (options.start) {
        case quillbat::DesktopStart::kPrintVersion:
            showText("quillbat " + std::string(quillbat::programVersion()) + "\n");
            return 0;
        case quillbat::DesktopStart::kPrintHelp:
            showText(quillbat::desktopHelp());
            return 0;
        case quillbat::DesktopStart::kWindows:
            break;
    }
    // Wine and remote sessions may report other dots per inch than the screen has; the log
    // (a debugger, or Wine's +debugstr channel) tells which the windows were laid out for.
    OutputDebugStringW(
        (L"Quillbat: " + std::to_wstring(quillbat::win32::dpiOf(nullptr)) + L" dots per inch\n")
            .c_str());

    // The folder dialog and the shell's opening of files and pages are COM objects; the progress
    // bar is a common control.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    quillbat::DesktopSession session(quillbat::thisProgramsFileLocations(), quillbat::systemEnv(),
                                     options.seed);
    quillbat::win32::MainWindow mainWindow(session);
    quillbat::win32::SplashWindow splash([&] { mainWindow.show(options.boxscore); });
    return quillbat::win32::runMessageLoop();
}
