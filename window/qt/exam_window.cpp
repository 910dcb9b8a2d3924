#include "window/qt/exam_window.h"

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

#include "window/flow/form_layout.h"
#include "window/qt/qt_text.h"

namespace exam {

namespace {

// Fonts are given as character heights in pixels; Qt scales them on high-density screens.
QFont PixelFont(const TFont& look) {
    QFont font(FromCp1251(look.Family));
    font.setPixelSize(look.Pixels);
    font.setBold(look.Bold);
    font.setUnderline(look.Underline);
    return font;
}

void Paint(QWidget* widget, QPalette::ColorRole role, const TColour& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, QColor(colour.Red, colour.Green, colour.Blue));
    widget->setPalette(palette);
}

QFrame::Shadow Shadow(EEdge edge) {
    return edge == EEdge::Raised ? QFrame::Raised : QFrame::Sunken;
}

QWidget* MakeLabel(const TElementLook& look, QWidget* parent) {
    auto* label = new QLabel(FromCp1251(look.Text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // text starts at the label's corner
    return label;
}

QWidget* MakePanel(const TElementLook& look, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(look.Edge == EEdge::None ? QFrame::NoFrame
                                                  : QFrame::Panel | Shadow(look.Edge));
    return panel;
}

QWidget* MakeButton(const TElementLook& look, QWidget* parent) {
    auto* button = new QPushButton(FromCp1251(look.Text), parent);
    button->setAutoDefault(false);  // Enter presses a button only while it has the focus
    button->setDefault(false);
    return button;
}

QWidget* MakeAnswerBox(const TElementLook&, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    // Composed input would bypass the key filter; answers are digits anyway. The line edit
    // answers the input method's ImEnabled query itself, so the attribute alone does not turn
    // input methods off: the key filter answers that query too (FilterAnswerKey).
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    return box;
}

QWidget* MakeTextArea(const TElementLook& look, QWidget* parent) {
    auto* area = new QPlainTextEdit(parent);
    area->setReadOnly(true);
    // A screen reader's user walks the question text with the keyboard caret.
    area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    if (look.Edge == EEdge::None) {
        area->setFrameShape(QFrame::NoFrame);
    } else {
        area->setFrameShadow(Shadow(look.Edge));
    }
    return area;
}

QWidget* MakeOfKind(const TElementLook& look, QWidget* parent) {
    switch (look.Kind) {
        case EKind::Label:
            return MakeLabel(look, parent);
        case EKind::Panel:
            return MakePanel(look, parent);
        case EKind::Button:
            return MakeButton(look, parent);
        case EKind::AnswerBox:
            return MakeAnswerBox(look, parent);
        case EKind::TextArea:
            return MakeTextArea(look, parent);
    }
    return nullptr;
}

}  // namespace

TExamWindow::TExamWindow(const TExamProfile& profile, TExamState& state, TRandom& random,
                         TUtcClock clock)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint),
      Flow(profile, state, random, *this, std::move(clock)) {
    const TWindowLook& look = WindowLook();
    setObjectName(QStringLiteral("ExamWindow"));
    setAutoFillBackground(true);
    Paint(this, QPalette::Window, look.Background);
    setFont(PixelFont(look.Font));
    // Design size, fixed and centred on the screen; the layout replaces both at activation.
    setFixedSize(look.DesignWidth, look.DesignHeight);
    move(screen()->geometry().center() - rect().center());
    CreateControls();
    ConnectEvents();
}

void TExamWindow::CreateControls() {
    QWidget* previousTabStop = nullptr;
    for (const TElementLook& look : FormElements()) {
        QWidget* control = CreateControl(look);
        Controls[IndexOf(look.Element)] = control;
        if (look.TabStop) {
            // The form's order is the tab order: the panel's buttons and box, then the text.
            if (previousTabStop != nullptr) {
                setTabOrder(previousTabStop, control);
            }
            previousTabStop = control;
        }
    }
}

QWidget* TExamWindow::CreateControl(const TElementLook& look) {
    QWidget* control = MakeOfKind(look, look.InPanel ? Control(EElement::Panel) : this);
    control->setObjectName(FromCp1251(look.Name));
    control->setFont(PixelFont(look.Font));
    const TRect& r = look.Design;
    control->setGeometry(r.Left, r.Top, r.Width, r.Height);
    if (look.Ink) {
        Paint(control, QPalette::WindowText, *look.Ink);
    }
    if (look.Background) {
        const bool editable = look.Kind == EKind::TextArea || look.Kind == EKind::AnswerBox;
        if (!editable) {
            control->setAutoFillBackground(true);
        }
        Paint(control, editable ? QPalette::Base : QPalette::Window, *look.Background);
    }
    if (!look.AccessibleName.empty()) {
        control->setAccessibleName(FromCp1251(look.AccessibleName));
    }
    return control;
}

void TExamWindow::ConnectEvents() {
    auto* next = static_cast<QPushButton*>(Control(EElement::NextButton));
    auto* end = static_cast<QPushButton*>(Control(EElement::EndButton));
    connect(next, &QPushButton::clicked, this, [this] { Flow.OnNext(); });
    connect(end, &QPushButton::clicked, this, [this] { Flow.OnEnd(); });
    Control(EElement::AnswerBox)->installEventFilter(this);
    next->installEventFilter(this);
    end->installEventFilter(this);
}

bool TExamWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Flow.OnFirstActivation();  // the flow starts the exam on the first activation only
    }
    return QWidget::event(event);
}

