// SPDX-License-Identifier: GPL-3.0-or-later
// The window as an assistive technology sees it, read through Qt's accessibility interfaces.
#include "ui/tavix.h"

#include "game/state.h"
#include "support/tavix_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Brelun;

namespace {

class AccessibilityTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(tavix.show()); }

    static QAccessibleInterface *of(QObject *object) { return QAccessible::queryAccessibleInterface(object); }
    static QString name(QObject *object) { return of(object)->text(QAccessible::Name); }

    void clickAt(QWidget *control)
    {
        const QPoint centre = control->mapTo(window, control->rect().center());
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

    QAccessibleInterface *frame() const { return of(window); }

    // The window's children, as a screen reader walks them.
    std::vector<QObject *> listed() const
    {
        std::vector<QObject *> objects;
        for (int i = 0; i < frame()->childCount(); ++i)
            objects.push_back(frame()->child(i)->object());
        return objects;
    }

    std::vector<std::string> listedNames() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < frame()->childCount(); ++i)
            names.push_back(frame()->child(i)->text(QAccessible::Name).toStdString());
        return names;
    }

    // Top to bottom, each line from the left: the displays, the balls, the ticket row by row
    // (columns 1 to 4 counted from the left, then the letter), the bet and game controls.
    std::vector<QObject *> readingOrder() const
    {
        std::vector<QObject *> order{window->Label5, window->Label4, window->Label7};
        for (int j = 1; j <= 7; ++j)
            order.push_back(WW[j]);
        for (int row = 1; row <= 4; ++row) {
            for (int column = 1; column <= 4; ++column)
                order.push_back(RR[4 * row + 1 - column]); // number cells run right to left
            order.push_back(RR[16 + row]);
        }
        for (QObject *control : {window->Rectangle10, window->Rectangle14, window->Rectangle13, window->Rectangle12,
                                 window->Rectangle11, window->Rectangle15, window->Rectangle19})
            order.push_back(control);
        return order;
    }

    // Six number cells and the letter cell of row 1: the game waits for "Show".
    void playToShow()
    {
        for (int k = 1; k <= 6; ++k)
            clickAt(RR[k]);
        clickAt(RR[17]);
        ASSERT_TRUE(window->Button1->isVisible());
    }

    tavix_test::GameWindow tavix;
    TTavix *window = tavix.get();
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
    playToShow();
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
    EXPECT_EQ(of(window)->role(), QAccessible::Window);
    EXPECT_EQ(name(window), "Tavix");
}

// A control's name already carries its caption, its number or its value; the captions inside it
// are not read out a second time.
TEST_F(AccessibilityTest, ControlsReadAsOne)
{
    const std::pair<QWidget *, const char *> leaves[] = {
        {window->Rectangle10, "+1"}, {window->Rectangle19, "Start Lotto"}, {RR[4], "a number cell"},
        {RR[17], "a letter cell"}, {WW[1], "a ball"}, {WW[7], "the letter ball"}};
    for (const auto &[control, what] : leaves) {
        SCOPED_TRACE(what);
        ASSERT_GT(control->children().size(), 0) << "the control holds its caption";
        EXPECT_EQ(of(control)->childCount(), 0);
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

// What a player sees, read in the order it is seen, whatever order the controls were made in.
TEST_F(AccessibilityTest, TheWindowListsWhatItShowsInReadingOrder)
{
    EXPECT_EQ(listed(), readingOrder());

    std::vector<std::string> names{"Win: 0", "Bet: 0", "Chips: 500"};
    for (int j = 1; j <= 6; ++j)
        names.push_back(QStringLiteral("Ball %1, %2").arg(j).arg(GO.WLine[j]).toStdString());
    names.push_back("Letter ball, " + std::string(Ltr[GO.WLine[7]]));
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 4; ++column)
            names.push_back(QStringLiteral("Row %1, column %2, closed").arg(row).arg(column).toStdString());
        names.push_back(QStringLiteral("Row %1, letter, closed").arg(row).toStdString());
    }
    names.insert(names.end(), {"+1", "+10", "x2", "x10", "x0", "Change values", "Start Lotto"});
    EXPECT_EQ(listedNames(), names);
}

// Clients walk the tree both ways: each listed object names the window as its parent and
// knows its own place in the list; the window hangs under the application.
TEST_F(AccessibilityTest, EveryListedObjectNamesTheWindowAsItsParentAndKnowsItsPlace)
{
    ASSERT_EQ(frame()->childCount(), static_cast<int>(readingOrder().size()));
    for (int i = 0; i < frame()->childCount(); ++i) {
        QAccessibleInterface *child = frame()->child(i);
        SCOPED_TRACE(child->text(QAccessible::Name).toStdString());
        EXPECT_EQ(child->parent(), frame());
        EXPECT_EQ(frame()->indexOfChild(child), i);
        EXPECT_EQ(child->childCount(), 0);
    }
    EXPECT_EQ(frame()->child(-1), nullptr);
    EXPECT_EQ(frame()->child(frame()->childCount()), nullptr);
    EXPECT_EQ(frame()->indexOfChild(of(window->Rectangle3)), -1);
    EXPECT_EQ(frame()->parent(), of(qApp));
    EXPECT_GE(of(qApp)->indexOfChild(frame()), 0);
}

