// Starts programs in turn and measures, for each start, the time until its window is shown (visible
// with its caption set), the time until its first screen is ready (drawn, and the program waits
// for input), and the process's peak memory then.
//   startup_bench OUTPUT RUNS PROGRAM CLASS [PROGRAM CLASS...]
// Writes one line per start to OUTPUT:
//   "PROGRAM shown_ms ready_ms peak_working_set_kib peak_private_kib",
// or "PROGRAM failed WHY" for a start that did not get that far. Each program is closed through
// its window (WM_CLOSE) before the next starts. OUTPUT appears only once every start is done, so
// a reader never takes a run cut short for a whole one.

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
    const std::wstring output = argv[1];
    const std::wstring partial = output + L".part";
    FILE* out = _wfopen(partial.c_str(), L"wb");
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
                std::fprintf(out, "%ls failed not-started\n", argv[p]);
                continue;
            }
            // A program that ends before it shows its window has failed; waiting on would count
            // the time-out as its start-up.
            HWND window = nullptr;
            bool ended = false;
            for (int tries = 0; window == nullptr && !ended && tries < 30000; ++tries) {
                window = ShownWindow(argv[p + 1], process.dwProcessId);
                if (window == nullptr) {
                    ended = WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0;
                }
            }
            LARGE_INTEGER shown;
            QueryPerformanceCounter(&shown);
            // A program may set its caption before it fills its first screen; the screen is
            // ready once the program first waits for input.
            const bool ready = window != nullptr && WaitForInputIdle(process.hProcess, 30000) == 0;
            LARGE_INTEGER readyAt;
            QueryPerformanceCounter(&readyAt);
            PROCESS_MEMORY_COUNTERS memory{};
            memory.cb = sizeof(memory);
            const bool measured =
                ready && GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
            if (window != nullptr) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            // One that does not end would run on beside the next start and skew its figures.
            if (window == nullptr ||
                WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, 5000);
            }
            if (measured) {
                std::fprintf(out, "%ls %.1f %.1f %llu %llu\n", argv[p], Milliseconds(start, shown),
                             Milliseconds(start, readyAt),
                             static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024),
                             static_cast<unsigned long long>(memory.PeakPagefileUsage / 1024));
            } else {
                const wchar_t* why = ended               ? L"ended-before-shown"
                                     : window == nullptr ? L"not-shown"
                                     : !ready            ? L"not-ready"
                                                         : L"no-memory-figures";
                std::fprintf(out, "%ls failed %ls\n", argv[p], why);
            }
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    if (std::fclose(out) != 0 ||
        !MoveFileExW(partial.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return 1;
    }
    return 0;
}
