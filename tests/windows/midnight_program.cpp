// A test build of an exam program whose clock stands at 00:00:00.000 UTC, so that its exam is
// known in advance. It is the real program otherwise: the same profile, bank and window.

#include "window/win32/exam_window.h"
#include PROGRAM_PROFILE_HEADER

int main() {
    return exam::RunExamWindow(exam::PROGRAM_PROFILE(), [] { return exam::TUtcTimeOfDay{}; });
}
