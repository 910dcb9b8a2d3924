#include "exam_flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cp1251.h"
#include "numbered_bank.h"
#include "recording_view.h"

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
        Profile.LineCount = Bank.LineCount();
        Profile.Bank = Bank.Table();
    }

    void Start() { Flow.FormActivate(); }
    // Shows ticket `n` from the title screen, answering every ticket before it with 1.
    void GoToTicket(std::int32_t n) {
        Flow.B1Click();
        while (State.CurrentTicket < n) {
            View.Type(Flow, "1\r");
            Flow.B1Click();
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
              (std::vector<std::string>{"LayoutForm", "Caption", "ReadOnly MT", "Hide LT2",
                                        "Hide LT1", "Hide ET", "Append 12", "Focus B1"}));
    EXPECT_EQ(View.Caption, "СОСУДЫ.   (ЭКЗАМЕН)   ");
    EXPECT_EQ(View.Lines, TitleScreen());
    EXPECT_TRUE(View.ReadOnly);
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

// Which controls each screen shows: LT2, LT1, ET, B1, B2 and the focus.
TEST_F(TFlowTest, VisibilityOnEveryScreen) {
    using enum EControl;
    const auto shown = [&] {
        std::string s;
        for (const EControl c : {LT2, LT1, ET, B1, B2}) {
            s += View.IsVisible(c) ? '1' : '0';
        }
        return s + (View.Focus == EFocus::ET ? " ET" : " B1");
    };
    Start();
    EXPECT_EQ(shown(), "00011 B1") << "title";
    Flow.B1Click();
    EXPECT_EQ(shown(), "11101 ET") << "ticket, no answer yet";
    View.Type(Flow, "2\r");
    EXPECT_EQ(shown(), "11111 B1") << "ticket, answer accepted by Enter";
    GoToTicket(15);
    EXPECT_EQ(shown(), "11100 ET") << "last ticket, no answer yet";
    View.Type(Flow, "2\r");
    EXPECT_EQ(shown(), "11110 B1") << "last ticket, answered";
    Flow.B1Click();
    EXPECT_EQ(shown(), "10011 B1") << "results";
}

// The view operations of each step, in the order the window must see them.
TEST_F(TFlowTest, StepsRunInTheirOrder) {
    Start();
    View.Log.clear();
    Flow.B1Click();
    EXPECT_EQ(View.Log, (std::vector<std::string>{
                            "Clear MT", "Show ET", "Show LT2", "Show LT1", "LT2=БИЛЕТ    1",
                            "LT1=ВАРИАНТ ОТВЕТА: ", "Append 7", "Focus ET", "ET=", "Hide B1"}));
    View.Log.clear();
    View.Type(Flow, '7');
    EXPECT_EQ(View.Log, (std::vector<std::string>{"ET=", "Focus ET", "Hide B1"})) << "rejected";
    View.Answer = "3";
    View.Log.clear();
    View.Type(Flow, '\r');
    EXPECT_EQ(View.Log, (std::vector<std::string>{"Show B1", "Focus B1"})) << "accepted by Enter";

    GoToTicket(14);
    View.Type(Flow, "1\r");
    View.Log.clear();
    Flow.B1Click();
    EXPECT_EQ(View.Log, (std::vector<std::string>{"Clear MT", "Show ET", "Show LT2", "Show LT1",
                                                  "Hide B2", "LT2=ПОСЛЕДНИЙ   БИЛЕТ   15",
                                                  "LT1=ВАРИАНТ ОТВЕТА: ", "Append 7", "Focus ET",
                                                  "ET=", "Hide B1"}));
    View.Type(Flow, "1\r");
    View.Log.clear();
    Flow.B1Click();
    EXPECT_EQ(View.Log,
              (std::vector<std::string>{"Clear MT", "Show B2", "LT2=", "Hide ET", "Hide LT1",
                                        "LT2=РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ", "Append 22"}));
}

TEST_F(TFlowTest, NothingHappensBeforeTheFirstActivation) {
    Flow.B1Click();
    EXPECT_FALSE(Flow.ETKeyPress('3'));
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
    EXPECT_EQ(View.LT2, "БИЛЕТ   10");
    EXPECT_EQ(View.LT1, "ВАРИАНТ ОТВЕТА: ");
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
    Flow.B1Click();
    View.Type(Flow, '3');
    EXPECT_FALSE(View.IsVisible(EControl::B1)) << "the check on 3 saw an empty box";
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 0);
    View.Type(Flow, '\r');
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_TRUE(View.IsVisible(EControl::B1));
    EXPECT_EQ(View.Focus, EFocus::B1);
    EXPECT_EQ(State.CurrentTicket, 1) << "Enter does not also press Next";
}

