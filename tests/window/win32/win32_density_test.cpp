// The window at each pixel density: the fonts, place and size it opens with on a monitor of that
// density, and how it follows a density change while it is open.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/window/win32/win32_window_fixture.h"

namespace exam {
namespace {

using namespace win32;
using enum EElement;

// The character height a control's font asks for, in pixels.
int FontPixels(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return -font.lfHeight;
}

// The form's pixel heights at 144 dpi, rounded as MulDiv rounds (half away from zero).
int At144(int pixels) {
    switch (pixels) {
        case 19:
            return 29;
        case 16:
            return 24;
        case 13:
            return 20;
        case 11:
            return 17;
        default:
            return 0;  // a size the form does not use
    }
}

class TWin32DensityTest : public TWin32WindowTest {
protected:
    void ChangeDpi(int dpi, RECT suggested) {
        SendMessageW(Window->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    std::vector<HGDIOBJ> FontsInUse() const {
        std::vector<HGDIOBJ> fonts{
            reinterpret_cast<HGDIOBJ>(SendMessageW(Window->Handle(), WM_GETFONT, 0, 0))};
        for (const TElementLook& look : FormElements()) {
            fonts.push_back(reinterpret_cast<HGDIOBJ>(
                SendMessageW(Control(ControlId(look.Element)), WM_GETFONT, 0, 0)));
        }
        return fonts;
    }
};

TEST_F(TWin32DensityTest, NewDensityMakesTheFontsAnewAndLaysTheWindowOutAgain) {
    Make();
    Show();
    const std::vector<HGDIOBJ> before = FontsInUse();
    ChangeDpi(144, RECT{40, 30, 940, 730});

    EXPECT_EQ(FontPixels(Window->Handle()), 29);
    for (const TElementLook& look : FormElements()) {
        SCOPED_TRACE(look.Name);
        if (look.Element != Panel) {
            EXPECT_EQ(FontPixels(Control(ControlId(look.Element))), At144(look.Font.Pixels));
        }
        if (HasNameLabel(look)) {
            EXPECT_EQ(FontPixels(Control(NameLabelId(look.Element))), At144(look.Font.Pixels));
        }
    }
    for (const HGDIOBJ font : before) {
        EXPECT_EQ(GetObjectType(font), 0u) << "the fonts of the old density are freed";
    }
    // The layout of the first activation on the 1024 x 768 desktop, not the suggested rectangle.
    RECT placed{};
    GetWindowRect(Window->Handle(), &placed);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.top, 7);
    EXPECT_EQ(placed.right - placed.left, 973);
    EXPECT_EQ(placed.bottom - placed.top, 730);
    // A label that fits its text takes the new font's line height.
    TEXTMETRICW metrics{};
    const HWND title = Control(ControlId(TitleLabel));
    HDC dc = GetDC(title);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(title, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(title, dc);
    RECT titleBounds{};
    GetWindowRect(title, &titleBounds);
    EXPECT_EQ(titleBounds.bottom - titleBounds.top, metrics.tmHeight);
}

TEST_F(TWin32DensityTest, BackAndForthLeavesNoFontBehind) {
    Make();
    const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    ChangeDpi(144, RECT{0, 0, 700, 500});
    const std::vector<HGDIOBJ> at144 = FontsInUse();
    ChangeDpi(96, RECT{0, 0, 460, 340});
    for (const HGDIOBJ font : at144) {
        EXPECT_EQ(GetObjectType(font), 0u);
    }
    // Wine counts no GDI objects per process (GetGuiResources answers 0): there the handles
    // above are the proof; on Windows the count is too.
    if (objects != 0) {
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);
    }
}

TEST_F(TWin32DensityTest, BeforeTheExamBeginsTheWindowTakesTheSuggestedRectangle) {
    Make();
    ChangeDpi(120, RECT{100, 50, 700, 480});
    RECT placed{};
    GetWindowRect(Window->Handle(), &placed);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 50);
    EXPECT_EQ(placed.right, 700);
    EXPECT_EQ(placed.bottom, 480);
    EXPECT_EQ(FontPixels(Window->Handle()), 24) << "19 px at 120 dpi";
}

// The density the test program was started at: its Wine prefix's LogPixels, which the test's
// registration passes on as EXAM_TEST_DPI (96 where it sets none).
int StartedAtDpi() {
    wchar_t value[16]{};
    const DWORD length = GetEnvironmentVariableW(L"EXAM_TEST_DPI", value, 16);
    return length > 0 && length < 16 ? std::stoi(value) : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
    using TGetDpiForWindow = UINT(WINAPI*)(HWND);
    const FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (proc == nullptr) {
        return 0;
    }
    return static_cast<int>(
        reinterpret_cast<TGetDpiForWindow>(reinterpret_cast<void (*)()>(proc))(window));
}

std::string Placement(const RECT& r) {
    std::ostringstream out;
    out << r.left << "," << r.top << " " << r.right - r.left << "x" << r.bottom - r.top;
    return out.str();
}

// What a monitor of one density shows on a 1024 x 768 screen, with frames and captions as Wine
// draws them. The window opens at the design size scaled and centred; from the first activation
// it takes its share of the screen whatever the density, and a taller caption leaves a lower
// client area to lay out.
struct TDensity {
    int Dpi;
    int Pixels19, Pixels16, Pixels13, Pixels11;  // the form's four font heights, scaled
    const char* Opened;                          // the window before the exam begins
    const char* Layout;                          // the window and each control once it has
};

const TDensity kDensities[] = {
    {96, 19, 16, 13, 11, "287,222 449x324",
     "Window 10,7 973x730\n"
     "TitleLabel 290,7 484x70\n"
     "Panel 0,620 967x85\n"
     "PromptLabel 48,17 290x42\n"
     "BrandLabel 48,56 145x141\n"
     "EndButton 774,17 145x42\n"
     "NextButton 580,17 145x42\n"
     "AnswerBox 387,17 97x42\n"
     "TextArea 10,70 919x529"},
    {120, 24, 20, 16, 14, "232,182 560x404",
     "Window 10,7 973x730\n"
     "TitleLabel 290,7 484x70\n"
     "Panel 0,616 967x84\n"
     "PromptLabel 48,17 290x42\n"
     "BrandLabel 48,56 145x140\n"
     "EndButton 774,17 145x42\n"
     "NextButton 580,17 145x42\n"
     "AnswerBox 387,17 97x42\n"
     "TextArea 10,70 919x525"},
    {144, 29, 24, 20, 17, "176,142 671x483",
     "Window 10,7 973x730\n"
     "TitleLabel 290,7 484x70\n"
     "Panel 0,612 967x84\n"
     "PromptLabel 48,17 290x42\n"
     "BrandLabel 48,56 145x139\n"
     "EndButton 774,17 145x42\n"
     "NextButton 580,17 145x42\n"
     "AnswerBox 387,17 97x42\n"
     "TextArea 10,70 919x522"},
    {192, 38, 32, 26, 22, "66,63 892x641",
     "Window 10,7 973x730\n"
     "TitleLabel 290,7 484x69\n"
     "Panel 0,605 967x82\n"
     "PromptLabel 48,16 290x41\n"
     "BrandLabel 48,55 145x137\n"
     "EndButton 774,16 145x41\n"
     "NextButton 580,16 145x41\n"
     "AnswerBox 387,16 97x41\n"
     "TextArea 10,69 919x515"},
};

class TWin32StartupDensityTest : public TWin32WindowTest {
protected:
    // The window's place and size, then each control's in its parent.
    std::string Layout() const {
        RECT r{};
        GetWindowRect(Window->Handle(), &r);
        std::string layout = "Window " + Placement(r);
        for (const TElementLook& look : FormElements()) {
            const HWND control = Control(look.Element);
            GetWindowRect(control, &r);
            MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
            layout += "\n" + std::string(look.Name) + " " + Placement(r);
        }
        return layout;
    }
    // The text of each shown label and button fits inside it, in the control's own font.
    void ExpectNoTextClipped() const {
        for (const TElementLook& look : FormElements()) {
            if (look.Kind != EKind::Label && look.Kind != EKind::Button) {
                continue;
            }
            const HWND control = Control(look.Element);
            if (!IsWindowVisible(control)) {
                continue;
            }
            SCOPED_TRACE(look.Name);
            const std::wstring text = TextOf(control);
            // What shows of the control: its client area inside its parent's.
            RECT inside{};
            GetClientRect(control, &inside);
            RECT parent{};
            GetClientRect(GetParent(control), &parent);
            MapWindowPoints(GetParent(control), control, reinterpret_cast<POINT*>(&parent), 2);
            IntersectRect(&inside, &inside, &parent);
            HDC dc = GetDC(control);
            const HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
            SIZE extent{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            SelectObject(dc, old);
            ReleaseDC(control, dc);
            EXPECT_LE(extent.cx, inside.right) << "the text's width";
            EXPECT_LE(extent.cy, inside.bottom) << "the text's height";
        }
    }
};

TEST_F(TWin32StartupDensityTest, FontsPlaceAndSizeFollowTheMonitorsDensity) {
    const int dpi = StartedAtDpi();
    const auto density = std::find_if(std::begin(kDensities), std::end(kDensities),
                                      [&](const TDensity& d) { return d.Dpi == dpi; });
    ASSERT_NE(density, std::end(kDensities)) << dpi << " dpi is not one the tests know";
    Make();
    ASSERT_EQ(WindowDpi(Window->Handle()), dpi) << "the prefix's LogPixels";

    EXPECT_EQ(FontPixels(Window->Handle()), density->Pixels19);
    for (const TElementLook& look : FormElements()) {
        SCOPED_TRACE(look.Name);
        const int expected = look.Font.Pixels == 19   ? density->Pixels19
                             : look.Font.Pixels == 16 ? density->Pixels16
                             : look.Font.Pixels == 13 ? density->Pixels13
                                                      : density->Pixels11;
        if (look.Element != Panel) {
            EXPECT_EQ(FontPixels(Control(look.Element)), expected);
        }
        if (HasNameLabel(look)) {
            EXPECT_EQ(FontPixels(Control(NameLabelId(look.Element))), expected);
        }
    }
    RECT opened{};
    GetWindowRect(Window->Handle(), &opened);
    EXPECT_EQ(Placement(opened), density->Opened) << "the design size at this density, centred";

    Show();
    EXPECT_EQ(Layout(), density->Layout);
    ExpectNoTextClipped();  // the title screen
    SendMessageW(Next(), BM_CLICK, 0, 0);
    SendMessageW(Box(), WM_CHAR, '1', 1);
    SendMessageW(Box(), WM_CHAR, '\r', 1);
    Pump();
    ASSERT_TRUE(IsWindowVisible(Next())) << "the answer is accepted";
    ExpectNoTextClipped();  // a ticket with its answer accepted: every label and button shown
}

}  // namespace
}  // namespace exam
