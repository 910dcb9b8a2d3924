#include "window/flow/exam_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "tests/window/flow/numbered_bank.h"
#include "tests/window/flow/recording_view.h"

namespace exam {
namespace {

// The flow over the numbered bank, its clock at midnight.
class TFlowTest : public ::testing::Test {
protected:
    TFlowTest() {
        Profile.Caption = Caption.View();
        Profile.TitleLines = {Title1.View(), Title2.View(), Title3.View(), Title4.View(),
                              Title5.View()};
        Profile.GroupSize = 16;
        Profile.Bank = Bank.Table();
    }

    void Start() { Flow.OnFirstActivation(); }
    // Shows ticket `n` from the title screen, answering every ticket before it with 1.
    void GoToTicket(std::int32_t n) {
        Flow.OnNext();
        while (State.CurrentTicket < n) {
            View.Type(Flow, "1\r");
            Flow.OnNext();
        }
    }
    const std::vector<std::string> TitleScreen() const {
        return {"",        "", "  Заголовок 1", "", " по теме",   "",
                "СОСУДЫ ", "", "СВАРКА",        "", "Уровень: I", ""};
    }

    static constexpr TCp1251Literal Caption = u8"СОСУДЫ.   (ЭКЗАМЕН)   ";
    static constexpr TCp1251Literal Title1 = u8"  Заголовок 1";
    static constexpr TCp1251Literal Title2 = u8" по теме";
    static constexpr TCp1251Literal Title3 = u8"СОСУДЫ ";
    static constexpr TCp1251Literal Title4 = u8"СВАРКА";
    static constexpr TCp1251Literal Title5 = u8"Уровень: I";

