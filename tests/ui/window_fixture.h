// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

// The real window, built the way the application builds it, on Qt's offscreen platform.
#include "support/screen_table.h" // the places and colours it is expected to show
#include "support/tavix_window.h"

#include "game/state.h"
#include "ui/tavix.h"

#include <QImage>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

namespace tavix_test {

// Where a widget stands in the window's client area, in whole logical units.
inline QRect onScreen(const QWidget *widget, const QWidget *window)
{
    return {widget->mapTo(window, QPoint()), widget->size()};
}

// A control's place in logical units, fractions kept, relative to the window's client area.
inline QRectF boundsOnScreen(const TControl *control, const QWidget *window)
{
    return control->bounds().translated(QPointF(control->parentWidget()->mapTo(window, QPoint())));
}

// The widgets among an object's children, in child order (the order they are painted in).
inline std::vector<const QWidget *> childWidgets(const QObject *parent)
{
    std::vector<const QWidget *> widgets;
    for (const QObject *child : parent->children()) {
        if (const auto *widget = qobject_cast<const QWidget *>(child))
            widgets.push_back(widget);
    }
    return widgets;
}

// A colour written as the layout writes it, for readable failures.
inline std::string argb(QRgb color)
{
    return QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper().prepend(QLatin1String("$")).toStdString();
}

// The largest difference in any channel between two colours.
inline int colourDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The pixel at (x, y) is the expected colour, within tolerance in every channel.
inline ::testing::AssertionResult pixelIs(const QImage &image, int x, int y, QRgb expected, int tolerance = 0)
{
    const QRgb actual = image.pixel(x, y);
    if (colourDistance(actual, expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << argb(actual) << ", expected "
                                         << argb(expected) << " within " << tolerance;
}

class TavixWindow : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(tavix.show()); }

    // A left click as the player makes it: through the window, at a point of its client area.
    void clickAt(QPoint point) const
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
    }

    // Resizes the window as its frame would and waits until the new size has been laid out.
    void resizeTo(int width, int height) const
    {
        window->resize(width, height);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == width && window->height() == height; }));
        QCoreApplication::processEvents();
    }

    QImage picture() const { return window->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    QRect at(const QWidget *widget) const { return onScreen(widget, window); }

    GameWindow tavix;
    Brelun::TTavix *window = tavix.get();
};

} // namespace tavix_test
