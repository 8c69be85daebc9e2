// SPDX-License-Identifier: GPL-3.0-or-later
// Where every shown part of the window stands, at the window's own size and after a resize.
#include "window_fixture.h"

#include <cmath>

using namespace Brelun;
using tavix_test::TavixWindow;

namespace screen = tavix_test::screen;

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

// A place of the screen table in a window 500 wide, where the centred parts stand.
QRectF centredAt500(const QRect &place)
{
    return QRectF(place).translated(Shift500, 0);
}

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
        {COMPONENT(Label3), screen::winCaption, screen::winCaption},
        {COMPONENT(Label4), screen::betDisplay, screen::betDisplay},
        {COMPONENT(Label5), screen::winDisplay, screen::winDisplay},
        {COMPONENT(Label6), screen::betCaption, screen::betCaption},
        {COMPONENT(Label7), screen::chipsDisplay, screen::chipsDisplay},
        {COMPONENT(Label8), screen::chipsCaption, screen::chipsCaption},
        // The ball layout and the ticket card keep their sizes and stay centred.
        {COMPONENT(Layout3), screen::ballRow, centredAt500(screen::ballRow)},
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
        {COMPONENT(Rectangle10), screen::plusOne, centredAt500(screen::plusOne)},
        {COMPONENT(Rectangle14), screen::plusTen, centredAt500(screen::plusTen)},
        {COMPONENT(Rectangle13), screen::timesTwo, centredAt500(screen::timesTwo)},
        {COMPONENT(Rectangle12), screen::timesTen, centredAt500(screen::timesTen)},
        {COMPONENT(Rectangle11), screen::timesNought, centredAt500(screen::timesNought)},
        {COMPONENT(Rectangle15), screen::changeValues, centredAt500(screen::changeValues)},
        {COMPONENT(Rectangle19), screen::startLotto, centredAt500(screen::startLotto)},
        // Captions centred in their controls at trunc((control - label) / 2).
        {COMPONENT(Label9), {15, 418, 57, 41}, {72, 418, 57, 41}},
        {COMPONENT(Label13), {87, 414, 59, 49}, {144, 414, 59, 49}},
        {COMPONENT(Label12), {161, 418, 57, 41}, {218, 418, 57, 41}},
        {COMPONENT(Label11), {232, 418, 60, 41}, {289, 418, 60, 41}},
        {COMPONENT(Label10), {307, 418, 57, 41}, {364, 418, 57, 41}},
        {COMPONENT(Label14), {21, 495, 150, 27}, {78, 495, 150, 27}},
        {COMPONENT(Label18), {190, 495, 177, 27}, {247, 495, 177, 27}},
        {COMPONENT(Button1), screen::show, screen::show},
    };
}

#undef COMPONENT

// The board: the twenty cells and the seven balls, with the labels that show their texts.
std::vector<Place> board()
{
    std::vector<Place> places;
    // A cell's label, 49 x 40 scaled by 50/49 to fit its cell, centred down: 50 x 40.8 at 4.1.
    constexpr qreal labelHeight = 40.0 * 50 / 49;
    constexpr qreal labelTop = (49 - labelHeight) / 2;

    for (int i = 1; i <= 20; ++i) {
        const QRectF cell = screen::cell(i);
        const QRectF text(cell.left(), cell.top() + labelTop, 50, labelHeight);
        places.push_back({"RR[" + std::to_string(i) + "]", [i](const TTavix &) { return RR[i]; },
                          cell, cell.translated(Shift500, 0)});
        places.push_back({"LL[" + std::to_string(i) + "]", [i](const TTavix &) { return LL[i]; },
                          text, text.translated(Shift500, 0)});
    }

    for (int j = 1; j <= 7; ++j) {
        const QRectF ball = screen::ball(j);
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
    EXPECT_EQ(window->size(), screen::window.size());
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
