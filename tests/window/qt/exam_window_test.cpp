#include "exam_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

#include "cp1251.h"
#include "form_layout.h"
#include "russian_toolkit_texts.h"
#include "window_fixture.h"

namespace exam {
namespace {

TEST_F(TWindowTest, ControlsWithTheirFixedProperties) {
    const QStringList windowChildren = {"LT2", "PT", "MT"};
    const QStringList panelChildren = {"LT1", "LT3", "B2", "B1", "ET"};
    QStringList names;
    for (QObject* child : Window->children()) {
        if (child->isWidgetType()) {
            names << child->objectName();
        }
    }
    EXPECT_EQ(names, windowChildren) << "window's controls in creation order";
    names.clear();
    for (QObject* child : Control<QFrame>("PT")->children()) {
        if (child->isWidgetType()) {
            names << child->objectName();
        }
    }
    EXPECT_EQ(names, panelChildren) << "panel's controls in creation order";

    EXPECT_EQ(Control<QLabel>("LT3")->text(), QStringLiteral("ВЕЛТ-2005"));
    EXPECT_EQ(B1()->text(), QStringLiteral("Дальше"));
    EXPECT_EQ(B2()->text(), QStringLiteral("Конец"));
    EXPECT_EQ(B1()->accessibleName(), QStringLiteral("Дальше"));
    EXPECT_EQ(B2()->accessibleName(), QStringLiteral("Конец"));
    EXPECT_FALSE(ET()->accessibleName().isEmpty());
    EXPECT_FALSE(MT()->accessibleName().isEmpty());
    EXPECT_TRUE(Control<QLabel>("LT2")->accessibleName().isEmpty()) << "read out by its text";
    EXPECT_FALSE(B1()->autoDefault() || B1()->isDefault() || B2()->autoDefault());

    EXPECT_TRUE(MT()->isReadOnly());
    EXPECT_TRUE(MT()->textInteractionFlags() & Qt::TextSelectableByKeyboard)
        << "the text can be read with the keyboard caret";
    EXPECT_EQ(MT()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(MT()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const Qt::WindowFlags flags = Window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowSystemMenuHint));
}

// The test platform is a 1024 x 768 screen whose windows have a 2-pixel frame (see the
// offscreen-1024x768.json beside this file), so the client area is 969 x 726.
TEST_F(TWindowTest, LayoutOnA1024By768Screen) {
    Open();
    ASSERT_EQ(Window->screen()->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(Window->frameGeometry(), QRect(10, 7, 973, 730)) << "972.8 and 729.6 rounded";
    EXPECT_EQ(Window->size(), QSize(969, 726));
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize()) << "not resizable";
    const auto bounds = [&](const char* name) { return Control<QWidget>(name)->geometry(); };
    EXPECT_EQ(bounds("PT"), QRect(0, 639, 969, 87));
    EXPECT_EQ(bounds("LT2"), QRect(291, 7, 484, 73)) << "484.5 goes to the even 484";
    EXPECT_EQ(bounds("MT"), QRect(10, 73, 921, 544)) << "544.5 goes to the even 544";
    EXPECT_EQ(bounds("LT3"), QRect(48, 58, 145, 145));
    EXPECT_EQ(bounds("LT1"), QRect(48, 17, 291, 44));
    EXPECT_EQ(bounds("ET"), QRect(388, 17, 97, 44));
    EXPECT_EQ(bounds("B1"), QRect(581, 17, 145, 44));
    EXPECT_EQ(bounds("B2"), QRect(775, 17, 145, 44));
}

TEST_F(TWindowTest, BeforeActivationTheDesignSizeIsFixedAndCentred) {
    EXPECT_EQ(Window->size(), QSize(443, 299));
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize());
    EXPECT_EQ(Window->geometry().center(), QPoint(511, 383));
}

TEST_F(TWindowTest, TitleScreen) {
    Open();
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("СОСУДЫ  (ЭКЗАМЕН)"));
    EXPECT_EQ(MT()->document()->blockCount(), 12);
    EXPECT_EQ(MT()->document()->findBlockByNumber(2).text(),
              QStringLiteral("  РУЧНАЯ ДУГОВАЯ СВАРКА"));
    EXPECT_FALSE(ET()->isVisible());
    EXPECT_FALSE(Control<QLabel>("LT1")->isVisible());
    EXPECT_FALSE(Control<QLabel>("LT2")->isVisible());
    EXPECT_TRUE(B1()->isVisible() && B2()->isVisible());
    EXPECT_TRUE(B1()->hasFocus());
}

