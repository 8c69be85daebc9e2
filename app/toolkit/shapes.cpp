// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/shapes.h"

#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using Toolkit::BrushKind;
using Toolkit::Corner;
using Toolkit::Corners;
using Toolkit::Fill;
using Toolkit::Stroke;

namespace {

// A box with its edges moved to the nearest device pixel boundaries. At a fractional display
// scale an edge would otherwise fall inside a device pixel that the neighbouring band's
// antialiased edge shares, and a seam of the colour beneath would show between them; on
// boundaries the edges are crisp and neighbours meet exactly.
QRectF onDevicePixels(const QRectF &box, const QTransform &toDevice)
{
    if (toDevice.type() > QTransform::TxScale || !toDevice.isInvertible())
        return box;
    const QRectF device = toDevice.mapRect(box);
    const QRectF snapped(QPointF(qRound(device.left()), qRound(device.top())),
                         QPointF(qRound(device.right()), qRound(device.bottom())));
    return toDevice.inverted().mapRect(snapped);
}

// From the shape's logical coordinates to the pixels of what the painter draws on. Shapes are
// drawn without a transform of their own, so a device transform that scales holds the display
// scale already (as for a picture in device pixels, such as the bevel's); one that does not
// leaves out the scale of a high-density picture, which the painter applies on top of it.
QTransform toPicturePixels(QPainter &painter)
{
    const QPaintDevice *picture = painter.paintEngine()->paintDevice();
    const qreal scale = picture != nullptr ? picture->devicePixelRatio() : 1;
    const QTransform toDevice = painter.deviceTransform();
    if (scale <= 1 || !qFuzzyCompare(toDevice.m11(), 1) || !qFuzzyCompare(toDevice.m22(), 1))
        return toDevice;
    return toDevice * QTransform::fromScale(scale, scale);
}

// A window's picture can be a device pixel wider and higher than its logical size times the
// scale, rounded, and those last pixels lie outside every widget's clip. A shape that reaches
// the window's right or bottom edge carries its last column or row on into them.
void extendToPictureEdges(QPainter &painter, const QWidget *shape, const QTransform &toDevice)
{
    QPaintDevice *device = painter.paintEngine()->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image)
        return;
    auto *picture = static_cast<QImage *>(device);
    const QWidget *window = shape->window();
    // Only the window's own picture: not a picture of a part of it, such as the bevel's.
    const QSizeF windowPixels = QSizeF(window->size()) * picture->devicePixelRatio();
    if (picture->depth() != 32 || std::abs(picture->width() - windowPixels.width()) > 1 ||
        std::abs(picture->height() - windowPixels.height()) > 1)
        return;
    const QRect box = onDevicePixels(QRectF(shape->rect()), toDevice).toRect() & picture->rect();
    const QRectF windowRect(QPointF(shape->mapFrom(window, QPoint())), QSizeF(window->size()));
    const QRect reach = onDevicePixels(windowRect, toDevice).toRect();
    if (box.isEmpty() || reach.topLeft() != QPoint(0, 0))
        return;
    const bool atRight = box.right() == reach.right() && box.right() < picture->width() - 1;
    const bool atBottom = box.bottom() == reach.bottom() && box.bottom() < picture->height() - 1;
    if (atRight) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture->scanLine(y));
            std::fill(line + box.right() + 1, line + picture->width(), line[box.right()]);
        }
    }
    if (atBottom) {
        const auto *last = reinterpret_cast<const QRgb *>(picture->constScanLine(box.bottom()));
        const int right = atRight ? picture->width() - 1 : box.right();
        for (int y = box.bottom() + 1; y < picture->height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture->scanLine(y));
            std::copy(last + box.left(), last + right + 1, line + box.left());
        }
    }
}

} // namespace

TShape::TShape(QWidget *owner)
    : TControl(owner)
{
}

void TShape::setFill(const Fill &fill)
{
    m_fill = fill;
    update();
}

void TShape::setFillColor(QRgb color)
{
    m_fill.color = color;
    update();
}

void TShape::setStroke(const Stroke &stroke)
{
    m_stroke = stroke;
    update();
}

qreal TShape::inset() const
{
    return m_stroke.kind == BrushKind::None ? 0 : m_stroke.thickness / 2;
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QTransform toDevice = toPicturePixels(painter);
    const QRectF box = onDevicePixels(paintRect(), toDevice);
    const qreal d = inset();
    const QPainterPath path = outline(box.adjusted(d, d, -d, -d));

    switch (m_fill.kind) {
    case BrushKind::None:
        break;
    case BrushKind::Solid:
        painter.fillPath(path, QColor::fromRgba(m_fill.color));
        break;
    case BrushKind::Gradient: {
        const auto at = [&](QPointF f) {
            return QPointF(box.left() + f.x() * box.width(), box.top() + f.y() * box.height());
        };
        QLinearGradient gradient(at(m_fill.gradient.start), at(m_fill.gradient.stop));
        gradient.setStops(m_fill.gradient.stops);
        painter.fillPath(path, gradient);
        break;
    }
    }
    if (m_stroke.kind != BrushKind::None && m_stroke.thickness > 0) {
        painter.setPen(QPen(QColor::fromRgba(m_stroke.color), m_stroke.thickness));
        painter.drawPath(path);
    }
    extendToPictureEdges(painter, this, toDevice);
}

void TRectangle::setRadii(qreal xRadius, qreal yRadius)
{
    m_xRadius = xRadius;
    m_yRadius = yRadius;
    update();
}

QPainterPath TRectangle::outline(const QRectF &shapeRect) const
{
    QPainterPath path;
    path.addRoundedRect(shapeRect, m_xRadius, m_yRadius);
    return path;
}

void TRoundRect::setCorners(Corners corners)
{
    m_corners = corners;
    update();
}

QPainterPath TRoundRect::outline(const QRectF &r) const
{
    const qreal radius = std::min(r.width(), r.height()) / 2;
    const qreal d = 2 * radius;
    const auto rounded = [&](Corner c) { return m_corners.testFlag(c) && radius > 0; };

    QPainterPath path;
    if (rounded(Corner::TopLeft)) {
        path.moveTo(r.left(), r.top() + radius);
        path.arcTo(r.left(), r.top(), d, d, 180, -90);
    } else {
        path.moveTo(r.topLeft());
    }
    if (rounded(Corner::TopRight))
        path.arcTo(r.right() - d, r.top(), d, d, 90, -90);
    else
        path.lineTo(r.topRight());
    if (rounded(Corner::BottomRight))
        path.arcTo(r.right() - d, r.bottom() - d, d, d, 0, -90);
    else
        path.lineTo(r.bottomRight());
    if (rounded(Corner::BottomLeft))
        path.arcTo(r.left(), r.bottom() - d, d, d, 270, -90);
    else
        path.lineTo(r.bottomLeft());
    path.closeSubpath();
    return path;
}

QPainterPath TCircle::outline(const QRectF &r) const
{
    const qreal diameter = std::min(r.width(), r.height());
    QPainterPath path;
    path.addEllipse(QRectF(0, 0, diameter, diameter).translated(r.center() - QPointF(diameter, diameter) / 2));
    return path;
}
