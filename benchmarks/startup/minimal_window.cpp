// The floor for the start-up benchmark: the smallest Qt Widgets program with one window, as
// large as the exam window (95 % of the screen), since the window's pixel buffer grows with it.

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(window.screen()->geometry().size() * 0.95);
    window.show();
    return app.exec();
}
