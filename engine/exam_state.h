#pragma once

// The running exam: fifteen tickets, the screen on show and what the candidate answered.
// One state lives for the whole program run; there is no reset, since one run holds one exam.

#include <array>
#include <cstdint>
#include <string>

namespace exam {

inline constexpr std::int32_t kTicketCount = 15;       // tickets per exam, numbered 1..15
inline constexpr std::int32_t kGroupCount = 15;        // question groups of a bank, numbered 0..14
inline constexpr std::size_t kQuestionCodeLength = 6;  // characters kept of a question code

struct TTicket {
    std::int32_t QuestionNumber = 0;  // ordinal of the question in the bank, from 1
    std::int32_t CorrectAnswer = 0;   // digit from the header line; 0 if it was no digit
    std::int32_t GivenAnswer = 0;     // last accepted answer 1..9; 0 until one is accepted
};

// The screens of an exam, in the order the candidate meets them.
enum class EScreen { Title, Ticket, Results };

struct TExamState {
    EScreen Screen = EScreen::Title;
    // The ticket last shown: 0 until the first ticket, n while ticket n is shown; the results
    // keep the last ticket's number (15).
    std::int32_t CurrentTicket = 0;
    // Indexed by ticket number 1..15; entry 0 is never part of the exam.
    std::array<TTicket, kTicketCount + 1> Tickets{};
    // Windows-1251 codes of the shown tickets' questions, at most 6 characters; indexed 1..15.
    std::array<std::string, kTicketCount + 1> QuestionCodes{};
};

// True while a ticket (1..15) is current, that is, the tickets' fields may be written.
constexpr bool IsTicketNumber(std::int32_t n) {
    return n >= 1 && n <= kTicketCount;
}

// Stores an accepted answer (the caller has checked 1..9) on the current ticket; a later call on
// the same ticket wins. Does nothing while no ticket is current.
void RecordAnswer(TExamState& state, std::int32_t value);

// How many of tickets 1..15 have a given answer equal to the correct one.
std::int32_t CountCorrect(const TExamState& state);

}  // namespace exam