    TNumberedBank Bank;
    TExamProfile Profile;
    TExamState State;
    TRandom Random{12345};
    TRecordingView View;
    TExamFlow Flow{Profile, State, Random, View, [] { return TUtcTimeOfDay{0, 0, 0, 0}; }};
};

TEST_F(TFlowTest, ActivationShowsTheTitleAndDrawsOnce) {
    Start();
    EXPECT_EQ(View.Log,
              (std::vector<std::string>{"LayOut", "Caption", "Hide TitleLabel", "Hide PromptLabel",
                                        "Hide AnswerBox", "Append 12", "Focus NextButton"}));
    EXPECT_EQ(View.Caption, "СОСУДЫ.   (ЭКЗАМЕН)   ");
    EXPECT_EQ(View.Lines, TitleScreen());
    EXPECT_EQ(State.Screen, EScreen::Title);
    EXPECT_EQ(State.CurrentTicket, 0);
    EXPECT_EQ(State.Tickets[1].QuestionNumber, 4) << "seeded from the clock: midnight";
    EXPECT_EQ(State.Tickets[15].QuestionNumber, 228);

    // Returning to the window from elsewhere neither re-seeds nor draws a new exam.
    State.Tickets[1].QuestionNumber = 77;
    const std::vector<std::string> log = View.Log;
    Start();
    EXPECT_EQ(View.Log, log);
    EXPECT_EQ(View.Lines, TitleScreen());
    EXPECT_EQ(State.Tickets[1].QuestionNumber, 77);
}

// Which elements each screen shows: title, prompt, answer box, Next, End; and the focus.
TEST_F(TFlowTest, VisibilityOnEveryScreen) {
    using enum EElement;
    const auto shown = [&] {
        std::string s;
        for (const EElement e : {TitleLabel, PromptLabel, AnswerBox, NextButton, EndButton}) {
            s += View.IsVisible(e) ? '1' : '0';
        }
        return s + (View.Focus == AnswerBox ? " AnswerBox" : " NextButton");
    };
    Start();
    EXPECT_EQ(shown(), "00011 NextButton") << "title";
    Flow.OnNext();
    EXPECT_EQ(shown(), "11101 AnswerBox") << "ticket, no answer yet";
    View.Type(Flow, "2\r");
    EXPECT_EQ(shown(), "11111 NextButton") << "ticket, answer accepted by Enter";
    GoToTicket(15);
    EXPECT_EQ(shown(), "11100 AnswerBox") << "last ticket, no answer yet";
    View.Type(Flow, "2\r");
    EXPECT_EQ(shown(), "11110 NextButton") << "last ticket, answered";
    Flow.OnNext();
    EXPECT_EQ(shown(), "10011 NextButton") << "results";
    EXPECT_EQ(State.Screen, EScreen::Results);
    EXPECT_EQ(View.Broken, std::vector<std::string>{});
}

// A toolkit moves the focus on by itself when the focused control hides, and that could land on
// End; so the focus goes to the answer box before Next, which was pressed or had Enter, hides.
TEST_F(TFlowTest, FocusMovesBeforeTheFocusedButtonHides) {
    const auto order = [&](const std::string& first, const std::string& second) {
        const auto a = std::find(View.Log.begin(), View.Log.end(), first);
        const auto b = std::find(View.Log.begin(), View.Log.end(), second);
        return a != View.Log.end() && b != View.Log.end() && a < b;
    };
    Start();
    View.Log.clear();
    Flow.OnNext();
    EXPECT_TRUE(order("Focus AnswerBox", "Hide NextButton")) << "a ticket shown";
    View.Answer = "3";
    View.Log.clear();
    View.Type(Flow, '\r');
    EXPECT_TRUE(order("Show NextButton", "Focus NextButton")) << "an answer accepted by Enter";
    View.Answer = "32";
    View.Log.clear();
    View.Type(Flow, '\r');
    EXPECT_TRUE(order("Focus AnswerBox", "Hide NextButton")) << "an answer rejected";

    GoToTicket(15);
    View.Type(Flow, "1\r");
    Flow.OnNext();
    Flow.OnNext();
    EXPECT_EQ(View.Broken, std::vector<std::string>{}) << "through the whole exam";
}

TEST_F(TFlowTest, NothingHappensBeforeTheFirstActivation) {
    Flow.OnNext();
    EXPECT_FALSE(Flow.OnAnswerKey('3'));
    EXPECT_TRUE(View.Log.empty());
    EXPECT_EQ(State.CurrentTicket, 0);
    Start();
    EXPECT_EQ(View.Lines, TitleScreen()) << "the exam still starts with its title";
}

TEST_F(TFlowTest, TicketTitles) {
    EXPECT_EQ(Cp1251ToUtf8(TicketTitle(1)), "БИЛЕТ    1");
    EXPECT_EQ(Cp1251ToUtf8(TicketTitle(9)), "БИЛЕТ    9");
    EXPECT_EQ(Cp1251ToUtf8(TicketTitle(10)), "БИЛЕТ   10");
    EXPECT_EQ(Cp1251ToUtf8(TicketTitle(15)), "ПОСЛЕДНИЙ   БИЛЕТ   15");
    Start();
    GoToTicket(10);
    EXPECT_EQ(View.Text(EElement::TitleLabel), "БИЛЕТ   10");
    EXPECT_EQ(View.Text(EElement::PromptLabel), "ВАРИАНТ ОТВЕТА: ");
}

TEST_F(TFlowTest, TicketShowsItsQuestionAndStoresAnswerAndCode) {
    Start();
    GoToTicket(2);
    EXPECT_EQ(View.Lines,
              (std::vector<std::string>{" Вопрос 125", "", "   ------  ВАРИАНТЫ  ОТВЕТА  -------",
                                        "", "1. Да", "2. Нет", "3. Не знаю"}));
    EXPECT_EQ(State.Tickets[2].CorrectAnswer, 1 + 125 % 3);
    EXPECT_EQ(State.QuestionCodes[2], "125");
    EXPECT_EQ(View.Answer, "");
}

TEST_F(TFlowTest, ThreeThenEnter) {
    Start();
    Flow.OnNext();
    View.Type(Flow, '3');
    EXPECT_FALSE(View.IsVisible(EElement::NextButton)) << "the check on 3 saw an empty box";
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 0);
    View.Type(Flow, '\r');
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_TRUE(View.IsVisible(EElement::NextButton));
    EXPECT_EQ(View.Focus, EElement::NextButton);
    EXPECT_EQ(State.CurrentTicket, 1) << "Enter does not also press Next";
}

TEST_F(TFlowTest, ThreeTwoEnterKeepsThree) {
    Start();
    Flow.OnNext();
    View.Type(Flow, "32\r");
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_EQ(View.Answer, "");
    EXPECT_FALSE(View.IsVisible(EElement::NextButton));
    EXPECT_EQ(View.Focus, EElement::AnswerBox);
}

TEST_F(TFlowTest, SevenIsDiscarded) {
    Start();
    Flow.OnNext();
    View.Type(Flow, '7');
    EXPECT_EQ(View.Answer, "");
    EXPECT_FALSE(View.IsVisible(EElement::NextButton));
    for (const char key : std::string("06789a -+$x\x03\x16\x18\x1a\x1b")) {
        EXPECT_FALSE(Flow.OnAnswerKey(key)) << int(key);
    }
}

TEST_F(TFlowTest, KeysOnThirtyTwo) {
    Start();
    Flow.OnNext();
    View.Answer = "32";
    View.Type(Flow, '1');
    EXPECT_EQ(View.Answer, "1") << "32 emptied, then the 1 applied";
    View.Answer = "32";
    View.Type(Flow, '\b');
    EXPECT_EQ(View.Answer, "") << "32 emptied; Backspace had nothing left";
}

TEST_F(TFlowTest, BackspaceOnAcceptedAnswerKeepsNext) {
    Start();
    Flow.OnNext();
    View.Type(Flow, "3\r\b");
    EXPECT_EQ(View.Answer, "");
    EXPECT_TRUE(View.IsVisible(EElement::NextButton));
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
}

TEST_F(TFlowTest, PastedTexts) {
    Start();
    Flow.OnNext();
    View.Answer = "-3a";  // pasted: no key check on the way in
    View.Type(Flow, '\r');
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_TRUE(View.IsVisible(EElement::NextButton));

    View.Answer = "-3";
    View.Type(Flow, '\r');
    EXPECT_EQ(View.Answer, "");
    EXPECT_FALSE(View.IsVisible(EElement::NextButton));
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3) << "the earlier answer stays";

