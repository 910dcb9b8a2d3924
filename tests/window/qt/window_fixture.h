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

#include "cp1251.h"
#include "exam_window.h"
#include "numbered_bank.h"

// Rectangles and sizes in failure messages.
inline std::ostream& operator<<(std::ostream& out, const QRect& r) {
    return out << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height();
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r;
}

namespace exam {

// The real window over the numbered bank, started at midnight.
class TWindowTest : public ::testing::Test {
protected:
    TWindowTest() {
        Profile.Caption = Caption.View();
        Profile.TitleLines = {Title.View(), Title.View(), Title.View(), Title.View(), Title.View()};
        Profile.GroupSize = 16;
        Profile.LineCount = Bank.LineCount();
        Profile.Bank = Bank.Table();
        Window = std::make_unique<TFT>(Profile, State, Random, [] {
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
    QLineEdit* ET() const { return Control<QLineEdit>("ET"); }
    QPushButton* B1() const { return Control<QPushButton>("B1"); }
    QPushButton* B2() const { return Control<QPushButton>("B2"); }
    QPlainTextEdit* MT() const { return Control<QPlainTextEdit>("MT"); }
    QString LT2() const { return Control<QLabel>("LT2")->text(); }

    void Next() { QTest::mouseClick(B1(), Qt::LeftButton); }
    void Answer(const char* keys) {
        QTest::keyClicks(ET(), QString::fromLatin1(keys));
        QTest::keyClick(ET(), Qt::Key_Return);
    }

    static constexpr TCp1251Literal Caption = u8"СОСУДЫ  (ЭКЗАМЕН)";
    static constexpr TCp1251Literal Title = u8"  РУЧНАЯ ДУГОВАЯ СВАРКА";
    TNumberedBank Bank;
    TExamProfile Profile;
    TExamState State;
    TRandom Random;
    std::unique_ptr<TFT> Window;
};

}  // namespace exam
