// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn icon: PNGs of every size as 8-bit RGBA, the .ico that Windows builds embed (256 as PNG,
// the smaller ones as 32-bit DIBs with a matching AND mask) holding the same pictures, and the PNGs
// in the executable's resources under :/icons. TAVIX_ICON_DIR is where the build wrote the files.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <gtest/gtest.h>

#include <cstdint>

namespace {

const QList<int> iconSizes = {16, 24, 32, 48, 256};
const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

QString iconPath(const QString &name)
{
    return QStringLiteral(TAVIX_ICON_DIR "/") + name;
}

QString pngPath(int size)
{
    return iconPath(QStringLiteral("tavix-%1.png").arg(size));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage png(int size)
{
    return QImage(pngPath(size)).convertToFormat(QImage::Format_ARGB32);
}

// Unsigned integers of `width` bytes at `at`; ICO and BMP fields are little-endian, PNG's big-endian.
// (Byte by byte through at(): qFromLittleEndian on constData() trips GCC's -Warray-bounds.)
quint32 little(const QByteArray &bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes.at(at + i));
    return value;
}

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return little(bytes, at, 4);
}

quint32 le16(const QByteArray &bytes, qsizetype at)
{
    return little(bytes, at, 2);
}

quint32 be32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | std::uint8_t(bytes.at(at + i));
    return value;
}

class IconPng : public ::testing::TestWithParam<int> {};

TEST_P(IconPng, PngIsEightBitRgbaOfItsSize)
{
    const int size = GetParam();
    const QByteArray bytes = readAll(pngPath(size));
    ASSERT_GE(bytes.size(), 26) << qPrintable(pngPath(size));
    EXPECT_EQ(bytes.left(8), pngSignature);
    EXPECT_EQ(bytes.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(be32(bytes, 16), quint32(size)) << "width";
    EXPECT_EQ(be32(bytes, 20), quint32(size)) << "height";
    EXPECT_EQ(int(bytes[24]), 8) << "bits per channel";
    EXPECT_EQ(int(bytes[25]), 6) << "colour type: 6 is RGB with alpha";
}

TEST_P(IconPng, PngShowsTheGamesColoursOnATransparentGround)
{
    const int size = GetParam();
    const QImage image = png(size);
    ASSERT_EQ(image.size(), QSize(size, size));
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << "corner " << corner.x() << "," << corner.y();

    // Flat areas of the ball band, the cells and the matched cell keep the exact colours.
    for (const QRgb colour : {0xFF00BFFFu, 0xFF2EC0F1u, 0xFFFD1717u}) {
        int count = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                count += image.pixel(x, y) == colour ? 1 : 0;
        EXPECT_GT(count, 0) << "no pixel of " << std::hex << colour;
    }
}

// The object library that the executable links carries each PNG, byte for byte.
TEST_P(IconPng, ResourceUnderIconsHoldsThePng)
{
    const int size = GetParam();
    const QString resource = QStringLiteral(":/icons/tavix-%1.png").arg(size);
    ASSERT_TRUE(QFile::exists(resource)) << qPrintable(resource);
    EXPECT_EQ(readAll(resource), readAll(pngPath(size)));
}

INSTANTIATE_TEST_SUITE_P(Packaging, IconPng, ::testing::ValuesIn(iconSizes.begin(), iconSizes.end()),
                         [](const ::testing::TestParamInfo<int> &info) { return "px" + std::to_string(info.param); });

// One image of the .ico's directory.
struct IcoEntry {
    int width;  // as stored: 0 means 256
    int height;
    int planes;
    int bitsPerPixel;
    quint32 bytes;
    quint32 offset;
};

QList<IcoEntry> icoDirectory(const QByteArray &ico)
{
    QList<IcoEntry> entries;
    const int count = int(le16(ico, 4));
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
        const qsizetype at = 6 + 16 * i;
        entries.append({std::uint8_t(ico[at]), std::uint8_t(ico[at + 1]), int(le16(ico, at + 4)),
                        int(le16(ico, at + 6)), le32(ico, at + 8), le32(ico, at + 12)});
    }
    return entries;
}

class PackagingIcoFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ico = readAll(iconPath(QStringLiteral("tavix.ico")));
        ASSERT_GE(ico.size(), 6);
        entries = icoDirectory(ico);
    }

    QByteArray payload(const IcoEntry &entry) const { return ico.mid(entry.offset, entry.bytes); }

    QByteArray ico;
    QList<IcoEntry> entries;
};

TEST_F(PackagingIcoFile, DirectoryListsTheFiveSizesAt32Bits)
{
    EXPECT_EQ(le16(ico, 0), 0u) << "reserved";
    EXPECT_EQ(le16(ico, 2), 1u) << "type: 1 is an icon";
    ASSERT_EQ(entries.size(), iconSizes.size());

    quint32 next = 6 + 16 * quint32(entries.size()); // images follow the directory, back to back
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int stored = iconSizes[i] == 256 ? 0 : iconSizes[i];
        EXPECT_EQ(entries[i].width, stored) << "entry " << i;
        EXPECT_EQ(entries[i].height, stored) << "entry " << i;
        EXPECT_EQ(entries[i].planes, 1) << "entry " << i;
        EXPECT_EQ(entries[i].bitsPerPixel, 32) << "entry " << i;
        EXPECT_EQ(entries[i].offset, next) << "entry " << i;
        next += entries[i].bytes;
    }
    EXPECT_EQ(next, quint32(ico.size()));
}

TEST_F(PackagingIcoFile, StoresTheLargestImageAsPngAndTheOthersAsDibsWithAMatchingMask)
{
    ASSERT_EQ(entries.size(), iconSizes.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int size = iconSizes[i];
        const QByteArray data = payload(entries[i]);
        if (size == 256) {
            EXPECT_EQ(data, readAll(pngPath(size))) << "the 256 image is the PNG file itself";
            continue;
        }
        ASSERT_GE(data.size(), 40) << size;
        EXPECT_EQ(le32(data, 0), 40u) << size << ": BITMAPINFOHEADER";
        EXPECT_EQ(le32(data, 4), quint32(size)) << size << ": width";
        EXPECT_EQ(le32(data, 8), quint32(2 * size)) << size << ": height counts colour and mask";
        EXPECT_EQ(le16(data, 14), 32u) << size << ": bits per pixel";
        EXPECT_EQ(le32(data, 16), 0u) << size << ": uncompressed";

        // The AND mask, bottom row first, marks exactly the fully transparent pixels.
        const int maskStride = (size + 31) / 32 * 4;
        const qsizetype maskStart = 40 + qsizetype(size) * size * 4;
        ASSERT_EQ(data.size(), maskStart + qsizetype(maskStride) * size) << size;
        const QImage image = png(size);
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const char byte = data[maskStart + (size - 1 - y) * maskStride + x / 8];
                const bool masked = (byte >> (7 - x % 8)) & 1;
                wrong += masked != (qAlpha(image.pixel(x, y)) == 0) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << size << ": pixels whose mask bit disagrees with their alpha";
    }
}

// Qt's own ICO reader, independent of the code that wrote the file, sees the PNGs' pictures.
TEST_F(PackagingIcoFile, ReadsBackAsThePngPictures)
{
    QImageReader reader(iconPath(QStringLiteral("tavix.ico")), "ico");
    ASSERT_EQ(reader.imageCount(), iconSizes.size()) << qPrintable(reader.errorString());
    for (int i = 0; i < iconSizes.size(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(image, png(iconSizes[i])) << "image " << i << " (" << iconSizes[i] << " px)";
    }
}

} // namespace
