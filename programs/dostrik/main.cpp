// Dostrik: the level-I theory exam on metal and reinforced-concrete structures, manual arc welding.

#include "dostrik_profile.h"
#include "exam_program.h"

int main(int argc, char** argv) {
    return exam::RunExamProgram(argc, argv, exam::DostrikProfile());
}
