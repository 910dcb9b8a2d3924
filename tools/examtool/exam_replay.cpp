#include "tools/examtool/exam_replay.h"

#include "engine/random_source.h"
#include "engine/ticket_draw.h"

namespace examtool {

exam::TExamState DrawExam(std::int32_t groupSize, std::uint32_t seed) {
    exam::TRandom random{seed};
    exam::TExamState state;
    exam::DrawTickets(state, groupSize, random);
    return state;
}

void AnswerExam(exam::TExamState& state, const std::vector<std::string_view>& bankLines,
                const TAnswers& answers) {
    const exam::TQuestionBank bank(bankLines);
    const auto lineCount = static_cast<std::int32_t>(bankLines.size());
    for (std::int32_t n = 1; n <= exam::kTicketCount; ++n) {
        state.Screen = exam::EScreen::Ticket;
        state.CurrentTicket = n;
        exam::ExtractQuestion(bank, lineCount, state.Tickets[n].QuestionNumber, state,
                              [](std::string_view) {});
        exam::RecordAnswer(state, answers[n - 1]);
    }
    state.Screen = exam::EScreen::Results;
}

}  // namespace examtool
