// SPDX-License-Identifier: GPL-3.0-or-later
// Where every shown part of the window stands, at the window's own size and after a resize.
#include "window_fixture.h"

#include <cmath>

using namespace Brelun;
using tavix_test::TavixWindow;

namespace {

// One component: where the layout puts it on screen at 385 x 650 and at 500 x 650.
struct Place
{
    std::string name;
    std::function<const QWidget *(const TTavix &)> pick;
    QRectF at385;
    QRectF at500;
};

#define COMPONENT(name) #name, [](const TTavix &w) -> const QWidget * { return w.name; }

// The ticket card, the ball layout and Rectangle9 stay centred: 500 wide moves them 57 to the right
// (85 - 28 for the card, 53 - (-4) for Rectangle9, 100 - 43 for the balls).
constexpr qreal Shift500 = 57;

std::vector<Place> fixedLayout()
{
    return {
        // The main bands take the new width; the control area takes the height that is left.
        {COMPONENT(Rectangle16), {0, 0, 385, 650}, {0, 0, 500, 650}},
        {COMPONENT(Layout1), {0, 0, 385, 650}, {0, 0, 500, 650}},
        {COMPONENT(Rectangle5), {0, 0, 385, 50}, {0, 0, 500, 50}},
        {COMPONENT(RoundRect1), {0, 50, 385, 50}, {0, 50, 500, 50}},
        {COMPONENT(Rectangle1), {0, 100, 385, 295}, {0, 100, 500, 295}},
        {COMPONENT(Layout6), {0, 395, 385, 255}, {0, 395, 500, 255}},
        // The header stands at its given places.
        {COMPONENT(Label3), {8, 8, 49, 25}, {8, 8, 49, 25}},
        {COMPONENT(Label4), {152, 9, 65, 25}, {152, 9, 65, 25}},
        {COMPONENT(Label5), {55, 10, 65, 25}, {55, 10, 65, 25}},
        {COMPONENT(Label6), {112, 8, 49, 25}, {112, 8, 49, 25}},
        {COMPONENT(Label7), {278, 10, 65, 25}, {278, 10, 65, 25}},
        {COMPONENT(Label8), {218, 8, 65, 25}, {218, 8, 65, 25}},
        // The ball layout and the ticket card keep their sizes and stay centred.
        {COMPONENT(Layout3), {43, 50, 299, 50}, {100, 50, 299, 50}},
        {COMPONENT(Rectangle8), {28, 115, 329, 265}, {85, 115, 329, 265}},
        {COMPONENT(Layout2), {32, 127, 321, 241}, {89, 127, 321, 241}},
        // The rows, top to bottom 2, 7, 4, 6.
        {COMPONENT(Rectangle2), {38, 133, 309, 49}, {95, 133, 309, 49}},
        {COMPONENT(Rectangle7), {38, 194, 309, 49}, {95, 194, 309, 49}},
        {COMPONENT(Rectangle4), {38, 255, 309, 49}, {95, 255, 309, 49}},
        {COMPONENT(Rectangle6), {38, 316, 309, 49}, {95, 316, 309, 49}},
        // The control area: Rectangle9 centred, wider than the window; the controls keep their
        // places inside it, "Show" its place in Layout6.
        {COMPONENT(Rectangle9), {-4, 395, 393, 255}, {53, 395, 393, 255}},
        {COMPONENT(Layout4), {3, 411, 378, 55}, {60, 411, 378, 55}},
        {COMPONENT(Layout5), {4, 477, 377, 63}, {61, 477, 377, 63}},
        {COMPONENT(Rectangle10), {11, 411, 65, 55}, {68, 411, 65, 55}},
        {COMPONENT(Rectangle14), {84, 411, 65, 55}, {141, 411, 65, 55}},
        {COMPONENT(Rectangle13), {157, 411, 65, 55}, {214, 411, 65, 55}},
        {COMPONENT(Rectangle12), {230, 411, 65, 55}, {287, 411, 65, 55}},
        {COMPONENT(Rectangle11), {303, 411, 65, 55}, {360, 411, 65, 55}},
        {COMPONENT(Rectangle15), {12, 477, 169, 63}, {69, 477, 169, 63}},
        {COMPONENT(Rectangle19), {189, 477, 180, 63}, {246, 477, 180, 63}},
        // Captions centred in their controls at trunc((control - label) / 2).
        {COMPONENT(Label9), {15, 418, 57, 41}, {72, 418, 57, 41}},
        {COMPONENT(Label13), {87, 414, 59, 49}, {144, 414, 59, 49}},
        {COMPONENT(Label12), {161, 418, 57, 41}, {218, 418, 57, 41}},
        {COMPONENT(Label11), {232, 418, 60, 41}, {289, 418, 60, 41}},
        {COMPONENT(Label10), {307, 418, 57, 41}, {364, 418, 57, 41}},
        {COMPONENT(Label14), {21, 495, 150, 27}, {78, 495, 150, 27}},
        {COMPONENT(Label18), {190, 495, 177, 27}, {247, 495, 177, 27}},
        {COMPONENT(Button1), {264, 587, 80, 41}, {264, 587, 80, 41}},
    };
}

#undef COMPONENT

// The board: cells by row, left to right, and the seven balls.
std::vector<Place> board()
{
    std::vector<Place> places;
    constexpr std::array rowTops{133, 194, 255, 316};
    constexpr std::array numberLefts{42, 96, 150, 204};
    constexpr int letterLeft = 297;
    // A cell's label, 49 x 40 scaled by 50/49 to fit its cell, centred down: 50 x 40.8 at 4.1.
    constexpr qreal labelHeight = 40.0 * 50 / 49;
    constexpr qreal labelTop = (49 - labelHeight) / 2;

    const auto addCell = [&](int i, qreal left, qreal top) {
        const QRectF cell(left, top, 50, 49);
        const QRectF text(left, top + labelTop, 50, labelHeight);
        places.push_back({"RR[" + std::to_string(i) + "]", [i](const TTavix &) { return RR[i]; },
                          cell, cell.translated(Shift500, 0)});
        places.push_back({"LL[" + std::to_string(i) + "]", [i](const TTavix &) { return LL[i]; },
                          text, text.translated(Shift500, 0)});
    };
    for (int r = 1; r <= 4; ++r) {
        const qreal top = rowTops[std::size_t(r - 1)];
        // Number cells run right to left within their row: RR[4r] leftmost, RR[4r - 3] next to the letter.
        for (int column = 0; column < 4; ++column)
            addCell(4 * r - column, numberLefts[std::size_t(column)], top);
        addCell(16 + r, letterLeft, top);
    }

    constexpr std::array ballLefts{47, 89, 131, 173, 215, 257, 299};
    for (int j = 1; j <= 7; ++j) {
        const QRectF ball(ballLefts[std::size_t(j - 1)], 50, 38, 50);
        // The label, 49 x 25, at (-5, 12) in its ball: trunc(-5.5) and trunc(12.5).
        const QRectF text = QRectF(-5, 12, 49, 25).translated(ball.topLeft());
        places.push_back({"WW[" + std::to_string(j) + "]", [j](const TTavix &) { return WW[j]; },
                          ball, ball.translated(Shift500, 0)});
        places.push_back({"WL[" + std::to_string(j) + "]", [j](const TTavix &) { return WL[j]; },
                          text, text.translated(Shift500, 0)});
    }
    return places;
}

std::vector<Place> everyPlace()
{
    std::vector<Place> places = fixedLayout();
    const std::vector<Place> cells = board();
    places.insert(places.end(), cells.begin(), cells.end());
    return places;
}

// The widget covers whole units: the edges of its place, rounded.
QRect wholeUnits(const QRectF &r)
{
    const int left = qRound(r.left());
    const int top = qRound(r.top());
    return {left, top, qRound(r.right()) - left, qRound(r.bottom()) - top};
}

void expectNear(const QRectF &actual, const QRectF &expected)
{
    constexpr qreal tolerance = 1e-9;
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
    EXPECT_NEAR(actual.width(), expected.width(), tolerance);
    EXPECT_NEAR(actual.height(), expected.height(), tolerance);
}

void expectPlaces(const TTavix &window, QRectF Place::*column)
{
    for (const Place &place : everyPlace()) {
        SCOPED_TRACE(place.name);
        const QWidget *widget = place.pick(window);
        ASSERT_NE(widget, nullptr);
        const QRectF expected = place.*column;
        EXPECT_EQ(tavix_test::onScreen(widget, &window), wholeUnits(expected));
        if (const auto *control = qobject_cast<const TControl *>(widget))
            expectNear(tavix_test::boundsOnScreen(control, &window), expected);
    }
}

std::vector<QRectF> cellPlacesInTheirRows()
{
    std::vector<QRectF> places;
    for (const TRectangle *cell : RR)
        places.push_back(cell->bounds());
    return places;
}

} // namespace

