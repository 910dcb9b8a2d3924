#include "exam_window.h"

#include <commctrl.h>
#include <imm.h>

#include <utility>

#include "control_ids.h"
#include "form_layout.h"
#include "win32_text.h"

namespace exam {

using namespace win32;

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The design size of the client area and the panel at 96 pixels per inch.
constexpr int kDesignWidth = 443;
constexpr int kDesignHeight = 299;
constexpr int kDesignPanelHeight = 50;

// The window has a caption and a fixed single border: no system menu (so no caption buttons),
// no sizing frame.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_TOPMOST;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

// The pixel density of the monitor the window is on (Windows 10 1607 and later), else the
// system's.
int WindowDpi(HWND window) {
    using TGetDpiForWindow = UINT(WINAPI*)(HWND);
    if (const FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")) {
        const auto getDpi = reinterpret_cast<TGetDpiForWindow>(reinterpret_cast<void (*)()>(proc));
        if (const UINT dpi = getDpi(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

// A font of the given character height in pixels at 96 dpi (negative: the em height without
// internal leading), in the Russian character set. The family hint picks a metric-compatible
// face where the named one is missing.
HFONT MakeFont(const wchar_t* face, BYTE family, int pixels, int dpi, bool boldUnderlined = false) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI);
    font.lfWeight = boldUnderlined ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = boldUnderlined ? TRUE : FALSE;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = static_cast<BYTE>(VARIABLE_PITCH | family);
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

void Place(HWND control, const TRect& r) {
    SetWindowPos(control, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

// A label takes its text's size, measured with its own font, where the layout put it.
void FitLabelToText(HWND label) {
    const int length = GetWindowTextLengthW(label);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(label, text.data(), length + 1);
    HDC dc = GetDC(label);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    // An empty label keeps the height of one line, as a label with text would have.
    SetWindowPos(label, nullptr, 0, 0, size.cx, metrics.tmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RegisterClasses(HBRUSH silver, WNDPROC windowProc, WNDPROC panelProc) {
    static const bool registered = [=] {
        WNDCLASSEXW window{};
        window.cbSize = sizeof(window);
        window.lpfnWndProc = windowProc;
        window.hInstance = Instance();
        window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window.hbrBackground = silver;
        window.lpszClassName = kWindowClass;
        RegisterClassExW(&window);
        WNDCLASSEXW panel = window;
        panel.style = CS_HREDRAW | CS_VREDRAW;  // the raised edge is redrawn whole on resizing
        panel.lpfnWndProc = panelProc;
        panel.lpszClassName = kPanelClass;
        RegisterClassExW(&panel);
        return true;
    }();
    (void)registered;
}

}  // namespace

char TypedCharacter(wchar_t unit) {
    const std::string bytes = ToCp1251(std::wstring_view(&unit, 1));
    return bytes.size() == 1 ? bytes.front() : '?';
}

TFT::TFT(const TExamProfile& profile, TExamState& state, TRandom& random, TUtcClock clock)
    : Silver(CreateSolidBrush(kSilver)), Flow(profile, state, random, *this, std::move(clock)) {
    // The window classes stay registered until the process ends, and so does their brush.
    static const TBrush classBrush(CreateSolidBrush(kSilver));
    RegisterClasses(classBrush.get(), &TFT::WindowProc, &TFT::PanelProc);

    CreateWindowExW(kWindowExStyle, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    kDesignWidth, kDesignHeight, nullptr, nullptr, Instance(), this);

    // Fonts and design bounds follow the density of the monitor the window opens on.
    const int dpi = WindowDpi(Window);
    const auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); };
    RECT outer{0, 0, scale(kDesignWidth), scale(kDesignHeight)};
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, kWindowExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    SetWindowPos(Window, nullptr, screen.left + (screen.right - screen.left - width) / 2,
                 screen.top + (screen.bottom - screen.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    WindowFont.reset(MakeFont(L"Times New Roman", FF_ROMAN, 19, dpi));
    LabelFont.reset(MakeFont(L"Arial", FF_SWISS, 16, dpi, true));
    SmallFont.reset(MakeFont(L"Times New Roman", FF_ROMAN, 11, dpi));
    ButtonFont.reset(MakeFont(L"Arial", FF_SWISS, 13, dpi));
    CreateControls(dpi);
}

void TFT::CreateControls(int dpi) {
    const auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); };
    const auto make = [&](DWORD exStyle, const wchar_t* kind, const wchar_t* text, DWORD style,
                          HWND parent, int id, int left, int top, int width, int height,
                          HFONT font) {
        HWND control = CreateWindowExW(
            exStyle, kind, text, style, scale(left), scale(top), scale(width), scale(height),
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    };
    const SIZE client = ClientSize(Window);
    const int panelHeight = scale(kDesignPanelHeight);

    LT2 = make(0, WC_STATICW, L"", kLabelStyle, Window, kLT2, 112, 0, 4, 19, LabelFont.get());
    // The panel spans the client width along the bottom edge; its tab stops come first.
    PT = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"",
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, client.cy - panelHeight,
                         client.cx, panelHeight, Window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPT)), Instance(), nullptr);
    LT1 = make(0, WC_STATICW, L"", kLabelStyle, PT, kLT1, 16, 8, 4, 19, LabelFont.get());
    LT3 = make(0, WC_STATICW, L"ВЕЛТ-2005", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, PT, kLT3,
               8, 32, 58, 14, SmallFont.get());
    // Plain push buttons, neither of them default: Enter presses a button only while it has
    // the focus. End comes before Next in tab order.
    const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    B2 = make(0, WC_BUTTONW, L"Конец", button, PT, kB2, 344, 8, 75, 25, ButtonFont.get());
    B1 = make(0, WC_BUTTONW, L"Дальше", button, PT, kB1, 264, 8, 75, 25, ButtonFont.get());
    // A screen reader names an edit box by the label just before it; this one has no size.
    ETName = make(0, WC_STATICW, kAnswerBoxName, WS_CHILD | WS_VISIBLE | SS_NOPREFIX, PT, kETName,
                  0, 0, 0, 0, LabelFont.get());
    ET = make(WS_EX_CLIENTEDGE, WC_EDITW, L"",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, PT, kET, 176, 8, 81,
              29, WindowFont.get());
    // Composed input would bypass the key filter; answers are digits anyway.
    ImmAssociateContext(ET, nullptr);
    MTName = make(0, WC_STATICW, kTextAreaName, WS_CHILD | WS_VISIBLE | SS_NOPREFIX, Window,
                  kMTName, 0, 0, 0, 0, LabelFont.get());
    // Read-only, wrapping (no horizontal scrolling), with a vertical scroll bar.
    MT = make(WS_EX_CLIENTEDGE, WC_EDITW, L"",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE |
                  ES_AUTOVSCROLL | ES_READONLY,
              Window, kMT, 0, 0, 427, 232, WindowFont.get());

    SetWindowSubclass(ET, &TFT::AnswerBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(B1, &TFT::ButtonProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(B2, &TFT::ButtonProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(MT, &TFT::TextAreaProc, 0, 0);
}

TFT::~TFT() {
    if (Window != nullptr) {
        DestroyWindow(Window);
    }
}

void TFT::Show() {
    ShowWindow(Window, SW_SHOWNORMAL);
    SetForegroundWindow(Window);
    UpdateWindow(Window);
}

LRESULT CALLBACK TFT::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* creating = static_cast<TFT*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        creating->Window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* self = reinterpret_cast<TFT*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, w, l);
    }
    return self->HandleMessage(message, w, l);
}

LRESULT TFT::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_ACTIVATE:
            Activate(LOWORD(w) != WA_INACTIVE);
            return 0;
        case WM_COMMAND:
            if (HIWORD(w) == BN_CLICKED && reinterpret_cast<HWND>(l) == B1) {
                Flow.B1Click();
            } else if (HIWORD(w) == BN_CLICKED && reinterpret_cast<HWND>(l) == B2) {
                Flow.B2Click();
            }
            return 0;  // Enter and Escape outside the buttons (IDOK, IDCANCEL) do nothing
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ColourControl(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(WindowFont.get());
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
            Window = nullptr;
            return 0;
        default:
            return DefWindowProcW(Window, message, w, l);
    }
}

void TFT::Activate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        FocusWhenDeactivated = IsChild(Window, focus) ? focus : nullptr;
        return;
    }
    if (!EverActivated) {
        EverActivated = true;
        Flow.FormActivate();  // seeds, lays out, shows the title and draws the exam
        return;
    }
    // Returning to the window gives the focus back where it was.
    ::SetFocus(FocusWhenDeactivated != nullptr ? FocusWhenDeactivated : B1);
}

