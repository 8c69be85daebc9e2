// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>

#include <span>
#include <vector>

namespace Toolkit {

// How a control places itself in its parent. The kinds are handled in the order listed here,
// after None, which keeps the control where it stands.
// clang-format off
enum class Align {
    None,
    MostTop, MostBottom, MostLeft, MostRight,
    Top, Bottom, Left, Right,
    FitLeft, FitRight,
    Client, Horizontal, Vertical, Contents,
    Center, HorzCenter, VertCenter,
    Scale, Fit,
};
// clang-format on

struct Margins
{
    qreal left = 0;
    qreal top = 0;
    qreal right = 0;
    qreal bottom = 0;

    friend bool operator==(const Margins &, const Margins &) = default;
};

// What the alignment rules need to know of one child.
struct AlignItem
{
    Align align = Align::None;
    QRectF bounds; // where the child stands now, in its parent's coordinates
    Margins margins;
    bool visible = true;
};

// Lays the children out inside a parent of the given size and returns the new bounds of each,
// in child order. Children aligned None, hidden children and Scale children keep their bounds.
std::vector<QRectF> alignChildren(QSizeF parent, std::span<const AlignItem> children);

} // namespace Toolkit
