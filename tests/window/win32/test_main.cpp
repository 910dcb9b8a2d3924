// The Win32 window tests run on a desktop of their own. Under Wine a named desktop with a size in
// the registry is a virtual desktop of that size: a 1024 x 768 screen with Wine's own frames, focus
// and activation, whatever the X server behind it does.

#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    constexpr wchar_t kDesktop[] = L"ExamWindowTests";
    constexpr wchar_t kSize[] = L"1024x768";
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", kDesktop, REG_SZ,
                    kSize, sizeof(kSize));
    HDESK desktop = CreateDesktopW(kDesktop, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop == nullptr || !SetThreadDesktop(desktop)) {
        return 2;
    }
    return RUN_ALL_TESTS();
}
