// The Win32 window in this process, driven with the messages that mouse and keyboard produce and
// read back through the window API, on a 1024 x 768 screen.

#include "exam_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "control_ids.h"
#include "cp1251.h"
#include "numbered_bank.h"
#include "win32_text.h"

namespace exam {
namespace {

using namespace win32;

std::wstring TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

// A control's rectangle in its parent's client area: left, top, width, height.
std::vector<int> RectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The real window over the numbered bank, started at midnight.
class TWin32WindowTest : public ::testing::Test {
protected:
    TWin32WindowTest() {
        Profile.Caption = Caption.View();
        Profile.TitleLines = {Title.View(), Title.View(), Title.View(), Title.View(), Title.View()};
        Profile.GroupSize = 16;
        Profile.LineCount = Bank.LineCount();
        Profile.Bank = Bank.Table();
        Window = std::make_unique<TFT>(Profile, State, Random, [] { return TUtcTimeOfDay{}; });
    }
    ~TWin32WindowTest() override {
        Window.reset();
        Pump();  // the closed window's quit message
    }

    // Runs the program's message loop until the queue is empty.
    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) {
                DispatchExamMessage(Window ? Window->Handle() : nullptr, message);
            }
        }
    }

    void Open() {
        Window->Show();
        Pump();
        ASSERT_EQ(GetActiveWindow(), Window->Handle());
        ASSERT_EQ(TextOf(Window->Handle()), L"СОСУДЫ  (ЭКЗАМЕН)") << "the exam has started";
    }

    HWND Control(int id) const {
        HWND window = Window->Handle();
        HWND control = GetDlgItem(window, id);
        return control != nullptr ? control : GetDlgItem(GetDlgItem(window, kPT), id);
    }
    HWND ET() const { return Control(kET); }
    HWND B1() const { return Control(kB1); }
    HWND B2() const { return Control(kB2); }
    HWND MT() const { return Control(kMT); }

    // A key pressed and released on the focused control, through the program's loop; a held
    // key repeats with bit 30 set.
    void Key(UINT key, bool repeat = false) {
        const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (repeat ? LPARAM{1} << 30 : 0);
        PostMessageW(GetFocus(), WM_KEYDOWN, key, down);
        PostMessageW(GetFocus(), WM_KEYUP, key, down | (LPARAM{3} << 30));
        Pump();
    }
    void KeyWith(UINT modifier, UINT key) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[modifier] = 0x80;
        SetKeyboardState(keys);
        Key(key);
        keys[modifier] = 0;
        SetKeyboardState(keys);
    }
    void Type(const wchar_t* text) {
        for (; *text != L'\0'; ++text) {
            SendMessageW(GetFocus(), WM_CHAR, *text, 1);
        }
    }
    void Click(HWND button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        Pump();
    }
    static void SetClipboard(const wchar_t* text) {
        const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        memcpy(GlobalLock(memory), text, bytes);
        GlobalUnlock(memory);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }

    // Which of LT2, LT1, ET, B1, B2, LT3 are visible, and where the focus is.
    std::string Screen() const {
        std::string s;
        for (const int id : {kLT2, kLT1, kET, kB1, kB2, kLT3}) {
            s += IsWindowVisible(Control(id)) ? '1' : '0';
        }
        const HWND focus = GetFocus();
        return s + (focus == ET()   ? " ET"
                    : focus == B1() ? " B1"
                    : focus == B2() ? " B2"
                                    : " other");
    }

    static constexpr TCp1251Literal Caption = u8"СОСУДЫ  (ЭКЗАМЕН)";
    static constexpr TCp1251Literal Title = u8"  РУЧНАЯ ДУГОВАЯ СВАРКА";
    TNumberedBank Bank;
    TExamProfile Profile;
    TExamState State;
    TRandom Random;
    std::unique_ptr<TFT> Window;
};