LRESULT TFT::ColourControl(HDC dc, HWND control) {
    if (control == MT) {  // a read-only edit asks as a static does
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    if (control == LT1) {
        text = kRed;
    } else if (control == LT2 || control == LT3) {
        text = kBlue;
    }
    SetTextColor(dc, text);
    SetBkColor(dc, kSilver);
    return reinterpret_cast<LRESULT>(Silver.get());
}

LRESULT CALLBACK TFT::PanelProc(HWND panel, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(panel, &paint);
            RECT edge{};
            GetClientRect(panel, &edge);
            DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
            EndPaint(panel, &paint);
            return 0;
        }
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            // The panel's controls report to the window, which owns the flow.
            return SendMessageW(GetParent(panel), message, w, l);
        default:
            return DefWindowProcW(panel, message, w, l);
    }
}

LRESULT CALLBACK TFT::AnswerBoxProc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                    DWORD_PTR self) {
    TFT& window = *reinterpret_cast<TFT*>(self);
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter is the box's own key (it reveals Next), not a dialog key.
            LRESULT code = DefSubclassProc(box, message, w, l);
            const auto* msg = reinterpret_cast<const MSG*>(l);
            if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
                code |= DLGC_WANTALLKEYS;
            }
            return code;
        }
        case WM_CHAR: {
            // Every typed character, Ctrl+V's 22 among them, passes the flow before the box
            // applies it. Pasting by the context menu or Shift+Insert arrives as WM_PASTE.
            const char character = TypedCharacter(static_cast<wchar_t>(w));
            if (!window.Flow.ETKeyPress(character) || character == '\r') {
                return 0;  // discarded; an Enter that passes changes no text (and would beep)
            }
            return DefSubclassProc(box, message, w, l);
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, &TFT::AnswerBoxProc, 0);
            return DefSubclassProc(box, message, w, l);
        default:
            return DefSubclassProc(box, message, w, l);
    }
}

