#pragma once

// A window without a toolkit for the flow fuzz target. It keeps what the flow sets, texts as the
// flow's Windows-1251 bytes, and edits its answer box the way a one-line edit box does: a cursor,
// characters inserted at it, Backspace and Delete on either side of it, and setting the text
// putting the cursor at the end.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "window/flow/exam_flow.h"
#include "window/flow/exam_view.h"

namespace exam::fuzz {

class TFuzzView : public IExamView {
public:
    void LayOut() override { ++Layouts; }
    void SetCaption(std::string_view caption) override { Caption = caption; }
    void SetLabelText(EElement label, std::string_view text) override {
        (label == EElement::PromptLabel ? Prompt : Title) = text;
    }
    void SetVisible(EElement element, bool visible) override {
        Visible[IndexOf(element)] = visible;
    }
    void SetFocus(EElement element) override { Focus = element; }
    void ClearText() override { Lines.clear(); }
    void AppendLine(std::string_view line) override { Lines.emplace_back(line); }
    std::string AnswerText() const override { return Answer; }
    void SetAnswerText(std::string_view text) override {
        Answer = text;
        Cursor = Answer.size();
    }
    void Close() override { Closed = true; }

    bool IsVisible(EElement element) const { return Visible[IndexOf(element)]; }

    // A key that produces a character: the flow sees it first and, when it lets it through, it
    // takes effect at the cursor. Returns what the flow answered.
    bool Type(TExamFlow& flow, char key) {
        if (!flow.OnAnswerKey(key)) {
            return false;
        }
        Cursor = std::min(Cursor, Answer.size());  // the flow may have emptied the box
        if (key == 8) {
            if (Cursor > 0) {
                Answer.erase(--Cursor, 1);
            }
        } else if (key != 13) {
            Answer.insert(Cursor++, 1, key);
        }
        return true;
    }

    // Editing that produces no character and so never reaches the flow.
    void Paste(std::string_view text) {
        Answer.insert(Cursor, text);
        Cursor += text.size();
    }
    void ReplaceAll(std::string_view text) { SetAnswerText(text); }
    void Delete() {
        if (Cursor < Answer.size()) {
            Answer.erase(Cursor, 1);
        }
    }
    void Left() { Cursor -= Cursor > 0 ? 1 : 0; }
    void Right() { Cursor += Cursor < Answer.size() ? 1 : 0; }
    void Home() { Cursor = 0; }
    void End() { Cursor = Answer.size(); }

    int Layouts = 0;
    std::string Caption;
    std::string Prompt;
    std::string Title;
    std::array<bool, kElementCount> Visible{true, true, true, true,
                                            true, true, true, true};  // elements start visible
    EElement Focus = EElement::AnswerBox;
    std::vector<std::string> Lines;
    std::string Answer;
    std::size_t Cursor = 0;
    bool Closed = false;
};

}  // namespace exam::fuzz
