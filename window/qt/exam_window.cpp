#include "exam_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

#include <optional>

#include "form_layout.h"
#include "qt_text.h"

namespace exam {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// Fonts are given as character heights in pixels; Qt scales them on high-density screens.
QFont PixelFont(const char* family, int pixels, bool boldUnderlined = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(boldUnderlined);
    font.setUnderline(boldUnderlined);
    return font;
}

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // text starts at the label's corner
    Paint(label, QPalette::WindowText, colour);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(PixelFont("Arial", 13));
    button->setAutoDefault(false);  // Enter presses a button only while it has the focus
    button->setDefault(false);
    button->setAccessibleName(text);
    return button;
}

}  // namespace

TFT::TFT(const TExamProfile& profile, TExamState& state, TRandom& random, TUtcClock clock)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint),
      Flow(profile, state, random, *this, std::move(clock)) {
    setObjectName(QStringLiteral("FT"));
    setAutoFillBackground(true);
    Paint(this, QPalette::Window, kSilver);
    setFont(PixelFont("Times New Roman", 19));
    // Design size, fixed and centred on the screen; the layout replaces both at activation.
    setFixedSize(443, 299);
    move(screen()->geometry().center() - rect().center());

    LT2 = MakeLabel(this, "LT2", PixelFont("Arial", 16, true), kBlue);
    LT2->setGeometry(112, 0, 4, 19);

    PT = new QFrame(this);
    PT->setObjectName(QStringLiteral("PT"));
    PT->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PT->setAutoFillBackground(true);
    Paint(PT, QPalette::Window, kSilver);
    PT->setGeometry(0, height() - 50, width(), 50);

    LT1 = MakeLabel(PT, "LT1", PixelFont("Arial", 16, true), kRed);
    LT1->setGeometry(16, 8, 4, 19);

    LT3 = MakeLabel(PT, "LT3", PixelFont("Times New Roman", 11), kBlue);
    LT3->setText(QStringLiteral("ВЕЛТ-2005"));
    LT3->setGeometry(8, 32, 58, 14);

    B2 = MakeButton(PT, "B2", QStringLiteral("Конец"));
    B2->setGeometry(344, 8, 75, 25);
    B1 = MakeButton(PT, "B1", QStringLiteral("Дальше"));
    B1->setGeometry(264, 8, 75, 25);

    ET = new QLineEdit(PT);
    ET->setObjectName(QStringLiteral("ET"));
    ET->setGeometry(176, 8, 81, 29);
    ET->setAccessibleName(QStringLiteral("Номер выбранного варианта ответа"));
    // Composed input would bypass the key filter; answers are digits anyway. The line edit
    // answers the input method's ImEnabled query itself, so the attribute alone does not turn
    // input methods off: the key filter answers that query too (FilterAnswerKey).
    ET->setAttribute(Qt::WA_InputMethodEnabled, false);

    MT = new QPlainTextEdit(this);
    MT->setObjectName(QStringLiteral("MT"));
    MT->setGeometry(0, 0, 427, 232);
    MakeTextAreaReadOnly();
    MT->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MT->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Paint(MT, QPalette::Base, kWhite);
    MT->setAccessibleName(QStringLiteral("Текст экзамена"));

    // The panel (End, Next, the answer box) comes before the text area in tab order.
    setTabOrder(B2, B1);
    setTabOrder(B1, ET);
    setTabOrder(ET, MT);

    connect(B1, &QPushButton::clicked, this, [this] { B1Click(); });
    connect(B2, &QPushButton::clicked, this, [this] { B2Click(); });
    ET->installEventFilter(this);
    B1->installEventFilter(this);
    B2->installEventFilter(this);
}

bool TFT::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();  // the flow starts the exam on the first activation only
    }
    return QWidget::event(event);
}

bool TFT::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ET) {
        return FilterAnswerKey(event);
    }
    if (watched == B1 || watched == B2) {
        return PressFocusedButtonOnEnter(static_cast<QPushButton*>(watched), event);
    }
    return QWidget::eventFilter(watched, event);
}

bool TFT::FilterAnswerKey(QEvent* event) {
    if (event->type() == QEvent::InputMethodQuery) {
        return DenyInputMethod(*static_cast<QInputMethodQueryEvent*>(event));
    }
    if (event->type() == QEvent::InputMethod) {
        return true;  // composed text, should an input method send any all the same
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const std::optional<char> character = TypedCharacter(*static_cast<QKeyEvent*>(event));
    if (!character) {
        return false;  // Delete, arrows, Home, End, Shift+Insert, Tab: edit the box unchecked
    }
    return !Flow.ETKeyPress(*character);
}

bool TFT::DenyInputMethod(QInputMethodQueryEvent& query) const {
    const Qt::InputMethodQueries queries = query.queries();
    if (!(queries & Qt::ImEnabled)) {
        return false;
    }
    for (unsigned bit = 1; bit != 0; bit <<= 1) {
        if (queries & bit) {
            const auto property = static_cast<Qt::InputMethodQuery>(bit);
            query.setValue(property, property == Qt::ImEnabled ? QVariant(false)
                                                               : ET->inputMethodQuery(property));
        }
    }
    return true;
}

std::optional<char> TypedCharacter(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    const int code = key.key();
    // With Ctrl held, keys give their control characters: Ctrl+V is 22, Ctrl+Enter a line feed,
    // Ctrl+Backspace DEL, Ctrl+[ Escape.
    if (control) {
        if (code >= Qt::Key_A && code <= Qt::Key_Z) {
            return static_cast<char>(code - Qt::Key_A + 1);
        }
        switch (code) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return '\n';
            case Qt::Key_Backspace:
                return '\x7F';
            case Qt::Key_BracketLeft:
                return '\x1B';
            default:
                return std::nullopt;
        }
    }
    switch (code) {
        case Qt::Key_Backspace:
            return '\b';
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return '\r';
        case Qt::Key_Escape:
            return '\x1B';
        default:
            break;
    }
    const QString text = key.text();
    if (text.isEmpty() || (!text.at(0).isPrint() && !text.at(0).isSurrogate())) {
        return std::nullopt;
    }
    // One Windows-1251 character, or '?' for anything else (which no answer accepts).
    const std::string bytes = ToCp1251(text);
    return bytes.size() == 1 ? bytes.front() : '?';
}

