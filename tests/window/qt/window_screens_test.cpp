// The window on every screen of the test platform: the same program runs on two screens side by
// side, the second one's origin away from (0, 0), at 96, 144 and 192 dpi (CMakeLists.txt runs
// these tests once per screen set). The layout's arithmetic works in device pixels; Qt places
// widgets in device-independent ones, so at a fractional ratio (1.5) a bound can be reached only
// to within a device pixel, while at 96 dpi every bound is exact.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <cmath>
#include <vector>

#include "tests/window/qt/window_fixture.h"
#include "window/flow/form_layout.h"

namespace exam {
namespace {

// A bound as the screen's device pixels have it.
struct TDeviceRect {
    double Left;
    double Top;
    double Width;
    double Height;
};

TDeviceRect ToDevice(const QRect& r, double ratio) {
    return {r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio};
}

// How far a placed bound lies from the one the layout's arithmetic gives, in device pixels.
double Distance(const TDeviceRect& placed, const TRect& computed) {
    return std::max({std::abs(placed.Left - computed.Left), std::abs(placed.Top - computed.Top),
                     std::abs(placed.Width - computed.Width),
                     std::abs(placed.Height - computed.Height)});
}

class TWindowOnScreen : public TWindowTest, public ::testing::WithParamInterface<int> {
protected:
    QScreen* Screen() const { return QGuiApplication::screens().value(GetParam()); }
    // Puts the window, still at its design size, in the middle of the screen and opens it.
    void OpenOnScreen() {
        ASSERT_NE(Screen(), nullptr);
        Window->setScreen(Screen());
        Window->move(Screen()->geometry().center() - Window->rect().center());
        Open();
        ASSERT_EQ(Window->screen(), Screen());
    }
    double Ratio() const { return Screen()->devicePixelRatio(); }
    // Exact at whole ratios' multiples; at 1.5 a bound moves in steps of 1.5 device pixels.
    double Slack() const { return Ratio() == 1 ? 0 : 1; }
    int Device(int length) const { return static_cast<int>(std::lround(length * Ratio())); }
    QRect Bounds(const char* name) const { return Control<QWidget>(name)->geometry(); }
};

TEST_P(TWindowOnScreen, LaidOutOnTheWholeScreenInDevicePixels) {
    OpenOnScreen();
    const QRect screen = Screen()->geometry();
    const double ratio = Ratio();

    // The window: its outer bounds from the whole screen's device size, at the screen's origin.
    const TRect window = WindowBounds(Device(screen.width()), Device(screen.height()));
    const QRect outer = Window->frameGeometry().translated(-screen.topLeft());
    EXPECT_LE(Distance(ToDevice(outer, ratio), window), Slack())
        << "window at " << outer << " on screen " << screen;

    // The controls, from the client area's and the panel's device sizes.
    const int cw = Device(Window->width());
    const int ch = Device(Window->height());
    // The panel keeps to the bottom edge; its height is the computed one.
    EXPECT_EQ(Bounds("Panel").bottom(), Window->height() - 1);
    const TRect panel{0, static_cast<std::int32_t>(std::lround(Bounds("Panel").y() * ratio)), cw,
                      PanelHeight(ch)};
    EXPECT_LE(Distance(ToDevice(Bounds("Panel"), ratio), panel), Slack());
    std::vector<TPlacement> placements;
    for (const TPlacement& p : ClientPlacements(cw, ch)) {
        placements.push_back(p);
    }
    for (const TPlacement& p :
         PanelPlacements(Device(Bounds("Panel").width()), Device(Bounds("Panel").height()))) {
        placements.push_back(p);
    }
    for (const TPlacement& p : placements) {
        const char* name = LookOf(p.Element).Name.data();
        EXPECT_LE(Distance(ToDevice(Bounds(name), ratio), p.Bounds), Slack())
            << name << " at " << Bounds(name);
    }
}

// Fonts are character heights at 96 dpi and are drawn larger by the ratio: the fixed caption
// LT3 ("ВЕЛТ-2005", capitals and digits) is as tall in device pixels as its font's capitals
// times the ratio.
TEST_P(TWindowOnScreen, FontsDrawnScaledByTheRatio) {
    OpenOnScreen();
    auto* label = Control<QLabel>("BrandLabel");
    const QImage drawn = Window->grab().toImage();
    ASSERT_DOUBLE_EQ(drawn.devicePixelRatio(), Ratio());
    const QRect visible = QRect(Device(label->mapTo(Window.get(), QPoint(0, 0)).x()),
                                Device(label->mapTo(Window.get(), QPoint(0, 0)).y()),
                                Device(label->width()), Device(label->height())) &
                          drawn.rect();
    int top = -1;
    int bottom = -1;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        for (int x = visible.left(); x <= visible.right(); ++x) {
            if (drawn.pixelColor(x, y).hsvSaturation() > 64) {  // blue ink on grey
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    ASSERT_GE(top, 0) << "no text drawn";
    const double capitals = QFontMetricsF(label->font()).capHeight() * Ratio();
    EXPECT_NEAR(bottom - top + 1, capitals, 1.5) << "ratio " << Ratio();
}

INSTANTIATE_TEST_SUITE_P(Screens, TWindowOnScreen, ::testing::Values(0, 1), [](const auto& info) {
    return info.param == 0 ? std::string("First") : std::string("SecondAwayFromOrigin");
});

// The screen sets themselves: two screens, the second one's origin away from (0, 0), and the
// ratio the screens' density asks for.
TEST(ScreenSet, TwoScreensTheSecondAwayFromTheOrigin) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    EXPECT_NE(screens[1]->geometry().topLeft(), QPoint(0, 0));
    EXPECT_FALSE(screens[0]->geometry().intersects(screens[1]->geometry()));
    const double ratio = screens[0]->devicePixelRatio();
    EXPECT_TRUE(ratio == 1 || ratio == 1.5 || ratio == 2) << ratio;
}

}  // namespace
}  // namespace exam
