// The window's behaviour on every platform: the key paths into the answer box and the buttons,
// which elements each screen shows and where the focus is, the first activation and closing.

#include <gtest/gtest.h>

#include "tests/window/conformance/window_fixture.h"

namespace exam {
namespace {

using enum EElement;

TEST_F(TWindowConformance, TitleScreen) {
    Open();
    const std::vector<std::string> lines = Window->Lines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "") << "two empty lines first";
    EXPECT_EQ(lines[2], "  РУЧНАЯ ДУГОВАЯ СВАРКА");
    EXPECT_EQ(Screen(), "000111 NextButton");
}

TEST_F(TWindowConformance, KeyFilterInTheRealAnswerBox) {
    Open();
    Window->Press(EKey::Enter);
    EXPECT_EQ(State.CurrentTicket, 1) << "Enter presses the focused Next";
    EXPECT_EQ(Window->Focus(), AnswerBox);

    Window->Type("7");
    EXPECT_EQ(Window->Text(AnswerBox), "");
    Window->SetClipboard("3");
    Window->Press(EKey::CtrlV);
    EXPECT_EQ(Window->Text(AnswerBox), "") << "Ctrl+V types 22, which is discarded";
    Window->Press(EKey::ShiftInsert);
    EXPECT_EQ(Window->Text(AnswerBox), "3") << "Shift+Insert pastes unchecked";
    Window->Press(EKey::Enter);
    EXPECT_TRUE(Window->IsVisible(NextButton));
    EXPECT_EQ(Window->Focus(), NextButton);
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_EQ(State.CurrentTicket, 1) << "Enter in the box does not press Next";

    Window->Press(EKey::Space);
    EXPECT_EQ(State.CurrentTicket, 2) << "Space presses the focused Next";
    Window->SetClipboard("-3a");
    Window->Press(EKey::ShiftInsert);
    Window->Press(EKey::Enter);
    EXPECT_EQ(State.Tickets[2].GivenAnswer, 3) << "-3a reads as 3";

    Window->Click(NextButton);
    Answer("32");
    EXPECT_EQ(Window->Text(AnswerBox), "") << "32 is rejected";
    EXPECT_FALSE(Window->IsVisible(NextButton));
    EXPECT_EQ(Window->Focus(), AnswerBox);
    EXPECT_EQ(State.Tickets[3].GivenAnswer, 3) << "the check on 2 recorded 3";
    Window->Type("12");
    Window->Press(EKey::Home);
    Window->Press(EKey::Delete);
    EXPECT_EQ(Window->Text(AnswerBox), "2") << "Delete edits without a check";
    Window->Type("\b");
    EXPECT_EQ(Window->Text(AnswerBox), "2") << "Backspace at the start deletes nothing";
}

// Enter held down in the answer box repeats: the first press shows Next and gives it the focus,
// the repeats must not press it.
TEST_F(TWindowConformance, HeldEnterDoesNotPressNext) {
    Open();
    Window->Click(NextButton);
    Answer("3");
    ASSERT_EQ(Window->Focus(), NextButton);
    for (int i = 0; i < 3; ++i) {
        Window->Press(EKey::HeldEnter);
    }
    EXPECT_EQ(State.CurrentTicket, 1);
    Window->Press(EKey::Enter);
    EXPECT_EQ(State.CurrentTicket, 2) << "a fresh press does";
}

TEST_F(TWindowConformance, VisibilityAndFocusOnEveryScreen) {
    Open();
    EXPECT_EQ(Screen(), "000111 NextButton") << "title";
    Window->Press(EKey::Space);
    EXPECT_EQ(Screen(), "111011 AnswerBox") << "ticket, no answer yet";
    Answer("1");
    EXPECT_EQ(Screen(), "111111 NextButton") << "ticket, answered";
    while (State.CurrentTicket < 15) {
        Window->Press(EKey::Space);
        Answer("1");
    }
    EXPECT_EQ(Screen(), "111101 NextButton") << "last ticket, answered";
    Window->Press(EKey::Enter);
    EXPECT_EQ(Screen(), "100111 NextButton") << "results";
    EXPECT_EQ(State.Screen, EScreen::Results);
}

TEST_F(TWindowConformance, WholeExamToTheResults) {
    Open();
    Window->Click(NextButton);
    for (int n = 1; n <= 15; ++n) {
        ASSERT_EQ(State.CurrentTicket, n);
        EXPECT_EQ(Window->Lines().front(),
                  " Вопрос " + std::to_string(State.Tickets[n].QuestionNumber));
        EXPECT_EQ(Window->Text(TitleLabel), Cp1251ToUtf8(TicketTitle(n)));
        EXPECT_EQ(Window->Text(PromptLabel), "ВАРИАНТ ОТВЕТА: ");
        Answer("2");
        Window->Click(NextButton);
    }
    EXPECT_EQ(Window->Text(TitleLabel), "РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ");
    const std::vector<std::string> report = Window->Lines();
    ASSERT_EQ(report.size(), 22u);
    EXPECT_EQ(report.front(), "Всего задано вопросов:  15");
    Window->Click(NextButton);
    EXPECT_EQ(Window->Lines(), report) << "Next on the results shows them again";

    Window->Click(EndButton);
    EXPECT_FALSE(Window->IsOpen()) << "End closes the window";
    EXPECT_TRUE(Window->EventLoopEnds());
}

TEST_F(TWindowConformance, EnterOnTheFocusedEndCloses) {
    Open();
    Window->GiveFocus(EndButton);
    Window->Press(EKey::Enter);
    EXPECT_FALSE(Window->IsOpen());
    EXPECT_EQ(State.CurrentTicket, 0);
}

// Until the window is first activated the exam has not begun: a press of Next or a key in the
// answer box (from a script, or a click that beats the activation) changes nothing.
TEST_F(TWindowConformance, NothingHappensBeforeTheFirstActivation) {
    EXPECT_EQ(Window->ClientArea(), (TRect{0, 0, 443, 299})) << "the design size";
    Window->Click(NextButton);
    Window->Type("3");
    EXPECT_EQ(State.CurrentTicket, 0);
    EXPECT_EQ(Window->Text(AnswerBox), "") << "no key reaches the box before the exam starts";
    EXPECT_TRUE(Window->Lines() == std::vector<std::string>{} ||
                Window->Lines() == std::vector<std::string>{""});

    Open();
    EXPECT_EQ(Window->Lines().size(), 12u) << "the title screen";
    Window->Click(NextButton);
    EXPECT_EQ(State.CurrentTicket, 1);
}

TEST_F(TWindowConformance, ActivatingAgainStartsNoNewExam) {
    Open();
    Window->Click(NextButton);
    const int first = State.Tickets[1].QuestionNumber;
    Window->Reactivate();
    EXPECT_EQ(State.CurrentTicket, 1);
    EXPECT_EQ(State.Tickets[1].QuestionNumber, first);
    EXPECT_EQ(Window->Text(TitleLabel), "БИЛЕТ    1");
    EXPECT_EQ(Window->Focus(), AnswerBox) << "the focus is where it was";
}

// A close request from the platform on the title screen and on ticket 15, where End is hidden:
// the window closes at once, which ends the program's event loop, and nothing else happens.
TEST_F(TWindowConformance, PlatformCloseRequestClosesAtOnce) {
    for (const int ticket : {0, 15}) {
        SCOPED_TRACE(ticket);
        Reopen();
        Open();
        while (State.CurrentTicket < ticket) {
            Window->Click(NextButton);
            Answer("2");
        }
        EXPECT_EQ(Window->IsVisible(EndButton), ticket != 15);
        const std::int32_t given = State.Tickets[ticket].GivenAnswer;
        Window->RequestClose();
        EXPECT_FALSE(Window->IsOpen());
        EXPECT_TRUE(Window->EventLoopEnds());
        EXPECT_EQ(State.CurrentTicket, ticket);
        EXPECT_EQ(State.Tickets[ticket].GivenAnswer, given);
    }
}

}  // namespace
}  // namespace exam
