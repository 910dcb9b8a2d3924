#pragma once

// What the window conformance suite needs from a platform: the real exam window, opened on the
// test screen, driven as mouse and keyboard drive it and read back through the platform's own
// API. Each front end's test folder implements it once (qt_window_driver.cpp,
// win32_window_driver.cpp); the suite's tests run unchanged against either.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/flow/exam_flow.h"
#include "window/flow/exam_form.h"

namespace exam {

enum class EKey { Enter, HeldEnter, Space, Tab, ShiftTab, Home, Delete, CtrlV, ShiftInsert };

// An element as drawn, row by row.
struct TDrawn {
    int Width = 0;
    int Height = 0;
    std::vector<TColour> Pixels;
    TColour At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

// A font as a control asks for it.
struct TFontSeen {
    std::string Family;
    int Pixels = 0;  // character height
    bool Bold = false;
    bool Underline = false;
};

class IWindowDriver {
public:
    virtual ~IWindowDriver() = default;

    // Shows the window and returns once it is active and its first activation has run.
    virtual void Open() = 0;
    // The window loses the activation to another program and gets it back.
    virtual void Reactivate() = 0;
    // A click on a button; before Open(), the press alone, as a click that beats the activation
    // would deliver it.
    virtual void Click(EElement button) = 0;
    // A key pressed and released on the control with the focus.
    virtual void Press(EKey key) = 0;
    // Characters (ASCII, Backspace as '\b') typed into the answer box, one key each.
    virtual void Type(std::string_view characters) = 0;
    virtual void GiveFocus(EElement element) = 0;
    virtual void SetClipboard(std::string_view utf8) = 0;
    // The platform's request to close the window (a window manager's close command, Alt+F4).
    virtual void RequestClose() = 0;
    // Announces a taskbar of the given height along the monitor's bottom edge, before Open():
    // the work area is then smaller than the monitor. False if the platform would not announce it.
    virtual bool ReserveTaskbar(int height) = 0;

    virtual bool IsOpen() const = 0;
    // After the window closed: whether the program's event loop ends, with exit status 0.
    virtual bool EventLoopEnds() = 0;
    virtual std::string Caption() const = 0;
    // Texts in UTF-8; the text area's lines.
    virtual std::string Text(EElement element) const = 0;
    virtual std::vector<std::string> Lines() const = 0;
    virtual bool IsVisible(EElement element) const = 0;
    virtual std::optional<EElement> Focus() const = 0;

    virtual TRect Monitor() const = 0;
    virtual TRect WorkArea() const = 0;
    // The window's outer bounds (frame and caption included) on the screen, and its client size.
    virtual TRect OuterBounds() const = 0;
    virtual TRect ClientArea() const = 0;
    // An element's bounds in its parent's client area.
    virtual TRect Bounds(EElement element) const = 0;
    // The size a label's present text takes in the label's font.
    virtual TRect TextSize(EElement label) const = 0;

    virtual TFontSeen WindowFont() const = 0;
    virtual TFontSeen Font(EElement element) const = 0;
    virtual TColour WindowBackground() const = 0;
    virtual std::optional<TColour> Ink(EElement element) const = 0;  // none: the system's
    virtual TColour Background(EElement element) const = 0;
    virtual TDrawn Drawn(EElement element) = 0;
    virtual bool HasSunkenBorder(EElement element) const = 0;
    // The name a screen reader gives the element.
    virtual std::string AccessibleName(EElement element) const = 0;
};

// The platform's driver over a new exam window of profile.
std::unique_ptr<IWindowDriver> MakeWindowDriver(const TExamProfile& profile, TExamState& state,
                                                TRandom& random, TUtcClock clock);

}  // namespace exam