TEST_F(TWin32WindowTest, WindowAndControlsWithTheirFixedProperties) {
    const HWND window = Window->Handle();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0)
        << "fixed border, no caption buttons or system menu";
    EXPECT_EQ(style & (WS_HSCROLL | WS_VSCROLL), 0);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    LOGBRUSH background{};
    GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)),
               sizeof(background), &background);
    EXPECT_EQ(background.lbColor, RGB(192, 192, 192));

    // Creation order is z-order: the window holds LT2, PT, MT; the panel the rest.
    std::vector<int> order;
    for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(c));
    }
    EXPECT_EQ(order, (std::vector<int>{kLT2, kPT, kMTName, kMT}));
    order.clear();
    for (HWND c = GetWindow(Control(kPT), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(c));
    }
    EXPECT_EQ(order, (std::vector<int>{kLT1, kLT3, kB2, kB1, kETName, kET}));
    EXPECT_TRUE(GetWindowLongPtrW(Control(kPT), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    EXPECT_EQ(TextOf(Control(kLT3)), L"ВЕЛТ-2005");
    EXPECT_EQ(TextOf(B1()), L"Дальше");
    EXPECT_EQ(TextOf(B2()), L"Конец");
    // Screen readers name a control by the label just before it.
    EXPECT_EQ(GetWindow(ET(), GW_HWNDPREV), Control(kETName));
    EXPECT_EQ(TextOf(Control(kETName)), L"Номер выбранного варианта ответа");
    EXPECT_EQ(GetWindow(MT(), GW_HWNDPREV), Control(kMTName));

    for (HWND button : {B1(), B2()}) {
        EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_TRUE(SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    }
    EXPECT_EQ(HIWORD(SendMessageW(window, DM_GETDEFID, 0, 0)), 0) << "no default button";

    const LONG_PTR text = GetWindowLongPtrW(MT(), GWL_STYLE);
    EXPECT_EQ(text & (ES_MULTILINE | ES_READONLY | WS_VSCROLL),
              ES_MULTILINE | ES_READONLY | WS_VSCROLL);
    EXPECT_EQ(text & (ES_AUTOHSCROLL | WS_HSCROLL), 0) << "long lines wrap";
    EXPECT_EQ(GetWindowLongPtrW(ET(), GWL_STYLE) & (ES_MULTILINE | ES_READONLY), 0);
}

TEST_F(TWin32WindowTest, Fonts) {
    struct TCase {
        int Id;
        int Height;
        LONG Weight;
        bool Underline;
        const wchar_t* Face;
        BYTE Family;
    } const cases[] = {
        {kLT2, -16, FW_BOLD, true, L"Arial", FF_SWISS},
        {kLT1, -16, FW_BOLD, true, L"Arial", FF_SWISS},
        {kLT3, -11, FW_NORMAL, false, L"Times New Roman", FF_ROMAN},
        {kB1, -13, FW_NORMAL, false, L"Arial", FF_SWISS},
        {kB2, -13, FW_NORMAL, false, L"Arial", FF_SWISS},
        {kET, -19, FW_NORMAL, false, L"Times New Roman", FF_ROMAN},
        {kMT, -19, FW_NORMAL, false, L"Times New Roman", FF_ROMAN},
    };
    for (const TCase& c : cases) {
        LOGFONTW font{};
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(Control(c.Id), WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectW(handle, sizeof(font), &font), static_cast<int>(sizeof(font))) << c.Id;
        EXPECT_EQ(font.lfHeight, c.Height) << c.Id << ": the em height, without internal leading";
        EXPECT_EQ(font.lfWeight, c.Weight) << c.Id;
        EXPECT_EQ(font.lfUnderline != 0, c.Underline) << c.Id;
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET) << c.Id;
        EXPECT_EQ(std::wstring(font.lfFaceName), c.Face) << c.Id;
        EXPECT_EQ(font.lfPitchAndFamily & 0xF0, c.Family) << c.Id;
    }
    LOGFONTW window{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Window->Handle(), WM_GETFONT, 0, 0)),
               sizeof(window), &window);
    EXPECT_EQ(window.lfHeight, -19);
}

// What each control asks its parent for when it paints: text colour and background.
TEST_F(TWin32WindowTest, Colours) {
    struct TCase {
        int Id;
        COLORREF Text;
        COLORREF Background;
    } const cases[] = {
        {kLT2, RGB(0, 0, 255), RGB(192, 192, 192)},
        {kLT1, RGB(255, 0, 0), RGB(192, 192, 192)},
        {kLT3, RGB(0, 0, 255), RGB(192, 192, 192)},
        {kMT, GetSysColor(COLOR_WINDOWTEXT), RGB(255, 255, 255)},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const TCase& c : cases) {
        const HWND control = Control(c.Id);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control)));
        LOGBRUSH fill{};
        ASSERT_NE(GetObjectW(brush, sizeof(fill), &fill), 0) << c.Id;
        EXPECT_EQ(fill.lbColor, c.Background) << c.Id;
        EXPECT_EQ(GetBkColor(dc), c.Background) << c.Id;
        EXPECT_EQ(GetTextColor(dc), c.Text) << c.Id;
    }
    DeleteDC(dc);
}

