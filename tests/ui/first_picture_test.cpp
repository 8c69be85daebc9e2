// SPDX-License-Identifier: GPL-3.0-or-later
// What the player first sees and first touches: the finished board of a new game, templates that
// never show or take a click, and captions that let a press through to their control.
#include "window_fixture.h"

#include <set>

using namespace Brelun;
using tavix_test::argb;
using tavix_test::TavixWindow;

using namespace tavix_test::colours;
namespace screen = tavix_test::screen;

namespace {

} // namespace

TEST_F(TavixWindow, TheHeaderFirstReadsWin0Bet0Chips500AndShowIsNotThere)
{
    EXPECT_EQ(window->Label3->text(), QStringLiteral("Win:"));
    EXPECT_EQ(window->Label5->text(), QStringLiteral("0"));
    EXPECT_EQ(window->Label6->text(), QStringLiteral("Bet:"));
    EXPECT_EQ(window->Label4->text(), QStringLiteral("0"));
    EXPECT_EQ(window->Label8->text(), QStringLiteral("Chips:"));
    EXPECT_EQ(window->Label7->text(), QStringLiteral("500"));
    EXPECT_EQ(GO.Chips, 500);
    EXPECT_EQ(GO.Bet, 0);
    EXPECT_EQ(GO.Win, 0);
    EXPECT_FALSE(GO.go);
    EXPECT_FALSE(window->Button1->isVisible());
}

TEST_F(TavixWindow, TheFirstPictureShowsTwentyEmptyBlueCells)
{
    const QImage image = picture();
    for (int i = 1; i <= 20; ++i) {
        SCOPED_TRACE("RR[" + std::to_string(i) + "]");
        EXPECT_EQ(LL[i]->text(), QString());
        EXPECT_EQ(argb(LL[i]->effectiveFontColor()), argb(NormalText));
        // Inside its bevelled edges the whole cell is one flat blue: no text, no outline.
        const QRect inside = at(RR[i]).adjusted(4, 4, -4, -4);
        int other = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x)
                other += image.pixel(x, y) != CellFill ? 1 : 0;
        }
        EXPECT_EQ(other, 0);
    }
}

TEST_F(TavixWindow, TheBallsFirstShowSixDistinctNumbersAndALetterInTheNormalTextColour)
{
    std::set<int> numbers;
    for (int j = 1; j <= 6; ++j) {
        SCOPED_TRACE("WL[" + std::to_string(j) + "]");
        bool isNumber = false;
        const int shown = WL[j]->text().toInt(&isNumber);
        ASSERT_TRUE(isNumber) << WL[j]->text().toStdString();
        EXPECT_GE(shown, 1);
        EXPECT_LE(shown, 16);
        EXPECT_EQ(shown, GO.WLine[j]);
        numbers.insert(shown);
        EXPECT_EQ(argb(WL[j]->effectiveFontColor()), argb(NormalText));
    }
    EXPECT_EQ(numbers.size(), 6U);
    const QStringList letters{"R", "L", "C", "T"};
    EXPECT_TRUE(letters.contains(WL[7]->text())) << WL[7]->text().toStdString();
    ASSERT_GE(GO.WLine[7], 1);
    ASSERT_LE(GO.WLine[7], 4);
    EXPECT_EQ(WL[7]->text(), letters[GO.WLine[7] - 1]);
    EXPECT_EQ(argb(WL[7]->effectiveFontColor()), argb(NormalText));
}

TEST_F(TavixWindow, AClickWhereTheHiddenCellTemplateStandsReachesCellRR4)
{
    // Rectangle3 is given 4, 0, 49 x 49 in row 1, that is 42..90 x 133..181 on screen: RR[4] is there.
    const QPoint point(66, 157);
    ASSERT_TRUE(at(window->Rectangle3->parentWidget()).contains(point));
    EXPECT_EQ(window->childAt(point), RR[4]);

    clickAt(point);

    EXPECT_EQ(GO.SlctCount, 1);
    EXPECT_EQ(GO.Slct[1], 4);
    EXPECT_EQ(LL[4]->text(), QString::number(GO.FLine[4]));
}

TEST_F(TavixWindow, APressOnTheCaptionPlus10IsAPressOnItsControl)
{
    const QPoint caption = at(window->Label13).center();
    EXPECT_EQ(window->childAt(caption), window->Rectangle14);

    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, caption);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, caption);

    EXPECT_EQ(GO.Bet, 10);
    EXPECT_EQ(GO.Chips, 490);
    EXPECT_EQ(window->Label4->text(), QStringLiteral("10"));
    EXPECT_EQ(window->Label7->text(), QStringLiteral("490"));
}

TEST_F(TavixWindow, OnceShownShowStandsOverTheWhiteBelowStartLotto)
{
    // A whole game: six number cells of rows 1 and 2, then row 1's letter cell.
    for (const int i : {4, 3, 2, 1, 8, 7, 17})
        clickAt(screen::cell(i).center());
    ASSERT_TRUE(window->Button1->isVisible());

    EXPECT_EQ(at(window->Button1), screen::show);
    EXPECT_GT(at(window->Button1).top(), at(window->Rectangle19).bottom());
    EXPECT_EQ(window->childAt(QPoint(304, 607)), window->Button1);
    // The push button is drawn there, its caption in red.
    const QImage image = picture();
    int drawn = 0;
    int red = 0;
    const QRect show = screen::show;
    for (int y = show.top(); y <= show.bottom(); ++y) {
        for (int x = show.left(); x <= show.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            drawn += p != White ? 1 : 0;
            red += qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90 ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, 0);
    EXPECT_GT(red, 0);
}
