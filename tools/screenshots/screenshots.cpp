// Author tool: photographs Varnel's window on its title screen, on a ticket and on the results
// screen, for the README. Started at midnight UTC, so the exam is always the same.
//   exam_screenshots OUTPUT_DIR      (run under an X server, e.g. xvfb-run)

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <iostream>

#include "programs/varnel/varnel_profile.h"
#include "window/qt/exam_window.h"

namespace {

bool Save(QWidget& window, const QDir& dir, const char* name) {
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!window.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        return false;
    }
    std::cout << path.toStdString() << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: exam_screenshots OUTPUT_DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    exam::TExamState state;
    exam::TRandom random;
    exam::TExamWindow window(exam::VarnelProfile(), state, random, [] {
        return exam::TUtcTimeOfDay{0, 0, 0, 0};
    });
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::cerr << "the window never became active\n";
        return 1;
    }
    auto* next = window.findChild<QPushButton*>(QStringLiteral("NextButton"));
    auto* answer = window.findChild<QLineEdit*>(QStringLiteral("AnswerBox"));
    bool ok = Save(window, dir, "title.png");
    for (int n = 1; n <= 15; ++n) {
        QTest::mouseClick(next, Qt::LeftButton);
        // Right answers except on tickets 4 and 11.
        const int right = state.Tickets[n].CorrectAnswer;
        QTest::keyClicks(answer, QString::number(n == 4 || n == 11 ? right % 3 + 1 : right));
        QTest::keyClick(answer, Qt::Key_Return);
        if (n == 1) {
            ok = Save(window, dir, "ticket.png") && ok;
        }
    }
    QTest::mouseClick(next, Qt::LeftButton);
    ok = Save(window, dir, "results.png") && ok;
    return ok ? 0 : 1;
}
