// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_faces.h"

#include "ui/tavix.h"

namespace Brelun {

void BoardFaces::bind(const TTavix &window)
{
    for (int i = m_cells.first(); i <= m_cells.last(); ++i) {
        m_cells[i] = ShownText(LL[i]);
        faces.cells[i] = &m_cells[i];
    }
    for (int j = m_balls.first(); j <= m_balls.last(); ++j) {
        m_balls[j] = ShownText(WL[j]);
        faces.balls[j] = &m_balls[j];
    }
    m_stake = ShownText(window.Label4);
    m_win = ShownText(window.Label5);
    m_chips = ShownText(window.Label7);
    m_show = ShownText(window.Button1);
    faces.stake = &m_stake;
    faces.win = &m_win;
    faces.chips = &m_chips;
    faces.show = &m_show;
}

} // namespace Brelun
