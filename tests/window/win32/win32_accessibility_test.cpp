// What a screen reader receives from the Win32 window: each control read through the
// accessibility interface (MSAA, oleacc), in this process and on the window's own thread, so
// every call reaches the window directly and none waits on another process. Wine's oleacc does
// less than Windows's: a check it cannot answer is skipped under Wine, saying what is missing,
// and runs on Windows, where no test here may be skipped.

#include <oleacc.h>

#include <memory>
#include <set>
#include <string>

#include "tests/window/win32/win32_window_fixture.h"
#include "window/win32/win32_text.h"

namespace exam {
namespace {

using namespace win32;
using enum EElement;

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

struct TRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
using TAccessible = std::unique_ptr<IAccessible, TRelease>;

// The control's client object, as a screen reader asks for it. The interface id is __uuidof's:
// mingw's oleacc import library also defines IID_IAccessible, as an import stub, and linked
// ahead of uuid its code bytes pass for the id, so that every request fails with E_NOINTERFACE.
::testing::AssertionResult GetClientObject(HWND control, TAccessible& object) {
    IAccessible* found = nullptr;
    const HRESULT result =
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&found));
    object.reset(SUCCEEDED(result) ? found : nullptr);
    if (object == nullptr) {
        return ::testing::AssertionFailure() << "AccessibleObjectFromWindow: HRESULT 0x" << std::hex
                                             << static_cast<unsigned long>(result);
    }
    return ::testing::AssertionSuccess();
}

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A text property (accName, accValue, accDefaultAction); empty where the object has none.
std::wstring TextProperty(IAccessible& object,
                          HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR text = nullptr;
    (object.*get)(Self(), &text);
    std::wstring value = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return value;
}

// accRole or accState as a number; -1 where the object answers with anything else.
long NumberProperty(IAccessible& object,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT value;
    VariantInit(&value);
    const HRESULT result = (object.*get)(Self(), &value);
    const long number = result == S_OK && value.vt == VT_I4 ? value.lVal : -1;
    VariantClear(&value);
    return number;
}

std::wstring Name(IAccessible& object) {
    return TextProperty(object, &IAccessible::get_accName);
}
long Role(IAccessible& object) {
    return NumberProperty(object, &IAccessible::get_accRole);
}
long StateOf(IAccessible& object) {
    return NumberProperty(object, &IAccessible::get_accState);
}

// The real window over the numbered bank, shown: its first activation has put up the title
// screen.
class TWin32AccessibilityTest : public TWin32WindowTest {
protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(CoInitialize(nullptr));
        ComReady = true;
        Make();
        ASSERT_NE(Window->Handle(), nullptr);
        Show();
        ASSERT_EQ(State.Screen, EScreen::Title);
    }
    void TearDown() override {
        Window.reset();
        Pump();  // the closed window's quit message
        if (ComReady) {
            CoUninitialize();
        }
    }
    // Next as its click reports it, whether or not the button is shown.
    void PressNext() {
        const HWND next = Window->Control(NextButton);
        SendMessageW(Window->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), BN_CLICKED),
                     reinterpret_cast<LPARAM>(next));
        Pump();
    }
    // The labels a screen reader finds shown, each checked to be read out as its current text.
    std::set<EElement> ShownLabelsReadAsTheirText() {
        std::set<EElement> shown;
        for (const TElementLook& look : FormElements()) {
            const HWND label = Window->Control(look.Element);
            if (look.Kind != EKind::Label || !IsWindowVisible(label)) {
                continue;
            }
            SCOPED_TRACE(look.Name);
            shown.insert(look.Element);
            TAccessible object;
            EXPECT_TRUE(GetClientObject(label, object));
            if (object != nullptr) {
                EXPECT_FALSE(TextOf(label).empty());
                EXPECT_EQ(Name(*object), TextOf(label));
            }
        }
        return shown;
    }

    bool ComReady = false;
};