TEST_F(TavixWindow, EveryShownComponentCellAndBallStandsWhereTheLayoutPutsIt)
{
    EXPECT_EQ(window->size(), QSize(385, 650));
    expectPlaces(*window, &Place::at385);
}

TEST_F(TavixWindow, AWindowResizedTo500WideWidensTheBandsAndKeepsTheCentredPartsCentred)
{
    resizeTo(500, 650);
    expectPlaces(*window, &Place::at500);
}

TEST_F(TavixWindow, AResizeMovesNoCellWithinItsRowAndBackAgainRestoresEveryPlace)
{
    const std::vector<QRectF> before = cellPlacesInTheirRows();
    resizeTo(500, 650);
    EXPECT_EQ(cellPlacesInTheirRows(), before);
    // Smaller than the window's content: the control area has no height left.
    resizeTo(200, 300);
    EXPECT_EQ(cellPlacesInTheirRows(), before);
    resizeTo(385, 650);
    EXPECT_EQ(cellPlacesInTheirRows(), before);
    expectPlaces(*window, &Place::at385);
}

// A frame dragged down to a sliver and back: the bands must come back in their order, whatever
// sizes the window passed through.
TEST_F(TavixWindow, EveryPlaceComesBackAfterAWindowTooLowOrTooNarrowForItsBands)
{
    const std::array<QSize, 8> slivers{QSize(385, 50), QSize(385, 1), QSize(385, 49), QSize(1, 650),
                                       QSize(1, 1), QSize(200, 100), QSize(385, 150), QSize(4000, 3000)};
    for (const QSize sliver : slivers) {
        SCOPED_TRACE("through " + std::to_string(sliver.width()) + " x " + std::to_string(sliver.height()));
        resizeTo(sliver.width(), sliver.height());
        for (const QSize later : {QSize(800, 900), QSize(200, 650), QSize(385, 400)}) {
            resizeTo(later.width(), later.height());
            EXPECT_EQ(at(window->RoundRect1), QRect(0, 50, later.width(), 50));
            EXPECT_EQ(at(window->Rectangle1), QRect(0, 100, later.width(), 295));
        }
        resizeTo(500, 650);
        expectPlaces(*window, &Place::at500);
        resizeTo(385, 650);
        expectPlaces(*window, &Place::at385);
    }
}

TEST_F(TavixWindow, CellsStandAtTheirLeftEdgesInsideTheirRows)
{
    // Inside a row of 309 x 49: four slots of 4 + 50 from the left, the letter cell at 309 - 50.
    constexpr std::array lefts{166.0, 112.0, 58.0, 4.0}; // RR[4r - 3] .. RR[4r]
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE("RR[" + std::to_string(i) + "]");
        const qreal left = i <= 16 ? lefts[std::size_t((i - 1) % 4)] : 259.0;
        EXPECT_EQ(RR[i]->bounds(), QRectF(left, 0, 50, 49));
    }
}
