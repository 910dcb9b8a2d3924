#include "exam_program.h"

#include <QApplication>
#include <QTranslator>

#include "exam_window.h"
#include "russian_toolkit_texts.h"

namespace exam {

namespace {

// The id under which the program's desktop entry is installed: varnel gives
// org.weldingexams.Varnel.
QString DesktopEntryId(const char* programName) {
    QString name = QString::fromUtf8(programName);
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return QStringLiteral("org.weldingexams.") + name;
}

}  // namespace

int RunExamProgram(const TExamProfile& profile, const char* programName) {
    // Qt acts on arguments such as -stylesheet FILE or -reverse; the program takes none, so the
    // application gets only the program's name.
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    QApplication app(argc, argv);
    // Docks and task bars find the desktop entry, its name and icon, by this id (the Wayland
    // application id); on X11 the entry's StartupWMClass matches the window's class.
    QGuiApplication::setDesktopFileName(DesktopEntryId(programName));
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
