// The window's look and its behaviour as the platform and the keyboard reach it: fonts and
// colours as drawn, labels sizing themselves, the tab cycle, the held Enter, input methods, events
// before the first activation and close requests.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QWindow>

#include <optional>

#include "window_fixture.h"

namespace exam {
namespace {

const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// The expected look, one row per control. Fonts are asked for by their usual names; the
// machine has the metric-compatible Liberation families (fonts-liberation), which fontconfig
// puts in their place. The pixel size is the character height.
struct TLook {
    const char* Name;
    const char* Family;
    const char* ResolvedFamily;
    int Pixels;
    bool BoldUnderlined;
    std::optional<QPalette::ColorRole> Role;  // the coloured part of the control, if any
    QColor Colour;
};
const TLook kLook[] = {
    {"FT", "Times New Roman", "Liberation Serif", 19, false, QPalette::Window, kSilver},
    {"LT2", "Arial", "Liberation Sans", 16, true, QPalette::WindowText, kBlue},
    {"PT", "Times New Roman", "Liberation Serif", 19, false, QPalette::Window, kSilver},
    {"LT1", "Arial", "Liberation Sans", 16, true, QPalette::WindowText, kRed},
    {"LT3", "Times New Roman", "Liberation Serif", 11, false, QPalette::WindowText, kBlue},
    {"B2", "Arial", "Liberation Sans", 13, false, std::nullopt, {}},
    {"B1", "Arial", "Liberation Sans", 13, false, std::nullopt, {}},
    {"ET", "Times New Roman", "Liberation Serif", 19, false, std::nullopt, {}},
    {"MT", "Times New Roman", "Liberation Serif", 19, false, QPalette::Base, kWhite},
};

// The share of the pixels in area of image that have exactly colour.
double ShareOf(const QImage& image, const QRegion& area, const QColor& colour) {
    int all = 0;
    int matching = 0;
    for (const QRect& rect : area) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                ++all;
                matching += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
    }
    return all == 0 ? 0 : static_cast<double>(matching) / all;
}

// The hue of the most saturated pixel in area: the text's colour, however thin its strokes
// (anti-aliasing blends it with the grey background, which keeps the hue).
int InkHue(const QImage& image, const QRect& area) {
    QColor ink(Qt::gray);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.hsvSaturation() > ink.hsvSaturation()) {
                ink = pixel;
            }
        }
    }
    return ink.hsvSaturation() > 64 ? ink.hsvHue() : -1;
}

class TWindowLook : public TWindowTest {
protected:
    QWidget* Widget(const char* name) const {
        return name == std::string_view("FT") ? Window.get() : Control<QWidget>(name);
    }
    QLabel* Label(const char* name) const { return Control<QLabel>(name); }
    // A ticket with its answer accepted: every control on show.
    void OpenTicketOne() {
        Open();
        Next();
        Answer("1");
    }
};

TEST_F(TWindowLook, FontsAndColoursAsAskedForAndAsDrawn) {
    OpenTicketOne();
    const QImage window = Window->grab().toImage();
    for (const TLook& look : kLook) {
        SCOPED_TRACE(look.Name);
        const QWidget* widget = Widget(look.Name);
        const QFontInfo font(widget->font());
        EXPECT_EQ(widget->font().family(), QString::fromLatin1(look.Family));
        EXPECT_EQ(font.family(), QString::fromLatin1(look.ResolvedFamily));
        EXPECT_EQ(font.pixelSize(), look.Pixels);
        EXPECT_EQ(font.bold(), look.BoldUnderlined);
        EXPECT_EQ(font.underline(), look.BoldUnderlined);
        if (!look.Role) {
            continue;
        }
        EXPECT_EQ(widget->palette().color(*look.Role), look.Colour);
        // As drawn: the text in its colour; the background in it wherever no control covers it.
        // LT3 lies partly outside the panel (its bounds come from the window's client size).
        const QRect area =
            QRect(widget->mapTo(Window.get(), QPoint(0, 0)), widget->size()) & window.rect();
        if (*look.Role == QPalette::WindowText) {
            EXPECT_EQ(InkHue(window, area), look.Colour.hsvHue()) << "the text's colour";
            continue;
        }
        QRegion uncovered(area);
        for (const TLook& other : kLook) {
            const QWidget* control = Widget(other.Name);
            if (control->parentWidget() == widget && control->isVisible()) {
                uncovered -= QRect(control->mapTo(Window.get(), QPoint(0, 0)), control->size());
            }
        }
        EXPECT_GT(ShareOf(window, uncovered, look.Colour), 0.8) << "the background's colour";
    }
}

