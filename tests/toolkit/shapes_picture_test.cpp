// SPDX-License-Identifier: GPL-3.0-or-later
// What the shapes draw, read back from the window's picture pixel by pixel: outlines inside
// the box, the kinds of fill, rounded corners, the rounded band and the circle.

#include "form_fixture.h"

using Toolkit::BrushKind;
using Toolkit::Corner;
using Toolkit::Fill;

namespace {

using namespace toolkittest;

constexpr QRgb Beneath = 0xFF0000FF;  // what shows where a shape draws nothing
constexpr QRgb FillColour = 0xFF00FF00;
constexpr QRgb OutlineColour = 0xFFFF0000;

class ShapePicture : public FormTest
{
protected:
    ShapePicture() { addFilled<TRectangle>(&form, &form, {0, 0, 120, 80}, Beneath); }

    template <typename T>
    T *shape(QRectF bounds)
    {
        return addFilled<T>(&form, &form, bounds, FillColour);
    }

    // Shows the window and checks the colour at each point, in the window's coordinates.
    void expectColours(std::initializer_list<std::pair<QPointF, QRgb>> probes, int tolerance = 0)
    {
        showForm();
        const QImage picture = pictureOf(form);
        for (const auto &[at, colour] : probes) {
            SCOPED_TRACE("at " + std::to_string(at.x()) + ", " + std::to_string(at.y()));
            EXPECT_TRUE(colourNear(colourAt(picture, at), colour, tolerance));
        }
    }
};

TEST_F(ShapePicture, NewShapeHasAGreyFillInsideABlackOutline)
{
    add<TRectangle>(&form, &form, {10, 10, 50, 50});
    expectColours({{{35, 35}, 0xFFE0E0E0}, {{10, 35}, 0xFF000000}, {{59, 35}, 0xFF000000},
                   {{35, 10}, 0xFF000000}, {{35, 59}, 0xFF000000}, {{60, 35}, Beneath}, {{9, 35}, Beneath}});
}

TEST_F(ShapePicture, OutlineLiesWhollyInsideTheBox)
{
    auto *box = shape<TRectangle>({10, 10, 40, 30});
    box->setStroke({.kind = BrushKind::Solid, .color = OutlineColour, .thickness = 4});
    expectColours({// left edge: four pixels of outline from the box's edge inward
                   {{9, 25}, Beneath}, {{10, 25}, OutlineColour}, {{13, 25}, OutlineColour}, {{14, 25}, FillColour},
                   // right edge
                   {{45, 25}, FillColour}, {{46, 25}, OutlineColour}, {{49, 25}, OutlineColour}, {{50, 25}, Beneath},
                   // top and bottom edges
                   {{30, 9}, Beneath}, {{30, 10}, OutlineColour}, {{30, 13}, OutlineColour}, {{30, 14}, FillColour},
                   {{30, 35}, FillColour}, {{30, 36}, OutlineColour}, {{30, 39}, OutlineColour}, {{30, 40}, Beneath}});
}

TEST_F(ShapePicture, FillNoneShowsWhatLiesBeneathInsideTheOutline)
{
    auto *box = shape<TRectangle>({10, 10, 40, 30});
    Fill none;
    none.kind = BrushKind::None;
    box->setFill(none);
    box->setStroke({.kind = BrushKind::Solid, .color = OutlineColour, .thickness = 2});
    expectColours({{{30, 25}, Beneath}, {{10, 25}, OutlineColour}, {{11, 25}, OutlineColour}, {{12, 25}, Beneath}});
}

TEST_F(ShapePicture, WithNeitherFillNorOutlineDrawsNothing)
{
    auto *box = shape<TRectangle>({10, 10, 40, 30});
    Fill none;
    none.kind = BrushKind::None;
    box->setFill(none);
    expectColours({{{10, 10}, Beneath}, {{30, 25}, Beneath}, {{49, 39}, Beneath}});
}

TEST_F(ShapePicture, GradientFillShadesBetweenItsPointsAsTheHeaderBand)
{
    auto *band = shape<TRectangle>({10, 0, 40, 80});
    Fill gradient;
    gradient.kind = BrushKind::Gradient;
    gradient.gradient = {.start = {0.5, 1.0}, .stop = {0.49999997, 0.0},
                         .stops = {{0.0, QColor::fromRgba(0xFF00BFFF)}, {1.0, QColor::fromRgba(0xFFFFFFFF)}}};
    band->setFill(gradient);
    // Pixel rows sit half a unit inside the ends, so the ends are within a few steps of their colours.
    expectColours({{{30, 79}, 0xFF00BFFF}, {{30, 40}, 0xFF80DFFF}, {{30, 0}, 0xFFFFFFFF}, {{10, 40}, 0xFF80DFFF},
                   {{49, 40}, 0xFF80DFFF}},
                  4);
}

TEST_F(ShapePicture, RoundedCornersLetWhatLiesBeneathShowInTheCorner)
{
    auto *box = shape<TRectangle>({10, 10, 40, 40});
    box->setRadii(10, 10);
    expectColours({{{10, 10}, Beneath}, {{11, 11}, Beneath}, {{49, 10}, Beneath}, {{10, 49}, Beneath}, {{49, 49}, Beneath},
                   {{30, 10}, FillColour}, {{10, 30}, FillColour}, {{49, 30}, FillColour}, {{30, 49}, FillColour},
                   {{30, 30}, FillColour}});
}

TEST_F(ShapePicture, XRadiusRoundsAcrossAndYRadiusDown)
{
    auto *box = shape<TRectangle>({10, 10, 60, 40});
    box->setRadii(20, 5);
    // 5 units along the top edge is still inside the wide horizontal curve, 8 units down the
    // left edge is already past the short vertical one.
    expectColours({{{15, 10}, Beneath}, {{10, 18}, FillColour}, {{40, 10}, FillColour}, {{10, 11}, Beneath}});
}

TEST_F(ShapePicture, RoundRectRoundsOnlyItsChosenCornersWithHalfItsShorterSide)
{
    auto *band = shape<TRoundRect>({10, 10, 60, 20});
    band->setCorners(Corner::BottomLeft | Corner::BottomRight);
    expectColours({{{10, 10}, FillColour}, {{69, 10}, FillColour}, {{10, 29}, Beneath}, {{69, 29}, Beneath},
                   {{11, 27}, Beneath}, {{20, 29}, FillColour}, {{40, 29}, FillColour}, {{10, 19}, FillColour}});
}

TEST_F(ShapePicture, RoundRectRoundsAllFourCornersUnlessToldOtherwise)
{
    shape<TRoundRect>({10, 10, 60, 20});
    expectColours({{{10, 10}, Beneath}, {{69, 10}, Beneath}, {{10, 29}, Beneath}, {{69, 29}, Beneath},
                   {{40, 20}, FillColour}});
}

TEST_F(ShapePicture, CircleInAWideBoxIsAsWideAsTheBoxIsHighAndCentred)
{
    shape<TCircle>({10, 10, 60, 20});
    expectColours({{{40, 20}, FillColour}, {{31, 20}, FillColour}, {{48, 20}, FillColour}, {{40, 11}, FillColour},
                   {{40, 28}, FillColour}, {{28, 20}, Beneath}, {{51, 20}, Beneath}, {{12, 20}, Beneath},
                   {{68, 20}, Beneath}, {{31, 11}, Beneath}});
}

TEST_F(ShapePicture, CircleInATallBoxIsAsWideAsTheBoxAndCentred)
{
    shape<TCircle>({10, 10, 20, 60});
    expectColours({{{20, 40}, FillColour}, {{20, 31}, FillColour}, {{20, 48}, FillColour}, {{20, 28}, Beneath},
                   {{20, 51}, Beneath}, {{20, 12}, Beneath}});
}

TEST_F(ShapePicture, CircleOutlineLiesInsideItsBox)
{
    auto *ring = shape<TCircle>({10, 10, 40, 40});
    Fill none;
    none.kind = BrushKind::None;
    ring->setFill(none);
    ring->setStroke({.kind = BrushKind::Solid, .color = OutlineColour, .thickness = 3});
    expectColours({{{9, 30}, Beneath}, {{11, 30}, OutlineColour}, {{30, 11}, OutlineColour}, {{48, 30}, OutlineColour},
                   {{30, 48}, OutlineColour}, {{30, 30}, Beneath}, {{14, 30}, Beneath}},
                  40);
}

} // namespace
