// What is the Qt window's own: its widgets' toolkit properties, window hints, the fonts the
// machine resolves, the key translation, input methods, the ticket's description for screen
// readers and the toolkit's Russian texts. What both front ends share is in ../conformance/.

#include "window/qt/exam_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QTranslator>

#include <optional>

#include "tests/window/qt/window_fixture.h"
#include "window/qt/russian_toolkit_texts.h"

namespace exam {
namespace {

TEST_F(TWindowTest, WidgetsInTheirParentsWithTheirToolkitProperties) {
    const QStringList windowChildren = {"TitleLabel", "Panel", "TextArea"};
    const QStringList panelChildren = {"PromptLabel", "BrandLabel", "EndButton", "NextButton",
                                       "AnswerBox"};
    QStringList names;
    for (QObject* child : Window->children()) {
        if (child->isWidgetType()) {
            names << child->objectName();
        }
    }
    EXPECT_EQ(names, windowChildren) << "window's widgets in creation order";
    names.clear();
    for (QObject* child : Control<QFrame>("Panel")->children()) {
        if (child->isWidgetType()) {
            names << child->objectName();
        }
    }
    EXPECT_EQ(names, panelChildren) << "panel's widgets in creation order";
    EXPECT_TRUE(Control<QLabel>("TitleLabel")->accessibleName().isEmpty()) << "read by its text";
    EXPECT_FALSE(NextButton()->autoDefault() || NextButton()->isDefault() ||
                 EndButton()->autoDefault());

    EXPECT_TRUE(Area()->isReadOnly());
    EXPECT_TRUE(Area()->textInteractionFlags() & Qt::TextSelectableByKeyboard)
        << "the text can be read with the keyboard caret";
    EXPECT_EQ(Area()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Area()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const Qt::WindowFlags flags = Window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowSystemMenuHint));
}

TEST_F(TWindowTest, BeforeActivationTheDesignSizeIsFixedAndCentred) {
    EXPECT_EQ(Window->size(), QSize(443, 299));
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize());
    EXPECT_EQ(Window->geometry().center(), QPoint(511, 383));
    Open();
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize()) << "not resizable once laid out";
}

// The machine has the metric-compatible Liberation families (fonts-liberation), which
// fontconfig puts in place of the usual names.
TEST_F(TWindowTest, FontsResolveToTheirMetricCompatibleFamilies) {
    Open();
    for (const TElementLook& look : FormElements()) {
        const QFontInfo font(Control<QWidget>(look.Name.data())->font());
        EXPECT_EQ(font.family(),
                  look.Font.Family == "Arial" ? "Liberation Sans" : "Liberation Serif")
            << look.Name;
    }
}

TEST_F(TWindowTest, TheAnswerBoxIsDescribedByTheTicket) {
    Open();
    Next();
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(Box());
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("БИЛЕТ    1"));
    QTest::keyClicks(Box(), QStringLiteral("2"));
    EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("2")) << "the box's content is read";
}

// Composed input (an input method) would reach the box without the key filter.
TEST_F(TWindowTest, InputMethodsAreOffInTheAnswerBox) {
    Open();
    Next();
    ASSERT_EQ(QGuiApplication::focusObject(), Box());
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(QGuiApplication::focusObject(), &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
    QInputMethodQueryEvent both(Qt::ImEnabled | Qt::ImFont);
    QApplication::sendEvent(Box(), &both);
    EXPECT_FALSE(both.value(Qt::ImEnabled).toBool());
    EXPECT_EQ(both.value(Qt::ImFont).value<QFont>(), Box()->font()) << "other queries answered";

    QInputMethodEvent composed(QString(), {});
    composed.setCommitString(QStringLiteral("7"));
    QApplication::sendEvent(Box(), &composed);
    EXPECT_EQ(Box()->text(), QString()) << "composed text does not reach the box";
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
