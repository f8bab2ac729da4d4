// The check of the Windows desktop program, run under Wine: starts quillbat.exe as a user
// would and drives its windows through window messages only, every command chosen in its menu
// with the keyboard, comparing what they show with the game record and with what
// quillbat-cli.exe wrote for the same boxscore.
//   quillbat_desktop_check PROGRAMS EXPECTED WORK BROWSED BOXSCORE...
// PROGRAMS holds quillbat.exe, the phrase files and paper.css. EXPECTED holds, for each
// NAME.box, the output of quillbat-cli.exe --seed 7 NAME.box as NAME.article, the file its
// --save wrote as NAME.txt, its output with --format F as NAME.F (bbcode, markdown, html), with
// --names newspaper as NAME.newspaper and with --story as NAME.story; and in EXPECTED/paper the
// league paper that quillbat-cli.exe --paper --seed 7 wrote of all the boxscores. BROWSED is
// the file where the browser Wine starts notes the page it was asked to show. Every program runs in
// a folder of its own under WORK, so that settings files do not mix. Ends with "Desktop: N passed,
// M failed"; exits 1 on a failure.

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "boxscore/input_error.h"
#include "core/boxscore_file.h"
#include "core/load_game.h"
#include "core/text_encoding.h"
#include "core/version.h"
#include "desktop/desktop_arguments.h"
#include "desktop/desktop_menu.h"
#include "desktop/window_design.h"
#include "system/env.h"
#include "system/file_system.h"
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
constexpr std::wstring_view kPopupMenuClass = L"#32768";
// The text of a message box is its control 0xFFFF; the Open dialog's file name is its cmb13.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kFileNameId = 0x47C;

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

// An article quillbat-cli printed, as the article box shows it.
std::string shownArticle(const fs::path& printed) {
    std::string article = readFile(printed);
    if (article.ends_with('\n')) {
        article.pop_back();
    }
    return displayText(article);
}

// Text as the clipboard holds it: every line ended by CR LF.
std::string withCrLf(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
        text.insert(at, 1, '\r');
    }
    return text;
}

// The fragment that an "HTML Format" text encloses between the offsets its header gives.
std::string htmlFragment(const std::string& html) {
    std::size_t start = 0;
    std::size_t end = 0;
    std::sscanf(html.c_str(),
                "Version:%*s StartHTML:%*u EndHTML:%*u StartFragment:%zu EndFragment:%zu", &start,
                &end);
    return start <= end && end <= html.size() ? html.substr(start, end - start) : "<bad offsets>";
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

// Replaces the text of a text field, as typing over it would.
void typeText(HWND field, const std::string& text) {
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(text).c_str()),
                        SMTO_NORMAL, kPatience, nullptr);
}

// The visible top-level window with the title given whose program ownerFits, of the class given
// (any for an empty one), once it shows.
HWND waitForWindow(const std::function<bool(DWORD)>& ownerFits, std::wstring_view windowClass,
                   std::string_view title) {
    HWND found = nullptr;
    const auto look = [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (ownerFits(owner) && IsWindowVisible(window) &&
            (windowClass.empty() || windowClass == name) && textOf(window) == title) {
            found = window;
        }
        return found == nullptr;
    };
    using Look = decltype(look);
    waitUntil([&] {
        EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                return (*reinterpret_cast<const Look*>(parameter))(window) ? TRUE : FALSE;
            },
            reinterpret_cast<LPARAM>(&look));
        return found != nullptr;
    });
    return found;
}