// The hidden templates are never seen and the captions are read with their displays: none of
// them is an object of its own anywhere in the tree.
TEST_F(AccessibilityTest, NeitherTheTemplatesNorTheCaptionsAreObjectsOfTheirOwn)
{
    ASSERT_TRUE(window->Rectangle3->isHidden());
    ASSERT_TRUE(window->Circle3->isHidden());
    std::vector<QObject *> reached;
    std::vector<QAccessibleInterface *> pending{frame()};
    while (!pending.empty()) {
        QAccessibleInterface *iface = pending.back();
        pending.pop_back();
        for (int i = 0; i < iface->childCount(); ++i) {
            reached.push_back(iface->child(i)->object());
            pending.push_back(iface->child(i));
        }
    }
    const QObject *unlisted[] = {window->Rectangle3, window->Label1, window->Circle3, window->Label2,
                                 window->Label3, window->Label6, window->Label8, window->Button1};
    for (const QObject *object : unlisted)
        EXPECT_EQ(std::count(reached.begin(), reached.end(), object), 0) << object->objectName().toStdString();
    std::sort(reached.begin(), reached.end());
    std::vector<QObject *> expected = readingOrder();
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(reached, expected) << "nothing but the displays, balls, cells and controls, each once";
}

TEST_F(AccessibilityTest, ShowIsListedLastWhileItIsShownOnly)
{
    playToShow();
    std::vector<QObject *> order = readingOrder();
    order.push_back(window->Button1);
    EXPECT_EQ(listed(), order);
    EXPECT_EQ(listedNames().back(), "Show");
    EXPECT_EQ(frame()->child(frame()->childCount() - 1)->parent(), frame());

    clickAt(window->Button1);
    EXPECT_EQ(listed(), readingOrder());
    EXPECT_EQ(frame()->indexOfChild(of(window->Button1)), -1);
}

// The order comes from where the controls stand: a control moved on screen is read where it
// now stands.
TEST_F(AccessibilityTest, AControlMovedOnScreenIsReadWhereItNowStands)
{
    // Given a left edge past the others', "+1" stacks last in its row of bet controls.
    window->Rectangle10->setPosition({1000, window->Rectangle10->bounds().top()});
    ASSERT_GT(window->Rectangle10->x(), window->Rectangle11->x());

    const std::vector<std::string> names = listedNames();
    ASSERT_GE(names.size(), 7U);
    const std::vector<std::string> controls(names.end() - 7, names.end());
    EXPECT_EQ(controls, (std::vector<std::string>{"+10", "x2", "x10", "x0", "+1", "Change values", "Start Lotto"}));
}

TEST_F(AccessibilityTest, AResizedWindowReadsTheSame)
{
    window->resize(500, 700);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->Rectangle8->x(), 85) << "the ticket card moved with the window";
    EXPECT_EQ(listed(), readingOrder());
}

TEST_F(AccessibilityTest, APointOnScreenFindsWhatStandsThere)
{
    const auto at = [this](QWidget *control) {
        return frame()->childAt(control->mapToGlobal(control->rect().center()).x(),
                                control->mapToGlobal(control->rect().center()).y());
    };
    EXPECT_EQ(at(RR[4]), of(RR[4]));
    EXPECT_EQ(at(WW[7]), of(WW[7]));
    EXPECT_EQ(at(window->Rectangle19), of(window->Rectangle19));
    // The caption and its value read as one display, and frame it as one.
    EXPECT_EQ(at(window->Label3), of(window->Label5));
    EXPECT_TRUE(of(window->Label5)->rect().contains(window->Label3->mapToGlobal(window->Label3->rect().center())));
    // Between the last number cell and the letter cell of a row stands nothing to read.
    const QPoint gap = RR[1]->mapToGlobal(QPoint(RR[1]->width() + 20, RR[1]->height() / 2));
    EXPECT_EQ(frame()->childAt(gap.x(), gap.y()), nullptr);
}

TEST_F(AccessibilityTest, PressingShowThroughTheBridgeOpensTheTicketLikeAClick)
{
    press(of(window->Button1));
    EXPECT_EQ(LL[1]->text(), "") << "a press on the hidden button shows nothing";

    playToShow();
    press(of(window->Button1));
    EXPECT_FALSE(window->Button1->isVisible());
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(LL[k]->text(), QString::number(GO.FLine[k])) << k;
}

} // namespace
