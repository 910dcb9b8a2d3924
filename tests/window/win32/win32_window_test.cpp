// What is the Win32 window's own: its window and control styles, the labels that name edit boxes
// to screen readers, the fonts' character set and family hints, the code page at the edge, and
// a window that cannot be made whole. What both front ends share is in ../conformance/.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "tests/window/win32/win32_window_fixture.h"
#include "window/win32/win32_text.h"

namespace exam {
namespace {

using namespace win32;
using enum EElement;

TEST_F(TWin32WindowTest, WindowAndControlsWithTheirFixedProperties) {
    Make();
    const HWND window = Window->Handle();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0)
        << "fixed border, no caption buttons or system menu";
    EXPECT_EQ(style & (WS_HSCROLL | WS_VSCROLL), 0);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Creation order is z-order: the window holds the title, the panel and the text area; the
    // panel the rest.
    std::vector<int> order;
    for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(c));
    }
    EXPECT_EQ(order, (std::vector<int>{ControlId(TitleLabel), ControlId(Panel),
                                       NameLabelId(TextArea), ControlId(TextArea)}));
    order.clear();
    for (HWND c = GetWindow(Control(ControlId(Panel)), GW_CHILD); c;
         c = GetWindow(c, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(c));
    }
    EXPECT_EQ(order, (std::vector<int>{ControlId(PromptLabel), ControlId(BrandLabel),
                                       ControlId(EndButton), ControlId(NextButton),
                                       NameLabelId(AnswerBox), ControlId(AnswerBox)}));
    EXPECT_TRUE(GetWindowLongPtrW(Control(ControlId(Panel)), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    // Screen readers name a control by the label just before it.
    EXPECT_EQ(GetWindow(Box(), GW_HWNDPREV), Control(NameLabelId(AnswerBox)));
    EXPECT_EQ(TextOf(Control(NameLabelId(AnswerBox))), L"Номер выбранного варианта ответа");
    EXPECT_EQ(GetWindow(Area(), GW_HWNDPREV), Control(NameLabelId(TextArea)));

    for (HWND button : {Next(), End()}) {
        EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_TRUE(SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    }
    EXPECT_EQ(HIWORD(SendMessageW(window, DM_GETDEFID, 0, 0)), 0) << "no default button";

    const LONG_PTR text = GetWindowLongPtrW(Area(), GWL_STYLE);
    EXPECT_EQ(text & (ES_MULTILINE | ES_READONLY | WS_VSCROLL),
              ES_MULTILINE | ES_READONLY | WS_VSCROLL);
    EXPECT_EQ(text & (ES_AUTOHSCROLL | WS_HSCROLL), 0) << "long lines wrap";
    EXPECT_EQ(GetWindowLongPtrW(Box(), GWL_STYLE) & (ES_MULTILINE | ES_READONLY), 0);
}

TEST_F(TWin32WindowTest, FontsInTheRussianCharacterSetWithAFamilyHint) {
    Make();
    for (const TElementLook& look : FormElements()) {
        if (look.Element == Panel) {
            continue;  // it shows no text
        }
        SCOPED_TRACE(look.Name);
        LOGFONTW font{};
        const auto handle = reinterpret_cast<HFONT>(
            SendMessageW(Control(ControlId(look.Element)), WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectW(handle, sizeof(font), &font), static_cast<int>(sizeof(font)));
        EXPECT_LT(font.lfHeight, 0) << "the em height, without internal leading";
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
        const bool serif = std::wstring(font.lfFaceName) == L"Times New Roman";
        EXPECT_EQ(font.lfPitchAndFamily & 0xF0, serif ? FF_ROMAN : FF_SWISS)
            << "where the face is missing, Wine picks one of the same family";
    }
}

// The pixels of a window's rectangle as they are on the screen, children included, as
// 0x00RRGGBB rows from the top.
struct TCapture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    COLORREF At(int x, int y) const {
        const std::uint32_t p = Pixels[static_cast<std::size_t>(y * Width + x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

TCapture Capture(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    TCapture image{r.right - r.left, r.bottom - r.top, {}};
    image.Pixels.resize(static_cast<std::size_t>(image.Width * image.Height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.Width;
    info.bmiHeader.biHeight = -image.Height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.Width, image.Height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::memcpy(image.Pixels.data(), bits, image.Pixels.size() * sizeof(std::uint32_t));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return image;
}

// The brand label reaches past the panel's bottom; the panel's raised edge stays whole under
// it (the light outer and highlight inner lines on the left, the shadow lines at the bottom),
// and the label still shows its text inside the edge.
TEST_F(TWin32WindowTest, BrandLabelLeavesThePanelsEdgeWhole) {
    Make();
    Show();
    RedrawWindow(Window->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const HWND panel = Control(ControlId(Panel));
    const HWND brand = Control(ControlId(BrandLabel));
    RECT label{};
    GetWindowRect(brand, &label);
    MapWindowPoints(HWND_DESKTOP, panel, reinterpret_cast<POINT*>(&label), 2);
    const TCapture image = Capture(panel);
    ASSERT_GT(image.Height, 4);
    ASSERT_LT(label.left, image.Width);
    ASSERT_GT(label.bottom, image.Height) << "the layout puts the label over the bottom edge";

    const int bottom = image.Height - 1;
    for (int x = std::max<int>(label.left, 2); x < std::min<int>(label.right, image.Width - 2);
         ++x) {
        SCOPED_TRACE(x);
        ASSERT_EQ(image.At(x, bottom), GetSysColor(COLOR_3DDKSHADOW));
        ASSERT_EQ(image.At(x, bottom - 1), GetSysColor(COLOR_3DSHADOW));
    }
    for (int y = std::max<int>(label.top, 2); y < bottom - 1; ++y) {
        SCOPED_TRACE(y);
        ASSERT_EQ(image.At(0, y), GetSysColor(COLOR_3DLIGHT));
        ASSERT_EQ(image.At(1, y), GetSysColor(COLOR_3DHILIGHT));
    }
    const TColour& blue = *LookOf(BrandLabel).Ink;
    const COLORREF ink = RGB(blue.Red, blue.Green, blue.Blue);
    int inked = 0;
    for (int y = std::max<int>(label.top, 2); y < bottom - 1; ++y) {
        for (int x = std::max<int>(label.left, 2); x < std::min<int>(label.right, image.Width);
             ++x) {
            inked += image.At(x, y) == ink ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 0) << "the label's text is drawn";
}

// What the window is sent while it comes up: its size when it is first shown, and how often the
// text area's text is set.
HWND Watched = nullptr;  // the exam window
HWND WatchedArea = nullptr;
RECT SizeWhenShown{};
int TextsSet = 0;

LRESULT CALLBACK WatchComingUp(int code, WPARAM w, LPARAM l) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && call->hwnd == Watched && call->message == WM_SHOWWINDOW &&
        call->wParam) {
        GetWindowRect(Watched, &SizeWhenShown);
    }
    if (code == HC_ACTION && call->hwnd == WatchedArea && call->message == WM_SETTEXT) {
        ++TextsSet;
    }
    return CallNextHookEx(nullptr, code, w, l);
}

// The window is first painted at its size and with the whole title screen: neither moved and
// painted again, nor its text wrapped and painted anew for each line.
TEST_F(TWin32WindowTest, ComesUpAtItsSizeWithItsTextSetOnce) {
    Make();
    Watched = Window->Handle();
    WatchedArea = Area();
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, &WatchComingUp, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    Show();
    const RECT shown = SizeWhenShown;
    const int titleTexts = TextsSet;
    SendMessageW(Next(), BM_CLICK, 0, 0);
    Pump();
    UnhookWindowsHookEx(hook);

    RECT placed{};
    GetWindowRect(Window->Handle(), &placed);
    EXPECT_TRUE(EqualRect(&shown, &placed)) << "laid out before it was shown";
    EXPECT_EQ(titleTexts, 1) << "the title screen's twelve lines";
    EXPECT_EQ(TextsSet, 2) << "and a ticket's";
    EXPECT_NE(TextOf(Area()).find(L"Вопрос"), std::wstring::npos);
}

// A control that cannot be created (here refused by a hook, as a desktop out of window handles
// would) leaves no window behind, so the program ends with status 1 instead of running an
// exam without, say, its answer box.
HHOOK Hook = nullptr;
int Refused = 0;  // the control id whose creation fails

LRESULT CALLBACK RefuseOneControl(int code, WPARAM w, LPARAM l) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(l)->lpcs;
        if (reinterpret_cast<INT_PTR>(create->hMenu) == Refused &&
            (create->style & WS_CHILD) != 0) {
            return 1;
        }
    }
    return CallNextHookEx(Hook, code, w, l);
}

TEST_F(TWin32WindowTest, NoWindowWhenAControlCannotBeCreated) {
    std::vector<int> ids;
    for (const TElementLook& look : FormElements()) {
        ids.push_back(ControlId(look.Element));
        if (HasNameLabel(look)) {
            ids.push_back(NameLabelId(look.Element));
        }
    }
    Hook = SetWindowsHookExW(WH_CBT, &RefuseOneControl, nullptr, GetCurrentThreadId());
    ASSERT_NE(Hook, nullptr);
    for (const int id : ids) {
        SCOPED_TRACE(id);
        Refused = id;
        Make();
        EXPECT_EQ(Window->Handle(), nullptr);
        EXPECT_EQ(FindWindowW(kWindowClass, nullptr), nullptr) << "nothing left on the screen";
    }
    UnhookWindowsHookEx(Hook);
    Refused = 0;
    Make();
    EXPECT_NE(Window->Handle(), nullptr) << "without the hook the window is made";
}

TEST(Win32Text, Cp1251AtTheWindowsEdge) {
    EXPECT_EQ(FromCp1251(Utf8ToCp1251("БИЛЕТ  15")), L"БИЛЕТ  15");
    EXPECT_EQ(ToCp1251(L"ВЕЛТ-2005"), Utf8ToCp1251("ВЕЛТ-2005"));
    EXPECT_EQ(ToCp1251(L"ёЁ№"), "\xB8\xA8\xB9");
    EXPECT_EQ(ToCp1251(L"≥").append(ToCp1251(L"\U0001F600")).find_first_not_of('?'),
              std::string::npos)
        << "characters the code page lacks";
    EXPECT_EQ(FromCp1251(""), L"");
    struct TCase {
        wchar_t Unit;
        char Character;
    } const cases[] = {
        {L'3', '3'},    {L'\r', '\r'}, {L'\b', '\b'}, {L'\x16', '\x16'},
        {L'а', '\xE0'}, {L'≥', '?'},   {L'３', '?'},  // a full-width digit is not read as 3
        {0xD83D, '?'},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(TypedCharacter(c.Unit), c.Character) << static_cast<int>(c.Unit);
    }
}

}  // namespace
}  // namespace exam
