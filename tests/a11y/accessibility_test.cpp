// The window as an assistive technology sees it, read through Qt's accessibility interfaces.
#include "ui/tavix.h"

#include "game/chance.h"
#include "game/state.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace Brelun;

namespace {

class AccessibilityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        seedRandomSource();
        GO = {};
        window = std::make_unique<TTavix>();
        Tavix = window.get();
        window->create();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    static QAccessibleInterface *of(QObject *object) { return QAccessible::queryAccessibleInterface(object); }
    static QString name(QObject *object) { return of(object)->text(QAccessible::Name); }

    void clickAt(QWidget *control)
    {
        const QPoint centre = control->mapTo(window.get(), control->rect().center());
        // Through the window system, so that the toolkit finds the control under the pointer.
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
    }

    void press(QAccessibleInterface *iface)
    {
        ASSERT_NE(iface->actionInterface(), nullptr);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    // The cell holding a given number, and whether it is a winning number.
    static int cellOf(int number)
    {
        for (int k = 1; k <= 16; ++k) {
            if (GO.FLine[k] == number)
                return k;
        }
        return 0;
    }

    std::unique_ptr<TTavix> window;
};

TEST_F(AccessibilityTest, DisplaysReadTheirCaptionAndValue)
{
    EXPECT_EQ(name(window->Label5), "Win: 0");
    EXPECT_EQ(name(window->Label4), "Bet: 0");
    EXPECT_EQ(name(window->Label7), "Chips: 500");
    EXPECT_EQ(of(window->Label7)->text(QAccessible::Value), "500");
    EXPECT_EQ(of(window->Label5)->role(), QAccessible::StaticText);
}

TEST_F(AccessibilityTest, BetAndGameControlsAreButtonsNamedByTheirCaptions)
{
    const std::pair<TRectangle *, const char *> controls[] = {
        {window->Rectangle10, "+1"}, {window->Rectangle14, "+10"}, {window->Rectangle13, "x2"},
        {window->Rectangle12, "x10"}, {window->Rectangle11, "x0"}, {window->Rectangle15, "Change values"},
        {window->Rectangle19, "Start Lotto"}};
    for (const auto &[control, caption] : controls) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(of(control)->role(), QAccessible::Button);
        EXPECT_EQ(name(control), caption);
        ASSERT_NE(of(control)->actionInterface(), nullptr);
        EXPECT_TRUE(of(control)->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
    EXPECT_EQ(name(window->Button1), "Show");
    EXPECT_TRUE(of(window->Button1)->state().invisible);
}

TEST_F(AccessibilityTest, CellsAreNamedByRowAndColumnAndClosedAtFirst)
{
    EXPECT_EQ(name(RR[4]), "Row 1, column 1, closed");  // leftmost of the top row
    EXPECT_EQ(name(RR[1]), "Row 1, column 4, closed");  // next to the letter cell
    EXPECT_EQ(name(RR[16]), "Row 4, column 1, closed");
    EXPECT_EQ(name(RR[17]), "Row 1, letter, closed");
    EXPECT_EQ(name(RR[20]), "Row 4, letter, closed");
    EXPECT_EQ(of(RR[7])->role(), QAccessible::Button);
}

TEST_F(AccessibilityTest, ACellsNameTellsItsNumberAndWhetherItMatchedOnceOpened)
{
    const int winning = cellOf(GO.WLine[1]);
    int losing = 1;
    while (losing == winning || std::find(&GO.WLine[1], &GO.WLine[1] + 6, GO.FLine[losing]) != &GO.WLine[1] + 6)
        ++losing;

    clickAt(RR[winning]);
    clickAt(RR[losing]);

    EXPECT_TRUE(name(RR[winning]).endsWith(QStringLiteral(", %1, matched").arg(GO.FLine[winning])));
    EXPECT_TRUE(name(RR[losing]).endsWith(QStringLiteral(", %1").arg(GO.FLine[losing])));
    EXPECT_EQ(name(WW[1]), QStringLiteral("Ball 1, %1, matched").arg(GO.WLine[1]));
}

TEST_F(AccessibilityTest, ShowingTheTicketOpensEveryCellsName)
{
    for (int k = 1; k <= 6; ++k)
        clickAt(RR[k]);
    clickAt(RR[17]);
    clickAt(window->Button1);

    for (int k = 1; k <= 16; ++k)
        EXPECT_FALSE(name(RR[k]).endsWith(QStringLiteral("closed"))) << k;
    EXPECT_TRUE(name(RR[20]).startsWith(QStringLiteral("Row 4, letter, ")));
    EXPECT_FALSE(name(RR[20]).endsWith(QStringLiteral("closed")));
}

TEST_F(AccessibilityTest, BallsReadTheWinningLine)
{
    for (int j = 1; j <= 6; ++j)
        EXPECT_EQ(name(WW[j]), QStringLiteral("Ball %1, %2").arg(j).arg(GO.WLine[j]));
    EXPECT_EQ(name(WW[7]), QStringLiteral("Letter ball, %1").arg(QString::fromLatin1(Ltr[GO.WLine[7]].data(), 1)));
}

TEST_F(AccessibilityTest, TheWindowIsAFrameNamedByItsCaption)
{
    EXPECT_EQ(of(window.get())->role(), QAccessible::Window);
    EXPECT_EQ(name(window.get()), "Tavix");
}

// A control's name already carries its caption, its number or its value; the captions inside it
// are not read out a second time. Captions outside any control read as the text they show.
TEST_F(AccessibilityTest, ControlsReadAsOneAndLooseCaptionsAsTheirText)
{
    const std::pair<QWidget *, const char *> leaves[] = {
        {window->Rectangle10, "+1"}, {window->Rectangle19, "Start Lotto"}, {RR[4], "a number cell"},
        {RR[17], "a letter cell"}, {WW[1], "a ball"}, {WW[7], "the letter ball"}};
    for (const auto &[control, what] : leaves) {
        SCOPED_TRACE(what);
        ASSERT_GT(control->children().size(), 0) << "the control holds its caption";
        EXPECT_EQ(of(control)->childCount(), 0);
    }
    const std::pair<TLabel *, const char *> captions[] = {
        {window->Label3, "Win:"}, {window->Label6, "Bet:"}, {window->Label8, "Chips:"}};
    for (const auto &[label, text] : captions) {
        EXPECT_EQ(of(label)->role(), QAccessible::StaticText) << text;
        EXPECT_EQ(name(label), text);
    }
}

TEST_F(AccessibilityTest, TheWinDisplaysValueFollowsTheWin)
{
    GO.Bet = 10;
    // Six opened cells that hold four winning numbers: the display then shows twice the stake.
    int opened = 0;
    for (int i = 1; i <= 4; ++i, ++opened)
        clickAt(RR[cellOf(GO.WLine[i])]);
    for (int k = 1; k <= 16 && opened < 6; ++k) {
        if (std::find(&GO.WLine[1], &GO.WLine[1] + 6, GO.FLine[k]) == &GO.WLine[1] + 6) {
            clickAt(RR[k]);
            ++opened;
        }
    }
    EXPECT_EQ(GO.Win, 20);
    EXPECT_EQ(name(window->Label5), "Win: 20");
    EXPECT_EQ(of(window->Label5)->text(QAccessible::Value), "20");
}

TEST_F(AccessibilityTest, PressingPlusOneThroughTheBridgeRaisesTheStakeLikeAMousePress)
{
    press(of(window->Rectangle10));
    EXPECT_EQ(GO.Bet, 1);
    EXPECT_EQ(GO.Chips, 499);
    EXPECT_EQ(window->Label4->text(), "1");
    EXPECT_EQ(name(window->Label4), "Bet: 1");
}

TEST_F(AccessibilityTest, PressingPlusOneThroughTheBridgeIsIgnoredWhileAGameIsLocked)
{
    clickAt(RR[1]);
    ASSERT_TRUE(GO.go);
    press(of(window->Rectangle10));
    EXPECT_EQ(GO.Bet, 0);
    EXPECT_EQ(window->Label4->text(), "0");
}

TEST_F(AccessibilityTest, PressingACellThroughTheBridgeOpensItLikeAClick)
{
    press(of(RR[3]));
    EXPECT_EQ(GO.SlctCount, 1);
    EXPECT_EQ(LL[3]->text(), QString::number(GO.FLine[3]));
}

} // namespace
