// Where the window and its elements go on the 1024 x 768 test screen, on every platform: the
// layout's arithmetic applied to the window's actual client and panel sizes.

#include <gtest/gtest.h>

#include <vector>

#include "tests/window/conformance/window_fixture.h"
#include "window/flow/form_layout.h"

namespace exam {
namespace {

using enum EElement;

class TWindowLayout : public TWindowConformance {
protected:
    // The window on the whole monitor, every element where the layout puts it.
    void ExpectLaidOutOnTheWholeMonitor() {
        ASSERT_EQ(Window->Monitor(), (TRect{0, 0, 1024, 768}));
        EXPECT_EQ(Window->OuterBounds(), (TRect{10, 7, 973, 730})) << "972.8 and 729.6 rounded";
        const TRect client = Window->ClientArea();
        const TRect panel = Window->Bounds(Panel);
        EXPECT_EQ(panel, (TRect{0, client.Height - PanelHeight(client.Height), client.Width,
                                PanelHeight(client.Height)}))
            << "along the bottom edge";
        std::vector<TPlacement> placements;
        for (const TPlacement& p : ClientPlacements(client.Width, client.Height)) {
            placements.push_back(p);
        }
        for (const TPlacement& p : PanelPlacements(panel.Width, panel.Height)) {
            placements.push_back(p);
        }
        for (const TPlacement& p : placements) {
            EXPECT_EQ(Window->Bounds(p.Element), p.Bounds) << LookOf(p.Element).Name;
        }
    }
};

TEST_F(TWindowLayout, OnA1024By768Screen) {
    Open();
    ExpectLaidOutOnTheWholeMonitor();
}

// A taskbar makes the work area smaller than the monitor; the window stays on top of it and
// still takes its share of the whole monitor.
TEST_F(TWindowLayout, ATaskbarDoesNotCount) {
    ASSERT_TRUE(Window->ReserveTaskbar(40));
    ASSERT_EQ(Window->WorkArea(), (TRect{0, 0, 1024, 728}));
    Open();
    ExpectLaidOutOnTheWholeMonitor();
}

// The title and the prompt keep the layout's left and top and take their text's size; the
// brand label keeps the layout's bounds throughout.
TEST_F(TWindowLayout, LabelsTakeTheirTextsSizeWhereTheLayoutPutThem) {
    Open();
    const TRect client = Window->ClientArea();
    const auto layout = [&](EElement element) {
        for (const TPlacement& p : ClientPlacements(client.Width, client.Height)) {
            if (p.Element == element) {
                return p.Bounds;
            }
        }
        const TRect panel = Window->Bounds(Panel);
        for (const TPlacement& p : PanelPlacements(panel.Width, panel.Height)) {
            if (p.Element == element) {
                return p.Bounds;
            }
        }
        return TRect{};
    };
    const auto sizedToText = [&](EElement label) {
        const TRect at = layout(label);
        const TRect text = Window->TextSize(label);
        return Window->Bounds(label) == TRect{at.Left, at.Top, text.Width, text.Height};
    };
    int ticketTitleWidth = 0;
    while (State.CurrentTicket < 15) {
        Window->Click(NextButton);
        SCOPED_TRACE(State.CurrentTicket);
        EXPECT_TRUE(sizedToText(TitleLabel))
            << ::testing::PrintToString(Window->Bounds(TitleLabel));
        EXPECT_TRUE(sizedToText(PromptLabel))
            << ::testing::PrintToString(Window->Bounds(PromptLabel));
        EXPECT_EQ(Window->Bounds(BrandLabel), layout(BrandLabel));
        if (State.CurrentTicket == 1) {
            ticketTitleWidth = Window->Bounds(TitleLabel).Width;
            EXPECT_LT(ticketTitleWidth, layout(TitleLabel).Width);
        }
        Answer("2");
    }
    EXPECT_GT(Window->Bounds(TitleLabel).Width, ticketTitleWidth) << "the last ticket's title";
    Window->Click(NextButton);
    EXPECT_TRUE(sizedToText(TitleLabel)) << "the results' heading";
}

}  // namespace
}  // namespace exam
