#pragma once

// The exam window's form: its design size, colours and fonts, and every element with its design
// rectangle, font, colours, fixed text, screen-reader name and place in the tab order. Both
// front ends build their controls from this table and hold no looks of their own. Design
// rectangles and font heights are pixels at 96 dpi; the layout (form_layout.h) replaces the
// rectangles at the first activation, so they show only until then.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace exam {

// The elements in creation order, which is also their stacking order and, among the tab stops,
// the tab order. The panel holds the prompt, the brand label, the buttons and the answer box;
// the window holds the others.
enum class EElement {
    TitleLabel,   // the screen's title: the ticket's number, or the results' heading
    Panel,        // the bar along the bottom edge
    PromptLabel,  // the answer prompt before the answer box
    BrandLabel,   // the small fixed text in the panel's corner
    EndButton,
    NextButton,
    AnswerBox,  // one line: the number of the chosen option
    TextArea,   // the title, a ticket's question or the results; read-only
};
inline constexpr std::size_t kElementCount = 8;

constexpr std::size_t IndexOf(EElement element) {
    return static_cast<std::size_t>(element);
}

enum class EKind { Label, Panel, Button, AnswerBox, TextArea };

enum class EEdge { None, Raised, Sunken };

struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TColour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TColour&, const TColour&) = default;
};

inline constexpr TColour kSilver{192, 192, 192};
inline constexpr TColour kWhite{255, 255, 255};
inline constexpr TColour kBlue{0, 0, 255};
inline constexpr TColour kRed{255, 0, 0};

// Where a family is missing, the front end asks for a metric-compatible face of the same kind.
enum class EFontKind { Serif, SansSerif };

struct TFont {
    std::string_view Family;  // ASCII
    EFontKind Kind = EFontKind::Serif;
    std::int32_t Pixels = 0;  // character height (the em, without internal leading)
    bool Bold = false;
    bool Underline = false;
    friend bool operator==(const TFont&, const TFont&) = default;
};

struct TElementLook {
    EElement Element = EElement::TitleLabel;
    std::string_view Name{};  // the element's name for tests and tools, ASCII
    EKind Kind = EKind::Label;
    bool InPanel = false;  // a child of the panel, else of the window
    TRect Design{};        // in the parent's client area; the panel keeps to the bottom edge
    TFont Font{};
    std::optional<TColour> Ink{};         // text colour; none: the system's
    std::optional<TColour> Background{};  // none: the parent's background shows through
    EEdge Edge = EEdge::None;
    std::string_view Text{};            // fixed text, Windows-1251; empty when the flow sets it
    std::string_view AccessibleName{};  // Windows-1251; empty: read out by its text
    bool TabStop = false;
    bool FitsText = false;  // a label that takes its text's size wherever the layout put it
};

struct TWindowLook {
    std::int32_t DesignWidth;  // client area until the first activation
    std::int32_t DesignHeight;
    TColour Background;
    TFont Font{};
    std::int32_t PanelDesignHeight;
};

// The window's own look.
const TWindowLook& WindowLook();

// Every element in creation order (the order of EElement).
const std::array<TElementLook, kElementCount>& FormElements();

inline const TElementLook& LookOf(EElement element) {
    return FormElements()[IndexOf(element)];
}

}  // namespace exam