LRESULT CALLBACK TFT::ButtonProc(HWND button, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                 DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = DefSubclassProc(button, message, w, l);
            const auto* msg = reinterpret_cast<const MSG*>(l);
            if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
                code |= DLGC_WANTALLKEYS;
            }
            return code;
        }
        case WM_KEYDOWN:
            if (w != VK_RETURN) {
                break;
            }
            // Enter presses the focused button; a held Enter (bit 30: the key was already down)
            // must not run on from the answer box through Next.
            if ((l & (LPARAM{1} << 30)) == 0) {
                SendMessageW(GetParent(button), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button));
            }
            return 0;
        case WM_CHAR:
            if (w == L'\r') {
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(button, &TFT::ButtonProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(button, message, w, l);
}

LRESULT CALLBACK TFT::TextAreaProc(HWND area, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                   DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        // A multi-line edit keeps Tab for itself; this one is read-only, so Tab moves on.
        LRESULT code = DefSubclassProc(area, message, w, l);
        const auto* msg = reinterpret_cast<const MSG*>(l);
        if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
            code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        }
        return code;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(area, &TFT::TextAreaProc, 0);
    }
    return DefSubclassProc(area, message, w, l);
}

void TFT::LayoutForm() {
    // The screen is the monitor the window is on, whole (the taskbar does not count).
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcMonitor;
    // The bounds are the outer rectangle; the frame and caption take their share of it.
    const TRect bounds = WindowBounds(screen.right - screen.left, screen.bottom - screen.top);
    SetWindowPos(Window, nullptr, screen.left + bounds.Left, screen.top + bounds.Top, bounds.Width,
                 bounds.Height, SWP_NOZORDER | SWP_NOACTIVATE);

    const SIZE client = ClientSize(Window);
    const int panelHeight = PanelHeight(client.cy);
    SetWindowPos(PT, nullptr, 0, client.cy - panelHeight, client.cx, panelHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const TClientControls controls = ClientControls(client.cx, client.cy);
    Place(LT2, controls.LT2);
    Place(MT, controls.MT);
    Place(LT3, controls.LT3);
    const SIZE panel = ClientSize(PT);
    const TPanelControls inPanel = PanelControls(panel.cx, panel.cy);
    Place(LT1, inPanel.LT1);
    Place(ET, inPanel.ET);
    Place(B1, inPanel.B1);
    Place(B2, inPanel.B2);
}

void TFT::SetCaption(std::string_view caption) {
    SetWindowTextW(Window, FromCp1251(caption).c_str());
}

void TFT::SetLabelText(ELabel label, std::string_view text) {
    const HWND target = label == ELabel::LT1 ? LT1 : LT2;
    SetWindowTextW(target, FromCp1251(text).c_str());
    FitLabelToText(target);
}

HWND TFT::ControlOf(EControl control) const {
    switch (control) {
        case EControl::LT1:
            return LT1;
        case EControl::LT2:
            return LT2;
        case EControl::ET:
            return ET;
        case EControl::B1:
            return B1;
        case EControl::B2:
            return B2;
    }
    return nullptr;
}

void TFT::SetVisible(EControl control, bool visible) {
    ShowWindow(ControlOf(control), visible ? SW_SHOWNA : SW_HIDE);
}

void TFT::SetFocus(EFocus control) {
    ::SetFocus(control == EFocus::ET ? ET : B1);
}

void TFT::MakeTextAreaReadOnly() {
    SendMessageW(MT, EM_SETREADONLY, TRUE, 0);
}

void TFT::ClearTextArea() {
    TextInMT.clear();
    LinesInMT = 0;
    SetWindowTextW(MT, L"");
}

void TFT::AppendLine(std::string_view line) {
    // The whole text is set anew, so the area shows the text from its first line.
    if (LinesInMT++ > 0) {
        TextInMT += L"\r\n";
    }
    TextInMT += FromCp1251(line);
    SetWindowTextW(MT, TextInMT.c_str());
}

std::string TFT::AnswerText() const {
    const int length = GetWindowTextLengthW(ET);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int read = GetWindowTextW(ET, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(read));
    return ToCp1251(text);
}

void TFT::SetAnswerText(std::string_view text) {
    SetWindowTextW(ET, FromCp1251(text).c_str());
}

void TFT::CloseWindow() {
    DestroyWindow(Window);
}

int RunExamWindow(const TExamProfile& profile, TUtcClock clock) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    TExamState state;
    TRandom random;
    TFT window(profile, state, random, std::move(clock));
    if (window.Handle() == nullptr) {
        return 1;  // no window could be made (no desktop): no exam took place
    }
    window.Show();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchExamMessage(window.Handle(), message);
    }
    return 0;
}

void DispatchExamMessage(HWND window, MSG& message) {
    if (window == nullptr || !IsDialogMessageW(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace exam
