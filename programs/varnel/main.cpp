// Varnel: the level-I theory exam on pressure vessels, manual arc welding.

#include "exam_program.h"
#include "varnel_profile.h"

int main(int argc, char** argv) {
    return exam::RunExamProgram(argc, argv, exam::VarnelProfile());
}
