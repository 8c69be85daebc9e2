// SPDX-License-Identifier: GPL-3.0-or-later
// The alignment rules checked against the numbers of the game window: every band, row, card
// and control stands where the window's layout says, also when the children do not stand in
// their on-screen order and when their current places are stale.

#include "alignment_table.h"

using Toolkit::Align;
using Toolkit::Margins;

namespace {

using namespace aligntable;

const Margins six = all(6);
const Margins betMargin = leftOnly(8);
const Margins cellMargin = leftOnly(4);

const Row windowRows[] = {
    {"TopBandsStackByTheirTopsAndTheControlAreaTakesWhatIsLeft",
     {385, 650},
     {item(Align::Top, {0, 0, 100, 50}), item(Align::Top, {0, 100, 100, 295}),
      item(Align::Top, {0, 50, 100, 50}), item(Align::Client, {0, 0, 50, 50})},
     {{0, 0, 385, 50}, {0, 100, 385, 295}, {0, 50, 385, 50}, {0, 395, 385, 255}}},

    {"WindowWidenedTo500StretchesTheBandsAndTheControlArea",
     {500, 650},
     {item(Align::Top, {0, 0, 385, 50}), item(Align::Top, {0, 100, 385, 295}),
      item(Align::Top, {0, 50, 385, 50}), item(Align::Client, {0, 395, 385, 255})},
     {{0, 0, 500, 50}, {0, 100, 500, 295}, {0, 50, 500, 50}, {0, 395, 500, 255}}},

    {"TicketRowsStackByTheirTopsInsideTheirMargins",
     {321, 241},
     {item(Align::MostTop, {6, 6, 50, 49}, six), item(Align::MostTop, {6, 128, 50, 49}, six),
      item(Align::MostTop, {6, 189, 50, 49}, six), item(Align::MostTop, {6, 67, 50, 49}, six)},
     {{6, 6, 309, 49}, {6, 128, 309, 49}, {6, 189, 309, 49}, {6, 67, 309, 49}}},

    {"TicketRowsTakeTheSameSlotsWhateverTheirChildOrder",
     {321, 241},
     {item(Align::MostTop, {0, 180, 309, 49}, six), item(Align::MostTop, {0, 0, 309, 49}, six),
      item(Align::MostTop, {0, 120, 309, 49}, six), item(Align::MostTop, {0, 60, 309, 49}, six)},
     {{6, 189, 309, 49}, {6, 6, 309, 49}, {6, 128, 309, 49}, {6, 67, 309, 49}}},

    {"TicketCardCentresInTheTicketArea",
     {385, 295},
     {item(Align::Center, {0, 0, 329, 265})},
     {{28, 15, 329, 265}}},

    {"RowsLayoutCentresInTheTicketCard",
     {329, 265},
     {item(Align::Center, {0, 0, 321, 241})},
     {{4, 12, 321, 241}}},

    {"BallLayoutCentresInTheBallBand",
     {385, 50},
     {item(Align::Center, {0, 0, 299, 50})},
     {{43, 0, 299, 50}}},

    {"ControlAreaBackgroundCentresAcrossThoughWiderThanTheWindow",
     {385, 255},
     {item(Align::HorzCenter, {0, 0, 393, 10})},
     {{-4, 0, 393, 255}}},

    {"WindowWidenedTo500KeepsTheTicketCardCentred",
     {500, 295},
     {item(Align::Center, {28, 15, 329, 265})},
     {{85, 15, 329, 265}}},

    {"WindowWidenedTo500KeepsTheControlAreaBackgroundCentred",
     {500, 255},
     {item(Align::HorzCenter, {-4, 0, 393, 255})},
     {{53, 0, 393, 255}}},

    {"BetControlsStackByTheirGivenLeftsNotTheirChildOrder",
     {378, 55},
     {item(Align::MostLeft, {8, 0, 65, 55}, betMargin), item(Align::MostLeft, {300, 0, 65, 55}, betMargin),
      item(Align::MostLeft, {227, 0, 65, 55}, betMargin), item(Align::MostLeft, {154, 0, 65, 55}, betMargin),
      item(Align::MostLeft, {81, 0, 65, 55}, betMargin)},
     {{8, 0, 65, 55}, {300, 0, 65, 55}, {227, 0, 65, 55}, {154, 0, 65, 55}, {81, 0, 65, 55}}},

    {"BetControlsTakeTheSameSlotsFromStalePlaces",
     {378, 55},
     {item(Align::MostLeft, {0, 9, 65, 10}, betMargin), item(Align::MostLeft, {40, 9, 65, 10}, betMargin),
      item(Align::MostLeft, {30, 9, 65, 10}, betMargin), item(Align::MostLeft, {20, 9, 65, 10}, betMargin),
      item(Align::MostLeft, {10, 9, 65, 10}, betMargin)},
     {{8, 0, 65, 55}, {300, 0, 65, 55}, {227, 0, 65, 55}, {154, 0, 65, 55}, {81, 0, 65, 55}}},

    {"StartLottoStandsAfterChangeValuesAndBothMargins",
     {377, 63},
     {item(Align::MostLeft, {0, 0, 169, 63}, betMargin),
      item(Align::MostLeft, {1, 0, 180, 63}, {.left = 8, .right = 12})},
     {{8, 0, 169, 63}, {185, 0, 180, 63}}},

    {"CaptionLabelCentresInItsControl",
     {65, 55},
     {item(Align::Center, {0, 0, 60, 41})},
     {{2, 7, 60, 41}}},

    {"CellLabelFitsItsCellKeepingItsProportionsAndCentres",
     {50, 49},
     {item(Align::Fit, {0, 0, 49, 40})},
     {{0, 4.0918367, 50, 40.8163265}}},

    {"NewCellAtZeroTakesTheLeftmostSlotAndPushesTheOthersRight",
     {309, 49},
     {item(Align::MostLeft, {4, 0, 50, 49}, cellMargin), item(Align::MostLeft, {58, 0, 50, 49}, cellMargin),
      item(Align::MostLeft, {0, 0, 50, 50}, cellMargin)},
     {{58, 0, 50, 49}, {112, 0, 50, 49}, {4, 0, 50, 49}}},

    {"LetterCellStandsAtTheRightEndOfItsRow",
     {309, 49},
     {item(Align::MostLeft, {4, 0, 50, 49}, cellMargin), item(Align::MostLeft, {58, 0, 50, 49}, cellMargin),
      item(Align::MostLeft, {112, 0, 50, 49}, cellMargin), item(Align::MostLeft, {166, 0, 50, 49}, cellMargin),
      item(Align::MostRight, {0, 0, 50, 50}, cellMargin)},
     {{4, 0, 50, 49}, {58, 0, 50, 49}, {112, 0, 50, 49}, {166, 0, 50, 49}, {259, 0, 50, 49}}},

    {"HiddenCellTemplateTakesNoRoomInItsRow",
     {309, 49},
     {hidden(Align::MostLeft, {4, 0, 49, 49}), item(Align::MostLeft, {0, 0, 50, 50}, cellMargin)},
     {{4, 0, 49, 49}, {4, 0, 50, 49}}},
};

TEST_P(LaysOut, EveryChildWhereTheWindowShowsIt)
{
    expectRow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(TheWindow, LaysOut, ::testing::ValuesIn(windowRows), rowName);

} // namespace
