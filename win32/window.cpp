#include "win32/window.h"

#include "win32/control.h"
#include "win32/wide_text.h"

namespace quillbat::win32 {
namespace {

constexpr const wchar_t* kWindowClass = L"QuillbatWindow";
int liveTopLevelWindows = 0;

void registerWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        // The program's icon is its first icon resource.
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

Window::~Window() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void Window::bringForward() const {
    if (hwnd_ != nullptr) {
        ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(hwnd_);
    }
}

void Window::create(const WindowArgs& args) {
    registerWindowClass(&Window::procedure);
    background_ = createBrush(args.background);
    topLevel_ = (args.style & WS_CHILD) == 0;
    const RECT& place = args.place;
    const bool systemPlaces = place.left == CW_USEDEFAULT;
    CreateWindowExW(args.exStyle, kWindowClass, wide(args.title).c_str(), args.style, place.left,
                    place.top, systemPlaces ? CW_USEDEFAULT : place.right - place.left,
                    systemPlaces ? CW_USEDEFAULT : place.bottom - place.top, args.parent,
                    topLevel_ ? nullptr : reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                    GetModuleHandleW(nullptr), this);
    if (hwnd_ != nullptr && topLevel_) {
        ++liveTopLevelWindows;
    }
}

std::optional<LRESULT> Window::handle(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* window = static_cast<Window*>(create->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        if (window->topLevel_ && --liveTopLevelWindows == 0) {
            PostQuitMessage(0);
        }
        window->destroyed();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->dispatch(message, wParam, lParam);
}

LRESULT Window::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (Control* control = Control::of(reinterpret_cast<HWND>(lParam))) {
                control->notified(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (Control* control = Control::of(reinterpret_cast<HWND>(lParam))) {
                if (std::optional<HBRUSH> brush = control->colours(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(*brush);
                }
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (Control* control = Control::of(item->hwndItem)) {
                control->draw(*item);
                return TRUE;
            }
            break;
        }
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(hwnd_, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, background_.get());
            return 1;
        }
        default:
            break;
    }
    if (std::optional<LRESULT> result = handle(message, wParam, lParam)) {
        return *result;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Frame::create(HWND parent, int id, std::string_view name, Rgb background) {
    Window::create({.title = name,
                    // Not clipping its children: labels without a background of their own
                    // are drawn over the frame's.
                    .style = WS_CHILD | WS_VISIBLE,
                    .exStyle = WS_EX_CONTROLPARENT,
                    .parent = parent,
                    .id = id,
                    .place = {0, 0, 0, 0},
                    .background = background});
}

void SmallWindow::create(std::string_view title) {
    Window::create({.title = title,
                    .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                    .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                    .background = kLightGreen});
}

std::optional<LRESULT> SmallWindow::handle(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                DestroyWindow(hwnd());
                return 0;
            }
            return std::nullopt;
        case WM_DPICHANGED:
            layOut();
            return 0;
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> Frame::handle(UINT message, WPARAM, LPARAM) {
    if (message != WM_PAINT) {
        return std::nullopt;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    RECT area;
    GetClientRect(hwnd(), &area);
    DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
    EndPaint(hwnd(), &paint);
    return 0;
}

void Window::placeCentred(float clientWidth, float clientHeight) {
    const int dots = dpi();
    RECT area{0, 0, dpiScale(clientWidth, dots), dpiScale(clientHeight, dots)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&area, style, GetMenu(hwnd_) != nullptr, exStyle,
                             static_cast<UINT>(dots));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void deliverMessage(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root != nullptr && IsDialogMessageW(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        deliverMessage(message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace quillbat::win32
