// The third floor of the start-up benchmark: plain Win32 and the common controls of version 6
// (through the exam's manifest), making the window the exam window makes, with none of the exam
// in it. The same window styles and silver background, the same child controls in the same order
// (labels, the two labels of no size that name the edit boxes, the raised panel holding the
// prompt, brand, buttons and answer box, the read-only text area, two push buttons), the same
// four fonts and colours; at the first activation, when the exam shows its first screen, it sets
// a title, one line of text and its caption.
// It is a floor, not a second exam window: the controls sit at simple fractions of the window,
// the texts are fixed, and nothing here follows the exam's form table or layout, so that the
// figures show what any program with these controls pays.

#include <windows.h>

#include <commctrl.h>

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

enum EControl { Title, Panel, Prompt, Brand, End, Next, AnswerName, Answer, TextName, Text, Count };

struct TFloor {
    HWND Window = nullptr;
    HWND Controls[Count] = {};
    HBRUSH Silver = nullptr;
    HBRUSH White = nullptr;
    bool Activated = false;
};

TFloor state;

// Character heights in pixels at 96 dpi (negative: without internal leading); the family hint
// picks a metric-compatible face where the named one is missing.
HFONT MakeFont(int pixels, bool serif, bool bold = false, bool underline = false) {
    return CreateFontW(
        -pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
        RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        VARIABLE_PITCH | (serif ? FF_ROMAN : FF_SWISS), serif ? L"Times New Roman" : L"Arial");
}

// Ink and background as the exam's form has them: white edit boxes, blue and red labels, silver
// elsewhere.
LRESULT Colour(HDC dc, HWND control) {
    if (control == state.Controls[Text] || control == state.Controls[Answer]) {
        SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(state.White);
    }
    SetTextColor(dc, control == state.Controls[Prompt] ? kRed
                     : control == state.Controls[Title] || control == state.Controls[Brand]
                         ? kBlue
                         : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, kSilver);
    return reinterpret_cast<LRESULT>(state.Silver);
}

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(panel, &paint);
            RECT edge;
            GetClientRect(panel, &edge);
            DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
            EndPaint(panel, &paint);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            return SendMessageW(GetParent(panel), message, w, l);
        default:
            return DefWindowProcW(panel, message, w, l);
    }
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(w) != WA_INACTIVE && !state.Activated) {
                state.Activated = true;
                SetWindowTextW(state.Controls[Title], L"Билет 1");
                SetWindowTextW(state.Controls[Text], L"Вопрос и варианты ответа.");
                SetWindowTextW(window, L"Floor");
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            return Colour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

// The control of id under parent, in the given font; false if it cannot be made.
bool Make(EControl id, HWND parent, DWORD exStyle, const wchar_t* kind, const wchar_t* text,
          DWORD style, int left, int top, int width, int height, HFONT font) {
    const HWND control =
        CreateWindowExW(exStyle, kind, text, style, left, top, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) {
        return false;
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    state.Controls[id] = control;
    return true;
}

// In the exam's creation order, which is also the tab order.
bool CreateControls(int width, int height) {
    const HFONT textFont = MakeFont(19, true);
    const HFONT headingFont = MakeFont(16, false, true, true);
    const HFONT brandFont = MakeFont(11, true);
    const HFONT buttonFont = MakeFont(13, false);
    const int panelHeight = height / 6;
    const int row = panelHeight / 3;
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const DWORD label = child | SS_NOPREFIX;
    const DWORD edit = child | WS_TABSTOP | ES_LEFT;
    const DWORD button = child | WS_TABSTOP | BS_PUSHBUTTON;
    const HWND window = state.Window;
    if (!Make(Title, window, 0, WC_STATICW, L"", label | SS_LEFTNOWORDWRAP, width / 4, 0, width / 2,
              row, headingFont) ||
        !Make(Panel, window, WS_EX_CONTROLPARENT, L"FloorPanel", L"", child | WS_CLIPSIBLINGS, 0,
              height - panelHeight, width, panelHeight, textFont)) {
        return false;
    }
    const HWND panel = state.Controls[Panel];
    return Make(Prompt, panel, 0, WC_STATICW, L"Ваш ответ:", label | SS_LEFTNOWORDWRAP, width / 40,
                row / 2, width / 5, row, headingFont) &&
           Make(Brand, panel, 0, WC_STATICW, L"Floor", label | SS_LEFT, width / 80, row * 2,
                width / 8, row * 2 / 3, brandFont) &&
           Make(End, panel, 0, WC_BUTTONW, L"Конец", button, width * 4 / 5, row / 2, width / 6, row,
                buttonFont) &&
           Make(Next, panel, 0, WC_BUTTONW, L"Дальше", button, width * 3 / 5, row / 2, width / 6,
                row, buttonFont) &&
           Make(AnswerName, panel, 0, WC_STATICW, L"Номер выбранного варианта ответа", label, 0, 0,
                0, 0, textFont) &&
           Make(Answer, panel, WS_EX_CLIENTEDGE, WC_EDITW, L"", edit | ES_AUTOHSCROLL,
                width * 2 / 5, row / 2, width / 6, row, textFont) &&
           Make(TextName, window, 0, WC_STATICW, L"Текст экзамена", label, 0, 0, 0, 0, textFont) &&
           Make(Text, window, WS_EX_CLIENTEDGE, WC_EDITW, L"",
                edit | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 0, row, width,
                height - row - panelHeight, textFont);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    state.Silver = CreateSolidBrush(kSilver);
    state.White = CreateSolidBrush(kWhite);
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = FloorProc;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = state.Silver;
    type.lpszClassName = L"FloorWindow";
    RegisterClassExW(&type);
    WNDCLASSEXW panel = type;
    panel.style = CS_HREDRAW | CS_VREDRAW;
    panel.lpfnWndProc = PanelProc;
    panel.lpszClassName = L"FloorPanel";
    RegisterClassExW(&panel);

    const int width = GetSystemMetrics(SM_CXSCREEN) * 95 / 100;
    const int height = GetSystemMetrics(SM_CYSCREEN) * 95 / 100;
    state.Window = CreateWindowExW(WS_EX_TOPMOST, L"FloorWindow", L"",
                                   WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN, 10, 7, width,
                                   height, nullptr, nullptr, instance, nullptr);
    if (state.Window == nullptr) {
        return 1;
    }
    RECT client{};
    GetClientRect(state.Window, &client);
    if (!CreateControls(client.right, client.bottom)) {
        return 1;
    }
    ShowWindow(state.Window, SW_SHOWNORMAL);
    SetForegroundWindow(state.Window);
    UpdateWindow(state.Window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(state.Window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
