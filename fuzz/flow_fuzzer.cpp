// The screen flow over the numbered bank, driven by what a candidate can do to the window: type
// any character into the answer box, paste any text, move the cursor and delete unchecked, press
// Next or End while they are shown, switch away and back (activation), close the window.
//
// The input is a script, one event per byte, readable in the seed files:
//   a        activation (again)              n   Next, if shown      e   End, if shown
//   c        close the window: the end        t   types the byte after it
//   p...\n   pastes the text up to a line end at the cursor
//   r...\n   replaces the box's text with the text up to a line end (select all, paste)
//   R<n>...  replaces the box's text with the n bytes after the length byte
//   < > h z  cursor left, right, to the start, to the end      d   Delete
//   anything else is typed into the answer box as a key (\r Enter, \b Backspace, digits...).
// Typing and editing happen only while the box is shown. The clock, and so the draw, and the
// group size (12 or 16) follow from a hash of the whole script.
//
// Invariants, after every event: no recorded answer outside 1..9 and none on a ticket not yet
// shown; marks agree with the answers; the current ticket never decreases nor passes 15; the
// drawn exam never changes; Next is never shown on a ticket without a recorded answer; each
// screen shows the controls it must. Per event: a key passes exactly when it is Backspace,
// Enter or 1..5; the check records exactly the answers the independent reading accepts, and a
// rejection empties the box and hides Next; Next shows the following ticket's question, or
// the 22 results lines, the same each time.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cp1251.h"
#include "engine/exam_profile.h"
#include "engine/exam_state.h"
#include "engine/random_source.h"
#include "engine/results_report.h"
#include "fuzz/answer_reference.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_view.h"
#include "tests/window/flow/numbered_bank.h"
#include "window/flow/exam_flow.h"

namespace {

using namespace exam;
using namespace exam::fuzz;

constexpr TCp1251Literal kCaption = u8"СОСУДЫ.   (ЭКЗАМЕН)   ";
constexpr TCp1251Literal kTitle = u8"  Заголовок";
constexpr TCp1251Literal kWording = u8" Вопрос ";
constexpr std::int32_t kBankQuestions = 243;
constexpr std::size_t kTicketLines = 7;  // the numbered bank's wording, separator and options

class TSession {
public:
    explicit TSession(std::string_view script) : Script(script) {
        std::uint32_t hash = 2166136261u;  // FNV-1a
        for (const char c : script) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        }
        const std::uint32_t milliseconds = hash % 86'400'000u;
        Time = {static_cast<std::int32_t>(milliseconds / 3'600'000),
                static_cast<std::int32_t>(milliseconds / 60'000 % 60),
                static_cast<std::int32_t>(milliseconds / 1000 % 60),
                static_cast<std::int32_t>(milliseconds % 1000)};

        static const TNumberedBank bank;
        Profile.Caption = kCaption;
        Profile.TitleLines = {kTitle.View(), kTitle.View(), kTitle.View(), kTitle.View(),
                              kTitle.View()};
        Profile.GroupSize = hash & 0x80000000u ? 12 : 16;
        Profile.Bank = bank.Table();
    }

    void Run() {
        Flow.OnFirstActivation();
        Drawn = State.Tickets;
        for (std::int32_t n = 1; n <= kTicketCount; ++n) {
            const std::int32_t question = Drawn[n].QuestionNumber;
            FUZZ_CHECK(question >= 1 && question <= kBankQuestions,
                       Where() + ": ticket " + std::to_string(n) + " drew question " +
                           std::to_string(question));
        }
        CheckAlways();

        while (Position < Script.size() && !View.Closed) {
            const char event = Script[Position++];
            switch (event) {
                case 'a':
                    Activate();
                    break;
                case 'n':
                    if (View.IsVisible(EElement::NextButton)) {
                        Next();
                    }
                    break;
                case 'e':
                    if (View.IsVisible(EElement::EndButton)) {
                        Flow.OnEnd();
                        FUZZ_CHECK(View.Closed, Where() + ": End left the window open");
                    }
                    break;
                case 'c':
                    return;  // whatever closes the window ends the program
                case 't':
                    if (Position < Script.size()) {
                        TypeKey(Script[Position++]);
                    }
                    break;
                case 'p': {
                    const std::string_view text = TextToLineEnd();
                    Edit([&] { View.Paste(text); });
                    break;
                }
                case 'r': {
                    const std::string_view text = TextToLineEnd();
                    Edit([&] { View.ReplaceAll(text); });
                    break;
                }
                case 'R': {
                    const std::string_view text = CountedText();
                    Edit([&] { View.ReplaceAll(text); });
                    break;
                }
                case '<':
                    Edit([&] { View.Left(); });
                    break;
                case '>':
                    Edit([&] { View.Right(); });
                    break;
                case 'h':
                    Edit([&] { View.Home(); });
                    break;
                case 'z':
                    Edit([&] { View.End(); });
                    break;
                case 'd':
                    Edit([&] { View.Delete(); });
                    break;
                default:
                    TypeKey(event);
                    break;
            }
            CheckAlways();
        }
    }

private:
    std::string Where() const {
        return "event " + std::to_string(Position) + " of \"" + Escaped(Script) + "\" (ticket " +
               std::to_string(State.CurrentTicket) + ", box \"" + Escaped(View.Answer) + "\")";
    }

