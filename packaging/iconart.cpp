// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconart.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

// The game's own colours.
const QColor deepSkyBlue = QColor::fromRgba(0xFF00BFFF);
const QColor cellBlue = QColor::fromRgba(0xFF2EC0F1);
const QColor highlightRed = QColor::fromRgba(0xFFFD1717);
const QColor ink = QColor::fromRgba(0xFF0B3C5D); // outlines, so the icon holds on light and dark panels

// The picture is drawn on a 256-unit canvas and scaled to the icon's size.
constexpr double canvas = 256.0;

// What one icon size can carry: small sizes get fewer, larger cells and no fine detail, and an
// outline of at least one device pixel so that it does not blur away.
struct Detail
{
    int cellsPerSide;
    bool fine;
    double outline;
};

Detail detailFor(int size)
{
    return {size >= 32 ? 3 : 2, size >= 48, std::max(8.0, canvas / size)};
}

// A ticket: a card with a semicircular notch in each side, like a torn-off stub.
QPainterPath ticketShape(const QRectF &card)
{
    QPainterPath shape;
    shape.addRoundedRect(card, 20, 20);
    const double notch = 14;
    QPainterPath notches;
    notches.addEllipse(QPointF(card.left(), card.center().y()), notch, notch);
    notches.addEllipse(QPointF(card.right(), card.center().y()), notch, notch);
    return shape.subtracted(notches);
}

void drawTicket(QPainter &p, const Detail &detail)
{
    const QRectF card(10, 22, 206, 182);
    const double inset = detail.outline / 2; // the outline stays inside the card
    p.setPen(QPen(ink, detail.outline));
    p.setBrush(Qt::white);
    p.drawPath(ticketShape(card.adjusted(inset, inset, -inset, -inset)));

    // The band of winning balls along the top.
    const QRectF band(card.left() + 10 + inset, card.top() + 10 + inset, card.width() - 20 - 2 * inset, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(deepSkyBlue);
    p.drawRoundedRect(band, 14, 14);
    if (detail.fine) {
        p.setBrush(Qt::white);
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(band.left() + 22 + i * 32, band.center().y()), 10, 10);
    }

    const int n = detail.cellsPerSide;
    const QRectF grid(card.left() + 28, card.top() + 60, card.width() - 56, card.height() - 82);
    const double gap = n > 2 ? 10 : 14;
    const double w = (grid.width() - gap * (n - 1)) / n;
    const double h = (grid.height() - gap * (n - 1)) / n;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const bool matched = row == 0 && col == 0; // one opened cell that hit a winning number
            p.setBrush(matched ? highlightRed : cellBlue);
            p.drawRoundedRect(QRectF(grid.left() + col * (w + gap), grid.top() + row * (h + gap), w, h), 7, 7);
        }
    }
}

void drawBall(QPainter &p, const Detail &detail)
{
    const QPointF centre(186, 182);
    const double radius = 64;
    QRadialGradient shade(centre + QPointF(-22, -24), radius * 1.25);
    shade.setColorAt(0.0, QColor::fromRgba(0xFFFF8A80));
    shade.setColorAt(0.45, highlightRed);
    shade.setColorAt(1.0, QColor::fromRgba(0xFF9E0B0B));
    p.setPen(QPen(ink, detail.outline));
    p.setBrush(shade);
    p.drawEllipse(centre, radius - detail.outline / 2, radius - detail.outline / 2);

    // The white disc where a lottery ball carries its number.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, detail.fine ? 32 : 24, detail.fine ? 32 : 24);
    if (detail.fine) {
        // A "7" drawn as strokes: the build machine's fonts must not change the icon.
        QPainterPath seven;
        seven.moveTo(centre + QPointF(-13, -15));
        seven.lineTo(centre + QPointF(13, -15));
        seven.lineTo(centre + QPointF(-3, 17));
        p.setPen(QPen(ink, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(seven);
    }
}

} // namespace

namespace TavixIcon {

QImage draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        const Detail detail = detailFor(size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / canvas, size / canvas);
        drawTicket(p, detail);
        drawBall(p, detail);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace TavixIcon
