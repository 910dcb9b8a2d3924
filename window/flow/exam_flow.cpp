#include "exam_flow.h"

#include <utility>

#include "answer_reader.h"
#include "cp1251.h"
#include "question_bank.h"
#include "results_report.h"
#include "ticket_draw.h"

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

void TExamFlow::FormActivate() {
    if (Activated) {
        return;
    }
    Activated = true;
    Seed(RandomSource, Clock);
    View.LayoutForm();
    View.SetCaption(Profile.Caption);
    ShowTitle();
    DrawTickets(State, Profile.GroupSize, RandomSource);
    View.SetFocus(EFocus::B1);
}

void TExamFlow::ShowTitle() {
    View.MakeTextAreaReadOnly();
    View.SetVisible(EControl::LT2, false);
    View.SetVisible(EControl::LT1, false);
    View.SetVisible(EControl::ET, false);
    View.AppendLine("");
    View.AppendLine("");
    for (const std::string_view line : Profile.TitleLines) {
        View.AppendLine(line);
        View.AppendLine("");
    }
}

void TExamFlow::B1Click() {
    if (!Activated) {
        return;  // a press that beats the first activation would skip the title and the draw
    }
    if (State.CurrentTicket <= kTicketCount - 1) {
        ShowTicket();
    } else {
        View.ClearTextArea();
        View.SetVisible(EControl::B2, true);
        ShowResults();
    }
}

void TExamFlow::ShowTicket() {
    View.ClearTextArea();
    View.SetVisible(EControl::ET, true);
    View.SetVisible(EControl::LT2, true);
    View.SetVisible(EControl::LT1, true);
    ++State.CurrentTicket;
    if (State.CurrentTicket == kTicketCount) {
        View.SetVisible(EControl::B2, false);  // the last ticket is left only by answering it
    }
    View.SetLabelText(ELabel::LT2, TicketTitle(State.CurrentTicket));
    View.SetLabelText(ELabel::LT1, kAnswerPrompt);
    ExtractQuestion(Profile.Bank, Profile.LineCount,
                    State.Tickets[State.CurrentTicket].QuestionNumber, State,
                    [this](std::string_view line) { View.AppendLine(line); });
    View.SetFocus(EFocus::ET);
    View.SetAnswerText("");
    View.SetVisible(EControl::B1, false);
}

bool TExamFlow::ETKeyPress(char key) {
    if (!Activated) {
        return false;
    }
    bool passes = false;
    if (key == kBackspace) {
        passes = true;
    } else if (key == kEnter) {
        // Enter only reveals Next; it takes a further press to go on.
        View.SetVisible(EControl::B1, true);
        View.SetFocus(EFocus::B1);
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
        View.SetFocus(EFocus::ET);
        View.SetVisible(EControl::B1, false);
        return;
    }
    RecordAnswer(State, *value);
}

void TExamFlow::ShowResults() {
    View.SetLabelText(ELabel::LT2, "");
    const TResultsReport report = FormatResults(State);
    View.SetVisible(EControl::ET, false);
    View.SetVisible(EControl::LT1, false);
    View.SetLabelText(ELabel::LT2, report.Heading);
    for (const std::string& line : report.Lines) {
        View.AppendLine(line);
    }
}

void TExamFlow::B2Click() {
    View.CloseWindow();
}

}  // namespace exam
