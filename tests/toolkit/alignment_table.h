// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One row of an alignment table: a parent's size, its children as they stand, and where each
// child must stand after the parent lays them out.

#include "toolkit/alignment.h"

#include <gtest/gtest.h>

#include <QRectF>
#include <QSizeF>

#include <ostream>
#include <string>
#include <vector>

// Rectangles in failure messages as x, y, width x height.
inline void PrintTo(const QRectF &r, std::ostream *os)
{
    *os << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height();
}

namespace aligntable {

struct Row
{
    std::string name; // the rule the row shows, as a test name
    QSizeF parent;
    std::vector<Toolkit::AlignItem> children;
    std::vector<QRectF> expected; // in child order
};

inline void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

inline Toolkit::AlignItem item(Toolkit::Align align, QRectF bounds, Toolkit::Margins margins = {}, bool visible = true)
{
    return {align, bounds, margins, visible};
}

inline Toolkit::AlignItem hidden(Toolkit::Align align, QRectF bounds)
{
    return {align, bounds, {}, false};
}

constexpr Toolkit::Margins all(qreal m)
{
    return {m, m, m, m};
}

constexpr Toolkit::Margins leftOnly(qreal m)
{
    return {.left = m};
}

// The rows are all laid out the same way: every child's x, y, width and height is checked.
class LaysOut : public ::testing::TestWithParam<Row>
{
protected:
    static void expectRow(const Row &row)
    {
        ASSERT_EQ(row.children.size(), row.expected.size()) << "the row itself is malformed";
        const std::vector<QRectF> placed = Toolkit::alignChildren(row.parent, row.children);
        ASSERT_EQ(placed.size(), row.children.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE("child " + std::to_string(i));
            constexpr double tolerance = 1e-4;
            EXPECT_NEAR(placed[i].x(), row.expected[i].x(), tolerance);
            EXPECT_NEAR(placed[i].y(), row.expected[i].y(), tolerance);
            EXPECT_NEAR(placed[i].width(), row.expected[i].width(), tolerance);
            EXPECT_NEAR(placed[i].height(), row.expected[i].height(), tolerance);
        }
    }
};

inline std::string rowName(const ::testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

} // namespace aligntable
