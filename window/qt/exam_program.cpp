#include "window/flow/exam_program.h"

#include <QApplication>
#include <QTranslator>

#include "window/qt/exam_window.h"
#include "window/qt/russian_toolkit_texts.h"

namespace exam {

int RunExamProgram(const TExamProfile& profile, const TProgramIdentity& identity) {
    // Qt acts on arguments such as -stylesheet FILE or -reverse; the program takes none, so the
    // application gets only the program's name.
    int argc = 1;
    char* argv[] = {const_cast<char*>(identity.Name), nullptr};
    QApplication app(argc, argv);
    // Docks and task bars find the desktop entry, its name and icon, by this id (the Wayland
    // application id); on X11 the entry's StartupWMClass matches the window's class.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity.DesktopId));
    QTranslator translator;
    LoadRussianToolkitTexts(app, translator);  // without them the menu stays in English

    TExamState state;
    TRandom random;
    TExamWindow window(profile, state, random);
    window.show();
    window.activateWindow();  // the first activation starts the exam
    app.exec();
    return 0;
}

}  // namespace exam
