#pragma once

// The real Win32 window over the numbered exam, made but not yet shown, for the tests of what
// only the Win32 window has.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/window/flow/numbered_bank.h"
#include "tests/window/win32/utf8_text.h"
#include "window/win32/control_ids.h"
#include "window/win32/exam_window.h"

namespace exam {

class TWin32WindowTest : public ::testing::Test, protected TNumberedExam {
protected:
    ~TWin32WindowTest() override {
        Window.reset();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void Make() { Window = std::make_unique<TExamWindow>(Profile, State, Random); }
    // Shows the window and handles what that sends it, the first activation included.
    void Show() {
        Window->Show();
        Pump();
    }
    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchExamMessage(Window != nullptr ? Window->Handle() : nullptr, message);
        }
    }
    HWND Control(int id) const {
        HWND window = Window->Handle();
        HWND control = GetDlgItem(window, id);
        return control != nullptr
                   ? control
                   : GetDlgItem(GetDlgItem(window, win32::ControlId(EElement::Panel)), id);
    }
    HWND Control(EElement element) const { return Control(win32::ControlId(element)); }
    HWND Box() const { return Control(EElement::AnswerBox); }
    HWND Next() const { return Control(EElement::NextButton); }
    HWND End() const { return Control(EElement::EndButton); }
    HWND Area() const { return Control(EElement::TextArea); }

    std::unique_ptr<TExamWindow> Window;
};

}  // namespace exam
