// The check of the Windows desktop program, run under Wine: starts quillbat.exe as a user
// would and drives its windows through window messages only, comparing what they show with
// the game record and with what quillbat-cli.exe wrote for the same boxscore.
//   quillbat_desktop_check PROGRAMS EXPECTED WORK BOXSCORE...
// PROGRAMS holds quillbat.exe and the phrase files. EXPECTED holds, for each NAME.box, the
// output of quillbat-cli.exe --seed 7 NAME.box as NAME.article and the file its --save wrote
// as NAME.txt. Every program runs in a folder of its own under WORK, so that settings files do
// not mix. Ends with "Desktop: N passed, M failed"; exits 1 on a failure.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "app/boxscore_file.h"
#include "app/default_team.h"
#include "app/desktop_arguments.h"
#include "app/desktop_menu.h"
#include "app/file_system.h"
#include "app/load_game.h"
#include "app/text_encoding.h"
#include "app/window_design.h"
#include "boxscore/input_error.h"
#include "win32/control_ids.h"
#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

namespace fs = std::filesystem;

// How long a window may take to appear or a program to end: a bound for a busy machine, not a
// measure of speed.
constexpr DWORD kPatience = 60000;
constexpr std::wstring_view kProgramWindowClass = L"QuillbatWindow";
constexpr std::wstring_view kMessageBoxClass = L"#32770";
// The text of a message box is its control 0xFFFF.
constexpr int kMessageTextId = 0xFFFF;

int passed = 0;
int failed = 0;

void check(bool ok, const std::string& what, const std::string& detail = {}) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAILED: %s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
}

void expectEqual(const std::string& what, const std::string& expected, const std::string& actual) {
    check(expected == actual, what, "expected \"" + expected + "\", got \"" + actual + "\"");
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Lets the driver's own window (the clipboard's owner) answer what other programs send it, then
// waits a moment: the pause between two looks at another program's windows.
void pause() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// Looks until done() holds, for at most kPatience; tells whether it did.
bool waitUntil(const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + kPatience;
    while (!done()) {
        if (GetTickCount64() > end) {
            return false;
        }
        pause();
    }
    return true;
}

// A window's text, asked for by WM_GETTEXT.
std::string textOf(HWND window) {
    DWORD_PTR length = 0;
    if (window == nullptr ||
        !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kPatience, &length)) {
        return "<no window>";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, kPatience, &copied);
    text.resize(copied);
    return utf8(text);
}

// Presses a button as a click would, and waits until its program has handled the click.
void press(HWND button) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, kPatience, &result);
}

