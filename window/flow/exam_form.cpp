#include "window/flow/exam_form.h"

#include "engine/cp1251.h"

namespace exam {

namespace {

constexpr TFont kWindowFont{"Times New Roman", EFontKind::Serif, 19};
constexpr TFont kTitleFont{"Arial", EFontKind::SansSerif, 16, true, true};
constexpr TFont kBrandFont{"Times New Roman", EFontKind::Serif, 11};
constexpr TFont kButtonFont{"Arial", EFontKind::SansSerif, 13};

constexpr TCp1251Literal kBrand = u8"ВЕЛТ-2005";
constexpr TCp1251Literal kEnd = u8"Конец";
constexpr TCp1251Literal kNext = u8"Дальше";
constexpr TCp1251Literal kAnswerBoxName = u8"Номер выбранного варианта ответа";
constexpr TCp1251Literal kTextAreaName = u8"Текст экзамена";

constexpr TWindowLook kWindow{443, 299, kSilver, kWindowFont, 50};

constexpr std::array<TElementLook, kElementCount> kElements = {{
    {.Element = EElement::TitleLabel,
     .Name = "TitleLabel",
     .Kind = EKind::Label,
     .Design = {112, 0, 4, 19},
     .Font = kTitleFont,
     .Ink = kBlue,
     .FitsText = true},
    {.Element = EElement::Panel,
     .Name = "Panel",
     .Kind = EKind::Panel,
     .Design = {0, kWindow.DesignHeight - kWindow.PanelDesignHeight, kWindow.DesignWidth,
                kWindow.PanelDesignHeight},
     .Font = kWindowFont,
     .Background = kSilver,
     .Edge = EEdge::Raised},
    {.Element = EElement::PromptLabel,
     .Name = "PromptLabel",
     .Kind = EKind::Label,
     .InPanel = true,
     .Design = {16, 8, 4, 19},
     .Font = kTitleFont,
     .Ink = kRed,
     .FitsText = true},
    {.Element = EElement::BrandLabel,
     .Name = "BrandLabel",
     .Kind = EKind::Label,
     .InPanel = true,
     .Design = {8, 32, 58, 14},
     .Font = kBrandFont,
     .Ink = kBlue,
     .Text = kBrand.View()},
    {.Element = EElement::EndButton,
     .Name = "EndButton",
     .Kind = EKind::Button,
     .InPanel = true,
     .Design = {344, 8, 75, 25},
     .Font = kButtonFont,
     .Text = kEnd.View(),
     .AccessibleName = kEnd.View(),
     .TabStop = true},
    {.Element = EElement::NextButton,
     .Name = "NextButton",
     .Kind = EKind::Button,
     .InPanel = true,
     .Design = {264, 8, 75, 25},
     .Font = kButtonFont,
     .Text = kNext.View(),
     .AccessibleName = kNext.View(),
     .TabStop = true},
    {.Element = EElement::AnswerBox,
     .Name = "AnswerBox",
     .Kind = EKind::AnswerBox,
     .InPanel = true,
     .Design = {176, 8, 81, 29},
     .Font = kWindowFont,
     .Edge = EEdge::Sunken,
     .AccessibleName = kAnswerBoxName.View(),
     .TabStop = true},
    {.Element = EElement::TextArea,
     .Name = "TextArea",
     .Kind = EKind::TextArea,
     .Design = {0, 0, 427, 232},
     .Font = kWindowFont,
     .Background = kWhite,
     .Edge = EEdge::Sunken,
     .AccessibleName = kTextAreaName.View(),
     .TabStop = true},
}};

// Each row sits at its element's index.
static_assert([] {
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        if (IndexOf(kElements[i].Element) != i) {
            return false;
        }
    }
    return true;
}());

}  // namespace

const TWindowLook& WindowLook() {
    return kWindow;
}

const std::array<TElementLook, kElementCount>& FormElements() {
    return kElements;
}

}  // namespace exam
