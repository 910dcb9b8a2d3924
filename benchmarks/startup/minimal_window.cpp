// The floor for the start-up benchmark: the smallest Qt Widgets program with one window.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(443, 299);
    window.show();
    return app.exec();
}