// The visible top-level window of a process with the class and title given, once it shows.
HWND waitForWindow(DWORD process, std::wstring_view windowClass, std::string_view title) {
    struct Search {
        DWORD process;
        std::wstring_view windowClass;
        std::string_view title;
        HWND found = nullptr;
    } search{process, windowClass, title};
    waitUntil([&search] {
        EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto& wanted = *reinterpret_cast<Search*>(parameter);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                wchar_t name[64] = {};
                GetClassNameW(window, name, 64);
                if (owner == wanted.process && IsWindowVisible(window) &&
                    wanted.windowClass == name && textOf(window) == wanted.title) {
                    wanted.found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

// The clipboard's Unicode text, read and written through a window of the driver's own.
class Clipboard {
  public:
    Clipboard()
        : owner_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr)) {}

    std::string text() const {
        std::string text = "<no text>";
        if (open()) {
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                text = utf8(static_cast<const wchar_t*>(GlobalLock(data)));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return text;
    }

    void set(const std::string& text) const {
        const std::wstring wideText = wide(text);
        const std::size_t bytes = (wideText.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(memory), wideText.c_str(), bytes);
        GlobalUnlock(memory);
        if (open()) {
            EmptyClipboard();
            SetClipboardData(CF_UNICODETEXT, memory);
            CloseClipboard();
        }
    }

  private:
    // The program under check may hold the clipboard for a moment.
    bool open() const {
        return waitUntil([this] { return OpenClipboard(owner_) != FALSE; });
    }

    HWND owner_;
};

// A run of a program, ended when it is still running at the end of the check.
class Program {
  public:
    Program(const fs::path& folder, const std::vector<std::wstring>& arguments) {
        std::wstring commandLine = L"\"" + (folder / "quillbat.exe").wstring() + L"\"";
        for (const std::wstring& argument : arguments) {
            commandLine += L" \"" + argument + L"\"";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.wstring().c_str(), &startup, &process_)) {
            process_ = {};
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 1);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    HWND waitForWindow(std::wstring_view windowClass, std::string_view title) const {
        return win32::waitForWindow(process_.dwProcessId, windowClass, title);
    }

    // Waits for the program to end; its exit code, or nothing when it did not end.
    std::optional<DWORD> exitCode() const {
        DWORD code = 0;
        if (process_.hProcess == nullptr ||
            WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process_.hProcess, &code)) {
            return std::nullopt;
        }
        return code;
    }

  private:
    PROCESS_INFORMATION process_{};
};

// A fresh folder under work holding the program and its phrase files.
fs::path programFolder(const fs::path& programs, const fs::path& work, const std::string& name) {
    const fs::path folder = work / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const fs::directory_entry& file : fs::directory_iterator(programs)) {
        if (file.path().extension() == ".dat" || file.path().filename() == "quillbat.exe") {
            fs::copy_file(file.path(), folder / file.path().filename());
        }
    }
    return folder;
}

// What the scoreboard's labels show, each followed by "|".
std::string shownScoreboard(HWND main) {
    std::string texts;
    HWND scoreboard = GetDlgItem(main, kScoreboardId);
    for (std::size_t i = 0; i < std::size(kScoreboardLabels); ++i) {
        texts += textOf(GetDlgItem(scoreboard, scoreboardLabelId(i))) + "|";
    }
    return texts;
}

// What they should show for values, or their captions when nothing was loaded.
std::string expectedScoreboard(const std::optional<ScoreboardValues>& values) {
    std::string texts;
    for (const ScoreboardLabel& label : kScoreboardLabels) {
        std::optional<std::string> text;
        if (values) {
            text = scoreboardText(*values, label.field);
        }
        texts += text.value_or(std::string(label.design.caption)) + "|";
    }
    return texts;
}

HWND panelButton(HWND main, int id) {
    return GetDlgItem(GetDlgItem(main, kPanelId), id);
}

void chooseMenu(HWND main, MenuCommand command) {
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void checkExit(const Program& program, HWND main, const std::string& name) {
    chooseMenu(main, MenuCommand::Exit);
    const std::optional<DWORD> code = program.exitCode();
    check(code == 0u, name + ": Exit ends the program with status 0");
}

void checkSmallWindow(const Program& program, HWND main, MenuCommand command,
                      std::string_view title, const std::string& name) {
    chooseMenu(main, command);
    HWND window = program.waitForWindow(kProgramWindowClass, title);
    press(GetDlgItem(window, IDOK));
    check(window != nullptr && waitUntil([window] { return !IsWindow(window); }),
          name + ": " + std::string(title) + " opens and closes with OK");
}

// A boxscore loaded from the command line: the scoreboard, the article box, the clipboard,
// Copy To Clipboard, Save To File, About, Instructions and Exit.
void checkGame(const fs::path& programs, const fs::path& expected, const fs::path& work,
               const fs::path& boxscore, const Clipboard& clipboard) {
    const std::string name = boxscore.stem().string();
    const fs::path folder = programFolder(programs, work, name);
    const fs::path copy = folder / boxscore.filename();
    fs::copy_file(boxscore, copy);
    clipboard.set("before " + name);
    Program program(folder, {L"--seed", L"7", copy.wstring()});
    HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    HWND article = GetDlgItem(main, kArticleId);
    check(main != nullptr && waitUntil([article] { return !textOf(article).empty(); }),
          name + ": the game loads");
    if (main == nullptr) {
        return;
    }
    // Answered once the load, clipboard included, is done.
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, nullptr);

    const ScoreboardValues values = scoreboardValues(readBoxscoreFile(pathToUtf8(copy)).record);
    expectEqual(name + ": scoreboard", expectedScoreboard(values), shownScoreboard(main));
    std::string printed = readFile(expected / (name + ".article"));
    if (printed.ends_with('\n')) {
        printed.pop_back();
    }
    const std::string shown = displayText(printed);
    expectEqual(name + ": article box", shown, textOf(article));
    expectEqual(name + ": clipboard after the load", shown, clipboard.text());
    clipboard.set("between");
    press(panelButton(main, kCopyButtonId));
    expectEqual(name + ": Copy To Clipboard", shown, clipboard.text());
    press(panelButton(main, kSaveButtonId));
    expectEqual(name + ": Save To File", readFile(expected / (name + ".txt")),
                readFile(folder / (name + ".txt")));
    checkSmallWindow(program, main, MenuCommand::About, kAboutTitle, name);
    checkSmallWindow(program, main, MenuCommand::Instructions, kInstructionsTitle, name);
    checkExit(program, main, name);
}

// A refused boxscore: its message, and nothing changed (article box, scoreboard, clipboard,
// path.dat).
void checkRefusal(const fs::path& programs, const fs::path& work, const std::string& name,
                  const std::string& content, const Clipboard& clipboard) {
    const fs::path folder = programFolder(programs, work, name);
    const std::string rememberedFolder = "\"C:\\Before\"\r\n";
    writeFile(folder / "team.dat", "-1\r\n");
    writeFile(folder / "path.dat", rememberedFolder);
    const fs::path boxscore = folder / (name + ".box");
    writeFile(boxscore, content);
    std::string refusal = "<not refused>";
    try {
        readBoxscoreFile(pathToUtf8(boxscore));
    } catch (const InputError& error) {
        refusal = displayText(error.what());
    }
    clipboard.set("before " + name);
    Program program(folder, {L"--seed", L"7", boxscore.wstring()});

    HWND message = program.waitForWindow(kMessageBoxClass, kLoadBoxscoreTitle);
    expectEqual(name + ": message", refusal, textOf(GetDlgItem(message, kMessageTextId)));
    press(GetDlgItem(message, IDOK));
    HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    expectEqual(name + ": article box unchanged", "", textOf(GetDlgItem(main, kArticleId)));
    expectEqual(name + ": scoreboard unchanged", expectedScoreboard(std::nullopt),
                shownScoreboard(main));
    expectEqual(name + ": clipboard unchanged", "before " + name, clipboard.text());
    expectEqual(name + ": path.dat unchanged", rememberedFolder, readFile(folder / "path.dat"));
    checkExit(program, main, name);
}

// Default Team and the Open dialog it narrows; then an About window that outlives Exit, and the
// program ends when it is closed too.
void checkDialogsAndLastWindow(const fs::path& programs, const fs::path& work) {
    const fs::path folder = programFolder(programs, work, "dialogs");
    Program program(folder, {});
    HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    chooseMenu(main, MenuCommand::DefaultTeam);
    HWND input = program.waitForWindow(kProgramWindowClass, kDefaultTeamTitle);
    expectEqual("Default Team: preset", "-1", textOf(GetDlgItem(input, kInputTextId)));
    SendMessageTimeoutW(GetDlgItem(input, kInputTextId), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(L"5"), SMTO_NORMAL, kPatience, nullptr);
    press(GetDlgItem(input, IDOK));
    check(waitUntil([&folder] { return readFile(folder / "team.dat") == "5\r\n"; }),
          "Default Team: team.dat holds the number typed");

    chooseMenu(main, MenuCommand::LoadBoxscore);
    HWND open = program.waitForWindow(kMessageBoxClass, "Open");
    // The dialog's list of file types is its control cmb1.
    expectEqual("Open dialog: filter of the default team", "Boxscores (*050.box *051.box *052.box)",
                textOf(GetDlgItem(open, 0x470)));
    press(GetDlgItem(open, IDCANCEL));

    chooseMenu(main, MenuCommand::About);
    HWND about = program.waitForWindow(kProgramWindowClass, kAboutTitle);
    chooseMenu(main, MenuCommand::Exit);
    check(waitUntil([main] { return !IsWindow(main); }) && IsWindow(about),
          "Exit closes the main window, About stays open");
    press(GetDlgItem(about, IDOK));
    check(program.exitCode() == 0u, "closing the last window ends the program");
}

// Arguments the program cannot use: one message box, exit status 2.
void checkBadArguments(const fs::path& programs, const fs::path& work) {
    const fs::path folder = programFolder(programs, work, "bad-arguments");
    Program program(folder, {L"--seed", L"x"});
    const auto parsed = parseDesktopArguments({"--seed", "x"});
    HWND message = program.waitForWindow(kMessageBoxClass, "Quillbat");
    expectEqual("bad arguments: message", std::get<DesktopUsageError>(parsed).message,
                textOf(GetDlgItem(message, kMessageTextId)));
    press(GetDlgItem(message, IDOK));
    check(program.exitCode() == 2u, "bad arguments: exit status 2");
}

}  // namespace
}  // namespace quillbat::win32

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: quillbat_desktop_check PROGRAMS EXPECTED WORK BOXSCORE...\n");
        return 2;
    }
    namespace fs = std::filesystem;
    using namespace quillbat::win32;
    const fs::path programs = fs::absolute(argv[1]);
    const fs::path expected = fs::absolute(argv[2]);
    const fs::path work = fs::absolute(argv[3]);
    const Clipboard clipboard;
    for (int i = 4; i < argc; ++i) {
        checkGame(programs, expected, work, fs::absolute(argv[i]), clipboard);
    }
    checkRefusal(programs, work, "empty", "", clipboard);
    checkRefusal(programs, work, "not-a-boxscore", "not a boxscore\r\n", clipboard);
    checkDialogsAndLastWindow(programs, work);
    checkBadArguments(programs, work);
    std::printf("Desktop: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
