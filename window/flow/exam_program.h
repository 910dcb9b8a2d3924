#pragma once

// Start-up shared by both exam programs: the windowing application, the exam window with its
// flow, and the event loop. Each platform's window room implements it; a program links the one
// for its platform. The programs take no command line: nothing from outside reaches the toolkit.

#include "engine/exam_profile.h"

namespace exam {

// How the desktop knows a program, as its program.cmake states it.
struct TProgramIdentity {
    const char* Name;       // its executable's name, e.g. "varnel"
    const char* DesktopId;  // its desktop entry's id, e.g. "org.weldingexams.Varnel"
};

// Runs one exam of profile in a new window and returns the program's exit status, 0 once the
// window is closed.
int RunExamProgram(const TExamProfile& profile, const TProgramIdentity& identity);

}  // namespace exam
