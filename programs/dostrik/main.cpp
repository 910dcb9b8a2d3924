// Dostrik: the level-I theory exam on metal and reinforced-concrete structures, manual arc welding.

#include "dostrik_profile.h"
#include "exam_program.h"

int main() {
    return exam::RunExamProgram(exam::DostrikProfile(), "dostrik");
}
