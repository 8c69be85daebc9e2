// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shown_text.h"

#include "toolkit/button.h"
#include "toolkit/label.h"

#include "game/onebased.h"

namespace Brelun {

class TTavix;

// The window's side of the rules' faces: one adapter for each control they write into.
class BoardFaces
{
public:
    BoardFaces() = default;
    BoardFaces(const BoardFaces &) = delete; // the rules hold pointers into it
    BoardFaces &operator=(const BoardFaces &) = delete;

    // Points the rules at the window's displays and "Show", and at the board's labels (LL, WL).
    void bind(const TTavix &window);

private:
    Array1<ShownText<TLabel>, 20> m_cells;
    Array1<ShownText<TLabel>, 7> m_balls;
    ShownText<TLabel> m_stake;
    ShownText<TLabel> m_win;
    ShownText<TLabel> m_chips;
    ShownText<TButton> m_show;
};

} // namespace Brelun
