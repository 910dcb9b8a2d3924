#pragma once

// The Win32 exam window's class names and its controls' identifiers. Tests and the test-only
// window reader find the window and its controls by them; nothing else depends on the numbers.

#include "window/flow/exam_form.h"

namespace exam::win32 {

inline constexpr wchar_t kWindowClass[] = L"ExamWindow";
inline constexpr wchar_t kPanelClass[] = L"ExamPanel";

// GetDlgCtrlID of the control that shows element, a child of the panel or of the window as the
// form has it.
constexpr int ControlId(EElement element) {
    return 1001 + static_cast<int>(IndexOf(element));
}

// An edit box is named to screen readers by the label just before it: a label of no size, never
// seen, holding the element's accessible name.
constexpr int NameLabelId(EElement element) {
    return 1101 + static_cast<int>(IndexOf(element));
}

// Whether element has such a name label (buttons are named by their own text).
constexpr bool HasNameLabel(const TElementLook& look) {
    return !look.AccessibleName.empty() && look.Kind != EKind::Button;
}

}  // namespace exam::win32
