#include "toolkit/bevel.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
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

// Moves a premultiplied channel toward its opacity (light) or toward zero (shade).
int shade(int channel, int alpha, float light)
{
    const float c = static_cast<float>(channel);
    const float moved = light > 0 ? c + (static_cast<float>(alpha) - c) * light : c * (1.0F + light);
    return std::clamp(static_cast<int>(std::lround(moved)), 0, alpha);
}

void bevel(QImage &image, qreal radiusInPixels, qreal directionDegrees)
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
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0)
                continue;
            const float gx = (at(x + 1, y) - at(x - 1, y)) / 2;
            const float gy = (at(x, y + 1) - at(x, y - 1)) / 2;
            const float light = std::clamp((gx * lx + gy * ly) * gain, -Strength, Strength);
            if (light == 0)
                continue;
            row[x] = qRgba(shade(qRed(row[x]), a, light), shade(qGreen(row[x]), a, light),
                           shade(qBlue(row[x]), a, light), a);
        }
    }
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

void TBevelEffect::draw(QPainter *painter)
{
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull())
        return;
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The picture is in device pixels, so the softening follows the display's scale.
    bevel(image, m_size * painter->device()->devicePixelRatioF(), m_direction);

    const QTransform restore = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->setWorldTransform(restore);
}
