#pragma once

// The real exam window over the numbered bank, started at midnight, for the window tests.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <ostream>

#include "engine/cp1251.h"
#include "tests/window/flow/numbered_bank.h"
#include "window/qt/exam_window.h"

// Rectangles and sizes in failure messages.
inline std::ostream& operator<<(std::ostream& out, const QRect& r) {
    return out << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height();
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r;
}

namespace exam {

// The real window over the numbered bank, started at midnight.
class TWindowTest : public ::testing::Test, protected TNumberedExam {
protected:
    TWindowTest() {
        Window = std::make_unique<TExamWindow>(Profile, State, Random, [] {
            return TUtcTimeOfDay{0, 0, 0, 0};
        });
    }

    void Open() {
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }

    template <class T>
    T* Control(const char* name) const {
        T* control = Window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Box() const { return Control<QLineEdit>("AnswerBox"); }
    QPushButton* NextButton() const { return Control<QPushButton>("NextButton"); }
    QPushButton* EndButton() const { return Control<QPushButton>("EndButton"); }
    QPlainTextEdit* Area() const { return Control<QPlainTextEdit>("TextArea"); }
    QString TitleText() const { return Control<QLabel>("TitleLabel")->text(); }

    void Next() { QTest::mouseClick(NextButton(), Qt::LeftButton); }
    void Answer(const char* keys) {
        QTest::keyClicks(Box(), QString::fromLatin1(keys));
        QTest::keyClick(Box(), Qt::Key_Return);
    }

    std::unique_ptr<TExamWindow> Window;
};

}  // namespace exam
