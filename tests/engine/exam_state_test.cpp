#include "engine/exam_state.h"

#include <gtest/gtest.h>

namespace exam {
namespace {

TEST(RecordAnswer, LastAnswerOnTheCurrentTicketWins) {
    TExamState state;
    state.Screen = EScreen::Ticket;
    state.CurrentTicket = 4;
    for (TTicket& ticket : state.Tickets) {
        ticket.CorrectAnswer = 3;
    }

    RecordAnswer(state, 3);
    EXPECT_EQ(state.Tickets[4].GivenAnswer, 3);
    EXPECT_EQ(CountCorrect(state), 1) << "ticket 4 right, the others unanswered";

    RecordAnswer(state, 4);
    EXPECT_EQ(state.Tickets[4].GivenAnswer, 4);
    EXPECT_EQ(CountCorrect(state), 0);
    EXPECT_EQ(state.Tickets[3].GivenAnswer, 0) << "only the current ticket changes";
}

TEST(RecordAnswer, HeaderWithoutDigitCanNeverBeAnsweredRight) {
    TExamState state;
    state.CurrentTicket = 1;  // correct answer 0, as from a header ending in a letter
    for (std::int32_t value = 1; value <= 9; ++value) {
        RecordAnswer(state, value);
        EXPECT_EQ(state.Tickets[1].GivenAnswer, value);
        EXPECT_NE(state.Tickets[1].GivenAnswer, state.Tickets[1].CorrectAnswer) << value;
    }
}

TEST(RecordAnswer, IgnoredWhileNoTicketIsCurrent) {
    TExamState state;  // title screen
    RecordAnswer(state, 2);
    EXPECT_EQ(state.Tickets[0].GivenAnswer, 0);
    EXPECT_EQ(state.Screen, EScreen::Title);
}

TEST(CountCorrect, ComparesGivenWithCorrectAnswer) {
    TExamState state;
    for (std::int32_t n = 1; n <= kTicketCount; ++n) {
        state.Tickets[n].CorrectAnswer = 1 + n % 3;
        state.Tickets[n].GivenAnswer = 1 + n % 3;
    }
    state.Tickets[0].GivenAnswer = 5;  // entry 0 is no ticket
    EXPECT_EQ(CountCorrect(state), 15);

    state.Tickets[7].CorrectAnswer = 0;  // unanswerable ticket
    state.Tickets[8].GivenAnswer = 0;    // never answered
    EXPECT_EQ(CountCorrect(state), 13);
}

}  // namespace
}  // namespace exam
