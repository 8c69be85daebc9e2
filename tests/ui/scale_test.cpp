// The window on a scaled display: the same layout in logical units, drawn in device pixels.
// CTest runs this test at the display scales 1, 1.5 and 2 (QT_SCALE_FACTOR).
#include "window_fixture.h"

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
