// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/control.h"

#include <QGradientStops>
#include <QPointF>
#include <QRgb>

class QPainter;
class QPainterPath;

namespace Toolkit {

enum class BrushKind { None, Solid, Gradient };

// A linear gradient whose two points are fractions of the shape's width and height.
struct LinearGradient
{
    QPointF start;
    QPointF stop;
    QGradientStops stops;
};

struct Fill
{
    BrushKind kind = BrushKind::Solid;
    QRgb color = 0xFFE0E0E0;
    LinearGradient gradient;
};

struct Stroke
{
    BrushKind kind = BrushKind::Solid; // None or Solid
    QRgb color = 0xFF000000;
    qreal thickness = 1;
};

} // namespace Toolkit

// A filled and outlined shape. The outline lies wholly inside the box: it is drawn along a
// line inset by half its thickness.
class TShape : public TControl
{
    Q_OBJECT

public:
    explicit TShape(QWidget *owner);

    Toolkit::Fill fill() const { return m_fill; }
    void setFill(const Toolkit::Fill &fill);
    void setFillColor(QRgb color);
    Toolkit::Stroke stroke() const { return m_stroke; }
    void setStroke(const Toolkit::Stroke &stroke);

protected:
    void paintEvent(QPaintEvent *event) override;
    virtual QPainterPath outline(const QRectF &shapeRect) const = 0;

private:
    qreal inset() const;

    Toolkit::Fill m_fill;
    Toolkit::Stroke m_stroke;
};

class TRectangle : public TShape
{
    Q_OBJECT

public:
    using TShape::TShape;

    qreal xRadius() const { return m_xRadius; }
    qreal yRadius() const { return m_yRadius; }
    void setRadii(qreal xRadius, qreal yRadius);

protected:
    QPainterPath outline(const QRectF &shapeRect) const override;

private:
    qreal m_xRadius = 0;
    qreal m_yRadius = 0;
};

namespace Toolkit {

enum class Corner { TopLeft = 1, TopRight = 2, BottomLeft = 4, BottomRight = 8 };
Q_DECLARE_FLAGS(Corners, Corner)

} // namespace Toolkit

Q_DECLARE_OPERATORS_FOR_FLAGS(Toolkit::Corners)

// A band whose chosen corners are rounded with half its shorter side.
class TRoundRect : public TShape
{
    Q_OBJECT

public:
    using TShape::TShape;

    Toolkit::Corners corners() const { return m_corners; }
    void setCorners(Toolkit::Corners corners);

protected:
    QPainterPath outline(const QRectF &shapeRect) const override;

private:
    Toolkit::Corners m_corners = Toolkit::Corner::TopLeft | Toolkit::Corner::TopRight | Toolkit::Corner::BottomLeft |
                                 Toolkit::Corner::BottomRight;
};

// A circle as wide as the shorter side of its box, centred in the box.
class TCircle : public TShape
{
    Q_OBJECT

public:
    using TShape::TShape;

protected:
    QPainterPath outline(const QRectF &shapeRect) const override;
};

// An invisible container: draws nothing and lets presses through to what lies beneath.
class TLayout : public TControl
{
    Q_OBJECT

public:
    using TControl::TControl;

protected:
    bool takesMouse() const override { return false; }
};
