// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/bevel.h"

#include "toolkit/scaleddown.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

// How strongly the steepest edge is lit or shaded, as a share of the way to white or black.
constexpr float Strength = 0.55F;

// One pass of a running box average along rows (step 1) or columns (step width).
void boxPass(std::vector<float> &values, int width, int height, int radius, bool alongRows)
{
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    const int step = alongRows ? 1 : width;
    std::vector<float> line(static_cast<std::size_t>(length));
    for (int l = 0; l < lines; ++l) {
        float *first = values.data() + (alongRows ? l * width : l);
        for (int i = 0; i < length; ++i)
            line[static_cast<std::size_t>(i)] = first[i * step];
        float sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += line[static_cast<std::size_t>(std::clamp(i, 0, length - 1))];
        const float scale = 1.0F / static_cast<float>(2 * radius + 1);
        for (int i = 0; i < length; ++i) {
            first[i * step] = sum * scale;
            sum += line[static_cast<std::size_t>(std::min(i + radius + 1, length - 1))];
            sum -= line[static_cast<std::size_t>(std::max(i - radius, 0))];
        }
    }
}

// The picture's opacity, softened by two box passes each way (close to a Gaussian).
std::vector<float> softenedAlpha(const QImage &image, int radius)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<float> alpha(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[static_cast<std::size_t>(y * w + x)] = static_cast<float>(qAlpha(row[x])) / 255.0F;
    }
    for (int pass = 0; pass < 2; ++pass) {
        boxPass(alpha, w, h, radius, true);
        boxPass(alpha, w, h, radius, false);
    }
    return alpha;
}

// Whether a picture has the given opacity, a byte a pixel in row order.
bool hasOpacity(const QImage &image, const std::vector<std::uint8_t> &opacity)
{
    if (opacity.size() != static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()))
        return false;
    auto expected = opacity.begin();
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++expected) {
            if (qAlpha(row[x]) != *expected)
                return false;
        }
    }
    return true;
}

std::vector<std::uint8_t> opacityOf(const QImage &image)
{
    std::vector<std::uint8_t> opacity;
    opacity.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            opacity.push_back(static_cast<std::uint8_t>(qAlpha(row[x])));
    }
    return opacity;
}

// The light that falls on the picture's edges, as a layer to lay over it: white where an edge
// faces the light, black where it faces away, as opaque as the edge is steep, clear elsewhere.
// Laid over an opaque pixel it moves the colour toward white or black by that share.
QImage edgeLight(const QImage &image, qreal radiusInPixels, qreal directionDegrees)
{
    const int radius = std::max(1, static_cast<int>(std::lround(radiusInPixels / 2)));
    const int w = image.width();
    const int h = image.height();
    const std::vector<float> alpha = softenedAlpha(image, radius);
    const auto at = [&](int x, int y) {
        return alpha[static_cast<std::size_t>(std::clamp(y, 0, h - 1) * w + std::clamp(x, 0, w - 1))];
    };
    // The light comes from the given direction, counted clockwise from the left, so 45 degrees
    // lights the upper left edges. An edge faces the light where the opacity rises away from it.
    const qreal angle = directionDegrees * std::numbers::pi / 180;
    const float lx = static_cast<float>(std::cos(angle));
    const float ly = static_cast<float>(std::sin(angle));
    const float gain = Strength * static_cast<float>(radiusInPixels);
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(image.devicePixelRatio()); // it must cover the picture pixel for pixel
    layer.fill(Qt::transparent);
    for (int y = 0; y < h; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(layer.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0)
                continue;
            const float gx = (at(x + 1, y) - at(x - 1, y)) / 2;
            const float gy = (at(x, y + 1) - at(x, y - 1)) / 2;
            const float light = std::clamp((gx * lx + gy * ly) * gain, -Strength, Strength);
            // Only as much as the picture itself covers the pixel, so clear areas stay clear.
            const int share =
                std::clamp(static_cast<int>(std::lround(std::abs(light) * static_cast<float>(a))), 0, 255);
            const int white = light > 0 ? share : 0;
            out[x] = qRgba(white, white, white, share);
        }
    }
    return layer;
}

} // namespace

TBevelEffect::TBevelEffect(QObject *parent)
    : QGraphicsEffect(parent)
{
}

void TBevelEffect::setDirection(qreal degrees)
{
    m_direction = degrees;
    update();
}

void TBevelEffect::setSize(qreal units)
{
    m_size = units;
    update();
}

QWidget *TBevelEffect::sourceWidget()
{
    if (m_source != nullptr && m_source->graphicsEffect() == this)
        return m_source;
    // Qt tells an effect nothing of the widget it draws; it is the one among its owner's that
    // carries this effect.
    m_source = nullptr;
    auto *owner = qobject_cast<QWidget *>(parent());
    if (owner == nullptr)
        return nullptr;
    if (owner->graphicsEffect() == this)
        return m_source = owner;
    const QList<QWidget *> widgets = owner->findChildren<QWidget *>();
    const auto found =
        std::find_if(widgets.begin(), widgets.end(), [this](const QWidget *w) { return w->graphicsEffect() == this; });
    return m_source = found != widgets.end() ? *found : nullptr;
}

// The source drawn into a picture whose pixels are the device's own, and the logical point to
// lay it at. Qt's source pixmap starts at a whole logical point, which at a fractional scale can
// lie inside a device pixel; laid there, every edge in it moves to a side of that pixel that
// the window's own edges, snapped to device pixels, do not take. This picture starts at the
// device pixel that holds the source's top left, and its contents are drawn that far within it.
QImage TBevelEffect::sourceOnDevicePixels(QPainter *painter, QPointF &at)
{
    QWidget *source = sourceWidget();
    const QTransform world = painter->worldTransform();
    if (source == nullptr || world.type() > QTransform::TxTranslate) {
        QPoint offset;
        const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
        at = offset;
        return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    const qreal scale = painter->device()->devicePixelRatioF();
    const QPointF topLeft = world.map(QPointF(0, 0)) * scale;
    const QPointF pixel(std::floor(topLeft.x() + 1e-6), std::floor(topLeft.y() + 1e-6));
    const QPointF within = topLeft - pixel;
    QImage image(QRectF(within, QSizeF(source->size()) * scale).toAlignedRect().size(),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter onImage(&image);
    onImage.translate(within / scale);
    source->render(&onImage, QPoint(), QRegion(), QWidget::DrawChildren);
    at = pixel / scale;
    return image;
}

void TBevelEffect::draw(QPainter *painter)
{
    if (ScaledDown::leavesPaintingToForm(painter->device()))
        return;
    QPointF at;
    const QImage image = sourceOnDevicePixels(painter, at);
    if (image.isNull())
        return;
    // The picture is in device pixels, so the softening follows the display's scale.
    const qreal radius = m_size * painter->device()->devicePixelRatioF();
    // The edges come from the opacity alone. Opening a cell writes text onto an opaque cell and
    // leaves the opacity as it was, so the light worked out for the last picture still holds.
    if (radius != m_cache.radius || m_direction != m_cache.direction || !hasOpacity(image, m_cache.opacity))
        m_cache = {opacityOf(image), radius, m_direction, edgeLight(image, radius, m_direction)};

    const QTransform restore = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(at, image);
    painter->drawImage(at, m_cache.light);
    painter->setWorldTransform(restore);
}
