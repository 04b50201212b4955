#include <gtest/gtest.h>

#include "platform/FrameLayout.h"

using platform::FramePoint;
using platform::FrameRect;
using platform::Scaling;
using platform::WindowGeometry;
using platform::frameDestination;
using platform::windowToFrame;

namespace {
void expectPoint(const FramePoint& p, int x, int y, bool inside) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.inside, inside);
}
}  // namespace

TEST(FrameLayout, PlacesTheFrameWithItsAspectKeptForEveryScaling) {
    const FrameRect fit = frameDestination(1280, 720, Scaling::Fit);
    EXPECT_EQ(fit.x, 160);
    EXPECT_EQ(fit.y, 0);
    EXPECT_EQ(fit.w, 960);
    EXPECT_EQ(fit.h, 720);
    // A tall window: bars above and below.
    const FrameRect tall = frameDestination(640, 960, Scaling::Fit);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 240);
    EXPECT_EQ(tall.w, 640);
    const FrameRect whole = frameDestination(1920, 1080, Scaling::Integer);
    EXPECT_EQ(whole.w, 1280);
    EXPECT_EQ(whole.h, 960);
    EXPECT_EQ(whole.x, 320);
    EXPECT_EQ(whole.y, 60);
    // Below one the integer scaling still shrinks to fit.
    EXPECT_EQ(frameDestination(320, 240, Scaling::Integer).w, 320);
    const FrameRect stretch = frameDestination(1280, 720, Scaling::Stretch);
    EXPECT_EQ(stretch.w, 1280);
    EXPECT_EQ(stretch.h, 720);
    // A degenerate size never divides by zero.
    EXPECT_GE(frameDestination(0, 0, Scaling::Fit).w, 1);
}

TEST(FrameLayout, MapsPointerToTheFrameOfTheWindowAsShown) {
    // Full screen asked for 1280x720, but the window is shown at 640x480:
    // the mapping follows the shown size, one to one.
    const WindowGeometry notHonoured{640, 480, 640, 480};
    expectPoint(windowToFrame(320, 209, notHonoured, Scaling::Fit), 320, 209, true);
    expectPoint(windowToFrame(639, 479, notHonoured, Scaling::Fit), 639, 479, true);

    // The same position once the window really covers a 1280x720 display:
    // the picture spans x 160..1119, scaled by 1.5.
    const WindowGeometry covering{1280, 720, 1280, 720};
    expectPoint(windowToFrame(640, 313, covering, Scaling::Fit), 320, 208, true);
    expectPoint(windowToFrame(160, 0, covering, Scaling::Fit), 0, 0, true);
    expectPoint(windowToFrame(1119, 719, covering, Scaling::Fit), 639, 479, true);
    // In the bars: clamped to the nearest edge, but not on the picture.
    expectPoint(windowToFrame(159, 300, covering, Scaling::Fit), 0, 200, false);
    expectPoint(windowToFrame(1120, 300, covering, Scaling::Fit), 639, 200, false);
    expectPoint(windowToFrame(5, 700, covering, Scaling::Fit), 0, 466, false);
    // Stretched there are no bars.
    expectPoint(windowToFrame(0, 719, covering, Scaling::Stretch), 0, 479, true);

    // A high-density drawable twice the window's size maps like the window.
    const WindowGeometry dense{1280, 720, 2560, 1440};
    expectPoint(windowToFrame(640, 313, dense, Scaling::Fit), 320, 208, true);
    // Positions outside the window (a drag past its edge) stay in the frame.
    expectPoint(windowToFrame(-40, 900, covering, Scaling::Fit), 0, 479, false);
}