// The clipboard's Unicode text, read and written through a window of the driver's own.
class Clipboard {
  public:
    Clipboard()
        : owner_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr)) {}

    std::string text() const { return data(CF_UNICODETEXT); }

    // The data in format: Unicode text as UTF-8, another format as its bytes up to the first
    // null character.
    std::string data(UINT format) const {
        std::string data = "<no data>";
        if (open()) {
            if (HANDLE handle = GetClipboardData(format)) {
                const auto* bytes = static_cast<const char*>(GlobalLock(handle));
                data = format == CF_UNICODETEXT
                           ? utf8(reinterpret_cast<const wchar_t*>(bytes))
                           : std::string(bytes, strnlen(bytes, GlobalSize(handle)));
                GlobalUnlock(handle);
            }
            CloseClipboard();
        }
        return data;
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

    DWORD id() const { return process_.dwProcessId; }

    HWND waitForWindow(std::wstring_view windowClass, std::string_view title) const {
        const DWORD process = process_.dwProcessId;
        return win32::waitForWindow([process](DWORD owner) { return owner == process; },
                                    windowClass, title);
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
        if (file.path().extension() == ".dat" || file.path().filename() == "paper.css" ||
            file.path().filename() == "quillbat.exe") {
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

// The access key of a menu item's text: the letter after "&", in lower case.
wchar_t accessKey(std::string_view text) {
    return static_cast<wchar_t>(std::tolower(static_cast<unsigned char>(text[text.find('&') + 1])));
}

// The keys that choose command by the menu table: the access key of its item on the menu bar
// and, for an item of a menu, its own.
std::wstring menuKeys(MenuCommand command) {
    for (const MenuItem& item : kMenuBar) {
        if (const auto* menu = std::get_if<std::span<const MenuItem>>(&item.action)) {
            for (const MenuItem& inner : *menu) {
                if (std::get<MenuCommand>(inner.action) == command) {
                    return {accessKey(item.text), accessKey(inner.text)};
                }
            }
        } else if (std::get<MenuCommand>(item.action) == command) {
            return {accessKey(item.text)};
        }
    }
    return {};
}

// Chooses command in the program's own menu as a user does with the keyboard: Alt and the
// access key of its menu, then the access key of the item. Wine keeps a menu's items in the
// program that made it, out of another program's reach, so the driver cannot read the
// identifiers there; going through the menu instead, a row missing from it is never chosen, and
// what the check expects of the command does not happen.
void chooseMenu(const Program& program, HWND main, MenuCommand command) {
    const std::wstring keys = menuKeys(command);
    PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, keys[0]);
    if (keys.size() > 1) {
        program.waitForWindow(kPopupMenuClass, "");
        PostMessageW(main, WM_CHAR, keys[1], 0);
    }
}

// Waits until actual() gives expected, for at most kPatience (a command chosen in the menu runs
// when the program gets to it), then compares them.
void expectSoon(const std::string& what, const std::string& expected,
                const std::function<std::string()>& actual) {
    std::string seen;
    waitUntil([&] { return (seen = actual()) == expected; });
    expectEqual(what, expected, seen);
}

// Waits until the main window shows an article; tells whether it does.
bool waitForArticle(HWND main) {
    HWND article = GetDlgItem(main, kArticleId);
    const bool shown = waitUntil([article] { return !textOf(article).empty(); });
    // Answered once the load, clipboard included, is done.
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, nullptr);
    return shown;
}

// How the items of a popup menu look on the screen, one character each: '-' greyed, 'o' drawn in
// the text colour (it can be chosen), 'v' that and a check mark left of its text, ' ' not drawn
// yet. Each item has an equal share of the height, read in its middle half only: away from the
// frame and from the highlight of the item next to it.
std::string menuLook(HWND popup, std::size_t items) {
    RECT area{};
    GetWindowRect(popup, &area);
    const std::ptrdiff_t checkColumn = GetSystemMetrics(SM_CXMENUCHECK);
    HDC screen = GetDC(nullptr);
    std::string look(items, ' ');
    for (int y = area.top; y < area.bottom; ++y) {
        const auto quarter = 4 * items * static_cast<std::size_t>(y - area.top) /
                             static_cast<std::size_t>(area.bottom - area.top);
        if (quarter % 4 == 0 || quarter % 4 == 3) {
            continue;
        }
        std::vector<COLORREF> line;
        for (int x = area.left; x < area.right; ++x) {
            line.push_back(GetPixel(screen, x, y));
        }
        // The item the keyboard selected is drawn in the highlight's colours.
        const bool selected = std::ranges::count(line, GetSysColor(COLOR_HIGHLIGHT)) > 0;
        const COLORREF background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
        const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        const auto first = std::ranges::find(line, background);
        const auto last = std::find(line.rbegin(), line.rend(), background).base();
        for (auto pixel = first; pixel < last; ++pixel) {
            const char seen = *pixel == text         ? (pixel - first < checkColumn ? 'v' : 'o')
                              : *pixel != background ? '-'
                                                     : ' ';
            look[quarter / 4] = std::max(look[quarter / 4], seen);
        }
    }
    ReleaseDC(nullptr, screen);
    return look;
}

// Opens the menu with that access key as Alt and the key do, tells how its items look
// (menuLook), and closes it. Wine keeps a menu's items in the program that made it, out of
// another program's reach: the driver looks at the menu as a user does.
std::string lookAtMenu(const Program& program, HWND main, wchar_t key, std::size_t items) {
    PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, key);
    HWND popup = program.waitForWindow(kPopupMenuClass, "");
    std::string look = "<no menu>";
    waitUntil([&] {
        return popup == nullptr || (look = menuLook(popup, items)).find(' ') == std::string::npos;
    });
    // The first Escape closes the menu, the second leaves the menu bar.
    PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
    waitUntil([popup] { return !IsWindowVisible(popup); });
    return look;
}

