#pragma once

// The real exam window over the numbered bank, started at midnight, behind the platform's driver.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/cp1251.h"
#include "tests/window/conformance/window_driver.h"
#include "tests/window/flow/numbered_bank.h"

namespace exam {

inline void PrintTo(const TRect& r, std::ostream* out) {
    *out << r.Left << ", " << r.Top << ", " << r.Width << " x " << r.Height;
}
inline void PrintTo(const TColour& c, std::ostream* out) {
    *out << "RGB(" << int{c.Red} << ", " << int{c.Green} << ", " << int{c.Blue} << ")";
}
inline void PrintTo(EElement element, std::ostream* out) {
    *out << LookOf(element).Name;
}

class TWindowConformance : public ::testing::Test, protected TNumberedExam {
protected:
    TWindowConformance() { Reopen(); }

    // A new window over a new exam state.
    void Reopen() {
        Window.reset();
        State = TExamState{};
        Window = MakeWindowDriver(Profile, State, Random, [] { return TUtcTimeOfDay{0, 0, 0, 0}; });
    }

    void Open() {
        Window->Open();
        ASSERT_EQ(Window->Caption(), "СОСУДЫ  (ЭКЗАМЕН)") << "the exam has started";
    }
    void Answer(std::string_view keys) {
        Window->Type(keys);
        Window->Press(EKey::Enter);
    }
    // A ticket with its answer accepted: every element on show.
    void OpenTicketOne() {
        Open();
        Window->Click(EElement::NextButton);
        Answer("1");
    }

    // Which of title, prompt, answer box, Next, End and brand label are shown, and the focus.
    std::string Screen() const {
        using enum EElement;
        std::string s;
        for (const EElement e :
             {TitleLabel, PromptLabel, AnswerBox, NextButton, EndButton, BrandLabel}) {
            s += Window->IsVisible(e) ? '1' : '0';
        }
        const std::optional<EElement> focus = Window->Focus();
        return s + " " + (focus ? std::string(LookOf(*focus).Name) : "none");
    }

    std::unique_ptr<IWindowDriver> Window;
};

}  // namespace exam
