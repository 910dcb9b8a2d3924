#include "exam_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "exam_window.h"

namespace exam {

namespace {

// The toolkit's own texts a candidate can meet (the answer box's context menu) in Russian,
// whatever the machine's locale.
void LoadRussianToolkitTexts(QApplication& app, QTranslator& translator) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    if (translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
}

}  // namespace

int RunExamProgram(int argc, char** argv, const TExamProfile& profile) {
    QApplication app(argc, argv);  // the toolkit's platform arguments only
    QTranslator translator;
    LoadRussianToolkitTexts(app, translator);

    TExamState state;
    TRandom random;
    TFT window(profile, state, random);
    window.show();
    window.activateWindow();  // the first activation starts the exam
    app.exec();
    return 0;
}

}  // namespace exam
