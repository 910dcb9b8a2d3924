#pragma once

// The Win32 exam window's class name and its controls' identifiers. Tests and the test-only
// window reader find the window and its controls by them; nothing else depends on the numbers.

namespace exam::win32 {

inline constexpr wchar_t kWindowClass[] = L"TFT";
inline constexpr wchar_t kPanelClass[] = L"TFTPanel";

// GetDlgCtrlID of each control. LT2, PT, MT and MT's name label are children of the window;
// the others are children of the panel PT.
enum EControlId : int {
    kLT2 = 1001,
    kPT = 1002,
    kLT1 = 1003,
    kLT3 = 1004,
    kB2 = 1005,
    kB1 = 1006,
    kETName = 1007,  // names the answer box to screen readers; no size, never seen
    kET = 1008,
    kMTName = 1009,  // names the text area likewise
    kMT = 1010,
};

// The names screen readers give the answer box and the text area.
inline constexpr wchar_t kAnswerBoxName[] = L"Номер выбранного варианта ответа";
inline constexpr wchar_t kTextAreaName[] = L"Текст экзамена";

}  // namespace exam::win32
