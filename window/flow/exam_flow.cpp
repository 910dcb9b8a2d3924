#include "window/flow/exam_flow.h"

#include <utility>

#include "engine/cp1251.h"
#include "engine/question_bank.h"
#include "engine/results_report.h"
#include "engine/ticket_draw.h"
#include "window/flow/answer_reader.h"

namespace exam {

namespace {

constexpr TCp1251Literal kTicketTitle = u8"БИЛЕТ  ";
constexpr TCp1251Literal kLastTicketTitle = u8"ПОСЛЕДНИЙ   БИЛЕТ  ";
constexpr TCp1251Literal kAnswerPrompt = u8"ВАРИАНТ ОТВЕТА: ";

constexpr char kBackspace = 8;
constexpr char kEnter = 13;

}  // namespace

std::string TicketTitle(std::int32_t ticket) {
    std::string number = std::to_string(ticket);
    if (number.size() < 3) {
        number.insert(0, 3 - number.size(), ' ');
    }
    return std::string(ticket == kTicketCount ? kLastTicketTitle.View() : kTicketTitle.View()) +
           number;
}

TExamFlow::TExamFlow(const TExamProfile& profile, TExamState& state, TRandom& random,
                     IExamView& view, TUtcClock clock)
    : Profile(profile), State(state), RandomSource(random), View(view), Clock(std::move(clock)) {}

void TExamFlow::OnFirstActivation() {
    if (Activated) {
        return;
    }
    Activated = true;
    Seed(RandomSource, Clock);
    View.LayOut();
    View.SetCaption(Profile.Caption);
    ShowTitle();
    DrawTickets(State, Profile.GroupSize, RandomSource);
    View.SetFocus(EElement::NextButton);
}

void TExamFlow::ShowTitle() {
    State.Screen = EScreen::Title;
    View.SetVisible(EElement::TitleLabel, false);
    View.SetVisible(EElement::PromptLabel, false);
    View.SetVisible(EElement::AnswerBox, false);
    View.AppendLine("");
    View.AppendLine("");
    for (const std::string_view line : Profile.TitleLines) {
        View.AppendLine(line);
        View.AppendLine("");
    }
}

void TExamFlow::OnNext() {
    if (!Activated) {
        return;  // a press that beats the first activation would skip the title and the draw
    }
    if (State.Screen != EScreen::Results && State.CurrentTicket < kTicketCount) {
        ShowTicket();
    } else {
        View.ClearText();
        View.SetVisible(EElement::EndButton, true);
        ShowResults();
    }
}

void TExamFlow::ShowTicket() {
    View.ClearText();
    View.SetVisible(EElement::AnswerBox, true);
    View.SetVisible(EElement::TitleLabel, true);
    View.SetVisible(EElement::PromptLabel, true);
    State.Screen = EScreen::Ticket;
    ++State.CurrentTicket;
    if (State.CurrentTicket == kTicketCount) {
        View.SetVisible(EElement::EndButton, false);  // the last ticket is left only by answering
    }
    View.SetLabelText(EElement::TitleLabel, TicketTitle(State.CurrentTicket));
    View.SetLabelText(EElement::PromptLabel, kAnswerPrompt);
    ExtractQuestion(Profile.Bank, static_cast<std::int32_t>(Profile.Bank.size()),
                    State.Tickets[State.CurrentTicket].QuestionNumber, State,
                    [this](std::string_view line) { View.AppendLine(line); });
    // Next was pressed and has the focus: it goes to the box before Next hides.
    View.SetFocus(EElement::AnswerBox);
    View.SetAnswerText("");
    View.SetVisible(EElement::NextButton, false);
}

bool TExamFlow::OnAnswerKey(char key) {
    if (!Activated) {
        return false;
    }
    bool passes = false;
    if (key == kBackspace) {
        passes = true;
    } else if (key == kEnter) {
        // Enter only reveals Next; it takes a further press to go on.
        View.SetVisible(EElement::NextButton, true);
        View.SetFocus(EElement::NextButton);
        passes = true;
    } else if (key >= '1' && key <= '5') {
        passes = true;
    }
    // The check reads the box as it was before this character takes effect.
    CheckAnswer();
    return passes;
}

void TExamFlow::CheckAnswer() {
    const std::optional<std::int32_t> value = ReadAnswerNumber(View.AnswerText());
    if (!value || *value < 1 || *value > 9) {
        View.SetAnswerText("");
        View.SetFocus(EElement::AnswerBox);
        View.SetVisible(EElement::NextButton, false);
        return;
    }
    RecordAnswer(State, *value);
}

void TExamFlow::ShowResults() {
    State.Screen = EScreen::Results;
    View.SetLabelText(EElement::TitleLabel, "");
    const TResultsReport report = FormatResults(State);
    View.SetVisible(EElement::AnswerBox, false);
    View.SetVisible(EElement::PromptLabel, false);
    View.SetLabelText(EElement::TitleLabel, report.Heading);
    for (const std::string& line : report.Lines) {
        View.AppendLine(line);
    }
}

void TExamFlow::OnEnd() {
    View.Close();
}

}  // namespace exam
