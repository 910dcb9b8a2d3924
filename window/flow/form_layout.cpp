#include "window/flow/form_layout.h"

namespace exam {

namespace {

struct TWide {
    std::uint64_t High = 0;
    std::uint64_t Low = 0;
};

// The exact 128-bit product of two 64-bit numbers.
TWide Multiply(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highHigh = aHigh * bHigh;
    const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFFFFFFu) + (lowHigh & 0xFFFFFFFFu);
    return {highHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

int BitLength(std::uint64_t x) {
    int bits = 0;
    for (; x != 0; x >>= 1) {
        ++bits;
    }
    return bits;
}

// True when dropping the low `bits` bits of value (whose kept part is `kept`) rounds up:
// more than half, or exactly half with an odd kept part.
bool RoundsUp(std::uint64_t dropped, int bits, std::uint64_t kept) {
    const std::uint64_t half = std::uint64_t{1} << (bits - 1);
    return dropped > half || (dropped == half && (kept & 1) != 0);
}

}  // namespace

std::int32_t RoundProduct(std::int32_t size, TFactor factor) {
    if (size < 0) {
        return -RoundProduct(-size, factor);  // ties to even are symmetric
    }
    const TWide product = Multiply(static_cast<std::uint64_t>(size), factor.Significand);

    // Round the exact product to a 64-bit significand.
    const int length = product.High != 0 ? 64 + BitLength(product.High) : BitLength(product.Low);
    std::uint64_t significand = product.Low;
    std::int32_t exponent = factor.Exponent;
    if (length > 64) {
        const int shift = length - 64;  // 1..63, since size < 2^31
        const std::uint64_t dropped = product.Low & ((std::uint64_t{1} << shift) - 1);
        significand = (product.Low >> shift) | (product.High << (64 - shift));
        exponent += shift;
        if (RoundsUp(dropped, shift, significand) && ++significand == 0) {
            significand = std::uint64_t{1} << 63;  // carried out of 64 bits
            ++exponent;
        }
    }

    // Then to an integer, ties to even.
    if (exponent >= 0) {
        return static_cast<std::int32_t>(significand << exponent);
    }
    const int fraction = -exponent;
    if (fraction > 64) {
        return 0;  // below one half
    }
    if (fraction == 64) {
        return significand > (std::uint64_t{1} << 63) ? 1 : 0;
    }
    std::uint64_t whole = significand >> fraction;
    const std::uint64_t dropped = significand & ((std::uint64_t{1} << fraction) - 1);
    if (RoundsUp(dropped, fraction, whole)) {
        ++whole;
    }
    return static_cast<std::int32_t>(whole);
}

TRect WindowBounds(std::int32_t screenWidth, std::int32_t screenHeight) {
    using namespace factors;
    const std::int32_t height = RoundProduct(screenHeight, kWindow95Double);
    const std::int32_t width = RoundProduct(screenWidth, kWindow95Double);
    return {RoundProduct(width, kWindowOffset), RoundProduct(height, kWindowOffset), width, height};
}

std::int32_t PanelHeight(std::int32_t clientHeight) {
    return RoundProduct(clientHeight, factors::k0_12);
}

std::array<TPlacement, 3> ClientPlacements(std::int32_t cw, std::int32_t ch) {
    using namespace factors;
    return {{
        {EElement::TitleLabel,
         {RoundProduct(cw, k0_3), RoundProduct(ch, k0_01), RoundProduct(cw, k0_5),
          RoundProduct(ch, k0_1)}},
        {EElement::TextArea,
         {RoundProduct(cw, k0_01), RoundProduct(ch, k0_1), RoundProduct(cw, k0_95),
          RoundProduct(ch, k0_75)}},
        {EElement::BrandLabel,
         {RoundProduct(cw, k0_05), RoundProduct(ch, k0_08), RoundProduct(cw, k0_15),
          RoundProduct(ch, k0_2)}},
    }};
}

std::array<TPlacement, 4> PanelPlacements(std::int32_t pw, std::int32_t ph) {
    using namespace factors;
    const std::int32_t top = RoundProduct(ph, k0_2);
    const std::int32_t height = RoundProduct(ph, k0_5);
    return {{
        {EElement::PromptLabel, {RoundProduct(pw, k0_05), top, RoundProduct(pw, k0_3), height}},
        {EElement::AnswerBox, {RoundProduct(pw, k0_4), top, RoundProduct(pw, k0_1), height}},
        {EElement::NextButton, {RoundProduct(pw, k0_6), top, RoundProduct(pw, k0_15), height}},
        {EElement::EndButton, {RoundProduct(pw, k0_8), top, RoundProduct(pw, k0_15), height}},
    }};
}

}  // namespace exam
