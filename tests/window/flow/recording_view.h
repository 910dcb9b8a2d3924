#pragma once

// A view that remembers what the flow made of it, for tests that drive the flow without a
// toolkit. Texts are kept in UTF-8 for readable expectations.

#include <map>
#include <string>
#include <vector>

#include "cp1251.h"
#include "exam_flow.h"
#include "exam_view.h"

namespace exam {

class TRecordingView : public IExamView {
public:
    void LayoutForm() override { Log.push_back("LayoutForm"); }
    void SetCaption(std::string_view caption) override {
        Caption = Cp1251ToUtf8(caption);
        Log.push_back("Caption");
    }
    void SetLabelText(ELabel label, std::string_view text) override {
        (label == ELabel::LT1 ? LT1 : LT2) = Cp1251ToUtf8(text);
        Log.push_back(std::string(label == ELabel::LT1 ? "LT1=" : "LT2=") + Cp1251ToUtf8(text));
    }
    void SetVisible(EControl control, bool visible) override {
        Visible[control] = visible;
        Log.push_back((visible ? "Show " : "Hide ") + Name(control));
    }
    void SetFocus(EFocus control) override {
        Focus = control;
        Log.push_back(control == EFocus::ET ? "Focus ET" : "Focus B1");
    }
    void MakeTextAreaReadOnly() override {
        ReadOnly = true;
        Log.push_back("ReadOnly MT");
    }
    void ClearTextArea() override {
        Lines.clear();
        Log.push_back("Clear MT");
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
        Log.push_back("ET=" + Cp1251ToUtf8(text));
    }
    void CloseWindow() override {
        Closed = true;
        Log.push_back("Close");
    }

    static std::string Name(EControl control) {
        switch (control) {
            case EControl::LT1:
                return "LT1";
            case EControl::LT2:
                return "LT2";
            case EControl::ET:
                return "ET";
            case EControl::B1:
                return "B1";
            case EControl::B2:
                return "B2";
        }
        return "?";
    }

    bool IsVisible(EControl control) const {
        const auto it = Visible.find(control);
        return it == Visible.end() || it->second;  // controls start visible
    }

    // Types one character into the answer box as the window does: the flow sees it first and,
    // when it passes, it takes effect at the end of the text.
    void Type(TExamFlow& flow, char key) {
        if (!flow.ETKeyPress(key)) {
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
    std::string LT1;
    std::string LT2;
    std::map<EControl, bool> Visible;
    EFocus Focus = EFocus::ET;
    bool ReadOnly = false;
    std::vector<std::string> Lines;
    std::string Answer;  // Windows-1251, like the real box's text
    bool Closed = false;
};

}  // namespace exam
