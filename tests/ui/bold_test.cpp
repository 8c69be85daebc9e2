// SPDX-License-Identifier: GPL-3.0-or-later
// The bold captions as they are drawn: stems really bold, the ink centred in its box, and every
// caption on one line. CTest runs this test at the display scales 1, 1.5 and 2.
#include "window_fixture.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cstdio>

using Toolkit::TextSettings;

using namespace Brelun;
using tavix_test::TavixWindow;

namespace {

// How much of a device pixel the white caption covers: the controls' blue has no red at all.
qreal coverage(const QImage &image, int x, int y)
{
    return qRed(image.pixel(x, y)) / 255.0;
}

// The widths of the runs of ink along one device row, in logical pixels: each run's coverage
// summed, so that the antialiased edges count for what they cover.
std::vector<qreal> inkRuns(const QImage &image, int row, int from, int to, qreal scale)
{
    std::vector<qreal> runs;
    qreal run = 0;
    for (int x = from; x <= to; ++x) {
        const qreal c = coverage(image, x, row);
        if (c > 0) {
            run += c;
        } else if (run > 0) {
            runs.push_back(run / scale);
            run = 0;
        }
    }
    if (run > 0)
        runs.push_back(run / scale);
    return runs;
}

// The device rows and columns a caption's box covers.
QRect deviceBox(const QRectF &logical, qreal scale)
{
    return QRectF(logical.topLeft() * scale, logical.size() * scale).toAlignedRect();
}

// The ink's horizontal extent inside a box, in logical pixels. An edge column counts for how much
// of it the ink covers at most, which puts the edge within a fraction of a device pixel.
std::pair<qreal, qreal> inkColumns(const QImage &image, const QRect &box, qreal scale)
{
    std::vector<qreal> columns(std::size_t(box.width()), 0);
    for (int x = box.left(); x <= box.right(); ++x) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            columns[std::size_t(x - box.left())] = std::max(columns[std::size_t(x - box.left())], coverage(image, x, y));
    }
    const auto inked = [](qreal c) { return c > 0.05; };
    const auto first = std::find_if(columns.begin(), columns.end(), inked);
    const auto last = std::find_if(columns.rbegin(), columns.rend(), inked);
    if (first == columns.end())
        return {0, 0};
    const qreal left = box.left() + qreal(first - columns.begin()) + 1 - *first;
    const qreal right = box.left() + qreal(columns.rend() - last) - 1 + *last;
    return {left / scale, right / scale};
}

// A row of the caption that crosses only vertical stems, as a height above the baseline in
// x-heights, right of the caption's first letters, and how many stems it crosses there.
struct StemRow
{
    std::string name;
    TLabel *TTavix::*caption;
    QString skipped;
    qreal height;
    std::size_t stems;
};

const std::array stemRows{
    // Above the lower-case letters, below the capitals' tops: the stems of "Lotto"'s L and t's.
    StemRow{"StartLotto", &TTavix::Label18, QStringLiteral("Start "), 1.2, 3},
    // Under the plus's bar, over the one's foot: the plus's upright and the one's stem.
    StemRow{"Plus1", &TTavix::Label9, QString(), 0.33, 2},
};

void PrintTo(const StemRow &row, std::ostream *os)
{
    *os << row.name;
}

class BoldCaptions : public TavixWindow
{
protected:
    qreal scale() const { return window->devicePixelRatioF(); }

    // The stems' widths along the row, in logical pixels, as the caption is drawn now.
    std::vector<qreal> stemWidths(const StemRow &row)
    {
        const TLabel *caption = window->*row.caption;
        const QFontMetricsF metrics(caption->effectiveFont());
        const QRectF box = tavix_test::boundsOnScreen(caption, window);
        // A single line, centred in the box as the layout centres it.
        const qreal baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
        const int deviceRow = int((baseline - row.height * metrics.xHeight()) * scale());
        const qreal textLeft = box.left() + (box.width() - metrics.horizontalAdvance(caption->text())) / 2;
        const qreal from = row.skipped.isEmpty() ? box.left() : textLeft + metrics.horizontalAdvance(row.skipped) - 2;
        const QRect columns = deviceBox(box, scale());
        return inkRuns(picture(), deviceRow, int(from * scale()), columns.right(), scale());
    }

    void drawRegular(TLabel *caption)
    {
        TextSettings settings = caption->textSettings();
        settings.weight = QFont::Normal;
        caption->setTextSettings(settings);
    }
};

qreal median(std::vector<qreal> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

class BoldStems : public BoldCaptions, public ::testing::WithParamInterface<StemRow>
{
};

} // namespace

TEST_P(BoldStems, AreClearlyWiderThanTheSameCaptionsRegularStemsButNotBlobby)
{
    const StemRow &row = GetParam();
    const std::vector<qreal> bold = stemWidths(row);
    TLabel *caption = window->*row.caption;
    drawRegular(caption);
    const std::vector<qreal> regular = stemWidths(row);
    ASSERT_EQ(bold.size(), row.stems) << ::testing::PrintToString(bold);
    ASSERT_EQ(regular.size(), bold.size()) << ::testing::PrintToString(regular);
    const qreal boldStem = median(bold);
    const qreal regularStem = median(regular);
    std::printf("stems of %s at scale %.2g: bold %.2f, regular %.2f logical px\n", row.name.c_str(), scale(),
                boldStem, regularStem);
    // Tahoma Bold's stems are about 0.16 em, its regular's 0.09 em.
    const qreal em = caption->effectiveFont().pixelSize();
    EXPECT_GT(boldStem, 1.5 * regularStem);
    EXPECT_GT(boldStem, 0.14 * em);
    EXPECT_LT(boldStem, 0.19 * em);
    // Each stem is clearly bolder than its regular self, none grown into a blob.
    for (std::size_t i = 0; i < bold.size(); ++i) {
        EXPECT_GT(bold[i], 1.5 * regular[i]) << "stem " << i;
        EXPECT_LT(bold[i], 2.2 * regular[i]) << "stem " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(OfTheCaptions, BoldStems, ::testing::ValuesIn(stemRows),
                         [](const ::testing::TestParamInfo<StemRow> &info) { return info.param.name; });

TEST_F(BoldCaptions, StandWithTheirInkCentredInTheirBoxes)
{
    const TTavix &w = *window;
    const QImage image = picture();
    for (const TLabel *caption : {w.Label9, w.Label13, w.Label12, w.Label11, w.Label10, w.Label14, w.Label18}) {
        SCOPED_TRACE(caption->text().toStdString());
        const QRectF box = tavix_test::boundsOnScreen(caption, window);
        const auto [left, right] = inkColumns(image, deviceBox(box, scale()), scale());
        const qreal offset = (left + right) / 2 - box.center().x();
        std::printf("ink of %s at scale %.2g: %.2f from the centre\n", qPrintable(caption->text()), scale(), offset);
        EXPECT_LE(std::abs(offset), 0.5);
    }
}

TEST_F(BoldCaptions, ChangeValuesStandsOnOneLine)
{
    const TLabel *caption = window->Label14;
    const QRectF box = tavix_test::boundsOnScreen(caption, window);
    const auto [left, right] = inkColumns(picture(), deviceBox(box, scale()), scale());
    // Both words side by side: wrapped, only "Change" would show, half as wide.
    const qreal advance = QFontMetricsF(caption->effectiveFont()).horizontalAdvance(caption->text());
    EXPECT_NEAR(right - left, advance, 3);
    EXPECT_LT(advance, box.width());
}
