#pragma once

// Start-up shared by both exam programs: the windowing application, the exam window with its
// flow, and the event loop; returns the program's exit status (0 once the window is closed).

#include "exam_profile.h"

namespace exam {

int RunExamProgram(int argc, char** argv, const TExamProfile& profile);

}  // namespace exam