// Wine's frame is 3 pixels wide and its caption 19 pixels high, so the client area of the
// 973 x 730 window is 967 x 705.
TEST_F(TWin32WindowTest, LayoutOnA1024By768Screen) {
    Open();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Window->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    ASSERT_EQ(monitor.rcMonitor.right - monitor.rcMonitor.left, 1024);
    ASSERT_EQ(monitor.rcMonitor.bottom - monitor.rcMonitor.top, 768);

    RECT outer{};
    GetWindowRect(Window->Handle(), &outer);
    EXPECT_EQ((std::vector<int>{outer.left, outer.top, outer.right - outer.left,
                                outer.bottom - outer.top}),
              (std::vector<int>{10, 7, 973, 730}))
        << "972.8 and 729.6 rounded";
    RECT client{};
    GetClientRect(Window->Handle(), &client);
    ASSERT_EQ(client.right, 967);
    ASSERT_EQ(client.bottom, 705);
    const struct {
        int Id;
        std::vector<int> Rect;
    } expected[] = {
        {kPT, {0, 620, 967, 85}},                               // 84.6
        {kLT2, {290, 7, 484, 70}},                              // 483.5 goes to the even 484
        {kMT, {10, 70, 919, 529}},                              // 70.5 goes to the even 70
        {kLT3, {48, 56, 145, 141}}, {kLT1, {48, 17, 290, 42}},  // 42.5 goes to the even 42
        {kET, {387, 17, 97, 42}},   {kB1, {580, 17, 145, 42}}, {kB2, {774, 17, 145, 42}},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(RectOf(Control(e.Id)), e.Rect) << e.Id;
    }
}

TEST_F(TWin32WindowTest, BeforeActivationNothingHappens) {
    RECT client{};
    GetClientRect(Window->Handle(), &client);
    EXPECT_EQ(client.right, 443) << "the design size";
    EXPECT_EQ(client.bottom, 299);
    // A click would activate the window first; the press itself arrives as this command.
    SendMessageW(Control(kPT), WM_COMMAND, MAKEWPARAM(kB1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(B1()));
    SendMessageW(ET(), WM_CHAR, L'3', 1);
    EXPECT_EQ(State.CurrentTicket, 0);
    EXPECT_EQ(TextOf(MT()), L"");
    EXPECT_EQ(TextOf(ET()), L"") << "no key reaches the box before the exam starts";
}

TEST_F(TWin32WindowTest, LabelsTakeTheirTextsSizeWhereTheLayoutPutThem) {
    Open();
    Click(B1());
    EXPECT_EQ(TextOf(Control(kLT2)), L"БИЛЕТ    1");
    const std::vector<int> title = RectOf(Control(kLT2));
    HDC dc = GetDC(Control(kLT2));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Control(kLT2), WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, L"БИЛЕТ    1", 10, &size);
    ReleaseDC(Control(kLT2), dc);
    EXPECT_EQ(title, (std::vector<int>{290, 7, static_cast<int>(size.cx), title[3]}));
    EXPECT_LT(title[3], 70);
    EXPECT_EQ(RectOf(Control(kLT1))[0], 48);
    EXPECT_LT(RectOf(Control(kLT1))[2], 290);
    EXPECT_EQ(RectOf(Control(kLT3)), (std::vector<int>{48, 56, 145, 141})) << "LT3 keeps its size";
}

