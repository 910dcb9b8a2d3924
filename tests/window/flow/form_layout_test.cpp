#include "window/flow/form_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace exam {
namespace {

using namespace factors;
using enum EElement;

// The bounds the layout gives element; an element it does not place fails the test.
template <std::size_t N>
TRect At(const std::array<TPlacement, N>& placements, EElement element) {
    for (const TPlacement& p : placements) {
        if (p.Element == element) {
            return p.Bounds;
        }
    }
    ADD_FAILURE() << "element " << IndexOf(element) << " not placed";
    return {};
}

TEST(FormLayout, ScreenOf1024By768) {
    EXPECT_EQ(WindowBounds(1024, 768), (TRect{10, 7, 973, 730}));
}

TEST(FormLayout, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(At(ClientPlacements(800, 705), TextArea).Top, 70);      // 70.5
    EXPECT_EQ(At(ClientPlacements(800, 702), TextArea).Height, 526);  // 526.5
    EXPECT_EQ(At(PanelPlacements(800, 83), NextButton).Height, 42);   // 41.5
}

TEST(FormLayout, StoredFactorsTipDecimalHalves) {
    EXPECT_EQ(WindowBounds(1400, 1050).Height, 997) << "the double 0.95 lies below 0.95";
    EXPECT_EQ(RoundProduct(850, kWindowOffset), 9) << "the offset factor lies above 0.01";
    EXPECT_EQ(At(ClientPlacements(1295, 700), TitleLabel).Left, 389)
        << "the extended 0.3 lies above 0.3";
    EXPECT_EQ(At(PanelPlacements(1310, 80), NextButton).Width, 197)
        << "the extended 0.15 lies above 0.15";
    EXPECT_EQ(At(PanelPlacements(1310, 80), EndButton).Width, 197);
    // Products formed in double precision from the decimals give the smaller values.
    EXPECT_EQ(std::nearbyint(1295 * 0.3), 388);
    EXPECT_EQ(std::nearbyint(1310 * 0.15), 196);
}

// Every element but the panel (which keeps to the bottom edge) is placed once, in the parent
// the form gives it.
TEST(FormLayout, EveryElementPlacedOnceInItsParent) {
    std::array<int, kElementCount> placed{};
    for (const TPlacement& p : ClientPlacements(1000, 700)) {
        ++placed[IndexOf(p.Element)];
    }
    for (const TPlacement& p : PanelPlacements(1000, 84)) {
        ++placed[IndexOf(p.Element)];
        EXPECT_TRUE(LookOf(p.Element).InPanel) << LookOf(p.Element).Name;
    }
    for (const TElementLook& look : FormElements()) {
        EXPECT_EQ(placed[IndexOf(look.Element)], look.Element == Panel ? 0 : 1) << look.Name;
    }
}

TEST(FormLayout, PanelAndClientControls) {
    EXPECT_EQ(PanelHeight(700), 84);
    const auto c = ClientPlacements(1000, 700);
    EXPECT_EQ(At(c, TitleLabel), (TRect{300, 7, 500, 70}));
    EXPECT_EQ(At(c, TextArea), (TRect{10, 70, 950, 525}));
    EXPECT_EQ(At(c, BrandLabel), (TRect{50, 56, 150, 140}));
    const auto p = PanelPlacements(1000, 84);
    EXPECT_EQ(At(p, PromptLabel), (TRect{50, 17, 300, 42}));
    EXPECT_EQ(At(p, AnswerBox), (TRect{400, 17, 100, 42}));
    EXPECT_EQ(At(p, NextButton), (TRect{600, 17, 150, 42}));
    EXPECT_EQ(At(p, EndButton), (TRect{800, 17, 150, 42}));
}

// The same products in 80-bit extended arithmetic, where the platform has it.
TEST(FormLayout, SweepAgreesWithExtendedArithmetic) {
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "no 80-bit extended type here";
    } else {
        const auto extended = [](int size, long double factor) {
            return static_cast<std::int32_t>(
                std::nearbyintl(static_cast<long double>(size) * factor));
        };
        const long double offset =
            static_cast<double>((1.0L - static_cast<long double>(0.95)) * 0.2L);
        ASSERT_EQ(static_cast<double>(offset), 0.010000000000000009);
        const struct {
            TFactor Exact;
            long double Extended;
        } table[] = {
            {kWindow95Double, static_cast<long double>(0.95)},
            {kWindowOffset, offset},
            {k0_01, 0.01L},
            {k0_05, 0.05L},
            {k0_08, 0.08L},
            {k0_1, 0.1L},
            {k0_12, 0.12L},
            {k0_15, 0.15L},
            {k0_2, 0.2L},
            {k0_3, 0.3L},
            {k0_4, 0.4L},
            {k0_5, 0.5L},
            {k0_6, 0.6L},
            {k0_75, 0.75L},
            {k0_8, 0.8L},
            {k0_95, 0.95L},
        };
        for (const auto& f : table) {
            for (int size = 0; size <= 20000; ++size) {
                ASSERT_EQ(RoundProduct(size, f.Exact), extended(size, f.Extended))
                    << size << " x " << static_cast<double>(f.Extended);
            }
            for (int size = 20000; size < 2'000'000'000; size += 999'983) {
                ASSERT_EQ(RoundProduct(size, f.Exact), extended(size, f.Extended)) << size;
            }
        }
    }
}

}  // namespace
}  // namespace exam
