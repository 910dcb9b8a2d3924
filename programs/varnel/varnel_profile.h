#pragma once

#include "engine/exam_profile.h"

namespace exam {

// Varnel's caption, title screen, group size and embedded bank.
const TExamProfile& VarnelProfile();

}  // namespace exam
