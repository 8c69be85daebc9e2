// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Brelun {

enum class BetKey { PlusOne, PlusTen, Double, TimesTen, Zero };

// What the window's controls do to the game; each returns at once while a game is locked.
void pressBet(BetKey key);
void pressChangeValues();
void pressStartLotto();

// A click on ticket cell k (1..20) and on "Show".
void clickCell(int k);
void clickShow();

} // namespace Brelun
