// SPDX-License-Identifier: GPL-3.0-or-later
// The window's event handlers: each hands the press or click to the game's rules.
#include "ui/tavix.h"

#include "game/rules.h"

namespace Brelun {

void TTavix::Rectangle10MouseDown(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pressBet(BetKey::PlusOne);
}

void TTavix::Rectangle14MouseDown(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pressBet(BetKey::PlusTen);
}

void TTavix::Rectangle13MouseDown(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pressBet(BetKey::Double);
}

void TTavix::Rectangle12MouseDown(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pressBet(BetKey::TimesTen);
}

void TTavix::Rectangle11MouseDown(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pressBet(BetKey::Zero);
}

void TTavix::Rectangle15MouseDown(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pressChangeValues();
}

void TTavix::Rectangle19MouseDown(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pressStartLotto();
}

void TTavix::Rectangle3Click(QObject *Sender)
{
    // Only the twenty ticket cells are bound here; anything else is not a cell of this ticket.
    const auto *cell = qobject_cast<TRectangle *>(Sender);
    if (cell == nullptr || cell->tag() < RR.first() || cell->tag() > RR.last() || RR[cell->tag()] != cell)
        return;
    clickCell(cell->tag());
}

void TTavix::Button1Click(QObject *)
{
    clickShow();
}

} // namespace Brelun