TEST_F(TWin32WindowTest, TitleScreen) {
    Open();
    EXPECT_EQ(TextOf(MT()),
              L"\r\n\r\n  РУЧНАЯ ДУГОВАЯ СВАРКА\r\n\r\n  РУЧНАЯ ДУГОВАЯ СВАРКА\r\n\r\n"
              L"  РУЧНАЯ ДУГОВАЯ СВАРКА\r\n\r\n  РУЧНАЯ ДУГОВАЯ СВАРКА\r\n\r\n"
              L"  РУЧНАЯ ДУГОВАЯ СВАРКА\r\n");
    EXPECT_EQ(Screen(), "000111 B1");
    EXPECT_EQ(SendMessageW(MT(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(TWin32WindowTest, KeyFilterInTheRealAnswerBox) {
    Open();
    Key(VK_RETURN);
    EXPECT_EQ(State.CurrentTicket, 1) << "Enter presses the focused Next";
    EXPECT_EQ(GetFocus(), ET());

    Type(L"7");
    EXPECT_EQ(TextOf(ET()), L"");
    SetClipboard(L"3");
    KeyWith(VK_CONTROL, 'V');
    EXPECT_EQ(TextOf(ET()), L"") << "Ctrl+V types 22, which is discarded";
    KeyWith(VK_SHIFT, VK_INSERT);
    EXPECT_EQ(TextOf(ET()), L"3") << "Shift+Insert pastes unchecked";
    Key(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(B1()));
    EXPECT_EQ(GetFocus(), B1());
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_EQ(State.CurrentTicket, 1) << "Enter in the box does not press Next";
    Key(VK_RETURN, true);
    EXPECT_EQ(State.CurrentTicket, 1) << "a held Enter does not press Next";

    Key(VK_SPACE);
    EXPECT_EQ(State.CurrentTicket, 2) << "Space presses the focused Next";
    SetClipboard(L"-3a");
    SendMessageW(ET(), WM_PASTE, 0, 0);  // the context menu's Paste
    Key(VK_RETURN);
    EXPECT_EQ(State.Tickets[2].GivenAnswer, 3);
    Click(B1());
    Type(L"32");
    Key(VK_RETURN);
    EXPECT_EQ(TextOf(ET()), L"") << "32 is rejected";
    EXPECT_FALSE(IsWindowVisible(B1()));
    EXPECT_EQ(State.Tickets[3].GivenAnswer, 3) << "the check on 2 recorded 3";
    Type(L"12");
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(TextOf(ET()), L"2") << "Delete edits without a check";
    Type(L"\b");
    EXPECT_EQ(TextOf(ET()), L"2") << "Backspace at the start deletes nothing";
}

TEST_F(TWin32WindowTest, TabOrderAndVisibilityOnEveryScreen) {
    Open();
    const HWND window = Window->Handle();
    EXPECT_EQ(GetNextDlgTabItem(window, B2(), FALSE), B1());
    EXPECT_EQ(GetNextDlgTabItem(window, MT(), FALSE), B2());
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), MT()) << "the answer box is hidden on the title screen";
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), B2()) << "Tab leaves the read-only text area";
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), B1());

    Key(VK_SPACE);
    EXPECT_EQ(Screen(), "111011 ET") << "ticket, no answer yet";
    Type(L"1");
    Key(VK_RETURN);
    EXPECT_EQ(Screen(), "111111 B1") << "ticket, answered";
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), ET());
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), MT());
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), B2());
    while (State.CurrentTicket < 15) {
        Click(B1());
        Type(L"1");
        Key(VK_RETURN);
    }
    EXPECT_EQ(Screen(), "111101 B1") << "last ticket, answered";
    Key(VK_RETURN);
    EXPECT_EQ(Screen(), "100111 B1") << "results";
    EXPECT_EQ(TextOf(Control(kLT2)), L"РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ");
    const std::wstring report = TextOf(MT());
    EXPECT_EQ(std::count(report.begin(), report.end(), L'\n'), 21) << "22 lines";
    Click(B1());
    EXPECT_EQ(TextOf(MT()), report) << "Next on the results shows them again";

    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), B2());
    Key(VK_RETURN);
    EXPECT_EQ(Window->Handle(), nullptr) << "Enter on the focused End closes the window";
}

TEST_F(TWin32WindowTest, ACloseRequestEndsTheExamEvenOnTheLastTicket) {
    Open();
    while (State.CurrentTicket < 15) {
        Click(B1());
    }
    EXPECT_FALSE(IsWindowVisible(B2()));
    const HWND window = Window->Handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop ends";
    EXPECT_EQ(quit.wParam, 0u) << "with exit status 0";
}

TEST_F(TWin32WindowTest, ActivatingAgainStartsNoNewExamAndRestoresTheFocus) {
    Open();
    Click(B1());
    const int first = State.Tickets[1].QuestionNumber;
    SendMessageW(Window->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageW(Window->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(State.CurrentTicket, 1);
    EXPECT_EQ(State.Tickets[1].QuestionNumber, first);
    EXPECT_EQ(GetFocus(), ET());
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
