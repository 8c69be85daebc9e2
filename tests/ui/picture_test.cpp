// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it is drawn: colours probed at chosen points of its picture, and texts that fit.
#include "window_fixture.h"

#include <QFontMetricsF>

using namespace Brelun;
using tavix_test::argb;
using tavix_test::colourDistance;
using tavix_test::pixelIs;
using tavix_test::TavixWindow;

using namespace tavix_test::colours;
namespace screen = tavix_test::screen;

namespace {

// Some pixel inside the area has exactly this colour.
bool somePixelIs(const QImage &image, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

QRgb mix(QRgb from, QRgb to, double t)
{
    const auto channel = [t](int a, int b) { return qRound(a + (b - a) * t); };
    return qRgba(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)), 255);
}

} // namespace

TEST_F(TavixWindow, TheHeaderShadesLinearlyFromDeepSkyBlueAtItsBottomToWhiteAtItsTop)
{
    const QImage image = picture();
    // Right of the chips value, where no text stands; the gradient's offset at a pixel's centre.
    for (int y = 0; y < 50; ++y) {
        const double offset = (50 - (y + 0.5)) / 50;
        EXPECT_TRUE(pixelIs(image, 370, y, mix(DeepSkyBlue, White, offset), 2));
    }
    EXPECT_TRUE(pixelIs(image, 370, 49, DeepSkyBlue, 3));
    EXPECT_TRUE(pixelIs(image, 370, 0, White, 3));
    EXPECT_TRUE(pixelIs(image, 370, 25, 0xFF80DFFF, 4));
    // Across its width the header is one shade at each height.
    EXPECT_EQ(argb(image.pixel(2, 45)), argb(image.pixel(382, 45)));
}

TEST_F(TavixWindow, TheBallBandIsDeepSkyBlueWithRoundedBottomCornersOfRadius25)
{
    const QImage image = picture();
    EXPECT_TRUE(pixelIs(image, 20, 60, DeepSkyBlue));
    EXPECT_TRUE(pixelIs(image, 0, 50, DeepSkyBlue));   // square top corners
    EXPECT_TRUE(pixelIs(image, 384, 50, DeepSkyBlue));
    EXPECT_TRUE(pixelIs(image, 0, 99, White));         // outside the arcs at the very corners
    EXPECT_TRUE(pixelIs(image, 1, 98, White));
    EXPECT_TRUE(pixelIs(image, 384, 99, White));
    EXPECT_TRUE(pixelIs(image, 383, 98, White));
    EXPECT_TRUE(pixelIs(image, 3, 92, White));         // outside a radius of 25 ...
    EXPECT_TRUE(pixelIs(image, 381, 92, White));
    EXPECT_TRUE(pixelIs(image, 5, 85, DeepSkyBlue));   // ... and inside it
    EXPECT_TRUE(pixelIs(image, 379, 85, DeepSkyBlue));
    EXPECT_TRUE(pixelIs(image, 192, 99, DeepSkyBlue)); // the flat bottom between the arcs
}

TEST_F(TavixWindow, TheTicketCardIsLightBlueWithCornersOfRadius12OnWhite)
{
    const QImage image = picture();
    EXPECT_TRUE(pixelIs(image, 30, 200, TicketCard));
    EXPECT_TRUE(pixelIs(image, 192, 372, TicketCard)); // below the rows
    EXPECT_TRUE(pixelIs(image, 40, 115, TicketCard));  // where the top edge leaves the arc
    EXPECT_TRUE(pixelIs(image, 28, 127, TicketCard, 3));
    for (const QPoint corner : {QPoint(28, 115), QPoint(356, 115), QPoint(28, 379), QPoint(356, 379)})
        EXPECT_TRUE(pixelIs(image, corner.x(), corner.y(), White));
    EXPECT_TRUE(pixelIs(image, 30, 117, White));      // outside a radius of 12 ...
    EXPECT_TRUE(pixelIs(image, 33, 120, TicketCard)); // ... and inside it
    EXPECT_TRUE(pixelIs(image, 27, 200, White));      // the white ticket area around the card
    EXPECT_TRUE(pixelIs(image, 192, 112, White));
}

TEST_F(TavixWindow, EveryCellIsFlatBlueInItsMiddleWithRaisedEdgesAndNoOutline)
{
    const QImage image = picture();
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE("RR[" + std::to_string(i) + "]");
        const QRect cell = at(RR[i]);
        const QPoint middle = cell.center();
        EXPECT_TRUE(pixelIs(image, middle.x(), middle.y(), CellFill));
        // The edges are the cell's blue, lit at the top and left and shaded at the bottom and
        // right; an outline would draw them in its own colour (black by default).
        const QRgb top = image.pixel(middle.x(), cell.top());
        const QRgb left = image.pixel(cell.left(), middle.y());
        const QRgb bottom = image.pixel(middle.x(), cell.bottom());
        const QRgb right = image.pixel(cell.right(), middle.y());
        for (const QRgb edge : {top, left, bottom, right}) {
            EXPECT_GT(qBlue(edge), 0xB0) << argb(edge);
            EXPECT_GT(qBlue(edge), qRed(edge) + 0x60) << argb(edge);
        }
        EXPECT_GT(qGray(top), qGray(CellFill));
        EXPECT_GT(qGray(left), qGray(CellFill));
        EXPECT_LT(qGray(bottom), qGray(CellFill));
        EXPECT_LT(qGray(right), qGray(CellFill));
    }
    // The empty stretch of a row between the last number cell and the letter cell shows the card.
    EXPECT_TRUE(pixelIs(image, 275, 157, TicketCard));
}

