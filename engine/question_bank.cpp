#include "engine/question_bank.h"

#include <algorithm>

namespace exam {

std::string QuestionCode(std::string_view header) {
    if (header.size() <= 3) {
        return {};
    }
    // One byte per character, so a cut can never split a character.
    return std::string(header.substr(1, std::min(header.size() - 3, kQuestionCodeLength)));
}

std::int32_t AnswerDigit(std::string_view header) {
    if (header.empty()) {
        return 0;
    }
    const char last = header.back();
    return last >= '0' && last <= '9' ? last - '0' : 0;
}

void ExtractQuestion(const TQuestionBank& bank, std::int32_t lineCount, std::int32_t number,
                     TExamState& state, const TLineSink& sink) {
    // A line count beyond the table's end would read past it; scan what exists.
    const auto last =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(lineCount, 0)), bank.size());
    std::int32_t headers = 0;
    for (std::size_t j = 0; j < last; ++j) {
        const std::string_view line = bank[j];
        const char first = line.empty() ? '\0' : line.front();
        if (first == '#') {
            ++headers;
        }
        if (headers != number) {
            continue;
        }
        switch (first) {
            case '#':
                if (IsTicketNumber(state.CurrentTicket)) {
                    state.Tickets[state.CurrentTicket].CorrectAnswer = AnswerDigit(line);
                    state.QuestionCodes[state.CurrentTicket] = QuestionCode(line);
                }
                break;
            case '\\':
                break;
            case '*':
                sink("");
                sink(kOptionsSeparator);
                sink("");
                break;
            default:
                sink(line);
        }
    }
}

}  // namespace exam
