#include "exam_window.h"

#include <gtest/gtest.h>

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
#include "exam_program.h"
#include "form_layout.h"
#include "numbered_bank.h"

namespace exam {
namespace {

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

    EXPECT_EQ(Window->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(MT()->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(Control<QLabel>("LT2")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(Control<QLabel>("LT1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Window->font().pixelSize(), 19);
    EXPECT_EQ(Window->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(Control<QLabel>("LT2")->font().pixelSize(), 16);
    EXPECT_TRUE(Control<QLabel>("LT1")->font().bold() &&
                Control<QLabel>("LT1")->font().underline());
    EXPECT_EQ(Control<QLabel>("LT3")->font().pixelSize(), 11);
    EXPECT_EQ(B1()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(B1()->font().pixelSize(), 13);
    EXPECT_EQ(ET()->font().pixelSize(), 19);

    EXPECT_TRUE(MT()->isReadOnly());
    EXPECT_TRUE(MT()->textInteractionFlags() & Qt::TextSelectableByKeyboard)
        << "the text can be read with the keyboard caret";
    EXPECT_EQ(MT()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(MT()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const Qt::WindowFlags flags = Window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowSystemMenuHint));

    EXPECT_EQ(B2()->nextInFocusChain(), B1());
    EXPECT_EQ(B1()->nextInFocusChain(), ET());
}

TEST_F(TWindowTest, LayoutFillsThe95PercentWindow) {
    Open();
    const QSize screen = Window->screen()->geometry().size();
    const TRect bounds = WindowBounds(screen.width(), screen.height());
    EXPECT_EQ(Window->frameGeometry(), QRect(bounds.Left, bounds.Top, bounds.Width, bounds.Height));
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize()) << "not resizable";
    const int ch = Window->height();
    const int cw = Window->width();
    EXPECT_EQ(MT()->geometry(),
              QRect(ClientControls(cw, ch).MT.Left, ClientControls(cw, ch).MT.Top,
                    ClientControls(cw, ch).MT.Width, ClientControls(cw, ch).MT.Height));
    const QFrame* panel = Control<QFrame>("PT");
    EXPECT_EQ(panel->geometry(), QRect(0, ch - PanelHeight(ch), cw, PanelHeight(ch)));
    const TPanelControls p = PanelControls(panel->width(), panel->height());
    EXPECT_EQ(B1()->geometry(), QRect(p.B1.Left, p.B1.Top, p.B1.Width, p.B1.Height));
    EXPECT_EQ(ET()->geometry(), QRect(p.ET.Left, p.ET.Top, p.ET.Width, p.ET.Height));
    if (screen == QSize(1024, 768)) {
        EXPECT_EQ(Window->frameGeometry(), QRect(10, 7, 973, 730));
    }
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