// How the Options menu looks (see menuLook).
std::string lookAtOptions(const Program& program, HWND main) {
    return lookAtMenu(program, main, L'o', std::size(kOptionsMenu));
}

void checkExit(const Program& program, HWND main, const std::string& name) {
    chooseMenu(program, main, MenuCommand::Exit);
    const std::optional<DWORD> code = program.exitCode();
    check(code == 0u, name + ": Exit ends the program with status 0");
}

void checkSmallWindow(const Program& program, HWND main, MenuCommand command,
                      std::string_view title, const std::string& name) {
    chooseMenu(program, main, command);
    HWND window = program.waitForWindow(kProgramWindowClass, title);
    press(GetDlgItem(window, IDOK));
    check(window != nullptr && waitUntil([window] { return !IsWindow(window); }),
          name + ": " + std::string(title) + " opens and closes with OK");
}

// Copy As of a loaded game: each rendering is what quillbat-cli --format prints (on the
// clipboard with CR LF), HTML also as "HTML Format"; then, after an edit typed into the article
// box, Plain Text is the box's text and BBCode renders it.
void checkCopyAs(const Program& program, HWND main, const fs::path& expected,
                 const std::string& name, const std::string& shown, const Clipboard& clipboard) {
    const auto printed = [&](const std::string& format) {
        return displayText(readFile(expected / (name + "." + format)));
    };
    constexpr std::pair<MenuCommand, const char*> kRenderings[] = {
        {MenuCommand::CopyAsBbcode, "bbcode"},
        {MenuCommand::CopyAsMarkdown, "markdown"},
        {MenuCommand::CopyAsHtml, "html"}};
    const auto onClipboard = [&clipboard] { return clipboard.text(); };
    for (const auto& [command, format] : kRenderings) {
        chooseMenu(program, main, command);
        expectSoon(name + ": Copy As " + format, withCrLf(printed(format)), onClipboard);
    }
    static const UINT kHtmlFormat = RegisterClipboardFormatW(L"HTML Format");
    expectEqual(name + ": Copy As HTML as HTML Format", printed("html"),
                htmlFragment(clipboard.data(kHtmlFormat)));
    const std::string typed = "The crowd went home happy. ";
    typeText(GetDlgItem(main, kArticleId), typed + shown);
    chooseMenu(program, main, MenuCommand::CopyAsText);
    expectSoon(name + ": Copy As Plain Text", withCrLf(typed + shown), onClipboard);
    chooseMenu(program, main, MenuCommand::CopyAsBbcode);
    std::string edited = printed("bbcode");
    // The article is the rendering's last line.
    edited.insert(edited.size() < 2 ? 0 : edited.rfind('\n', edited.size() - 2) + 1, typed);
    expectSoon(name + ": Copy As keeps the edit", withCrLf(edited), onClipboard);
}

