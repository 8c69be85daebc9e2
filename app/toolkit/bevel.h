// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsEffect>
#include <QImage>
#include <QPointer>

#include <cstdint>
#include <vector>

// Draws its widget with raised edges: the opacity of the picture, softened over size units,
// gives a slope at every edge; edges that face the light coming from direction degrees are
// lightened and those that face away darkened. Flat areas and opacity stay as they are.
class TBevelEffect : public QGraphicsEffect
{
    Q_OBJECT

public:
    explicit TBevelEffect(QObject *parent = nullptr);

    qreal direction() const { return m_direction; }
    void setDirection(qreal degrees);
    qreal size() const { return m_size; }
    void setSize(qreal units);

protected:
    void draw(QPainter *painter) override;

private:
    QWidget *sourceWidget();
    QImage sourceOnDevicePixels(QPainter *painter, QPointF &at);

    // The edges of the last picture, kept for as long as its opacity does not change.
    struct Cache
    {
        std::vector<std::uint8_t> opacity;
        qreal radius = -1;
        qreal direction = 0;
        QImage light;
    };

    qreal m_direction = 45;
    qreal m_size = 2;
    Cache m_cache;
    QPointer<QWidget> m_source;
};
