// Starts programs in turn and measures, for each start, the time until its window shows its
// first screen (the window visible with its caption set) and the process's peak memory then.
//   startup_bench OUTPUT RUNS PROGRAM CLASS [PROGRAM CLASS...]
// Writes one line per start to OUTPUT: "PROGRAM ms peak_working_set_kib peak_private_kib".
// Each program is closed through its window (WM_CLOSE) before the next starts.

#include <windows.h>

#include <psapi.h>  // after windows.h, which it needs

#include <cstdio>
#include <string>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

HWND ShownWindow(const std::wstring& windowClass, DWORD processId) {
    HWND window = FindWindowW(windowClass.c_str(), nullptr);
    DWORD owner = 0;
    if (window == nullptr || !IsWindowVisible(window) ||
        GetWindowThreadProcessId(window, &owner) == 0 || owner != processId ||
        GetWindowTextLengthW(window) == 0) {
        return nullptr;
    }
    return window;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5 || (argc - 3) % 2 != 0) {
        std::fprintf(stderr, "usage: startup_bench OUTPUT RUNS PROGRAM CLASS [PROGRAM CLASS...]\n");
        return 2;
    }
    FILE* out = _wfopen(argv[1], L"wb");
    if (out == nullptr) {
        return 1;
    }
    const int runs = _wtoi(argv[2]);
    for (int run = 0; run < runs; ++run) {
        for (int p = 3; p + 1 < argc; p += 2) {
            std::wstring commandLine = L"\"" + std::wstring(argv[p]) + L"\"";
            STARTUPINFOW startup{};
            startup.cb = sizeof(startup);
            PROCESS_INFORMATION process{};
            LARGE_INTEGER start;
            QueryPerformanceCounter(&start);
            if (!CreateProcessW(argv[p], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &startup, &process)) {
                return 1;
            }
            HWND window = nullptr;
            for (int tries = 0; window == nullptr && tries < 30000; ++tries) {
                window = ShownWindow(argv[p + 1], process.dwProcessId);
                if (window == nullptr) {
                    Sleep(1);
                }
            }
            LARGE_INTEGER shown;
            QueryPerformanceCounter(&shown);
            PROCESS_MEMORY_COUNTERS memory{};
            memory.cb = sizeof(memory);
            GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
            if (window != nullptr) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            WaitForSingleObject(process.hProcess, 30000);
            std::fprintf(out, "%ls %.1f %zu %zu\n", argv[p], Milliseconds(start, shown),
                         memory.PeakWorkingSetSize / 1024, memory.PeakPagefileUsage / 1024);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    std::fclose(out);
    return 0;
}
