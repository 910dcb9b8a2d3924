#include "window/win32/exam_window.h"

#include <commctrl.h>
#include <imm.h>

#include <optional>
#include <utility>

#include "window/flow/form_layout.h"
#include "window/win32/control_ids.h"
#include "window/win32/win32_text.h"

namespace exam {

using namespace win32;

namespace {

// The window has a caption and a fixed single border: no system menu (so no caption buttons),
// no sizing frame.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_TOPMOST;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

COLORREF ToColorRef(const TColour& colour) {
    return RGB(colour.Red, colour.Green, colour.Blue);
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

int Scale(int pixels, int dpi) {
    return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI);
}

// A font of the form's character height (negative: the em height without internal leading), in
// the Russian character set. The family hint picks a metric-compatible face where the named one
// is missing.
HFONT MakeFont(const TFont& look, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -Scale(look.Pixels, dpi);
    font.lfWeight = look.Bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = look.Underline ? TRUE : FALSE;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    const BYTE family = look.Kind == EFontKind::Serif ? FF_ROMAN : FF_SWISS;
    font.lfPitchAndFamily = static_cast<BYTE>(VARIABLE_PITCH | family);
    lstrcpynW(font.lfFaceName, FromCp1251(look.Family).c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// The window class and extended style of an element's control.
struct TControlClass {
    const wchar_t* Class;
    DWORD Style;
    DWORD ExStyle;
};

TControlClass ControlClassOf(const TElementLook& look) {
    DWORD style = WS_CHILD | WS_VISIBLE | (look.TabStop ? WS_TABSTOP : 0);
    const DWORD sunken = look.Edge == EEdge::Sunken ? WS_EX_CLIENTEDGE : 0;
    switch (look.Kind) {
        case EKind::Label:
            style |= SS_NOPREFIX | (look.FitsText ? SS_LEFTNOWORDWRAP : SS_LEFT);
            return {WC_STATICW, style, 0};
        case EKind::Panel:
            // Its tab stops come before the text area's; the panel draws its own edge.
            return {kPanelClass, style | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
        case EKind::Button:
            // A plain push button, not a default one: Enter presses a button only while it has
            // the focus.
            return {WC_BUTTONW, style | BS_PUSHBUTTON, 0};
        case EKind::AnswerBox:
            return {WC_EDITW, style | ES_LEFT | ES_AUTOHSCROLL, sunken};
        case EKind::TextArea:
            // Read-only, wrapping (no horizontal scrolling), with a vertical scroll bar.
            style |= WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;
            return {WC_EDITW, style, sunken};
    }
    return {WC_STATICW, style, 0};
}

void Place(HWND control, const TRect& r) {
    SetWindowPos(control, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

// The panel spans the client width along the bottom edge.
TRect PanelBounds(SIZE client, int panelHeight) {
    return {0, client.cy - panelHeight, client.cx, panelHeight};
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

void RegisterClasses(HBRUSH background, WNDPROC windowProc, WNDPROC panelProc) {
    static const bool registered = [=] {
        WNDCLASSEXW window{};
        window.cbSize = sizeof(window);
        window.lpfnWndProc = windowProc;
        window.hInstance = Instance();
        window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window.hbrBackground = background;
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

TExamWindow::TExamWindow(const TExamProfile& profile, TExamState& state, TRandom& random,
                         TUtcClock clock)
    : WindowBackground(CreateSolidBrush(ToColorRef(WindowLook().Background))),
      Flow(profile, state, random, *this, std::move(clock)) {
    // The window classes stay registered until the process ends, and so does their brush.
    static const TBrush classBrush(CreateSolidBrush(ToColorRef(WindowLook().Background)));
    RegisterClasses(classBrush.get(), &TExamWindow::WindowProc, &TExamWindow::PanelProc);

    CreateWindowExW(kWindowExStyle, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    WindowLook().DesignWidth, WindowLook().DesignHeight, nullptr, nullptr,
                    Instance(), this);
    if (Window == nullptr) {
        return;
    }
    // Fonts and design bounds follow the density of the monitor the window opens on.
    const int dpi = WindowDpi(Window);
    PlaceOnMonitor(dpi);
    WindowFont = FontFor(WindowLook().Font, dpi);
    if (!CreateControls(dpi)) {
        DestroyWindow(Window);  // a window without all its controls would be no exam
        Window = nullptr;
    }
}

// The design size, centred on the monitor.
void TExamWindow::PlaceOnMonitor(int dpi) {
    RECT outer{0, 0, Scale(WindowLook().DesignWidth, dpi), Scale(WindowLook().DesignHeight, dpi)};
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
}

HFONT TExamWindow::FontFor(const TFont& look, int dpi) {
    for (const auto& [font, handle] : Fonts) {
        if (font == look) {
            return handle.get();
        }
    }
    Fonts.emplace_back(look, TFontHandle(MakeFont(look, dpi)));
    return Fonts.back().second.get();
}

bool TExamWindow::CreateControls(int dpi) {
    for (const TElementLook& look : FormElements()) {
        const HWND control = CreateControl(look, dpi);
        if (control == nullptr) {
            return false;
        }
        Controls[IndexOf(look.Element)] = control;
        if (look.Background) {
            Backgrounds[IndexOf(look.Element)].reset(
                CreateSolidBrush(ToColorRef(*look.Background)));
        }
    }
    // Composed input would bypass the key filter; answers are digits anyway.
    ImmAssociateContext(Control(EElement::AnswerBox), nullptr);
    SubclassControls();
    return true;
}

// The element's control, and before it the label that names it to screen readers, if it has
// one; null if either cannot be created.
HWND TExamWindow::CreateControl(const TElementLook& look, int dpi) {
    const HWND parent = look.InPanel ? Control(EElement::Panel) : Window;
    const HFONT font = FontFor(look.Font, dpi);
    const auto create = [&](DWORD exStyle, const wchar_t* kind, const std::wstring& text,
                            DWORD style, int id, const TRect& r) {
        const HWND control = CreateWindowExW(
            exStyle, kind, text.c_str(), style, r.Left, r.Top, r.Width, r.Height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), nullptr);
        if (control != nullptr) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        return control;
    };
    if (HasNameLabel(look) &&
        create(0, WC_STATICW, FromCp1251(look.AccessibleName), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
               NameLabelId(look.Element), TRect{}) == nullptr) {
        return nullptr;
    }
    const TRect& d = look.Design;
    TRect bounds{Scale(d.Left, dpi), Scale(d.Top, dpi), Scale(d.Width, dpi), Scale(d.Height, dpi)};
    if (look.Kind == EKind::Panel) {
        bounds = PanelBounds(ClientSize(Window), Scale(WindowLook().PanelDesignHeight, dpi));
    }
    const TControlClass kind = ControlClassOf(look);
    return create(kind.ExStyle, kind.Class, FromCp1251(look.Text), kind.Style,
                  ControlId(look.Element), bounds);
}

void TExamWindow::SubclassControls() {
    const auto self = reinterpret_cast<DWORD_PTR>(this);
    SetWindowSubclass(Control(EElement::AnswerBox), &TExamWindow::AnswerBoxProc, 0, self);
    SetWindowSubclass(Control(EElement::NextButton), &TExamWindow::ButtonProc, 0, self);
    SetWindowSubclass(Control(EElement::EndButton), &TExamWindow::ButtonProc, 0, self);
    SetWindowSubclass(Control(EElement::TextArea), &TExamWindow::TextAreaProc, 0, 0);
}

TExamWindow::~TExamWindow() {
    if (Window != nullptr) {
        DestroyWindow(Window);
    }
}

void TExamWindow::Show() {
    // Laid out while still hidden, the window comes up at its size at once: laid out only at
    // the first activation, it would be painted at the design size first, then moved and
    // painted again with every control. The first activation lays it out again, to the same.
    LayOut();
    ShowWindow(Window, SW_SHOWNORMAL);
    SetForegroundWindow(Window);
    UpdateWindow(Window);
}

LRESULT CALLBACK TExamWindow::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* creating =
            static_cast<TExamWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        creating->Window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* self = reinterpret_cast<TExamWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, w, l);
    }
    return self->HandleMessage(message, w, l);
}

LRESULT TExamWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_ACTIVATE:
            Activate(LOWORD(w) != WA_INACTIVE);
            return 0;
        case WM_COMMAND:
            if (HIWORD(w) == BN_CLICKED &&
                reinterpret_cast<HWND>(l) == Control(EElement::NextButton)) {
                Flow.OnNext();
            } else if (HIWORD(w) == BN_CLICKED &&
                       reinterpret_cast<HWND>(l) == Control(EElement::EndButton)) {
                Flow.OnEnd();
            }
            ShowNewText();
            return 0;  // Enter and Escape outside the buttons (IDOK, IDCANCEL) do nothing
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ColourControl(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(WindowFont);
        case WM_DPICHANGED:
            ChangeDpi(LOWORD(w), *reinterpret_cast<const RECT*>(l));
            return 0;
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

// The window moved to a monitor of another density, or the density changed: the fonts are made
// anew for it, the window takes the rectangle Windows suggests and, once the exam has begun, is
// laid out on its monitor again, as at the first activation.
void TExamWindow::ChangeDpi(int dpi, const RECT& suggested) {
    const auto old = std::move(Fonts);  // freed once no control uses them
    Fonts.clear();
    WindowFont = FontFor(WindowLook().Font, dpi);
    for (const TElementLook& look : FormElements()) {
        const auto font = reinterpret_cast<WPARAM>(FontFor(look.Font, dpi));
        const HWND control = Control(look.Element);
        SendMessageW(control, WM_SETFONT, font, TRUE);
        if (HasNameLabel(look)) {
            SendMessageW(GetDlgItem(GetParent(control), NameLabelId(look.Element)), WM_SETFONT,
                         font, FALSE);
        }
    }
    SetWindowPos(Window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!EverActivated) {
        return;  // the first activation lays the window out
    }
    LayOut();
    for (const TElementLook& look : FormElements()) {
        if (look.FitsText) {
            FitLabelToText(Control(look.Element));
        }
    }
}

void TExamWindow::Activate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        FocusWhenDeactivated = IsChild(Window, focus) ? focus : nullptr;
        return;
    }
    if (!EverActivated) {
        EverActivated = true;
        Flow.OnFirstActivation();  // seeds, lays out, shows the title and draws the exam
        ShowNewText();
        return;
    }
    // Returning to the window gives the focus back where it was.
    ::SetFocus(FocusWhenDeactivated != nullptr ? FocusWhenDeactivated
                                               : Control(EElement::NextButton));
}

// What a label, a button or the read-only text area (which asks as a label does) paints with:
// the form's ink, else the system's, on the element's background, else the window's.
LRESULT TExamWindow::ColourControl(HDC dc, HWND control) {
    std::optional<TColour> ink;
    TColour background = WindowLook().Background;
    HBRUSH brush = WindowBackground.get();
    for (const TElementLook& look : FormElements()) {
        if (Control(look.Element) == control) {
            ink = look.Ink;
            if (look.Background) {
                background = *look.Background;
                brush = Backgrounds[IndexOf(look.Element)].get();
            }
        }
    }
    SetTextColor(dc, ink ? ToColorRef(*ink) : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, ToColorRef(background));
    if (control == Control(EElement::BrandLabel)) {
        // The layout puts the brand label over the panel's raised edge: its text is drawn on
        // what the panel painted, so the edge stays whole. Its text never changes, so nothing
        // old shows through.
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT CALLBACK TExamWindow::PanelProc(HWND panel, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(panel, &paint);
            RECT edge{};
            GetClientRect(panel, &edge);
            const EEdge look = LookOf(EElement::Panel).Edge;
            if (look != EEdge::None) {
                DrawEdge(dc, &edge, look == EEdge::Raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
            }
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

LRESULT CALLBACK TExamWindow::AnswerBoxProc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                            DWORD_PTR self) {
    TExamWindow& window = *reinterpret_cast<TExamWindow*>(self);
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
            const bool passes = window.Flow.OnAnswerKey(character);
            window.ShowNewText();
            if (!passes || character == '\r') {
                return 0;  // discarded; an Enter that passes changes no text (and would beep)
            }
            return DefSubclassProc(box, message, w, l);
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, &TExamWindow::AnswerBoxProc, 0);
            return DefSubclassProc(box, message, w, l);
        default:
            return DefSubclassProc(box, message, w, l);
    }
}

LRESULT CALLBACK TExamWindow::ButtonProc(HWND button, UINT message, WPARAM w, LPARAM l, UINT_PTR,
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
            RemoveWindowSubclass(button, &TExamWindow::ButtonProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(button, message, w, l);
}

LRESULT CALLBACK TExamWindow::TextAreaProc(HWND area, UINT message, WPARAM w, LPARAM l, UINT_PTR,
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
        RemoveWindowSubclass(area, &TExamWindow::TextAreaProc, 0);
    }
    return DefSubclassProc(area, message, w, l);
}

void TExamWindow::LayOut() {
    // The screen is the monitor the window is on, whole: the window stays on top of the taskbar,
    // so the work area does not count.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcMonitor;
    // The bounds are the outer rectangle; the frame and caption take their share of it.
    const TRect bounds = WindowBounds(screen.right - screen.left, screen.bottom - screen.top);
    const RECT target{screen.left + bounds.Left, screen.top + bounds.Top,
                      screen.left + bounds.Left + bounds.Width,
                      screen.top + bounds.Top + bounds.Height};
    RECT now{};
    GetWindowRect(Window, &now);
    if (EqualRect(&now, &target) && LaidOut) {
        return;  // the controls' places follow from the window's size alone
    }
    LaidOut = true;
    SetWindowPos(Window, nullptr, target.left, target.top, bounds.Width, bounds.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    const SIZE client = ClientSize(Window);
    const HWND panel = Control(EElement::Panel);
    Place(panel, PanelBounds(client, PanelHeight(client.cy)));
    for (const TPlacement& p : ClientPlacements(client.cx, client.cy)) {
        Place(Control(p.Element), p.Bounds);
    }
    const SIZE inPanel = ClientSize(panel);
    for (const TPlacement& p : PanelPlacements(inPanel.cx, inPanel.cy)) {
        Place(Control(p.Element), p.Bounds);
    }
}

void TExamWindow::SetCaption(std::string_view caption) {
    SetWindowTextW(Window, FromCp1251(caption).c_str());
}

void TExamWindow::SetLabelText(EElement label, std::string_view text) {
    SetWindowTextW(Control(label), FromCp1251(text).c_str());
    FitLabelToText(Control(label));
}

void TExamWindow::SetVisible(EElement element, bool visible) {
    ShowWindow(Control(element), visible ? SW_SHOWNA : SW_HIDE);
}

void TExamWindow::SetFocus(EElement element) {
    ::SetFocus(Control(element));
}

// The text area takes the lines a step of the exam adds all at once, when the step is over (see
// ShowNewText): set line by line, the wrapping box would wrap and paint its whole text anew for
// each line, which made the title screen take half as long again to come up.
void TExamWindow::ClearText() {
    TextInArea.clear();
    LinesInArea = 0;
    TextChanged = true;
}

void TExamWindow::AppendLine(std::string_view line) {
    if (LinesInArea++ > 0) {
        TextInArea += L"\r\n";
    }
    TextInArea += FromCp1251(line);
    TextChanged = true;
}

// Called when the flow has handled an event. The whole text is set anew, so the area shows the
// text from its first line.
void TExamWindow::ShowNewText() {
    if (TextChanged) {
        TextChanged = false;
        SetWindowTextW(Control(EElement::TextArea), TextInArea.c_str());
    }
}

std::string TExamWindow::AnswerText() const {
    const HWND box = Control(EElement::AnswerBox);
    const int length = GetWindowTextLengthW(box);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int read = GetWindowTextW(box, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(read));
    return ToCp1251(text);
}

void TExamWindow::SetAnswerText(std::string_view text) {
    SetWindowTextW(Control(EElement::AnswerBox), FromCp1251(text).c_str());
}

void TExamWindow::Close() {
    DestroyWindow(Window);
}

int RunExamWindow(const TExamProfile& profile, TUtcClock clock) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    TExamState state;
    TRandom random;
    TExamWindow window(profile, state, random, std::move(clock));
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
