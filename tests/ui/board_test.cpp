// SPDX-License-Identifier: GPL-3.0-or-later
// The board FormCreate builds from the hidden templates: what each cell and ball copies from its
// template, what it is given, and what it keeps of a new control.
#include "window_fixture.h"

#include <QFontInfo>
#include <QPointer>

#include <string>
#include <utility>
#include <vector>

using Toolkit::StyledSetting;
using Toolkit::StyledSettings;

using namespace Brelun;
using tavix_test::argb;
using tavix_test::childWidgets;
using tavix_test::TavixWindow;

using namespace tavix_test::colours;
namespace screen = tavix_test::screen;

namespace {

const TRectangle *rowOf(const TTavix &w, int i)
{
    const std::array<const TRectangle *, 4> rows{w.Rectangle2, w.Rectangle7, w.Rectangle4, w.Rectangle6};
    return rows[std::size_t(i <= 16 ? (i - 1) / 4 : i - 17)];
}

} // namespace

// What shows of a cell is the picture tests': its blue, its edges without an outline
// (picture_test's EveryCellIsFlatBlue..., first_picture_test's TheFirstPictureShows...), and where
// it stands, the effect of the alignment and margins copied from Rectangle3 and of its size
// (geometry_test). Its corners show here.
TEST_F(TavixWindow, EveryCellIsABlueRoundedRectangleInItsRowTaggedWithItsIndex)
{
    const QImage image = picture();
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE("RR[" + std::to_string(i) + "]");
        const TRectangle *cell = RR[i];
        ASSERT_NE(cell, nullptr);
        // Rounded with a radius of 4, each corner leaves its very pixel to the card and paints most
        // of the pixel one unit in along the diagonal. (A radius of 3 tints the corner pixel; one
        // of 5 paints only about half of the pixel in.)
        const QRect place = screen::cell(i);
        for (const auto &[corner, inward] : {std::pair{place.topLeft(), QPoint(1, 1)},
                                             {place.topRight(), QPoint(-1, 1)},
                                             {place.bottomLeft(), QPoint(1, -1)},
                                             {place.bottomRight(), QPoint(-1, -1)}}) {
            EXPECT_TRUE(tavix_test::pixelIs(image, corner.x(), corner.y(), TicketCard));
            const QPoint in = corner + inward;
            EXPECT_GT(tavix_test::colourDistance(image.pixel(in), TicketCard), 40)
                << "at " << in.x() << ", " << in.y() << ": " << argb(image.pixel(in));
        }
        EXPECT_EQ(cell->tag(), i);
        EXPECT_EQ(cell->parentWidget(), rowOf(*window, i));
        EXPECT_EQ(childWidgets(cell), (std::vector<const QWidget *>{LL[i]}));
    }
}

// The label's text and colour at the first deal are first_picture_test's
// (TheFirstPictureShows...), and its place, the effect of Fit, geometry_test's.
TEST_F(TavixWindow, EveryCellLabelIsEmptyCentredAndSizedByFitInItsCell)
{
    const QString platformFamily = QFontInfo(QApplication::font()).family();
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE("LL[" + std::to_string(i) + "]");
        const TLabel *text = LL[i];
        ASSERT_NE(text, nullptr);
        // Set: family and style from the platform's style; copied from Label1: size, alignment.
        EXPECT_EQ(text->styledSettings(), StyledSetting::Family | StyledSetting::Style);
        const QFontInfo shown(text->effectiveFont());
        EXPECT_EQ(shown.family(), platformFamily);
        EXPECT_EQ(shown.pixelSize(), 33);
        EXPECT_FALSE(shown.bold());
        EXPECT_FALSE(shown.italic());
        EXPECT_EQ(text->effectiveAlignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        EXPECT_TRUE(text->effectiveWordWrap());
        EXPECT_FALSE(text->autoSize()); // not copied
        EXPECT_TRUE(text->isVisible());
        EXPECT_EQ(text->tag(), i);
        EXPECT_EQ(text->parentWidget(), RR[i]);
    }
}

// The ring's colour, the band inside it (no fill) and the ball's shown state are picture_test's
// (EveryBallIsARing...), where it stands geometry_test's. Its thickness shows here.
TEST_F(TavixWindow, EveryBallIsARingCopiedFromCircle3AtItsOwnLeftEdge)
{
    const QImage image = picture();
    for (int j = 1; j <= 7; ++j) {
        SCOPED_TRACE("WW[" + std::to_string(j) + "]");
        const TCircle *ball = WW[j];
        ASSERT_NE(ball, nullptr);
        // Three units thick, the ring covers two whole pixels down from its top and up from its
        // bottom, between pixels of the band.
        const int cx = screen::ball(j).center().x() + 1; // the centre lies between cx - 1 and cx
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 55, DeepSkyBlue));
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 57, BallRing));
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 58, BallRing));
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 60, DeepSkyBlue));
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 89, DeepSkyBlue));
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 91, BallRing));
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 92, BallRing));
        EXPECT_TRUE(tavix_test::pixelIs(image, cx, 94, DeepSkyBlue));
        EXPECT_EQ(ball->tag(), j);
        EXPECT_EQ(ball->parentWidget(), window->Layout3);
        EXPECT_EQ(childWidgets(ball), (std::vector<const QWidget *>{WL[j]}));
    }
}

// The label's text and colour are first_picture_test's (TheBallsFirstShow...), its place, the
// effect of its alignment, geometry_test's.
TEST_F(TavixWindow, EveryBallLabelShowsItsWinningValueInTahoma20Centred)
{
    for (int j = 1; j <= 7; ++j) {
        SCOPED_TRACE("WL[" + std::to_string(j) + "]");
        const TLabel *text = WL[j];
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->styledSettings(), StyledSettings{});
        const QFontInfo shown(text->effectiveFont());
        EXPECT_EQ(shown.family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(shown.pixelSize(), 20);
        EXPECT_FALSE(shown.bold());
        EXPECT_EQ(text->effectiveAlignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        EXPECT_TRUE(text->effectiveWordWrap());
        EXPECT_FALSE(text->autoSize());
        EXPECT_TRUE(text->isVisible());
        EXPECT_EQ(text->tag(), j);
        EXPECT_EQ(text->parentWidget(), WW[j]);
    }
}

TEST_F(TavixWindow, TheWindowOwnsTheBoardAndFreesItWithItself)
{
    std::vector<QPointer<QWidget>> board;
    for (int i = 1; i <= 20; ++i)
        board.insert(board.end(), {RR[i], LL[i]});
    for (int j = 1; j <= 7; ++j)
        board.insert(board.end(), {WW[j], WL[j]});

    tavix.destroy();
    window = nullptr;

    for (const QPointer<QWidget> &control : board)
        EXPECT_TRUE(control.isNull());
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(RR[i], nullptr) << "RR[" << i << "] still names a control";
    EXPECT_EQ(Tavix, nullptr);
}