TEST_F(TWindowTest, KeyFilterInTheRealAnswerBox) {
    Open();
    Next();
    EXPECT_TRUE(ET()->hasFocus());
    EXPECT_EQ(LT2(), QStringLiteral("БИЛЕТ    1"));
    EXPECT_FALSE(B1()->isVisible());

    QTest::keyClick(ET(), Qt::Key_7);
    EXPECT_EQ(ET()->text(), QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("3"));
    QTest::keyClick(ET(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ET()->text(), QString()) << "Ctrl+V does nothing";
    QTest::keyClick(ET(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(ET()->text(), QStringLiteral("3")) << "Shift+Insert pastes unchecked";
    QTest::keyClick(ET(), Qt::Key_Return);
    EXPECT_TRUE(B1()->isVisible());
    EXPECT_TRUE(B1()->hasFocus());
    EXPECT_EQ(State.Tickets[1].GivenAnswer, 3);
    EXPECT_EQ(State.CurrentTicket, 1) << "Enter in the box does not press Next";

    QTest::keyClick(B1(), Qt::Key_Return);
    EXPECT_EQ(State.CurrentTicket, 2) << "Enter presses the focused Next";
    QGuiApplication::clipboard()->setText(QStringLiteral("-3a"));
    QTest::keyClick(ET(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(ET(), Qt::Key_Return);
    EXPECT_EQ(State.Tickets[2].GivenAnswer, 3);
    QTest::keyClick(ET(), Qt::Key_Home);
    QTest::keyClick(ET(), Qt::Key_Delete);
    EXPECT_EQ(ET()->text(), QStringLiteral("3a")) << "Delete edits without a check";
}

TEST_F(TWindowTest, WholeExamToTheResults) {
    Open();
    Next();
    for (int n = 1; n <= 15; ++n) {
        ASSERT_EQ(State.CurrentTicket, n);
        EXPECT_EQ(MT()->document()->firstBlock().text(),
                  QStringLiteral(" Вопрос ") + QString::number(State.Tickets[n].QuestionNumber));
        EXPECT_EQ(B2()->isVisible(), n != 15) << "End is hidden on the last ticket";
        Answer("2");
        Next();
    }
    EXPECT_EQ(LT2(), QStringLiteral("РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ"));
    EXPECT_EQ(MT()->document()->blockCount(), 22);
    EXPECT_EQ(MT()->document()->firstBlock().text(), QStringLiteral("Всего задано вопросов:  15"));
    EXPECT_FALSE(ET()->isVisible());
    EXPECT_TRUE(B1()->isVisible() && B2()->isVisible());
    const QString report = MT()->toPlainText();
    Next();
    EXPECT_EQ(MT()->toPlainText(), report);

    QTest::mouseClick(B2(), Qt::LeftButton);
    EXPECT_FALSE(Window->isVisible()) << "End closes the window";
}

// Which controls each screen shows on the real window, and where the focus is.
TEST_F(TWindowTest, VisibilityAndFocusOnEveryScreen) {
    const auto screen = [&] {
        QString s;
        for (const char* name : {"LT2", "LT1", "ET", "B1", "B2", "LT3"}) {
            s += Control<QWidget>(name)->isVisible() ? '1' : '0';
        }
        return s + (ET()->hasFocus() ? " ET" : B1()->hasFocus() ? " B1" : " other");
    };
    Open();
    EXPECT_EQ(screen(), "000111 B1") << "title";
    QTest::keyClick(B1(), Qt::Key_Space);
    EXPECT_EQ(screen(), "111011 ET") << "ticket, no answer yet (Space pressed Next)";
    Answer("1");
    EXPECT_EQ(screen(), "111111 B1") << "ticket, answered";
    while (State.CurrentTicket < 15) {
        QTest::keyClick(B1(), Qt::Key_Space);
        Answer("1");
    }
    EXPECT_EQ(screen(), "111101 B1") << "last ticket, answered";
    QTest::keyClick(B1(), Qt::Key_Return);
    EXPECT_EQ(screen(), "100111 B1") << "results";
    B2()->setFocus();
    QTest::keyClick(B2(), Qt::Key_Return);
    EXPECT_FALSE(Window->isVisible()) << "Enter on the focused End closes";
}

TEST_F(TWindowTest, ScreenReaderNamesAndTexts) {
    Open();
    Next();
    const auto name = [&](const char* control) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Control<QWidget>(control));
        return a ? a->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(name("LT2"), QStringLiteral("БИЛЕТ    1")) << "a label is read by its text";
    EXPECT_EQ(name("LT1"), QStringLiteral("ВАРИАНТ ОТВЕТА: "));
    EXPECT_EQ(name("B1"), QStringLiteral("Дальше"));
    EXPECT_EQ(name("B2"), QStringLiteral("Конец"));
    EXPECT_EQ(name("ET"), QStringLiteral("Номер выбранного варианта ответа"));
    EXPECT_EQ(name("MT"), QStringLiteral("Текст экзамена"));
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(ET());
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("БИЛЕТ    1"));
    QTest::keyClicks(ET(), QStringLiteral("2"));
    EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("2")) << "the box's content is read";
}

TEST(TypedCharacter, KeysAsTheAnswerBoxSeesThem) {
    struct TCase {
        int Key;
        Qt::KeyboardModifiers Modifiers;
        QString Text;
        std::optional<char> Character;
    } const cases[] = {
        {Qt::Key_3, Qt::NoModifier, "3", '3'},
        {Qt::Key_7, Qt::NoModifier, "7", '7'},
        {Qt::Key_Space, Qt::NoModifier, " ", ' '},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", '\b'},
        {Qt::Key_Return, Qt::NoModifier, "\r", '\r'},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", '\r'},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", '\x1b'},
        {Qt::Key_V, Qt::ControlModifier, "\x16", '\x16'},
        {Qt::Key_C, Qt::ControlModifier, "", '\x03'},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "", '\x1a'},
        {Qt::Key_Return, Qt::ControlModifier, "", '\n'},
        {Qt::Key_Backspace, Qt::ControlModifier, "", '\x7f'},
        {Qt::Key_BracketLeft, Qt::ControlModifier, "", '\x1b'},
        {0x0430, Qt::NoModifier, QStringLiteral("а"), '\xE0'},
        {0, Qt::NoModifier, QStringLiteral("≥"), '?'},
        {0, Qt::NoModifier, QString::fromUcs4(U"\U0001F600"), '?'},
        {0, Qt::NoModifier, "12", '?'},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
        {Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_Home, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_Insert, Qt::ShiftModifier, "", std::nullopt},
        {Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
    };
    for (const TCase& c : cases) {
        const QKeyEvent key(QEvent::KeyPress, c.Key, c.Modifiers, c.Text);
        EXPECT_EQ(TypedCharacter(key), c.Character) << c.Key << " " << c.Text.toStdString();
    }
}

TEST_F(TWindowTest, ActivatingAgainStartsNoNewExam) {
    Open();
    Next();
    const int first = State.Tickets[1].QuestionNumber;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(Window.get(), &activate);
    EXPECT_EQ(State.CurrentTicket, 1);
    EXPECT_EQ(State.Tickets[1].QuestionNumber, first);
    EXPECT_EQ(LT2(), QStringLiteral("БИЛЕТ    1"));
}

TEST(RussianToolkitTexts, ContextMenuOfTheAnswerBoxIsRussian) {
    QTranslator translator;
    ASSERT_TRUE(LoadRussianToolkitTexts(*qApp, translator));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste").remove('&'),
              QStringLiteral("Вставить"));
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("Select All"));
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace exam
