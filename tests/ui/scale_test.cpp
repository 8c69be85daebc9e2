// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a scaled display: the same layout in logical units, drawn in device pixels.
// CTest runs this test at the display scales 1, 1.5 and 2 (QT_SCALE_FACTOR).
#include "window_fixture.h"

#include "support/platform_mouse.h"

using namespace Brelun;
using tavix_test::argb;
using tavix_test::colourDistance;
using tavix_test::TavixWindow;

namespace {

struct ScaledDisplay
{
    qreal scale;
    QSize devicePixels; // the window's picture: 385 x 650 times the scale, as Qt rounds it
};

constexpr std::array displays{
    ScaledDisplay{1.0, {385, 650}},
    ScaledDisplay{1.5, {578, 975}},
    ScaledDisplay{2.0, {770, 1300}},
};

const ScaledDisplay *thisDisplay()
{
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    for (const ScaledDisplay &display : displays) {
        if (qFuzzyCompare(display.scale, scale))
            return &display;
    }
    return nullptr;
}

} // namespace

TEST_F(TavixWindow, OnAScaledDisplayTheWindowKeepsItsLayoutAndIsDrawnInDevicePixels)
{
    const ScaledDisplay *display = thisDisplay();
    ASSERT_NE(display, nullptr) << "no expectation for QT_SCALE_FACTOR=" << qPrintable(qEnvironmentVariable("QT_SCALE_FACTOR"));
    EXPECT_EQ(window->devicePixelRatioF(), display->scale);

    // The layout in logical units is the same at every scale.
    EXPECT_EQ(window->size(), QSize(385, 650));
    EXPECT_EQ(at(RR[4]), QRect(42, 133, 50, 49));
    EXPECT_EQ(at(RR[17]), QRect(297, 133, 50, 49));
    EXPECT_EQ(at(RR[13]), QRect(204, 316, 50, 49));
    EXPECT_EQ(at(WW[7]), QRect(299, 50, 38, 50));
    EXPECT_EQ(at(window->Rectangle8), QRect(28, 115, 329, 265));
    EXPECT_EQ(at(window->Rectangle19), QRect(189, 477, 180, 63));

    const QPixmap pixmap = window->grab();
    EXPECT_EQ(pixmap.size(), display->devicePixels);
    EXPECT_EQ(pixmap.devicePixelRatio(), display->scale);

    // The same picture, probed where logical points fall in device pixels.
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const auto pixel = [&](qreal x, qreal y) {
        return image.pixel(int(x * display->scale), int(y * display->scale));
    };
    EXPECT_EQ(argb(pixel(67, 157)), argb(0xFF2EC0F1));  // RR[4]'s flat middle
    EXPECT_EQ(argb(pixel(30, 200)), argb(0xFFA1F0FC));  // the ticket card
    EXPECT_EQ(argb(pixel(28, 115)), argb(0xFFFFFFFF));  // outside the card's rounded corner
    EXPECT_EQ(argb(pixel(20, 60)), argb(0xFF00BFFF));   // the ball band
    EXPECT_EQ(argb(pixel(0, 99.5)), argb(0xFFFFFFFF));  // outside its rounded bottom corner
    EXPECT_EQ(argb(pixel(66.5, 57.5)), argb(0xFFAFE8FA)); // ball 1's ring, 17.5 above its centre
    EXPECT_EQ(argb(pixel(43.5, 411.5)), argb(0xFF028DCB)); // "+1"'s outline
    EXPECT_EQ(argb(pixel(300, 607)), argb(0xFFFFFFFF)); // where "Show" will stand
    EXPECT_LE(colourDistance(pixel(370, 49.5), 0xFF00BFFF), 3); // the header's bottom
    EXPECT_LE(colourDistance(pixel(370, 0.2), 0xFFFFFFFF), 3);  // the header's top
}

