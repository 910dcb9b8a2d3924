#pragma once

// TFT: the exam's one window on plain Win32, a thin adapter between the window API and the
// screen flow. It creates the controls with their fixed looks, lays them out at activation,
// forwards the four events to the flow and carries out the flow's view operations. The
// behaviour lives in the flow and the engine.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "exam_flow.h"
#include "exam_view.h"

namespace exam {

// The character a WM_CHAR unit types into the answer box, as the flow sees it: Windows-1251, or
// '?' for a character the code page lacks (which no answer accepts).
char TypedCharacter(wchar_t unit);

class TFT final : public IExamView {
public:
    // Creates the window hidden, at its design size centred on the screen; Show() activates it.
    TFT(const TExamProfile& profile, TExamState& state, TRandom& random,
        TUtcClock clock = SystemUtcTimeOfDay);
    ~TFT() override;
    TFT(const TFT&) = delete;
    TFT& operator=(const TFT&) = delete;

    // Shows and activates the window; its first activation starts the exam.
    void Show();
    // The window, or null once it has been closed.
    HWND Handle() const { return Window; }

    // IExamView
    void LayoutForm() override;
    void SetCaption(std::string_view caption) override;
    void SetLabelText(ELabel label, std::string_view text) override;
    void SetVisible(EControl control, bool visible) override;
    void SetFocus(EFocus control) override;
    void MakeTextAreaReadOnly() override;
    void ClearTextArea() override;
    void AppendLine(std::string_view line) override;
    std::string AnswerText() const override;
    void SetAnswerText(std::string_view text) override;
    void CloseWindow() override;

private:
    struct TFontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    using TFont = std::unique_ptr<std::remove_pointer_t<HFONT>, TFontDeleter>;
    struct TBrushDeleter {
        void operator()(HBRUSH brush) const { DeleteObject(brush); }
    };
    using TBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, TBrushDeleter>;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK AnswerBoxProc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                          DWORD_PTR self);
    static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                       DWORD_PTR self);
    static LRESULT CALLBACK TextAreaProc(HWND area, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                         DWORD_PTR);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
    LRESULT ColourControl(HDC dc, HWND control);
    void Activate(bool active);
    void CreateControls(int dpi);
    HWND ControlOf(EControl control) const;

    HWND Window = nullptr;
    // Controls in creation order; the window destroys them with itself.
    HWND LT2 = nullptr;
    HWND PT = nullptr;
    HWND LT1 = nullptr;
    HWND LT3 = nullptr;
    HWND B2 = nullptr;
    HWND B1 = nullptr;
    HWND ETName = nullptr;
    HWND ET = nullptr;
    HWND MTName = nullptr;
    HWND MT = nullptr;

    TFont WindowFont;  // Times New Roman 19: the window, the answer box and the text area
    TFont LabelFont;   // Arial 16 bold underlined: LT1 and LT2
    TFont SmallFont;   // Times New Roman 11: LT3
    TFont ButtonFont;  // Arial 13
    TBrush Silver;

    std::wstring TextInMT;  // MT's whole text, lines joined by CR LF
    int LinesInMT = 0;
    HWND FocusWhenDeactivated = nullptr;
    bool EverActivated = false;

    TExamFlow Flow;
};

// Hands one message of the thread's queue on as the program's loop does: Tab, Shift+Tab and the
// arrow keys move between the window's controls as in a dialog; anything else is translated
// into characters and dispatched.
void DispatchExamMessage(HWND window, MSG& message);

// Runs one exam of profile in a new window with the given clock until the window is closed;
// returns the exit status: 0, or 1 if the window could not be created.
int RunExamWindow(const TExamProfile& profile, TUtcClock clock);

}  // namespace exam