TEST_F(TWindowLook, PanelHasARaisedFrame) {
    OpenTicketOne();
    auto* panel = Control<QFrame>("PT");
    EXPECT_EQ(panel->frameShape(), QFrame::Panel);
    EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
    EXPECT_GE(panel->lineWidth(), 1);
    // Raised: lit along the top and left, shaded along the bottom and right.
    const QImage drawn = panel->grab().toImage();
    const int x = drawn.width() / 3;
    const int y = drawn.height() * 3 / 4;
    const auto lightness = [&](int px, int py) { return drawn.pixelColor(px, py).lightness(); };
    EXPECT_GT(lightness(x, 0), kSilver.lightness()) << "top edge";
    EXPECT_GT(lightness(0, y), kSilver.lightness()) << "left edge";
    EXPECT_LT(lightness(x, drawn.height() - 1), kSilver.lightness()) << "bottom edge";
    EXPECT_LT(lightness(drawn.width() - 1, y), kSilver.lightness()) << "right edge";
}

// LT1 and LT2 keep the layout's size until their text is set, then take their text's size at
// the layout's left and top; LT3 keeps the layout's bounds throughout.
TEST_F(TWindowLook, LabelsSizeThemselvesToEachText) {
    // Where the layout puts them on the 1024 x 768 test screen.
    const QRect lt2Layout(291, 7, 484, 73);
    const QRect lt1Layout(48, 17, 291, 44);
    const QRect lt3Layout(48, 58, 145, 145);
    const auto sizedToText = [&](const char* name, const QRect& layout) {
        QLabel* label = Label(name);
        return label->geometry() == QRect(layout.topLeft(), label->sizeHint());
    };
    Open();
    EXPECT_EQ(Label("LT2")->geometry(), lt2Layout) << "title screen: no text set yet";
    EXPECT_EQ(Label("LT1")->geometry(), lt1Layout);
    EXPECT_EQ(Label("LT3")->geometry(), lt3Layout);

    QSize ticketTitle;
    while (State.CurrentTicket < 15) {
        Next();
        SCOPED_TRACE(State.CurrentTicket);
        EXPECT_TRUE(sizedToText("LT2", lt2Layout)) << Label("LT2")->geometry();
        EXPECT_TRUE(sizedToText("LT1", lt1Layout)) << Label("LT1")->geometry();
        EXPECT_EQ(Label("LT3")->geometry(), lt3Layout);
        if (State.CurrentTicket == 1) {
            ticketTitle = Label("LT2")->size();
            EXPECT_LT(ticketTitle.width(), lt2Layout.width());
        }
        Answer("2");
    }
    EXPECT_GT(Label("LT2")->width(), ticketTitle.width()) << "the last ticket's longer title";
    Next();
    EXPECT_EQ(LT2(), QStringLiteral("РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ"));
    EXPECT_TRUE(sizedToText("LT2", lt2Layout)) << Label("LT2")->geometry();
    EXPECT_EQ(Label("LT3")->geometry(), lt3Layout);
}

TEST_F(TWindowLook, TabCyclesThroughPanelThenTextArea) {
    OpenTicketOne();
    ASSERT_TRUE(B1()->isVisible() && B2()->isVisible() && ET()->isVisible());
    const QList<QWidget*> cycle = {B2(), B1(), ET(), MT(), B2()};
    B2()->setFocus();
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), cycle[i]) << "Tab number " << i;
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), cycle[i]) << "Shift+Tab back to " << i;
    }
    EXPECT_EQ(State.CurrentTicket, 1) << "moving the focus pressed nothing";
}

