// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deal.h"

#include "game/chance.h"
#include "game/faces.h"
#include "game/state.h"
#include "game/wrap.h"

#include <string>
#include <utility>

namespace Brelun {

namespace {

int draw(int low, int high)
{
    return static_cast<int>(gen(low, high)); // the callers' ranges fit in 32 bits
}

// Every position exchanges with one drawn from the whole range, visited positions included. The
// orders this gives are uneven on purpose: they are part of the game's character.
template <typename Line>
void shuffle(Line &line)
{
    for (int i = line.first(); i <= line.last(); ++i) {
        line[i] = i;
    }
    for (int i = line.first(); i <= line.last(); ++i) {
        std::swap(line[i], line[draw(line.first(), line.last())]);
    }
}

} // namespace

void GenLine()
{
    shuffle(GO.FLine);
    shuffle(GO.LLine);
    GO.SlctCount = 0;
    GO.SelDCount = 0;
    GO.SelLCount = 0;
    GO.go = false;
    GO.Win = 0;
}

void GenWinLine()
{
    Array1<std::int32_t, 16> d;
    for (int k = 1; k <= 16; ++k) {
        d[k] = k;
    }
    for (int i = 1; i <= 6;) {
        const int k = draw(1, 16);
        if (d[k] == k) { // a number already drawn is drawn again, never moved to a neighbour
            GO.WLine[i] = k;
            d[k] = 0;
            ++i;
        }
    }
    GO.WLine[7] = draw(1, 4);
    for (int i = 1; i <= 6; ++i) {
        faces.balls[i]->setFaceText(std::to_string(GO.WLine[i]));
    }
    faces.balls[7]->setFaceText(Ltr[GO.WLine[7]]);
}

void initNewLoto()
{
    for (TextFace *cell : faces.cells) {
        cell->setFaceText({});
        cell->setFaceColor(NormalTextColor);
    }
    for (TextFace *ball : faces.balls) { // the balls keep the winning line, only their colour resets
        ball->setFaceColor(NormalTextColor);
    }
    GO.Chips = wrapAdd(GO.Chips, GO.Win);
    faces.win->setFaceText("0");
    faces.chips->setFaceText(std::to_string(GO.Chips));
    faces.show->setFaceVisible(false);
    GenLine();
}

void ShowTiket()
{
    for (int i = 1; i <= 16; ++i) {
        faces.cells[i]->setFaceText(std::to_string(GO.FLine[i]));
    }
    for (int j = 1; j <= 4; ++j) {
        faces.cells[16 + j]->setFaceText(Ltr[GO.LLine[j]]);
    }
}

} // namespace Brelun
