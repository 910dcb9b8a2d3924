// The window's look on every platform: fonts, colours (as asked for and as drawn), fixed texts,
// screen-reader names, the tab order and the edges.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/window/conformance/window_fixture.h"

namespace exam {
namespace {

using enum EElement;

constexpr TColour kSilverColour{192, 192, 192};
constexpr TColour kWhiteColour{255, 255, 255};
constexpr TColour kBlueColour{0, 0, 255};
constexpr TColour kRedColour{255, 0, 0};

// The expected look of every element that shows text.
struct TExpectedLook {
    EElement Element;
    const char* Family;
    int Pixels;
    bool BoldUnderlined;
    std::optional<TColour> Ink;
    std::optional<TColour> Background;
};
const TExpectedLook kLooks[] = {
    {TitleLabel, "Arial", 16, true, kBlueColour, kSilverColour},
    {PromptLabel, "Arial", 16, true, kRedColour, kSilverColour},
    {BrandLabel, "Times New Roman", 11, false, kBlueColour, kSilverColour},
    {EndButton, "Arial", 13, false, std::nullopt, std::nullopt},
    {NextButton, "Arial", 13, false, std::nullopt, std::nullopt},
    {AnswerBox, "Times New Roman", 19, false, std::nullopt, std::nullopt},
    {TextArea, "Times New Roman", 19, false, std::nullopt, kWhiteColour},
};

int Lightness(const TColour& c) {
    return (std::max({c.Red, c.Green, c.Blue}) + std::min({c.Red, c.Green, c.Blue})) / 2;
}

// The colour of the most saturated pixel: the text's colour, however thin its strokes
// (anti-aliasing blends it with the background, which keeps the hue's dominant channel).
std::optional<TColour> InkOf(const TDrawn& drawn) {
    std::optional<TColour> ink;
    int best = 64;
    for (const TColour& c : drawn.Pixels) {
        const int saturation =
            std::max({c.Red, c.Green, c.Blue}) - std::min({c.Red, c.Green, c.Blue});
        if (saturation > best) {
            best = saturation;
            ink = c;
        }
    }
    return ink;
}

bool SameHue(const TColour& a, const TColour& b) {
    const auto dominant = [](const TColour& c) {
        return c.Red >= c.Green && c.Red >= c.Blue ? 0 : c.Green >= c.Blue ? 1 : 2;
    };
    return dominant(a) == dominant(b);
}

double ShareOf(const TDrawn& drawn, const TColour& colour) {
    const auto n = std::count(drawn.Pixels.begin(), drawn.Pixels.end(), colour);
    return drawn.Pixels.empty() ? 0 : static_cast<double>(n) / drawn.Pixels.size();
}

TEST_F(TWindowConformance, FontsAndColoursAsAskedFor) {
    OpenTicketOne();
    const TFontSeen window = Window->WindowFont();
    EXPECT_EQ(window.Family, "Times New Roman");
    EXPECT_EQ(window.Pixels, 19);
    EXPECT_EQ(Window->WindowBackground(), kSilverColour);
    EXPECT_EQ(Window->Background(Panel), kSilverColour);
    for (const TExpectedLook& look : kLooks) {
        SCOPED_TRACE(LookOf(look.Element).Name);
        const TFontSeen font = Window->Font(look.Element);
        EXPECT_EQ(font.Family, look.Family);
        EXPECT_EQ(font.Pixels, look.Pixels) << "the character height";
        EXPECT_EQ(font.Bold, look.BoldUnderlined);
        EXPECT_EQ(font.Underline, look.BoldUnderlined);
        EXPECT_EQ(Window->Ink(look.Element), look.Ink);
        if (look.Background) {
            EXPECT_EQ(Window->Background(look.Element), *look.Background);
        }
    }
}

TEST_F(TWindowConformance, ColoursAsDrawn) {
    OpenTicketOne();
    for (const EElement label : {TitleLabel, PromptLabel, BrandLabel}) {
        SCOPED_TRACE(LookOf(label).Name);
        const std::optional<TColour> ink = InkOf(Window->Drawn(label));
        ASSERT_TRUE(ink.has_value()) << "no coloured text drawn";
        EXPECT_TRUE(SameHue(*ink, *Window->Ink(label))) << ::testing::PrintToString(*ink);
    }
    EXPECT_GT(ShareOf(Window->Drawn(TextArea), kWhiteColour), 0.5);
    EXPECT_GT(ShareOf(Window->Drawn(Panel), kSilverColour), 0.3);
}

TEST_F(TWindowConformance, PanelHasARaisedEdge) {
    OpenTicketOne();
    // Raised: lit along the top and left, shaded along the bottom and right.
    const TDrawn panel = Window->Drawn(Panel);
    ASSERT_GT(panel.Width, 10);
    const int x = panel.Width / 3;
    const int y = panel.Height * 3 / 4;
    const int silver = Lightness(kSilverColour);
    EXPECT_GT(Lightness(panel.At(x, 0)), silver) << "top edge";
    EXPECT_GT(Lightness(panel.At(0, y)), silver) << "left edge";
    EXPECT_LT(Lightness(panel.At(x, panel.Height - 1)), silver) << "bottom edge";
    EXPECT_LT(Lightness(panel.At(panel.Width - 1, y)), silver) << "right edge";
    EXPECT_FALSE(Window->HasSunkenBorder(Panel));
}

TEST_F(TWindowConformance, EditBoxesHaveASunkenBorder) {
    EXPECT_TRUE(Window->HasSunkenBorder(TextArea));
    EXPECT_TRUE(Window->HasSunkenBorder(AnswerBox));
}

TEST_F(TWindowConformance, FixedTextsAndScreenReaderNames) {
    Open();
    EXPECT_EQ(Window->Text(BrandLabel), "ВЕЛТ-2005");
    EXPECT_EQ(Window->Text(NextButton), "Дальше");
    EXPECT_EQ(Window->Text(EndButton), "Конец");
    Window->Click(NextButton);
    EXPECT_EQ(Window->AccessibleName(TitleLabel), "БИЛЕТ    1") << "a label is read by its text";
    EXPECT_EQ(Window->AccessibleName(PromptLabel), "ВАРИАНТ ОТВЕТА: ");
    EXPECT_EQ(Window->AccessibleName(NextButton), "Дальше");
    EXPECT_EQ(Window->AccessibleName(EndButton), "Конец");
    EXPECT_EQ(Window->AccessibleName(AnswerBox), "Номер выбранного варианта ответа");
    EXPECT_EQ(Window->AccessibleName(TextArea), "Текст экзамена");
}

TEST_F(TWindowConformance, TabCyclesThroughThePanelThenTheTextArea) {
    OpenTicketOne();
    const EElement cycle[] = {EndButton, NextButton, AnswerBox, TextArea, EndButton};
    Window->GiveFocus(EndButton);
    for (std::size_t i = 1; i < std::size(cycle); ++i) {
        Window->Press(EKey::Tab);
        EXPECT_EQ(Window->Focus(), cycle[i]) << "Tab number " << i;
    }
    for (std::size_t i = std::size(cycle) - 1; i-- > 0;) {
        Window->Press(EKey::ShiftTab);
        EXPECT_EQ(Window->Focus(), cycle[i]) << "Shift+Tab back to " << i;
    }
    EXPECT_EQ(State.CurrentTicket, 1) << "moving the focus pressed nothing";
}

TEST_F(TWindowConformance, TabSkipsTheHiddenAnswerBoxOnTheTitle) {
    Open();
    EXPECT_EQ(Window->Focus(), NextButton);
    Window->Press(EKey::Tab);
    EXPECT_EQ(Window->Focus(), TextArea);
    Window->Press(EKey::Tab);
    EXPECT_EQ(Window->Focus(), EndButton) << "Tab leaves the read-only text area";
}

}  // namespace
}  // namespace exam
