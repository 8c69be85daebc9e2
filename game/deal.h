// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Brelun {

void GenLine(); // deals a new hidden ticket and resets the per-game fields
void GenWinLine(); // draws a new winning line and writes it on the balls
void initNewLoto(); // credits the last win, blanks the ticket, deals
void ShowTiket(); // writes every cell's value into its label

} // namespace Brelun
