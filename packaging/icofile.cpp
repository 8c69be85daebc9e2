// SPDX-License-Identifier: GPL-3.0-or-later
#include "icofile.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>

namespace {

// ICO and BMP fields are little-endian whatever the host is.
void put16(QByteArray &out, std::uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// BITMAPINFOHEADER, then BGRA rows bottom-up, then the 1-bit AND mask (set = transparent),
// each mask row padded to 32 bits. The header's height counts both halves, hence 2 x h.
QByteArray dib(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray out;
    put32(out, 40);
    put32(out, std::uint32_t(w));
    put32(out, std::uint32_t(2 * h));
    put16(out, 1); // planes
    put16(out, 32); // bits per pixel
    put32(out, 0); // BI_RGB
    put32(out, std::uint32_t(w * h * 4 + maskStride * h));
    for (int i = 0; i < 4; ++i)
        put32(out, 0); // resolution and palette fields: unused for 32-bit icons

    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
            out.append(char(qAlpha(row[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(mask);
    }
    return out;
}

} // namespace

namespace TavixIcon {

QByteArray icoFile(const QList<QImage> &images)
{
    QList<QByteArray> payloads;
    for (const QImage &image : images)
        payloads.append(image.width() >= 256 ? png(image) : dib(image));

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // 1 = icon (2 would be a cursor)
    put16(out, std::uint16_t(images.size()));

    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        out.append(char(side >= 256 ? 0 : side)); // 0 stands for 256
        out.append(char(side >= 256 ? 0 : side));
        out.append('\0'); // no palette
        out.append('\0'); // reserved
        put16(out, 1);
        put16(out, 32);
        put32(out, std::uint32_t(payloads[i].size()));
        put32(out, offset);
        offset += std::uint32_t(payloads[i].size());
    }
    for (const QByteArray &payload : payloads)
        out.append(payload);
    return out;
}

} // namespace TavixIcon
