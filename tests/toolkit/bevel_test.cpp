// SPDX-License-Identifier: GPL-3.0-or-later
// The bevel effect on an opaque square, compared pixel by pixel with the same window drawn
// without it. The test runs once at the screen's own scale and once at twice that.

#include "form_fixture.h"

#include "toolkit/bevel.h"

#include <QPainter>

#include <functional>

namespace {

using namespace toolkittest;

constexpr QRgb Beneath = 0xFF3366CC;
constexpr QRgb Grey = 0xFF808080;
const QRectF square(20, 20, 40, 40); // in the window's coordinates

class Bevel : public FormTest
{
protected:
    Bevel()
        : FormTest({80, 80})
    {
        stage = add<TLayout>(&form, &form, {0, 0, 80, 80});
        beneath = addFilled<TRectangle>(&form, stage, {0, 0, 80, 80}, Beneath);
        holder = add<TLayout>(&form, stage, {10, 10, 60, 60});
        addFilled<TRectangle>(&form, holder, square.translated(-10, -10), Grey);
        effect = new TBevelEffect(&form);
        effect->setDirection(45);
        effect->setSize(2);
        holder->setGraphicsEffect(effect);
        showForm();
    }

    // The window's picture with the effect, then without it.
    std::pair<QImage, QImage> withAndWithout()
    {
        QImage with = pictureOf(form);
        effect->setEnabled(false);
        QImage without = pictureOf(form);
        effect->setEnabled(true);
        return {with, without};
    }

    // Whether the two pictures agree at every pixel whose logical place passes the test.
    static ::testing::AssertionResult sameWhere(const QImage &a, const QImage &b, const std::function<bool(QPointF)> &where)
    {
        if (a.size() != b.size())
            return ::testing::AssertionFailure() << "the pictures differ in size";
        const qreal dpr = a.devicePixelRatio();
        int compared = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QPointF logical((x + 0.5) / dpr, (y + 0.5) / dpr);
                if (!where(logical))
                    continue;
                ++compared;
                if (a.pixel(x, y) != b.pixel(x, y))
                    return ::testing::AssertionFailure() << "pixel " << x << ", " << y << " changed from " << std::hex
                                                         << b.pixel(x, y) << " to " << a.pixel(x, y);
            }
        }
        if (compared == 0)
            return ::testing::AssertionFailure() << "no pixel was compared";
        return ::testing::AssertionSuccess() << compared << " pixels agree";
    }

    TLayout *stage = nullptr;
    TRectangle *beneath = nullptr;
    TLayout *holder = nullptr;
    TBevelEffect *effect = nullptr;
};

int brightness(QRgb colour)
{
    return qRed(colour) + qGreen(colour) + qBlue(colour);
}

TEST_F(Bevel, RunsAtTheScaleTheTestIsRegisteredFor)
{
    const qreal expected = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
    EXPECT_EQ(pictureOf(form).devicePixelRatio(), expected);
    EXPECT_EQ(pictureOf(form).width(), qRound(80 * expected));
}

// The outermost pixels of an edge are lit or shaded most, those a unit further in still visibly.
TEST_F(Bevel, LightensTheUpperLeftEdgesOfAnOpaqueSquare)
{
    const QImage picture = withAndWithout().first;
    for (const auto &[at, least] : {std::pair{QPointF(20.5, 40), 48}, std::pair{QPointF(40, 20.5), 48},
                                    std::pair{QPointF(21.5, 40), 12}, std::pair{QPointF(40, 21.5), 12}}) {
        SCOPED_TRACE("at " + std::to_string(at.x()) + ", " + std::to_string(at.y()));
        EXPECT_GE(brightness(colourAt(picture, at)), brightness(Grey) + least);
    }
}

TEST_F(Bevel, DarkensTheLowerRightEdgesOfAnOpaqueSquare)
{
    const QImage picture = withAndWithout().first;
    for (const auto &[at, least] : {std::pair{QPointF(59.5, 40), 48}, std::pair{QPointF(40, 59.5), 48},
                                    std::pair{QPointF(58.5, 40), 12}, std::pair{QPointF(40, 58.5), 12}}) {
        SCOPED_TRACE("at " + std::to_string(at.x()) + ", " + std::to_string(at.y()));
        EXPECT_LE(brightness(colourAt(picture, at)), brightness(Grey) - least);
    }
}

TEST_F(Bevel, LeavesTheFlatMiddleOfTheSquareAsItWas)
{
    const auto [with, without] = withAndWithout();
    EXPECT_TRUE(sameWhere(with, without, [](QPointF p) { return square.adjusted(6, 6, -6, -6).contains(p); }));
    EXPECT_TRUE(colourNear(colourAt(with, square.center()), Grey));
}

TEST_F(Bevel, LeavesEverythingAroundTheSquareAsItWas)
{
    const auto [with, without] = withAndWithout();
    EXPECT_TRUE(sameWhere(with, without, [](QPointF p) { return !square.contains(p); }));
}

TEST_F(Bevel, KeepsTheOpacityOfEveryPixel)
{
    const qreal dpr = pictureOf(form).devicePixelRatio();
    QImage alone(QSize(80, 80) * dpr, QImage::Format_ARGB32_Premultiplied);
    alone.setDevicePixelRatio(dpr);
    alone.fill(Qt::transparent);
    // The square alone, without what lies beneath it: transparent around it, opaque within.
    beneath->setVisible(false);
    {
        QPainter painter(&alone);
        stage->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    int changedOpacity = 0;
    for (int y = 0; y < alone.height(); ++y) {
        for (int x = 0; x < alone.width(); ++x) {
            const bool inside = square.contains(QPointF((x + 0.5) / dpr, (y + 0.5) / dpr));
            changedOpacity += qAlpha(alone.pixel(x, y)) != (inside ? 255 : 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(changedOpacity, 0);
    EXPECT_GT(brightness(colourAt(alone, {20.5, 40})), brightness(Grey)) << "the effect was drawn";
}

} // namespace
