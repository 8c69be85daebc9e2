// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/onebased.h"

#include <cstdint>
#include <string_view>

namespace Brelun {

// The whole memory of the game, read and written in place by the rules and the window's handlers.
struct Tgo
{
    std::int32_t Win = 0; // the stake times the multiplier earned so far
    std::int32_t Bet = 0; // the stake; carries over from game to game
    std::int32_t Chips = 0; // the player's balance; may go below zero
    Array1<std::int32_t, 16> FLine; // FLine[i]: the number hidden in number cell i
    Array1<std::int32_t, 4> LLine; // LLine[j]: the letter index hidden in row j's letter cell
    Array1<std::int32_t, 7> WLine; // six winning numbers in drawn order, then the letter index
    Array1<std::int32_t, 7> Slct; // the cells accepted as number choices, in order
    std::int32_t SelDCount = 0; // winning numbers found among the opened number cells
    std::int32_t SelLCount = 0; // times the winning letter was opened this game
    std::int32_t SlctCount = 0; // cell clicks accepted this game
    bool go = false; // a game is under way: the bet and game controls are dead
};

inline Tgo GO;

inline constexpr Array1<std::string_view, 4> Ltr{{"R", "L", "C", "T"}};
inline constexpr Array1<std::int32_t, 7> Kwn{{1000, 500, 50, 10, 5, 2, 1}};

} // namespace Brelun