    std::string_view TextToLineEnd() {
        const std::size_t end = std::min(Script.find('\n', Position), Script.size());
        const std::string_view text = Script.substr(Position, end - Position);
        Position = end + (end < Script.size() ? 1 : 0);
        return text;
    }

    std::string_view CountedText() {
        if (Position >= Script.size()) {
            return {};
        }
        const std::size_t length = static_cast<unsigned char>(Script[Position++]);
        const std::string_view text = Script.substr(Position, length);
        Position += text.size();
        return text;
    }

    // Editing without a character reaches the box only, never the flow.
    template <class TEdit>
    void Edit(const TEdit& edit) {
        if (View.IsVisible(EElement::AnswerBox)) {
            edit();
        }
    }

    void Activate() {
        const std::vector<std::string> lines = View.Lines;
        const bool b1 = View.IsVisible(EElement::NextButton);
        Flow.OnFirstActivation();
        FUZZ_CHECK(View.Layouts == 1, Where() + ": laid out again");
        FUZZ_CHECK(View.Lines == lines && View.IsVisible(EElement::NextButton) == b1,
                   Where() + ": a later activation changed the screen");
    }

    void TypeKey(char key) {
        if (!View.IsVisible(EElement::AnswerBox)) {
            return;
        }
        const std::string before = View.Answer;
        const TTicket ticket = State.Tickets[State.CurrentTicket];
        const bool nextShown = View.IsVisible(EElement::NextButton);
        const bool passed = View.Type(Flow, key);

        const auto where = [&] {
            return Where() + ", key " + std::to_string(static_cast<int>(key)) + " on \"" +
                   Escaped(before) + "\"";
        };
        const bool passes = key == 8 || key == 13 || (key >= '1' && key <= '5');
        FUZZ_CHECK(passed == passes, where() + (passed ? ": passed" : ": discarded"));

        const TTicket& now = State.Tickets[State.CurrentTicket];
        if (const std::optional<std::int32_t> answer = ReferenceAnswer(before)) {
            FUZZ_CHECK(now.GivenAnswer == *answer,
                       where() + ": recorded " + std::to_string(now.GivenAnswer));
            FUZZ_CHECK(View.IsVisible(EElement::NextButton) == (nextShown || key == 13),
                       where() + ": Next's visibility changed");
        } else {
            FUZZ_CHECK(now.GivenAnswer == ticket.GivenAnswer,
                       where() + ": recorded " + std::to_string(now.GivenAnswer));
            FUZZ_CHECK(!View.IsVisible(EElement::NextButton),
                       where() + ": Next shown after a rejection");
            FUZZ_CHECK(View.Focus == EElement::AnswerBox, where() + ": the box lost the focus");
            const bool inserted = passes && key != 8 && key != 13;
            FUZZ_CHECK(View.Answer == (inserted ? std::string(1, key) : std::string()),
                       where() + ": the rejected box was not emptied");
        }
    }

