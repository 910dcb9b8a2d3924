#pragma once

// Start-up shared by both exam programs: the windowing application, the exam window with its
// flow, and the event loop. Each platform's window room implements it; a program links the one
// for its platform. The programs take no command line: nothing from outside reaches the toolkit.

#include "exam_profile.h"

namespace exam {

// Runs one exam of profile in a new window and returns the program's exit status, 0 once the
// window is closed. programName names the program to the desktop (its executable's name).
int RunExamProgram(const TExamProfile& profile, const char* programName);

}  // namespace exam
