// The window conformance suite's driver for the Win32 window, in this process: the messages that
// mouse and keyboard produce, through the program's own message loop, read back through the
// window API. The window runs on the 1024 x 768 desktop test_main.cpp makes.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "tests/window/conformance/window_driver.h"
#include "tests/window/win32/utf8_text.h"
#include "window/win32/control_ids.h"
#include "window/win32/exam_window.h"

namespace exam {
namespace {

using namespace win32;

TRect ToRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TColour ToColour(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// A taskbar announced through the monitor's work area. The window asks GetMonitorInfoW (through
// this program's import table, as the window code is linked into it), which then reports the
// work area less the taskbar; the system-wide work area is set to match.
int TaskbarHeight = 0;
decltype(&GetMonitorInfoW) RealGetMonitorInfo = nullptr;

BOOL WINAPI GetMonitorInfoWithTaskbar(HMONITOR monitor, LPMONITORINFO info) {
    const BOOL ok = RealGetMonitorInfo(monitor, info);
    if (ok) {
        info->rcWork.bottom = info->rcMonitor.bottom - TaskbarHeight;
    }
    return ok;
}

// Points this program's import of user32's GetMonitorInfoW at replacement; returns the old one.
void* PatchGetMonitorInfo(void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    void* const real =
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetMonitorInfoW"));
    auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; descriptor->Name != 0; ++descriptor) {
        auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        for (; thunk->u1.Function != 0; ++thunk) {
            void** slot = reinterpret_cast<void**>(&thunk->u1.Function);
            if (*slot == real || *slot == replacement ||
                *slot == reinterpret_cast<void*>(&GetMonitorInfoWithTaskbar)) {
                DWORD old = 0;
                VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &old);
                void* previous = *slot;
                *slot = replacement;
                VirtualProtect(slot, sizeof(*slot), old, &old);
                return previous;
            }
        }
    }
    return nullptr;
}

class TWin32WindowDriver final : public IWindowDriver {
public:
    TWin32WindowDriver(const TExamProfile& profile, TExamState& state, TRandom& random,
                       TUtcClock clock)
        : Window(std::make_unique<TExamWindow>(profile, state, random, std::move(clock))) {}
    ~TWin32WindowDriver() override {
        Window.reset();
        Pump();  // the closed window's quit message
        if (RealGetMonitorInfo != nullptr) {
            PatchGetMonitorInfo(reinterpret_cast<void*>(RealGetMonitorInfo));
            RealGetMonitorInfo = nullptr;
            SystemParametersInfoW(SPI_SETWORKAREA, 0, &WholeMonitor, 0);
        }
    }

