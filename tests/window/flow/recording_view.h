#pragma once

// A view that remembers what the flow made of it, for tests that drive the flow without a
// toolkit. Texts are kept in UTF-8 for readable expectations.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "window/flow/exam_flow.h"
#include "window/flow/exam_view.h"

namespace exam {

class TRecordingView : public IExamView {
public:
    void LayOut() override { Log.push_back("LayOut"); }
    void SetCaption(std::string_view caption) override {
        Caption = Cp1251ToUtf8(caption);
        Log.push_back("Caption");
    }
    void SetLabelText(EElement label, std::string_view text) override {
        Texts[IndexOf(label)] = Cp1251ToUtf8(text);
        Log.push_back(Name(label) + "=" + Cp1251ToUtf8(text));
    }
    void SetVisible(EElement element, bool visible) override {
        if (!visible && Focus == element) {
            Broken.push_back("hid the focused " + Name(element));
        }
        Visible[IndexOf(element)] = visible;
        Log.push_back((visible ? "Show " : "Hide ") + Name(element));
    }
    void SetFocus(EElement element) override {
        if (!IsVisible(element)) {
            Broken.push_back("focused the hidden " + Name(element));
        }
        Focus = element;
        Log.push_back("Focus " + Name(element));
    }
    void ClearText() override {
        Lines.clear();
        Log.push_back("Clear TextArea");
    }
    void AppendLine(std::string_view line) override {
        Lines.push_back(Cp1251ToUtf8(line));
        // Runs of appended lines are logged once, with their count.
        if (!Log.empty() && Log.back().starts_with("Append ")) {
            Log.back() = "Append " + std::to_string(std::stoi(Log.back().substr(7)) + 1);
        } else {
            Log.push_back("Append 1");
        }
    }
    std::string AnswerText() const override { return Answer; }
    void SetAnswerText(std::string_view text) override {
        Answer = text;
        Log.push_back("AnswerBox=" + Cp1251ToUtf8(text));
    }
    void Close() override {
        Closed = true;
        Log.push_back("Close");
    }

    static std::string Name(EElement element) { return std::string(LookOf(element).Name); }

    bool IsVisible(EElement element) const { return Visible[IndexOf(element)]; }
    const std::string& Text(EElement label) const { return Texts[IndexOf(label)]; }

    // Types one character into the answer box as the window does: the flow sees it first and,
    // when it passes, it takes effect at the end of the text.
    void Type(TExamFlow& flow, char key) {
        if (!flow.OnAnswerKey(key)) {
            return;
        }
        if (key == 8) {
            if (!Answer.empty()) {
                Answer.pop_back();
            }
        } else if (key != 13) {
            Answer += key;
        }
    }
    void Type(TExamFlow& flow, std::string_view keys) {
        for (const char key : keys) {
            Type(flow, key);
        }
    }

    std::vector<std::string> Log;  // every view operation, in order
    std::string Caption;
    std::array<std::string, kElementCount> Texts;
    std::array<bool, kElementCount> Visible = [] {
        std::array<bool, kElementCount> all{};
        all.fill(true);  // elements start visible
        return all;
    }();
    std::optional<EElement> Focus;    // none until the flow sets it
    std::vector<std::string> Broken;  // calls against the view's contract
    std::vector<std::string> Lines;
    std::string Answer;  // Windows-1251, like the real box's text
    bool Closed = false;
};

}  // namespace exam
