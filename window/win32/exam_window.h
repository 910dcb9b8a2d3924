#pragma once

// TExamWindow: the exam's one window on plain Win32, a thin adapter between the window API and
// the screen flow. It builds its controls from the form (exam_form.h), lays them out at the first
// activation, forwards the window's four events to the flow and carries out the flow's view
// calls. The behaviour lives in the flow and the engine.

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "window/flow/exam_flow.h"
#include "window/flow/exam_view.h"

namespace exam {

// The character a WM_CHAR unit types into the answer box, as the flow sees it: Windows-1251, or
// '?' for a character the code page lacks (which no answer accepts).
char TypedCharacter(wchar_t unit);

class TExamWindow final : public IExamView {
public:
    // Creates the window hidden, at its design size centred on the screen; Show() activates it.
    // If the window or any of its controls cannot be created, there is no window: Handle() is
    // null.
    TExamWindow(const TExamProfile& profile, TExamState& state, TRandom& random,
                TUtcClock clock = SystemUtcTimeOfDay);
    ~TExamWindow() override;
    TExamWindow(const TExamWindow&) = delete;
    TExamWindow& operator=(const TExamWindow&) = delete;

    // Shows and activates the window; its first activation starts the exam.
    void Show();
    // The window, or null once it has been closed.
    HWND Handle() const { return Window; }
    // The control that shows element.
    HWND Control(EElement element) const { return Controls[IndexOf(element)]; }

    // IExamView
    void LayOut() override;
    void SetCaption(std::string_view caption) override;
    void SetLabelText(EElement label, std::string_view text) override;
    void SetVisible(EElement element, bool visible) override;
    void SetFocus(EElement element) override;
    void ClearText() override;
    void AppendLine(std::string_view line) override;
    std::string AnswerText() const override;
    void SetAnswerText(std::string_view text) override;
    void Close() override;

private:
    struct TGdiDeleter {
        void operator()(HGDIOBJ object) const { DeleteObject(object); }
    };
    using TFontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, TGdiDeleter>;
    using TBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, TGdiDeleter>;

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
    void ChangeDpi(int dpi, const RECT& suggested);
    void PlaceOnMonitor(int dpi);
    bool CreateControls(int dpi);
    HWND CreateControl(const TElementLook& look, int dpi);
    HFONT FontFor(const TFont& look, int dpi);
    void SubclassControls();
    void ShowNewText();

    HWND Window = nullptr;
    std::array<HWND, kElementCount> Controls{};
    std::array<TBrush, kElementCount> Backgrounds;  // for the elements with a background
    std::vector<std::pair<TFont, TFontHandle>> Fonts;
    HFONT WindowFont = nullptr;
    TBrush WindowBackground;

    std::wstring TextInArea;  // the text area's whole text, lines joined by CR LF
    int LinesInArea = 0;
    bool TextChanged = false;  // since the text area last took TextInArea
    HWND FocusWhenDeactivated = nullptr;
    bool EverActivated = false;
    bool LaidOut = false;  // the controls have been placed for the window's size

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
