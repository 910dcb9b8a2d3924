// The window conformance suite's driver for the Qt window: QTest's mouse and keys, read back
// through the widgets, their palettes and fonts, Qt's accessibility and the window as grabbed.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QWindow>

#include "tests/window/conformance/window_driver.h"
#include "window/qt/exam_window.h"

// The toolkit's platform interface, through which a platform reports a screen's new work area.
// Its header is not installed with the public ones; the tests call this one function of it.
class QWindowSystemInterface {
public:
    static void handleScreenGeometryChange(QScreen* screen, const QRect& newGeometry,
                                           const QRect& newAvailableGeometry);
};

namespace exam {
namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

TRect ToRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

TColour ToColour(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

class TQtWindowDriver final : public IWindowDriver {
public:
    TQtWindowDriver(const TExamProfile& profile, TExamState& state, TRandom& random,
                    TUtcClock clock)
        : Window(profile, state, random, std::move(clock)) {}
    ~TQtWindowDriver() override {
        if (Reserved) {
            QScreen* screen = QGuiApplication::primaryScreen();
            QWindowSystemInterface::handleScreenGeometryChange(screen, screen->geometry(),
                                                               screen->geometry());
            QCoreApplication::processEvents();
        }
    }

    void Open() override {
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    }
    void Reactivate() override {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&Window, &activate);
    }
    void Click(EElement button) override {
        auto* target = static_cast<QPushButton*>(Window.Control(button));
        if (Window.isVisible()) {
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            target->click();
        }
    }
    void Press(EKey key) override;
    void Type(std::string_view characters) override {
        QTest::keyClicks(Window.Control(EElement::AnswerBox),
                         QString::fromLatin1(characters.data(), characters.size()));
    }
    void GiveFocus(EElement element) override { Window.Control(element)->setFocus(); }
    void SetClipboard(std::string_view utf8) override {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), utf8.size()));
    }
    void RequestClose() override {
        QCloseEvent request;
        request.setAccepted(false);
        QApplication::sendEvent(Window.windowHandle(), &request);
        ASSERT_TRUE(request.isAccepted());
    }
    bool ReserveTaskbar(int height) override {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect whole = screen->geometry();
        QWindowSystemInterface::handleScreenGeometryChange(screen, whole,
                                                           whole.adjusted(0, 0, 0, -height));
        QCoreApplication::processEvents();
        Reserved = true;
        return screen->availableGeometry().height() == whole.height() - height;
    }

    bool IsOpen() const override { return Window.isVisible(); }
    bool EventLoopEnds() override { return Window.testAttribute(Qt::WA_QuitOnClose); }
    std::string Caption() const override { return Utf8(Window.windowTitle()); }
    std::string Text(EElement element) const override;
    std::vector<std::string> Lines() const override {
        std::vector<std::string> lines;
        const QTextDocument* text = Area()->document();
        for (QTextBlock b = text->firstBlock(); b.isValid(); b = b.next()) {
            lines.push_back(Utf8(b.text()));
        }
        return lines;
    }
    bool IsVisible(EElement element) const override { return Window.Control(element)->isVisible(); }
    std::optional<EElement> Focus() const override {
        for (const TElementLook& look : FormElements()) {
            if (Window.Control(look.Element)->hasFocus()) {
                return look.Element;
            }
        }
        return std::nullopt;
    }

    TRect Monitor() const override { return ToRect(Window.screen()->geometry()); }
    TRect WorkArea() const override { return ToRect(Window.screen()->availableGeometry()); }
    TRect OuterBounds() const override { return ToRect(Window.frameGeometry()); }
    TRect ClientArea() const override { return ToRect(Window.rect()); }
    TRect Bounds(EElement element) const override {
        return ToRect(Window.Control(element)->geometry());
    }
    TRect TextSize(EElement label) const override {
        const QSize size = Window.Control(label)->sizeHint();
        return {0, 0, size.width(), size.height()};
    }

    TFontSeen WindowFont() const override { return FontOf(Window); }
    TFontSeen Font(EElement element) const override { return FontOf(*Window.Control(element)); }
    TColour WindowBackground() const override {
        return ToColour(Window.palette().color(QPalette::Window));
    }
    std::optional<TColour> Ink(EElement element) const override;
    TColour Background(EElement element) const override {
        return ToColour(Window.Control(element)->palette().color(BackgroundRole(element)));
    }
    TDrawn Drawn(EElement element) override;
    bool HasSunkenBorder(EElement element) const override;
    std::string AccessibleName(EElement element) const override {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Window.Control(element));
        return a != nullptr ? Utf8(a->text(QAccessible::Name)) : std::string();
    }

