// SPDX-License-Identifier: GPL-3.0-or-later
// The window on displays of every scale from 0.5 to 3 in steps of 0.05, one screen for each
// scale side by side (CTest gives the offscreen platform that set of screens): drawn whole, its
// bands meeting without a seam, and every pixel of its picture painted.
#include "window_fixture.h"

#include <QScreen>

#include <cmath>

using namespace Brelun;
using tavix_test::argb;
using tavix_test::colourDistance;
using tavix_test::TavixWindow;

using namespace tavix_test::colours;

namespace {

// The screens CTest sets up: scale 0.5 + 0.05 k on the screen k places from the left, each
// 2000 wide.
constexpr int Scales = 51;
qreal scaleOf(int k) { return 0.5 + 0.05 * k; }
QScreen *screenOf(int k) { return QGuiApplication::screenAt(QPoint(2000 * k + 1000, 1000)); }

struct Probe
{
    const char *what;
    QPointF at; // logical, in the window's client area
    QRgb colour;
    int tolerance;
};

// Flat places all over the window, the far right and bottom ones included: a window drawn at
// full size into a smaller picture, or clipped at its edges, loses them.
constexpr std::array probes{
    Probe{"the header, far right, two fifths of the way to white", {380, 30}, 0xFF66D9FF, 12},
    Probe{"the ball band, far right", {380, 60}, DeepSkyBlue, 2},
    Probe{"the ring of the last ball, above its text", {318, 57.5}, BallRing, 60},
    Probe{"the ball band right of the last ball", {345, 60}, DeepSkyBlue, 2},
    Probe{"the ticket card, bottom right", {350, 372}, TicketCard, 2},
    Probe{"the bottom letter cell", {322, 340}, CellFill, 2},
    Probe{"Start Lotto, right end", {355, 485}, DeepSkyBlue, 2},
    Probe{"the control area, bottom right", {380, 645}, White, 2},
    Probe{"the control area, bottom left", {4, 645}, White, 2},
};

class EveryScale : public TavixWindow
{
protected:
    // Moves the window onto the screen of scale k; the picture as it is drawn there.
    QImage pictureAt(int k)
    {
        QScreen *screen = screenOf(k);
        if (screen == nullptr)
            return {};
        if (window->screen() == screen) // a move onto the screen it stands on changes nothing
            window->move(screenOf((k + 1) % Scales)->geometry().topLeft() + QPoint(20, 20));
        window->move(screen->geometry().topLeft() + QPoint(20, 20));
        if (!QTest::qWaitFor([&] { return window->screen() == screen; }))
            return {};
        QCoreApplication::processEvents();
        return window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(EveryScale, TheWindowIsDrawnWholeSeamlessAndToItsLastPixel)
{
    ASSERT_EQ(QGuiApplication::screens().size(), Scales) << "CTest gives this test one screen a scale";
    for (int k = 0; k < Scales; ++k) {
        const qreal scale = scaleOf(k);
        SCOPED_TRACE("scale " + std::to_string(scale));
        const QImage picture = pictureAt(k);
        ASSERT_FALSE(picture.isNull());
        ASSERT_NEAR(window->devicePixelRatioF(), scale, 1e-3);
        EXPECT_EQ(window->size(), QSize(385, 650)) << "the layout stays in logical units";
        const auto pixel = [&](QPointF logical) {
            return picture.pixel(std::min(int(logical.x() * scale), picture.width() - 1),
                                 std::min(int(logical.y() * scale), picture.height() - 1));
        };
        for (const Probe &probe : probes) {
            EXPECT_LE(colourDistance(pixel(probe.at), probe.colour), probe.tolerance)
                << probe.what << " is " << argb(pixel(probe.at)) << ", expected " << argb(probe.colour);
        }

        // Where the header's gradient meets the ball band, left of the balls: deep sky blue all
        // the way down, with no line of anything lighter between the two.
        int seams = 0;
        for (int y = int(47 * scale); y <= int(53 * scale); ++y) {
            for (const qreal x : {10.0, 25.0, 380.0}) {
                const QRgb at = picture.pixel(int(x * scale), y);
                seams += colourDistance(at, DeepSkyBlue) > 20 ? 1 : 0;
            }
        }
        EXPECT_EQ(seams, 0) << "a seam between the header and the ball band";

        int unpainted = 0;
        for (int y = 0; y < picture.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                unpainted += qAlpha(line[x]) < 255 ? 1 : 0;
        }
        EXPECT_EQ(unpainted, 0) << "of " << picture.width() << " x " << picture.height() << " device pixels";
    }
}

} // namespace
