#pragma once

// Where the window and its controls go: fixed fractions of the screen, of the window's client
// area and of the bottom panel. R(x) rounds to the nearest integer, ties to even, after the
// product of an integer size and the factor has been formed with a 64-bit significand (as in
// 80-bit extended arithmetic). The arithmetic is exact integer work, so every platform lays the
// window out alike, with or without an extended floating-point type.

#include <array>
#include <cstdint>

#include "window/flow/exam_form.h"

namespace exam {

// A factor as stored: Significand * 2^Exponent.
struct TFactor {
    std::uint64_t Significand = 0;
    std::int32_t Exponent = 0;
};

// R(size * factor).
std::int32_t RoundProduct(std::int32_t size, TFactor factor);

// The window's outer bounds (frame and caption included) on a screen of the given size.
TRect WindowBounds(std::int32_t screenWidth, std::int32_t screenHeight);

// The bottom panel's height for a client area of the given height (it spans the client width).
std::int32_t PanelHeight(std::int32_t clientHeight);

// An element's bounds in its parent's client area.
struct TPlacement {
    EElement Element;
    TRect Bounds;
};

// The elements placed from the window's client size: the title, the text area and the brand
// label (although the panel holds the brand label, its bounds come from the client size).
std::array<TPlacement, 3> ClientPlacements(std::int32_t clientWidth, std::int32_t clientHeight);

// The elements placed from the panel's actual size: prompt, answer box, Next and End.
std::array<TPlacement, 4> PanelPlacements(std::int32_t panelWidth, std::int32_t panelHeight);

namespace factors {
// The window's share of the screen, as a 64-bit double (slightly below 0.95).
inline constexpr TFactor kWindow95Double{0x1E666666666666u, -53};
// The window's offset, (1 - 0.95) * 0.2 stored as a double: 0.010000000000000009.
inline constexpr TFactor kWindowOffset{0x147AE147AE1480u, -59};
// Every other factor: the nearest 80-bit extended value to its decimal.
inline constexpr TFactor k0_01{0xA3D70A3D70A3D70Au, -70};
inline constexpr TFactor k0_05{0xCCCCCCCCCCCCCCCDu, -68};
inline constexpr TFactor k0_08{0xA3D70A3D70A3D70Au, -67};
inline constexpr TFactor k0_1{0xCCCCCCCCCCCCCCCDu, -67};
inline constexpr TFactor k0_12{0xF5C28F5C28F5C28Fu, -67};
inline constexpr TFactor k0_15{0x999999999999999Au, -66};
inline constexpr TFactor k0_2{0xCCCCCCCCCCCCCCCDu, -66};
inline constexpr TFactor k0_3{0x999999999999999Au, -65};
inline constexpr TFactor k0_4{0xCCCCCCCCCCCCCCCDu, -65};
inline constexpr TFactor k0_5{0x8000000000000000u, -64};
inline constexpr TFactor k0_6{0x999999999999999Au, -64};
inline constexpr TFactor k0_75{0xC000000000000000u, -64};
inline constexpr TFactor k0_8{0xCCCCCCCCCCCCCCCDu, -64};
inline constexpr TFactor k0_95{0xF333333333333333u, -64};
}  // namespace factors

}  // namespace exam
