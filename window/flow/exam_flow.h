#pragma once

// The exam's screen flow: title, fifteen tickets, results. It turns the window's four events
// into the exam's progress and drives the window only through IExamView, so it runs against any
// implementation of it. Everything happens on one thread, one event at a time.

#include "engine/exam_profile.h"
#include "engine/exam_state.h"
#include "engine/random_source.h"
#include "window/flow/exam_view.h"

namespace exam {

// Ticket screens' titles, Windows-1251; the number is right-aligned in three characters.
std::string TicketTitle(std::int32_t ticket);

class TExamFlow {
public:
    TExamFlow(const TExamProfile& profile, TExamState& state, TRandom& random, IExamView& view,
              TUtcClock clock = SystemUtcTimeOfDay);
    TExamFlow(const TExamFlow&) = delete;
    TExamFlow& operator=(const TExamFlow&) = delete;

    // The window's activation. The first seeds, lays out, shows the title and draws the exam;
    // later ones (returning from another program) change nothing.
    void OnFirstActivation();
    // Next: the next ticket, or after the fifteenth the results (again on every press).
    // Before the first activation there is no exam yet, and Next and typed keys do nothing.
    void OnNext();
    // End: closes the window.
    void OnEnd();
    // A character typed into the answer box, before it takes effect: Backspace (8), Enter (13)
    // and the digits 1..5 pass, anything else is discarded. Returns whether the character passes.
    bool OnAnswerKey(char key);

private:
    void ShowTitle();
    void ShowTicket();
    void CheckAnswer();
    void ShowResults();

    const TExamProfile& Profile;
    TExamState& State;
    TRandom& RandomSource;
    IExamView& View;
    TUtcClock Clock;
    bool Activated = false;  // the exam starts once per run, whatever the toolkit reports
};

}  // namespace exam