TEST_F(TWin32AccessibilityTest, AnswerBoxIsAnEditableBoxNamedByItsLabel) {
    PressNext();  // the box is shown on a ticket
    const HWND box = Window->Control(AnswerBox);
    ASSERT_TRUE(IsWindowVisible(box));
    TAccessible object;
    ASSERT_TRUE(GetClientObject(box, object));
    EXPECT_EQ(Name(*object), FromCp1251(LookOf(AnswerBox).AccessibleName));
    EXPECT_EQ(Role(*object), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(StateOf(*object) & (STATE_SYSTEM_READONLY | STATE_SYSTEM_INVISIBLE), 0);
}

TEST_F(TWin32AccessibilityTest, TextAreaIsNamedReadOnlyAndGivesItsText) {
    const HWND area = Window->Control(TextArea);
    TAccessible object;
    ASSERT_TRUE(GetClientObject(area, object));
    EXPECT_EQ(Name(*object), FromCp1251(LookOf(TextArea).AccessibleName));
    EXPECT_EQ(Role(*object), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(StateOf(*object) & STATE_SYSTEM_READONLY, STATE_SYSTEM_READONLY);
    // Its value, not its name, is what it shows.
    ASSERT_NE(TextOf(area).find(FromCp1251(Title.View())), std::wstring::npos);
    EXPECT_EQ(TextProperty(*object, &IAccessible::get_accValue), TextOf(area));
}

// The title, the prompt and the results heading change with the screen; each is read out as it
// stands, as is the brand label.
TEST_F(TWin32AccessibilityTest, ShownLabelsAreReadAsTheyStand) {
    EXPECT_EQ(ShownLabelsReadAsTheirText(), (std::set<EElement>{BrandLabel}));
    PressNext();
    EXPECT_EQ(ShownLabelsReadAsTheirText(),
              (std::set<EElement>{TitleLabel, PromptLabel, BrandLabel}));
    const std::wstring firstTicket = TextOf(Window->Control(TitleLabel));
    PressNext();
    ASSERT_NE(TextOf(Window->Control(TitleLabel)), firstTicket);
    EXPECT_EQ(ShownLabelsReadAsTheirText(),
              (std::set<EElement>{TitleLabel, PromptLabel, BrandLabel}));
    while (State.Screen != EScreen::Results) {
        PressNext();
    }
    EXPECT_EQ(ShownLabelsReadAsTheirText(), (std::set<EElement>{TitleLabel, BrandLabel}));
}

TEST_F(TWin32AccessibilityTest, ButtonsAreNamedByTheirText) {
    for (const EElement button : {NextButton, EndButton}) {
        SCOPED_TRACE(LookOf(button).Name);
        TAccessible object;
        ASSERT_TRUE(GetClientObject(Window->Control(button), object));
        EXPECT_EQ(Name(*object), FromCp1251(LookOf(button).Text));
        EXPECT_EQ(Name(*object), FromCp1251(LookOf(button).AccessibleName));
    }
}

TEST_F(TWin32AccessibilityTest, ButtonsArePushButtons) {
    for (const EElement button : {NextButton, EndButton}) {
        SCOPED_TRACE(LookOf(button).Name);
        TAccessible object;
        ASSERT_TRUE(GetClientObject(Window->Control(button), object));
        const long role = Role(*object);
        if (UnderWine() && role != ROLE_SYSTEM_PUSHBUTTON) {
            GTEST_SKIP() << "Wine's oleacc has no button class: a button's role is " << role
                         << ", not ROLE_SYSTEM_PUSHBUTTON";
        }
        EXPECT_EQ(role, ROLE_SYSTEM_PUSHBUTTON);
    }
}

TEST_F(TWin32AccessibilityTest, ButtonsHaveADefaultAction) {
    for (const EElement button : {NextButton, EndButton}) {
        SCOPED_TRACE(LookOf(button).Name);
        TAccessible object;
        ASSERT_TRUE(GetClientObject(Window->Control(button), object));
        // Russian Windows says "Нажать"; the words follow the system's language.
        const std::wstring action = TextProperty(*object, &IAccessible::get_accDefaultAction);
        RecordProperty(std::string(LookOf(button).Name) + "DefaultAction", Utf8(action));
        if (UnderWine() && action.empty()) {
            GTEST_SKIP() << "Wine's oleacc gives a button no default action";
        }
        EXPECT_FALSE(action.empty());
    }
}

TEST_F(TWin32AccessibilityTest, DefaultActionPressesNext) {
    TAccessible object;
    ASSERT_TRUE(GetClientObject(Window->Control(NextButton), object));
    const HRESULT result = object->accDoDefaultAction(Self());
    if (UnderWine() && result == E_NOTIMPL) {
        GTEST_SKIP() << "Wine's oleacc cannot do a button's default action (E_NOTIMPL)";
    }
    EXPECT_HRESULT_SUCCEEDED(result);
    Pump();  // the press may come as a posted message
    EXPECT_EQ(State.Screen, EScreen::Ticket);
    EXPECT_EQ(State.CurrentTicket, 1);
}

}  // namespace
}  // namespace exam
