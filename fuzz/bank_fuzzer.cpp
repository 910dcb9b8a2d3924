// The bank validator and the question extraction on any file a bank author could hand the build.
//
// Invariants:
// - validation (group sizes 0, 12 and 16) never crashes; every problem names a line 1..lines+1,
//   has a message in well-formed UTF-8, and the problems come in line order; a group size adds
//   at most the one problem about too few questions;
// - a bank that validates cleanly extracts, for every question, the answer 1..3 and its own
//   number as the code, with at least the wording, separator and three option lines;
// - extraction on any table shows exactly the lines of the asked question's block, writes only
//   the current ticket's answer (0..9) and code (at most 6 bytes), and only when the number
//   names a header; everything else in the exam state stays as it was.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bank_reader.h"
#include "engine/exam_state.h"
#include "engine/question_bank.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace exam;
using namespace exam::fuzz;

bool IsWellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::vector<TBankProblem> CheckedValidation(std::string_view bytes, std::int32_t groupSize,
                                            std::size_t lineCount) {
    const std::vector<TBankProblem> problems = ValidateBank(bytes, groupSize);
    std::int32_t previous = 1;
    for (const TBankProblem& problem : problems) {
        const auto where = [&] {
            return "group size " + std::to_string(groupSize) + ", line " +
                   std::to_string(problem.Line) + " of " + std::to_string(lineCount) + ": " +
                   Escaped(problem.Message);
        };
        FUZZ_CHECK(problem.Line >= 1 && static_cast<std::size_t>(problem.Line) <= lineCount + 1,
                   where());
        FUZZ_CHECK(problem.Line >= previous,
                   where() + " (after line " + std::to_string(previous) + ")");
        FUZZ_CHECK(!problem.Message.empty(), where());
        FUZZ_CHECK(IsWellFormedUtf8(problem.Message), where());
        previous = problem.Line;
    }
    return problems;
}

// What extraction must show of question `number` when it scans the first `scanned` lines: the
// lines from its header to the next one (for 0, those before the first header), an asterisk line
// counting three, headers and references none.
std::size_t ExpectedShownLines(const std::vector<std::string_view>& lines, std::size_t scanned,
                               std::int32_t number) {
    std::size_t shown = 0;
    std::int64_t headers = 0;
    for (std::size_t j = 0; j < scanned; ++j) {
        const std::string_view line = lines[j];
        headers += line.starts_with('#') ? 1 : 0;
        if (headers != number || line.starts_with('#') || line.starts_with('\\')) {
            continue;
        }
        shown += line.starts_with('*') ? 3 : 1;
    }
    return shown;
}

// The header line of question `number` within the first `scanned` lines, if there is one.
const std::string_view* HeaderOf(const std::vector<std::string_view>& lines, std::size_t scanned,
                                 std::int32_t number) {
    std::int64_t headers = 0;
    for (std::size_t j = 0; j < scanned; ++j) {
        if (lines[j].starts_with('#') && ++headers == number) {
            return &lines[j];
        }
    }
    return nullptr;
}

void CheckExtraction(const std::vector<std::string_view>& lines, std::int32_t lineCount,
                     std::int32_t number, std::int32_t ticket) {
    TExamState state;
    for (std::int32_t n = 0; n <= kTicketCount; ++n) {
        state.Tickets[n] = {n + 1, -7, 0};
        state.QuestionCodes[n] = "unchanged code";
    }
    state.CurrentTicket = ticket;
    const TExamState before = state;

    const TQuestionBank bank(lines.data(), lines.size());
    std::size_t shown = 0;
    ExtractQuestion(bank, lineCount, number, state, [&](std::string_view) { ++shown; });

    const std::size_t scanned =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(lineCount, 0)), lines.size());
    const auto where = [&] {
        return "question " + std::to_string(number) + " of " + std::to_string(lines.size()) +
               " lines, scanning " + std::to_string(lineCount) + ", on ticket " +
               std::to_string(ticket);
    };
    FUZZ_CHECK(shown == ExpectedShownLines(lines, scanned, number),
               where() + ": " + std::to_string(shown) + " lines shown");

    TExamState expected = before;
    const std::string_view* header = HeaderOf(lines, scanned, number);
    if (header != nullptr && IsTicketNumber(ticket)) {
        const std::int32_t answer = state.Tickets[ticket].CorrectAnswer;
        const std::string& code = state.QuestionCodes[ticket];
        const auto context = [&] {
            return where() + ", header \"" + Escaped(*header) + "\" gave answer " +
                   std::to_string(answer) + " and code \"" + Escaped(code) + "\"";
        };
        FUZZ_CHECK(answer >= 0 && answer <= 9, context());
        FUZZ_CHECK(code.size() <= kQuestionCodeLength, context());
        const std::size_t codeLength =
            header->size() > 3 ? std::min(header->size() - 3, kQuestionCodeLength) : 0;
        FUZZ_CHECK(code.size() == codeLength && header->substr(1).starts_with(code), context());
        expected.Tickets[ticket].CorrectAnswer = answer;
        expected.QuestionCodes[ticket] = code;
    }
    bool unchanged = state.CurrentTicket == expected.CurrentTicket &&
                     state.QuestionCodes == expected.QuestionCodes;
    for (std::int32_t n = 0; n <= kTicketCount; ++n) {
        const TTicket& a = state.Tickets[n];
        const TTicket& b = expected.Tickets[n];
        unchanged = unchanged && a.QuestionNumber == b.QuestionNumber &&
                    a.CorrectAnswer == b.CorrectAnswer && a.GivenAnswer == b.GivenAnswer;
    }
    FUZZ_CHECK(unchanged, where() + ": the exam state changed beyond the current ticket");
}

