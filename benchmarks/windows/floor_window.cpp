// The floor of the start-up benchmark: a minimal Win32 program with one window as large as the
// exam's (95 % of the screen), silver, with a caption; it ends when the window is closed.
// Built with FLOOR_VISUAL_STYLES and the exam's manifest it is the second floor: the same window
// with the common controls of version 6 loaded, as every program with visual styles has them,
// that sets its caption at its first activation, as the exam does.

#include <windows.h>

#ifdef FLOOR_VISUAL_STYLES
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM w, LPARAM l) {
#ifdef FLOOR_VISUAL_STYLES
    static bool activated = false;
    if (message == WM_ACTIVATE && LOWORD(w) != WA_INACTIVE && !activated) {
        activated = true;
        SetWindowTextW(window, L"Floor");
    }
#endif
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int main() {
#ifdef FLOOR_VISUAL_STYLES
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = FloorProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hbrBackground = CreateSolidBrush(RGB(192, 192, 192));
    type.lpszClassName = L"FloorWindow";
    RegisterClassExW(&type);
    const int width = GetSystemMetrics(SM_CXSCREEN) * 95 / 100;
    const int height = GetSystemMetrics(SM_CYSCREEN) * 95 / 100;
#ifdef FLOOR_VISUAL_STYLES
    const wchar_t* caption = L"";
#else
    const wchar_t* caption = L"Floor";
#endif
    HWND window =
        CreateWindowExW(WS_EX_TOPMOST, L"FloorWindow", caption, WS_OVERLAPPED | WS_CAPTION, 10, 7,
                        width, height, nullptr, nullptr, type.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