private:
    QPlainTextEdit* Area() const {
        return static_cast<QPlainTextEdit*>(Window.Control(EElement::TextArea));
    }
    static TFontSeen FontOf(const QWidget& widget) {
        const QFontInfo font(widget.font());
        return {Utf8(widget.font().family()), font.pixelSize(), font.bold(), font.underline()};
    }
    static QPalette::ColorRole BackgroundRole(EElement element) {
        return element == EElement::TextArea || element == EElement::AnswerBox ? QPalette::Base
                                                                               : QPalette::Window;
    }

    TExamWindow Window;
    bool Reserved = false;
};

void TQtWindowDriver::Press(EKey key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    switch (key) {
        case EKey::Enter:
            return QTest::keyClick(focus, Qt::Key_Return);
        case EKey::HeldEnter: {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                             true);
            QApplication::sendEvent(focus, &repeat);
            return;
        }
        case EKey::Space:
            return QTest::keyClick(focus, Qt::Key_Space);
        case EKey::Tab:
            return QTest::keyClick(focus, Qt::Key_Tab);
        case EKey::ShiftTab:
            return QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
        case EKey::Home:
            return QTest::keyClick(focus, Qt::Key_Home);
        case EKey::Delete:
            return QTest::keyClick(focus, Qt::Key_Delete);
        case EKey::CtrlV:
            return QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
        case EKey::ShiftInsert:
            return QTest::keyClick(focus, Qt::Key_Insert, Qt::ShiftModifier);
    }
}

std::string TQtWindowDriver::Text(EElement element) const {
    const QWidget* control = Window.Control(element);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return Utf8(label->text());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        return Utf8(button->text());
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        return Utf8(box->text());
    }
    return Utf8(Area()->toPlainText());
}

std::optional<TColour> TQtWindowDriver::Ink(EElement element) const {
    const QWidget* control = Window.Control(element);
    QPalette::ColorRole role = QPalette::WindowText;
    if (qobject_cast<const QPushButton*>(control) != nullptr) {
        role = QPalette::ButtonText;
    } else if (element == EElement::AnswerBox || element == EElement::TextArea) {
        role = QPalette::Text;
    }
    const QColor ink = control->palette().color(role);
    if (ink == QApplication::palette(control).color(role)) {
        return std::nullopt;
    }
    return ToColour(ink);
}

TDrawn TQtWindowDriver::Drawn(EElement element) {
    const QImage image = Window.Control(element)->grab().toImage();
    TDrawn drawn{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn.Pixels.push_back(ToColour(image.pixelColor(x, y)));
        }
    }
    return drawn;
}

bool TQtWindowDriver::HasSunkenBorder(EElement element) const {
    const QWidget* control = Window.Control(element);
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        return box->hasFrame();
    }
    const auto* frame = qobject_cast<const QFrame*>(control);
    return frame != nullptr && frame->frameShape() != QFrame::NoFrame &&
           frame->frameShadow() == QFrame::Sunken;
}

}  // namespace

std::unique_ptr<IWindowDriver> MakeWindowDriver(const TExamProfile& profile, TExamState& state,
                                                TRandom& random, TUtcClock clock) {
    return std::make_unique<TQtWindowDriver>(profile, state, random, std::move(clock));
}

}  // namespace exam
