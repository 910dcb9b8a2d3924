// An exam program's start-up. Each program compiles this file with its own profile function
// (EXAM_PROFILE_FUNCTION, e.g. VarnelProfile), name (EXAM_PROGRAM_NAME, e.g. "varnel") and
// desktop id (EXAM_DESKTOP_ID), all from its program.cmake.

#include "engine/exam_profile.h"
#include "window/flow/exam_program.h"

namespace exam {
const TExamProfile& EXAM_PROFILE_FUNCTION();
}  // namespace exam

int main() {
    return exam::RunExamProgram(exam::EXAM_PROFILE_FUNCTION(),
                                {.Name = EXAM_PROGRAM_NAME, .DesktopId = EXAM_DESKTOP_ID});
}
