#pragma once

// TFT: the exam's one window, a thin adapter between Qt and the screen flow. It creates the
// controls with their fixed looks, lays them out at activation, forwards the four events to the
// flow and carries out the flow's view operations. The behaviour lives in the flow and engine.

#include <QWidget>

#include <optional>

#include "exam_flow.h"
#include "exam_view.h"

class QFrame;
class QInputMethodQueryEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace exam {

// The character a key press types into the answer box, as the flow sees it; none for keys that
// only edit or move (Delete, arrows, Home, End, Shift+Insert, Tab).
std::optional<char> TypedCharacter(const QKeyEvent& key);

class TFT final : public QWidget, public IExamView {
    Q_OBJECT

public:
    TFT(const TExamProfile& profile, TExamState& state, TRandom& random,
        TUtcClock clock = SystemUtcTimeOfDay);

    // IExamView
    void LayoutForm() override;
    void SetCaption(std::string_view caption) override;
    void SetLabelText(ELabel label, std::string_view text) override;
    void SetVisible(EControl control, bool visible) override;
    void SetFocus(EFocus control) override;
    void MakeTextAreaReadOnly() override;
    void ClearTextArea() override;
    void AppendLine(std::string_view line) override;
    std::string AnswerText() const override;
    void SetAnswerText(std::string_view text) override;
    void CloseWindow() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate() { Flow.FormActivate(); }
    void B1Click() { Flow.B1Click(); }
    void B2Click() { Flow.B2Click(); }
    bool FilterAnswerKey(QEvent* event);
    bool DenyInputMethod(QInputMethodQueryEvent& query) const;
    bool PressFocusedButtonOnEnter(QPushButton* button, QEvent* event);

    // Controls in creation order; the window owns them through Qt's parent links.
    QLabel* LT2;
    QFrame* PT;
    QLabel* LT1;
    QLabel* LT3;
    QPushButton* B2;
    QPushButton* B1;
    QLineEdit* ET;
    QPlainTextEdit* MT;
    int LinesInMT = 0;

    TExamFlow Flow;
};

}  // namespace exam
