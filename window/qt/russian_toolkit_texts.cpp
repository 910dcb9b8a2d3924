#include "window/qt/russian_toolkit_texts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace exam {

bool LoadRussianToolkitTexts(QApplication& app, QTranslator& translator) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    if (!translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return app.installTranslator(&translator);
}

}  // namespace exam
