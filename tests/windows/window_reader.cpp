// A test-only Win32 program that reads the exam window of another process back, as a screen
// reader or a tester would see it: its caption, rectangles, texts, visibility and focus.
//   window_reader DESKTOP COMMAND...   works on the named desktop (Wine's virtual desktop):
//   window_reader wait TIMEOUT_MS     reads expected lines (UTF-8) from standard input and waits
//                                     until the window's state holds every one of them; prints
//                                     the state; exit status 1 if the time ran out
//   window_reader gone TIMEOUT_MS     waits until no exam window is left (exit status 1 if one is)
//   window_reader clipboard TEXT      puts TEXT on the clipboard
//   window_reader run STATUS PROGRAM  starts PROGRAM on this desktop, waits for it and writes its
//                                     exit status to the file STATUS ("exit=N")
//   window_reader close               asks the exam window to close (WM_CLOSE), as a watchdog does
// The state is one "key=value" line each: caption, window and client rectangles, the focused
// control, then NAME.visible, NAME.rect (left top width height in the parent's client area),
// NAME.screen (the same on the screen) and NAME.text for every control, and one TextArea.line per
// line of the text area.

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/window/win32/utf8_text.h"
#include "window/win32/control_ids.h"

namespace {

using namespace exam::win32;
using exam::Utf8;
using exam::Wide;

// Another process's control text: WM_GETTEXT, which the system carries across processes.
std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return L"<no answer>";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

std::string RectText(const RECT& r) {
    std::ostringstream out;
    out << r.left << ' ' << r.top << ' ' << (r.right - r.left) << ' ' << (r.bottom - r.top);
    return out.str();
}

struct TNamedId {
    int Id;
    std::string Name;
};

// Every element of the form by its name, and the labels that name edit boxes to screen readers
// as the element's name followed by "Name".
std::vector<TNamedId> Controls() {
    std::vector<TNamedId> controls;
    for (const exam::TElementLook& look : exam::FormElements()) {
        controls.push_back({ControlId(look.Element), std::string(look.Name)});
    }
    for (const exam::TElementLook& look : exam::FormElements()) {
        if (HasNameLabel(look)) {
            controls.push_back({NameLabelId(look.Element), std::string(look.Name) + "Name"});
        }
    }
    return controls;
}

std::string NameOf(int id) {
    for (const TNamedId& c : Controls()) {
        if (c.Id == id) {
            return c.Name;
        }
    }
    return "other";
}

HWND FindControl(HWND window, int id) {
    HWND found = GetDlgItem(window, id);
    if (found == nullptr) {
        found = GetDlgItem(GetDlgItem(window, ControlId(exam::EElement::Panel)), id);
    }
    return found;
}

std::vector<std::string> State(HWND window) {
    std::vector<std::string> lines;
    lines.push_back("caption=" + Utf8(TextOf(window)));
    RECT r{};
    GetWindowRect(window, &r);
    lines.push_back("window=" + RectText(r));
    GetClientRect(window, &r);
    lines.push_back("client=" + RectText(r));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    const bool ours = thread.hwndFocus != nullptr && IsChild(window, thread.hwndFocus);
    lines.push_back(std::string("focus=") +
                    (ours ? NameOf(GetDlgCtrlID(thread.hwndFocus)) : "none"));
    lines.push_back(std::string("active=") + (thread.hwndActive == window ? "1" : "0"));
    for (const TNamedId& c : Controls()) {
        HWND control = FindControl(window, c.Id);
        const std::string& name = c.Name;
        if (control == nullptr) {
            lines.push_back(name + ".missing=1");
            continue;
        }
        lines.push_back(name + ".visible=" + (IsWindowVisible(control) ? "1" : "0"));
        GetWindowRect(control, &r);
        lines.push_back(name + ".screen=" + RectText(r));
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        lines.push_back(name + ".rect=" + RectText(r));
        if (c.Id == ControlId(exam::EElement::TextArea)) {
            std::wstring text = TextOf(control);
            std::size_t start = 0;
            while (true) {
                const std::size_t end = text.find(L"\r\n", start);
                lines.push_back(name + ".line=" + Utf8(text.substr(start, end - start)));
                if (end == std::wstring::npos) {
                    break;
                }
                start = end + 2;
            }
        } else {
            lines.push_back(name + ".text=" + Utf8(TextOf(control)));
        }
    }
    return lines;
}

bool Holds(const std::vector<std::string>& state, const std::vector<std::string>& expected) {
    for (const std::string& line : expected) {
        bool found = false;
        for (const std::string& have : state) {
            found = found || have == line;
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

int Wait(int timeoutMs) {
    std::vector<std::string> expected;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            expected.push_back(line);
        }
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::string> state;
    bool held = false;
    while (true) {
        HWND window = FindWindowW(kWindowClass, nullptr);
        state = window != nullptr ? State(window) : std::vector<std::string>{"window=none"};
        held = window != nullptr && Holds(state, expected);
        if (held || std::chrono::steady_clock::now() > deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    for (const std::string& s : state) {
        std::cout << s << '\n';
    }
    if (!held) {
        for (const std::string& e : expected) {
            if (!Holds(state, {e})) {
                std::cerr << "window_reader: not seen: " << e << '\n';
            }
        }
    }
    return held ? 0 : 1;
}

int Gone(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (FindWindowW(kWindowClass, nullptr) != nullptr) {
        if (std::chrono::steady_clock::now() > deadline) {
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

int Clipboard(const std::string& text) {
    const std::wstring wide = Wide(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr || !OpenClipboard(nullptr)) {
        return 1;
    }
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return set ? 0 : 1;
}

int Run(const std::wstring& statusFile, const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::cerr << "window_reader: cannot start the program (error " << GetLastError() << ")\n";
        return 1;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    FILE* out = _wfopen(statusFile.c_str(), L"wb");
    if (out == nullptr) {
        return 1;
    }
    std::fprintf(out, "exit=%lu\n", static_cast<unsigned long>(status));
    std::fclose(out);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Bytes in and out exactly: UTF-8 lines ending in a line feed.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    if (argc > 2 && std::string(argv[1]) != "wait" && std::string(argv[1]) != "gone" &&
        std::string(argv[1]) != "clipboard" && std::string(argv[1]) != "close" &&
        std::string(argv[1]) != "run") {
        // The exam's windows are on another desktop: join it before touching any window.
        const std::wstring name = Wide(argv[1]);
        // The desktop appears once Wine's explorer has started it: wait for it up to 20 s.
        HDESK desktop = nullptr;
        for (int tries = 0; desktop == nullptr && tries < 200; ++tries) {
            desktop = OpenDesktopW(name.c_str(), 0, FALSE, GENERIC_ALL);
            if (desktop == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
        if (desktop == nullptr || !SetThreadDesktop(desktop)) {
            std::cerr << "window_reader: cannot open the desktop " << argv[1] << '\n';
            return 2;
        }
        --argc;
        ++argv;
    }
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "wait" && argc == 3) {
        return Wait(std::stoi(argv[2]));
    }
    if (command == "gone" && argc == 3) {
        return Gone(std::stoi(argv[2]));
    }
    if (command == "clipboard" && argc == 3) {
        return Clipboard(argv[2]);
    }
    if (command == "run" && argc == 4) {
        return Run(Wide(argv[2]), Wide(argv[3]));
    }
    if (command == "close" && argc == 2) {
        HWND window = FindWindowW(kWindowClass, nullptr);
        return window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::cerr
        << "usage: window_reader [DESKTOP] wait TIMEOUT_MS | gone TIMEOUT_MS | clipboard TEXT |"
           " close\n";
    return 2;
}
