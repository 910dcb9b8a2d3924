#pragma once

#include "engine/exam_profile.h"

namespace exam {

// Dostrik's caption, title screen, group size and embedded bank.
const TExamProfile& DostrikProfile();

}  // namespace exam
