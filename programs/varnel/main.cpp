// Varnel: the level-I theory exam on pressure vessels, manual arc welding.

#include "exam_program.h"
#include "varnel_profile.h"

int main() {
    return exam::RunExamProgram(exam::VarnelProfile(), "varnel");
}
