#include "exam_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "exam_window.h"

namespace exam {

bool LoadRussianToolkitTexts(QApplication& app, QTranslator& translator) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    if (!translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return app.installTranslator(&translator);
}

int RunExamProgram(int argc, char** argv, const TExamProfile& profile) {
    QApplication app(argc, argv);  // the toolkit's platform arguments only
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
