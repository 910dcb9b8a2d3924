#include "exam_program.h"

#include <QApplication>
#include <QTranslator>

#include "exam_window.h"
#include "russian_toolkit_texts.h"

namespace exam {

int RunExamProgram(const TExamProfile& profile, const char* programName) {
    // Qt acts on arguments such as -stylesheet FILE or -reverse; the program takes none, so the
    // application gets only the program's name.
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    QApplication app(argc, argv);
    QTranslator translator;
    LoadRussianToolkitTexts(app, translator);  // without them the menu stays in English

    TExamState state;
    TRandom random;
    TFT window(profile, state, random);
    window.show();
    window.activateWindow();  // the first activation starts the exam
    app.exec();
    return 0;
}

}  // namespace exam