bool TFT::PressFocusedButtonOnEnter(QPushButton* button, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || !button->hasFocus()) {
        return false;
    }
    // A held Enter must not run on from the answer box through Next.
    if (!key->isAutoRepeat()) {
        button->click();
    }
    return true;
}

void TFT::LayoutForm() {
    // The layout's arithmetic is in the screen's device pixels; Qt places widgets in
    // device-independent pixels, the device pixels divided by the screen's ratio (1.5 at 144 dpi,
    // 2 at 192 dpi). Each bound is computed from device sizes and only then divided, so that on a
    // fractional ratio no bound lands more than one device pixel from where the arithmetic puts
    // it; computing from the divided sizes could leave it two off.
    const qreal ratio = screen()->devicePixelRatio();
    const auto toDevice = [ratio](int length) { return qRound(length * ratio); };
    const auto fromDevice = [ratio](const TRect& r) {
        return QRect(qRound(r.Left / ratio), qRound(r.Top / ratio), qRound(r.Width / ratio),
                     qRound(r.Height / ratio));
    };
    const auto place = [&](QWidget* widget, const TRect& r) { widget->setGeometry(fromDevice(r)); };

    // The whole screen, panels and docks included, as the window stays on top of them.
    const QRect screenArea = screen()->geometry();
    const QRect bounds =
        fromDevice(WindowBounds(toDevice(screenArea.width()), toDevice(screenArea.height())));
    // The bounds are the outer size; the frame and caption take their share of it.
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(bounds.size() - frame);
    move(screenArea.topLeft() + bounds.topLeft());

    const int cw = toDevice(width());
    const int ch = toDevice(height());
    const int panelHeight = qRound(PanelHeight(ch) / ratio);
    PT->setGeometry(0, height() - panelHeight, width(), panelHeight);
    const TClientControls client = ClientControls(cw, ch);
    place(LT2, client.LT2);
    place(MT, client.MT);
    place(LT3, client.LT3);
    const TPanelControls panel = PanelControls(toDevice(PT->width()), toDevice(PT->height()));
    place(LT1, panel.LT1);
    place(ET, panel.ET);
    place(B1, panel.B1);
    place(B2, panel.B2);
}

void TFT::SetCaption(std::string_view caption) {
    setWindowTitle(FromCp1251(caption));
}

void TFT::SetLabelText(ELabel label, std::string_view text) {
    QLabel* target = label == ELabel::LT1 ? LT1 : LT2;
    target->setText(FromCp1251(text));
    target->adjustSize();  // the label takes its text's size where the layout put it
    if (label == ELabel::LT2) {
        // A screen reader names the ticket along with the answer box it lands in.
        ET->setAccessibleDescription(target->text());
    }
}

void TFT::SetVisible(EControl control, bool visible) {
    QWidget* target = nullptr;
    switch (control) {
        case EControl::LT1:
            target = LT1;
            break;
        case EControl::LT2:
            target = LT2;
            break;
        case EControl::ET:
            target = ET;
            break;
        case EControl::B1:
            target = B1;
            break;
        case EControl::B2:
            target = B2;
            break;
    }
    target->setVisible(visible);
}

void TFT::SetFocus(EFocus control) {
    (control == EFocus::ET ? static_cast<QWidget*>(ET) : B1)->setFocus();
}

void TFT::MakeTextAreaReadOnly() {
    MT->setReadOnly(true);
    // A screen reader's user walks the question text with the keyboard caret.
    MT->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TFT::ClearTextArea() {
    MT->clear();
    LinesInMT = 0;
}

void TFT::AppendLine(std::string_view line) {
    // appendPlainText would drop empty lines at the top of an empty area; the title starts
    // with two of them.
    QTextCursor cursor(MT->document());
    cursor.movePosition(QTextCursor::End);
    if (LinesInMT++ > 0) {
        cursor.insertBlock();
    }
    cursor.insertText(FromCp1251(line));
}

std::string TFT::AnswerText() const {
    return ToCp1251(ET->text());
}

void TFT::SetAnswerText(std::string_view text) {
    ET->setText(FromCp1251(text));
}

void TFT::CloseWindow() {
    close();
}

}  // namespace exam
