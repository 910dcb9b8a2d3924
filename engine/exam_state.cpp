#include "exam_state.h"

namespace exam {

void RecordAnswer(TExamState& state, std::int32_t value) {
    if (!IsTicketNumber(state.CurrentTicket)) {
        return;
    }
    TTicket& ticket = state.Tickets[state.CurrentTicket];
    ticket.GivenAnswer = value;
    ticket.Mark = ticket.CorrectAnswer == value ? 0 : 9;
}

std::int32_t CountCorrect(const TExamState& state) {
    std::int32_t count = 0;
    for (std::int32_t n = 1; n <= kTicketCount; ++n) {
        if (state.Tickets[n].CorrectAnswer == state.Tickets[n].GivenAnswer) {
            ++count;
        }
    }
    return count;
}

}  // namespace exam
