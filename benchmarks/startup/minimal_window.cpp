// The floor for the start-up benchmark: the smallest Qt Widgets program with one window, as
// large as the exam window (95 % of the screen), since the window's pixel buffer grows with it.
// With --text the window also shows one line of text, so that the floor pays for the font
// machinery (fontconfig, FreeType, HarfBuzz) that any window with text needs.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(window.screen()->geometry().size() * 0.95);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        (new QLabel(QStringLiteral("Текст"), &window))->move(10, 10);
    }
    window.show();
    return app.exec();
}
