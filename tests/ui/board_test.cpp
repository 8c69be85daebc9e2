// SPDX-License-Identifier: GPL-3.0-or-later
// The board FormCreate builds from the hidden templates: what each cell and ball copies from its
// template, what it is given, and what it keeps of a new control.
#include "window_fixture.h"

#include <QFontInfo>
#include <QPointer>

using Toolkit::Align;
using Toolkit::BrushKind;
using Toolkit::Margins;
using Toolkit::StyledSetting;
using Toolkit::StyledSettings;

using namespace Brelun;
using tavix_test::argb;
using tavix_test::childWidgets;
using tavix_test::TavixWindow;

using namespace tavix_test::colours;

namespace {

const TRectangle *rowOf(const TTavix &w, int i)
{
    const std::array<const TRectangle *, 4> rows{w.Rectangle2, w.Rectangle7, w.Rectangle4, w.Rectangle6};
    return rows[std::size_t(i <= 16 ? (i - 1) / 4 : i - 17)];
}

} // namespace

TEST_F(TavixWindow, EveryCellIsABlueRoundedRectangleInItsRowTaggedWithItsIndex)
{
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE("RR[" + std::to_string(i) + "]");
        const TRectangle *cell = RR[i];
        ASSERT_NE(cell, nullptr);
        // Copied from Rectangle3, then the letter cells set to stand at the right end.
        EXPECT_EQ(cell->align(), i <= 16 ? Align::MostLeft : Align::MostRight);
        EXPECT_EQ(cell->margins(), (Margins{.left = 4}));
        EXPECT_EQ(cell->xRadius(), 4);
        EXPECT_EQ(cell->yRadius(), 4);
        EXPECT_EQ(cell->stroke().kind, BrushKind::None);
        // Set: the colour, on the solid fill of a new shape; the template's linen is not used.
        EXPECT_EQ(cell->fill().kind, BrushKind::Solid);
        EXPECT_EQ(argb(cell->fill().color), argb(CellFill));
        // Kept: a new shape's width; the row gives it its height.
        EXPECT_EQ(cell->bounds().size(), QSizeF(50, 49));
        EXPECT_TRUE(cell->isVisible());
        EXPECT_EQ(cell->tag(), i);
        EXPECT_EQ(cell->parentWidget(), rowOf(*window, i));
        EXPECT_EQ(childWidgets(cell), (std::vector<const QWidget *>{LL[i]}));
    }
}

TEST_F(TavixWindow, EveryCellLabelIsEmptyCentredAndSizedByFitInItsCell)
{
    const QString platformFamily = QFontInfo(QApplication::font()).family();
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE("LL[" + std::to_string(i) + "]");
        const TLabel *text = LL[i];
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(), QString()); // the first deal empties the "i" it was built with
        // Set: family and style from the platform's style; copied from Label1: size, alignment.
        EXPECT_EQ(text->styledSettings(), StyledSetting::Family | StyledSetting::Style);
        const QFontInfo shown(text->effectiveFont());
        EXPECT_EQ(shown.family(), platformFamily);
        EXPECT_EQ(shown.pixelSize(), 33);
        EXPECT_FALSE(shown.bold());
        EXPECT_FALSE(shown.italic());
        EXPECT_EQ(argb(text->effectiveFontColor()), argb(NormalText));
        EXPECT_EQ(text->effectiveAlignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        EXPECT_TRUE(text->effectiveWordWrap());
        EXPECT_EQ(text->align(), Align::Fit);
        EXPECT_FALSE(text->autoSize()); // not copied
        EXPECT_TRUE(text->isVisible());
        EXPECT_EQ(text->tag(), i);
        EXPECT_EQ(text->parentWidget(), RR[i]);
    }
}

TEST_F(TavixWindow, EveryBallIsARingCopiedFromCircle3AtItsOwnLeftEdge)
{
    for (int j = 1; j <= 7; ++j) {
        SCOPED_TRACE("WW[" + std::to_string(j) + "]");
        const TCircle *ball = WW[j];
        ASSERT_NE(ball, nullptr);
        EXPECT_EQ(ball->stroke().kind, BrushKind::Solid);
        EXPECT_EQ(argb(ball->stroke().color), argb(BallRing));
        EXPECT_EQ(ball->stroke().thickness, 3);
        EXPECT_EQ(ball->fill().kind, BrushKind::None);
        EXPECT_EQ(ball->align(), Align::None);
        EXPECT_EQ(ball->margins(), Margins{});
        // The width is Circle3's, the height a new shape's (not the template's 48), the left edge
        // (w + 4) j - w and the top a new control's.
        EXPECT_EQ(ball->bounds(), QRectF(42 * j - 38, 0, 38, 50));
        EXPECT_TRUE(ball->isVisible()); // the template's hidden state is not copied
        EXPECT_EQ(ball->tag(), j);
        EXPECT_EQ(ball->parentWidget(), window->Layout3);
        EXPECT_EQ(childWidgets(ball), (std::vector<const QWidget *>{WL[j]}));
    }
}

TEST_F(TavixWindow, EveryBallLabelShowsItsWinningValueInTahoma20Centred)
{
    for (int j = 1; j <= 7; ++j) {
        SCOPED_TRACE("WL[" + std::to_string(j) + "]");
        const TLabel *text = WL[j];
        ASSERT_NE(text, nullptr);
        const QString drawn = j < 7 ? QString::number(GO.WLine[j]) : QString::fromUtf8(Ltr[GO.WLine[7]].data(), 1);
        EXPECT_EQ(text->text(), drawn);
        EXPECT_EQ(text->styledSettings(), StyledSettings{});
        const QFontInfo shown(text->effectiveFont());
        EXPECT_EQ(shown.family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(shown.pixelSize(), 20);
        EXPECT_FALSE(shown.bold());
        EXPECT_EQ(argb(text->effectiveFontColor()), argb(NormalText));
        EXPECT_EQ(text->effectiveAlignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        EXPECT_TRUE(text->effectiveWordWrap());
        EXPECT_EQ(text->align(), Align::Center);
        EXPECT_EQ(text->bounds(), QRectF(-5, 12, 49, 25));
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