// Enter held down in the answer box repeats: the first press shows Next and gives it the focus,
// the repeats must not press it.
TEST_F(TWindowLook, HeldEnterDoesNotPressNext) {
    Open();
    Next();
    QTest::keyClicks(ET(), QStringLiteral("3"));
    QTest::keyClick(ET(), Qt::Key_Return);
    ASSERT_TRUE(B1()->hasFocus());
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                         true);
        QApplication::sendEvent(B1(), &repeat);
    }
    EXPECT_EQ(State.CurrentTicket, 1);
    QTest::keyClick(B1(), Qt::Key_Return);
    EXPECT_EQ(State.CurrentTicket, 2) << "a fresh press does";
}

// Composed input (an input method) would reach the box without the key filter.
TEST_F(TWindowLook, InputMethodsAreOffInTheAnswerBox) {
    Open();
    Next();
    ASSERT_EQ(QGuiApplication::focusObject(), ET());
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(QGuiApplication::focusObject(), &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
    QInputMethodQueryEvent both(Qt::ImEnabled | Qt::ImFont);
    QApplication::sendEvent(ET(), &both);
    EXPECT_FALSE(both.value(Qt::ImEnabled).toBool());
    EXPECT_EQ(both.value(Qt::ImFont).value<QFont>(), ET()->font()) << "other queries answered";

    QInputMethodEvent composed(QString(), {});
    composed.setCommitString(QStringLiteral("7"));
    QApplication::sendEvent(ET(), &composed);
    EXPECT_EQ(ET()->text(), QString()) << "composed text does not reach the box";
}

// Until the window is first activated the exam has not begun: a press of Next or a key in the
// answer box (from a script, or a click that beats the activation) changes nothing.
TEST_F(TWindowLook, NothingHappensBeforeTheFirstActivation) {
    B1()->click();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    QApplication::sendEvent(ET(), &key);
    EXPECT_EQ(State.CurrentTicket, 0);
    EXPECT_EQ(ET()->text(), QString());
    EXPECT_TRUE(MT()->toPlainText().isEmpty());
    EXPECT_EQ(Window->size(), QSize(443, 299)) << "not laid out";

    Open();
    EXPECT_EQ(MT()->document()->blockCount(), 12) << "the title screen";
    Next();
    EXPECT_EQ(State.CurrentTicket, 1);
}

// A close request from the platform (a window manager's close command) on the title screen and
// on ticket 15, where End is hidden: the window closes at once, which ends the program's event
// loop, and nothing else happens to the exam.
TEST_F(TWindowLook, PlatformCloseRequestClosesAtOnce) {
    for (const int ticket : {0, 15}) {
        SCOPED_TRACE(ticket);
        State = TExamState{};
        Window = std::make_unique<TFT>(Profile, State, Random, [] {
            return TUtcTimeOfDay{0, 0, 0, 0};
        });
        Open();
        while (State.CurrentTicket < ticket) {
            Next();
            Answer("2");
        }
        EXPECT_EQ(B2()->isVisible(), ticket != 15);
        const TExamState before = State;
        const QString text = MT()->toPlainText();

        QCloseEvent request;
        request.setAccepted(false);
        QApplication::sendEvent(Window->windowHandle(), &request);
        EXPECT_TRUE(request.isAccepted());
        EXPECT_FALSE(Window->isVisible());
        EXPECT_TRUE(Window->testAttribute(Qt::WA_QuitOnClose)) << "the program's event loop ends";
        EXPECT_EQ(State.CurrentTicket, before.CurrentTicket);
        EXPECT_EQ(State.Tickets[ticket].GivenAnswer, before.Tickets[ticket].GivenAnswer);
        EXPECT_EQ(MT()->toPlainText(), text);
    }
}

}  // namespace
}  // namespace exam
