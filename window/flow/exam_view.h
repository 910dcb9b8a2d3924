#pragma once

// What the screen flow needs from the exam window. The real window implements it with a toolkit;
// tests implement it with a recording fake. Every text crossing this interface is Windows-1251.
//
// The window starts as the form describes it (exam_form.h): every element shown, the text area
// empty and read-only, the answer box empty. The flow makes every call from the window's own
// thread, inside one of its events, and never calls again after Close().

#include <string>
#include <string_view>

#include "window/flow/exam_form.h"

namespace exam {

class IExamView {
public:
    virtual ~IExamView() = default;

    // Sizes the window to the whole monitor it is on (taskbars included, as the window stays on
    // top of them) and places every element. Called once, at the first activation, before any
    // other call.
    virtual void LayOut() = 0;

    virtual void SetCaption(std::string_view caption) = 0;

    // label: TitleLabel or PromptLabel. The label takes the text's size, keeping the left and top
    // the layout gave it.
    virtual void SetLabelText(EElement label, std::string_view text) = 0;

    // element: TitleLabel, PromptLabel, AnswerBox, NextButton or EndButton (the panel, the brand
    // label and the text area are always shown). The flow never hides the element that has the
    // focus: it moves the focus first.
    virtual void SetVisible(EElement element, bool visible) = 0;

    // element: AnswerBox or NextButton, shown at the time of the call.
    virtual void SetFocus(EElement element) = 0;

    // The text area: emptied, or one line added at its end; the area shows its first line.
    virtual void ClearText() = 0;
    virtual void AppendLine(std::string_view line) = 0;

    // The answer box's text as the box holds it now. It is read back from the box, not kept by
    // the flow: pasting reaches the box without passing the key filter.
    virtual std::string AnswerText() const = 0;
    virtual void SetAnswerText(std::string_view text) = 0;

    // Closes the window, which ends the program's event loop.
    virtual void Close() = 0;
};

}  // namespace exam