// A boxscore loaded from the command line: the scoreboard, the article box, the clipboard,
// Copy To Clipboard, Save To File, Copy As, About, Instructions and Exit.
void checkGame(const fs::path& programs, const fs::path& expected, const fs::path& work,
               const fs::path& boxscore, const Clipboard& clipboard) {
    const std::string name = boxscore.stem().string();
    const fs::path folder = programFolder(programs, work, name);
    const fs::path copy = folder / boxscore.filename();
    fs::copy_file(boxscore, copy);
    clipboard.set("before " + name);
    Program program(folder, {L"--seed", L"7", copy.wstring()});
    HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    check(main != nullptr && waitForArticle(main), name + ": the game loads");
    if (main == nullptr) {
        return;
    }

    const ScoreboardValues values =
        scoreboardValues(readBoxscoreFile(systemEnv(), pathToUtf8(copy)).record);
    expectEqual(name + ": scoreboard", expectedScoreboard(values), shownScoreboard(main));
    const std::string shown = shownArticle(expected / (name + ".article"));
    expectEqual(name + ": article box", shown, textOf(GetDlgItem(main, kArticleId)));
    expectEqual(name + ": clipboard after the load", shown, clipboard.text());
    clipboard.set("between");
    press(panelButton(main, kCopyButtonId));
    expectEqual(name + ": Copy To Clipboard", shown, clipboard.text());
    press(panelButton(main, kSaveButtonId));
    expectEqual(name + ": Save To File", readFile(expected / (name + ".txt")),
                readFile(folder / (name + ".txt")));
    checkCopyAs(program, main, expected, name, shown, clipboard);
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
        readBoxscoreFile(systemEnv(), pathToUtf8(boxscore));
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

// Load Boxscore with the file's full name typed into the Open dialog; tells whether the article
// shows.
bool loadThroughOpenDialog(const Program& program, HWND main, const fs::path& boxscore) {
    chooseMenu(program, main, MenuCommand::LoadBoxscore);
    HWND open = program.waitForWindow(kMessageBoxClass, "Open");
    typeText(GetDlgItem(open, kFileNameId), pathToUtf8(boxscore));
    press(GetDlgItem(open, IDOK));
    return waitForArticle(main);
}

// A setting of the Options menu, its message, the settings file that remembers it and the check
// marks of the menu once it is on.
struct SettingSwitch {
    MenuCommand command;
    std::string_view title;
    std::string_view message;
    std::string fileName;
    std::string remembered;
    std::string optionsChecked;
};

// The setting chosen in the menu of a program started with --seed 7 before any load: it says
// from when it applies, is written to its file and shows its check mark (before a load every
// Copy As item is grey); the next load is article, what quillbat-cli prints with the setting, and
// Copy As can be chosen; a new start keeps the check mark and the article.
void checkSetting(const fs::path& programs, const fs::path& work, const fs::path& boxscore,
                  const SettingSwitch& setting, const std::string& article) {
    const std::string title(setting.title);
    const std::string name = boxscore.stem().string();
    const fs::path folder =
        programFolder(programs, work, fs::path(setting.fileName).stem().string());
    const fs::path copy = folder / boxscore.filename();
    fs::copy_file(boxscore, copy);
    {
        Program program(folder, {L"--seed", L"7"});
        HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
        expectEqual(title + ", before a load: Copy As", "----", lookAtMenu(program, main, L'a', 4));
        expectEqual(title + ", before a load: Options", "ooo", lookAtOptions(program, main));
        chooseMenu(program, main, setting.command);
        HWND message = program.waitForWindow(kMessageBoxClass, setting.title);
        expectEqual(title + ": message", std::string(setting.message),
                    textOf(GetDlgItem(message, kMessageTextId)));
        press(GetDlgItem(message, IDOK));
        expectSoon(title + ": " + setting.fileName, setting.remembered,
                   [&] { return readFile(folder / setting.fileName); });
        expectEqual(title + " chosen: Options", setting.optionsChecked,
                    lookAtOptions(program, main));
        check(loadThroughOpenDialog(program, main, copy), name + ": loaded in the Open dialog");
        expectEqual(title + ": the next load of " + name, article,
                    textOf(GetDlgItem(main, kArticleId)));
        expectEqual(title + ", after a load: Copy As", "oooo", lookAtMenu(program, main, L'a', 4));
        checkExit(program, main, title);
    }
    Program again(folder, {L"--seed", L"7", copy.wstring()});
    HWND main = again.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    waitForArticle(main);
    expectEqual(title + " after a new start: Options", setting.optionsChecked,
                lookAtOptions(again, main));
    expectEqual(title + ": " + name + " after a new start", article,
                textOf(GetDlgItem(main, kArticleId)));
    checkExit(again, main, title + " after a new start");
}

// Newspaper Names with the first boxscore, whose names it changes; Game Story with the first
// boxscore whose play-by-play tells how its game was won (quillbat-cli --story prints an
// article of its own for it).
void checkSettings(const fs::path& programs, const fs::path& expected, const fs::path& work,
                   const std::vector<fs::path>& boxscores) {
    const auto article = [&expected](const fs::path& boxscore, const char* kind) {
        return shownArticle(expected / (boxscore.stem().string() + kind));
    };
    const fs::path& first = boxscores.front();
    check(article(first, ".newspaper") != article(first, ".article"),
          "Newspaper Names changes names in " + first.stem().string());
    checkSetting(programs, work, first,
                 {MenuCommand::NewspaperNames, kNewspaperNamesTitle, kNewspaperNamesOn, "names.dat",
                  "newspaper\r\n", "voo"},
                 article(first, ".newspaper"));
    const auto told = std::ranges::find_if(boxscores, [&article](const fs::path& boxscore) {
        const std::string story = article(boxscore, ".story");
        return !story.empty() && story != article(boxscore, ".article");
    });
    check(told != boxscores.end(), "Game Story: a boxscore whose play-by-play tells the story");
    if (told != boxscores.end()) {
        checkSetting(programs, work, *told,
                     {MenuCommand::GameStory, kGameStoryTitle, kGameStoryOn, "gamestory.dat",
                      "on\r\n", "ovo"},
                     article(*told, ".story"));
    }
}

// Default Team and the Open dialog it narrows; then an About window that outlives Exit, and the
// program ends when it is closed too.
void checkDialogsAndLastWindow(const fs::path& programs, const fs::path& work) {
    const fs::path folder = programFolder(programs, work, "dialogs");
    Program program(folder, {});
    HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    chooseMenu(program, main, MenuCommand::DefaultTeam);
    HWND input = program.waitForWindow(kProgramWindowClass, kDefaultTeamTitle);
    expectEqual("Default Team: preset", "-1", textOf(GetDlgItem(input, kInputTextId)));
    typeText(GetDlgItem(input, kInputTextId), "5");
    press(GetDlgItem(input, IDOK));
    check(waitUntil([&folder] { return readFile(folder / "team.dat") == "5\r\n"; }),
          "Default Team: team.dat holds the number typed");

    chooseMenu(program, main, MenuCommand::LoadBoxscore);
    HWND open = program.waitForWindow(kMessageBoxClass, "Open");
    // The dialog's list of file types is its control cmb1.
    expectEqual("Open dialog: filter of the default team", "Boxscores (*050.box *051.box *052.box)",
                textOf(GetDlgItem(open, 0x470)));
    press(GetDlgItem(open, IDCANCEL));

    chooseMenu(program, main, MenuCommand::About);
    HWND about = program.waitForWindow(kProgramWindowClass, kAboutTitle);
    chooseMenu(program, main, MenuCommand::Exit);
    check(waitUntil([main] { return !IsWindow(main); }) && IsWindow(about),
          "Exit closes the main window, About stays open");
    press(GetDlgItem(about, IDOK));
    check(program.exitCode() == 0u, "closing the last window ends the program");
}

// Options > Open Phrase Folder of a copy that keeps its files beside itself: the file manager
// shows the program's own folder, the phrase files there being the ones it writes from.
void checkOpenPhraseFolder(const fs::path& programs, const fs::path& work) {
    const fs::path folder = programFolder(programs, work, "phrase-folder");
    Program program(folder, {});
    HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    chooseMenu(program, main, MenuCommand::OpenPhraseFolder);
    // The file manager is a program of its own.
    const DWORD checked = program.id();
    HWND shown = waitForWindow(
        [checked](DWORD owner) { return owner != checked && owner != GetCurrentProcessId(); }, {},
        folder.filename().string());
    check(shown != nullptr, "Open Phrase Folder shows the phrase folder in the file manager");
    if (shown != nullptr) {
        PostMessageW(shown, WM_CLOSE, 0, 0);
    }
    checkExit(program, main, "Open Phrase Folder");
}

// What the program prints for arguments and its exit code, its standard output a pipe; nothing
// when it could not be started or did not end.
std::optional<std::pair<std::string, DWORD>> printedBy(const fs::path& folder,
                                                       const std::wstring& argument) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    if (!CreatePipe(&reading, &writing, &inherited, 0)) {
        return std::nullopt;
    }
    SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
    std::wstring commandLine = L"\"" + (folder / "quillbat.exe").wstring() + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writing;
    startup.hStdError = writing;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, folder.wstring().c_str(), &startup, &process);
    CloseHandle(writing);
    std::string printed;
    char buffer[4096];
    DWORD count = 0;
    while (started && ReadFile(reading, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        printed.append(buffer, count);
    }
    CloseHandle(reading);
    if (!started) {
        return std::nullopt;
    }
    DWORD code = 0;
    const bool ended = WaitForSingleObject(process.hProcess, kPatience) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? std::optional(std::pair(printed, code)) : std::nullopt;
}