    View.Answer = "99999999999999";
    View.Type(Flow, '\r');
    EXPECT_FALSE(View.IsVisible(EElement::NextButton));
    View.Answer = "$9";
    View.Type(Flow, '\r');
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 9) << "answers up to 9 are taken";
}

TEST_F(TFlowTest, EndHiddenOnTheLastTicketAndResultsRepeat) {
    Start();
    GoToTicket(15);
    EXPECT_EQ(State.Screen, EScreen::Ticket);
    EXPECT_FALSE(View.IsVisible(EElement::EndButton));
    EXPECT_EQ(View.Text(EElement::TitleLabel), "ПОСЛЕДНИЙ   БИЛЕТ   15");
    View.Type(Flow, "2\r");
    Flow.OnNext();
    EXPECT_TRUE(View.IsVisible(EElement::EndButton));
    const std::vector<std::string> report = View.Lines;
    ASSERT_EQ(report.size(), 22u);
    EXPECT_EQ(State.Screen, EScreen::Results);
    Flow.OnNext();
    EXPECT_EQ(View.Lines, report) << "Next on the results shows the same report again";
    EXPECT_EQ(State.Screen, EScreen::Results);
    EXPECT_EQ(State.CurrentTicket, 15) << "the last ticket's number stays";
}

TEST_F(TFlowTest, WholeExamFromTitleToResults) {
    Start();
    Flow.OnNext();
    for (std::int32_t n = 1; n <= 15; ++n) {
        ASSERT_EQ(State.CurrentTicket, n);
        // Right on odd tickets, wrong on even ones.
        const std::int32_t right = State.Tickets[n].CorrectAnswer;
        const char answer = static_cast<char>('0' + (n % 2 ? right : right % 3 + 1));
        View.Type(Flow, std::string{answer, '\r'});
        Flow.OnNext();
    }
    EXPECT_EQ(View.Text(EElement::TitleLabel), "РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ");
    ASSERT_EQ(View.Lines.size(), 22u);
    EXPECT_EQ(View.Lines[1], "Правильных ответов:     8");
    EXPECT_EQ(View.Lines[3], "Итого                     53.33%");
    EXPECT_EQ(View.Lines[6].substr(0, 22), "    1                4");
    EXPECT_TRUE(View.Lines[7].ends_with("неуд"));
    EXPECT_FALSE(View.IsVisible(EElement::AnswerBox));
    EXPECT_FALSE(View.IsVisible(EElement::PromptLabel));

    Flow.OnEnd();
    EXPECT_TRUE(View.Closed);
}

TEST_F(TFlowTest, EndClosesFromTheTitle) {
    Start();
    Flow.OnEnd();
    EXPECT_TRUE(View.Closed);
}

}  // namespace
}  // namespace exam
