// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules.h"

#include "game/deal.h"
#include "game/faces.h"
#include "game/state.h"
#include "game/wrap.h"

#include <cassert>
#include <limits>
#include <string>

namespace Brelun {

namespace {

constexpr int NumberCells = 16;
constexpr int NumberChoices = 6;

// The counters only ever climb by one; they stop at the top of their range instead of
// overflowing, so that even billions of clicks cannot carry them back into the opening phase.
void countUp(std::int32_t &counter)
{
    if (counter < std::numeric_limits<std::int32_t>::max())
        ++counter;
}

void showStakeAndChips()
{
    faces.stake->setFaceText(std::to_string(GO.Bet));
    faces.chips->setFaceText(std::to_string(GO.Chips));
}

// The multiplier that the counts of this game earn, or 0 where they earn nothing.
std::int32_t payoutMultiplier()
{
    const bool letter = GO.SelLCount == 1;
    switch (GO.SelDCount) {
    case 6:
        return letter ? Kwn[1] : Kwn[2];
    case 5:
        return letter ? Kwn[3] : Kwn[4];
    case 4:
        return letter ? Kwn[5] : Kwn[6];
    case 3:
        return letter ? Kwn[7] : 0;
    default:
        return 0;
    }
}

bool openedThisGame(int k)
{
    for (int n = 1; n < GO.SlctCount; ++n) {
        if (GO.Slct[n] == k)
            return true;
    }
    return false;
}

// One of the first six choices. Returns false when the click is refused.
bool chooseNumber(int k)
{
    // A letter cannot be chosen yet, and a number cell opened earlier in this game cannot be
    // chosen twice: counting it again would score its match twice and open the letter too early.
    if (k > NumberCells || openedThisGame(k)) {
        --GO.SlctCount;
        return false;
    }
    GO.Slct[GO.SlctCount] = k;
    const std::int32_t number = GO.FLine[k];
    for (int i = 1; i <= NumberChoices; ++i) {
        if (number == GO.WLine[i]) {
            faces.cells[k]->setFaceColor(HighlightColor);
            faces.balls[i]->setFaceColor(HighlightColor);
            countUp(GO.SelDCount);
        }
    }
    faces.cells[k]->setFaceText(std::to_string(number));
    return true;
}

void chooseLetter(int k)
{
    const std::int32_t letter = GO.LLine[k - NumberCells];
    faces.cells[k]->setFaceText(Ltr[letter]);
    if (letter == GO.WLine[7]) {
        faces.cells[k]->setFaceColor(HighlightColor);
        faces.balls[7]->setFaceColor(HighlightColor);
        countUp(GO.SelLCount);
    }
    GO.Chips = wrapSub(GO.Chips, GO.Bet);
    faces.chips->setFaceText(std::to_string(GO.Chips));
    GO.go = false;
    faces.show->setFaceVisible(true);
}

} // namespace

void pressBet(BetKey key)
{
    if (GO.go)
        return;
    const std::int32_t oldBet = GO.Bet;
    switch (key) {
    case BetKey::PlusOne:
        GO.Bet = wrapAdd(GO.Bet, 1);
        GO.Chips = wrapSub(GO.Chips, 1);
        break;
    case BetKey::PlusTen:
        GO.Bet = wrapAdd(GO.Bet, 10);
        GO.Chips = wrapSub(GO.Chips, 10);
        break;
    case BetKey::Double:
        GO.Bet = wrapAdd(GO.Bet, GO.Bet);
        GO.Chips = wrapSub(GO.Chips, oldBet);
        break;
    case BetKey::TimesTen:
        GO.Bet = wrapMul(GO.Bet, 10);
        GO.Chips = wrapSub(GO.Chips, wrapSub(GO.Bet, oldBet));
        break;
    case BetKey::Zero:
        GO.Chips = wrapAdd(GO.Chips, GO.Bet);
        GO.Bet = 0;
        break;
    }
    showStakeAndChips();
}

void pressChangeValues()
{
    if (GO.go)
        return;
    GenWinLine();
}

void pressStartLotto()
{
    if (GO.go)
        return;
    initNewLoto();
}

void clickCell(int k)
{
    assert(k >= 1 && k <= 20);
    GO.go = true;
    countUp(GO.SlctCount);
    if (GO.SlctCount <= NumberChoices) {
        if (!chooseNumber(k))
            return;
    } else if (k > NumberCells) {
        chooseLetter(k);
    }
    // A number cell after the six choices opens nothing, but the win is still worked out again.
    GO.Win = wrapMul(GO.Bet, payoutMultiplier());
    faces.win->setFaceText(std::to_string(GO.Win));
}

void clickShow()
{
    faces.show->setFaceVisible(false);
    ShowTiket();
}

} // namespace Brelun