    void Open() override {
        Window->Show();
        Pump();
        ASSERT_EQ(GetActiveWindow(), Window->Handle());
    }
    void Reactivate() override {
        SendMessageW(Window->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
        ::SetFocus(nullptr);
        SendMessageW(Window->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    }
    void Click(EElement button) override {
        const HWND control = Window->Control(button);
        if (IsWindowVisible(Window->Handle())) {
            SendMessageW(control, BM_CLICK, 0, 0);
            Pump();
            return;
        }
        // A click would activate the window first; the press itself arrives as this command.
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(ControlId(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    }
    void Press(EKey key) override;
    void Type(std::string_view characters) override {
        for (const char c : characters) {
            SendMessageW(Window->Control(EElement::AnswerBox), WM_CHAR,
                         static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
        }
    }
    void GiveFocus(EElement element) override { ::SetFocus(Window->Control(element)); }
    void SetClipboard(std::string_view utf8) override;
    void RequestClose() override { SendMessageW(Window->Handle(), WM_CLOSE, 0, 0); }
    bool ReserveTaskbar(int height) override {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(Window->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
        WholeMonitor = monitor.rcMonitor;
        RECT work = WholeMonitor;
        work.bottom -= height;
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0);
        TaskbarHeight = height;
        RealGetMonitorInfo = reinterpret_cast<decltype(&GetMonitorInfoW)>(
            PatchGetMonitorInfo(reinterpret_cast<void*>(&GetMonitorInfoWithTaskbar)));
        return RealGetMonitorInfo != nullptr;
    }

    bool IsOpen() const override {
        return Window->Handle() != nullptr && IsWindow(Window->Handle());
    }
    bool EventLoopEnds() override {
        MSG quit{};
        return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 0;
    }
    std::string Caption() const override { return Utf8(TextOf(Window->Handle())); }
    std::string Text(EElement element) const override {
        return Utf8(TextOf(Window->Control(element)));
    }
    std::vector<std::string> Lines() const override {
        const std::wstring text = TextOf(Window->Control(EElement::TextArea));
        std::vector<std::string> lines;
        for (std::size_t start = 0;;) {
            const std::size_t end = text.find(L"\r\n", start);
            lines.push_back(Utf8(text.substr(start, end - start)));
            if (end == std::wstring::npos) {
                return lines;
            }
            start = end + 2;
        }
    }
    bool IsVisible(EElement element) const override {
        return IsWindowVisible(Window->Control(element));
    }
    std::optional<EElement> Focus() const override {
        for (const TElementLook& look : FormElements()) {
            if (GetFocus() == Window->Control(look.Element)) {
                return look.Element;
            }
        }
        return std::nullopt;
    }

    TRect Monitor() const override { return ToRect(MonitorInfo().rcMonitor); }
    TRect WorkArea() const override { return ToRect(MonitorInfo().rcWork); }
    TRect OuterBounds() const override {
        RECT r{};
        GetWindowRect(Window->Handle(), &r);
        return ToRect(r);
    }
    TRect ClientArea() const override {
        RECT r{};
        GetClientRect(Window->Handle(), &r);
        return ToRect(r);
    }
    TRect Bounds(EElement element) const override {
        const HWND control = Window->Control(element);
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        return ToRect(r);
    }
    TRect TextSize(EElement label) const override;

    TFontSeen WindowFont() const override { return FontOf(Window->Handle()); }
    TFontSeen Font(EElement element) const override { return FontOf(Window->Control(element)); }
    TColour WindowBackground() const override { return ClassBackground(Window->Handle()); }
    std::optional<TColour> Ink(EElement element) const override {
        const COLORREF ink = AskColours(element).first;
        return ink == GetSysColor(COLOR_WINDOWTEXT) ? std::nullopt : std::optional(ToColour(ink));
    }
    TColour Background(EElement element) const override {
        if (element == EElement::Panel) {
            return ClassBackground(Window->Control(element));
        }
        return ToColour(AskColours(element).second);
    }
    TDrawn Drawn(EElement element) override;
    bool HasSunkenBorder(EElement element) const override {
        return (GetWindowLongPtrW(Window->Control(element), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    }
    std::string AccessibleName(EElement element) const override;

private:
    // Runs the program's message loop until the queue is empty.
    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) {
                DispatchExamMessage(Window ? Window->Handle() : nullptr, message);
            } else {
                PostQuitMessage(static_cast<int>(message.wParam));  // for EventLoopEnds
                return;
            }
        }
    }
    // A key pressed and released on the focused control, through the program's loop; a held
    // key repeats with bit 30 set.
    void Key(UINT key, bool repeat = false) {
        const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (repeat ? LPARAM{1} << 30 : 0);
        PostMessageW(GetFocus(), WM_KEYDOWN, key, down);
        PostMessageW(GetFocus(), WM_KEYUP, key, down | (LPARAM{3} << 30));
        Pump();
    }
    void KeyWith(UINT modifier, UINT key) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[modifier] = 0x80;
        SetKeyboardState(keys);
        Key(key);
        keys[modifier] = 0;
        SetKeyboardState(keys);
    }
    MONITORINFO MonitorInfo() const {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(Window->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
        return monitor;
    }
    static TFontSeen FontOf(HWND window) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font),
                   &font);
        return {Utf8(font.lfFaceName), static_cast<int>(-font.lfHeight), font.lfWeight >= FW_BOLD,
                font.lfUnderline != 0};
    }
    static TColour ClassBackground(HWND window) {
        LOGBRUSH brush{};
        GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)),
                   sizeof(brush), &brush);
        return ToColour(brush.lbColor);
    }
    // What the control asks its parent for when it paints: text and background colour.
    std::pair<COLORREF, COLORREF> AskColours(EElement element) const {
        const HWND control = Window->Control(element);
        const UINT message = LookOf(element).Kind == EKind::Button      ? WM_CTLCOLORBTN
                             : LookOf(element).Kind == EKind::AnswerBox ? WM_CTLCOLOREDIT
                                                                        : WM_CTLCOLORSTATIC;
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(GetParent(control), message, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control));
        const std::pair colours{GetTextColor(dc), GetBkColor(dc)};
        DeleteDC(dc);
        return colours;
    }

    std::unique_ptr<TExamWindow> Window;
    RECT WholeMonitor{};
};

