// The floor of the start-up benchmark: a minimal Win32 program with one window as large as the
// exam's (95 % of the screen), silver, with a caption; it ends when the window is closed.

#include <windows.h>

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int main() {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = FloorProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hbrBackground = CreateSolidBrush(RGB(192, 192, 192));
    type.lpszClassName = L"FloorWindow";
    RegisterClassExW(&type);
    const int width = GetSystemMetrics(SM_CXSCREEN) * 95 / 100;
    const int height = GetSystemMetrics(SM_CYSCREEN) * 95 / 100;
    HWND window =
        CreateWindowExW(WS_EX_TOPMOST, L"FloorWindow", L"Floor", WS_OVERLAPPED | WS_CAPTION, 10, 7,
                        width, height, nullptr, nullptr, type.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