bool TExamWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Control(EElement::AnswerBox)) {
        return FilterAnswerKey(event);
    }
    if (watched == Control(EElement::NextButton) || watched == Control(EElement::EndButton)) {
        return PressFocusedButtonOnEnter(static_cast<QPushButton*>(watched), event);
    }
    return QWidget::eventFilter(watched, event);
}

bool TExamWindow::FilterAnswerKey(QEvent* event) {
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
    return !Flow.OnAnswerKey(*character);
}

bool TExamWindow::DenyInputMethod(QInputMethodQueryEvent& query) const {
    const Qt::InputMethodQueries queries = query.queries();
    if (!(queries & Qt::ImEnabled)) {
        return false;
    }
    for (unsigned bit = 1; bit != 0; bit <<= 1) {
        if (queries & bit) {
            const auto property = static_cast<Qt::InputMethodQuery>(bit);
            query.setValue(property,
                           property == Qt::ImEnabled
                               ? QVariant(false)
                               : Control(EElement::AnswerBox)->inputMethodQuery(property));
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

bool TExamWindow::PressFocusedButtonOnEnter(QPushButton* button, QEvent* event) {
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

void TExamWindow::LayOut() {
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

    // The whole screen, panels and docks included, as the window stays on top of them.
    const QRect screenArea = screen()->geometry();
    const QRect bounds =
        fromDevice(WindowBounds(toDevice(screenArea.width()), toDevice(screenArea.height())));
    // The bounds are the outer size; the frame and caption take their share of it.
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(bounds.size() - frame);
    move(screenArea.topLeft() + bounds.topLeft());

    QWidget* panel = Control(EElement::Panel);
    const int panelHeight = qRound(PanelHeight(toDevice(height())) / ratio);
    panel->setGeometry(0, height() - panelHeight, width(), panelHeight);
    for (const TPlacement& p : ClientPlacements(toDevice(width()), toDevice(height()))) {
        Control(p.Element)->setGeometry(fromDevice(p.Bounds));
    }
    for (const TPlacement& p :
         PanelPlacements(toDevice(panel->width()), toDevice(panel->height()))) {
        Control(p.Element)->setGeometry(fromDevice(p.Bounds));
    }
}

void TExamWindow::SetCaption(std::string_view caption) {
    setWindowTitle(FromCp1251(caption));
}

void TExamWindow::SetLabelText(EElement label, std::string_view text) {
    auto* target = static_cast<QLabel*>(Control(label));
    target->setText(FromCp1251(text));
    target->adjustSize();  // the label takes its text's size where the layout put it
    if (label == EElement::TitleLabel) {
        // A screen reader names the ticket along with the answer box it lands in.
        Control(EElement::AnswerBox)->setAccessibleDescription(target->text());
    }
}

void TExamWindow::SetVisible(EElement element, bool visible) {
    Control(element)->setVisible(visible);
}

void TExamWindow::SetFocus(EElement element) {
    Control(element)->setFocus();
}

void TExamWindow::ClearText() {
    static_cast<QPlainTextEdit*>(Control(EElement::TextArea))->clear();
    LinesInText = 0;
}

void TExamWindow::AppendLine(std::string_view line) {
    // appendPlainText would drop empty lines at the top of an empty area; the title starts
    // with two of them.
    QTextCursor cursor(static_cast<QPlainTextEdit*>(Control(EElement::TextArea))->document());
    cursor.movePosition(QTextCursor::End);
    if (LinesInText++ > 0) {
        cursor.insertBlock();
    }
    cursor.insertText(FromCp1251(line));
}

std::string TExamWindow::AnswerText() const {
    return ToCp1251(static_cast<QLineEdit*>(Control(EElement::AnswerBox))->text());
}

void TExamWindow::SetAnswerText(std::string_view text) {
    static_cast<QLineEdit*>(Control(EElement::AnswerBox))->setText(FromCp1251(text));
}

void TExamWindow::Close() {
    close();
}

}  // namespace exam
