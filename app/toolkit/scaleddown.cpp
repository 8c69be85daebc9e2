// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/scaleddown.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace {

bool drawingPicture = false;

} // namespace

namespace ScaledDown {

bool leavesPaintingToForm(const QPaintDevice *device)
{
    return device->devicePixelRatio() < 1 && !drawingPicture;
}

void drawChildren(QWidget *form, QPainter &painter)
{
    const qreal scale = form->devicePixelRatioF();
    QImage picture(form->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    drawingPicture = true;
    for (QObject *child : form->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget != nullptr && !widget->isWindow() && widget->isVisible())
            widget->render(&picture, widget->pos(), QRegion(), QWidget::DrawChildren);
    }
    drawingPicture = false;
    // The painter draws in device pixels here, one to one. The picture covers the last device
    // pixel that the form's logical size reaches into, in part or whole.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, std::ceil(form->width() * scale), std::ceil(form->height() * scale)), picture);
}

} // namespace ScaledDown