TEST_F(TFlowTest, ThreeTwoEnterKeepsThree) {
    Start();
    Flow.B1Click();
    View.Type(Flow, "32\r");
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_EQ(View.Answer, "");
    EXPECT_FALSE(View.IsVisible(EControl::B1));
    EXPECT_EQ(View.Focus, EFocus::ET);
}

TEST_F(TFlowTest, SevenIsDiscarded) {
    Start();
    Flow.B1Click();
    View.Type(Flow, '7');
    EXPECT_EQ(View.Answer, "");
    EXPECT_FALSE(View.IsVisible(EControl::B1));
    for (const char key : std::string("06789a -+$x\x03\x16\x18\x1a\x1b")) {
        EXPECT_FALSE(Flow.ETKeyPress(key)) << int(key);
    }
}

TEST_F(TFlowTest, KeysOnThirtyTwo) {
    Start();
    Flow.B1Click();
    View.Answer = "32";
    View.Type(Flow, '1');
    EXPECT_EQ(View.Answer, "1") << "32 emptied, then the 1 applied";
    View.Answer = "32";
    View.Type(Flow, '\b');
    EXPECT_EQ(View.Answer, "") << "32 emptied; Backspace had nothing left";
}

TEST_F(TFlowTest, BackspaceOnAcceptedAnswerKeepsNext) {
    Start();
    Flow.B1Click();
    View.Type(Flow, "3\r\b");
    EXPECT_EQ(View.Answer, "");
    EXPECT_TRUE(View.IsVisible(EControl::B1));
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
}

TEST_F(TFlowTest, PastedTexts) {
    Start();
    Flow.B1Click();
    View.Answer = "-3a";  // pasted: no key check on the way in
    View.Type(Flow, '\r');
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_TRUE(View.IsVisible(EControl::B1));

    View.Answer = "-3";
    View.Type(Flow, '\r');
    EXPECT_EQ(View.Answer, "");
    EXPECT_FALSE(View.IsVisible(EControl::B1));
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3) << "the earlier answer stays";

    View.Answer = "99999999999999";
    View.Type(Flow, '\r');
    EXPECT_FALSE(View.IsVisible(EControl::B1));
    View.Answer = "$9";
    View.Type(Flow, '\r');
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 9) << "answers up to 9 are taken";
}

TEST_F(TFlowTest, EndHiddenOnTheLastTicketAndResultsRepeat) {
    Start();
    GoToTicket(15);
    EXPECT_FALSE(View.IsVisible(EControl::B2));
    EXPECT_EQ(View.LT2, "ПОСЛЕДНИЙ   БИЛЕТ   15");
    View.Type(Flow, "2\r");
    Flow.B1Click();
    EXPECT_TRUE(View.IsVisible(EControl::B2));
    const std::vector<std::string> report = View.Lines;
    ASSERT_EQ(report.size(), 22u);
    Flow.B1Click();
    EXPECT_EQ(View.Lines, report) << "Next on the results shows the same report again";
    EXPECT_EQ(State.CurrentTicket, 15);
}

TEST_F(TFlowTest, WholeExamFromTitleToResults) {
    Start();
    Flow.B1Click();
    for (std::int32_t n = 1; n <= 15; ++n) {
        ASSERT_EQ(State.CurrentTicket, n);
        // Right on odd tickets, wrong on even ones.
        const std::int32_t right = State.Tickets[n].CorrectAnswer;
        const char answer = static_cast<char>('0' + (n % 2 ? right : right % 3 + 1));
        View.Type(Flow, std::string{answer, '\r'});
        Flow.B1Click();
    }
    EXPECT_EQ(View.LT2, "РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ");
    ASSERT_EQ(View.Lines.size(), 22u);
    EXPECT_EQ(View.Lines[1], "Правильных ответов:     8");
    EXPECT_EQ(View.Lines[3], "Итого                     53.33%");
    EXPECT_EQ(View.Lines[6].substr(0, 22), "    1                4");
    EXPECT_TRUE(View.Lines[7].ends_with("неуд"));
    EXPECT_FALSE(View.IsVisible(EControl::ET));
    EXPECT_FALSE(View.IsVisible(EControl::LT1));

    Flow.B2Click();
    EXPECT_TRUE(View.Closed);
}

TEST_F(TFlowTest, EndClosesFromTheTitle) {
    Start();
    Flow.B2Click();
    EXPECT_TRUE(View.Closed);
}

}  // namespace
}  // namespace exam
