#pragma once

// TExamWindow: the exam's one window on Qt, a thin adapter between the toolkit and the screen
// flow. It builds its controls from the form (exam_form.h), lays them out at the first
// activation, forwards the window's four events to the flow and carries out the flow's view
// calls. The behaviour lives in the flow and the engine.

#include <QWidget>

#include <array>
#include <optional>

#include "window/flow/exam_flow.h"
#include "window/flow/exam_view.h"

class QInputMethodQueryEvent;
class QKeyEvent;
class QPushButton;

namespace exam {

// The character a key press types into the answer box, as the flow sees it; none for keys that
// only edit or move (Delete, arrows, Home, End, Shift+Insert, Tab).
std::optional<char> TypedCharacter(const QKeyEvent& key);

class TExamWindow final : public QWidget, public IExamView {
    Q_OBJECT

public:
    TExamWindow(const TExamProfile& profile, TExamState& state, TRandom& random,
                TUtcClock clock = SystemUtcTimeOfDay);

    // The control that shows element; the window owns it through Qt's parent links.
    QWidget* Control(EElement element) const { return Controls[IndexOf(element)]; }

    // IExamView
    void LayOut() override;
    void SetCaption(std::string_view caption) override;
    void SetLabelText(EElement label, std::string_view text) override;
    void SetVisible(EElement element, bool visible) override;
    void SetFocus(EElement element) override;
    void ClearText() override;
    void AppendLine(std::string_view line) override;
    std::string AnswerText() const override;
    void SetAnswerText(std::string_view text) override;
    void Close() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateControl(const TElementLook& look);
    void ConnectEvents();
    bool FilterAnswerKey(QEvent* event);
    bool DenyInputMethod(QInputMethodQueryEvent& query) const;
    bool PressFocusedButtonOnEnter(QPushButton* button, QEvent* event);

    std::array<QWidget*, kElementCount> Controls{};
    int LinesInText = 0;

    TExamFlow Flow;
};

}  // namespace exam
