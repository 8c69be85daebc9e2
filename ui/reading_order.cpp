// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reading_order.h"

#include <algorithm>

namespace Brelun {

namespace {

using Iterator = std::vector<Placed>::iterator;

// The end of the line that starts at first, of a list sorted by top edge.
Iterator endOfLine(Iterator first, Iterator last)
{
    int bottom = first->place.top() + first->place.height();
    auto next = std::next(first);
    for (; next != last && next->place.center().y() < bottom; ++next)
        bottom = std::max(bottom, next->place.top() + next->place.height());
    return next;
}

} // namespace

std::vector<QObject *> inReadingOrder(std::vector<Placed> placed)
{
    // Stable sorts: what stands at the very same place keeps the order it was found in.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed &a, const Placed &b) { return a.place.top() < b.place.top(); });
    std::vector<QObject *> order;
    order.reserve(placed.size());
    for (auto line = placed.begin(); line != placed.end();) {
        const auto end = endOfLine(line, placed.end());
        std::stable_sort(line, end, [](const Placed &a, const Placed &b) { return a.place.left() < b.place.left(); });
        for (auto it = line; it != end; ++it)
            order.push_back(it->object);
        line = end;
    }
    return order;
}

} // namespace Brelun
