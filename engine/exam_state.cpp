#include "engine/exam_state.h"

namespace exam {

void RecordAnswer(TExamState& state, std::int32_t value) {
    if (!IsTicketNumber(state.CurrentTicket)) {
        return;
    }
    state.Tickets[state.CurrentTicket].GivenAnswer = value;
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
