#include "window/flow/exam_program.h"

#include "window/win32/exam_window.h"

namespace exam {

int RunExamProgram(const TExamProfile& profile, const TProgramIdentity& /*identity*/) {
    // The program takes no command line and reads nothing from its surroundings; Windows names
    // it by its executable.
    return RunExamWindow(profile, SystemUtcTimeOfDay);
}

}  // namespace exam