// A bank without problems is one the programs could embed: every question must come out whole.
void CheckCleanBank(const TBank& model) {
    const std::vector<std::string_view>& lines = model.Lines;
    const auto count = static_cast<std::int32_t>(model.Questions.size());
    FUZZ_CHECK(count >= 1, "a clean bank without questions");
    FUZZ_CHECK(lines.front().starts_with('#'), "a clean bank not starting with a header");
    const TQuestionBank bank(lines.data(), lines.size());
    for (std::int32_t number = 1; number <= count; ++number) {
        TExamState state;
        state.CurrentTicket = 1 + number % kTicketCount;
        std::size_t shown = 0;
        ExtractQuestion(bank, static_cast<std::int32_t>(lines.size()), number, state,
                        [&](std::string_view line) {
                            ++shown;
                            FUZZ_CHECK(line.size() <= kMaxBankLineLength, Escaped(line));
                        });
        const TTicket& ticket = state.Tickets[state.CurrentTicket];
        const std::string& code = state.QuestionCodes[state.CurrentTicket];
        const auto where = [&] {
            return "clean bank, question " + std::to_string(number) + ": answer " +
                   std::to_string(ticket.CorrectAnswer) + ", code \"" + Escaped(code) + "\", " +
                   std::to_string(shown) + " lines";
        };
        FUZZ_CHECK(ticket.CorrectAnswer >= 1 && ticket.CorrectAnswer <= 3, where());
        FUZZ_CHECK(code == std::to_string(number).substr(0, kQuestionCodeLength), where());
        FUZZ_CHECK(shown >= 7, where());
        // The reader's block is what the ticket shows: less header and reference, the asterisk
        // line counting three.
        const TBankQuestion& question = model.Questions[static_cast<std::size_t>(number - 1)];
        FUZZ_CHECK(static_cast<std::size_t>(question.LineCount) == shown, where());
        FUZZ_CHECK(question.Answer == ticket.CorrectAnswer && question.Options.size() == 3,
                   where());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> lines = SplitBankLines(bytes);

    const std::vector<TBankProblem> plain = CheckedValidation(bytes, 0, lines.size());
    for (const std::int32_t groupSize : {12, 16}) {
        const std::size_t grouped = CheckedValidation(bytes, groupSize, lines.size()).size();
        FUZZ_CHECK(grouped == plain.size() || grouped == plain.size() + 1,
                   "group size " + std::to_string(groupSize) + ": " + std::to_string(grouped) +
                       " problems against " + std::to_string(plain.size()) + " without");
    }
    const TBank model = ReadBank(bytes);
    if (plain.empty()) {
        CheckCleanBank(model);
    }

    const auto lineCount = static_cast<std::int32_t>(lines.size());
    const auto count = static_cast<std::int32_t>(model.Questions.size());
    constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
    const std::int32_t numbers[] = {kLowest, -1, 0, 1, 2, count / 2, count, count + 1, kHighest};
    std::int32_t ticket = 0;
    for (const std::int32_t number : numbers) {
        // The current ticket runs through the title screen's 0 and the tickets 1..15.
        ticket = (ticket + 4) % (kTicketCount + 1);
        CheckExtraction(lines, lineCount, number, ticket);
        CheckExtraction(lines, lineCount / 2, number, ticket);
        CheckExtraction(lines, lineCount + 3, number, ticket);
    }
    CheckExtraction(lines, -1, 1, 1);
    return 0;
}