namespace {

// A control's painted box in device pixels, read off the picture along a row and a column
// through it: from the first to the last pixel that differs from what lies around it.
QRect paintedBox(const QImage &picture, QPointF rowAt, QPointF columnAt, QRectF around, QRgb background, qreal scale)
{
    const auto differs = [&](int x, int y) { return colourDistance(picture.pixel(x, y), background) > 6; };
    const int row = int(rowAt.y() * scale);
    const int column = int(columnAt.x() * scale);
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int x = int(around.left() * scale); x < int(around.right() * scale); ++x) {
        if (differs(x, row)) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    for (int y = int(around.top() * scale); y < int(around.bottom() * scale); ++y) {
        if (differs(column, y)) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The device pixels just inside and just outside each edge of a box, on its middle lines.
struct EdgePress
{
    const char *edge;
    QPoint inside;
    QPoint outside;
};

std::array<EdgePress, 4> edgePresses(const QRect &box)
{
    const QPoint middle = box.center();
    return {EdgePress{"left", {box.left(), middle.y()}, {box.left() - 1, middle.y()}},
            EdgePress{"right", {box.right(), middle.y()}, {box.right() + 1, middle.y()}},
            EdgePress{"top", {middle.x() - 4, box.top()}, {middle.x() - 4, box.top() - 1}},
            EdgePress{"bottom", {middle.x() - 4, box.bottom()}, {middle.x() - 4, box.bottom() + 1}}};
}

} // namespace

// A press lands on a control exactly where the control is painted, to the device pixel: the
// window system reports a press at a device pixel, which is a fraction of a logical unit.
TEST_F(TavixWindow, APressOnTheLastDevicePixelOfABetControlPressesItAndOneBeyondDoesNot)
{
    const qreal scale = window->devicePixelRatioF();
    const QRect box = paintedBox(picture(), {0, 438}, {22, 0}, {5, 405, 78, 67}, tavix_test::colours::White, scale);
    ASSERT_GT(box.width(), 60 * scale) << "\"+1\" is not where it should be painted";
    tavix_test::PlatformMouse mouse(window->windowHandle());
    int expected = 0;
    for (const EdgePress &press : edgePresses(box)) {
        SCOPED_TRACE(std::string(press.edge) + " edge at scale " + std::to_string(scale));
        mouse.click(QPointF(press.outside) / scale);
        EXPECT_EQ(GO.Bet, expected) << "a press one device pixel outside \"+1\" pressed it";
        mouse.click(QPointF(press.inside) / scale);
        EXPECT_EQ(GO.Bet, ++expected) << "a press on \"+1\"'s last painted device pixel missed it";
    }
}

TEST_F(TavixWindow, AClickOnTheLastDevicePixelOfACellOpensItAndOneBeyondDoesNot)
{
    const qreal scale = window->devicePixelRatioF();
    const QImage shown = picture();
    // Four cells of row 1, one for each edge: a click inside opens the cell.
    const std::array cells{4, 3, 2, 1};
    for (std::size_t e = 0; e < cells.size(); ++e) {
        TRectangle *cell = RR[cells[e]];
        const QRectF place = tavix_test::boundsOnScreen(cell, window);
        const QRect box = paintedBox(shown, place.center() + QPointF(0, 10), place.center() + QPointF(-15, 0),
                                     place.adjusted(-3, -3, 3, 3), tavix_test::colours::TicketCard, scale);
        const EdgePress press = edgePresses(box)[e];
        SCOPED_TRACE(std::string(press.edge) + " edge of RR[" + std::to_string(cells[e]) + "] at scale "
                     + std::to_string(scale));
        tavix_test::PlatformMouse mouse(window->windowHandle());
        mouse.click(QPointF(press.outside) / scale);
        EXPECT_TRUE(LL[cells[e]]->text().isEmpty()) << "a click one device pixel outside the cell opened it";
        mouse.click(QPointF(press.inside) / scale);
        EXPECT_FALSE(LL[cells[e]]->text().isEmpty()) << "a click on the cell's last painted device pixel missed it";
    }
}