void TWin32WindowDriver::Press(EKey key) {
    switch (key) {
        case EKey::Enter:
            return Key(VK_RETURN);
        case EKey::HeldEnter:
            return Key(VK_RETURN, true);
        case EKey::Space:
            return Key(VK_SPACE);
        case EKey::Tab:
            return Key(VK_TAB);
        case EKey::ShiftTab:
            return KeyWith(VK_SHIFT, VK_TAB);
        case EKey::Home:
            return Key(VK_HOME);
        case EKey::Delete:
            return Key(VK_DELETE);
        case EKey::CtrlV:
            return KeyWith(VK_CONTROL, 'V');
        case EKey::ShiftInsert:
            return KeyWith(VK_SHIFT, VK_INSERT);
    }
}

void TWin32WindowDriver::SetClipboard(std::string_view utf8) {
    const std::wstring text = Wide(utf8);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

TRect TWin32WindowDriver::TextSize(EElement label) const {
    const HWND control = Window->Control(label);
    const std::wstring text = TextOf(control);
    HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {0, 0, size.cx, metrics.tmHeight};
}

TDrawn TWin32WindowDriver::Drawn(EElement element) {
    const HWND control = Window->Control(element);
    RedrawWindow(Window->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    RECT r{};
    GetWindowRect(control, &r);
    TDrawn drawn{r.right - r.left, r.bottom - r.top, {}};
    HDC screen = GetWindowDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, drawn.Width, drawn.Height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, drawn.Width, drawn.Height, screen, 0, 0, SRCCOPY);
    for (int y = 0; y < drawn.Height; ++y) {
        for (int x = 0; x < drawn.Width; ++x) {
            drawn.Pixels.push_back(ToColour(GetPixel(memory, x, y)));
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return drawn;
}

// As a screen reader finds it: a button and a label by their text, an edit box by the label
// just before it.
std::string TWin32WindowDriver::AccessibleName(EElement element) const {
    const HWND control = Window->Control(element);
    const EKind kind = LookOf(element).Kind;
    if (kind == EKind::Button || kind == EKind::Label) {
        return Utf8(TextOf(control));
    }
    const HWND before = GetWindow(control, GW_HWNDPREV);
    wchar_t className[16]{};
    GetClassNameW(before, className, 16);
    return before != nullptr && lstrcmpiW(className, L"Static") == 0 ? Utf8(TextOf(before))
                                                                     : std::string();
}

}  // namespace

std::unique_ptr<IWindowDriver> MakeWindowDriver(const TExamProfile& profile, TExamState& state,
                                                TRandom& random, TUtcClock clock) {
    return std::make_unique<TWin32WindowDriver>(profile, state, random, std::move(clock));
}

}  // namespace exam
