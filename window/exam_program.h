#pragma once

// Start-up shared by both exam programs: the windowing application, the exam window with its
// flow, and the event loop; returns the program's exit status (0 once the window is closed).

#include "exam_profile.h"

class QApplication;
class QTranslator;

namespace exam {

// Makes the toolkit's own texts a candidate can meet (the answer box's context menu) Russian,
// whatever the machine's locale; false when the toolkit's Russian translations are missing.
bool LoadRussianToolkitTexts(QApplication& app, QTranslator& translator);

int RunExamProgram(int argc, char** argv, const TExamProfile& profile);

}  // namespace exam