    void Next() {
        const std::int32_t from = State.CurrentTicket;
        Flow.OnNext();
        if (from < kTicketCount) {
            Screen = EScreen::Ticket;
            const std::int32_t n = State.CurrentTicket;
            const auto where = [&] {
                return Where() + ", Next from ticket " + std::to_string(from);
            };
            FUZZ_CHECK(n == from + 1, where());
            const std::int32_t question = Drawn[n].QuestionNumber;
            const std::string wording = std::string(kWording.View()) + std::to_string(question);
            FUZZ_CHECK(View.Lines.size() == kTicketLines && View.Lines.front() == wording,
                       where() + ": shows \"" +
                           Escaped(View.Lines.empty() ? "" : View.Lines.front()) + "\" and " +
                           std::to_string(View.Lines.size()) + " lines for question " +
                           std::to_string(question));
            FUZZ_CHECK(State.Tickets[n].CorrectAnswer == 1 + question % 3 &&
                           State.QuestionCodes[n] == std::to_string(question),
                       where() + ": answer or code of question " + std::to_string(question));
            FUZZ_CHECK(View.Title == TicketTitle(n),
                       where() + ": title \"" + Escaped(View.Title) + "\"");
            FUZZ_CHECK(View.Answer.empty() && View.Focus == EElement::AnswerBox,
                       where() + ": the box");
        } else {
            Screen = EScreen::Results;
            const auto where = [&] { return Where() + ", Next from the last ticket"; };
            FUZZ_CHECK(View.Lines.size() == kReportLineCount,
                       where() + ": " + std::to_string(View.Lines.size()) + " results lines");
            if (Report.empty()) {
                Report = View.Lines;
            }
            FUZZ_CHECK(View.Lines == Report, where() + ": the results changed");
        }
    }

    void CheckAlways() {
        const std::int32_t current = State.CurrentTicket;
        FUZZ_CHECK(current >= LastTicket && current <= kTicketCount,
                   Where() + ": after ticket " + std::to_string(LastTicket));
        LastTicket = current;
        FUZZ_CHECK(State.Screen == Screen, Where() + ": the state is on another screen");

        for (std::int32_t n = 0; n <= kTicketCount; ++n) {
            const TTicket& ticket = State.Tickets[n];
            const auto about = [&] {
                return Where() + ": ticket " + std::to_string(n) + " answered " +
                       std::to_string(ticket.GivenAnswer);
            };
            FUZZ_CHECK(ticket.QuestionNumber == Drawn[n].QuestionNumber, about() + ", redrawn");
            FUZZ_CHECK(
                ticket.GivenAnswer == 0 || (ticket.GivenAnswer >= 1 && ticket.GivenAnswer <= 9),
                about());
            FUZZ_CHECK(ticket.GivenAnswer == 0 || (n >= 1 && n <= current), about());
        }

        const bool et = View.IsVisible(EElement::AnswerBox);
        const bool b1 = View.IsVisible(EElement::NextButton);
        const bool b2 = View.IsVisible(EElement::EndButton);
        switch (Screen) {
            case EScreen::Title:
                FUZZ_CHECK(current == 0 && !et && b1 && b2, Where() + ": title screen");
                break;
            case EScreen::Ticket:
                FUZZ_CHECK(et && View.IsVisible(EElement::PromptLabel) &&
                               View.IsVisible(EElement::TitleLabel) &&
                               b2 == (current < kTicketCount),
                           Where() + ": ticket screen");
                FUZZ_CHECK(!b1 || State.Tickets[current].GivenAnswer != 0,
                           Where() + ": Next shown on a ticket without an answer");
                break;
            case EScreen::Results:
                FUZZ_CHECK(current == kTicketCount && !et &&
                               !View.IsVisible(EElement::PromptLabel) && b1 && b2,
                           Where() + ": results screen");
                break;
        }
    }

    std::string_view Script;
    std::size_t Position = 0;
    TUtcTimeOfDay Time;
    TExamProfile Profile;
    TExamState State;
    TRandom Random;
    TFuzzView View;
    TExamFlow Flow{Profile, State, Random, View, [this] { return Time; }};
    std::array<TTicket, kTicketCount + 1> Drawn{};
    EScreen Screen = EScreen::Title;
    std::int32_t LastTicket = 0;
    std::vector<std::string> Report;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSession session(std::string_view(reinterpret_cast<const char*>(data), size));
    session.Run();
    return 0;
}