TEST_F(TavixWindow, EveryBallIsARingOfOuterDiameter38CentredAt42jPlus24And75)
{
    const QImage image = picture();
    for (int j = 1; j <= 7; ++j) {
        SCOPED_TRACE("WW[" + std::to_string(j) + "]");
        const int cx = 42 * j + 24; // the centre lies on the line between pixels cx - 1 and cx
        // The ring runs from radius 16 to 19: probe its middle at 17.5 on all four sides.
        EXPECT_TRUE(pixelIs(image, cx, 57, BallRing));
        EXPECT_TRUE(pixelIs(image, cx, 92, BallRing));
        EXPECT_TRUE(pixelIs(image, cx - 18, 75, BallRing));
        EXPECT_TRUE(pixelIs(image, cx + 17, 75, BallRing));
        // The band shows inside the ring above the text and between neighbouring balls.
        EXPECT_TRUE(pixelIs(image, cx, 61, DeepSkyBlue));
        EXPECT_TRUE(pixelIs(image, cx + 21, 75, DeepSkyBlue));
        EXPECT_TRUE(pixelIs(image, cx, 51, DeepSkyBlue));
        // Its text is drawn in the normal text colour.
        EXPECT_TRUE(somePixelIs(image, QRect(cx - 12, 64, 24, 22), NormalText));
    }
}

TEST_F(TavixWindow, TheBetAndGameControlsAreBlueWithDarkerOutlinesAndWhiteCaptions)
{
    const QImage image = picture();
    const TTavix &w = *window;
    const std::array<std::pair<const TRectangle *, const TLabel *>, 7> controls{{
        {w.Rectangle10, w.Label9}, {w.Rectangle14, w.Label13}, {w.Rectangle13, w.Label12}, {w.Rectangle12, w.Label11},
        {w.Rectangle11, w.Label10}, {w.Rectangle15, w.Label14}, {w.Rectangle19, w.Label18},
    }};
    for (const auto &[control, caption] : controls) {
        SCOPED_TRACE(caption->text().toStdString());
        const QRect box = at(control);
        const QPoint middle = box.center();
        EXPECT_TRUE(pixelIs(image, middle.x(), box.top(), ControlOutline));
        EXPECT_TRUE(pixelIs(image, middle.x(), box.bottom(), ControlOutline));
        EXPECT_TRUE(pixelIs(image, box.left(), middle.y(), ControlOutline));
        EXPECT_TRUE(pixelIs(image, box.right(), middle.y(), ControlOutline));
        EXPECT_TRUE(pixelIs(image, middle.x(), box.top() + 2, DeepSkyBlue));
        EXPECT_TRUE(pixelIs(image, box.left() + 2, middle.y(), DeepSkyBlue));
        EXPECT_TRUE(pixelIs(image, box.left(), box.top(), White)); // outside the rounded corner
        EXPECT_TRUE(somePixelIs(image, at(caption), White));
    }
}

TEST_F(TavixWindow, NothingStandsWhereShowWillAppear)
{
    const QImage image = picture();
    const QRect show = screen::show;
    for (int y = show.top(); y <= show.bottom(); ++y) {
        for (int x = show.left(); x <= show.right(); ++x)
            ASSERT_TRUE(pixelIs(image, x, y, White));
    }
}

TEST_F(TavixWindow, TheCaptionsFitTheirBoxesOnOneLine)
{
    // Each header caption's ink ends before its value begins. "Chips:" is sized for Tahoma: its
    // advance is 60 (60.25 unhinted, the colon's side bearing after its ink) from 218, so the chips
    // at 278 follow at once; a wider substitute font would run under them.
    const std::array<std::pair<const TLabel *, const TLabel *>, 3> header{{
        {window->Label3, window->Label5}, {window->Label6, window->Label4}, {window->Label8, window->Label7}}};
    for (const auto &[caption, value] : header) {
        SCOPED_TRACE(caption->text().toStdString());
        const QFontMetricsF metrics(caption->effectiveFont());
        const qreal inkEnd = caption->bounds().left() + metrics.tightBoundingRect(caption->text()).right();
        EXPECT_LT(inkEnd, value->bounds().left());
    }
    EXPECT_NEAR(QFontMetricsF(window->Label8->effectiveFont()).horizontalAdvance(QStringLiteral("Chips:")), 60, 0.5);
    // The game controls' captions do not wrap.
    for (const TLabel *caption : {window->Label14, window->Label18}) {
        SCOPED_TRACE(caption->text().toStdString());
        const QFontMetricsF metrics(caption->effectiveFont());
        EXPECT_LT(metrics.horizontalAdvance(caption->text()), caption->bounds().width());
        const QRectF wrapped = metrics.boundingRect(QRectF(QPointF(), caption->bounds().size()), Qt::TextWordWrap, caption->text());
        EXPECT_LE(wrapped.height(), metrics.height());
    }
}
