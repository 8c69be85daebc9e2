// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small window of the toolkit, shown on the offscreen platform, with helpers to put controls
// in it the way the window's layout does and to read back its picture.

#include "toolkit/application.h"
#include "toolkit/control.h"
#include "toolkit/shapes.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QtTest/QTest>

#include <cmath>
#include <cstdlib>
#include <ostream>

namespace toolkittest {

// A control of kind T owned by owner, standing in parent at bounds with the given alignment.
template <typename T>
T *add(QWidget *owner, QWidget *parent, QRectF bounds, Toolkit::Align align = Toolkit::Align::None, Toolkit::Margins margins = {})
{
    auto *control = new T(owner);
    control->setParentControl(parent);
    control->setAlign(align);
    control->setBounds(bounds);
    control->setMargins(margins);
    return control;
}

// A solid shape without an outline, so that every pixel of it shows its fill.
template <typename T>
T *addFilled(QWidget *owner, QWidget *parent, QRectF bounds, QRgb color)
{
    T *shape = add<T>(owner, parent, bounds);
    Toolkit::Fill fill;
    fill.color = color;
    shape->setFill(fill);
    shape->setStroke({.kind = Toolkit::BrushKind::None});
    return shape;
}

class FormTest : public ::testing::Test
{
protected:
    explicit FormTest(QSize size = {120, 80}) { form.resize(size); }

    void showForm()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void activateForm()
    {
        showForm();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    TForm form;
};

// The colour of the picture at a point given in logical units, whatever the picture's scale.
inline QRgb colourAt(const QImage &picture, QPointF logical)
{
    const qreal dpr = picture.devicePixelRatio();
    return picture.pixel(static_cast<int>(std::floor(logical.x() * dpr)), static_cast<int>(std::floor(logical.y() * dpr)));
}

inline QImage pictureOf(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Whether two colours agree within tolerance on every channel, antialiasing and gradients
// leaving a little room.
inline ::testing::AssertionResult colourNear(QRgb actual, QRgb expected, int tolerance = 0)
{
    const auto near = [&](int a, int e) { return std::abs(a - e) <= tolerance; };
    if (near(qRed(actual), qRed(expected)) && near(qGreen(actual), qGreen(expected)) &&
        near(qBlue(actual), qBlue(expected)) && near(qAlpha(actual), qAlpha(expected)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "colour " << std::hex << actual << " is not " << expected
                                         << " within " << std::dec << tolerance;
}

} // namespace toolkittest
