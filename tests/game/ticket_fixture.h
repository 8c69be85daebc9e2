// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game_fixture.h"

#include "game/rules.h"
#include "game/state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace fakes {

// One dealt ticket with a known winning line, stake 10 and chips 490, written straight into
// the game state. No number sits in the cell of the same index, so a rule that confused a
// cell with its number would show.
//
//   cell    1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16   17 18 19 20
//   holds   8 13  2  7 12  1  6 11 16  5 10 15  4  9 14  3    C  T  R  L
//
// Winning line: 2 13 16 7 11 5, letter R. The winners lie in cells 3 2 9 4 8 10 (balls 1 to 6),
// the winning letter in cell 19.
class TicketTest : public GameTest
{
protected:
    static constexpr int R = 1, L = 2, C = 3, T = 4;
    static constexpr int WinningLetterCell = 19;
    static constexpr int OtherLetterCell = 17;

    TicketTest()
    {
        Brelun::GO.FLine = {{8, 13, 2, 7, 12, 1, 6, 11, 16, 5, 10, 15, 4, 9, 14, 3}};
        Brelun::GO.LLine = {{C, T, R, L}};
        Brelun::GO.WLine = {{2, 13, 16, 7, 11, 5, R}};
        Brelun::GO.Bet = 10;
        Brelun::GO.Chips = 490;
    }

    // The cell that holds a number.
    static int cellOf(std::int32_t number)
    {
        for (int k = 1; k <= 16; ++k) {
            if (Brelun::GO.FLine[k] == number)
                return k;
        }
        ADD_FAILURE() << "no cell holds " << number;
        return 1;
    }

    // The cell holding the i-th winning number (ball i).
    static int winnerCell(int i) { return cellOf(Brelun::GO.WLine[i]); }

    // The cells whose numbers are not in the winning line, lowest first.
    static std::vector<int> loserCells()
    {
        std::vector<int> cells;
        for (int k = 1; k <= 16; ++k) {
            bool wins = false;
            for (int i = 1; i <= 6; ++i)
                wins = wins || Brelun::GO.FLine[k] == Brelun::GO.WLine[i];
            if (!wins)
                cells.push_back(k);
        }
        return cells;
    }

    // The six number choices of a game: the first `hits` winners, then losers.
    static void openNumbers(int hits)
    {
        for (int i = 1; i <= hits; ++i)
            Brelun::clickCell(winnerCell(i));
        const std::vector<int> losers = loserCells();
        for (int n = 0; n < 6 - hits; ++n)
            Brelun::clickCell(losers.at(static_cast<std::size_t>(n)));
    }
};

} // namespace fakes
