// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/alignment.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Toolkit {

namespace {

// A line a group of kinds.
// clang-format off
constexpr std::array kindOrder{
    Align::MostTop, Align::MostBottom, Align::MostLeft, Align::MostRight,
    Align::Top, Align::Bottom, Align::Left, Align::Right,
    Align::FitLeft, Align::FitRight,
    Align::Client, Align::Horizontal, Align::Vertical, Align::Contents,
    Align::Center, Align::HorzCenter, Align::VertCenter,
    Align::Scale, Align::Fit,
};

bool isTop(Align a) { return a == Align::Top || a == Align::MostTop; }
bool isBottom(Align a) { return a == Align::Bottom || a == Align::MostBottom; }
bool isLeft(Align a) { return a == Align::Left || a == Align::MostLeft; }
bool isRight(Align a) { return a == Align::Right || a == Align::MostRight; }
// clang-format on

// Whether a child being ranked goes before one already ranked. Top and left stacks follow the
// current edges with ties in child order; right and bottom stacks put the outermost first,
// ties going to the later child.
bool goesBefore(Align kind, const QRectF &child, const QRectF &ranked)
{
    if (isTop(kind))
        return ranked.top() > child.top();
    if (isLeft(kind))
        return ranked.left() > child.left();
    if (isRight(kind))
        return ranked.right() <= child.right();
    if (isBottom(kind))
        return ranked.bottom() <= child.bottom();
    return false;
}

std::vector<std::size_t> ranked(Align kind, std::span<const AlignItem> children)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].align != kind || !children[i].visible)
            continue;
        const auto before = std::find_if(order.begin(), order.end(), [&](std::size_t r) {
            return goesBefore(kind, children[i].bounds, children[r].bounds);
        });
        order.insert(before, i);
    }
    return order;
}

qreal nonNegative(qreal v)
{
    return std::max<qreal>(v, 0);
}

// A slot's offset that centres a child in the room left, cut toward zero.
qreal centred(qreal room, qreal size, qreal marginBefore, qreal marginAfter)
{
    return std::trunc((room - size - marginBefore - marginAfter) / 2) + marginBefore;
}

QRectF inside(const QRectF &area, const Margins &m)
{
    return {area.left() + m.left, area.top() + m.top, nonNegative(area.width() - m.left - m.right),
            nonNegative(area.height() - m.top - m.bottom)};
}

// The largest size of the same proportions that fits the room. A child's size is all it keeps
// of its proportions, so an empty room leaves it as it is rather than scaling it to nothing.
QSizeF fitted(QSizeF size, QSizeF room)
{
    if (size.width() <= 0 || size.height() <= 0 || room.width() <= 0 || room.height() <= 0)
        return size;
    const qreal factor = std::min(room.width() / size.width(), room.height() / size.height());
    return size * nonNegative(factor);
}

// Places one child of the given kind and takes its slot out of the remaining rectangle r.
// A stack that runs out of room goes on past the parent's far edge instead of piling up
// against it: the next layout ranks siblings by the edges this one gives them, so two children
// pressed onto the same edge would swap places for good once the parent grew again.
QRectF place(Align kind, const AlignItem &child, QRectF &r, QSizeF parent)
{
    const QRectF b = child.bounds;
    const Margins &m = child.margins;
    const qreal slotHeight = b.height() + m.top + m.bottom;
    const qreal slotWidth = b.width() + m.left + m.right;
    switch (kind) {
    case Align::MostTop:
    case Align::Top: {
        const QRectF slot(r.left(), r.top(), r.width(), slotHeight);
        r.setTop(r.top() + slotHeight);
        return {slot.left() + m.left, slot.top() + m.top, nonNegative(slot.width() - m.left - m.right), b.height()};
    }
    case Align::MostBottom:
    case Align::Bottom: {
        const QRectF slot(r.left(), r.bottom() - slotHeight, r.width(), slotHeight);
        r.setBottom(r.bottom() - slotHeight);
        return {slot.left() + m.left, slot.top() + m.top, nonNegative(slot.width() - m.left - m.right), b.height()};
    }
    case Align::MostLeft:
    case Align::Left: {
        const QRectF slot(r.left(), r.top(), slotWidth, r.height());
        r.setLeft(r.left() + slotWidth);
        return {slot.left() + m.left, slot.top() + m.top, b.width(), nonNegative(slot.height() - m.top - m.bottom)};
    }
    case Align::MostRight:
    case Align::Right: {
        const QRectF slot(r.right() - slotWidth, r.top(), slotWidth, r.height());
        r.setRight(r.right() - slotWidth);
        return {slot.left() + m.left, slot.top() + m.top, b.width(), nonNegative(slot.height() - m.top - m.bottom)};
    }
    case Align::FitLeft:
    case Align::FitRight: {
        const QRectF room = inside(r, m);
        const QSizeF size = fitted(b.size(), room.size());
        const qreal x = kind == Align::FitLeft ? room.left() : room.right() - size.width();
        return {x, room.top() + (room.height() - size.height()) / 2, size.width(), size.height()};
    }
    case Align::Client:
        return inside(r, m);
    case Align::Horizontal:
        return {r.left() + m.left, b.top(), nonNegative(r.width() - m.left - m.right), b.height()};
    case Align::Vertical:
        return {b.left(), r.top() + m.top, b.width(), nonNegative(r.height() - m.top - m.bottom)};
    case Align::Contents:
        return inside(QRectF(QPointF(0, 0), parent), m);
    case Align::Center:
        return {r.left() + centred(r.width(), b.width(), m.left, m.right),
                r.top() + centred(r.height(), b.height(), m.top, m.bottom), b.width(), b.height()};
    case Align::HorzCenter:
        return {r.left() + centred(r.width(), b.width(), m.left, m.right), r.top() + m.top, b.width(),
                nonNegative(r.height() - m.top - m.bottom)};
    case Align::VertCenter:
        return {r.left() + m.left, r.top() + centred(r.height(), b.height(), m.top, m.bottom),
                nonNegative(r.width() - m.left - m.right), b.height()};
    case Align::Fit: {
        const QRectF room = inside(QRectF(QPointF(0, 0), parent), m);
        const QSizeF size = fitted(b.size(), room.size());
        return {room.left() + (room.width() - size.width()) / 2, room.top() + (room.height() - size.height()) / 2,
                size.width(), size.height()};
    }
    case Align::Scale: // scales with the parent's change of size, which a single layout pass does not see
    case Align::None:
        break;
    }
    return b;
}

} // namespace

std::vector<QRectF> alignChildren(QSizeF parent, std::span<const AlignItem> children)
{
    std::vector<QRectF> result;
    result.reserve(children.size());
    for (const AlignItem &child : children)
        result.push_back(child.bounds);

    QRectF remaining(QPointF(0, 0), parent);
    for (const Align kind : kindOrder) {
        for (const std::size_t i : ranked(kind, children))
            result[i] = place(kind, children[i], remaining, parent);
    }
    return result;
}

} // namespace Toolkit
