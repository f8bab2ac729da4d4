#include "win32/control.h"

#include <commctrl.h>

#include "win32/wide_text.h"

namespace quillbat::win32 {

namespace {

// The property of a control's window that holds its object.
constexpr const wchar_t* kControlProperty = L"QuillbatControl";

}  // namespace

Control::~Control() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) {
        RemovePropW(hwnd_, kControlProperty);
    }
}

void Control::create(const wchar_t* className, const Args& args) {
    place_ = args.place;
    fontDesign_ = args.font;
    hwnd_ = CreateWindowExW(args.exStyle, className, wide(args.text).c_str(),
                            WS_CHILD | WS_VISIBLE | args.style, 0, 0, 0, 0, args.parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                            GetModuleHandleW(nullptr), nullptr);
    SetPropW(hwnd_, kControlProperty, this);
    applyDpi(dpiOf(args.parent));
}

Control* Control::of(HWND hwnd) {
    return hwnd != nullptr ? static_cast<Control*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

void Control::setText(std::string_view utf8) {
    SetWindowTextW(hwnd_, wide(utf8).c_str());
    textChanged();
}

std::wstring Control::wideText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::setPlace(const Box& twips, int dpi) {
    place_ = twips;
    const RECT area = pixelRect(place_, dpi);
    SetWindowPos(hwnd_, nullptr, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::applyDpi(int dpi) {
    font_ = createFont(fontDesign_, dpi);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    setPlace(place_, dpi);
}

void Label::create(const CreateArgs& args) {
    colour_ = colourRef(args.colour);
    const DWORD alignment = args.alignment == Alignment::Centred ? SS_CENTER : SS_LEFT;
    Control::create(L"STATIC", {.parent = args.parent,
                                .id = args.id,
                                .text = args.text,
                                .place = args.place,
                                .font = args.font,
                                .style = alignment | SS_NOPREFIX});
}

void Label::setColour(Rgb colour) {
    colour_ = colourRef(colour);
    textChanged();
}

std::optional<HBRUSH> Label::colours(HDC dc) {
    SetTextColor(dc, colour_);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void Label::textChanged() {
    HWND parent = GetParent(hwnd());
    RECT area;
    GetWindowRect(hwnd(), &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Button::create(const CreateArgs& args) {
    face_ = args.face ? colourRef(*args.face) : 0;
    Control::create(
        L"BUTTON",
        {.parent = args.parent,
         .id = args.id,
         .text = args.text,
         .place = args.place,
         .font = args.font,
         .style = WS_TABSTOP | static_cast<DWORD>(args.face ? BS_OWNERDRAW : BS_PUSHBUTTON)});
}

void Button::notified(WORD code) {
    if (code == BN_CLICKED && onClick) {
        onClick();
    }
}

void Button::draw(const DRAWITEMSTRUCT& item) {
    RECT area = item.rcItem;
    HBRUSH face = CreateSolidBrush(face_);
    FillRect(item.hDC, &area, face);
    DeleteObject(face);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (pressed) {
        OffsetRect(&area, 1, 1);
    }
    const std::wstring caption = wideText();
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colourRef(kBlack));
    HGDIOBJ old = SelectObject(item.hDC, font());
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, old);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

void EditBox::create(const CreateArgs& args) {
    const DWORD lines = args.multiLine ? WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN
                                       : ES_AUTOHSCROLL;
    Control::create(L"EDIT", {.parent = args.parent,
                              .id = args.id,
                              .text = args.text,
                              .place = args.place,
                              .font = args.font,
                              .style = WS_TABSTOP | lines,
                              .exStyle = WS_EX_CLIENTEDGE});
    // Without a limit set the user could type no more than 32,767 characters.
    SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);
}

void ProgressBar::create(const CreateArgs& args) {
    Control::create(PROGRESS_CLASSW, {.parent = args.parent, .id = args.id, .place = args.place});
}

void ProgressBar::show(std::size_t done, std::size_t total) {
    SendMessageW(hwnd(), PBM_SETRANGE32, 0, static_cast<LPARAM>(total));
    SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(done), 0);
}

}  // namespace quillbat::win32
