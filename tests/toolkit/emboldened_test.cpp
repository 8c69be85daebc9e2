// SPDX-License-Identifier: GPL-3.0-or-later
// Bold text in a face that only declares its weight: which faces are thickened, and how a label
// draws them. A real face, bold or regular, keeps Qt's own text rendering.

#include "form_fixture.h"

#include "toolkit/emboldened.h"
#include "toolkit/label.h"

#include <QFontDatabase>
#include <QPainter>

#include <string>

using Toolkit::TextSettings;

namespace {

using namespace toolkittest;

// The metric-compatible Tahoma whose bold face is its regular outlines over bold advances.
void loadTahoma()
{
    static const bool loaded = [] {
        for (const char *face : {"/tahoma.ttf", "/tahomabd.ttf"}) {
            if (QFontDatabase::addApplicationFont(QStringLiteral(TAVIX_TAHOMA_DIR) + QLatin1String(face)) < 0)
                return false;
        }
        return true;
    }();
    ASSERT_TRUE(loaded) << "the fonts in " << TAVIX_TAHOMA_DIR;
}

QFont fontOf(const QString &family, QFont::Weight weight)
{
    QFont font(family);
    font.setPixelSize(22);
    font.setWeight(weight);
    return font;
}

struct FaceRow
{
    std::string name;
    QString family;
    QFont::Weight weight;
    qreal missing;
};

void PrintTo(const FaceRow &row, std::ostream *os)
{
    *os << row.name;
}

class MissingBoldness : public ::testing::TestWithParam<FaceRow>
{
protected:
    void SetUp() override { loadTahoma(); }
};

TEST_P(MissingBoldness, IsTheWeightAskedForThatTheFacesOutlinesLack)
{
    const FaceRow &row = GetParam();
    EXPECT_DOUBLE_EQ(missingBoldness(fontOf(row.family, row.weight)), row.missing);
}

INSTANTIATE_TEST_SUITE_P(
    OfEachFace, MissingBoldness,
    ::testing::Values(FaceRow{"TahomaRegular", QStringLiteral("Tahoma"), QFont::Normal, 0},
                      FaceRow{"TahomaBoldIsTheRegularOutlines", QStringLiteral("Tahoma"), QFont::Bold, 1},
                      // The family has no heavier face: black text gets the bold face, thickened more.
                      FaceRow{"TahomaBlackFallsToTheBoldFace", QStringLiteral("Tahoma"), QFont::Black, 5.0 / 3},
                      FaceRow{"DejaVuSansRegular", QStringLiteral("DejaVu Sans"), QFont::Normal, 0},
                      FaceRow{"DejaVuSansBoldIsARealBold", QStringLiteral("DejaVu Sans"), QFont::Bold, 0}),
    [](const ::testing::TestParamInfo<FaceRow> &info) { return info.param.name; });

// A bold label on white in a form of its own.
class BoldLabelPicture : public FormTest
{
protected:
    BoldLabelPicture()
        : FormTest({160, 60})
    {
        loadTahoma();
        addFilled<TRectangle>(&form, &form, {0, 0, 160, 60}, 0xFFFFFFFF);
        label = add<TLabel>(&form, &form, {0, 0, 160, 60});
        label->setStyledSettings({});
        label->setText(QStringLiteral("Hill"));
    }

    void setFont(const QString &family, QRgb colour)
    {
        TextSettings text;
        text.family = family;
        text.size = 22;
        text.weight = QFont::Bold;
        text.fontColor = colour;
        text.horzAlign = Qt::AlignHCenter;
        label->setTextSettings(text);
    }

    // The text as QPainter draws it in the label's place, on the same white.
    QImage drawnByQt(const QImage &like) const
    {
        QImage image(like.size(), QImage::Format_ARGB32);
        image.setDevicePixelRatio(like.devicePixelRatio());
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(label->effectiveFont());
        painter.setPen(QColor::fromRgba(label->effectiveFontColor()));
        painter.drawText(QRectF(0, 0, 160, 60), int(label->effectiveAlignment()), label->text());
        return image;
    }

    TLabel *label = nullptr;
};

TEST_F(BoldLabelPicture, LeavesARealBoldFaceToQt)
{
    setFont(QStringLiteral("DejaVu Sans"), 0xFF000000);
    showForm();
    const QImage picture = pictureOf(form);
    EXPECT_EQ(picture, drawnByQt(picture));
}

TEST_F(BoldLabelPicture, ThickensTheRegularOutlinesOfABoldFaceBeyondWhatQtDraws)
{
    setFont(QStringLiteral("Tahoma"), 0xFF000000);
    showForm();
    const QImage picture = pictureOf(form);
    const auto ink = [](const QImage &image) {
        qreal sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                sum += (255 - qGray(image.pixel(x, y))) / 255.0;
        }
        return sum;
    };
    EXPECT_GT(ink(picture), 1.4 * ink(drawnByQt(picture)));
}

// Where the thickening overlaps the outlines a translucent colour is still laid on once.
TEST_F(BoldLabelPicture, LaysATranslucentColourOnOnceInsideItsStems)
{
    setFont(QStringLiteral("Tahoma"), 0x80FF0000);
    showForm();
    const QImage picture = pictureOf(form);
    const QRgb half = qRgb(255, 127, 127);
    int inside = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            ASSERT_GE(qGreen(p), qGreen(half) - 2) << "laid on twice at " << x << ", " << y;
            inside += colourNear(p, half, 2) ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 100); // the stems' cores show the colour itself
}

} // namespace