// --help and --version print on standard output, when it leads somewhere, and end with 0.
void checkPrintedAnswers(const fs::path& programs, const fs::path& work) {
    const fs::path folder = programFolder(programs, work, "printed");
    const std::pair<std::wstring, std::string> answers[] = {
        {L"--help", desktopHelp()},
        {L"--version", "quillbat " + std::string(programVersion()) + "\n"}};
    for (const auto& [argument, expected] : answers) {
        const auto printed = printedBy(folder, argument);
        expectEqual(utf8(argument) + ": printed", expected, printed ? printed->first : "<none>");
        check(printed && printed->second == 0, utf8(argument) + ": exit status 0");
    }
}

// The first visible control of the class among the window's descendants, or null.
HWND findControl(HWND window, std::wstring_view controlClass) {
    struct Search {
        std::wstring_view controlClass;
        HWND found = nullptr;
    } search{controlClass};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto& looking = *reinterpret_cast<Search*>(parameter);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            if (looking.controlClass == name && IsWindowVisible(child)) {
                looking.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Every control among the window's descendants as "class id text", one a line.
std::string controlsOf(HWND window) {
    std::string controls;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            *reinterpret_cast<std::string*>(parameter) +=
                utf8(name) + " " + std::to_string(GetDlgCtrlID(child)) + " " + textOf(child) +
                (IsWindowVisible(child) ? "" : " (hidden)") + "\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    return controls;
}

// League Paper chosen in the menu with its access key, the folder of every example and a refused
// boxscore typed into the folder dialog: the message names the paper's folder and the refused
// file; the pages are the ones quillbat-cli.exe --paper --seed 7 wrote of the same boxscores
// (EXPECTED/paper, its index listing the refusal under another name), and the index is handed
// to the browser, which BROWSED names.
void checkLeaguePaper(const fs::path& programs, const fs::path& expected, const fs::path& work,
                      const std::vector<fs::path>& boxscores, const fs::path& browsed) {
    const fs::path folder = programFolder(programs, work, "league-paper");
    const fs::path league = folder / "league";
    fs::create_directory(league);
    for (const fs::path& boxscore : boxscores) {
        fs::copy_file(boxscore, league / boxscore.filename());
    }
    writeFile(league / "bad.box", "not a boxscore\r\n");
    fs::remove(browsed);
    Program program(folder, {L"--seed", L"7"});
    HWND main = program.waitForWindow(kProgramWindowClass, kMainWindowTitle);
    chooseMenu(program, main, MenuCommand::LeaguePaper);
    HWND dialog = program.waitForWindow(kMessageBoxClass, kLeaguePaperFolderPrompt);
    HWND field = findControl(dialog, L"Edit");
    check(field != nullptr, "League Paper: the folder dialog has a name field", controlsOf(dialog));
    typeText(field, pathToUtf8(league));
    press(GetDlgItem(dialog, IDOK));

    // Every page of the command-line tool's paper but the index and the style sheet is a day.
    std::size_t days = 0;
    for (const fs::directory_entry& page : fs::directory_iterator(expected / "paper")) {
        days += page.path().stem() != "index" && page.path().stem() != "paper" ? 1U : 0U;
    }
    const std::string opening = paperWrittenText("", days, boxscores.size());
    HWND message = program.waitForWindow(kMessageBoxClass, kLeaguePaperTitle);
    const std::string told = textOf(GetDlgItem(message, kMessageTextId));
    const std::string refusal = "bad.box: has no line score: it is not a boxscore of the game";
    check(told.starts_with(opening.substr(0, opening.size() - 1)) &&
              told.find("\\paper.\n\n" + std::string(kPaperLeftOut) + "\n") != std::string::npos &&
              told.ends_with(refusal),
          "League Paper: the message names the paper's folder and the refused boxscore", told);
    press(GetDlgItem(message, IDOK));

    const fs::path written = league / "paper";
    for (const fs::directory_entry& page : fs::directory_iterator(expected / "paper")) {
        const fs::path name = page.path().filename();
        if (name == "index.html") {
            check(readFile(written / name).find(refusal + "</li>") != std::string::npos,
                  "League Paper: the index lists the refused boxscore");
        } else {
            expectEqual("League Paper: " + name.string(), readFile(page.path()),
                        readFile(written / name));
        }
    }
    check(
        waitUntil([&browsed] { return readFile(browsed).find("index.html") != std::string::npos; }),
        "League Paper: the index opens in the browser", readFile(browsed));
    checkExit(program, main, "League Paper");
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
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: quillbat_desktop_check PROGRAMS EXPECTED WORK BROWSED BOXSCORE...\n");
        return 2;
    }
    namespace fs = std::filesystem;
    using namespace quillbat::win32;
    const fs::path programs = fs::absolute(argv[1]);
    const fs::path expected = fs::absolute(argv[2]);
    const fs::path work = fs::absolute(argv[3]);
    const fs::path browsed = fs::absolute(argv[4]);
    std::vector<fs::path> boxscores;
    for (int i = 5; i < argc; ++i) {
        boxscores.push_back(fs::absolute(argv[i]));
    }
    const Clipboard clipboard;
    for (const fs::path& boxscore : boxscores) {
        checkGame(programs, expected, work, boxscore, clipboard);
    }
    checkSettings(programs, expected, work, boxscores);
    checkLeaguePaper(programs, expected, work, boxscores, browsed);
    checkRefusal(programs, work, "empty", "", clipboard);
    checkRefusal(programs, work, "not-a-boxscore", "not a boxscore\r\n", clipboard);
    checkDialogsAndLastWindow(programs, work);
    checkOpenPhraseFolder(programs, work);
    checkBadArguments(programs, work);
    checkPrintedAnswers(programs, work);
    std::printf("Desktop: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
