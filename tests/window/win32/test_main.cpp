// The Win32 window tests run on a desktop of their own. Under Wine a named desktop with a size in
// the registry is a virtual desktop of that size: a 1024 x 768 screen with Wine's own frames, focus
// and activation, whatever the X server behind it does.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // One desktop per test process: tests running side by side each have their own X server.
    const std::wstring name = L"ExamWindowTests-" + std::to_wstring(GetCurrentProcessId());
    constexpr wchar_t kSize[] = L"1024x768";
    constexpr wchar_t kDesktops[] = L"Software\\Wine\\Explorer\\Desktops";
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktops, name.c_str(), REG_SZ, kSize, sizeof(kSize));
    HDESK desktop = CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop == nullptr || !SetThreadDesktop(desktop)) {
        return 2;
    }
    const int status = RUN_ALL_TESTS();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktops, name.c_str());
    return status;
}
