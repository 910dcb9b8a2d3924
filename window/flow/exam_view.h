#pragma once

// What the screen flow needs from a window. The real window implements it with a toolkit; tests
// implement it with a recording fake. Every text crossing this interface is Windows-1251.

#include <string>
#include <string_view>

namespace exam {

// The controls whose visibility the flow switches (the text area and LT3 are always shown).
enum class EControl { LT1, LT2, ET, B1, B2 };

// The two labels whose text the flow sets: LT1 the answer prompt, LT2 the screen title.
enum class ELabel { LT1, LT2 };

// The two controls that can receive the focus: the answer box and Next.
enum class EFocus { ET, B1 };

class IExamView {
public:
    virtual ~IExamView() = default;

    // Sizes the window to the screen and places every control; called once, before any text.
    virtual void LayoutForm() = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual void SetLabelText(ELabel label, std::string_view text) = 0;
    virtual void SetVisible(EControl control, bool visible) = 0;
    virtual void SetFocus(EFocus control) = 0;
    virtual void MakeTextAreaReadOnly() = 0;
    virtual void ClearTextArea() = 0;
    virtual void AppendLine(std::string_view line) = 0;
    virtual std::string AnswerText() const = 0;
    virtual void SetAnswerText(std::string_view text) = 0;
    virtual void CloseWindow() = 0;
};

}  // namespace exam
